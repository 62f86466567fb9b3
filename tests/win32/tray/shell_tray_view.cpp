// Reading the shell's tooltips: the tool record and its text live in the shell's process, so
// they are fetched through a buffer allocated there.
#include "tests/win32/tray/shell_tray_view.h"

#include <commctrl.h>

namespace tray_test {

namespace {

struct Search {
    DWORD shell_pid;
    std::vector<HWND> tips;
};

BOOL CALLBACK CollectTips(HWND wnd, LPARAM param) {
    auto* search = reinterpret_cast<Search*>(param);
    wchar_t cls[64] = {};
    GetClassNameW(wnd, cls, 64);
    DWORD pid = 0;
    GetWindowThreadProcessId(wnd, &pid);
    if (pid == search->shell_pid && lstrcmpiW(cls, TOOLTIPS_CLASSW) == 0)
        search->tips.push_back(wnd);
    return TRUE;
}

class RemoteBuffer {
public:
    RemoteBuffer(DWORD pid, std::size_t size)
        : process_(
              OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, pid)),
          base_(process_ ? VirtualAllocEx(process_, nullptr, size, MEM_COMMIT, PAGE_READWRITE)
                         : nullptr) {}
    ~RemoteBuffer() {
        if (base_) VirtualFreeEx(process_, base_, 0, MEM_RELEASE);
        if (process_) CloseHandle(process_);
    }
    RemoteBuffer(const RemoteBuffer&) = delete;
    RemoteBuffer& operator=(const RemoteBuffer&) = delete;
    bool Valid() const { return base_ != nullptr; }
    void* Address() const { return base_; }
    bool Write(const void* data, std::size_t size) { return Write(base_, data, size); }
    bool Write(void* to, const void* data, std::size_t size) {
        return WriteProcessMemory(process_, to, data, size, nullptr) != 0;
    }
    bool Read(const void* from, void* to, std::size_t size) const {
        return ReadProcessMemory(process_, from, to, size, nullptr) != 0;
    }

private:
    HANDLE process_;
    void* base_;
};

} // namespace

std::vector<ShownIcon> ShownTrayIcons() {
    std::vector<ShownIcon> shown;
    HWND taskbar = FindWindowW(L"Shell_TrayWnd", nullptr);
    if (!taskbar) return shown;
    Search search{0, {}};
    GetWindowThreadProcessId(taskbar, &search.shell_pid);
    EnumWindows(CollectTips, reinterpret_cast<LPARAM>(&search));
    // The tool record, then room for its text, which the tooltip copies there.
    constexpr std::size_t kTextChars = 512;
    RemoteBuffer remote(search.shell_pid, sizeof(TTTOOLINFOW) + kTextChars * sizeof(wchar_t));
    if (!remote.Valid()) return shown;
    for (HWND tip : search.tips) {
        const LRESULT count = SendMessageW(tip, TTM_GETTOOLCOUNT, 0, 0);
        for (LRESULT i = 0; i < count; ++i) {
            auto* remote_text = reinterpret_cast<wchar_t*>(static_cast<char*>(remote.Address()) +
                                                           sizeof(TTTOOLINFOW));
            TTTOOLINFOW info{};
            info.cbSize = sizeof(info);
            info.lpszText = remote_text;
            const wchar_t none = 0;
            remote.Write(&info, sizeof(info));
            remote.Write(remote_text, &none, sizeof(none));
            if (!SendMessageW(tip, TTM_ENUMTOOLSW, static_cast<WPARAM>(i),
                              reinterpret_cast<LPARAM>(remote.Address())))
                continue;
            remote.Read(remote.Address(), &info, sizeof(info));
            if (IsRectEmpty(&info.rect)) continue;
            wchar_t text[kTextChars + 1] = {};
            remote.Read(remote_text, text, kTextChars * sizeof(wchar_t));
            RECT r = info.rect;
            MapWindowPoints(info.hwnd, nullptr, reinterpret_cast<POINT*>(&r), 2);
            shown.push_back({r, text});
        }
    }
    return shown;
}

std::optional<ShownIcon> FindShownIcon(const std::wstring& tip) {
    for (const ShownIcon& icon : ShownTrayIcons())
        if (icon.tip == tip) return icon;
    return std::nullopt;
}

} // namespace tray_test
