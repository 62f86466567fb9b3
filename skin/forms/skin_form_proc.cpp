// The form skinner's window procedure in three stages, the form hook in front of the form's
// own handling, and the MDI client's subclass.
#include "skin/forms/skin_form.h"

#include "skin/model/skin_geometry.h"
#include "skin/runtime/skin_data.h"
#include "skin/runtime/skin_manager.h"
#include "skin/runtime/skin_messages.h"

#include "ui/application.h"
#include "ui/form.h"
#include "ui/message_params.h"
#include "ui/startup_marks.h"
#include "ui/window_dpi.h"

namespace {

// Draws the caption of themed windows; the skin draws its own.
constexpr UINT kThemedCaptionMessage = 0x00AE;
// WM_GETDPISCALEDSIZE and WM_DPICHANGED_AFTERPARENT (Windows 10 1703 and later), which the
// headers name for newer targets only.
constexpr UINT kDpiScaledSizeMessage = 0x02E4;
constexpr UINT kDpiChangedAfterParentMessage = 0x02E3;

// Alt held without Shift or Ctrl, as the key data of a character message tells.
bool AltOnly(std::intptr_t keyData) {
    return (keyData & (1 << 29)) && GetKeyState(VK_SHIFT) >= 0 && GetKeyState(VK_CONTROL) >= 0;
}

} // namespace

void TWinSkinForm::WindowProcedure(ui::TMessage& m) {
    // Nothing is painted before the start message: the frame sizes are not applied yet.
    if (skinState_ == TFormSkinState::NotStarted && m.Msg == WM_NCPAINT) {
        m.Result = 0;
        return;
    }
    if (FirstStage(m) == TStep::Stop) return;
    if (!UsesSecondStage(formKind_, isChild_)) {
        (void)Pass(m);
        return;
    }
    const TStep second = SecondStage(m);
    if (second == TStep::Stop) return;
    if (UsesThirdStage(formKind_, windowState_, skinState_) && ThirdStage(m) == TStep::Stop) return;
    if (second != TStep::NextHandled) (void)Pass(m);
}

TWinSkinForm::TStep TWinSkinForm::FirstStage(ui::TMessage& m) {
    switch (m.Msg) {
    case WM_ERASEBKGND:
        if (!Pass(m)) return TStep::Stop;
        if (!form_) {
            RECT r{};
            GetClientRect(window_, &r);
            FillRect(ui::DcParam(m), &r, skin_->FaceBrush());
            m.Result = 1;
        }
        return TStep::Stop;
    case WM_NCDESTROY:
        skinState_ = TFormSkinState::Destroying;
        DetachWindow(false);
        if (!Pass(m)) return TStep::Stop;
        skinState_ = TFormSkinState::Destroyed;
        return TStep::Stop;
    case WM_NCACTIVATE:
        if (skinState_ == TFormSkinState::NotStarted && !IsMdiChild()) {
            m.Result = 0;
            return TStep::Stop;
        }
        break;
    case kThemedCaptionMessage:
        m.Result = 0;
        return TStep::Stop;
    case WM_INITMENUPOPUP:
        if (TSkinManage* manager = SkinManage())
            manager->PopupKind = ui::MenuParam(m) == systemMenu_ ? 2 : 1;
        (void)Pass(m);
        return TStep::Stop;
    case WM_CTLCOLORBTN:
        if (Pass(m) && !form_) SetBkMode(ui::DcParam(m), TRANSPARENT);
        return TStep::Stop;
    case WM_CTLCOLORSTATIC:
        if (Pass(m) && !form_) {
            SetBkMode(ui::DcParam(m), TRANSPARENT);
            m.Result = reinterpret_cast<std::intptr_t>(skin_->FaceBrush());
        }
        return TStep::Stop;
    case SM_SKININIT:
        Start();
        return TStep::Stop;
    case SM_RECREATED:
        ControlRecreated(ui::WindowWParam(m));
        return TStep::Stop;
    case ui::CM_DEFERREDWINDOWMADE:
        DeferredWindowMade(ui::WindowLParam(m));
        (void)Pass(m);
        return TStep::Stop;
    case SM_ISSKINNED:
        m.Result = 1;
        PostMessageW(window_, kSkinnedNotice, 0, kSkinCheck);
        return TStep::Stop;
    case kDpiScaledSizeMessage:
        // The new density in wParam; the size the window takes there goes back in lParam.
        if (DpiScaledSize(static_cast<int>(m.WParam), *reinterpret_cast<SIZE*>(m.LParam))) {
            m.Result = TRUE;
            return TStep::Stop;
        }
        (void)Pass(m);
        return TStep::Stop;
    case WM_DPICHANGED:
        // The density the message names: the window's own by now on Windows.
        (void)DensityChanged(m, HIWORD(m.WParam));
        return TStep::Stop;
    case kDpiChangedAfterParentMessage:
        // A child window hears once its parent has moved; only MDI children have a skinner.
        (void)DensityChanged(m, ui::WindowDpi(window_));
        return TStep::Stop;
    case SM_CLOSETAB:
        // Whether a tab's page may close is the form's own say: a handler it binds to the
        // message answers. Unanswered, the default 0 lets the page close.
        m.Result = 0;
        (void)Pass(m);
        return TStep::Stop;
    default:
        break;
    }
    if (!frameSkinning_) {
        (void)Pass(m);
        return TStep::Stop;
    }
    return TStep::Next;
}

TWinSkinForm::TStep TWinSkinForm::SecondStage(ui::TMessage& m) {
    switch (m.Msg) {
    case WM_SIZE:
        return SizeHandler(m) ? TStep::NextHandled : TStep::Stop;
    case WM_ACTIVATE:
    case WM_NCACTIVATE:
        active_ = (m.WParam & 0xFF) != 0;
        return TStep::Next;
    case WM_GETMINMAXINFO:
        if (!Pass(m)) return TStep::Stop;
        ReadWindowState();
        return TStep::NextHandled;
    case WM_WINDOWPOSCHANGED:
        ReadWindowState();
        return Pass(m) ? TStep::NextHandled : TStep::Stop;
    case WM_SETICON:
        if (!Pass(m)) return TStep::Stop;
        BuildIconBitmap();
        return TStep::NextHandled;
    case WM_COMMAND:
        // Owner-drawn system menus send their commands this way.
        if (const auto command = SystemCommandOfMenuId(ui::LowWordParam(m))) {
            PostMessageW(window_, WM_SYSCOMMAND, *command, 0);
            return TStep::NextHandled;
        }
        return Pass(m) ? TStep::NextHandled : TStep::Stop;
    case WM_SYSCOMMAND:
        return SystemCommand(m) ? TStep::NextHandled : TStep::Stop;
    case SM_MENUBARCLICK: {
        const std::shared_ptr<bool> alive = alive_;
        OpenMenuBarItemAt(ui::PointParam(m));
        m.Result = 0;
        return *alive ? TStep::NextHandled : TStep::Stop;
    }
    case ui::CM_MENUCHANGED: {
        // The form changes its native menu: no frame painting until it is through.
        TSkinData* skin = skin_;
        skin->FramePaintingEnabled = 0;
        const bool alive = Pass(m);
        skin->FramePaintingEnabled = 1;
        if (!alive) return TStep::Stop;
        if (GetMenu(window_)) {
            if (skin->MenuUpdate) ReloadMenuBar();
            RemoveNativeMenu();
        }
        return TStep::NextHandled;
    }
    default:
        return TStep::Next;
    }
}

TWinSkinForm::TStep TWinSkinForm::ThirdStage(ui::TMessage& m) {
    switch (m.Msg) {
    case WM_SIZE:
        (void)SizeHandler(m);
        return TStep::Stop;
    case WM_DRAWITEM:
    case WM_MEASUREITEM:
        return MenuItemMessage(m) ? TStep::Stop : TStep::Next;
    case WM_WINDOWPOSCHANGING: {
        const bool visible = IsWindowVisible(window_) != FALSE;
        if (!Pass(m)) return TStep::Stop;
        // The window's own handling may have changed what is asked.
        const auto* pos = reinterpret_cast<const WINDOWPOS*>(m.LParam);
        if (pos && ShowOwesFramePaint(pos->flags, visible)) framePaintOwed_ = true;
        return TStep::Stop;
    }
    case WM_NCCALCSIZE:
        return NcCalcSize(m);
    case WM_NCHITTEST:
        if (!Pass(m)) return TStep::Stop;
        m.Result = SkinHitTest(static_cast<int>(m.Result), FramePoint(ui::PointParam(m)).y,
                               frame_.title, menuBarHeight_, dpi_);
        return TStep::Stop;
    case WM_NCPAINT:
        return NcPaint(m);
    case WM_NCACTIVATE:
        return NcActivate(m);
    case WM_NCMOUSEMOVE:
    case WM_NCLBUTTONDOWN:
    case WM_NCLBUTTONUP:
    case WM_NCLBUTTONDBLCLK:
    case WM_NCRBUTTONDOWN:
        return CaptionMouse(m) ? TStep::Stop : TStep::Next;
    case SM_REPAINTFRAME:
        PaintFrame(nullptr);
        return TStep::Stop;
    default:
        return TStep::Next;
    }
}

// The client rectangle inside the skin's frame, or the system's where the window keeps it.
TWinSkinForm::TStep TWinSkinForm::NcCalcSize(ui::TMessage& m) {
    // The proposed window rectangle, before the system makes it its client rectangle.
    auto* params = reinterpret_cast<NCCALCSIZE_PARAMS*>(m.LParam);
    const RECT proposed = m.WParam ? params->rgrc[0] : RECT{};
    if (!Pass(m)) return TStep::Stop;
    if (!m.WParam) {
        m.Result = 0;
        return TStep::Stop;
    }
    if (KeepsSystemClientArea(frameKind_, formKind_, windowState_)) {
        params->rgrc[1] = params->rgrc[0];
    } else {
        const TPixelRect client = SkinClientRect(ToPixelRect(proposed), frame_, menuBarHeight_);
        params->rgrc[0] = ToRect(client);
        params->rgrc[1] = params->rgrc[0];
    }
    m.Result = WVR_REDRAW;
    return TStep::Stop;
}

// The skin's frame, painted here; a captionless window or a maximised MDI child keeps the
// system's.
TWinSkinForm::TStep TWinSkinForm::NcPaint(ui::TMessage& m) {
    // Keeps the system's own caption buttons and system menu away.
    if (!(buttonFlags_ & cbKeepStyle)) {
        const LONG style = GetWindowLongW(window_, GWL_STYLE);
        if (style & WS_SYSMENU) SetWindowLongW(window_, GWL_STYLE, style & ~WS_SYSMENU);
    }
    const bool systemFrame = frameKind_ == TFrameKind::Captionless || MaximisedMdiChild();
    // The system may ask with an update region of the client area alone (as the paint after
    // the first one of a window being shown does under Wine): nothing of the frame to paint.
    if (!systemFrame && !UpdateMeetsFrame(m.WParam)) {
        m.Result = 0;
        return TStep::Stop;
    }
    framePaintOwed_ = false;
    if (skin_->FramePaintingEnabled) {
        if (systemFrame) {
            if (!Pass(m)) return TStep::Stop;
        } else {
            PaintFrame(nullptr);
            if (started_) ui::MarkStartup(ui::TStartupMark::FirstSkinnedPaint);
        }
    }
    m.Result = 0;
    return TStep::Stop;
}

// The frame painted active or inactive; an MDI frame passes the change to its client.
TWinSkinForm::TStep TWinSkinForm::NcActivate(ui::TMessage& m) {
    SetActive(m.WParam != 0);
    if (formKind_ == TFormKind::MdiFrame) {
        SendMessageW(mdiClient_, WM_NCACTIVATE, m.WParam, 0);
    } else if (IsMdiChild() && !Pass(m)) {
        return TStep::Stop;
    }
    // A window being shown is activated before its frame's first paint, which shows the new
    // state anyway.
    if (!MaximisedMdiChild() && !framePaintOwed_) PaintFrame(nullptr);
    m.Result = 1;
    return TStep::Stop;
}

bool TWinSkinForm::SizeHandler(ui::TMessage& m) {
    if (!Pass(m)) return false;
    windowState_ = StateAfterSize(static_cast<unsigned>(m.WParam), windowState_);
    if (windowState_ == TWindowState::Minimised) return true;
    if (IsMdiChild()) {
        const TSkinManage* manager = SkinManage();
        if ((manager && manager->MdiMaximized) || windowState_ != TWindowState::Normal) return true;
    }
    if (skinState_ == TFormSkinState::Active || skinState_ == TFormSkinState::Refreshing)
        BuildRegion();
    return true;
}

bool TWinSkinForm::SystemCommand(ui::TMessage& m) {
    const auto command = static_cast<unsigned>(m.WParam & 0xFFF0);
    if (!menuTracking_ && command == SC_KEYMENU) {
        // The menu opened here may take the skinner with it.
        const std::shared_ptr<bool> alive = alive_;
        const auto key = static_cast<unsigned>(m.LParam);
        if (key != ' ' && key != '-' && !GetCapture()) {
            // Alt alone (key 0) opens the first menu-bar item, or nothing at all.
            if (OpenMenuBarItemByKey(key) || key == 0) {
                m.Result = 1;
                return *alive;
            }
        } else if (key == ' ') {
            POINT origin{0, 0};
            ClientToScreen(window_, &origin);
            ShowSystemMenu(origin);
            if (!*alive) {
                m.Result = 0;
                return false;
            }
        }
    }
    windowState_ = StateAfterSysCommand(command, windowState_);
    if (IsMdiChild() && command == SC_RESTORE) {
        TSkinManage* manager = SkinManage();
        if (manager && manager->MdiMaximized) manager->SetMdiMaximized(false);
    }
    return Pass(m);
}

void TWinSkinForm::FormHook(ui::TMessage& m) {
    switch (m.Msg) {
    case WM_SETTEXT:
        if (!IsWindowVisible(window_)) break;
        if (!formHook_.CallOld(m)) return;
        // The system drew its caption with the text: the skin's goes back on top.
        if (windowState_ == TWindowState::Maximised) {
            if (const TSkinManage* manager = SkinManage())
                PostMessageW(manager->MdiClient, SM_REDRAWCHILD, reinterpret_cast<WPARAM>(window_),
                             0);
        }
        if (windowState_ == TWindowState::Minimised) {
            PaintFrame(nullptr);
        } else {
            SetWindowPos(window_, nullptr, 0, 0, 0, 0, kReframe);
        }
        return;
    case kRefreshSkinMessage:
        Refresh();
        return;
    case ui::CM_DIALOGCHAR: {
        if (!formHook_.CallOld(m) || m.Result != 0) return;
        if (AltOnly(m.LParam) && OpenMenuBarItemByKey(static_cast<unsigned>(m.WParam))) {
            m.Result = 1;
            return;
        }
        // Accelerators of the main form's menu bar work from its other forms too.
        ui::TForm* target = nullptr;
        if (IsMdiChild()) {
            if (const TSkinManage* manager = SkinManage()) target = manager->MdiMainForm;
        } else if (ui::Application && ui::Application->MainForm() != form_) {
            target = ui::Application->MainForm();
        }
        if (target && target != form_) target->Perform(m.Msg, m.WParam, m.LParam);
        return;
    }
    case SM_PAINTBORDER:
        if (m.LParam != kSkinCheck) break;
        if (m.WParam) PaintFrame(ui::DcParam(m));
        m.Result = kSkinCheck;
        return;
    case kSkinCheckMessage:
        m.Result = m.LParam == kSkinCheck ? kSkinCheck : 1;
        return;
    default:
        break;
    }
    (void)formHook_.CallOld(m);
}

void TWinSkinForm::MdiClientProcedure(ui::TMessage& m) {
    const HWND client = mdiClient_;
    if (m.Msg == WM_NCCALCSIZE && !InSet(skin_->Options, xoMDIScrollbar)) {
        // The skin's scroll bars stand in for the client's own.
        const LONG style = GetWindowLongW(client, GWL_STYLE);
        if (style & (WS_HSCROLL | WS_VSCROLL))
            SetWindowLongW(client, GWL_STYLE, style & ~(WS_HSCROLL | WS_VSCROLL));
    }
    if (m.Msg == WM_NCDESTROY) mdiClientSubclass_.Release();
    if (!mdiClientSubclass_.Pass(m)) return;
    TSkinManage* manager = SkinManage();
    switch (m.Msg) {
    case WM_MDICREATE:
        skin_->MenuUpdate = false;
        break;
    case WM_MDIDESTROY: {
        BOOL maximized = FALSE;
        const auto active = reinterpret_cast<HWND>(
            SendMessageW(client, WM_MDIGETACTIVE, 0, reinterpret_cast<LPARAM>(&maximized)));
        if (manager) manager->SetMdiMaximized(active && maximized);
        if (!active) {
            skin_->MenuUpdate = menuUpdate_;
            ReloadMenuBar();
        }
        break;
    }
    case WM_MDIMAXIMIZE:
    case WM_MDITILE:
        if (manager && manager->MdiMaximized) manager->SetMdiMaximized(false);
        break;
    case WM_MDISETMENU:
        if (m.WParam) {
            ReloadMenuBar();
            RemoveNativeMenu();
        }
        break;
    case SM_REDRAWCHILD:
        RedrawWindow(ui::WindowWParam(m), nullptr, nullptr,
                     RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
        break;
    default:
        break;
    }
}
