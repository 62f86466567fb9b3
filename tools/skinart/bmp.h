// 24-bit Windows bitmap files: the format every skin image and bitmap resource is stored in.
#pragma once

#include "image.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace skinart {

// File bytes of a 24-bit bottom-up bitmap; pixels below half opacity become the magenta key.
std::vector<std::uint8_t> encode_bmp(const Image& img);
bool write_bmp(const std::string& path, const Image& img);

// Reads an uncompressed 24- or 32-bit bitmap (either row order) as opaque pixels;
// anything else, or a truncated file, gives nothing.
std::optional<Image> decode_bmp(const std::vector<std::uint8_t>& bytes);
std::optional<Image> read_bmp(const std::string& path);

// Whole-file helpers shared by the writers.
bool write_file(const std::string& path, const std::vector<std::uint8_t>& bytes);
std::optional<std::vector<std::uint8_t>> read_file(const std::string& path);

} // namespace skinart
