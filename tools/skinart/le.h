// Little-endian field access for the file formats written and read here.
#pragma once

#include <cstdint>
#include <vector>

namespace skinart::le {

inline void put16(std::vector<std::uint8_t>& out, std::uint32_t v) {
    out.push_back(static_cast<std::uint8_t>(v));
    out.push_back(static_cast<std::uint8_t>(v >> 8));
}

inline void put32(std::vector<std::uint8_t>& out, std::uint32_t v) {
    put16(out, v & 0xFFFF);
    put16(out, v >> 16);
}

inline std::uint32_t get16(const std::vector<std::uint8_t>& in, std::size_t at) {
    return in[at] | in[at + 1] << 8;
}

inline std::uint32_t get32(const std::vector<std::uint8_t>& in, std::size_t at) {
    return get16(in, at) | get16(in, at + 2) << 16;
}

} // namespace skinart::le
