// Icon files: several square 32-bit images with alpha and an AND mask in one file.
#pragma once

#include "tools/skinart/image.h"

#include <cstdint>
#include <string>
#include <vector>

namespace skinart {

// One directory entry and one image per picture, in the given order. Each picture keeps its
// alpha in the 32-bit colour data; the AND mask marks the pixels below half opacity for
// readers that ignore alpha. Pictures must be square, 1..256 pixels.
std::vector<std::uint8_t> encode_ico(const std::vector<Image>& images);
bool write_ico(const std::string& path, const std::vector<Image>& images);

} // namespace skinart
