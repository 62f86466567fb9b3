// The track bar over the system's track-bar class.
#include "ui/track_bar.h"

#include "ui/messages.h"
#include "ui/prop_builders.h"

#include <commctrl.h>

#include <algorithm>

namespace ui {

TTrackBar::TTrackBar(TComponent* owner) : TRangeControl(owner, 10) {
    tab_stop_ = true;
    width_ = 150;
    height_ = 45;
}

const TClassInfo& TTrackBar::StaticClass() {
    using C = TTrackBar;
    static const TClassInfo info(
        L"TTrackBar", &TRangeControl::StaticClass(),
        {
            props::Enum(L"Orientation", {L"trHorizontal", L"trVertical"}, &C::Orientation,
                        &C::SetOrientation),
            props::Integer(L"Frequency", &C::Frequency, &C::SetFrequency),
            props::Enum(L"TickStyle", {L"tsNone", L"tsAuto", L"tsManual"}, &C::TickStyle,
                        &C::SetTickStyle),
            props::Enum(L"TickMarks", {L"tmBottomRight", L"tmTopLeft", L"tmBoth"}, &C::TickMarks,
                        &C::SetTickMarks),
        });
    return info;
}

void TTrackBar::SetFrequency(int v) {
    frequency_ = std::max(1, v);
    if (handle_) SendMessageW(handle_, TBM_SETTICFREQ, static_cast<WPARAM>(frequency_), 0);
}

void TTrackBar::SetOrientation(TTrackBarOrientation v) {
    if (v == orientation_) return;
    orientation_ = v;
    // A bar turned on its side keeps its length and thickness, unless a description sets both.
    if (!(ComponentState() & csLoading)) SetBounds(left_, top_, height_, width_);
    StyleChanged();
}

void TTrackBar::SetTickStyle(TTickStyle v) {
    if (v == tick_style_) return;
    tick_style_ = v;
    StyleChanged();
}

void TTrackBar::SetTickMarks(TTickMark v) {
    if (v == tick_marks_) return;
    tick_marks_ = v;
    StyleChanged();
}

void TTrackBar::StyleChanged() {
    if (handle_) RecreateWnd();
}

void TTrackBar::CreateParams(TCreateParams& p) {
    TRangeControl::CreateParams(p);
    p.system_class = TRACKBAR_CLASSW;
    p.style |= orientation_ == TTrackBarOrientation::trVertical ? TBS_VERT : TBS_HORZ;
    switch (tick_style_) {
    case TTickStyle::tsNone:
        p.style |= TBS_NOTICKS;
        break;
    case TTickStyle::tsAuto:
        p.style |= TBS_AUTOTICKS;
        break;
    case TTickStyle::tsManual:
        break;
    }
    if (tick_marks_ == TTickMark::tmTopLeft) p.style |= TBS_TOP; // TBS_LEFT on a vertical bar
    if (tick_marks_ == TTickMark::tmBoth) p.style |= TBS_BOTH;
}

void TTrackBar::InitializeWnd() {
    TRangeControl::InitializeWnd();
    SendMessageW(handle_, TBM_SETTICFREQ, static_cast<WPARAM>(frequency_), 0);
}

void TTrackBar::RangeToWindow() {
    SendMessageW(handle_, TBM_SETRANGEMIN, FALSE, Min());
    SendMessageW(handle_, TBM_SETRANGEMAX, FALSE, Max());
}

void TTrackBar::PositionToWindow() {
    SendMessageW(handle_, TBM_SETPOS, TRUE, Position());
}

void TTrackBar::WndProc(TMessage& msg) {
    // The bar tells its parent of every move; the parent hands it back here.
    if (msg.Msg == CN_HSCROLL || msg.Msg == CN_VSCROLL) {
        PositionChanged(static_cast<int>(SendMessageW(handle_, TBM_GETPOS, 0, 0)));
        msg.Result = 0;
        return;
    }
    TRangeControl::WndProc(msg);
}

} // namespace ui
