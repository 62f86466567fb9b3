// TOverlayWindow: the base of the control skinners' own small windows, laid over a part of a
// control that the control draws itself and a companion cannot paint over (the scroll-bar
// overlays, the date-time picker's arrow button, the media player's strip). Each is a child
// window of a class of its own, hidden and empty until placed, on the class library's message
// window routing. The window is made when the derived class asks for it (MakeWindow): an overlay
// that may never show (a scroll bar a list never needs) costs no window until it does. The derived class composes the whole window in Paint (nothing is erased
// first, so nothing flashes) and answers the rest in OnMessage; what its handling throws is
// dropped, as for every skinner, and the window goes on.
#pragma once

#include "ui/message_window.h"
#include "ui/messages.h"

#include <windows.h>

#include <memory>
#include <optional>

class TOverlayWindow {
public:
    virtual ~TOverlayWindow();
    TOverlayWindow(const TOverlayWindow&) = delete;
    TOverlayWindow& operator=(const TOverlayWindow&) = delete;

    // None before it is made, when the system would not make it, or once it went with its
    // parent.
    HWND Window() const { return window_ ? window_->Handle() : nullptr; }
    void Hide();
    // Repaints the whole window (without erasing).
    void Invalidate();

protected:
    // An overlay whose window will be of class `className` (registered once: double clicks
    // arrive as presses, the arrow cursor), a hidden child of `parent`; `className` is kept.
    TOverlayWindow(const wchar_t* className, DWORD exStyle, HWND parent);

    // Makes the window the first time it is asked for; the window, or none as Window() says.
    HWND MakeWindow();

    // The whole window into `dc` (a BeginPaint one).
    virtual void Paint(HDC dc) = 0;
    // Every message but the paint's; none leaves it to the system's default handling.
    virtual std::optional<LRESULT> OnMessage(const ui::TMessage& msg) = 0;
    // The system's default handling of `msg`, for a handler that adds to it.
    LRESULT DefaultHandling(const ui::TMessage& msg) const;
    // Turns false when this object goes: a message it hands its control (a press) may free it.
    std::shared_ptr<const bool> Liveness() const { return alive_; }

private:
    std::optional<LRESULT> Route(UINT msg, WPARAM wp, LPARAM lp);

    std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
    const wchar_t* className_;
    DWORD exStyle_;
    HWND parent_;
    bool made_ = false;
    std::unique_ptr<ui::TMessageWindow> window_;
};
