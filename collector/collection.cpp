#include "collection.h"

#include "text_rules.h"

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
    lines_.push_back(*line);
    return line;
}

void Collection::Clear() {
    entries_.clear();
    lines_.clear();
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
