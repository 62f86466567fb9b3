// The one place text changes encoding: UTF-8 (our own messages, descriptions), UTF-16 (form
// text), the ANSI code page (skins, the shell's tooltip record) and the platform's wide text.
#pragma once
#include <optional>
#include <string>
#include <string_view>

namespace ui {

// Well-formed UTF-8 as wide text; nothing when the bytes are not UTF-8.
std::optional<std::wstring> Utf8ToWide(std::string_view text);
// Wide text as UTF-8; a surrogate without its partner becomes U+FFFD.
std::string WideToUtf8(std::wstring_view text);
// UTF-16 as wide text (pairs joined where wchar_t holds 32 bits).
std::wstring Utf16ToWide(std::u16string_view text);

#ifdef _WIN32
// Text in an ANSI code page (the system's by default) as wide text, and back; a character the
// code page lacks becomes its default character.
std::wstring AnsiToWide(std::string_view text, unsigned code_page = 0);
std::string WideToAnsi(std::wstring_view text, unsigned code_page = 0);
#endif

} // namespace ui
