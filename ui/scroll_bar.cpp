// The stand-alone scroll bar over the system SCROLLBAR class.
#include "ui/scroll_bar.h"

#include "ui/prop_builders.h"
#include "ui/scale_measure.h"
#include "ui/window_dpi.h"

#include <algorithm>

namespace ui {

TScrollBar::TScrollBar(TComponent* owner) : TWinControl(owner) {
    tab_stop_ = true;
    width_ = 121;
    // A default of the stored layout, which is at 96 dpi whatever the display.
    height_ = MetricAtDpi(SM_CYHSCROLL, kBaseDpi);
}

const TClassInfo& TScrollBar::StaticClass() {
    using C = TScrollBar;
    static const TClassInfo info(
        L"TScrollBar", &TWinControl::StaticClass(),
        {
            props::Enum(L"Kind", {L"sbHorizontal", L"sbVertical"}, &C::Kind, &C::SetKind),
            props::Integer(L"Min", &C::Min, &C::SetMin),
            props::Integer(L"Max", &C::Max, &C::SetMax),
            props::Integer(L"PageSize", &C::PageSize, &C::SetPageSize),
            props::Integer(L"Position", &C::Position, &C::SetPosition),
            props::Integer(L"SmallChange", &C::SmallChange, &C::SetSmallChange),
            props::Integer(L"LargeChange", &C::LargeChange, &C::SetLargeChange),
            props::Event(L"OnScroll", &C::OnScroll),
            props::Event(L"OnChange", &C::OnChange),
        });
    return info;
}

void TScrollBar::SetKind(TScrollBarKind v) {
    if (v == kind_) return;
    kind_ = v;
    // A bar turned on its side keeps its length and thickness, unless a description sets both.
    if (!(ComponentState() & csLoading)) SetBounds(left_, top_, height_, width_);
    if (handle_) RecreateWnd();
}

void TScrollBar::SetMin(int v) {
    min_ = v;
    RangeChanged();
}

void TScrollBar::SetMax(int v) {
    max_ = v;
    RangeChanged();
}

void TScrollBar::SetPageSize(int v) {
    page_size_ = std::max(0, v);
    RangeChanged();
}

void TScrollBar::RangeChanged() {
    position_ = Clamped(position_);
    ApplyToWindow();
}

int TScrollBar::Clamped(int position) const {
    // While a description is read the range may still be incomplete: keep what it says.
    if (ComponentState() & csLoading) return position;
    const int last = page_size_ > 0 ? max_ - page_size_ + 1 : max_;
    return std::max(min_, std::min(position, last));
}

void TScrollBar::SetPosition(int v) {
    v = Clamped(v);
    if (v == position_) return;
    position_ = v;
    ApplyToWindow();
    if (OnChange && Firing()) OnChange(this);
}

void TScrollBar::Loaded() {
    TWinControl::Loaded();
    position_ = Clamped(position_);
    ApplyToWindow();
}

void TScrollBar::CreateParams(TCreateParams& p) {
    TWinControl::CreateParams(p);
    p.system_class = L"SCROLLBAR";
    p.style |= kind_ == TScrollBarKind::sbVertical ? SBS_VERT : SBS_HORZ;
}

void TScrollBar::InitializeWnd() {
    ApplyToWindow();
}

void TScrollBar::ApplyToWindow() {
    if (!handle_) return;
    SCROLLINFO si{};
    si.cbSize = sizeof(si);
    si.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
    si.nMin = min_;
    si.nMax = max_;
    si.nPage = static_cast<UINT>(page_size_);
    si.nPos = position_;
    SetScrollInfo(handle_, SB_CTL, &si, TRUE);
}

void TScrollBar::Scroll(int code) {
    int position = position_;
    switch (code) {
    case SB_LINEUP:
        position -= small_change_;
        break;
    case SB_LINEDOWN:
        position += small_change_;
        break;
    case SB_PAGEUP:
        position -= large_change_;
        break;
    case SB_PAGEDOWN:
        position += large_change_;
        break;
    case SB_THUMBPOSITION:
    case SB_THUMBTRACK: {
        // The full 32-bit position: the message's own carries only 16 bits.
        SCROLLINFO si{};
        si.cbSize = sizeof(si);
        si.fMask = SIF_TRACKPOS;
        if (GetScrollInfo(handle_, SB_CTL, &si)) position = si.nTrackPos;
        break;
    }
    case SB_TOP:
        position = min_;
        break;
    case SB_BOTTOM:
        position = max_;
        break;
    default:
        break;
    }
    if (OnScroll && Firing()) OnScroll(this, code, position);
    SetPosition(position);
}

void TScrollBar::WndProc(TMessage& msg) {
    if (msg.Msg == CN_HSCROLL || msg.Msg == CN_VSCROLL) {
        Scroll(LOWORD(msg.WParam));
        msg.Result = 0;
        return;
    }
    TWinControl::WndProc(msg);
}

} // namespace ui
