// UTF-8 to UTF-16 for the quoted text of a form description (the description file is UTF-8,
// the windows want UTF-16).
#pragma once

#include <string>
#include <string_view>

namespace form_text {

// Appends `utf8` to `out` as UTF-16. Returns false, leaving `out` partly appended, when the
// bytes are not well-formed UTF-8 (truncated or overlong sequences, surrogates, beyond U+10FFFF).
bool AppendUtf8(std::string_view utf8, std::u16string& out);

// Appends one code point (at most U+10FFFF) as one unit or a surrogate pair.
void AppendCodePoint(char32_t code, std::u16string& out);

} // namespace form_text
