// Rules of the global hotkeys: atom names, modifier masks, matching, and what a paste types after.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace collector {

// Modifier bits as the system's hotkey messages carry them.
inline constexpr unsigned kModAlt = 1;
inline constexpr unsigned kModControl = 2;
inline constexpr unsigned kModShift = 4;
inline constexpr unsigned kModWin = 8;

// The most hotkeys one registry holds.
inline constexpr int kMaxHotkeys = 20;

// The key and modifiers of one registered hotkey.
struct HotkeyKeys {
    bool ctrl = false;
    bool alt = false;
    bool shift = false;
    bool win = false;
    std::uint16_t key = 0;
};

unsigned ModifierMask(const HotkeyKeys& keys);

// The global atom name of hotkey n: the executable's file name (the path's directory dropped)
// cut before its first ".", followed by n; just n when the name has no ".". Two copies of
// the program thus ask for the same names, and the second cannot take the first one's keys.
std::wstring HotkeyAtomName(std::wstring_view module_path, int n);

// The hotkey identifier that goes with a string atom.
inline int HotkeyId(std::uint16_t atom) {
    return static_cast<int>(atom) - 0xC000;
}

// The number (from 1) of the first entry whose key and modifiers a hotkey message's lParam
// names (low word: modifiers, high word: key), or 0.
int MatchHotkey(std::span<const HotkeyKeys> entries, std::uint32_t lparam);

// The key typed after a hotkey paste for the chosen item of the key list ("Tab键", "回车键",
// "空格键", "左光标键", "下光标键"); nothing for any other index (no item chosen).
std::optional<std::uint16_t> AfterPasteKey(int index);

// The item F4 pastes: the one after the selection (-1: none selected), or nothing when the
// selection is already at or past the last of `count` items.
std::optional<int> NextPasteIndex(int selected, int count);

} // namespace collector
