// The skinners' own windows: made on the message-window routing, painted whole, failures dropped.
#include "skin/controls/base/overlay_window.h"

#include "ui/win_handles.h"

#include <exception>

TOverlayWindow::TOverlayWindow(const wchar_t* className, DWORD exStyle, HWND parent)
    : className_(className), exStyle_(exStyle), parent_(parent) {}

HWND TOverlayWindow::MakeWindow() {
    // Once only: a window that went with its parent is not made again.
    if (made_) return Window();
    made_ = true;
    try {
        window_ = std::make_unique<ui::TMessageWindow>(
            ui::TMessageWindowParams{.class_name = className_,
                                     .message_only = false,
                                     .style = WS_CHILD | WS_CLIPSIBLINGS,
                                     .ex_style = exStyle_,
                                     .parent = parent_,
                                     .class_style = CS_DBLCLKS},
            [this](UINT msg, WPARAM wp, LPARAM lp) { return Route(msg, wp, lp); });
    } catch (const std::exception&) {
        // Without its window the skinner goes on; the control keeps its own look there.
    }
    return Window();
}

TOverlayWindow::~TOverlayWindow() {
    *alive_ = false;
}

void TOverlayWindow::Hide() {
    if (const HWND window = Window()) ShowWindow(window, SW_HIDE);
}

void TOverlayWindow::Invalidate() {
    if (const HWND window = Window()) InvalidateRect(window, nullptr, FALSE);
}

LRESULT TOverlayWindow::DefaultHandling(const ui::TMessage& msg) const {
    return DefWindowProcW(Window(), msg.Msg, msg.WParam, msg.LParam);
}

std::optional<LRESULT> TOverlayWindow::Route(UINT msg, WPARAM wp, LPARAM lp) {
    try {
        switch (msg) {
        case WM_ERASEBKGND:
            // The paint covers every pixel; erasing first would flash the background.
            return 1;
        case WM_PAINT: {
            const ui::PaintScope paint(Window());
            Paint(paint.dc());
            return 0;
        }
        default:
            return OnMessage(ui::TMessage{msg, wp, static_cast<std::intptr_t>(lp), 0});
        }
    } catch (...) {
        return 0;
    }
}
