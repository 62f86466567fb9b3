// Skin images as pixel images: bitmap files decoded by the class library's reader (which checks
// every header field against the bytes present), limited in size because skins come from
// anywhere, and the 24-bit writer skintool and the tests use.
#pragma once

#include "skin/pictures/pixel_image.h"

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

// Largest image decoded: 16 Mi pixels, 64 MiB of 32-bit pixels, far above any skin. A bitmap
// of one bit per pixel could otherwise ask for 32 times the bytes it has.
inline constexpr std::int64_t kMaxBmpPixels = std::int64_t{16} << 20;

// The number of pixels a bitmap file's header promises, read without decoding anything;
// nullopt when the header is malformed.
std::optional<std::int64_t> BmpPixels(std::span<const std::uint8_t> file);

// A bitmap file as Windows reads it (1, 4, 8, 16, 24 or 32 bits, bottom-up or top-down,
// uncompressed, bit fields or run-length, info or OS/2 core header); nullopt for anything
// malformed, truncated or larger than kMaxBmpPixels.
std::optional<TPixelImage> DecodeBmp(std::span<const std::uint8_t> file);

// The same for a bitmap as resources keep it: without the 14-byte file header.
std::optional<TPixelImage> DecodeDib(std::span<const std::uint8_t> dib);

// A 24-bit bottom-up bitmap file of `image`.
std::vector<std::uint8_t> EncodeBmp24(const TPixelImage& image);
