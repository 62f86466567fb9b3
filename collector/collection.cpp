#include "collector/collection.h"

#include "collector/text_rules.h"

namespace collector {

namespace {
constexpr int kTextFormat = 1;
}

std::optional<std::wstring> Collection::Capture(int probe, ClipboardSource& clipboard) {
    if (probe != kTextFormat) return std::nullopt;
    suppress_ = false;
    if (clipboard.IsOwnWrite() || clipboard.IsExcluded()) return std::nullopt;
    auto text = clipboard.CapturedText();
    auto line = DisplayLine(text);
    if (!line) return std::nullopt;
    entries_.push_back(std::move(text));
    return line;
}

void Collection::Clear() {
    // A long session may have held many texts: give back the list's room too, not just theirs.
    entries_ = std::vector<std::wstring>();
}

std::wstring Collection::Joined() const {
    std::size_t size = 0;
    for (const auto& e : entries_)
        size += e.size();
    std::wstring all;
    all.reserve(size);
    for (const auto& e : entries_)
        all += e;
    return all;
}

} // namespace collector
