// Key-colour masks and the opaque runs a region is made of.
#include "skin/pictures/key_pixels.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

constexpr TPixel M = PixelFromColor(RGBColor(255, 0, 255)); // the key
constexpr TPixel N = PixelFromColor(RGBColor(255, 1, 255)); // one above it in green
constexpr TPixel O = PixelFromColor(RGBColor(20, 30, 40));  // any other colour

TEST(KeyPixels, MaskBitsAreSetWhereThePictureIsExactlyTheKey) {
    // Eleven pixels: two bytes of bits, padded to a whole DWORD.
    const std::vector<TPixel> row = {O, M, N, M, O, O, 0xFF000000 | M, M, O, M, O};
    std::vector<std::uint8_t> bits(static_cast<std::size_t>(MaskStride(11)), 0xEE);
    ASSERT_EQ(bits.size(), 4u);
    KeyMaskRow(row, kKeyColor, bits);
    // 0 1 0 1 0 0 1 1 | 0 1 0 (padding 0)
    EXPECT_EQ(bits, (std::vector<std::uint8_t>{0x53, 0x40, 0x00, 0x00}));
    EXPECT_EQ(MaskStride(32), 4);
    EXPECT_EQ(MaskStride(33), 8);
}

TEST(KeyPixels, OpaqueRuns) {
    struct Row {
        const char* what;
        std::vector<TPixel> pixels; // 4 wide
        TKeyRange key;
        std::vector<TPixelRect> expected; // at offset (10, 20)
    };
    const Row rows[] = {
        {"runs between key pixels, row by row",
         {O, O, M, O, /**/ M, M, M, M, /**/ O, O, O, O},
         kFrameRegionKey,
         {{10, 20, 12, 21}, {13, 20, 14, 21}, {10, 22, 14, 23}}},
        {"within the tolerance counts as key",
         {O, N, O, O},
         kFrameRegionKey,
         {{10, 20, 11, 21}, {12, 20, 14, 21}}},
        {"without tolerance only the key itself", {O, N, O, O}, TKeyRange{}, {{10, 20, 14, 21}}},
        {"a tolerance only reaches upwards",
         {PixelFromColor(RGBColor(254, 0, 255)), M, M, M},
         TKeyRange{kKeyColor, 5, 5, 5},
         {{10, 20, 11, 21}}},
    };
    for (const Row& r : rows) {
        TPixelImage image(4, static_cast<int>(r.pixels.size()) / 4);
        image.Pixels = r.pixels;
        EXPECT_EQ(OpaqueRuns(image, 10, 20, r.key), r.expected) << r.what;
    }
}

} // namespace
