// TWScrollbar: a small window laid exactly over one scroll bar of a control, which the skin
// paints in. A window scroll bar belongs to its control's frame, which a companion cannot simply
// repaint; so the overlay shows the skinned bar and hands every press back to the control as a
// press on its real bar, and the system's own tracking does the scrolling. The control's scroll
// notifications tell the overlay which part to show pressed (SetHitPart).
#pragma once

#include "control_paint.h"
#include "own_window.h"
#include "scroll_rules.h"

#include "ui/win_handles.h"

#include <windows.h>

#include <memory>

class TSkinControl;
class TSkinData;

class TWScrollbar {
public:
    // Which bar it covers: the host's horizontal or vertical window scroll bar, or the host
    // itself, a scroll-bar control.
    enum TKind { kHorizontalBar = 0, kVerticalBar = 1, kScrollBarControl = 2 };

    // A hidden overlay over `host`'s bar, a child of the host's parent. `owner` is the companion
    // whose skin it paints with while its skinning is on; `vertical` matters for a control only.
    TWScrollbar(TSkinControl& owner, TSkinData& skin, TKind kind, HWND host, bool vertical);
    ~TWScrollbar();
    TWScrollbar(const TWScrollbar&) = delete;
    TWScrollbar& operator=(const TWScrollbar&) = delete;

    // Follows the bar: shown over it while the host and its bar are visible and skinning is on,
    // hidden otherwise.
    void Place();
    void Hide();
    bool Shown() const { return shown_; }
    void Invalidate();
    void Enable(bool enabled);
    // The part to show pressed while a press is in progress (a scroll request code).
    void SetHitPart(int part);
    int HitPart() const { return hitPart_; }
    // The bar in the host's client coordinates, as last placed.
    const RECT& Rect() const { return rect_; }
    HWND Window() const { return window_.get(); }

private:
    // The bar as the system has it now.
    struct TBar {
        RECT screen{};    // where it is
        TScrollAxis axis; // along its axis
        bool invisible = false;
        bool enabled = true;
    };
    bool ReadBar(TBar& bar) const;
    int HitTest(POINT p) const;
    // Along the axis of a point.
    int AlongAxis(POINT p) const { return vertical_ ? p.y : p.x; }
    void Paint(HWND window, HDC dc);
    void Press(LPARAM at);
    void Release(LPARAM at);
    // The mouse came onto the overlay or left it: a scroll-bar control, which the overlay covers
    // and so never hears the mouse itself, shows its hint as if it had.
    void HostHint(bool entered);
    template <class T> friend LRESULT CALLBACK OwnWindowProc(HWND, UINT, WPARAM, LPARAM);
    // `window` is ours, also while it is being made (before CreateWindowEx hands it over).
    LRESULT Proc(HWND window, UINT msg, WPARAM wp, LPARAM lp);

    TSkinControl& owner_;
    TSkinData& skin_;
    TOffscreen surface_;
    ui::OwnedWindow window_;
    HWND host_;
    TKind kind_;
    bool vertical_;
    int arrow_;
    TScrollAxis axis_; // as last read
    POINT origin_{};   // the bar's top-left corner on the screen
    POINT pressPoint_{};
    int thumbStartAtPress_ = 0;
    int hitPart_ = kScrollPartNone;
    RECT rect_{};
    bool shown_ = false;
    bool pressed_ = false;
    bool mouseIn_ = false;
    // Cleared when the overlay goes: a press hands the host a message that may free us.
    std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
};
