// The stored form of an icon list (the binary "Icons" property of a description): a 32-bit
// count, then for each icon a 32-bit byte size and that many bytes of an icon file; size 0
// stands for an empty slot. Little-endian throughout.
#pragma once
#include <cstdint>
#include <span>
#include <stdexcept>
#include <vector>

namespace tray {

struct EIconListFormat : std::runtime_error {
    using std::runtime_error::runtime_error;
};

using IconBytes = std::vector<std::uint8_t>; // empty: an empty slot

std::vector<std::uint8_t> EncodeIconList(const std::vector<IconBytes>& icons);

// Descriptions are outside data: every count and size is checked against what is there, and
// a stream that ends early gives EIconListFormat (bytes after the last icon are not read).
std::vector<IconBytes> DecodeIconList(std::span<const std::uint8_t> data);

} // namespace tray
