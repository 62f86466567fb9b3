// Skin pictures scaled to a display density: whole factors by blocks, others smoothed, cells,
// margins and key colours kept where the measures say.
#include "skin/pictures/picture_scale.h"

#include "numbered_image.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

constexpr TPixel M = PixelFromColor(kKeyColor);             // the key
constexpr TPixel N = PixelFromColor(RGBColor(255, 1, 255)); // the region's key, not the mask's
constexpr TPixel P = PixelFromColor(RGBColor(255, 2, 255)); // beside the key: a colour
constexpr TPixel Q = PixelFromColor(RGBColor(255, 0, 254)); // beside the key: a colour

TEST(PictureScale, WholeFactorsMakeBlocksOfEveryCell) {
    // Three 3 x 2 frames side by side and a column past the last one; then stacked.
    const TPixelImage strip = Numbered(10, 2);
    for (const int factor : {1, 2, 3}) {
        const TPixelImage scaled = ScalePicture(strip, {3, false, {1, 1, 1, 1}}, 96 * factor);
        ASSERT_EQ(scaled.Width, 9 * factor);
        ASSERT_EQ(scaled.Height, 2 * factor);
        for (int y = 0; y < scaled.Height; ++y)
            for (int x = 0; x < scaled.Width; ++x)
                ASSERT_EQ(scaled.At(x, y), From(x / factor, y / factor)) << factor << ": " << x;
    }
    const TPixelImage column = Numbered(2, 7);
    const TPixelImage scaled = ScalePicture(column, {2, true, {}}, 192);
    ASSERT_EQ(scaled.Width, 4);
    ASSERT_EQ(scaled.Height, 12);
    EXPECT_EQ(scaled.At(3, 11), From(1, 5));
    EXPECT_EQ(scaled.At(0, 6), From(0, 3));
}

TEST(PictureScale, KeyPixelsStayExactlyWhereTheirNearestPixelIs) {
    // Seven columns and rows: the key at 2, the region's key at 5, elsewhere two colours beside
    // the key that a plain mean of both would turn into the region's key. A pixel is the key
    // where its column or its row is, else the region's key likewise, else a colour.
    const std::string pattern = "pqMqpNp";
    auto pixel = [](char column, char row, int x, int y) {
        if (column == 'M' || row == 'M') return M;
        if (column == 'N' || row == 'N') return N;
        return (x + y) % 2 ? P : Q;
    };
    TPixelImage picture(7, 7);
    for (int y = 0; y < 7; ++y)
        for (int x = 0; x < 7; ++x)
            picture.At(x, y) = pixel(pattern[x], pattern[y], x, y);
    struct Row {
        int dpi;
        // Each destination column's (and row's) source: 7 pixels scaled to 9, 11 and 12, the
        // source edges at 9/7, 11/7 and 12/7 of their place, rounded.
        std::vector<int> nearest;
    };
    const Row rows[] = {
        {120, {0, 1, 1, 2, 3, 4, 5, 5, 6}},          // edges 0 1 3 4 5 6 8 9
        {144, {0, 0, 1, 2, 2, 3, 4, 4, 5, 6, 6}},    // edges 0 2 3 5 6 8 9 11
        {168, {0, 0, 1, 2, 2, 3, 3, 4, 4, 5, 6, 6}}, // edges 0 2 3 5 7 9 10 12
    };
    for (const Row& row : rows) {
        const TPixelImage scaled = ScalePicture(picture, {}, row.dpi);
        const int size = static_cast<int>(row.nearest.size());
        ASSERT_EQ(scaled.Width, size);
        ASSERT_EQ(scaled.Height, size);
        for (int y = 0; y < size; ++y) {
            for (int x = 0; x < size; ++x) {
                const TPixel expected =
                    pixel(pattern[row.nearest[x]], pattern[row.nearest[y]], 0, 0);
                const TPixel got = scaled.At(x, y);
                if (expected == M || expected == N)
                    EXPECT_EQ(got, expected) << row.dpi << ": " << x << ", " << y;
                else
                    EXPECT_FALSE(kFrameRegionKey.Contains(got))
                        << row.dpi << ": " << x << ", " << y;
            }
        }
    }
}

TEST(PictureScale, OtherFactorsSmoothWithinTheCell) {
    constexpr TPixel Black = 0, White = 0xFFFFFF, Grey = 0x808080;
    struct Row {
        const char* what;
        std::vector<TPixel> pixels;
        int dpi, fromDpi;
        std::vector<TPixel> expected;
    };
    const Row rows[] = {
        {"enlarged 1.5 times", {Black, White}, 144, 96, {Black, Grey, White}},
        {"a 2x picture at 1.5 times", {Black, Black, White, White}, 144, 192, {Black, Grey, White}},
        {"key pixels take no part", {Black, M, White}, 144, 96, {Black, Black, M, White, White}},
    };
    for (const Row& row : rows) {
        TPixelImage line(static_cast<int>(row.pixels.size()), 1);
        line.Pixels = row.pixels;
        const TPixelImage scaled = ScalePicture(line, {}, row.dpi, row.fromDpi);
        ASSERT_EQ(scaled.Width, static_cast<int>(row.expected.size())) << row.what;
        for (int y = 0; y < scaled.Height; ++y) {
            const auto from = scaled.Pixels.begin() + y * scaled.Width;
            EXPECT_EQ(std::vector<TPixel>(from, from + scaled.Width), row.expected) << row.what;
        }
    }
}

TEST(PictureScale, CornersEdgesAndFramesNeverBleedIntoEachOther) {
    // Two 7 x 6 frames with margins 2, 1, 3, 2; each of the nine parts of each frame a colour of
    // its own. Scaled, every pixel is its part's colour, the parts where ScaleMargins puts them.
    const TMargins margins{2, 1, 3, 2};
    auto part = [](int at, int nearEdge, int farEdge) {
        return at < nearEdge ? 0 : at < farEdge ? 1 : 2;
    };
    auto colour = [](int frame, int column, int row) {
        return static_cast<TPixel>(0x200000 * frame + 0x1C00 * (3 * row + column) + 0x1C);
    };
    TPixelImage strip(14, 6);
    for (int y = 0; y < 6; ++y)
        for (int x = 0; x < 14; ++x)
            strip.At(x, y) = colour(x / 7, part(x % 7, 2, 4), part(y, 1, 4));
    for (const int dpi : {120, 144, 168, 192}) {
        const TPixelImage scaled = ScalePicture(strip, {2, false, margins}, dpi);
        const int w = ScaleMeasure(7, dpi), h = ScaleMeasure(6, dpi);
        ASSERT_EQ(scaled.Width, 2 * w);
        ASSERT_EQ(scaled.Height, h);
        const TMargins m = ScaleMargins(margins, 7, 6, dpi);
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < 2 * w; ++x)
                ASSERT_EQ(scaled.At(x, y), colour(x / w, part(x % w, m.Left, w - m.Right),
                                                  part(y, m.Top, h - m.Bottom)))
                    << dpi << ": " << x << ", " << y;
    }
}

TEST(PictureScale, NothingToScale) {
    EXPECT_TRUE(ScalePicture(TPixelImage{}, {}, 144).Empty());
    // More frames than columns: every cell is empty, as it is unscaled.
    EXPECT_TRUE(ScalePicture(Numbered(3, 4), {4, false, {}}, 144).Empty());
    // No density: the cells as they are.
    EXPECT_EQ(ScalePicture(Numbered(4, 3), {2, false, {}}, 0), Numbered(4, 3));
}

} // namespace
