// Check box and radio button rules: frames of 4-, 8- and 12-frame strips for every state, and the
// box beside its caption.
#include "skin/controls/buttons/check_rules.h"

#include <gtest/gtest.h>

namespace {

TEST(CheckRules, StateNames) {
    EXPECT_EQ(FrameOfStateName("cbunchecked"), kCheckUnchecked);
    EXPECT_EQ(FrameOfStateName("cbchecked"), kCheckChecked);
    EXPECT_EQ(FrameOfStateName("cbgrayed"), kCheckGrayed);
    EXPECT_EQ(FrameOfStateName("cbsomething"), std::nullopt);
}

TEST(CheckRules, CheckBoxFrames) {
    struct Row {
        const char* what;
        TCheckInputs in;
        int frame;
    };
    const Row rows[] = {
        {"4: unchecked", {.Frames = 4}, 1},
        {"4: checked", {.Frames = 4, .Checked = true}, 2},
        {"4: unchecked disabled", {.Frames = 4, .Disabled = true}, 3},
        {"4: checked disabled", {.Frames = 4, .Checked = true, .Disabled = true}, 4},
        {"4: grayed", {.Frames = 4, .Indeterminate = true}, 4},
        {"4: grayed disabled", {.Frames = 4, .Indeterminate = true, .Disabled = true}, 4},
        {"6 frames read as 4", {.Frames = 6, .Checked = true, .Disabled = true}, 4},
        {"12: unchecked", {.Frames = 12}, 1},
        {"12: unchecked disabled", {.Frames = 12, .Disabled = true}, 4},
        {"12: checked", {.Frames = 12, .Checked = true}, 5},
        {"12: checked disabled", {.Frames = 12, .Checked = true, .Disabled = true}, 8},
        {"12: grayed", {.Frames = 12, .Indeterminate = true}, 9},
        {"12: grayed disabled", {.Frames = 12, .Indeterminate = true, .Disabled = true}, 12},
        {"the State property wins over the window",
         {.Frames = 4, .Checked = true, .PropertyFrame = kCheckUnchecked},
         1},
        {"State grayed while the window says checked, disabled",
         {.Frames = 4, .Checked = true, .Disabled = true, .PropertyFrame = kCheckGrayed},
         4},
        {"State grayed, 12 frames", {.Frames = 12, .PropertyFrame = kCheckGrayed}, 9},
        {"data field: the last set check", {.Frames = 4, .LastSetCheck = 2, .DataField = true}, 2},
        {"data field: set check indeterminate",
         {.Frames = 4, .LastSetCheck = 3, .DataField = true},
         4},
        {"data field: no set check seen keeps the window's",
         {.Frames = 4, .Checked = true, .LastSetCheck = 0, .DataField = true},
         2},
        {"set check without a data field is ignored",
         {.Frames = 4, .LastSetCheck = 2, .DataField = false},
         1},
        {"data binding shows unchecked",
         {.Frames = 4, .Checked = true, .PropertyFrame = kCheckChecked, .DataBinding = true},
         1},
    };
    for (const Row& r : rows)
        EXPECT_EQ(CheckBoxFrame(r.in), r.frame) << r.what;
}

TEST(CheckRules, RadioButtonFrames) {
    struct Row {
        int frames;
        bool checked, disabled;
        int frame;
    };
    const Row rows[] = {
        {4, false, false, 1}, {4, true, false, 2}, {4, false, true, 3}, {4, true, true, 4},
        {8, false, false, 1}, {8, true, false, 5}, {8, false, true, 4}, {8, true, true, 8},
        {12, true, true, 4}, // only 8 is the long radio strip
    };
    for (const Row& r : rows)
        EXPECT_EQ(RadioButtonFrame(r.frames, r.checked, r.disabled), r.frame)
            << r.frames << " frames, checked " << r.checked << ", disabled " << r.disabled;
}

TEST(CheckRules, Placement) {
    struct Row {
        const char* what;
        bool leftText, rtl, radio;
        TCheckPlacement expected;
    };
    // A 100 x 17 control with a 13 x 13 frame.
    const Row rows[] = {
        {"box left", false, false, false, {{0, 2, 13, 15}, {15, 0, 100, 17}, false}},
        {"box left, right-to-left", false, true, false, {{0, 2, 13, 15}, {15, 0, 100, 17}, false}},
        {"text left", true, false, false, {{87, 2, 100, 15}, {0, 0, 85, 17}, false}},
        {"text left, right-to-left", true, true, false, {{87, 2, 100, 15}, {0, 0, 85, 17}, true}},
        {"radio, text left", true, false, true, {{86, 2, 99, 15}, {0, 0, 84, 17}, false}},
        {"radio, box left", false, false, true, {{0, 2, 13, 15}, {15, 0, 100, 17}, false}},
    };
    for (const Row& r : rows) {
        const TCheckPlacement p = PlaceCheck(100, 17, 13, 13, r.leftText, r.rtl, r.radio);
        EXPECT_EQ(p.Box, r.expected.Box) << r.what;
        EXPECT_EQ(p.Text, r.expected.Text) << r.what;
        EXPECT_EQ(p.TextRight, r.expected.TextRight) << r.what;
    }
}

TEST(CheckRules, PlacementAtADensity) {
    // A 150 x 26 control with the 13 x 13 frame's cell at each density.
    struct Row {
        const char* what;
        int dpi, cell;
        bool leftText, radio;
        TPixelRect box, text;
    };
    const Row rows[] = {
        {"96 dpi as ever", 96, 13, false, false, {0, 6, 13, 19}, {15, 0, 150, 26}},
        {"120 dpi", 120, 16, false, false, {0, 5, 16, 21}, {19, 0, 150, 26}},
        {"144 dpi", 144, 20, false, false, {0, 3, 20, 23}, {23, 0, 150, 26}},
        {"192 dpi", 192, 26, false, false, {0, 0, 26, 26}, {30, 0, 150, 26}},
        {"144 dpi, radio with its text left", 144, 20, true, true, {128, 3, 148, 23},
         {0, 0, 125, 26}},
        {"192 dpi, radio with its text left", 192, 26, true, true, {122, 0, 148, 26},
         {0, 0, 118, 26}},
    };
    for (const Row& r : rows) {
        const TCheckPlacement p =
            PlaceCheck(150, 26, r.cell, r.cell, r.leftText, false, r.radio, r.dpi);
        EXPECT_EQ(p.Box, r.box) << r.what;
        EXPECT_EQ(p.Text, r.text) << r.what;
    }
}

} // namespace
