// The skinned date-time picker: its frame, and the arrow button laid over its drop-down button.
#include "skin/controls/pickers/skin_date_time.h"

#include "skin/controls/pickers/picker_rules.h"

#include "skin/runtime/skin_data.h"
#include "skin/model/skin_geometry.h"
#include "skin/gdi/skin_paint.h"

#include "ui/color.h"
#include "ui/message_params.h"
#include "ui/window_dpi.h"

#include <commctrl.h>

namespace {

constexpr wchar_t kArrowClass[] = L"TArrowButton";

} // namespace

// ---- TArrowButton

TArrowButton::TArrowButton(TSkinDateTime& companion, ui::TControl* pickerControl, HWND picker)
    : TOverlayWindow(kArrowClass, 0, picker), companion_(companion), pickerControl_(pickerControl),
      picker_(picker) {
    MakeWindow();
}

bool TArrowButton::LeftSide() const {
    return (GetWindowLongW(picker_, GWL_EXSTYLE) & WS_EX_LEFTSCROLLBAR) != 0;
}

void TArrowButton::Place() {
    const HWND window = Window();
    if (!window) return;
    RECT outer{};
    if (!companion_.SkinActive() || !companion_.ArrowStrip() || !GetWindowRect(picker_, &outer)) {
        Hide();
        return;
    }
    // As wide as the picker's own button, inside its border: the system's measures at the
    // picker's density.
    const int dpi = companion_.Dpi();
    const TPixelRect at =
        ArrowButtonRect(outer.right - outer.left, outer.bottom - outer.top,
                        ui::MetricAtDpi(SM_CXHSCROLL, dpi), LeftSide(), ui::MetricAtDpi(SM_CXEDGE, dpi));
    const RECT r = ToRect(at);
    const bool shown = IsWindowVisible(window) != FALSE;
    if (shown && EqualRect(&r, &rect_)) return;
    rect_ = r;
    SetWindowPos(window, HWND_TOP, r.left, r.top, r.right - r.left, r.bottom - r.top,
                 SWP_NOACTIVATE | SWP_SHOWWINDOW);
}

void TArrowButton::SetHot(bool hot) {
    if (hot == Hot()) return;
    mouseState_ = hot ? static_cast<std::uint8_t>(mouseState_ | kHot)
                      : static_cast<std::uint8_t>(mouseState_ & ~kHot);
    Invalidate();
}

void TArrowButton::Paint(HDC dc) {
    const TDataSkinObject* strip = companion_.ArrowStrip();
    RECT all{};
    GetClientRect(Window(), &all);
    if (!strip || all.right <= 0 || all.bottom <= 0) return;
    // Composed off screen: no flicker between the fill and the arrow.
    HDC off = surface_.Prepare(all.right, all.bottom);
    if (!off) return;
    companion_.FillSkinColour(off, all);
    DrawCell(off, all,
             StripAtDpi(companion_.skin->Bitmaps(), strip->Image, strip->Image2x, strip->Frame,
                        companion_.Dpi()),
             true, strip->Frame, ArrowButtonFrame(Hot(), strip->Frame));
    surface_.CopyTo(dc, all);
}

bool TArrowButton::CalendarOpen() const {
    const auto calendar = reinterpret_cast<HWND>(SendMessageW(picker_, DTM_GETMONTHCAL, 0, 0));
    return calendar && IsWindowVisible(calendar);
}

std::optional<TPixelRect> TArrowButton::PickerButton() const {
    // Only pickers of Common Controls 6 answer; an older one leaves the answer empty, and the
    // press goes where Wine's picker keeps its button.
    DATETIMEPICKERINFO info{};
    info.cbSize = sizeof(info);
    SendMessageW(picker_, DTM_GETDATETIMEPICKERINFO, 0, reinterpret_cast<LPARAM>(&info));
    if (IsRectEmpty(&info.rcButton)) return std::nullopt;
    const RECT& b = info.rcButton;
    return ToPixelRect(b);
}

void TArrowButton::Press(WPARAM keys, POINT at) {
    RECT client{};
    GetClientRect(picker_, &client);
    const TPickerPoint p = PickerPressPoint(at.x, at.y, ToPixelRect(rect_), client.right,
                                            LeftSide(), PickerButton());
    // The focus first: given to the picker once its calendar is open, it would bring the form
    // back over the calendar where the calendar is a window of its own that takes activation.
    SetFocus(picker_);
    // Posted: the picker opens its calendar as for a click on its own button.
    PostMessageW(picker_, WM_LBUTTONDOWN, keys, MAKELPARAM(p.X, p.Y));
    PostMessageW(picker_, WM_LBUTTONUP, keys, MAKELPARAM(p.X, p.Y));
    Invalidate();
}

std::optional<LRESULT> TArrowButton::OnMessage(const ui::TMessage& msg) {
    switch (msg.Msg) {
    case WM_MOUSEMOVE:
        // The class library's enter and leave notifications, as its controls hear them.
        if (!tracking_) {
            TRACKMOUSEEVENT tme{sizeof(tme), TME_LEAVE, Window(), 0};
            tracking_ = TrackMouseEvent(&tme) != FALSE;
            SendMessageW(Window(), ui::CM_MOUSEENTER, 0, 0);
        }
        return 0;
    case WM_MOUSELEAVE:
        tracking_ = false;
        SendMessageW(Window(), ui::CM_MOUSELEAVE, 0, 0);
        return 0;
    case ui::CM_MOUSEENTER: {
        const bool enabled =
            pickerControl_ ? pickerControl_->Enabled() : IsWindowEnabled(picker_) != FALSE;
        if (enabled) SetHot(true);
        return 0;
    }
    case ui::CM_MOUSELEAVE:
        SetHot(false);
        return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: {
        const LRESULT result = DefaultHandling(msg);
        Press(msg.WParam, ui::PointParam(msg));
        return result;
    }
    case WM_LBUTTONUP:
        // An open calendar keeps the keyboard, and stays in front.
        if (!CalendarOpen()) SetFocus(picker_);
        return 0;
    default:
        return std::nullopt;
    }
}

// ---- TSkinDateTime

TSkinDateTime::TSkinDateTime(ui::TComponent* owner) : TSkinControl(owner) {}

TSkinDateTime::~TSkinDateTime() {
    Destroying();
}

const ui::TClassInfo& TSkinDateTime::StaticClass() {
    static const ui::TClassInfo info(L"TSkinDateTime", &TSkinControl::StaticClass());
    return info;
}

const TDataSkinObject* TSkinDateTime::ArrowStrip() const {
    const TDataSkinObject* arrow = skin ? skin->Elements().ComboArrow.get() : nullptr;
    return arrow && !arrow->Image.Pixels.empty() ? arrow : nullptr;
}

void TSkinDateTime::AttachControl(TSkinControlHost* host, TSkinData* skinData, bool takeColour,
                                  ui::TCanvas* sharedCanvas) {
    if (attached) return;
    TSkinControl::AttachControl(host, skinData, takeColour, sharedCanvas);
    // A picker with an up-down has no drop-down button to cover; without the strip the picker
    // keeps its own.
    if (!control || !handle || !ArrowStrip() || (Style() & DTS_UPDOWN)) return;
    // The picker paints around the button, not over it.
    SetWindowLongW(handle, GWL_STYLE, static_cast<LONG>(Style() | WS_CLIPCHILDREN));
    arrow_ = std::make_unique<TArrowButton>(*this, control, handle);
    arrow_->Place();
}

void TSkinDateTime::SkinActivityChanged() {
    if (!arrow_) return;
    if (!SkinActive()) arrow_->Hide();
    // The picker's own frame and button come back, or go again.
    RedrawWindow(handle, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    if (SkinActive()) {
        arrow_->Place();
        arrow_->Invalidate();
    }
}

void TSkinDateTime::Detach() {
    TSkinControl::Detach();
    if (arrow_) arrow_->Hide();
}

void TSkinDateTime::AfterMessage(ui::TMessage& msg) {
    switch (msg.Msg) {
    case WM_SIZE:
        if (arrow_) {
            arrow_->Place();
            arrow_->Invalidate();
        }
        break;
    case WM_NCPAINT:
        PaintWindow(nullptr);
        break;
    case ui::CM_ENABLEDCHANGED:
        if (arrow_) arrow_->Invalidate();
        TSkinControl::AfterMessage(msg);
        break;
    default:
        TSkinControl::AfterMessage(msg);
        break;
    }
}

void TSkinDateTime::DrawSkin(HDC dc, const RECT& rect) {
    if (!skin) return;
    if (arrow_) {
        arrow_->Place();
        // Over whatever the picker drew there.
        arrow_->Invalidate();
    }
    RECT client{};
    GetClientRect(handle, &client);
    const RECT r{0, 0, rect.right - rect.left, rect.bottom - rect.top};
    if (client.right != r.right || client.bottom != r.bottom) {
        RECT at = r;
        OffsetRect(&at, rect.left, rect.top);
        FrameWithWhiteLine(dc, at, ui::ColorRef(SkinColour(kButtonShadow)));
    }
}
