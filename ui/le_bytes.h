// Little-endian 16- and 32-bit numbers in byte buffers, as bitmap, icon, skin archive and stored
// icon list files hold them.
#pragma once
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace ui {

inline void PutU16(std::vector<std::uint8_t>& out, std::uint32_t v) {
    out.push_back(static_cast<std::uint8_t>(v));
    out.push_back(static_cast<std::uint8_t>(v >> 8));
}

inline void PutU32(std::vector<std::uint8_t>& out, std::uint32_t v) {
    PutU16(out, v & 0xFFFF);
    PutU16(out, v >> 16);
}

// The caller has checked that the bytes at `at` are there.
inline std::uint32_t GetU16(std::span<const std::uint8_t> in, std::size_t at) {
    return static_cast<std::uint32_t>(in[at]) | static_cast<std::uint32_t>(in[at + 1]) << 8;
}

inline std::uint32_t GetU32(std::span<const std::uint8_t> in, std::size_t at) {
    return GetU16(in, at) | GetU16(in, at + 2) << 16;
}

} // namespace ui
