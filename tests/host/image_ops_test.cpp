// Image operations checked pixel by pixel on small images.
#include "skin/pictures/image_ops.h"
#include "tests/host/numbered_image.h"

#include <gtest/gtest.h>

namespace {

TEST(ImageOps, MirrorAndFlip) {
    const TPixelImage image = Numbered(3, 2);
    const TPixelImage mirrored = MirrorHorizontal(image);
    const TPixelImage flipped = FlipVertical(image);
    for (int y = 0; y < 2; ++y) {
        for (int x = 0; x < 3; ++x) {
            EXPECT_EQ(mirrored.At(x, y), From(2 - x, y));
            EXPECT_EQ(flipped.At(x, y), From(x, 1 - y));
        }
    }
}

TEST(ImageOps, QuarterTurns) {
    const int w = 3, h = 2;
    const TPixelImage image = Numbered(w, h);
    const TPixelImage left = RotateLeft(image);
    const TPixelImage right = RotateRight(image);
    ASSERT_EQ(left.Width, h);
    ASSERT_EQ(left.Height, w);
    ASSERT_EQ(right.Width, h);
    ASSERT_EQ(right.Height, w);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            EXPECT_EQ(left.At(y, w - 1 - x), From(x, y));
            EXPECT_EQ(right.At(h - 1 - y, x), From(x, y));
        }
    }
    // Counter-clockwise: the top-right corner comes to the top left.
    EXPECT_EQ(left.At(0, 0), From(w - 1, 0));
    EXPECT_EQ(RotateRight(left), image);
    EXPECT_EQ(RotateLeft(RotateLeft(image)), FlipVertical(MirrorHorizontal(image)));
}

TEST(ImageOps, ReplaceKeyColorOnlyExactMagenta) {
    TPixelImage image(4, 1);
    image.At(0, 0) = PixelFromColor(RGBColor(255, 0, 255));
    image.At(1, 0) = PixelFromColor(RGBColor(254, 0, 255));
    image.At(2, 0) = 0xAA000000 | PixelFromColor(RGBColor(255, 0, 255)); // unused top byte
    image.At(3, 0) = PixelFromColor(RGBColor(255, 1, 255));
    ReplaceKeyColor(image, RGBColor(1, 2, 3));
    EXPECT_EQ(image.At(0, 0), PixelFromColor(RGBColor(1, 2, 3)));
    EXPECT_EQ(image.At(1, 0), PixelFromColor(RGBColor(254, 0, 255)));
    EXPECT_EQ(image.At(2, 0), 0xAA000000 | PixelFromColor(RGBColor(1, 2, 3)));
    EXPECT_EQ(image.At(3, 0), PixelFromColor(RGBColor(255, 1, 255)));
}

TEST(ImageOps, PixelLayoutIsBlueGreenRed) {
    EXPECT_EQ(PixelFromColor(RGBColor(0x11, 0x22, 0x33)), 0x112233u);
    EXPECT_EQ(ColorFromPixel(0x112233), RGBColor(0x11, 0x22, 0x33));
    EXPECT_TRUE(TPixelImage(-3, 2).Pixels.empty());
}

TEST(GradientLineRange, OnlyLinesInsideTheClip) {
    struct Row {
        TPixelRect rect;
        bool vertical;
        TPixelRect clip;
        std::optional<GradientLines> expected;
    };
    const Row rows[] = {
        {{0, 0, 4, 10}, true, {0, 0, 100, 100}, GradientLines{10, 0, 9}},
        {{0, 0, 4, 10}, true, {0, 3, 100, 5}, GradientLines{10, 3, 4}},
        {{2, 5, 8, 9}, false, {4, 0, 100, 100}, GradientLines{6, 2, 5}},
        {{0, 0, 4, 10}, true, {5, 0, 9, 9}, std::nullopt},    // not visible
        {{0, 0, 4, 0}, true, {0, 0, 100, 100}, std::nullopt}, // empty
        {{4, 0, 0, 10}, false, {0, 0, 100, 100}, std::nullopt},
    };
    for (const Row& row : rows)
        EXPECT_EQ(GradientLineRange(row.rect, row.vertical, row.clip), row.expected);
}

TEST(GradientFill, PaintsOneRampColourPerLineInsideTheClip) {
    constexpr TPixel kUntouched = 0x123456;
    TPixelImage image(3, 5, kUntouched);
    // Black to red over four rows: 0, 85, 170, 255; the clip hides the first row and column.
    GradientFill(image, {0, 1, 3, 5}, RGBColor(0, 0, 0), true, RGBColor(255, 0, 0), {1, 2, 3, 5});
    for (int x = 0; x < 3; ++x) {
        EXPECT_EQ(image.At(x, 0), kUntouched);
        EXPECT_EQ(image.At(x, 1), kUntouched);
    }
    const int red[] = {0, 0, 85, 170, 255};
    for (int y = 2; y < 5; ++y) {
        EXPECT_EQ(image.At(0, y), kUntouched);
        for (int x = 1; x < 3; ++x)
            EXPECT_EQ(image.At(x, y), PixelFromColor(RGBColor(red[y], 0, 0)));
    }

    TPixelImage columns(4, 1, kUntouched);
    GradientFill(columns, {0, 0, 4, 1}, RGBColor(0, 0, 30), false, RGBColor(0, 0, 0),
                 {0, 0, 100, 100});
    const int blue[] = {30, 21, 11, 1}; // falling: one step short of the target
    for (int x = 0; x < 4; ++x)
        EXPECT_EQ(columns.At(x, 0), PixelFromColor(RGBColor(0, 0, blue[x])));
}

} // namespace
