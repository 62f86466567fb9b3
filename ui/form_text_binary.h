// Writes bytes as the { ... } hex block of a form description, so the build can embed large
// binary properties (the compressed skin) in the main window's description text.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace form_text {

// "{", then the bytes in upper-case hex, `bytes_per_line` to a line, each line on a new line
// after `indent`, and "}" right after the last digit; "{}" for no bytes.
// Throws std::invalid_argument when bytes_per_line is 0.
std::string FormatBinary(std::span<const std::uint8_t> bytes, std::string_view indent,
                         std::size_t bytes_per_line = 32);

} // namespace form_text
