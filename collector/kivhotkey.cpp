#include "collector/kivhotkey.h"

#include <span>

namespace collector {

namespace {
constexpr int kStringAtomBase = 0xC000;
}

TKivhotkey::TKivhotkey(std::wstring module_path) : module_path_(std::move(module_path)) {}

TKivhotkey::~TKivhotkey() {
    for (int n = 1; n <= count_; ++n) {
        UnregisterHotKey(windows_[n], ids_[n]);
        GlobalDeleteAtom(static_cast<ATOM>(ids_[n] + kStringAtomBase));
    }
}

void TKivhotkey::AddHotKey(HWND Owner, bool Ctrl, bool Alt, bool Shift, bool Win, WORD Key) {
    if (count_ >= kMaxHotkeys) return;
    const int n = ++count_;
    windows_[n] = Owner;
    keys_[n] = {Ctrl, Alt, Shift, Win, Key};
    const ATOM atom = GlobalAddAtomW(HotkeyAtomName(module_path_, n).c_str());
    ids_[n] = HotkeyId(atom);
    RegisterHotKey(Owner, ids_[n], ModifierMask(keys_[n]), Key);
}

int TKivhotkey::MatchHotKey(WPARAM, LPARAM lparam) const {
    return MatchHotkey(std::span(keys_).subspan(1, static_cast<std::size_t>(count_)),
                       static_cast<std::uint32_t>(lparam));
}

std::wstring TKivhotkey::ModulePath() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD n = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (n < path.size()) {
            path.resize(n);
            return path;
        }
        path.resize(path.size() * 2);
    }
}

} // namespace collector
