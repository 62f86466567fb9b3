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
    Put32(small_header, 14, 16);
    table.push_back({"header between core and info size", small_header});
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
    table.push_back({"compression 4", Bmp(2, 2, 8, Bytes(8, 0), Bytes(8, 0), 4)});
    table.push_back({"odd depth", Bmp(2, 2, 7, {}, Bytes(16, 0))});
    table.push_back({"palette past the end", Bmp(1, 1, 8, {}, {})});
    for (const auto& c : table)
        EXPECT_THROW(DecodeBmp(c.data), EInvalidGraphic) << c.what;
}

// Run-length pictures, 4 x 3, palette: 0 grey, 1 red, 2 green, 3 blue. Rows are listed top first.
TEST(UiImageFormat, RunLengthRunsStayInsideThePicture) {
    const Bytes palette = {0x80, 0x80, 0x80, 0, 0, 0, 255, 0, 0, 255, 0, 0, 255, 0, 0, 0};
    constexpr std::uint32_t G = 0xFF808080, R = 0xFFFF0000, N = 0xFF00FF00, B = 0xFF0000FF;
    struct Case {
        const char* what;
        std::uint32_t compression;
        Bytes data;
        std::vector<std::uint32_t> pixels;
    };
    const Case cases[] = {
        {"rows filled by runs and ended",
         1,
         {4, 1, 0, 0, 2, 2, 2, 3, 0, 0, 0, 4, 1, 2, 3, 1, 0, 1},
         {R, N, B, R, N, N, B, B, R, R, R, R}},
        {"a run past the right edge is cut there",
         1,
         {9, 3, 0, 1},
         {G, G, G, G, G, G, G, G, B, B, B, B}},
        {"delta skips right and up; skipped pixels keep colour 0",
         1,
         {1, 1, 0, 2, 2, 1, 1, 2, 0, 2, 9, 9, 1, 3, 0, 1},
         {G, G, G, G, G, G, G, N, R, G, G, G}},
        {"data that ends between commands ends the picture",
         1,
         {2, 3},
         {G, G, G, G, G, G, G, G, B, B, G, G}},
        {"rows past the top are not written",
         1,
         {4, 1, 0, 0, 4, 2, 0, 0, 4, 3, 0, 0, 4, 1, 0, 0, 4, 2},
         {B, B, B, B, N, N, N, N, R, R, R, R}},
        {"stored run of odd length skips its padding byte",
         1,
         {0, 3, 1, 2, 3, 0, 1, 1},
         {G, G, G, G, G, G, G, G, R, N, B, R}},
        {"4-bit runs alternate their two indexes",
         2,
         {5, 0x12, 0, 0, 0, 3, 0x31, 0x20, 0, 1},
         {G, G, G, G, B, R, N, G, R, N, R, N}},
    };
    for (const Case& c : cases) {
        const int bits = c.compression == 1 ? 8 : 4;
        const DecodedImage img = DecodeBmp(Bmp(4, 3, bits, palette, c.data, c.compression));
        EXPECT_EQ(img.pixels, c.pixels) << c.what;
    }
    // Commands cut short, and run-length rows stored top-down.
    const Bytes broken[] = {
        Bmp(4, 3, 8, palette, {0, 3, 1, 2}, 1),    // stored run past the end
        Bmp(4, 3, 8, palette, {4, 1, 0, 2, 1}, 1), // delta without its two bytes
        Bmp(4, 3, 8, palette, {4, 1, 0}, 1),       // half a command
        Bmp(4, -3, 8, palette, {4, 1, 0, 1}, 1),   // top-down
        Bmp(4, 3, 4, palette, {4, 1, 0, 1}, 1),    // RLE8 with 4-bit indexes
    };
    for (const Bytes& b : broken)
        EXPECT_THROW(DecodeBmp(b), EInvalidGraphic);
}

TEST(UiImageFormat, CoreHeaderBitmapsAndPromisedSizes) {
    // 12-byte header: 16-bit width and height, 3-byte palette entries, rows bottom-up.
    Bytes core(26, 0);
    core[0] = 'B', core[1] = 'M';
    Put32(core, 10, 26 + 6);
    Put32(core, 14, 12);
    Put16(core, 18, 3);
    Put16(core, 20, 2);
    Put16(core, 22, 1);
    Put16(core, 24, 1);
    core.insert(core.end(), {0, 0, 255, 255, 0, 0}); // red, blue
    core.insert(core.end(), {0xA0, 0, 0, 0, 0x40, 0, 0, 0});
    const DecodedImage img = DecodeBmp(core);
    EXPECT_EQ(img.pixels, (std::vector<std::uint32_t>{0xFFFF0000, 0xFF0000FF, 0xFFFF0000,
                                                      0xFF0000FF, 0xFFFF0000, 0xFF0000FF}));
    EXPECT_EQ(ReadBmpHeader(core).Pixels(), 6);
    EXPECT_EQ(ReadBmpHeader(Bytes(core.begin() + 14, core.end()), false).width, 3);

    // A few bytes may promise a large run-length picture; above the limit it is refused before
    // anything is allocated.
    EXPECT_EQ(ReadBmpHeader(Bmp(8192, 8192, 8, Bytes(4, 0), {0, 1}, 1)).Pixels(), 8192 * 8192);
    EXPECT_THROW(ReadBmpHeader(Bmp(16384, 8192, 8, Bytes(4, 0), {0, 1}, 1)), EInvalidGraphic);
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
