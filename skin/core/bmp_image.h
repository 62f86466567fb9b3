// Windows bitmap files to and from pixel images. Skin images come out of archives anyone can
// write, so every header field is checked against the bytes actually there before a pixel is read.
#pragma once

#include "pixel_image.h"

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

// Largest image the decoder builds: 16 Mi pixels, 64 MiB of 32-bit pixels, far above any skin.
inline constexpr std::int64_t kMaxBmpPixels = std::int64_t{16} << 20;

// Decodes a bitmap file: 1, 4 and 8 bits with a palette, 16 (5-5-5 or bit fields), 24 and 32
// bits (plain or bit fields), bottom-up or top-down, with a core, info or later header. nullopt
// for anything malformed, truncated, compressed with run lengths, or larger than kMaxBmpPixels.
std::optional<TPixelImage> DecodeBmp(std::span<const std::uint8_t> file);

// A 24-bit bottom-up bitmap file of `image`.
std::vector<std::uint8_t> EncodeBmp24(const TPixelImage& image);

// Decodes a bitmap as resources and the clipboard keep it: the file without its 14-byte file
// header (the pixels follow the header and the palette).
std::optional<TPixelImage> DecodeDib(std::span<const std::uint8_t> dib);
