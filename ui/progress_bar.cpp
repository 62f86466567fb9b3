// The progress bar over the system's progress class.
#include "progress_bar.h"

#include "prop_builders.h"

#include <commctrl.h>

#include <algorithm>

namespace ui {

TProgressBar::TProgressBar(TComponent* owner) : TWinControl(owner) {
    width_ = 150;
    height_ = 16;
}

const TClassInfo& TProgressBar::StaticClass() {
    using C = TProgressBar;
    static const TClassInfo info(L"TProgressBar", &TWinControl::StaticClass(),
                                 {
                                     props::Integer(L"Min", &C::Min, &C::SetMin),
                                     props::Integer(L"Max", &C::Max, &C::SetMax),
                                     props::Integer(L"Position", &C::Position, &C::SetPosition),
                                     props::Enum(L"Orientation", {L"pbHorizontal", L"pbVertical"},
                                                 &C::Orientation, &C::SetOrientation),
                                     props::Boolean(L"Smooth", &C::Smooth, &C::SetSmooth),
                                     props::Integer(L"Step", &C::Step, &C::SetStep),
                                 });
    return info;
}

int TProgressBar::Clamped(int position) const {
    // While a description is read the range may still be incomplete: keep what it says.
    if (ComponentState() & csLoading) return position;
    return std::clamp(position, min_, std::max(min_, max_));
}

void TProgressBar::SetMin(int v) {
    min_ = v;
    position_ = Clamped(position_);
    ApplyToWindow();
}

void TProgressBar::SetMax(int v) {
    max_ = v;
    position_ = Clamped(position_);
    ApplyToWindow();
}

void TProgressBar::SetPosition(int v) {
    position_ = Clamped(v);
    if (handle_) SendMessageW(handle_, PBM_SETPOS, static_cast<WPARAM>(position_), 0);
}

void TProgressBar::StepBy(int delta) {
    SetPosition(position_ + delta);
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

void TProgressBar::Loaded() {
    TWinControl::Loaded();
    position_ = Clamped(position_);
    ApplyToWindow();
}

void TProgressBar::CreateParams(TCreateParams& p) {
    TWinControl::CreateParams(p);
    p.system_class = PROGRESS_CLASSW;
    if (orientation_ == TProgressBarOrientation::pbVertical) p.style |= PBS_VERTICAL;
    if (smooth_) p.style |= PBS_SMOOTH;
}

void TProgressBar::InitializeWnd() {
    ApplyToWindow();
    SendMessageW(handle_, PBM_SETSTEP, static_cast<WPARAM>(step_), 0);
}

void TProgressBar::ApplyToWindow() {
    if (!handle_) return;
    SendMessageW(handle_, PBM_SETRANGE32, static_cast<WPARAM>(min_), static_cast<LPARAM>(max_));
    SendMessageW(handle_, PBM_SETPOS, static_cast<WPARAM>(position_), 0);
}

} // namespace ui
