// ANSI code page conversions through the system.
#include "ui/text_codec.h"

#include <windows.h>

namespace ui {

std::wstring AnsiToWide(std::string_view text, unsigned code_page) {
    if (text.empty()) return {};
    const int size = static_cast<int>(text.size());
    const int n = MultiByteToWideChar(code_page, 0, text.data(), size, nullptr, 0);
    std::wstring out(static_cast<std::size_t>(n > 0 ? n : 0), L'\0');
    MultiByteToWideChar(code_page, 0, text.data(), size, out.data(), n);
    return out;
}

std::string WideToAnsi(std::wstring_view text, unsigned code_page) {
    if (text.empty()) return {};
    const int size = static_cast<int>(text.size());
    const int n =
        WideCharToMultiByte(code_page, 0, text.data(), size, nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<std::size_t>(n > 0 ? n : 0), '\0');
    WideCharToMultiByte(code_page, 0, text.data(), size, out.data(), n, nullptr, nullptr);
    return out;
}

} // namespace ui
