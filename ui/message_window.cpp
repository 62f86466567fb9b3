// Hidden message windows.
#include "ui/message_window.h"

#include "ui/application.h"
#include "ui/paint_timing.h"

#include <set>
#include <stdexcept>

namespace ui {

namespace {

// The class's name as registered, kept for as long as the program runs.
const std::wstring& RegisterMessageWindowClass(const TMessageWindowParams& params,
                                               WNDPROC procedure) {
    static std::set<std::wstring> registered;
    if (const auto known = registered.find(params.class_name); known != registered.end())
        return *known;
    WNDCLASSW wc{};
    wc.style = params.class_style;
    wc.lpfnWndProc = procedure;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hIcon = params.icon;
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.lpszClassName = params.class_name.c_str();
    if (!RegisterClassW(&wc) && GetLastError() != ERROR_CLASS_ALREADY_EXISTS)
        throw std::runtime_error("Could not register a window class");
    return *registered.insert(params.class_name).first;
}

} // namespace

TMessageWindow::TMessageWindow(const TMessageWindowParams& params, Handler handler)
    : handler_(std::move(handler)),
      class_name_(RegisterMessageWindowClass(params, &TMessageWindow::WndProc)) {
    const HWND wnd = CreateWindowExW(params.ex_style, params.class_name.c_str(),
                                     params.title.c_str(), params.style, params.x, params.y, 0, 0,
                                     params.message_only ? HWND_MESSAGE : params.parent, nullptr,
                                     GetModuleHandleW(nullptr), this);
    if (!wnd) throw std::runtime_error("Could not create a window");
    wnd_ = wnd;
}

TMessageWindow::~TMessageWindow() {
    // From here on the window's messages (its destruction's included) are the system's.
    const HWND wnd = wnd_;
    wnd_ = nullptr;
    DestroyWindow(wnd);
}

LRESULT CALLBACK TMessageWindow::WndProc(HWND wnd, UINT msg, WPARAM wparam, LPARAM lparam) {
    if (msg == WM_NCCREATE) {
        const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lparam);
        SetWindowLongPtrW(wnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* self = reinterpret_cast<TMessageWindow*>(GetWindowLongPtrW(wnd, GWLP_USERDATA));
    if (!self || self->wnd_ != wnd) return DefWindowProcW(wnd, msg, wparam, lparam);
    // Gone with its parent: no handle of a destroyed window is kept (nor destroyed again).
    if (msg == WM_NCDESTROY) self->wnd_ = nullptr;
    const TPaintTiming timing(self->class_name_, PaintSideOf(msg));
    try {
        if (const auto result = self->handler_(msg, wparam, lparam)) return *result;
    } catch (...) {
        HandleException(nullptr);
        return 0;
    }
    return DefWindowProcW(wnd, msg, wparam, lparam);
}

} // namespace ui
