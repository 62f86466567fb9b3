// Push buttons and check boxes over the system BUTTON class.
#include "ui/form.h"
#include "ui/message_params.h"
#include "ui/prop_builders.h"
#include "ui/stdctrls.h"

#include <cwctype>

namespace ui {

TButtonControl::TButtonControl(TComponent* owner) : TWinControl(owner) {
    tab_stop_ = true;
}

const TClassInfo& TButtonControl::StaticClass() {
    static const TClassInfo info(L"TButtonControl", &TWinControl::StaticClass());
    return info;
}

bool TButtonControl::IsAccel(std::uintptr_t ch) const {
    const std::wstring& t = text_;
    for (std::size_t i = 0; i + 1 < t.size(); ++i) {
        if (t[i] != L'&') continue;
        if (t[i + 1] == L'&') {
            ++i;
            continue;
        }
        return std::towupper(t[i + 1]) == std::towupper(static_cast<wint_t>(ch));
    }
    return false;
}

void TButtonControl::WndProc(TMessage& msg) {
    switch (msg.Msg) {
    case CN_COMMAND:
        if (HIWORD(msg.WParam) == BN_CLICKED) {
            Clicked();
            return;
        }
        break;
    case CM_DIALOGCHAR:
        if (IsAccel(msg.WParam) && CanFocus()) {
            SetFocus();
            Clicked();
            msg.Result = 1;
            return;
        }
        break;
    default:
        break;
    }
    TWinControl::WndProc(msg);
}

TButton::TButton(TComponent* owner) : TButtonControl(owner) {
    width_ = 75;
    height_ = 25;
}

const TClassInfo& TButton::StaticClass() {
    using C = TButton;
    static const TClassInfo info(L"TButton", &TButtonControl::StaticClass(),
                                 {
                                     props::Boolean(L"Default", &C::Default, &C::SetDefault),
                                     props::Boolean(L"Cancel", &C::Cancel, &C::SetCancel),
                                 });
    return info;
}

void TButton::SetDefault(bool v) {
    default_ = v;
    if (handle_) {
        TForm* form = ParentForm();
        if (!form || !dynamic_cast<TButton*>(form->ActiveControl())) ShowDefault(v);
    }
}

void TButton::ShowDefault(bool v) {
    if (handle_) SendMessageW(handle_, BM_SETSTYLE, v ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON, TRUE);
}

void TButton::CreateParams(TCreateParams& p) {
    TButtonControl::CreateParams(p);
    p.system_class = L"BUTTON";
    p.style |= default_ ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
}

void TButton::WndProc(TMessage& msg) {
    if (msg.Msg == CM_FOCUSCHANGED) {
        // The focused button shows as the default one; with the focus elsewhere the
        // Default button does.
        auto* focused = RecordParam<TControl>(msg);
        ShowDefault(dynamic_cast<TButton*>(focused) ? focused == this : default_);
    }
    TButtonControl::WndProc(msg);
}

TCheckBox::TCheckBox(TComponent* owner) : TButtonControl(owner) {
    width_ = 97;
    height_ = 17;
    parent_color_ = true;
}

const TClassInfo& TCheckBox::StaticClass() {
    using C = TCheckBox;
    // "Is a TCustomCheckBox" holds as well, though the library needs no class of that name.
    static const TClassInfo kind(L"TCustomCheckBox", &TButtonControl::StaticClass());
    static const TClassInfo info(
        L"TCheckBox", &kind,
        {
            props::Boolean(L"Checked", &C::Checked, &C::SetChecked),
            props::Enum(L"State", {L"cbUnchecked", L"cbChecked", L"cbGrayed"}, &C::State,
                        &C::SetState),
            props::Boolean(L"AllowGrayed", &C::AllowGrayed, &C::SetAllowGrayed),
            props::Enum(L"Alignment", {L"taLeftJustify", L"taRightJustify", L"taCenter"},
                        &C::Alignment, &C::SetAlignment),
        });
    return info;
}

void TCheckBox::SetState(TCheckBoxState v) {
    if (v == state_) return;
    state_ = v;
    if (handle_) SendMessageW(handle_, BM_SETCHECK, static_cast<WPARAM>(v), 0);
    Click();
}

void TCheckBox::SetAlignment(TAlignment v) {
    alignment_ = v;
    RecreateWnd();
}

void TCheckBox::CreateParams(TCreateParams& p) {
    TButtonControl::CreateParams(p);
    p.system_class = L"BUTTON";
    // We move through the states ourselves, so grayed can be skipped when not allowed.
    p.style |= BS_3STATE;
    if (alignment_ == TAlignment::taLeftJustify) p.style |= BS_LEFTTEXT;
}

void TCheckBox::InitializeWnd() {
    SendMessageW(handle_, BM_SETCHECK, static_cast<WPARAM>(state_), 0);
}

void TCheckBox::Clicked() {
    switch (state_) {
    case TCheckBoxState::cbUnchecked:
        SetState(allow_grayed_ ? TCheckBoxState::cbGrayed : TCheckBoxState::cbChecked);
        break;
    case TCheckBoxState::cbGrayed:
        SetState(TCheckBoxState::cbChecked);
        break;
    case TCheckBoxState::cbChecked:
        SetState(TCheckBoxState::cbUnchecked);
        break;
    }
}

} // namespace ui
