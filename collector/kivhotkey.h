// The global hotkey registry: up to 20 system-wide hotkeys, each under an identifier taken
// from a global atom named after the executable, released again with the registry.
#pragma once

#include <windows.h>

#include <array>
#include <string>

#include "collector/hotkey_rules.h"

namespace collector {

class TKivhotkey {
public:
    // `module_path` names the executable the atom names come from (this program's by default).
    explicit TKivhotkey(std::wstring module_path = ModulePath());
    // Unregisters every hotkey and releases its atom.
    ~TKivhotkey();
    TKivhotkey(const TKivhotkey&) = delete;
    TKivhotkey& operator=(const TKivhotkey&) = delete;

    // Registers the key with the modifiers for `Owner` as the next entry. Failing to register
    // (another program holds the key) is not reported; a 21st entry is ignored.
    void AddHotKey(HWND Owner, bool Ctrl, bool Alt, bool Shift, bool Win, WORD Key);

    // The entry number (from 1) a WM_HOTKEY message belongs to, by its key and modifiers; 0
    // when none. The caller sets the message result to 1 when the answer is not 0.
    int MatchHotKey(WPARAM wparam, LPARAM lparam) const;

    int Count() const { return count_; }
    // The hotkey identifier of entry n (1..Count()).
    int Id(int n) const { return ids_.at(static_cast<std::size_t>(n)); }

    static std::wstring ModulePath();

private:
    std::wstring module_path_;
    // Slot 0 is unused: entries are numbered from 1.
    std::array<int, kMaxHotkeys + 1> ids_{};
    std::array<HWND, kMaxHotkeys + 1> windows_{};
    std::array<HotkeyKeys, kMaxHotkeys + 1> keys_{};
    int count_ = 0;
};

} // namespace collector
