// The media player's buttons: names, sets from text, the strip's layout.
#include "ui/media_buttons.h"

#include "ui/persistent.h"

namespace ui {

const std::vector<std::wstring_view>& MPButtonNames() {
    static const std::vector<std::wstring_view> names = {L"btPlay", L"btPause",  L"btStop",
                                                         L"btNext", L"btPrev",   L"btStep",
                                                         L"btBack", L"btRecord", L"btEject"};
    return names;
}

TMPButtonSet ParseMPButtonSet(std::wstring_view text) {
    TMPButtonSet set = 0;
    auto add = [&](std::wstring_view element) {
        const auto blank = [](wchar_t c) { return c == L' ' || c == L'\t'; };
        while (!element.empty() && blank(element.front()))
            element.remove_prefix(1);
        while (!element.empty() && blank(element.back()))
            element.remove_suffix(1);
        const std::wstring lower = LowerCase(element);
        const auto& names = MPButtonNames();
        for (std::size_t i = 0; i < names.size(); ++i)
            if (lower == LowerCase(names[i])) set |= 1u << i;
    };
    std::size_t start = 0;
    for (std::size_t i = 0; i <= text.size(); ++i) {
        if (i == text.size() || text[i] == L',' || text[i] == L'[' || text[i] == L']') {
            add(text.substr(start, i - start));
            start = i + 1;
        }
    }
    return set;
}

std::vector<TMPButtonCell> MPButtonLayout(int width, TMPButtonSet visible) {
    std::vector<TMPBtnType> shown;
    for (int i = 0; i < kMPButtonCount; ++i)
        if (visible & (1u << i)) shown.push_back(static_cast<TMPBtnType>(i));
    std::vector<TMPButtonCell> cells;
    if (shown.empty() || width <= 0) return cells;
    const int share = width / static_cast<int>(shown.size());
    int left = 0;
    for (TMPBtnType b : shown) {
        cells.push_back({b, left, left + share});
        left += share;
    }
    return cells;
}

int MPButtonAt(const std::vector<TMPButtonCell>& layout, int x) {
    for (std::size_t i = 0; i < layout.size(); ++i)
        if (x >= layout[i].Left && x < layout[i].Right) return static_cast<int>(i);
    return -1;
}

} // namespace ui
