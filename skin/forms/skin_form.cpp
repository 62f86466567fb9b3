// The form skinner's life: attach, start, the resize to the skin's frame, the refresh after a
// skin change, detach.
#include "skin/forms/skin_form.h"

#include "skin/forms/compositor.h"

#include "skin/controls/base/skin_control.h"
#include "skin/forms/skin_popup_menu.h"
#include "skin/runtime/skin_data.h"
#include "skin/runtime/skin_manager.h"
#include "skin/runtime/skin_messages.h"
#include "skin/runtime/skin_platform.h"

#include "ui/form.h"
#include "ui/menus.h"
#include "ui/properties.h"
#include "ui/window_dpi.h"
#include "ui/startup_marks.h"
#include "ui/timer.h"
#include "ui/win_handles.h"

namespace {

constexpr unsigned kHoverInterval = 250;
// Longest caption a dialog's width is fitted to.
constexpr int kCaptionMax = 1000;

TPlatformVersion PlatformVersion() {
    const OSVERSIONINFOW v = SystemVersion();
    return {v.dwPlatformId == VER_PLATFORM_WIN32_NT, v.dwMajorVersion, v.dwMinorVersion};
}

// The width of `text` in `font`.
int TextWidth(const ui::TFont& font, const std::wstring& text) {
    const ui::WindowDC screen(nullptr);
    ui::TCanvas canvas(screen.dc());
    canvas.Font.Assign(font);
    return canvas.TextWidth(text);
}

std::wstring WindowCaption(HWND window) {
    std::wstring text(kCaptionMax, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(window, text.data(), kCaptionMax)));
    return text;
}

} // namespace

TWinSkinForm::TWinSkinForm(ui::TComponent* owner)
    : ui::TComponent(owner), subclass_([this](ui::TMessage& m) { WindowProcedure(m); }),
      mdiClientSubclass_([this](ui::TMessage& m) { MdiClientProcedure(m); }),
      formHook_([this](ui::TMessage& m) { FormHook(m); }) {}

TWinSkinForm::~TWinSkinForm() {
    *alive_ = false;
    Destroying();
    DetachWindow(false);
    FreeSkinControls(false);
    FreeCaptionButtons();
    if (TSkinManage* manager = SkinManage()) manager->RemoveForm(*this);
}

const ui::TClassInfo& TWinSkinForm::StaticClass() {
    static const ui::TClassInfo info(L"TWinSkinForm", &ui::TComponent::StaticClass());
    return info;
}

void TWinSkinForm::SetWindow(HWND window, HMODULE moduleKey, const std::string& className) {
    window_ = window;
    ReadDensity(ui::WindowDpi(window));
    moduleKey_ = moduleKey;
    className_ = className;
}

void TWinSkinForm::AttachForm(TSkinData& skin, ui::TForm& form) {
    if (subclass_.Installed()) return;
    form_ = &form;
    if (skin.OnBeforeSkinForm)
        skin.OnBeforeSkinForm(skin, reinterpret_cast<TWindowHandle>(window_), className_);
    if (InSet(skin.SkinControls, xcMenuItem)) ui::SetPropValue(&form, L"AutoScroll", L"False");
    Attach(skin);
    if (!subclass_.Installed() || !frameSkinning_) return;
    formHook_.Install(form);
    formColor_ = form.Color();
    form.SetColor(ColorToRGB(skin.Elements().Colors[kButtonFace]));
    if (InSet(skin.SkinControls, xcMenuItem)) OwnerDrawMenus(true);
}

void TWinSkinForm::AttachWindow(TSkinData& skin) {
    Attach(skin);
}

void TWinSkinForm::Attach(TSkinData& skin) {
    if (subclass_.Installed() || !IsWindow(window_)) return;
    if (TSkinManage* manager = SkinManage()) manager->SetState(TSkinManagerState::Running);
    skin_ = &skin;
    ReadWindowFacts(skin);
    if (!InstallSubclasses(skin)) return;
    TakeOverFrame();
}

void TWinSkinForm::ReadWindowFacts(TSkinData& skin) {
    TSkinManage* manager = SkinManage();
    frameSkinning_ = InSet(skin.SkinControls, xcMainMenu);
    const auto style = static_cast<std::uint32_t>(GetWindowLongW(window_, GWL_STYLE));
    const auto exStyle = static_cast<std::uint32_t>(GetWindowLongW(window_, GWL_EXSTYLE));
    hadSystemMenu_ = (style & WS_SYSMENU) != 0;
    rightToLeft_ = (exStyle & WS_EX_LEFTSCROLLBAR) != 0;
    isChild_ = (style & WS_CHILD) != 0;
    owner_ = GetWindow(window_, GW_OWNER);
    ReadWindowState();
    sizeable_ = (style & WS_THICKFRAME) != 0;

    // One look-up rather than a walk over every child window.
    if (const HWND client = FindWindowExW(window_, nullptr, L"MDIClient", nullptr)) {
        formKind_ = TFormKind::MdiFrame;
        mdiClient_ = client;
        if (manager) {
            manager->MdiClient = client;
            manager->MdiMainForm = form_;
        }
    }
    if (exStyle & WS_EX_MDICHILD) {
        formKind_ = TFormKind::MdiChild;
        // The skin may leave MDI children their system frame.
        if (InSet(skin.Options, xoMDIChildBorder)) frameSkinning_ = false;
    }
    frameKind_ = FrameKindOf(style, exStyle, className_);
    platform_ = PlatformVersion();
    buttonFlags_ =
        ::CaptionButtonFlags(style, exStyle, systemMenu_ != nullptr,
                             KeepsStyle(exStyle, owner_ != nullptr, IsMdiChild(), platform_));
    unicode_ = IsWindowUnicode(window_) != FALSE;
    dialogClass_ = IsDialogClass(className_);
    // The 9x family draws no skinned system menu.
    if (!platform_.nt) skin.SkinControls &= ~SetOf<TSkinControls>(xcSystemMenu);
}

bool TWinSkinForm::InstallSubclasses(TSkinData& skin) {
    if (formKind_ == TFormKind::MdiFrame) {
        menuUpdate_ = skin.MenuUpdate;
        mdiClientSubclass_.Install(mdiClient_, IsWindowUnicode(mdiClient_) != FALSE);
    }
    if (subclass_.Install(window_, unicode_)) return true;
    mdiClientSubclass_.Release();
    return false;
}

void TWinSkinForm::TakeOverFrame() {
    compositorFrame_ = CompositorFrameOf(frameSkinning_, isChild_, frameKind_);
    SetCompositorFrame(window_, compositorFrame_, true);
    if (frameSkinning_) {
        if (GetMenu(window_) && !IsMdiChild()) AttachMenuBar();
    } else {
        skinState_ = TFormSkinState::Active;
    }
    SizeFrame();
    if (IsMdiChild()) {
        TSkinManage* manager = SkinManage();
        if (windowState_ == TWindowState::Maximised && manager && !manager->MdiMaximized)
            manager->SetMdiMaximized(true);
    }
}

void TWinSkinForm::ReadDensity(int dpi) {
    dpi_ = dpi;
    captionFont_.SetHandleFromLogFont(CaptionLogFont(dpi_));
    menuFont_.SetHandleFromLogFont(MenuLogFont(dpi_));
}

void TWinSkinForm::SizeFrame() {
    menuBarHeight_ = menuBar_ ? ui::MetricAtDpi(SM_CYMENU, dpi_) : 0;
    if (frameSkinning_) UpdateFrameSizes();
    if (IsMdiChild()) {
        // A child keeps a caption strip of the system's height.
        const int systemTitle =
            ui::MetricAtDpi(SM_CYCAPTION, dpi_) + ui::MetricAtDpi(SM_CXFRAME, dpi_);
        if (frame_.title < systemTitle) menuBarHeight_ = systemTitle - frame_.title;
    }
}

void TWinSkinForm::UpdateFrameSizes() {
    if (!skin_ || !skin_->SkinLoaded()) return;
    frame_ = FrameSizesOf(skin_->Elements(), frameKind_, dpi_);
    if (frameKind_ == TFrameKind::Captionless) menuBarHeight_ = 0;
    CreateCaptionButtons();
}

void TWinSkinForm::ReadWindowState() {
    WINDOWPLACEMENT placement{};
    placement.length = sizeof(placement);
    if (GetWindowPlacement(window_, &placement))
        windowState_ = StateFromShowCommand(placement.showCmd);
}

bool TWinSkinForm::MaximisedMdiChild() const {
    return IsMdiChild() && windowState_ == TWindowState::Maximised;
}

void TWinSkinForm::EnableHover(bool on) {
    hoverOn_ = on;
    if (hoverTimer_) hoverTimer_->SetEnabled(on);
}

void TWinSkinForm::WatchHover() {
    if (hoverTimer_ || !subclass_.Installed()) return;
    hoverTimer_ = std::make_unique<ui::TTimer>(nullptr);
    hoverTimer_->SetEnabled(false);
    hoverTimer_->SetInterval(kHoverInterval);
    hoverTimer_->OnTimer = [this](ui::TPersistent*) { HoverTick(); };
    hoverTimer_->SetEnabled(hoverOn_);
}

void TWinSkinForm::SetHotObject(TNCObject* object) {
    hot_ = object;
    if (object) WatchHover();
}

void TWinSkinForm::MouseOverControl(TSkinControl* control) {
    mouseControl_ = control;
    // A class-library form tells its controls itself when the mouse leaves them.
    if (control && !form_) WatchHover();
}

void TWinSkinForm::SetActive(bool active) {
    active_ = active;
    EnableHover(active);
    // The window stops tracking the mouse: the control under it would keep its hot look.
    if (!active) MouseLeftControl();
}

void TWinSkinForm::MouseLeftControl() {
    if (!mouseControl_) return;
    TSkinControl* left = std::exchange(mouseControl_, nullptr);
    if (ui::TControl* control = left->Control()) {
        control->Perform(ui::CM_MOUSELEAVE);
    } else if (left->Handle()) {
        SendMessageW(left->Handle(), ui::CM_MOUSELEAVE, 0, 0);
    }
}

POINT TWinSkinForm::FramePoint(POINT screen) const {
    if (IsMdiChild() && windowState_ == TWindowState::Minimised) {
        RECT r{};
        GetWindowRect(window_, &r);
        return {screen.x - r.left, screen.y - r.top};
    }
    ScreenToClient(window_, &screen);
    return {screen.x + frame_.left, screen.y + frame_.title + menuBarHeight_};
}

void TWinSkinForm::Start() {
    started_ = true;
    systemMenu_ = GetSystemMenu(window_, FALSE);
    RECT outer{}, client{};
    GetWindowRect(window_, &outer);
    GetClientRect(window_, &client);
    systemExtra_ = {(outer.right - outer.left) - client.right,
                    (outer.bottom - outer.top) - client.bottom};
    AssignControls();
    if (skinState_ == TFormSkinState::NotStarted) {
        auto firstResize = [this] {
            skinState_ = TFormSkinState::Resizing;
            ResizeToSkin(false);
            skinState_ = TFormSkinState::Active;
        };
        if (IsMdiChild()) {
            if (windowState_ == TWindowState::Maximised) {
                if (TSkinManage* manager = SkinManage())
                    PostMessageW(manager->MdiClient, SM_REDRAWCHILD,
                                 reinterpret_cast<WPARAM>(window_), 0);
            } else if (windowState_ == TWindowState::Normal) {
                firstResize();
                BuildRegion();
            }
        } else if (!isChild_ && frameKind_ != TFrameKind::Captionless &&
                   windowState_ != TWindowState::Minimised) {
            firstResize();
            if (windowState_ == TWindowState::Maximised) {
                SetWindowPos(window_, nullptr, 0, 0, 0, 0, kReframe);
            } else {
                BuildRegion();
            }
        }
    }
    AfterSkinning();
    skinState_ = TFormSkinState::Active;
    EnableHover(true);
    ui::MarkStartup(ui::TStartupMark::SkinnerStarted);
}

void TWinSkinForm::ResizeToSkin(bool fromClientRect) {
    if (windowState_ == TWindowState::Maximised) {
        SetWindowPos(window_, nullptr, 0, 0, 0, 0, kReframe);
        return;
    }
    TFrameSize client;
    if (form_ && !fromClientRect) {
        client = {form_->ClientWidth(),
                  form_->ClientHeight() - (IsMdiChild() ? 0 : menuBarHeight_)};
    } else {
        RECT r{};
        GetClientRect(window_, &r);
        client = {r.right, r.bottom};
    }
    TFrameSize size = SkinnedWindowSize(client, frame_, menuBarHeight_);
    if (dialogClass_) {
        const TDataSkinTitle& title = skin_->Elements().Title;
        const int widening = DialogCaptionWidening(
            size.width, ScaleMeasure(title.LeftWidth, dpi_),
            TextWidth(captionFont_, WindowCaption(window_)), ScaleMeasure(title.RightWidth, dpi_));
        if (widening > 0) {
            size.width += widening;
            for (HWND child = GetTopWindow(window_); child; child = GetWindow(child, GW_HWNDNEXT)) {
                RECT r{};
                GetWindowRect(child, &r);
                MapWindowPoints(nullptr, window_, reinterpret_cast<POINT*>(&r), 2);
                SetWindowPos(child, nullptr, r.left + widening / 2, r.top, 0, 0,
                             SWP_NOSENDCHANGING | SWP_NOOWNERZORDER | SWP_NOZORDER | SWP_NOSIZE |
                                 SWP_NOACTIVATE);
            }
        }
    }
    SetWindowPos(window_, nullptr, 0, 0, size.width, size.height,
                 SWP_FRAMECHANGED | SWP_NOACTIVATE | SWP_NOZORDER | SWP_NOMOVE);
}

void TWinSkinForm::AfterSkinning() {
    SendMessageW(window_, kSkinnedNotice, 0, kSkinCheck);
    if (skin_ && skin_->OnAfterSkinForm)
        skin_->OnAfterSkinForm(*skin_, reinterpret_cast<TWindowHandle>(window_), className_);
}

void TWinSkinForm::Refresh() {
    if (!skin_) return;
    if (form_) form_->SetColor(ColorToRGB(skin_->Elements().Colors[kButtonFace]));
    ReloadSkinControls();
    skinState_ = TFormSkinState::Refreshing;
    if (frameSkinning_) {
        // Each kind of menu as its switch says: the popups were drawn from the skin again
        // with the controls above, whatever the main menus do.
        OwnerDrawMenus(true);
        ResizeToSkin(true);
        if (form_) {
            // Lets the form lay out again for the new frame.
            form_->SetHeight(form_->Height() + 1);
            form_->SetHeight(form_->Height() - 1);
        }
    }
    AfterSkinning();
    skinState_ = TFormSkinState::Active;
}

void TWinSkinForm::MdiMaximizedChanged(bool maximized) {
    if (maximized) {
        windowState_ = TWindowState::Maximised;
    } else if (!IsZoomed(window_)) {
        windowState_ = TWindowState::Normal;
        PaintFrame(nullptr);
    }
}

void TWinSkinForm::DetachWindow(bool full) {
    EndMenuTracking();
    // A system menu still shown ends with its popup.
    systemMenuPopup_.reset();
    // The manager's MDI frame is this window only while it is skinned.
    TSkinManage* manager = SkinManage();
    if (manager && formKind_ == TFormKind::MdiFrame && manager->MdiClient == mdiClient_) {
        manager->MdiClient = nullptr;
        manager->MdiMainForm = nullptr;
    }
    EnableHover(false);
    if (!subclass_.Installed()) return;
    const bool destroying = skinState_ == TFormSkinState::Destroying;
    formHook_.Release();
    subclass_.Release();
    mdiClientSubclass_.Release();
    FreeSkinControls(!destroying);
    // Whatever else stays, the system draws this frame again from now on.
    if (!destroying && IsWindow(window_)) SetCompositorFrame(window_, compositorFrame_, false);
    const bool restore = full && frameSkinning_ && !destroying && IsWindow(window_);
    DetachMenuBar(restore);
    // The menus' draw hooks call this object, and the popups have them with or without the frame.
    if (!destroying) OwnerDrawMenus(false);
    if (!restore) return;
    if (form_) form_->SetColor(formColor_);
    if (hadSystemMenu_)
        SetWindowLongW(window_, GWL_STYLE, GetWindowLongW(window_, GWL_STYLE) | WS_SYSMENU);
    // Back to the system's frame around the same client area; a window that never started was
    // never resized.
    if (started_ && (!isChild_ || IsMdiChild())) {
        RECT r{};
        GetWindowRect(window_, &r);
        const TFrameSize size = SystemFrameWindowSize({r.right - r.left, r.bottom - r.top},
                                                      systemExtra_, frame_, menuBarHeight_);
        SetWindowPos(window_, nullptr, 0, 0, size.width, size.height,
                     SWP_FRAMECHANGED | SWP_NOACTIVATE | SWP_NOZORDER | SWP_NOMOVE);
    }
    // The system owns a region once it is set; setting none gives it back.
    SetWindowRgn(window_, nullptr, TRUE);
}

void TWinSkinForm::FreeSkinner() {
    ui::Free(this);
}

TFormSkinnerLink* CreateWinSkinForm(TSkinData& skin, ui::TControl* control, HWND window,
                                    HMODULE moduleKey, const std::string& className) {
    auto* skinner = new TWinSkinForm(control);
    skinner->SetWindow(window, moduleKey, className);
    if (auto* form = dynamic_cast<ui::TForm*>(control)) {
        skinner->AttachForm(skin, *form);
    } else {
        skinner->AttachWindow(skin);
    }
    if (skinner->Subclassed()) return skinner;
    ui::Free(skinner);
    return nullptr;
}

void UseFormSkinning() {
    UseSkinManage(CreateWinSkinForm, CreateWinSkinPopMenu);
}
