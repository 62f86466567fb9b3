#include "collector/hotkey_rules.h"

#include <array>

namespace collector {

unsigned ModifierMask(const HotkeyKeys& keys) {
    return (keys.alt ? kModAlt : 0) | (keys.ctrl ? kModControl : 0) | (keys.shift ? kModShift : 0) |
           (keys.win ? kModWin : 0);
}

std::wstring HotkeyAtomName(std::wstring_view module_path, int n) {
    auto name = module_path;
    if (const auto slash = name.find_last_of(L"\\/:"); slash != std::wstring_view::npos) {
        name.remove_prefix(slash + 1);
    }
    const auto dot = name.find(L'.');
    const auto stem = dot == std::wstring_view::npos ? std::wstring_view{} : name.substr(0, dot);
    return std::wstring(stem) + std::to_wstring(n);
}

int MatchHotkey(std::span<const HotkeyKeys> entries, std::uint32_t lparam) {
    const unsigned mods = lparam & 0xFFFF;
    const unsigned key = lparam >> 16;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        if (entries[i].key == key && ModifierMask(entries[i]) == mods) {
            return static_cast<int>(i) + 1;
        }
    }
    return 0;
}

std::optional<std::uint16_t> AfterPasteKey(int index) {
    static constexpr std::array<std::uint16_t, 5> keys = {9, 13, 32, 37, 40};
    if (index < 0 || index >= static_cast<int>(keys.size())) return std::nullopt;
    return keys[static_cast<std::size_t>(index)];
}

std::optional<int> NextPasteIndex(int selected, int count) {
    const int next = selected + 1;
    if (next >= count) return std::nullopt;
    return next;
}

} // namespace collector
