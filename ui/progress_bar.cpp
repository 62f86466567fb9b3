// The progress bar over the system's progress class.
#include "ui/progress_bar.h"

#include "ui/prop_builders.h"

#include <commctrl.h>

namespace ui {

TProgressBar::TProgressBar(TComponent* owner) : TRangeControl(owner, 100) {
    width_ = 150;
    height_ = 16;
}

const TClassInfo& TProgressBar::StaticClass() {
    using C = TProgressBar;
    static const TClassInfo info(L"TProgressBar", &TRangeControl::StaticClass(),
                                 {
                                     props::Enum(L"Orientation", {L"pbHorizontal", L"pbVertical"},
                                                 &C::Orientation, &C::SetOrientation),
                                     props::Boolean(L"Smooth", &C::Smooth, &C::SetSmooth),
                                     props::Integer(L"Step", &C::Step, &C::SetStep),
                                 });
    return info;
}

void TProgressBar::SetStep(int v) {
    step_ = v;
    if (handle_) SendMessageW(handle_, PBM_SETSTEP, static_cast<WPARAM>(step_), 0);
}

void TProgressBar::SetOrientation(TProgressBarOrientation v) {
    if (v == orientation_) return;
    orientation_ = v;
    // A bar turned on its side keeps its length and thickness, unless a description sets both.
    if (!(ComponentState() & csLoading)) SetBounds(left_, top_, height_, width_);
    if (handle_) RecreateWnd();
}

void TProgressBar::SetSmooth(bool v) {
    if (v == smooth_) return;
    smooth_ = v;
    if (handle_) RecreateWnd();
}

void TProgressBar::CreateParams(TCreateParams& p) {
    TRangeControl::CreateParams(p);
    p.system_class = PROGRESS_CLASSW;
    if (orientation_ == TProgressBarOrientation::pbVertical) p.style |= PBS_VERTICAL;
    if (smooth_) p.style |= PBS_SMOOTH;
}

void TProgressBar::InitializeWnd() {
    TRangeControl::InitializeWnd();
    SendMessageW(handle_, PBM_SETSTEP, static_cast<WPARAM>(step_), 0);
}

void TProgressBar::RangeToWindow() {
    SendMessageW(handle_, PBM_SETRANGE32, static_cast<WPARAM>(Min()), static_cast<LPARAM>(Max()));
}

void TProgressBar::PositionToWindow() {
    SendMessageW(handle_, PBM_SETPOS, static_cast<WPARAM>(Position()), 0);
}

} // namespace ui
