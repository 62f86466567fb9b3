// Forms: frame styles, activation and focus, dialog keys, closing.
#include "ui/form.h"

#include "ui/application.h"
#include "ui/form_binding.h"
#include "ui/image_list.h"
#include "ui/layout_scale.h"
#include "ui/menus.h"
#include "ui/message_params.h"
#include "ui/prop_builders.h"
#include "ui/startup_marks.h"
#include "ui/stdctrls.h"
#include "ui/window_dpi.h"

namespace ui {

TForm::TForm(TComponent* owner) : TWinControl(owner), icon_(std::make_unique<TIcon>()) {
    visible_ = false;
    parent_font_ = false;
    font_->SetName(L"Tahoma");
    width_ = 320;
    height_ = 240;
    icon_->OnChange = [this] { ApplyIcon(); };
    if (Application) Application->AddForm(this);
}

TForm::~TForm() {
    if (Application) Application->RemoveForm(this);
    DestroyHandle();
    icon_->OnChange = nullptr;
}

void TForm::ApplyIcon() {
    if (!handle_ || icon_->Empty()) return;
    // The caption's small icon at the form's density, so a denser display gets a larger image
    // from the icon rather than the small one stretched.
    OwnedIcon small =
        icon_->HandleForSize(MetricAtDpi(SM_CXSMICON, dpi_), MetricAtDpi(SM_CYSMICON, dpi_));
    SendMessageW(handle_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon_->Handle()));
    SendMessageW(handle_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(small.get()));
    // The window no longer shows the one it had, so it may go.
    small_icon_ = std::move(small);
}

void TForm::BeforeDestruction() {
    if (!destroying_fired_) {
        destroying_fired_ = true;
        if (OnDestroy) OnDestroy(this);
    }
    TWinControl::BeforeDestruction();
    // The window goes while the whole form, handlers included, still exists.
    DestroyHandle();
    ClearMessageHandlers();
}

const TClassInfo& TForm::StaticClass() {
    using C = TForm;
    // "Is a TCustomForm" holds as well, though the library needs no class of that name.
    static const TClassInfo kind(L"TCustomForm", &TWinControl::StaticClass());
    static const TClassInfo info(
        L"TForm", &kind,
        {
            props::Enum(L"BorderStyle",
                        {L"bsNone", L"bsSingle", L"bsSizeable", L"bsDialog", L"bsToolWindow",
                         L"bsSizeToolWin"},
                        &C::BorderStyle, &C::SetBorderStyle),
            props::Set(L"BorderIcons", {L"biSystemMenu", L"biMinimize", L"biMaximize", L"biHelp"},
                       &C::BorderIcons, &C::SetBorderIcons),
            props::Enum(L"FormStyle", {L"fsNormal", L"fsMDIChild", L"fsMDIForm", L"fsStayOnTop"},
                        &C::FormStyle, &C::SetFormStyle),
            props::Enum(L"Position",
                        {L"poDesigned", L"poDefault", L"poDefaultPosOnly", L"poDefaultSizeOnly",
                         L"poScreenCenter"},
                        &C::Position, &C::SetPosition),
            props::Integer(L"ClientWidth", &C::ClientWidthValue, &C::SetClientWidth),
            props::Integer(L"ClientHeight", &C::ClientHeightValue, &C::SetClientHeight),
            props::Integer(L"PixelsPerInch", &C::PixelsPerInch, &C::SetPixelsPerInch),
            props::Integer(L"TextHeight", &C::TextHeight, &C::SetTextHeight),
            props::Boolean(L"OldCreateOrder", &C::OldCreateOrder, &C::SetOldCreateOrder),
            props::Boolean(L"KeyPreview", &C::KeyPreview, &C::SetKeyPreview),
            props::Object(L"Icon", &C::Icon),
            props::Reference(L"ActiveControl", &C::ActiveControl, &C::SetActiveControl),
            props::Event(L"OnCreate", &C::OnCreate),
            props::Event(L"OnDestroy", &C::OnDestroy),
            props::Event(L"OnShow", &C::OnShow),
            props::Event(L"OnActivate", &C::OnActivate),
            props::Event(L"OnDeactivate", &C::OnDeactivate),
            props::Event(L"OnClose", &C::OnClose),
        });
    return info;
}

void TForm::SetBorderStyle(TFormBorderStyle v) {
    border_style_ = v;
    RecreateWnd();
}

void TForm::SetBorderIcons(std::uint32_t v) {
    border_icons_ = v;
    RecreateWnd();
}

void TForm::SetFormStyle(TFormStyle v) {
    form_style_ = v;
    if (handle_)
        SetWindowPos(handle_, v == TFormStyle::fsStayOnTop ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0,
                     0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

SIZE TForm::FrameExtra() {
    if (handle_) {
        RECT w, c;
        GetWindowRect(handle_, &w);
        GetClientRect(handle_, &c);
        return {(w.right - w.left) - c.right, (w.bottom - w.top) - c.bottom};
    }
    TCreateParams p;
    CreateParams(p);
    RECT r{0, 0, 0, 0};
    AdjustWindowRectAtDpi(r, p.style, false, p.ex_style, dpi_);
    return {r.right - r.left, r.bottom - r.top};
}

// Before the window exists a size given as a client size is that size, whatever density the
// frame was measured at when it was given.
int TForm::ClientWidth() {
    if (handle_) return TWinControl::ClientWidth();
    return client_width_ >= 0 ? client_width_ : width_ - FrameExtra().cx;
}

int TForm::ClientHeight() {
    if (handle_) return TWinControl::ClientHeight();
    return client_height_ >= 0 ? client_height_ : height_ - FrameExtra().cy;
}

void TForm::SetClientWidth(int v) {
    if (!handle_) client_width_ = v;
    SetWidth(v + FrameExtra().cx);
}

void TForm::SetClientHeight(int v) {
    if (!handle_) client_height_ = v;
    SetHeight(v + FrameExtra().cy);
}

void TForm::SetPixelsPerInch(int v) {
    // Outside a description the layout is at whatever density it was scaled to; only
    // ScaleForDpi changes that.
    if (ComponentState() & csLoading) dpi_ = DesignDpi(v);
}

int TForm::DisplayDpi() const {
    if (handle_) return WindowDpi(handle_);
    // The primary monitor has the screen's origin.
    return MonitorDpiAt(position_ == TPosition::poDesigned ? POINT{left_, top_} : POINT{0, 0});
}

void TForm::ScaleForDpi(int dpi) {
    ChangeDpi(dpi, nullptr);
}

void TForm::ChangeDpi(int dpi, const RECT* window) {
    if (dpi <= 0 || dpi == dpi_) return;
    const int from = dpi_;
    const int client_width = ClientWidth();
    const int client_height = ClientHeight();
    // The frame is measured at the new density from here on.
    dpi_ = dpi;
    text_height_ = ScaleMeasure(text_height_, dpi, from);
    // The controls are laid out once, inside the old client area, before the window moves:
    // nothing re-lays them out while it is sized.
    ScaleContents(dpi, from);
    // The form's image lists draw at its density too.
    for (TComponent* c : Components())
        if (auto* images = dynamic_cast<TImageListComponent*>(c)) images->ScaleForDpi(dpi, from);
    // A frame drawn by whoever hooks the form takes the new density before the window is
    // sized, so the client size below comes out whatever that frame's sizes now are.
    Perform(CM_DPICHANGED, static_cast<std::uintptr_t>(dpi), from);
    if (window && handle_)
        SetWindowPos(handle_, nullptr, window->left, window->top, window->right - window->left,
                     window->bottom - window->top, SWP_NOZORDER | SWP_NOACTIVATE);
    SetClientWidth(ScaleMeasure(client_width, dpi, from));
    SetClientHeight(ScaleMeasure(client_height, dpi, from));
    ApplyIcon();
}

void TForm::DpiChanged(TMessage& msg) {
    msg.Result = 0;
    // Sizing the window to the suggested rectangle may bring another change with it; the
    // first one lays the form out and chooses its place.
    if (changing_dpi_) return;
    changing_dpi_ = true;
    ChangeDpi(HIWORD(msg.WParam), RecordParam<const RECT>(msg));
    changing_dpi_ = false;
    if (handle_)
        RedrawWindow(handle_, nullptr, nullptr,
                     RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
}

void TForm::CreateParams(TCreateParams& p) {
    TWinControl::CreateParams(p);
    p.style = WS_CLIPCHILDREN | WS_CLIPSIBLINGS;
    p.ex_style = 0;
    p.parent = Application ? Application->Handle() : nullptr;
    p.class_style = CS_DBLCLKS;
    const bool tool = border_style_ == TFormBorderStyle::bsToolWindow ||
                      border_style_ == TFormBorderStyle::bsSizeToolWin;
    switch (border_style_) {
    case TFormBorderStyle::bsNone:
        p.style |= WS_POPUP;
        break;
    case TFormBorderStyle::bsSingle:
    case TFormBorderStyle::bsToolWindow:
        p.style |= WS_CAPTION | WS_BORDER;
        break;
    case TFormBorderStyle::bsSizeable:
    case TFormBorderStyle::bsSizeToolWin:
        p.style |= WS_CAPTION | WS_THICKFRAME;
        break;
    case TFormBorderStyle::bsDialog:
        p.style |= WS_POPUP | WS_CAPTION | DS_MODALFRAME;
        p.ex_style |= WS_EX_DLGMODALFRAME | WS_EX_WINDOWEDGE;
        break;
    }
    if (tool) p.ex_style |= WS_EX_TOOLWINDOW;
    if (border_style_ != TFormBorderStyle::bsNone && (border_icons_ & biSystemMenu)) {
        p.style |= WS_SYSMENU;
        if (border_style_ != TFormBorderStyle::bsDialog && !tool) {
            if (border_icons_ & biMinimize) p.style |= WS_MINIMIZEBOX;
            if (border_icons_ & biMaximize) p.style |= WS_MAXIMIZEBOX;
        }
    }
    if (form_style_ == TFormStyle::fsStayOnTop) p.ex_style |= WS_EX_TOPMOST;
    if (position_ == TPosition::poDefault || position_ == TPosition::poDefaultPosOnly)
        p.x = p.y = CW_USEDEFAULT;
    // The window appears through Show, after its children exist.
}

void TForm::InitializeWnd() {
    // A size set as a client size keeps the client size whatever the frame turned out to be.
    // The menu bar first: it takes its height from the client area.
    if (menu_) ::SetMenu(handle_, menu_->MenuBar());
    // The window was made at its place and at that client size with the frame measured
    // beforehand; it is moved and sized only where it came out otherwise (a menu bar, a
    // place the system chose).
    const RECT at = WindowBounds();
    RECT client{};
    GetClientRect(handle_, &client);
    if (at.left == left_ && at.top == top_ &&
        (client_width_ < 0 || client.right == client_width_) &&
        (client_height_ < 0 || client.bottom == client_height_)) {
        width_ = at.right - at.left;
        height_ = at.bottom - at.top;
    } else {
        if (client_width_ >= 0) SetClientWidth(client_width_);
        if (client_height_ >= 0) SetClientHeight(client_height_);
    }
    ApplyIcon();
}

void TForm::VisibleChanging() {
    if (!visible_ && position_ == TPosition::poScreenCenter) {
        left_ = (GetSystemMetrics(SM_CXSCREEN) - width_) / 2;
        top_ = (GetSystemMetrics(SM_CYSCREEN) - height_) / 2;
        if (handle_)
            SetWindowPos(handle_, nullptr, left_, top_, 0, 0,
                         SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

void TForm::SetActiveControl(TWinControl* c) {
    if (c == active_control_) return;
    if (active_control_) active_control_->RemoveFreeNotification(this);
    active_control_ = c;
    if (c) {
        c->FreeNotification(this);
        if (handle_ && active_ && c->CanFocus() && !c->Focused()) c->SetFocus();
    }
}

void TForm::Notification(TComponent* c, TOperation op) {
    TWinControl::Notification(c, op);
    if (op == TOperation::opRemove && c == active_control_) active_control_ = nullptr;
    if (op == TOperation::opRemove && c == menu_) SetMenu(nullptr);
}

void TForm::SetMenu(TMainMenu* menu) {
    if (menu_ == menu) return;
    if (menu_) menu_->RemoveFreeNotification(this);
    menu_ = menu;
    if (menu_) menu_->FreeNotification(this);
    if (handle_) {
        ::SetMenu(handle_, menu_ ? menu_->MenuBar() : nullptr);
        MenuChanged();
    }
}

bool TForm::MenuMessage(TMessage& msg) {
    if (!menu_) return false;
    switch (msg.Msg) {
    case WM_COMMAND:
        // From a menu: no control, notification code 0.
        return msg.LParam == 0 && HIWORD(msg.WParam) == 0 &&
               menu_->DispatchCommand(LOWORD(msg.WParam));
    case WM_MEASUREITEM:
        return menu_->DispatchMeasure(*RecordParam<MEASUREITEMSTRUCT>(msg));
    case WM_DRAWITEM:
        return menu_->DispatchDraw(*reinterpret_cast<const DRAWITEMSTRUCT*>(msg.LParam));
    default:
        return false;
    }
}

void TForm::FocusControl(TWinControl* c) {
    if (c == this) return;
    TWinControl* previous = active_control_;
    if (previous != c) {
        if (previous) {
            previous->RemoveFreeNotification(this);
            previous->Perform(CM_EXIT);
            if (previous->OnExit && Firing()) previous->OnExit(previous);
        }
        active_control_ = c;
        if (c) {
            c->FreeNotification(this);
            c->Perform(CM_ENTER);
            if (c->OnEnter && Firing()) c->OnEnter(c);
        }
    }
    Perform(CM_FOCUSCHANGED, 0, reinterpret_cast<std::intptr_t>(static_cast<TControl*>(c)));
}

void TForm::SelectNext(TWinControl* current, bool forward, bool check_tab_stop) {
    if (TWinControl* next = FindNextControl(current, forward, check_tab_stop)) next->SetFocus();
}

void TForm::Close() {
    TCloseAction action = TCloseAction::caHide;
    if (Application && Application->MainForm() == this) action = TCloseAction::caFree;
    if (OnClose) OnClose(this, action);
    if (action == TCloseAction::caNone) return;
    if (Application && Application->MainForm() == this) {
        Application->Terminate();
        return;
    }
    switch (action) {
    case TCloseAction::caHide:
        Hide();
        break;
    case TCloseAction::caMinimize:
        if (handle_) ShowWindow(handle_, SW_MINIMIZE);
        break;
    default:
        Release();
        break;
    }
}

void TForm::Release() {
    if (handle_) PostMessageW(handle_, CM_RELEASE, 0, 0);
}

TControl* TForm::FindButton(bool default_button) {
    std::vector<TWinControl*> list;
    GetTabOrderList(list);
    for (TWinControl* c : list) {
        auto* b = dynamic_cast<TButton*>(c);
        if (b && b->CanFocus() && (default_button ? b->Default() : b->Cancel())) return b;
    }
    return nullptr;
}

bool TForm::DialogKey(WPARAM key) {
    const bool shift = GetKeyState(VK_SHIFT) < 0;
    switch (key) {
    case VK_TAB:
        if (GetKeyState(VK_CONTROL) < 0) return false;
        SelectNext(active_control_, !shift, true);
        return true;
    case VK_LEFT:
    case VK_UP:
    case VK_RIGHT:
    case VK_DOWN:
        SelectNext(active_control_, key == VK_RIGHT || key == VK_DOWN, false);
        return true;
    case VK_RETURN: {
        // The focused button acts first; otherwise the default button.
        TControl* target = dynamic_cast<TButton*>(active_control_);
        if (!target) target = FindButton(true);
        if (!target) return false;
        target->Click();
        return true;
    }
    case VK_ESCAPE:
        if (TControl* cancel = FindButton(false)) {
            cancel->Click();
            return true;
        }
        return false;
    default:
        return false;
    }
}

void TForm::WndProc(TMessage& msg) {
    if (MenuMessage(msg)) {
        msg.Result = 1;
        return;
    }
    switch (msg.Msg) {
    case WM_CLOSE:
        Close();
        return;
    case WM_ACTIVATE: {
        TWinControl::WndProc(msg);
        active_ = LOWORD(msg.WParam) != WA_INACTIVE;
        Perform(active_ ? CM_ACTIVATE : CM_DEACTIVATE);
        if (active_) {
            if (!active_control_) active_control_ = FindNextControl(nullptr, true, true);
            if (active_control_ && active_control_->CanFocus())
                ::SetFocus(active_control_->Handle());
        }
        const TNotifyEvent& event = active_ ? OnActivate : OnDeactivate;
        if (event && Firing()) event(this);
        return;
    }
    case WM_ACTIVATEAPP:
        if (Application) Application->SetActive(msg.WParam != 0);
        break;
    case CM_DIALOGKEY:
        if (DialogKey(msg.WParam)) {
            msg.Result = 1;
            return;
        }
        break;
    case CM_DIALOGCHAR:
    case CM_FOCUSCHANGED:
        Broadcast(msg);
        return;
    case CM_RELEASE:
        Free(this);
        return;
    case WM_DPICHANGED:
        DpiChanged(msg);
        return;
    case CM_VISIBLECHANGED:
        if (visible_) {
            HandleNeeded();
            ShowWindow(handle_, SW_SHOWNORMAL);
            if (OnShow && Firing()) OnShow(this);
        } else if (handle_) {
            ShowWindow(handle_, SW_HIDE);
        }
        TControl::WndProc(msg);
        return;
    default:
        break;
    }
    TWinControl::WndProc(msg);
}

void TForm::LoadDescription(std::string_view text) {
    ReadDescription(this, text);
    // The stored layout at the density of the monitor the form shows on, before the creation
    // handler places or measures anything.
    ScaleForDpi(DisplayDpi());
    MarkStartup(TStartupMark::DescriptionRead);
    // A failing creation handler is reported like any handler's error; the form stays.
    try {
        if (OnCreate) OnCreate(this);
    } catch (...) {
        HandleException(this);
    }
}

} // namespace ui
