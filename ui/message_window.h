// The library's hidden windows that only receive messages (the application window, timers, the
// tray icon's window): one window class per name, registered once, and one window procedure
// that hands every message to the owner's handler and reports what escapes it.
#pragma once
#include <windows.h>

#include <functional>
#include <optional>
#include <string>

namespace ui {

struct TMessageWindowParams {
    std::wstring class_name;
    std::wstring title;
    // Message-only windows (HWND_MESSAGE) hear no broadcasts; a top-level window that is
    // never shown does (the shell's "TaskbarCreated", WM_ACTIVATEAPP).
    bool message_only = true;
    DWORD style = WS_POPUP;
    DWORD ex_style = 0;
    int x = 0, y = 0;
    // The class icon (the application window's shows on the taskbar).
    HICON icon = nullptr;
};

class TMessageWindow {
public:
    // Answers a message with its result, or with nothing to leave it to DefWindowProc.
    using Handler = std::function<std::optional<LRESULT>(UINT msg, WPARAM wparam, LPARAM lparam)>;

    // Creates the window; throws when the system will not. The handler hears messages from
    // the moment the window exists until the destructor starts.
    TMessageWindow(const TMessageWindowParams& params, Handler handler);
    ~TMessageWindow();
    TMessageWindow(const TMessageWindow&) = delete;
    TMessageWindow& operator=(const TMessageWindow&) = delete;

    HWND Handle() const { return wnd_; }

private:
    static LRESULT CALLBACK WndProc(HWND wnd, UINT msg, WPARAM wparam, LPARAM lparam);

    Handler handler_;
    HWND wnd_ = nullptr;
};

} // namespace ui
