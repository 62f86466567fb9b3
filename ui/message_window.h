// Windows whose messages go to one handler of their owner: the library's hidden windows that
// only receive messages (the application window, timers, the tray icon's window) and the small
// child windows other layers make for themselves (the skin's overlays). One window class per
// name, registered once, and one window procedure that hands every message to the owner's
// handler and reports what escapes it (a handler that must not report catches its own).
#pragma once
#include <windows.h>

#include <functional>
#include <optional>
#include <string>
#include <string_view>

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
    // The parent of a window that is not message-only (WS_CHILD in `style`); none: top level.
    HWND parent = nullptr;
    // The class style (CS_DBLCLKS: double clicks arrive as such).
    UINT class_style = 0;
};

class TMessageWindow {
public:
    // Answers a message with its result, or with nothing to leave it to DefWindowProc.
    using Handler = std::function<std::optional<LRESULT>(UINT msg, WPARAM wparam, LPARAM lparam)>;

    // Creates the window; throws when the system will not. The handler hears messages from
    // the moment the window exists until the destructor starts, or until the system destroys
    // the window with its parent (then Handle() is none).
    TMessageWindow(const TMessageWindowParams& params, Handler handler);
    ~TMessageWindow();
    TMessageWindow(const TMessageWindow&) = delete;
    TMessageWindow& operator=(const TMessageWindow&) = delete;

    HWND Handle() const { return wnd_; }

private:
    static LRESULT CALLBACK WndProc(HWND wnd, UINT msg, WPARAM wparam, LPARAM lparam);

    Handler handler_;
    std::wstring_view class_name_; // what its paints are counted as (paint_timing.h)
    HWND wnd_ = nullptr;
};

} // namespace ui
