// The up-down control over the system's up-down class.
#include "ui/up_down.h"

#include "ui/messages.h"
#include "ui/prop_builders.h"

#include <commctrl.h>

#include <algorithm>

namespace ui {

TUpDown::TUpDown(TComponent* owner) : TRangeControl(owner, 100) {
    width_ = 17;
    height_ = 25;
}

const TClassInfo& TUpDown::StaticClass() {
    using C = TUpDown;
    static const TClassInfo info(
        L"TUpDown", &TRangeControl::StaticClass(),
        {
            props::Enum(L"Orientation", {L"udVertical", L"udHorizontal"}, &C::Orientation,
                        &C::SetOrientation),
            props::Integer(L"Increment", &C::Increment, &C::SetIncrement),
            props::Reference(L"Associate", &C::Associate, &C::SetAssociate),
        });
    return info;
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
    TRangeControl::Notification(component, operation);
    if (operation == TOperation::opRemove && component == associate_) associate_ = nullptr;
}

void TUpDown::CreateParams(TCreateParams& p) {
    TRangeControl::CreateParams(p);
    p.system_class = UPDOWN_CLASSW;
    p.style |= UDS_ARROWKEYS;
    if (orientation_ == TUDOrientation::udHorizontal) p.style |= UDS_HORZ;
    if (associate_) p.style |= UDS_SETBUDDYINT | UDS_ALIGNRIGHT;
}

void TUpDown::InitializeWnd() {
    if (associate_)
        SendMessageW(handle_, UDM_SETBUDDY, reinterpret_cast<WPARAM>(associate_->Handle()), 0);
    TRangeControl::InitializeWnd();
    SetIncrement(increment_);
}

void TUpDown::RangeToWindow() {
    SendMessageW(handle_, UDM_SETRANGE32, static_cast<WPARAM>(Min()), static_cast<LPARAM>(Max()));
}

void TUpDown::PositionToWindow() {
    SendMessageW(handle_, UDM_SETPOS32, 0, Position());
}

void TUpDown::WndProc(TMessage& msg) {
    // Every step is reported to the parent as a scroll; the parent hands it back here.
    if (msg.Msg == CN_HSCROLL || msg.Msg == CN_VSCROLL) {
        PositionChanged(static_cast<int>(SendMessageW(handle_, UDM_GETPOS32, 0, 0)));
        msg.Result = 0;
        return;
    }
    TRangeControl::WndProc(msg);
}

} // namespace ui
