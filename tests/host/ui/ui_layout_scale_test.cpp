// A stored layout at the usual display densities: bounds by their edges, fonts by points or
// pixels, the density a description was designed at.
#include "ui/layout_scale.h"

#include <gtest/gtest.h>

#include <optional>

namespace {

using ui::TLayoutBounds;

// Three controls side by side, each starting where the one before ends, and a fourth under them
// spanning all three: at every density they still touch and the fourth still spans them. Their
// sizes alone (3 pixels, 4.5 at 1.5 times) would round to 5 each and overlap by a pixel.
TEST(LayoutScale, ControlsThatShareAnEdgeStillShareIt) {
    const TLayoutBounds row[] = {{1, 1, 3, 3}, {4, 1, 3, 3}, {7, 1, 3, 3}};
    const TLayoutBounds under{1, 4, 9, 3};
    struct Case {
        int dpi;
        TLayoutBounds first, second, third, under;
    };
    const Case cases[] = {
        {96, {1, 1, 3, 3}, {4, 1, 3, 3}, {7, 1, 3, 3}, {1, 4, 9, 3}},
        {120, {1, 1, 4, 4}, {5, 1, 4, 4}, {9, 1, 4, 4}, {1, 5, 12, 4}},
        {144, {2, 2, 4, 4}, {6, 2, 5, 4}, {11, 2, 4, 4}, {2, 6, 13, 5}},
        {168, {2, 2, 5, 5}, {7, 2, 5, 5}, {12, 2, 6, 5}, {2, 7, 16, 5}},
        {192, {2, 2, 6, 6}, {8, 2, 6, 6}, {14, 2, 6, 6}, {2, 8, 18, 6}},
    };
    for (const Case& c : cases) {
        const TLayoutBounds got[] = {ui::ScaleBounds(row[0], c.dpi), ui::ScaleBounds(row[1], c.dpi),
                                     ui::ScaleBounds(row[2], c.dpi)};
        EXPECT_EQ(got[0], c.first) << c.dpi;
        EXPECT_EQ(got[1], c.second) << c.dpi;
        EXPECT_EQ(got[2], c.third) << c.dpi;
        EXPECT_EQ(ui::ScaleBounds(under, c.dpi), c.under) << c.dpi;
        EXPECT_EQ(got[0].Left + got[0].Width, got[1].Left) << c.dpi;
        EXPECT_EQ(got[1].Left + got[1].Width, got[2].Left) << c.dpi;
        EXPECT_EQ(got[2].Left + got[2].Width, c.under.Left + c.under.Width) << c.dpi;
        EXPECT_EQ(got[0].Top + got[0].Height, c.under.Top) << c.dpi;
    }
}

// A layout designed at another density scales from there, and down as well as up.
TEST(LayoutScale, FromTheDensityTheLayoutIsAt) {
    EXPECT_EQ(ui::ScaleBounds({10, 20, 100, 30}, 96, 120), (TLayoutBounds{8, 16, 80, 24}));
    EXPECT_EQ(ui::ScaleBounds({8, 16, 80, 24}, 144, 120), (TLayoutBounds{10, 19, 96, 29}));
    EXPECT_EQ(ui::ScaleBounds({-5, -3, 10, 6}, 144), (TLayoutBounds{-8, -5, 16, 10}));
    EXPECT_EQ(ui::ScaleBounds({7, 7, 0, 0}, 144), (TLayoutBounds{11, 11, 0, 0}));
}

// A font given in points takes the system's pixels for those points at each density; rounding
// the 96-dpi pixels up again would make some sizes a pixel larger (8 points: 11 pixels at 96,
// 13 at 120, where 11 * 1.25 gives 14). A font given in pixels scales as a measure, its sign
// (character or cell height) kept.
TEST(LayoutScale, FontHeightsByPointsOrPixels) {
    struct Row {
        int height; // at 96 dpi
        std::optional<int> points;
        int dpi;
        int expected;
    };
    const Row rows[] = {
        {-11, 8, 96, -11},   {-11, 8, 120, -13},  {-11, 8, 144, -16},  {-11, 8, 192, -21},
        {-12, 9, 120, -15},  {-12, 9, 144, -18},  {-13, 10, 120, -17}, {-11, {}, 120, -14},
        {-12, {}, 120, -15}, {-16, {}, 144, -24}, {-14, {}, 144, -21}, {-14, {}, 192, -28},
        {16, {}, 120, 20},   {13, {}, 144, 20},   {0, {}, 144, 0},
    };
    for (const Row& r : rows)
        EXPECT_EQ(ui::ScaleFontHeight(r.height, r.points, r.dpi), r.expected)
            << r.height << " / " << r.points.value_or(0) << " pt at " << r.dpi;
    // Between two densities, and no density at all leaves the height.
    EXPECT_EQ(ui::ScaleFontHeight(-15, {}, 96, 120), -12);
    EXPECT_EQ(ui::ScaleFontHeight(-15, 9, 96, 120), -12);
    EXPECT_EQ(ui::ScaleFontHeight(-15, 9, 0, 120), -15);
    EXPECT_EQ(ui::FontHeightForPoints(8, 96), -11);
}

TEST(LayoutScale, DesignDensity) {
    EXPECT_EQ(ui::DesignDpi(96), 96);
    EXPECT_EQ(ui::DesignDpi(120), 120);
    EXPECT_EQ(ui::DesignDpi(0), 96);
    EXPECT_EQ(ui::DesignDpi(-144), 96);
}

} // namespace
