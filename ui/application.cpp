// The application object and its hidden window.
#include "ui/application.h"

#include "ui/form.h"
#include "ui/hint_window.h"
#include "ui/prop_builders.h"
#include "ui/scale_measure.h"
#include "ui/stdctrls.h"
#include "ui/text_codec.h"
#include "ui/window_dpi.h"

#include <algorithm>
#include <stdexcept>

namespace ui {

TApplication* Application = nullptr;

namespace {

constexpr wchar_t kClassName[] = L"TApplication";
constexpr UINT_PTR kHintShowTimer = 1;
constexpr UINT_PTR kHintHideTimer = 2;

// Our messages are UTF-8; text that is not is taken in the ANSI code page.
std::wstring MessageText(const std::string& s) {
    if (auto wide = Utf8ToWide(s)) return *wide;
    return AnsiToWide(s);
}

std::wstring ModuleTitle() {
    wchar_t path[MAX_PATH];
    const DWORD n = GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring title(path, n);
    const auto slash = title.find_last_of(L"\\/");
    if (slash != std::wstring::npos) title.erase(0, slash + 1);
    const auto dot = title.rfind(L'.');
    if (dot != std::wstring::npos) title.erase(dot);
    return title;
}

} // namespace

std::wstring ExceptionMessage(std::exception_ptr e) {
    try {
        std::rethrow_exception(e);
    } catch (const std::exception& ex) {
        return MessageText(ex.what());
    } catch (...) {
        return L"Unknown exception";
    }
}

void HandleException(TPersistent* sender) {
    if (Application) {
        Application->HandleException(sender);
        return;
    }
    MessageBoxW(nullptr, ExceptionMessage(std::current_exception()).c_str(), L"Error",
                MB_OK | MB_ICONSTOP);
}

TApplication::TApplication() : TComponent(nullptr), title_(ModuleTitle()) {
    if (Application) throw std::logic_error("There is already an application object");
    RegisterStandardClasses();
    ErrorBox = [this](const std::wstring& message) {
        MessageBoxW(main_form_ && main_form_->HandleAllocated() ? main_form_->Handle() : Handle(),
                    message.c_str(), title_.c_str(), MB_OK | MB_ICONSTOP);
    };
    // A zero-sized popup with a caption: invisible on screen, but it carries the program's
    // taskbar button and owns every form.
    window_ = std::make_unique<TMessageWindow>(
        TMessageWindowParams{.class_name = kClassName,
                             .title = title_,
                             .message_only = false,
                             .style = WS_POPUP | WS_CAPTION | WS_CLIPSIBLINGS | WS_SYSMENU |
                                      WS_MINIMIZEBOX,
                             .x = GetSystemMetrics(SM_CXSCREEN) / 2,
                             .y = GetSystemMetrics(SM_CYSCREEN) / 2,
                             .icon = LoadIconW(GetModuleHandleW(nullptr), L"MAINICON")},
        [this](UINT msg, WPARAM wp, LPARAM lp) { return WndProc(msg, wp, lp); });
    Application = this;
}

TApplication::~TApplication() {
    Destroying();
    CancelHint();
    DestroyComponents(); // the forms, newest first
    window_.reset();
    Application = nullptr;
}

const TClassInfo& TApplication::StaticClass() {
    using C = TApplication;
    static const TClassInfo info(
        L"TApplication", &TComponent::StaticClass(),
        {
            props::String(L"Title", &C::Title, &C::SetTitle),
            props::Integer(L"HintPause", &C::HintPause, &C::SetHintPause),
            props::Integer(L"HintShortPause", &C::HintShortPause, &C::SetHintShortPause),
            props::Integer(L"HintHidePause", &C::HintHidePause, &C::SetHintHidePause),
            props::Boolean(L"ShowHint", &C::ShowHint, &C::SetShowHint),
        });
    return info;
}

void TApplication::SetTitle(const std::wstring& title) {
    title_ = title;
    SetWindowTextW(Handle(), title.c_str());
}

void TApplication::RemoveForm(TForm* f) {
    std::erase(forms_, f);
    if (main_form_ == f) main_form_ = nullptr;
}

void TApplication::Run() {
    ShowWindow(Handle(), SW_SHOWNOACTIVATE);
    if (main_form_) main_form_->Show();
    while (!terminated_ && HandleMessage()) {
    }
}

bool TApplication::HandleMessage() {
    MSG msg;
    const BOOL got = GetMessageW(&msg, nullptr, 0, 0);
    if (got == 0 || got == -1) {
        terminated_ = true;
        return false;
    }
    if (!IsDialogMessage(msg)) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return true;
}

void TApplication::ProcessMessages() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            terminated_ = true;
            return;
        }
        if (!IsDialogMessage(msg)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
    }
}

void TApplication::Terminate() {
    if (!terminated_) PostQuitMessage(0);
    terminated_ = true;
}

void TApplication::SetActive(bool active) {
    if (active == active_) return;
    active_ = active;
    const TNotifyEvent& event = active ? OnActivate : OnDeactivate;
    if (event) event(this);
}

void TApplication::HandleException(TPersistent*) {
    const std::wstring message = ExceptionMessage(std::current_exception());
    if (ErrorBox) ErrorBox(message);
}

THintWindow* TApplication::HintWindow() {
    if (!hint_window_) {
        hint_window_ = new THintWindow(this);
        hint_window_->FreeNotification(this);
    }
    return hint_window_;
}

void TApplication::Notification(TComponent* component, TOperation operation) {
    TComponent::Notification(component, operation);
    if (operation != TOperation::opRemove) return;
    if (component == hint_control_) CancelHint();
    if (component == hint_window_) hint_window_ = nullptr;
}

void TApplication::HintMouseEnter(TControl* control) {
    const bool was_showing = hint_window_ && hint_window_->Showing();
    CancelHint();
    if (!show_hint_ || !control->ShowHint() || GetShortHint(control->Hint()).empty()) return;
    hint_control_ = control;
    control->FreeNotification(this);
    SetTimer(Handle(), kHintShowTimer,
             static_cast<UINT>(was_showing ? hint_short_pause_ : hint_pause_), nullptr);
}

void TApplication::HintMouseLeave(TControl* control) {
    if (control == hint_control_) CancelHint();
}

void TApplication::CancelHint() {
    KillTimer(Handle(), kHintShowTimer);
    KillTimer(Handle(), kHintHideTimer);
    if (hint_window_) hint_window_->ReleaseHint();
    if (hint_control_) hint_control_->RemoveFreeNotification(this);
    hint_control_ = nullptr;
}

void TApplication::ShowHintNow() {
    KillTimer(Handle(), kHintShowTimer);
    if (!hint_control_) return;
    POINT p;
    GetCursorPos(&p);
    const int dpi = MonitorDpiAt(p);
    HintWindow()->SetDpi(dpi);
    RECT r =
        HintWindow()->CalcHintRect(ScaleMeasure(500, dpi), GetShortHint(hint_control_->Hint()));
    // Below the cursor's hot spot, clear of the arrow.
    OffsetRect(&r, p.x, p.y + MetricAtDpi(SM_CYCURSOR, MonitorDpiAt(p)) * 2 / 3);
    hint_window_->ActivateHint(r, GetShortHint(hint_control_->Hint()));
    SetTimer(Handle(), kHintHideTimer, static_cast<UINT>(hint_hide_pause_), nullptr);
}

bool TApplication::IsDialogMessage(MSG& msg) {
    if (msg.message != WM_KEYDOWN && msg.message != WM_SYSCHAR) return false;
    // The control the key goes to: the window itself or, for the edit inside a combo box,
    // its nearest library-made ancestor.
    TControl* control = nullptr;
    for (HWND w = msg.hwnd; w && !control; w = GetParent(w))
        control = FindControl(w);
    if (!control) return false;
    TForm* form = control->ParentForm();
    if (!form) return false;
    try {
        if (msg.message == WM_SYSCHAR)
            return form->Perform(CM_DIALOGCHAR, msg.wParam, msg.lParam) != 0;
        const WPARAM key = msg.wParam;
        LRESULT want = 0;
        switch (key) {
        case VK_TAB:
            want = DLGC_WANTTAB | DLGC_WANTALLKEYS;
            break;
        case VK_LEFT:
        case VK_RIGHT:
        case VK_UP:
        case VK_DOWN:
            want = DLGC_WANTARROWS | DLGC_WANTALLKEYS;
            break;
        case VK_RETURN:
        case VK_ESCAPE:
            want = DLGC_WANTALLKEYS | DLGC_WANTMESSAGE;
            break;
        default:
            return false;
        }
        const LRESULT code =
            SendMessageW(msg.hwnd, WM_GETDLGCODE, key, reinterpret_cast<LPARAM>(&msg));
        if (code & want) return false;
        // An open drop-down list takes its own return, escape and arrows.
        for (HWND w = msg.hwnd; w; w = GetParent(w))
            if (SendMessageW(w, CB_GETDROPPEDSTATE, 0, 0) && FindControl(w) &&
                GetWindowLongW(w, GWL_STYLE) & (CBS_DROPDOWN | CBS_DROPDOWNLIST))
                return false;
        if (control->Perform(CM_DIALOGKEY, key, msg.lParam) != 0) return true;
        return form->Perform(CM_DIALOGKEY, key, msg.lParam) != 0;
    } catch (...) {
        ui::HandleException(form);
        return true;
    }
}

std::optional<LRESULT> TApplication::WndProc(UINT msg, WPARAM wp, LPARAM) {
    switch (msg) {
    case WM_TIMER:
        if (wp == kHintShowTimer)
            ShowHintNow();
        else if (wp == kHintHideTimer)
            CancelHint();
        return 0;
    case WM_ACTIVATEAPP:
        SetActive(wp != 0);
        return 0;
    case WM_CLOSE:
        if (main_form_) main_form_->Close();
        return 0;
    case WM_SYSCOMMAND:
        if ((wp & 0xFFF0) == SC_RESTORE && main_form_) {
            ShowWindow(Handle(), SW_RESTORE);
            main_form_->Show();
            return 0;
        }
        break;
    default:
        break;
    }
    return std::nullopt;
}

} // namespace ui
