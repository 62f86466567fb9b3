// Where the skin controls draw the focus rectangle around a caption.
#include "skin/controls/base/skin_control_rules.h"

#include <gtest/gtest.h>

namespace {

TEST(FocusRectAroundText, PlacedAsTheTextAndKeptInside) {
    // A rectangle away from the origin, so offsets and sizes cannot be mixed up.
    const TPixelRect r{10, 20, 110, 40}; // 100 x 20
    struct Case {
        const char* name;
        int width, height;
        unsigned format;
        TPixelRect expected;
    };
    const Case cases[] = {
        // Centred: 30 in, and 4 down where the exact centre would be 5.
        {"centred", 40, 10, kFormatCenter, {38, 23, 82, 35}},
        // Odd spares: the half is rounded down.
        {"centred, odd spares", 41, 11, kFormatCenter, {37, 22, 82, 35}},
        {"right", 40, 10, kFormatRight, {68, 20, 110, 31}},
        {"left", 40, 10, 0, {10, 20, 52, 31}},
        // Text larger than the rectangle: the focus rectangle stops at its edges.
        {"centred, too large", 140, 30, kFormatCenter, {10, 20, 110, 40}},
        {"right, too wide", 103, 10, kFormatRight, {10, 20, 110, 31}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FocusRectAroundText(r, c.width, c.height, c.format), c.expected) << c.name;
}

TEST(FocusRectAroundText, ItsMarginsAndTheShiftAreMeasuresAtTheDensity) {
    const TPixelRect r{10, 20, 110, 40};
    // Centred 40 x 10: 30 in; up by 2 from the centre at 144 and 192 dpi (1.5 rounded away),
    // then grown by 3 (144) or 4 (192) across and 2 down.
    EXPECT_EQ(FocusRectAroundText(r, 40, 10, kFormatCenter, 144), (TPixelRect{37, 21, 83, 35}));
    EXPECT_EQ(FocusRectAroundText(r, 40, 10, kFormatCenter, 192), (TPixelRect{36, 21, 84, 35}));
    EXPECT_EQ(FocusRectAroundText(r, 40, 10, 0, 144), (TPixelRect{10, 20, 53, 32}));
}

TEST(FittingPictureDpi, ThePictureThatFitsTheRoom) {
    struct Row {
        const char* what;
        int dpi, room, cell, expected;
    };
    const Row rows[] = {
        {"96 dpi: always the pictures as they are", 96, 10, 17, 96},
        {"a piece as large as the picture at the density", 144, 26, 17, 144},
        {"120 dpi", 120, 21, 17, 120},
        {"200 %", 192, 34, 17, 192},
        {"two pixels thinner still takes the density", 144, 24, 17, 144},
        {"laid out for 96 dpi on a 144-dpi window", 144, 17, 17, 96},
        {"laid out for 96 dpi on a 192-dpi window", 192, 17, 17, 96},
        {"between: the picture that fits, at its own density", 192, 26, 17, 144},
        {"no picture", 144, 17, 0, 144},
    };
    for (const Row& r : rows)
        EXPECT_EQ(FittingPictureDpi(r.dpi, r.room, r.cell), r.expected) << r.what;
}

} // namespace
