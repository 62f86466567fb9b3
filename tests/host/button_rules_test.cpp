// Push button rules: the frame for every state, the caption's lines, colour and place, and glyph
// and caption side by side in each layout.
#include "button_rules.h"

#include <gtest/gtest.h>

namespace {

TEST(ButtonRules, FrameForEveryState) {
    struct Row {
        const char* what;
        TButtonState state;
        int frame;
    };
    const Row rows[] = {
        {"normal", {}, kButtonNormal},
        {"pressed", {.Pressed = true}, kButtonPressed},
        {"hot", {.Hot = true}, kButtonHot},
        {"pressed while hot", {.Pressed = true, .Hot = true}, kButtonPressed},
        {"focused", {.Focused = true}, kButtonFocused},
        {"default", {.Default = true}, kButtonFocused},
        {"hot beats focused", {.Hot = true, .Focused = true}, kButtonHot},
        {"disabled", {.Enabled = false}, kButtonDisabled},
        {"disabled default with focus",
         {.Focused = true, .Default = true, .Enabled = false},
         kButtonDisabled},
        {"disabled, pressed and hot",
         {.Pressed = true, .Hot = true, .Enabled = false},
         kButtonDisabled},
    };
    for (const Row& r : rows)
        EXPECT_EQ(ButtonFrame(r.state), r.frame) << r.what;
}

TEST(ButtonRules, SpeedButtonFrameAndGlyph) {
    struct Row {
        bool pressed, hot, enabled, down;
        int frame, glyph;
    };
    const Row rows[] = {
        {false, false, true, false, kButtonNormal, 1},
        {false, true, true, false, kButtonHot, 1},
        {true, true, true, false, kButtonPressed, 3},
        {true, false, false, false, kButtonDisabled, 2},
        {false, false, true, true, kButtonPressed, 4},
        {false, false, false, true, kButtonPressed, 4}, // held down wins over disabled
    };
    for (const Row& r : rows) {
        const int frame = SpeedButtonFrame(r.pressed, r.hot, r.enabled, r.down);
        EXPECT_EQ(frame, r.frame) << r.pressed << r.hot << r.enabled << r.down;
        EXPECT_EQ(GlyphIndex(frame, r.down), r.glyph) << r.pressed << r.hot << r.enabled << r.down;
    }
}

TEST(ButtonRules, CaptionLines) {
    EXPECT_EQ(CaptionLines(L"粘||贴"), L"粘\r\n贴");
    EXPECT_EQ(CaptionLines(L"a||b||c"), L"a\r\nb||c");
    EXPECT_EQ(CaptionLines(L"a|b"), L"a|b");
    EXPECT_EQ(CaptionLines(L"|||"), L"\r\n|");
    EXPECT_EQ(CaptionLines(L""), L"");
}

TEST(ButtonRules, TextColour) {
    const TColor font = 0x123456;
    TDataSkinButton plain("Buttons");
    TDataSkinButton coloured("Buttons");
    coloured.HasNormalColour2 = coloured.HasMouseOverColour2 = coloured.HasPressedColour2 = true;
    coloured.NormalColour2 = 0x000001;
    coloured.MouseOverColour2 = 0x000002;
    coloured.PressedColour2 = 0x000003;
    TDataSkinButton normalOnly("Buttons");
    normalOnly.HasNormalColour2 = true;
    normalOnly.NormalColour2 = 0x000001;
    struct Row {
        const char* what;
        const TDataSkinButton& skin;
        int frame;
        bool enabled, menu;
        TColor expected;
    };
    const Row rows[] = {
        {"no skin colours", plain, kButtonHot, true, false, font},
        {"normal", coloured, kButtonNormal, true, false, 0x000001},
        {"focused takes the normal colour", coloured, kButtonFocused, true, false, 0x000001},
        {"hot", coloured, kButtonHot, true, false, 0x000002},
        {"pressed", coloured, kButtonPressed, true, false, 0x000003},
        {"hot without its own colour", normalOnly, kButtonHot, true, false, 0x000001},
        {"disabled", coloured, kButtonDisabled, false, false, ui::clBtnShadow},
        {"menu button, normal", normalOnly, kButtonNormal, true, true, 0x000001},
        {"menu button, focused", normalOnly, kButtonFocused, true, true, font},
    };
    for (const Row& r : rows)
        EXPECT_EQ(ButtonTextColour(r.skin, font, r.frame, r.enabled, r.menu), r.expected) << r.what;
}

TEST(ButtonRules, CentredTextSitsOnePixelAboveTheMiddle) {
    EXPECT_EQ(CentredText(75, 25, 31, 13), (TPixelRect{22, 5, 53, 18}));
    EXPECT_EQ(CentredText(75, 25, 31, 26), (TPixelRect{22, -1, 53, 25})); // two lines
    EXPECT_EQ(CentredText(10, 10, 20, 4), (TPixelRect{-5, 2, 15, 6}));
}

TEST(ButtonRules, GlyphLayouts) {
    using L = TButtonLayout;
    using A = TTextAlign;
    const TSize2 client{100, 30}, glyph{16, 16}, text{40, 13};
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

TEST(ButtonRules, GlyphTextBoxLeavesRoomForTheGlyph) {
    EXPECT_EQ(GlyphTextBox({100, 30}, {16, 16}, TButtonLayout::blGlyphLeft),
              (TPixelRect{2, 2, 80, 28}));
    EXPECT_EQ(GlyphTextBox({100, 60}, {16, 16}, TButtonLayout::blGlyphBottom),
              (TPixelRect{2, 2, 98, 40}));
}

TEST(ButtonRules, MenuButtonArrowRightOfTheCaption) {
    // Free room 100 - 8 - 40 = 52: a quarter as margin and as spacing.
    const TGlyphPlacement p = PlaceMenuButton({100, 25}, {40, 13});
    EXPECT_EQ(p.Glyph, (TPixelRect{79, 11, 87, 14}));
    EXPECT_EQ(p.Text, (TPixelRect{26, 6, 66, 19}));
}

} // namespace
