// The range and position of the value controls.
#include "ui/range_control.h"

#include "ui/prop_builders.h"

#include <algorithm>

namespace ui {

TRangeControl::TRangeControl(TComponent* owner, int max) : TWinControl(owner), max_(max) {}

const TClassInfo& TRangeControl::StaticClass() {
    using C = TRangeControl;
    static const TClassInfo info(L"TRangeControl", &TWinControl::StaticClass(),
                                 {
                                     props::Integer(L"Min", &C::Min, &C::SetMin),
                                     props::Integer(L"Max", &C::Max, &C::SetMax),
                                     props::Integer(L"Position", &C::Position, &C::SetPosition),
                                     props::Event(L"OnChange", &C::OnChange),
                                 });
    return info;
}

int TRangeControl::Clamped(int position) const {
    // While a description is read the range may still be incomplete: keep what it says.
    if (ComponentState() & csLoading) return position;
    return std::clamp(position, std::min(min_, max_), std::max(min_, max_));
}

void TRangeControl::SetMin(int v) {
    min_ = v;
    position_ = Clamped(position_);
    ApplyToWindow();
}

void TRangeControl::SetMax(int v) {
    max_ = v;
    position_ = Clamped(position_);
    ApplyToWindow();
}

void TRangeControl::SetPosition(int v) {
    v = Clamped(v);
    const bool changed = v != position_;
    position_ = v;
    if (handle_) PositionToWindow();
    if (changed && OnChange && Firing()) OnChange(this);
}

void TRangeControl::PositionChanged(int position) {
    if (position == position_) return;
    position_ = position;
    if (OnChange && Firing()) OnChange(this);
}

void TRangeControl::Loaded() {
    TWinControl::Loaded();
    position_ = Clamped(position_);
    ApplyToWindow();
}

void TRangeControl::InitializeWnd() {
    ApplyToWindow();
}

void TRangeControl::ApplyToWindow() {
    if (!handle_) return;
    RangeToWindow();
    PositionToWindow();
}

} // namespace ui
