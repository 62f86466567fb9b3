// How a collected text is shown in the list: its first line as a multi-line edit box sees it.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace collector {

// The list shows at most this many characters of a first line; the entry keeps the whole text.
inline constexpr std::size_t kShownLineLimit = 4096;

// Shown instead of a first line that is empty.
inline constexpr std::wstring_view kUnknownData = L"未知数据";

// Line 0 of the text as a multi-line edit box splits it, or nothing when the box would hold
// no line at all (only the empty text).
//
// An edit box ends a line at CR LF only; a CR or LF on its own is a character of the line.
// CR CR LF is the box's soft break: the extra CR belongs to the break, not to the line.
std::optional<std::wstring_view> FirstLine(std::wstring_view text);

// The list-box line of a captured text: its first line cut to kShownLineLimit characters
// (never in the middle of a surrogate pair), or kUnknownData when that line is empty.
// Nothing when the text has no line, which means no entry is kept for it.
std::optional<std::wstring> DisplayLine(std::wstring_view text);

} // namespace collector
