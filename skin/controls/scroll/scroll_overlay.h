// TWScrollbar: a small window laid exactly over one scroll bar of a control, which the skin
// paints in. A window scroll bar belongs to its control's frame, which a companion cannot simply
// repaint; so the overlay shows the skinned bar and hands every press back to the control as a
// press on its real bar, and the system's own tracking does the scrolling. The control's scroll
// notifications tell the overlay which part to show pressed (SetHitPart).
#pragma once

#include "skin/controls/base/control_paint.h"
#include "skin/controls/base/overlay_window.h"
#include "skin/controls/scroll/scroll_rules.h"

#include <windows.h>

class TSkinControl;
class TSkinData;

class TWScrollbar : public TOverlayWindow {
public:
    // Which bar it covers: the host's horizontal or vertical window scroll bar, or the host
    // itself, a scroll-bar control.
    enum TKind { kHorizontalBar = 0, kVerticalBar = 1, kScrollBarControl = 2 };

    // A hidden overlay over `host`'s bar, a child of the host's parent, whose window is made the
    // first time the bar shows. `owner` is the companion whose skin it paints with while its
    // skinning is on; `vertical` matters for a control only.
    TWScrollbar(TSkinControl& owner, TSkinData& skin, TKind kind, HWND host, bool vertical);

    // Follows the bar: shown over it while the host and its bar are visible and skinning is on,
    // hidden otherwise.
    void Place();
    bool Shown() const;
    void Enable(bool enabled);
    // The part to show pressed while a press is in progress (a scroll request code).
    void SetHitPart(int part);
    int HitPart() const { return hitPart_; }
    // The bar in the host's client coordinates, as last placed.
    const RECT& Rect() const { return rect_; }

private:
    // The bar as the system has it now.
    struct TBar {
        RECT screen{};    // where it is
        TScrollAxis axis; // along its axis, as drawn
        TScrollAxis system; // as the system lays its parts out
        int dpi = 0;        // the density its pictures are drawn at
        bool invisible = false;
        bool enabled = true;
    };
    bool ReadBar(TBar& bar) const;
    int HitTest(POINT p) const;
    // Along the axis of a point.
    int AlongAxis(POINT p) const { return vertical_ ? p.y : p.x; }
    void Paint(HDC dc) override;
    std::optional<LRESULT> OnMessage(const ui::TMessage& msg) override;
    void Press(POINT at);
    void Release(POINT at);
    // The mouse came onto the overlay or left it: a scroll-bar control, which the overlay covers
    // and so never hears the mouse itself, shows its hint as if it had.
    void HostHint(bool entered);

    TSkinControl& owner_;
    TSkinData& skin_;
    TOffscreen surface_;
    HWND host_;
    TKind kind_;
    bool vertical_;
    TScrollAxis axis_; // as last read
    TScrollAxis systemAxis_;
    int pictureDpi_ = 0;
    POINT origin_{};   // the bar's top-left corner on the screen
    POINT pressPoint_{};
    int thumbStartAtPress_ = 0;
    int hitPart_ = kScrollPartNone;
    RECT rect_{};
    bool enabled_ = true; // as the host is: its window takes it when made
    bool pressed_ = false;
    bool mouseIn_ = false;
};
