// The date-time picker's skinned button, the media player's skinned buttons and the glyph strip
// handed to check boxes and radio buttons of another library.
#include "skin/controls/buttons/media_rules.h"
#include "skin/controls/buttons/obj_image_rules.h"
#include "skin/controls/pickers/picker_rules.h"
#include "tests/support/skin_fixture.h"

#include <gtest/gtest.h>

namespace {

TEST(PickerRules, TheArrowButtonCoversTheRightOrLeftEnd) {
    struct Row {
        const char* what;
        int width, height, arrow;
        bool left;
        TPixelRect expected;
    };
    const Row rows[] = {
        // A 120 x 24 picker has a 116 x 20 client area: the button fills its right end.
        {"left to right", 120, 24, 16, false, {100, 0, 116, 20}},
        {"right to left", 120, 24, 16, true, {2, 0, 18, 20}},
        {"a wider arrow", 90, 30, 21, false, {65, 0, 86, 26}},
    };
    for (const Row& r : rows)
        EXPECT_EQ(ArrowButtonRect(r.width, r.height, r.arrow, r.left), r.expected) << r.what;
    // At 144 dpi: the system's 26-pixel arrow inside a 3-pixel edge.
    EXPECT_EQ(ArrowButtonRect(180, 33, 26, false, 3), (TPixelRect{148, 0, 174, 27}));
    EXPECT_EQ(ArrowButtonRect(180, 33, 26, true, 3), (TPixelRect{3, 0, 29, 27}));
}

TEST(PickerRules, TheHotFrameOnlyWhereTheStripHasIt) {
    struct Row {
        bool hot;
        int frames, frame;
    };
    const Row rows[] = {{false, 4, 1}, {true, 4, 4}, {true, 5, 4}, {true, 1, 1}, {false, 1, 1}};
    for (const Row& r : rows)
        EXPECT_EQ(ArrowButtonFrame(r.hot, r.frames), r.frame) << r.hot << " " << r.frames;
}

TEST(PickerRules, APressLandsOnThePickersOwnButton) {
    // Client width 116; the picker's own button is its last 15 pixels.
    const TPixelRect right = ArrowButtonRect(120, 24, 16, false);
    const TPixelRect left = ArrowButtonRect(120, 24, 16, true);
    struct Row {
        const char* what;
        int x, y;
        TPixelRect button;
        bool leftSide;
        std::optional<TPixelRect> pickerButton; // where the picker says its button is
        TPickerPoint expected;
    };
    const Row rows[] = {
        {"moved by the button's place", 8, 10, right, false, {}, {108, 10}},
        {"from a left button, as far from the right edge", 8, 10, left, true, {}, {105, 10}},
        {"the left button's first column", 0, 3, left, true, {}, {113, 3}},
        {"an empty answer is no answer", 8, 10, right, false, TPixelRect{}, {108, 10}},
        {"the picker's button at the left", 8, 10, left, true, TPixelRect{0, 0, 17, 20}, {8, 10}},
        {"the same place in the picker's button", 8, 10, right, false,
         TPixelRect{98, 2, 114, 18}, {106, 12}},
        {"kept inside a button smaller than the arrow", 15, 19, right, false,
         TPixelRect{100, 2, 110, 18}, {109, 17}},
    };
    for (const Row& r : rows)
        EXPECT_EQ(PickerPressPoint(r.x, r.y, r.button, 116, r.leftSide, r.pickerButton),
                  r.expected)
            << r.what;
}

TEST(MediaRules, TheFrameForEachButtonState) {
    struct Row {
        bool pressed, enabled;
        int frame;
    };
    const Row rows[] = {{false, true, 1}, {true, true, 2}, {false, false, 3}, {true, false, 2}};
    for (const Row& r : rows)
        EXPECT_EQ(MediaButtonFrame(r.pressed, r.enabled), r.frame) << r.pressed << r.enabled;
}

TEST(MediaRules, TheGlyphIsCentredAndMovesWhilePressed) {
    struct Row {
        const char* what;
        TPixelRect button;
        int width, height;
        bool pressed;
        TPixelRect expected;
    };
    const Row rows[] = {
        {"centred", {30, 0, 60, 30}, 16, 14, false, {37, 8, 53, 22}},
        {"pressed: one right and down", {30, 0, 60, 30}, 16, 14, true, {38, 9, 54, 23}},
        {"larger than the button sticks out evenly",
         {0, 0, 10, 10},
         16,
         16,
         false,
         {-3, -3, 13, 13}},
    };
    for (const Row& r : rows)
        EXPECT_EQ(MediaGlyphRect(r.button, r.width, r.height, r.pressed), r.expected) << r.what;
}

TEST(ObjImageRules, TheSixPicturesFromEachStrip) {
    using M = TObjImageMode;
    using F = std::array<int, 6>;
    struct Row {
        const char* what;
        M mode;
        int frames;
        F expected;
    };
    const Row rows[] = {
        {"radio, four frames", M::Radio, 4, F{1, 2, 1, 2, 3, 4}},
        {"radio, eight frames", M::Radio, 8, F{1, 5, 1, 5, 4, 8}},
        {"check, four frames", M::Check, 4, F{1, 2, 1, 2, 3, 4}},
        {"check, twelve frames", M::Check, 12, F{1, 5, 1, 5, 4, 8}},
        {"the properties' glyph, as a check box", M::PropertiesGlyph, 4, F{1, 2, 1, 2, 3, 4}},
    };
    for (const Row& r : rows)
        EXPECT_EQ(ObjImageStripFrames(r.mode, r.frames), r.expected) << r.what;
}

TEST(ObjImageRules, TheStripIsComposedFromTheSkinsFrames) {
    using skin_fixture::FrameColour;
    // Eight radio frames of 13 x 13, each its own colour; the picture at each place shows the
    // colour of its frame from the first column to the last.
    const TPixelImage radio = skin_fixture::Strip(7, 8, 13, 13);
    const TPixelImage out = ObjImageStrip(radio, 8, TObjImageMode::Radio);
    ASSERT_EQ(out.Width, 6 * 13);
    ASSERT_EQ(out.Height, 13);
    const int frames[] = {1, 5, 1, 5, 4, 8};
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(out.At(13 * i, 6), PixelFromColor(FrameColour(7, frames[i]))) << i;
        EXPECT_EQ(out.At(13 * i + 12, 12), PixelFromColor(FrameColour(7, frames[i]))) << i;
    }
    // A strip narrower than its frame count gives nothing rather than empty pictures.
    EXPECT_EQ(ObjImageStrip(TPixelImage(3, 13), 4, TObjImageMode::Check).Width, 0);
}

} // namespace
