// The glyph layout of buttons: glyph and caption in each layout, margin and spacing given or
// spread, a glyph or a caption alone.
#include "ui/glyph_layout.h"

#include <gtest/gtest.h>

namespace {

using namespace ui;

TEST(GlyphLayout, EveryLayoutMarginAndSpacing) {
    using L = TButtonLayout;
    using A = TTextAlign;
    const TGlyphSize client{100, 30}, glyph{16, 16}, text{40, 13};
    struct Row {
        const char* what;
        TGlyphLayoutInput in;
        TGlyphPlacement expected;
    };
    const Row rows[] = {
        {"left, margin and spacing given",
         {client, glyph, text, L::blGlyphLeft, 5, 4, false},
         {{5, 7, 21, 23}, {25, 9, 65, 22}, A::Left}},
        {"right",
         {client, glyph, text, L::blGlyphRight, 5, 4, false},
         {{79, 7, 95, 23}, {35, 9, 75, 22}, A::Right}},
        {"left, centred pair (margin -1)",
         {client, glyph, text, L::blGlyphLeft, -1, 4, false},
         {{20, 7, 36, 23}, {40, 9, 80, 22}, A::Left}},
        {"alignment centre overrides the margin",
         {client, glyph, text, L::blGlyphLeft, 5, 4, true},
         {{20, 7, 36, 23}, {40, 9, 80, 22}, A::Left}},
        {"margin and spacing both spread",
         {client, glyph, text, L::blGlyphLeft, -1, -1, false},
         {{14, 7, 30, 23}, {44, 9, 84, 22}, A::Left}},
        {"margin given, spacing spread",
         {client, glyph, text, L::blGlyphLeft, 2, -1, false},
         {{2, 7, 18, 23}, {39, 9, 79, 22}, A::Left}},
        {"no caption: the glyph alone is centred",
         {client, glyph, {}, L::blGlyphLeft, -1, 4, false},
         {{42, 7, 58, 23}, {58, 15, 58, 15}, A::Left}},
        {"no glyph: the caption alone is centred",
         {client, {}, text, L::blGlyphLeft, -1, 4, false},
         {{30, 15, 30, 15}, {30, 9, 70, 22}, A::Left}},
        {"top",
         {{60, 60}, glyph, text, L::blGlyphTop, 3, 2, false},
         {{22, 3, 38, 19}, {10, 21, 50, 34}, A::Centre}},
        {"bottom",
         {{60, 60}, glyph, text, L::blGlyphBottom, 3, 2, false},
         {{22, 41, 38, 57}, {10, 26, 50, 39}, A::Centre}},
    };
    for (const Row& r : rows)
        EXPECT_EQ(PlaceGlyphAndText(r.in), r.expected) << r.what;
}

TEST(GlyphLayout, TextBoxLeavesRoomForTheGlyph) {
    EXPECT_EQ(GlyphTextBox({100, 30}, {16, 16}, TButtonLayout::blGlyphLeft),
              (TGlyphRect{2, 2, 80, 28}));
    EXPECT_EQ(GlyphTextBox({100, 60}, {16, 16}, TButtonLayout::blGlyphBottom),
              (TGlyphRect{2, 2, 98, 40}));
}

} // namespace
