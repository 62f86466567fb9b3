// The nine-grid composed on pixel images: pieces copied with the stretch rule, a tiled middle.
#include "skin/pictures/pixel_draw.h"
#include "tests/host/numbered_image.h"

#include <gtest/gtest.h>

namespace {

TEST(PixelDraw, NineGridWithATiledMiddle) {
    // Frame 2 of two 4 x 4 frames, margins 1, into 5 x 5: the edges stretched 2 -> 3, the 2 x 2
    // middle repeated from its corner and cut at the edges.
    const TPixelImage strip = Numbered(8, 4);
    const TPixelImage out = RenderNineGrid(5, 5, strip, {1, 1, 1, 1}, false, true, 2, 2);
    const int from[5][5][2] = {
        {{0, 0}, {1, 0}, {1, 0}, {2, 0}, {3, 0}}, {{0, 1}, {1, 1}, {2, 1}, {1, 1}, {3, 1}},
        {{0, 1}, {1, 2}, {2, 2}, {1, 2}, {3, 1}}, {{0, 2}, {1, 1}, {2, 1}, {1, 1}, {3, 2}},
        {{0, 3}, {1, 3}, {1, 3}, {2, 3}, {3, 3}},
    };
    for (int y = 0; y < 5; ++y) {
        for (int x = 0; x < 5; ++x) {
            EXPECT_EQ(out.At(x, y), From(4 + from[y][x][0], from[y][x][1]))
                << "(" << x << ", " << y << ")";
        }
    }
}

TEST(PixelDraw, StretchCopyLeavesOutWhatLiesOutsideEitherImage) {
    const TPixelImage source = Numbered(4, 1);
    TPixelImage target(3, 1, 0xEEEEEE);
    // A source rectangle reaching one pixel past the picture on each side, onto a target
    // rectangle that starts left of the image: 6 -> 6, one to one.
    StretchCopy(target, {-2, 0, 4, 1}, source, {-1, 0, 5, 1});
    EXPECT_EQ(target.Pixels, (std::vector<TPixel>{1, 2, 3}));
}

} // namespace
