// The overlay over a scroll bar: placement, hit test, presses handed to the host, painting.
#include "skin/controls/scroll/scroll_overlay.h"

#include "skin/controls/base/skin_control.h"
#include "skin/controls/scroll/scroll_paint.h"

#include "skin/runtime/skin_platform.h"

#include "ui/application.h"
#include "ui/message_params.h"
#include "ui/window_dpi.h"

namespace {

constexpr wchar_t kOverlayClass[] = L"TWScrollbar";

} // namespace

TWScrollbar::TWScrollbar(TSkinControl& owner, TSkinData& skin, TKind kind, HWND host, bool vertical)
    : TOverlayWindow(kOverlayClass, WS_EX_TOOLWINDOW, GetParent(host)), owner_(owner), skin_(skin),
      host_(host), kind_(kind),
      vertical_(kind == kScrollBarControl ? vertical : kind == kVerticalBar) {}

bool TWScrollbar::ReadBar(TBar& bar) const {
    if (kind_ == kScrollBarControl) {
        RECT client{};
        if (!GetClientRect(host_, &client)) return false;
        SCROLLINFO si{};
        si.cbSize = sizeof(si);
        si.fMask = SIF_ALL;
        if (!GetScrollInfo(host_, SB_CTL, &si)) return false;
        MapWindowPoints(host_, nullptr, reinterpret_cast<POINT*>(&client), 2);
        bar.screen = client;
        const int length = vertical_ ? client.bottom - client.top : client.right - client.left;
        const int across = vertical_ ? client.right - client.left : client.bottom - client.top;
        // The control's arrows are sized for the density its thickness was laid out for, so a
        // control thinner than the system's bars at the window's density keeps square arrows.
        const int dpi = owner_.Dpi();
        bar.dpi = ScrollBarPictureDpi(skin_, dpi, across);
        const TScrollValues values{si.nMin, si.nMax, static_cast<int>(si.nPage), si.nPos};
        bar.axis = ScrollControlAxis(length, ui::MetricAtDpi(SM_CXHSCROLL, bar.dpi), values);
        bar.system = ScrollControlAxis(length, ui::MetricAtDpi(SM_CXHSCROLL, dpi), values);
        bar.enabled = IsWindowEnabled(host_) != FALSE;
        return true;
    }
    SCROLLBARINFO info{};
    info.cbSize = sizeof(info);
    if (!SkinGetScrollBarInfo(host_, vertical_ ? OBJID_VSCROLL : OBJID_HSCROLL, info)) return false;
    bar.screen = info.rcScrollBar;
    const RECT& r = info.rcScrollBar;
    const int dpi = owner_.Dpi();
    bar.axis = {vertical_ ? r.bottom - r.top : r.right - r.left,
                ui::MetricAtDpi(SM_CXHSCROLL, dpi), info.xyThumbTop, info.xyThumbBottom};
    bar.system = bar.axis;
    bar.dpi = ScrollBarPictureDpi(skin_, dpi, vertical_ ? r.right - r.left : r.bottom - r.top);
    bar.invisible = (info.rgstate[0] & STATE_SYSTEM_INVISIBLE) != 0;
    bar.enabled = (info.rgstate[0] & STATE_SYSTEM_UNAVAILABLE) == 0;
    return true;
}

void TWScrollbar::Place() {
    TBar bar;
    if (!ReadBar(bar)) return;
    // Without the skin's arrow strip nothing would be painted: the system's bar shows instead.
    if (!(GetWindowLongW(host_, GWL_STYLE) & WS_VISIBLE) || bar.invisible || !owner_.SkinActive() ||
        !SkinHasScrollBars(skin_)) {
        Hide();
        return;
    }
    // The window is made the first time the bar shows.
    const bool existed = Window() != nullptr;
    const HWND window = MakeWindow();
    if (!window) return;
    if (!existed) EnableWindow(window, enabled_);
    axis_ = bar.axis;
    systemAxis_ = bar.system;
    pictureDpi_ = bar.dpi;
    origin_ = {bar.screen.left, bar.screen.top};
    rect_ = bar.screen;
    MapWindowPoints(nullptr, host_, reinterpret_cast<POINT*>(&rect_), 2);
    POINT at = origin_;
    ScreenToClient(GetParent(window), &at);
    const int width = bar.screen.right - bar.screen.left;
    const int height = bar.screen.bottom - bar.screen.top;
    ShowWindow(window, SW_SHOWNA);
    // Directly above the host, so it covers the host's bar and nothing else covers it.
    HWND above = GetWindow(host_, GW_HWNDPREV);
    UINT flags = SWP_NOACTIVATE;
    if (above == window) flags |= SWP_NOZORDER;
    SetWindowPos(window, above ? above : HWND_TOP, at.x, at.y, width, height, flags);
    MoveWindow(window, at.x, at.y, width, height, TRUE);
}

bool TWScrollbar::Shown() const {
    const HWND window = Window();
    return window && (GetWindowLongW(window, GWL_STYLE) & WS_VISIBLE);
}

void TWScrollbar::Enable(bool enabled) {
    enabled_ = enabled;
    if (const HWND window = Window()) EnableWindow(window, enabled);
}

void TWScrollbar::SetHitPart(int part) {
    hitPart_ = part;
    Invalidate();
}

int TWScrollbar::HitTest(POINT p) const {
    return ScrollHitTest(axis_, AlongAxis(p));
}

void TWScrollbar::Paint(HDC dc) {
    TBar bar;
    if (!owner_.SkinActive() || !SkinHasScrollBars(skin_) || !ReadBar(bar) || bar.invisible) return;
    RECT client{};
    GetClientRect(Window(), &client);
    const int width = bar.screen.right - bar.screen.left;
    const int height = bar.screen.bottom - bar.screen.top;
    if (width > client.right || height > client.bottom) return;
    axis_ = bar.axis;
    systemAxis_ = bar.system;
    pictureDpi_ = bar.dpi;
    TScrollLook look{vertical_,        width,          height,      axis_.Arrow, 0,
                     axis_.ThumbStart, axis_.ThumbEnd, bar.enabled, hitPart_,    pressed_};
    // While the system tracks a dragged thumb, the thumb is drawn under the mouse.
    if (pressed_ && hitPart_ == kScrollThumb && kind_ != kScrollBarControl) {
        POINT cursor{};
        GetCursorPos(&cursor);
        TScrollAxis pressed = axis_;
        pressed.ThumbStart = thumbStartAtPress_;
        pressed.ThumbEnd = thumbStartAtPress_ + (axis_.ThumbEnd - axis_.ThumbStart);
        look.ThumbStart = DraggedThumbStart(pressed, thumbStartAtPress_,
                                            AlongAxis(cursor) - AlongAxis(pressPoint_));
        look.ThumbEnd = look.ThumbStart + (axis_.ThumbEnd - axis_.ThumbStart);
    }
    PaintSkinScrollBar(dc, {0, 0}, skin_, surface_, look, pictureDpi_);
}

void TWScrollbar::Press(POINT p) {
    GetCursorPos(&pressPoint_);
    TBar bar;
    if (ReadBar(bar)) {
        axis_ = bar.axis;
        systemAxis_ = bar.system;
        origin_ = {bar.screen.left, bar.screen.top};
    }
    thumbStartAtPress_ = axis_.ThumbStart;
    hitPart_ = HitTest(p);
    pressed_ = true;
    Invalidate();
    ReleaseCapture();
    // The system's tracking runs inside this call until the button is released; whatever the
    // host does meanwhile may free us.
    const std::shared_ptr<const bool> alive = Liveness();
    if (kind_ == kScrollBarControl) {
        // The press goes where the control has the part it is drawn on.
        const int along = PressOnSystemBar(axis_, systemAxis_, AlongAxis(p));
        const POINT on = vertical_ ? POINT{p.x, along} : POINT{along, p.y};
        SendMessageW(host_, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(on.x, on.y));
    } else {
        SendMessageW(host_, WM_NCLBUTTONDOWN, vertical_ ? HTVSCROLL : HTHSCROLL,
                     MAKELPARAM(p.x + origin_.x, p.y + origin_.y));
    }
    if (!*alive) return;
    pressed_ = false;
    ReleaseCapture();
    Invalidate();
}

void TWScrollbar::Release(POINT p) {
    pressed_ = false;
    ReleaseCapture();
    if (kind_ == kScrollBarControl) {
        PostMessageW(host_, WM_LBUTTONUP, MK_LBUTTON, MAKELPARAM(p.x, p.y));
        Invalidate();
    } else {
        PostMessageW(host_, WM_NCLBUTTONUP, vertical_ ? HTVSCROLL : HTHSCROLL,
                     MAKELPARAM(p.x + origin_.x, p.y + origin_.y));
    }
}

void TWScrollbar::HostHint(bool entered) {
    ui::TControl* control = kind_ == kScrollBarControl ? owner_.Control() : nullptr;
    if (!control || !ui::Application) return;
    if (entered) {
        ui::Application->HintMouseEnter(control);
    } else {
        ui::Application->HintMouseLeave(control);
    }
}

std::optional<LRESULT> TWScrollbar::OnMessage(const ui::TMessage& msg) {
    switch (msg.Msg) {
    case WM_MOUSEMOVE: {
        const HWND window = Window();
        DefaultHandling(msg);
        const int part = HitTest(ui::PointParam(msg));
        if (part != hitPart_) SetHitPart(part);
        // The cursor may have been over another of our windows meanwhile, whose leave request
        // took ours over: then the leave never came, and this move is the mouse coming back.
        if (!SkinTracksMouseLeave(window)) mouseIn_ = false;
        SkinTrackMouseLeave(window);
        if (!mouseIn_) {
            mouseIn_ = true;
            HostHint(true);
        }
        return 0;
    }
    case WM_MOUSELEAVE:
        if (!pressed_) SetHitPart(kScrollPartNone);
        mouseIn_ = false;
        HostHint(false);
        return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        Press(ui::PointParam(msg));
        return 0;
    case WM_LBUTTONUP:
        Release(ui::PointParam(msg));
        return 0;
    default:
        return std::nullopt;
    }
}
