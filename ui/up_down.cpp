// The up-down control over the system's up-down class.
#include "up_down.h"

#include "messages.h"
#include "prop_builders.h"

#include <commctrl.h>

#include <algorithm>

namespace ui {

TUpDown::TUpDown(TComponent* owner) : TWinControl(owner) {
    width_ = 17;
    height_ = 25;
}

const TClassInfo& TUpDown::StaticClass() {
    using C = TUpDown;
    static const TClassInfo info(
        L"TUpDown", &TWinControl::StaticClass(),
        {
            props::Integer(L"Min", &C::Min, &C::SetMin),
            props::Integer(L"Max", &C::Max, &C::SetMax),
            props::Integer(L"Position", &C::Position, &C::SetPosition),
            props::Enum(L"Orientation", {L"udVertical", L"udHorizontal"}, &C::Orientation,
                        &C::SetOrientation),
            props::Integer(L"Increment", &C::Increment, &C::SetIncrement),
            props::Reference(L"Associate", &C::Associate, &C::SetAssociate),
            props::Event(L"OnChange", &C::OnChange),
        });
    return info;
}

int TUpDown::Clamped(int position) const {
    // While a description is read the range may still be incomplete: keep what it says.
    if (ComponentState() & csLoading) return position;
    return std::clamp(position, std::min(min_, max_), std::max(min_, max_));
}

void TUpDown::SetMin(int v) {
    min_ = v;
    position_ = Clamped(position_);
    ApplyToWindow();
}

void TUpDown::SetMax(int v) {
    max_ = v;
    position_ = Clamped(position_);
    ApplyToWindow();
}

void TUpDown::SetPosition(int v) {
    v = Clamped(v);
    if (handle_) SendMessageW(handle_, UDM_SETPOS32, 0, v);
    PositionChanged(v);
}

void TUpDown::PositionChanged(int position) {
    if (position == position_) return;
    position_ = position;
    if (OnChange && Firing()) OnChange(this);
}

void TUpDown::SetIncrement(int v) {
    increment_ = v;
    if (!handle_) return;
    UDACCEL accel{0, static_cast<UINT>(std::max(1, increment_))};
    SendMessageW(handle_, UDM_SETACCEL, 1, reinterpret_cast<LPARAM>(&accel));
}

void TUpDown::SetOrientation(TUDOrientation v) {
    if (v == orientation_) return;
    orientation_ = v;
    if (handle_) RecreateWnd();
}

void TUpDown::SetAssociate(TWinControl* v) {
    if (v == associate_ || v == this) return;
    if (associate_) associate_->RemoveFreeNotification(this);
    associate_ = v;
    if (associate_) associate_->FreeNotification(this);
    // The system lays the arrows out against their companion when the window is made.
    if (handle_) RecreateWnd();
}

void TUpDown::Notification(TComponent* component, TOperation operation) {
    TWinControl::Notification(component, operation);
    if (operation == TOperation::opRemove && component == associate_) associate_ = nullptr;
}

void TUpDown::Loaded() {
    TWinControl::Loaded();
    position_ = Clamped(position_);
    ApplyToWindow();
}

void TUpDown::CreateParams(TCreateParams& p) {
    TWinControl::CreateParams(p);
    p.system_class = UPDOWN_CLASSW;
    p.style |= UDS_ARROWKEYS;
    if (orientation_ == TUDOrientation::udHorizontal) p.style |= UDS_HORZ;
    if (associate_) p.style |= UDS_SETBUDDYINT | UDS_ALIGNRIGHT;
}

void TUpDown::InitializeWnd() {
    if (associate_)
        SendMessageW(handle_, UDM_SETBUDDY, reinterpret_cast<WPARAM>(associate_->Handle()), 0);
    ApplyToWindow();
    SetIncrement(increment_);
}

void TUpDown::ApplyToWindow() {
    if (!handle_) return;
    SendMessageW(handle_, UDM_SETRANGE32, static_cast<WPARAM>(min_), static_cast<LPARAM>(max_));
    SendMessageW(handle_, UDM_SETPOS32, 0, position_);
}

void TUpDown::WndProc(TMessage& msg) {
    // Every step is reported to the parent as a scroll; the parent hands it back here.
    if (msg.Msg == CN_HSCROLL || msg.Msg == CN_VSCROLL) {
        PositionChanged(static_cast<int>(SendMessageW(handle_, UDM_GETPOS32, 0, 0)));
        msg.Result = 0;
        return;
    }
    TWinControl::WndProc(msg);
}

} // namespace ui
