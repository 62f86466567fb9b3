// BMP decoding and icon directories: pictures come from skin files and descriptions, so
// every malformed header must be refused without reading outside the buffer.
#include "ui/image_format.h"

#include <gtest/gtest.h>

#include <array>
#include <climits>
#include <cstdint>
#include <vector>

namespace {

using namespace ui;
using Bytes = std::vector<std::uint8_t>;

void Put16(Bytes& b, std::size_t at, std::uint32_t v) {
    b[at] = static_cast<std::uint8_t>(v);
    b[at + 1] = static_cast<std::uint8_t>(v >> 8);
}
void Put32(Bytes& b, std::size_t at, std::uint32_t v) {
    for (int i = 0; i < 4; ++i)
        b[at + i] = static_cast<std::uint8_t>(v >> (8 * i));
}

// A BMP file of the given shape; rows as stored (bottom row first unless height < 0).
Bytes Bmp(int width, int height, int bits, const Bytes& palette_bgrx, const Bytes& rows,
          std::uint32_t compression = 0) {
    Bytes b(54, 0);
    b[0] = 'B', b[1] = 'M';
    Put32(b, 10, static_cast<std::uint32_t>(54 + palette_bgrx.size()));
    Put32(b, 14, 40);
    Put32(b, 18, static_cast<std::uint32_t>(width));
    Put32(b, 22, static_cast<std::uint32_t>(height));
    Put16(b, 26, 1);
    Put16(b, 28, static_cast<std::uint32_t>(bits));
    Put32(b, 30, compression);
    Put32(b, 46, static_cast<std::uint32_t>(palette_bgrx.size() / 4));
    b.insert(b.end(), palette_bgrx.begin(), palette_bgrx.end());
    b.insert(b.end(), rows.begin(), rows.end());
    Put32(b, 2, static_cast<std::uint32_t>(b.size()));
    return b;
}

TEST(UiImageFormat, DecodesTheDepthsSkinsUse) {
    // 24 bits, 2 x 2, bottom-up: stored rows are bottom then top, each padded to 8 bytes.
    const Bytes rgb = Bmp(2, 2, 24, {},
                          {0, 0, 255, 0, 255, 0, 0, 0,     // bottom: red, green
                           255, 0, 0, 255, 0, 255, 0, 0}); // top: blue, magenta
    auto img = DecodeBmp(rgb);
    EXPECT_EQ(img.width, 2);
    EXPECT_EQ(img.height, 2);
    EXPECT_EQ(img.pixels,
              (std::vector<std::uint32_t>{0xFF0000FF, 0xFFFF00FF, 0xFFFF0000, 0xFF00FF00}));
    // 8 bits with a two-colour palette, top-down.
    const Bytes pal = Bmp(3, -1, 8, {0, 0, 0, 0, 255, 0, 255, 0}, {1, 0, 1, 0});
    img = DecodeBmp(pal);
    EXPECT_EQ(img.pixels, (std::vector<std::uint32_t>{0xFFFF00FF, 0xFF000000, 0xFFFF00FF}));
    // 1 bit.
    const Bytes mono = Bmp(9, 1, 1, {0, 0, 0, 0, 255, 255, 255, 0}, {0x80, 0x80, 0, 0});
    img = DecodeBmp(mono);
    EXPECT_EQ(img.pixels[0], 0xFFFFFFFFu);
    EXPECT_EQ(img.pixels[1], 0xFF000000u);
    EXPECT_EQ(img.pixels[8], 0xFFFFFFFFu);
    // 32 bits keeps alpha.
    img = DecodeBmp(Bmp(1, 1, 32, {}, {1, 2, 3, 4}));
    EXPECT_EQ(img.pixels[0], 0x04030201u);
    EXPECT_EQ(img.source_bits, 32);
}

TEST(UiImageFormat, RefusesMalformedBitmaps) {
    const Bytes good = Bmp(2, 2, 24, {}, Bytes(16, 0));
    struct Case {
        const char* what;
        Bytes data;
    };
    std::vector<Case> table;
    table.push_back({"empty", {}});
    table.push_back({"header only", Bytes(good.begin(), good.begin() + 14)});
    auto bad_magic = good;
    bad_magic[0] = 'X';
    table.push_back({"magic", bad_magic});
    auto small_header = good;
    Put32(small_header, 14, 12);
    table.push_back({"core header", small_header});
    auto huge_header = good;
    Put32(huge_header, 14, 0xFFFFFFF0);
    table.push_back({"header size past the end", huge_header});
    table.push_back({"zero width", Bmp(0, 2, 24, {}, Bytes(16, 0))});
    table.push_back({"zero height", Bmp(2, 0, 24, {}, Bytes(16, 0))});
    table.push_back({"enormous", Bmp(1 << 20, 1 << 20, 24, {}, Bytes(16, 0))});
    table.push_back({"lowest height", Bmp(2, INT32_MIN, 24, {}, Bytes(16, 0))});
    table.push_back({"truncated rows", Bmp(2, 2, 24, {}, Bytes(15, 0))});
    auto far_pixels = good;
    Put32(far_pixels, 10, 0xFFFFFF00);
    table.push_back({"pixel offset past the end", far_pixels});
    table.push_back({"run-length", Bmp(2, 2, 8, Bytes(8, 0), Bytes(8, 0), 1)});
    table.push_back({"odd depth", Bmp(2, 2, 7, {}, Bytes(16, 0))});
    table.push_back({"palette past the end", Bmp(1, 1, 8, {}, {})});
    for (const auto& c : table)
        EXPECT_THROW(DecodeBmp(c.data), EInvalidGraphic) << c.what;
}

TEST(UiImageFormat, PaletteIndexesBeyondTheStoredColoursReadBlack) {
    // Two stored colours, pixel index 200: must not read past the table.
    const auto img = DecodeBmp(Bmp(1, 1, 8, {0, 0, 255, 0, 0, 255, 0, 0}, {200, 0, 0, 0}));
    EXPECT_EQ(img.pixels[0], 0xFF000000u);
}

Bytes Ico(const std::vector<std::array<int, 3>>& sizes_bits) {
    Bytes b(6 + 16 * sizes_bits.size(), 0);
    Put16(b, 2, 1);
    Put16(b, 4, static_cast<std::uint32_t>(sizes_bits.size()));
    for (std::size_t i = 0; i < sizes_bits.size(); ++i) {
        const std::size_t at = 6 + 16 * i;
        b[at] = static_cast<std::uint8_t>(sizes_bits[i][0] & 0xFF);
        b[at + 1] = static_cast<std::uint8_t>(sizes_bits[i][1] & 0xFF);
        Put16(b, at + 6, static_cast<std::uint32_t>(sizes_bits[i][2]));
        Put32(b, at + 8, 40);
        Put32(b, at + 12, static_cast<std::uint32_t>(b.size()));
        b.resize(b.size() + 40, 0);
    }
    return b;
}

TEST(UiImageFormat, IconDirectoryAndSizeChoice) {
    const auto entries = ReadIcoDirectory(
        Ico({{16, 16, 4}, {16, 16, 32}, {32, 32, 32}, {48, 48, 8}, {256, 256, 32}}));
    ASSERT_EQ(entries.size(), 5u);
    EXPECT_EQ(entries[4].width, 256); // 0 in the directory means 256
    struct Want {
        int w, h, index;
    };
    for (const auto& want :
         {Want{16, 16, 1}, Want{32, 32, 2}, Want{24, 24, 2}, Want{64, 64, 4}, Want{512, 512, 4}})
        EXPECT_EQ(ChooseIcoEntry(entries, want.w, want.h), want.index) << want.w;

    auto truncated = Ico({{16, 16, 32}});
    truncated.resize(truncated.size() - 1);
    EXPECT_THROW(ReadIcoDirectory(truncated), EInvalidGraphic);
    EXPECT_THROW(ReadIcoDirectory(Bytes{0, 0, 1, 0, 0, 0}), EInvalidGraphic); // no images
    EXPECT_THROW(ReadIcoDirectory(Bytes{0, 0, 2, 0, 1, 0}), EInvalidGraphic); // a cursor
}

} // namespace
