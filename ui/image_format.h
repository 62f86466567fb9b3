// Reading BMP and ICO byte buffers. They come from skin files and descriptions, so every
// size and offset is checked before use; a malformed buffer gives EInvalidGraphic.
#pragma once
#include <cstdint>
#include <span>
#include <stdexcept>
#include <vector>

namespace ui {

struct EInvalidGraphic : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// A decoded picture: rows from the top, pixels as 0xAARRGGBB (alpha 0xFF unless the source
// had 32 bits per pixel).
struct DecodedImage {
    int width = 0;
    int height = 0;
    int source_bits = 0;
    std::vector<std::uint32_t> pixels;
};

// A BMP file (with its BITMAPFILEHEADER) or a packed DIB when `file_header` is false.
// Uncompressed 1, 4, 8, 16, 24 and 32 bits per pixel; BI_BITFIELDS for 16 and 32.
DecodedImage DecodeBmp(std::span<const std::uint8_t> data, bool file_header = true);

struct IcoEntry {
    int width = 0;
    int height = 0;
    int bit_count = 0;
    std::uint32_t offset = 0;
    std::uint32_t size = 0;
};

// The directory of an .ico buffer; every entry's bytes lie inside the buffer.
std::vector<IcoEntry> ReadIcoDirectory(std::span<const std::uint8_t> data);

// The entry to use for a wanted size: an exact size match with the most colours, else the
// smallest entry larger than the wanted size, else the largest. -1 when there is none.
int ChooseIcoEntry(const std::vector<IcoEntry>& entries, int width, int height);

} // namespace ui
