// The bitmap decoder: every pixel format a skin image may come in, and damaged headers.
#include "skin/model/bmp_image.h"
#include "ui/le_bytes.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <span>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;

// A file with an info header: `palette` entries as 0x00RRGGBB, then `rows` as stored.
Bytes InfoBmp(std::int32_t w, std::int32_t h, int bits, const std::vector<std::uint32_t>& palette,
              const Bytes& rows, std::uint32_t compression = 0,
              const std::vector<std::uint32_t>& masks = {}) {
    Bytes b = {'B', 'M'};
    const std::uint32_t off =
        14 + 40 + 4 * static_cast<std::uint32_t>(masks.size() + palette.size());
    ui::PutU32(b, off + static_cast<std::uint32_t>(rows.size()));
    ui::PutU32(b, 0);
    ui::PutU32(b, off);
    ui::PutU32(b, 40);
    ui::PutU32(b, static_cast<std::uint32_t>(w));
    ui::PutU32(b, static_cast<std::uint32_t>(h));
    ui::PutU16(b, 1);
    ui::PutU16(b, static_cast<std::uint32_t>(bits));
    ui::PutU32(b, compression);
    ui::PutU32(b, static_cast<std::uint32_t>(rows.size()));
    ui::PutU32(b, 0);
    ui::PutU32(b, 0);
    ui::PutU32(b, static_cast<std::uint32_t>(palette.size()));
    ui::PutU32(b, 0);
    for (std::uint32_t m : masks)
        ui::PutU32(b, m);
    for (std::uint32_t p : palette)
        ui::PutU32(b, p);
    b.insert(b.end(), rows.begin(), rows.end());
    return b;
}

// A file with the 12-byte OS/2 core header: 16-bit sizes, 3-byte palette entries.
Bytes CoreBmp(std::uint16_t w, std::uint16_t h, int bits, const std::vector<std::uint32_t>& palette,
              const Bytes& rows) {
    Bytes b = {'B', 'M'};
    const auto off = static_cast<std::uint32_t>(14 + 12 + 3 * palette.size());
    ui::PutU32(b, off + static_cast<std::uint32_t>(rows.size()));
    ui::PutU32(b, 0);
    ui::PutU32(b, off);
    ui::PutU32(b, 12);
    ui::PutU16(b, w);
    ui::PutU16(b, h);
    ui::PutU16(b, 1);
    ui::PutU16(b, static_cast<std::uint32_t>(bits));
    for (std::uint32_t p : palette) {
        ui::PutU16(b, p & 0xFFFF);
        b.push_back(static_cast<std::uint8_t>(p >> 16));
    }
    b.insert(b.end(), rows.begin(), rows.end());
    return b;
}

constexpr TPixel kRed = 0xFF0000, kGreen = 0x00FF00, kBlue = 0x0000FF, kWhite = 0xFFFFFF;

struct FormatCase {
    const char* name;
    Bytes file;
    // Expected pixels, top row first, 2 x 2.
    std::vector<TPixel> pixels;
};

class BmpFormats : public testing::TestWithParam<FormatCase> {};

TEST_P(BmpFormats, DecodesToTopFirstPixels) {
    const auto image = DecodeBmp(GetParam().file);
    ASSERT_TRUE(image);
    ASSERT_EQ(image->Width, 2);
    ASSERT_EQ(image->Height, 2);
    EXPECT_EQ(image->Pixels, GetParam().pixels);
    // The same bitmap as a resource holds it, without the file header.
    EXPECT_EQ(DecodeDib(std::span(GetParam().file).subspan(14)), image);
}

INSTANTIATE_TEST_SUITE_P(
    Formats, BmpFormats,
    testing::Values(
        // Bottom-up: the first stored row is the bottom one. Rows padded to 4 bytes.
        FormatCase{"bits1",
                   InfoBmp(2, 2, 1, {kRed, kBlue}, {0x80, 0, 0, 0, 0x40, 0, 0, 0}),
                   {kRed, kBlue, kBlue, kRed}},
        FormatCase{"bits4",
                   InfoBmp(2, 2, 4, {kRed, kGreen, kBlue}, {0x01, 0, 0, 0, 0x22, 0, 0, 0}),
                   {kBlue, kBlue, kRed, kGreen}},
        FormatCase{"bits8",
                   InfoBmp(2, 2, 8, {kRed, kGreen, kBlue}, {2, 1, 0, 0, 0, 2, 0, 0}),
                   {kRed, kBlue, kBlue, kGreen}},
        // An index past the palette is black.
        FormatCase{"bits8_short_palette",
                   InfoBmp(2, 2, 8, {kRed}, {0, 9, 0, 0, 0, 0, 0, 0}),
                   {kRed, kRed, kRed, 0}},
        FormatCase{"bits24_top_down",
                   InfoBmp(2, -2, 24, {},
                           {0, 0, 0xFF, 0xFF, 0, 0, 0, 0, 0, 0xFF, 0, 0xFF, 0xFF, 0xFF, 0, 0}),
                   {kRed, kBlue, kGreen, kWhite}},
        FormatCase{"bits32",
                   InfoBmp(2, 2, 32, {},
                           {0xFF, 0, 0, 0x80, 0, 0xFF, 0, 0, 0, 0, 0xFF, 0, 0xFF, 0xFF, 0xFF, 0}),
                   {kRed, kWhite, kBlue, kGreen}},
        FormatCase{"bits16_555",
                   InfoBmp(2, 2, 16, {}, {0x00, 0x7C, 0xE0, 0x03, 0x1F, 0, 0xFF, 0x7F}),
                   {kBlue, kWhite, kRed, kGreen}},
        FormatCase{"bits16_565_fields",
                   InfoBmp(2, 2, 16, {}, {0x00, 0xF8, 0xE0, 0x07, 0x1F, 0, 0xFF, 0xFF}, 3,
                           {0xF800, 0x07E0, 0x001F}),
                   {kBlue, kWhite, kRed, kGreen}},
        // Run-length: bottom row blue and green, end of line; top row two reds, end of picture.
        FormatCase{"rle8",
                   InfoBmp(2, 2, 8, {kRed, kGreen, kBlue}, {1, 2, 1, 1, 0, 0, 2, 0, 0, 1}, 1),
                   {kRed, kRed, kBlue, kGreen}},
        // One run of two nibbles; then three stored nibbles, the third past the right edge.
        FormatCase{
            "rle4",
            InfoBmp(2, 2, 4, {kRed, kGreen, kBlue}, {2, 0x21, 0, 0, 0, 3, 0x01, 0x20, 0, 1}, 2),
            {kRed, kGreen, kBlue, kGreen}},
        FormatCase{"core_bits1",
                   CoreBmp(2, 2, 1, {kRed, kBlue}, {0x80, 0, 0, 0, 0x40, 0, 0, 0}),
                   {kRed, kBlue, kBlue, kRed}},
        FormatCase{"core_bits24",
                   CoreBmp(2, 2, 24, {},
                           {0, 0xFF, 0, 0xFF, 0xFF, 0xFF, 0, 0, 0, 0, 0xFF, 0xFF, 0, 0, 0, 0}),
                   {kRed, kBlue, kGreen, kWhite}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(BmpImage, EncodedImageDecodesToTheSamePixels) {
    TPixelImage image(3, 2);
    for (std::size_t i = 0; i < image.Pixels.size(); ++i) {
        image.Pixels[i] = static_cast<TPixel>(0x102030 * (i + 1)) & 0xFFFFFF;
    }
    EXPECT_EQ(DecodeBmp(EncodeBmp24(image)), image);
}

TEST(BmpImage, RejectsDamagedOrUnsupportedFiles) {
    const Bytes good = InfoBmp(2, 2, 24, {}, Bytes(16, 0));
    ASSERT_TRUE(DecodeBmp(good));
    const auto with = [&](std::size_t at, std::uint32_t v) {
        Bytes b = good;
        for (int i = 0; i < 4; ++i)
            b[at + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(v >> (8 * i));
        return b;
    };
    const struct {
        const char* what;
        Bytes file;
    } cases[] = {
        {"empty", {}},
        {"magic", with(0, 0x0000'4D42 ^ 0x20)},
        {"truncated pixels", Bytes(good.begin(), good.end() - 1)},
        {"pixels past the end", with(10, 60)},
        {"header size past the end", with(14, 4000)},
        {"zero width", with(18, 0)},
        {"negative width", with(18, 0xFFFFFFFE)},
        {"zero height", with(22, 0)},
        {"too many pixels", with(18, 0x01000000)},
        {"most negative height", with(22, 0x80000000)},
        {"run-length top-down", InfoBmp(2, -2, 8, {kRed}, {2, 0, 0, 1}, 1)},
        {"run-length cut short", InfoBmp(2, 2, 8, {kRed}, {0, 4, 0, 0}, 1)},
        {"run-length of 8-bit indexes in 4 bits", InfoBmp(2, 2, 4, {kRed}, {2, 0, 0, 1}, 1)},
        {"bits per pixel", InfoBmp(2, 2, 7, {}, Bytes(8, 0))},
    };
    for (const auto& c : cases)
        EXPECT_FALSE(DecodeBmp(c.file)) << c.what;
}

} // namespace
