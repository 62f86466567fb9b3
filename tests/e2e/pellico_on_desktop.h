// Pellico started on a desktop of its own, whose work area the test knows.
#pragma once
#include "tests/support/child_process.h"
#include "tests/support/desktop.h"
#include "ui/win_handles.h"

#include <windows.h>

#include <chrono>
#include <memory>
#include <string>

namespace e2e {

// Pellico started on a desktop of its own, made by Wine's desktop program at the size asked
// for and without a taskbar, so the work area is the whole desktop from (0, 0). Its windows
// are found and closed from here, across desktops.
class PellicoOnDesktop {
public:
    PellicoOnDesktop(const wchar_t* name, const wchar_t* size)
        : name_(name), desktop_(StartDesktop(name, size)) {}
    ~PellicoOnDesktop() {
        // Whatever the test saw: a program left running would hold the test's output open.
        if (!main_) main_ = FindMain(false);
        if (main_) {
            DWORD pid = 0;
            GetWindowThreadProcessId(main_, &pid);
            const ui::OwnedHandle process(OpenProcess(SYNCHRONIZE | PROCESS_TERMINATE, FALSE, pid));
            PostMessageW(main_, WM_CLOSE, 0, 0);
            if (process && WaitForSingleObject(process.get(), 10000) != WAIT_OBJECT_0)
                TerminateProcess(process.get(), 1);
        }
        // The desktop program ends once its desktop has no program left.
        desktop_->WaitForExit();
    }
    PellicoOnDesktop(const PellicoOnDesktop&) = delete;
    PellicoOnDesktop& operator=(const PellicoOnDesktop&) = delete;

    // The main window once it is shown, or none.
    HWND WaitForMain() {
        testing_desktop::PumpUntil([&] { return (main_ = FindMain(true)) != nullptr; },
                                   std::chrono::seconds(30));
        return main_;
    }

private:
    static std::unique_ptr<testing_desktop::Process> StartDesktop(const wchar_t* name,
                                                                  const wchar_t* size) {
        const std::wstring key = std::wstring(L"Software\\Wine\\Explorer\\Desktops\\") + name;
        const DWORD no = 0;
        RegSetKeyValueW(HKEY_CURRENT_USER, key.c_str(), L"EnableShell", REG_DWORD, &no, sizeof(no));
        return std::make_unique<testing_desktop::Process>(
            "explorer.exe", std::wstring(L"/desktop=") + name + L"," + size + L" \"" +
                                testing_desktop::WindowsPath(testing_desktop::PellicoExe()) +
                                L"\"");
    }

    // The main window of the program on that desktop (shown, when asked), or none. Seen from
    // another desktop no window counts as visible, so its style tells.
    HWND FindMain(bool shown) const {
        const HDESK desktop =
            OpenDesktopW(name_.c_str(), 0, FALSE, DESKTOP_READOBJECTS | DESKTOP_ENUMERATE);
        if (!desktop) return nullptr;
        Search search{shown, nullptr};
        EnumDesktopWindows(desktop, MatchMain, reinterpret_cast<LPARAM>(&search));
        CloseDesktop(desktop);
        return search.found;
    }

    struct Search {
        bool shown;
        HWND found;
    };
    static BOOL CALLBACK MatchMain(HWND wnd, LPARAM param) {
        auto* search = reinterpret_cast<Search*>(param);
        if (testing_desktop::ClassName(wnd) != L"TForm1") return TRUE;
        if (search->shown && !(GetWindowLongW(wnd, GWL_STYLE) & WS_VISIBLE)) return TRUE;
        search->found = wnd;
        return FALSE;
    }

    std::wstring name_;
    std::unique_ptr<testing_desktop::Process> desktop_;
    HWND main_ = nullptr;
};

} // namespace e2e
