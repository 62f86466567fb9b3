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

// Largest picture decoded, whatever its format: 64 Mi pixels (256 MiB decoded). Run-length
// bitmaps promise any size in a few bytes, so the header alone must not decide the allocation.
inline constexpr std::int64_t kMaxDecodedPixels = std::int64_t{64} << 20;

// What a bitmap's header promises, read and checked before any pixel is, so that a caller can
// refuse a picture before paying for it.
struct BmpHeader {
    int width = 0;
    int height = 0; // rows, whichever way they are stored
    int bits = 0;
    std::int64_t Pixels() const { return std::int64_t{width} * height; }
};

// The header of a BMP file (with its BITMAPFILEHEADER) or of a packed DIB when `file_header` is
// false; EInvalidGraphic for one DecodeBmp would refuse on its header alone.
BmpHeader ReadBmpHeader(std::span<const std::uint8_t> data, bool file_header = true);

// A BMP file or a packed DIB, as Windows' own loader reads them: the 40-byte (or longer) info
// header and the 12-byte OS/2 core header; uncompressed 1, 4, 8, 16, 24 and 32 bits per pixel,
// BI_BITFIELDS for 16 and 32, run-length BI_RLE8 and BI_RLE4. Pixels that no run reaches take
// palette colour 0, as in a bitmap that starts out zeroed; runs past the right edge are clipped.
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
