// UTF-8 decoding after the well-formed table of the Unicode standard (D92): anything else is
// rejected rather than guessed at.
#include "ui/form_text_utf8.h"

#include <cstdint>

namespace form_text {

void AppendCodePoint(char32_t code, std::u16string& out) {
    if (code < 0x10000) {
        out.push_back(static_cast<char16_t>(code));
        return;
    }
    code -= 0x10000;
    out.push_back(static_cast<char16_t>(0xD800 + (code >> 10)));
    out.push_back(static_cast<char16_t>(0xDC00 + (code & 0x3FF)));
}

bool AppendUtf8(std::string_view utf8, std::u16string& out) {
    std::size_t i = 0;
    while (i < utf8.size()) {
        const auto lead = static_cast<std::uint8_t>(utf8[i]);
        if (lead < 0x80) {
            out.push_back(lead);
            ++i;
            continue;
        }
        std::size_t extra;
        char32_t code;
        // Bounds of the second byte exclude overlong forms, surrogates and values past U+10FFFF.
        std::uint8_t low = 0x80, high = 0xBF;
        if (lead >= 0xC2 && lead <= 0xDF) {
            extra = 1;
            code = lead & 0x1F;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            extra = 2;
            code = lead & 0x0F;
            if (lead == 0xE0) low = 0xA0;
            if (lead == 0xED) high = 0x9F;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            extra = 3;
            code = lead & 0x07;
            if (lead == 0xF0) low = 0x90;
            if (lead == 0xF4) high = 0x8F;
        } else {
            return false;
        }
        if (utf8.size() - i - 1 < extra) return false;
        for (std::size_t k = 1; k <= extra; ++k) {
            const auto next = static_cast<std::uint8_t>(utf8[i + k]);
            if (k == 1 ? (next < low || next > high) : (next < 0x80 || next > 0xBF)) return false;
            code = (code << 6) | (next & 0x3F);
        }
        AppendCodePoint(code, out);
        i += extra + 1;
    }
    return true;
}

} // namespace form_text
