#include "collector/text_rules.h"

namespace collector {

std::optional<std::wstring_view> FirstLine(std::wstring_view text) {
    if (text.empty()) return std::nullopt;
    const auto end = text.find(L"\r\n");
    if (end == std::wstring_view::npos) return text;
    auto line = text.substr(0, end);
    if (!line.empty() && line.back() == L'\r') line.remove_suffix(1);
    return line;
}

std::optional<std::wstring> DisplayLine(std::wstring_view text) {
    auto line = FirstLine(text);
    if (!line) return std::nullopt;
    if (line->empty()) return std::wstring(kUnknownData);
    if (line->size() > kShownLineLimit) {
        std::size_t cut = kShownLineLimit;
        const auto last = static_cast<unsigned>((*line)[cut - 1]);
        if (last >= 0xD800 && last <= 0xDBFF) --cut; // keep a pair whole
        line = line->substr(0, cut);
    }
    return std::wstring(*line);
}

} // namespace collector
