// Hex block writer; the parser reads the result back.
#include "ui/form_text_binary.h"

#include <stdexcept>

namespace form_text {

std::string FormatBinary(std::span<const std::uint8_t> bytes, std::string_view indent,
                         std::size_t bytes_per_line) {
    if (bytes_per_line == 0) throw std::invalid_argument("FormatBinary: bytes_per_line is 0");
    constexpr char digits[] = "0123456789ABCDEF";
    const std::size_t lines = (bytes.size() + bytes_per_line - 1) / bytes_per_line;
    std::string text;
    text.reserve(2 + bytes.size() * 2 + lines * (1 + indent.size()));
    text += '{';
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (i % bytes_per_line == 0) {
            text += '\n';
            text += indent;
        }
        text += digits[bytes[i] >> 4];
        text += digits[bytes[i] & 15];
    }
    text += '}';
    return text;
}

} // namespace form_text
