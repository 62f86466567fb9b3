// Measures, layouts and margins at the usual display scales.
#include "skin/pictures/dpi_scale.h"

#include <gtest/gtest.h>

#include <limits>
#include <vector>

namespace {

constexpr int kScales[] = {96, 120, 144, 168, 192}; // 1, 1.25, 1.5, 1.75 and 2 times

TEST(DpiScale, MeasuresRoundToTheNearestPixelHalvesAwayFromZero) {
    struct Row {
        int pixels;
        int expected[5]; // at each of kScales
    };
    const Row rows[] = {
        {0, {0, 0, 0, 0, 0}},
        {1, {1, 1, 2, 2, 2}},       // 1.25, 1.5 and 1.75
        {2, {2, 3, 3, 4, 4}},       // 2.5 and 3.5 go up
        {3, {3, 4, 5, 5, 6}},       // 3.75, 4.5, 5.25
        {7, {7, 9, 11, 12, 14}},    // 8.75, 10.5, 12.25
        {13, {13, 16, 20, 23, 26}}, // 16.25, 19.5, 22.75
        {263, {263, 329, 395, 460, 526}},
        {-1, {-1, -1, -2, -2, -2}}, // a shift left scales as the shift right does
        {-3, {-3, -4, -5, -5, -6}},
    };
    for (const Row& row : rows)
        for (int i = 0; i < 5; ++i)
            EXPECT_EQ(ScaleMeasure(row.pixels, kScales[i]), row.expected[i])
                << row.pixels << " at " << kScales[i];
}

TEST(DpiScale, MeasuresBetweenOtherDensitiesAndOutOfRange) {
    // A 2x picture's measures at 1.5 times and at 1.25 times.
    EXPECT_EQ(ScaleMeasure(1, 144, 192), 1); // 0.75
    EXPECT_EQ(ScaleMeasure(2, 144, 192), 2); // 1.5
    EXPECT_EQ(ScaleMeasure(6, 120, 192), 4); // 3.75
    EXPECT_EQ(ScaleMeasure(-2, 144, 192), -2);
    // No density leaves a measure alone; the largest measures do not wrap.
    EXPECT_EQ(ScaleMeasure(17, 0), 17);
    EXPECT_EQ(ScaleMeasure(17, 144, -96), 17);
    EXPECT_EQ(ScaleMeasure(std::numeric_limits<int>::max(), 192), std::numeric_limits<int>::max());
    EXPECT_EQ(ScaleMeasure(std::numeric_limits<int>::min(), 192), std::numeric_limits<int>::min());
    EXPECT_EQ(ScaleMeasure(std::numeric_limits<int>::min(), 96), std::numeric_limits<int>::min());
}

TEST(DpiScale, AdjacentRectanglesStayAdjacent) {
    // A row of pieces of odd widths from an odd origin, and a column of them: scaling each size
    // would leave gaps and overlaps (three 1-pixel pieces at 1.25 times are 1 + 1 + 1 but span
    // 4); scaled edges still meet, and the whole spans its own scaled size.
    const std::vector<int> sizes = {1, 1, 1, 3, 5, 7, 2, 13};
    for (const int dpi : kScales) {
        int at = 5;
        TPixelRect previous = ScaleRect({0, 0, 5, 5}, dpi);
        for (const int size : sizes) {
            const TPixelRect across = ScaleRect({at, 3, at + size, 9}, dpi);
            const TPixelRect down = ScaleRect({3, at, 9, at + size}, dpi);
            EXPECT_EQ(across.Left, previous.Right) << dpi << " at " << at;
            EXPECT_EQ(down.Top, previous.Right) << dpi << " at " << at;
            EXPECT_GE(across.Right - across.Left, size) << dpi << " at " << at;
            EXPECT_EQ(across.Top, ScaleMeasure(3, dpi));
            EXPECT_EQ(down.Right, ScaleMeasure(9, dpi));
            previous = across;
            at += size;
        }
        EXPECT_EQ(previous.Right, ScaleMeasure(at, dpi));
    }
    // The three 1-pixel pieces at 1.25 times: 1, 2 and 1 pixels wide.
    EXPECT_EQ(ScaleRect({0, 0, 1, 1}, 120), (TPixelRect{0, 0, 1, 1}));
    EXPECT_EQ(ScaleRect({1, 0, 2, 1}, 120), (TPixelRect{1, 0, 3, 1}));
    EXPECT_EQ(ScaleRect({2, 0, 3, 1}, 120), (TPixelRect{3, 0, 4, 1}));
}

TEST(DpiScale, MarginsScaleAsMeasuresWhileTheMiddleHasRoom) {
    struct Row {
        const char* what;
        TMargins margins;
        int width, height, dpi;
        TMargins expected;
    };
    const Row rows[] = {
        {"1.25 times: alike on both sides, the middle takes the rest",
         {3, 2, 3, 2},
         9,
         7,
         120,
         {4, 3, 4, 3}},
        {"1.5 times, odd cell", {3, 1, 2, 1}, 11, 5, 144, {5, 2, 3, 2}},
        {"1.75 times", {1, 4, 1, 4}, 3, 9, 168, {2, 7, 2, 7}},
        {"2 times", {3, 2, 5, 1}, 12, 4, 192, {6, 4, 10, 2}},
        {"no margins", {0, 0, 0, 0}, 7, 7, 144, {0, 0, 0, 0}},
        {"negative margins count as 0", {-4, -1, 2, 0}, 9, 7, 144, {0, 0, 3, 0}},
        // A 1-pixel middle at 1.5 times: 2 + 2 of 5 leaves it 1.
        {"a narrow middle keeps its pixel", {1, 1, 1, 1}, 3, 3, 144, {2, 2, 2, 2}},
        // Margins that meet: the cell in one piece, edge by edge (0, 2.5, 5 of 5 -> 0, 3, 5).
        {"margins that meet", {2, 0, 2, 0}, 4, 4, 120, {3, 0, 2, 0}},
        // Margins past the cell are cut to it first, then overlap: the whole cell either way.
        {"margins past the cell", {9, 9, 9, 9}, 4, 3, 144, {6, 5, 6, 5}},
        // 3 of 4 from each side at 1.5 times: edges 3 and 1 of 4 go to 4.5 and 1.5 of 6.
        {"overlapping margins", {3, 0, 3, 0}, 4, 2, 144, {5, 0, 4, 0}},
        // 2 + 2 of 5 at 1.25 times: 3 + 3 would fill all 6, so edges 2 and 3 go to 2.4 and 3.6.
        {"scaled margins that fill the cell", {2, 0, 2, 0}, 5, 1, 120, {2, 0, 2, 0}},
        {"an empty cell", {2, 2, 2, 2}, 0, 0, 144, {0, 0, 0, 0}},
    };
    for (const Row& row : rows) {
        const TMargins m = ScaleMargins(row.margins, row.width, row.height, row.dpi);
        EXPECT_EQ(m.Left, row.expected.Left) << row.what;
        EXPECT_EQ(m.Top, row.expected.Top) << row.what;
        EXPECT_EQ(m.Right, row.expected.Right) << row.what;
        EXPECT_EQ(m.Bottom, row.expected.Bottom) << row.what;
    }
}

} // namespace
