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

} // namespace
