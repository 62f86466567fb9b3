// Generated pictures as 24-bit Windows bitmap files, the format every skin image and bitmap
// resource is stored in, through the skin engine's bitmap reader and writer.
#pragma once

#include "tools/skinart/image.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace skinart {

// File bytes of a 24-bit bottom-up bitmap; pixels below half opacity become the magenta key.
std::vector<std::uint8_t> encode_bmp(const Image& img);
bool write_bmp(const std::string& path, const Image& img);

// A bitmap file as opaque pixels; nothing for a file the skin engine would not read either.
std::optional<Image> read_bmp(const std::string& path);

// Whole-file helpers shared by the writers.
bool write_file(const std::string& path, const std::vector<std::uint8_t>& bytes);
std::optional<std::vector<std::uint8_t>> read_file(const std::string& path);

} // namespace skinart
