// Push button rules: the frame for every state, the caption's lines, colour and place, and a
// menu button's arrow.
#include "skin/controls/buttons/button_rules.h"

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

TEST(ButtonRules, MenuButtonArrowRightOfTheCaption) {
    // Free room 100 - 8 - 40 = 52: a quarter as margin and as spacing.
    const TGlyphPlacement p = PlaceMenuButton({100, 25}, {40, 13});
    EXPECT_EQ(p.Glyph, (TGlyphRect{79, 11, 87, 14}));
    EXPECT_EQ(p.Text, (TGlyphRect{26, 6, 66, 19}));
    EXPECT_EQ(MenuArrowTriangle(p.Glyph),
              (std::array<TArrowPoint, 3>{{{83, 14}, {80, 11}, {86, 11}}}));
}

TEST(ButtonRules, MenuButtonAndCaptionAtADensity) {
    struct Row {
        int dpi;
        TGlyphSize client, text;
        TGlyphRect glyph, caption;
        std::array<TArrowPoint, 3> triangle;
        TPixelRect centred; // a 31 x 13 caption in the client
    };
    const Row rows[] = {
        // Free room 150 - 12 - 60 = 78: margin and spacing 19; the arrow 12 x 5 (4.5 rounded).
        {144, {150, 38}, {60, 20}, {119, 17, 131, 22}, {40, 9, 100, 29},
         {{{125, 22}, {120, 17}, {130, 17}}}, {59, 10, 90, 23}},
        // Free room 200 - 16 - 80 = 104: 26; the arrow 16 x 6.
        {192, {200, 50}, {80, 26}, {158, 22, 174, 28}, {52, 12, 132, 38},
         {{{166, 28}, {160, 22}, {172, 22}}}, {84, 16, 115, 29}},
    };
    for (const Row& r : rows) {
        const TGlyphPlacement p = PlaceMenuButton(r.client, r.text, r.dpi);
        EXPECT_EQ(p.Glyph, r.glyph) << r.dpi;
        EXPECT_EQ(p.Text, r.caption) << r.dpi;
        EXPECT_EQ(MenuArrowTriangle(p.Glyph, r.dpi), r.triangle) << r.dpi;
        EXPECT_EQ(CentredText(r.client.Width, r.client.Height, 31, 13, r.dpi), r.centred) << r.dpi;
    }
}

} // namespace
