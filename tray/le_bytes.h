// Little-endian numbers appended to a byte buffer, as icon files and stored icon lists hold
// them.
#pragma once
#include <cstdint>
#include <vector>

namespace tray {

inline void PutU16(std::vector<std::uint8_t>& out, std::uint32_t v) {
    out.push_back(static_cast<std::uint8_t>(v));
    out.push_back(static_cast<std::uint8_t>(v >> 8));
}

inline void PutU32(std::vector<std::uint8_t>& out, std::uint32_t v) {
    PutU16(out, v & 0xFFFF);
    PutU16(out, v >> 16);
}

} // namespace tray
