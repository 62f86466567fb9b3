// The form skinner's caption buttons and skinned system menu: made from the skin's button
// elements, shown and placed for each title painted, tracked under the mouse, clicked.
//
// The system menu is a popup built from the window's own system menu, its items enabled for
// the window's state, or the fixed list of older systems; its items are drawn by the menu item
// painter with the skin's menu glyphs.
#include "skin/forms/skin_form.h"

#include "skin/forms/menu_glyphs.h"

#include "skin/gdi/skin_paint.h"
#include "skin/model/skin_geometry.h"
#include "skin/runtime/skin_data.h"
#include "skin/runtime/skin_manager.h"
#include "skin/runtime/skin_messages.h"

#include "ui/application.h"
#include "ui/menus.h"
#include "ui/message_params.h"
#include "ui/timer.h"
#include "ui/win_handles.h"

namespace {

// Text buffer for one native system-menu item, in characters.
constexpr int kMenuTextBuffer = 80;
// Marks the skinned system menu among the window's popup menus.
constexpr int kSystemMenuTag = 0x8235;
// How far below the mouse a caption button's hint shows (at kBaseDpi).
constexpr int kHintBelow = 24;

} // namespace

void TWinSkinForm::CreateCaptionButtons() {
    FreeCaptionButtons();
    if (!skin_) return;
    // The system-menu button shows the window's icon, as one frame. A picture that changed
    // makes whatever was made from the pictures be made again: every painter of the skin
    // shares those bitmaps, and every window the skin dresses comes here.
    // The icon goes into the skin as a picture of its own, drawn for kBaseDpi like the others;
    // the caption shows it at the window's density, which at kBaseDpi is the same picture.
    const std::size_t count = skin_->Elements().CaptionButtons.size();
    for (std::size_t i = 0; i < count; ++i) {
        captionButtons_.push_back(std::make_unique<TWinSysButton>(*this, i));
        if (!IsSystemMenuButton(skin_->Elements().CaptionButtons[i].Action)) continue;
        const TPixelImage icon = IconPixels(kBaseDpi);
        iconBitmap_ = TDib(dpi_ == kBaseDpi ? icon : IconPixels(dpi_));
        skin_->ShowIconOnCaptionButton(i, icon);
        if (skin_->AppIcon.Width == 0) skin_->AppIcon = icon;
    }
}

void TWinSkinForm::FreeCaptionButtons() {
    hot_ = nullptr;
    captionButtons_.clear();
}

const TDataSkinSysButton* TWinSkinForm::ElementOf(const TWinSysButton& button) const {
    if (!skin_) return nullptr;
    const auto& elements = skin_->Elements().CaptionButtons;
    return button.Index() < elements.size() ? &elements[button.Index()] : nullptr;
}

void TWinSkinForm::UpdateCaptionButtons() {
    const TSkinManage* manager = SkinManage();
    TCaptionButtonContext c;
    c.state = windowState_;
    c.active = active_;
    c.flags = buttonFlags_;
    c.frame = frameKind_;
    c.dialogClass = dialogClass_;
    c.mdiChildMaximisedInMenuBar =
        formKind_ == TFormKind::MdiFrame && manager && manager->MdiMaximized && menuBarHeight_ > 0;
    const TAskButtonVisible ask = [this](int visibility, int action) {
        return SendMessageW(window_, SM_BUTTONVISIBLE, static_cast<WPARAM>(visibility), action) > 0;
    };
    std::vector<TShownButton> shown;
    for (const auto& button : captionButtons_) {
        const TDataSkinSysButton* e = ElementOf(*button);
        if (!e) {
            button->Visible = false;
            continue;
        }
        const TCaptionButtonShow show = CaptionButtonShow(*e, c, ask);
        button->Visible = show.visible;
        if (show.setsEnabled) button->Enabled = show.enabled;
        shown.push_back({e->Align, e->Xcoord, show.visible, !e->Image.Empty()});
    }
    rightClipOffset_ = RightClipOffset(shown);
}

void TWinSkinForm::LayOutCaptionButtons(int windowWidth) {
    const TSkinElements& elements = skin_->Elements();
    TCaptionButtonPlace place;
    place.windowWidth = windowWidth;
    place.captionLeft = captionRect_.Left;
    place.captionRight = captionRect_.Right;
    place.rightBorder = frame_.right;
    place.menuBarLeftWidth = elements.MenuBar ? elements.MenuBar->LeftWidth : 0;
    place.titleHeight = frame_.title;
    place.menuBarHeight = menuBarHeight_;
    place.dpi = dpi_;
    for (const auto& button : captionButtons_) {
        const TDataSkinSysButton* e = ElementOf(*button);
        if (!e || !button->Visible || !!e->Image.Empty()) continue;
        button->Bounds =
            ToRect(CaptionButtonBounds(*e, e->Image.Width / e->Frame, e->Image.Height, place));
    }
}

void TWinSkinForm::DrawCaptionButton(HDC dc, const TWinSysButton& button, int cell) {
    const TDataSkinSysButton* e = ElementOf(button);
    if (!e || !!e->Image.Empty()) return;
    if (IsSystemMenuButton(e->Action)) {
        PaintCaptionIcon(dc, button.Bounds);
        return;
    }
    DrawCell(dc, button.Bounds, CaptionButtonStrip(*e), true, e->Frame, cell);
}

const TStripBitmap& TWinSkinForm::CaptionButtonStrip(const TDataSkinSysButton& button) {
    return Bitmaps().AtDpi(button.Image, button.Image2x, {button.Frame, false, {}}, dpi_);
}

void TWinSkinForm::PaintCaptionButtons(HDC dc) {
    for (const auto& button : captionButtons_) {
        const TDataSkinSysButton* e = ElementOf(*button);
        // Buttons of the menu bar are the menu bar's to paint.
        if (!e || !button->Visible || e->Visibility == 100) continue;
        DrawCaptionButton(dc, *button, PaintAllCell(active_, button->Enabled, e->Frame));
    }
}

void TWinSkinForm::PaintCaptionButton(const TWinSysButton& button) {
    const TDataSkinSysButton* e = ElementOf(button);
    if (!e || !button.Visible) return;
    const ui::WindowDC dc(window_, ui::WindowDC::whole_window);
    if (!dc.dc()) return;
    try {
        DrawCaptionButton(dc.dc(), button,
                          PaintOneCell(button.State, button.Enabled, e->Frame, e->Visibility));
    } catch (...) {
        // A button that cannot be drawn stays as it was.
    }
}

TWinSysButton* TWinSkinForm::CaptionButtonAt(POINT frame) const {
    for (const auto& button : captionButtons_) {
        const TDataSkinSysButton* e = ElementOf(*button);
        if (button->Visible && e && e->Action >= 0 && PtInRect(&button->Bounds, frame))
            return button.get();
    }
    return nullptr;
}

bool TWinSkinForm::CaptionMouse(ui::TMessage& m) {
    const POINT screen = ui::PointParam(m);
    const POINT frame = FramePoint(screen);
    TWinSysButton* button = CaptionButtonAt(frame);
    TMenuBtn* barButton = button || !menuBar_ ? nullptr : menuBar_->HitTest(frame);
    TNCObject* object = button ? static_cast<TNCObject*>(button) : barButton;
    const auto swallow = [&m] {
        m.Result = 0;
        return true;
    };
    switch (m.Msg) {
    case WM_NCMOUSEMOVE:
        if (!active_) return swallow();
        if (object) {
            object->DoMouseMove();
            return swallow();
        }
        if (hot_) {
            hot_->DoMouseLeave();
            hot_ = nullptr;
        }
        return false;
    case WM_NCLBUTTONDOWN:
        HideCaptionHint();
        if (object) {
            if (!active_) SetForegroundWindow(window_);
            object->DoMouseDown();
            // The bar button stays hot while its menu is open.
            if (barButton) OpenMenuBarItem(barButton->Index());
            return swallow();
        }
        // A maximised window is not dragged by its caption.
        if (windowState_ == TWindowState::Maximised && active_ && m.WParam == HTCAPTION)
            m.WParam = HTMENU;
        return false;
    case WM_NCLBUTTONUP:
        HideCaptionHint();
        if (!object) return false;
        if (button && button == hot_) {
            button->DoMouseUp();
            CaptionButtonClick(*button, screen);
        }
        return swallow();
    case WM_NCLBUTTONDBLCLK:
        if (object) {
            const TDataSkinSysButton* e = button ? ElementOf(*button) : nullptr;
            if (e && IsSystemMenuButton(e->Action)) StopHoverAndPost(WM_SYSCOMMAND, SC_CLOSE);
            return swallow();
        }
        if (windowState_ == TWindowState::Minimised) {
            MinimiseToggle();
            return swallow();
        }
        if (windowState_ == TWindowState::Maximised || (buttonFlags_ & cbHasMaximiseBox) != 0) {
            MaximiseToggle();
            return swallow();
        }
        return false;
    case WM_NCRBUTTONDOWN:
        HideCaptionHint();
        if (m.WParam == HTCAPTION && !IsMdiChild()) {
            ShowSystemMenu(screen);
            return swallow();
        }
        return false;
    default:
        return false;
    }
}

void TWinSkinForm::CaptionButtonClick(const TWinSysButton& button, POINT screen) {
    const TDataSkinSysButton* e = ElementOf(button);
    if (!e) return;
    switch (CaptionClickOf(e->Action)) {
    case TCaptionClick::Close:
        if (CloseButtonCloses(platform_, systemMenu_ && GetMenuState(systemMenu_, SC_CLOSE,
                                                                     MF_BYCOMMAND) != UINT(-1)))
            StopHoverAndPost(WM_SYSCOMMAND, SC_CLOSE);
        break;
    case TCaptionClick::MaximiseToggle:
        if (button.Enabled) MaximiseToggle();
        break;
    case TCaptionClick::MinimiseToggle:
        if (button.Enabled) MinimiseToggle();
        break;
    case TCaptionClick::SystemMenu:
        ShowSystemMenu({screen.x + 1, screen.y + 1});
        break;
    case TCaptionClick::Help:
        PostMessageW(window_, WM_SYSCOMMAND, SC_CONTEXTHELP, 0);
        break;
    case TCaptionClick::MdiMinimise:
        SendToActiveMdiChild(SC_MINIMIZE);
        break;
    case TCaptionClick::MdiRestore:
        SendToActiveMdiChild(SC_RESTORE);
        break;
    case TCaptionClick::MdiClose:
        SendToActiveMdiChild(SC_CLOSE);
        break;
    case TCaptionClick::Custom:
        PostMessageW(window_, SM_CAPTIONBUTTON, static_cast<WPARAM>(e->Action), 0);
        break;
    }
}

void TWinSkinForm::StopHoverAndPost(UINT msg, WPARAM wp) {
    EnableHover(false);
    PostMessageW(window_, msg, wp, 0);
}

void TWinSkinForm::Restore() {
    windowState_ = TWindowState::Normal;
    PostMessageW(window_, WM_SYSCOMMAND, SC_RESTORE, 0);
}

void TWinSkinForm::MaximiseToggle() {
    if (windowState_ == TWindowState::Maximised) {
        Restore();
        return;
    }
    if (IsMdiChild()) {
        if (TSkinManage* manager = SkinManage()) manager->SetMdiMaximized(true);
    }
    windowState_ = TWindowState::Maximised;
    PostMessageW(window_, WM_SYSCOMMAND, SC_MAXIMIZE, 0);
    hot_ = nullptr;
}

void TWinSkinForm::MinimiseToggle() {
    if (windowState_ == TWindowState::Minimised) {
        Restore();
        return;
    }
    windowState_ = TWindowState::Minimised;
    // The taskbar shows the system menu of a minimised window.
    if (hadSystemMenu_ && !(buttonFlags_ & cbKeepStyle))
        SetWindowLongW(window_, GWL_STYLE, GetWindowLongW(window_, GWL_STYLE) | WS_SYSMENU);
    PostMessageW(window_, WM_SYSCOMMAND, SC_MINIMIZE, 0);
}

void TWinSkinForm::SendToActiveMdiChild(unsigned command) {
    if (formKind_ != TFormKind::MdiFrame || !mdiClient_) return;
    if (const auto child = reinterpret_cast<HWND>(SendMessageW(mdiClient_, WM_MDIGETACTIVE, 0, 0)))
        SendMessageW(child, WM_SYSCOMMAND, command, 0);
}

void TWinSkinForm::ResetCaptionHint() {
    if (!skin_) return;
    skin_->CaptionHintCounter = 0;
    skin_->HideCaptionHint();
}

void TWinSkinForm::HideCaptionHint() {
    if (skin_) skin_->HideCaptionHint();
}

void TWinSkinForm::HoverTick() {
    if (menuTracking_ || !skin_) return;
    POINT cursor{};
    GetCursorPos(&cursor);
    // A foreign window's controls have no class library to tell them the mouse left, and the
    // system tracks one window at a time: the last one to have the mouse hears it from here.
    if (!form_ && mouseControl_) {
        RECT r{};
        const HWND control = mouseControl_->Handle();
        if (!control || !GetWindowRect(control, &r) || !PtInRect(&r, cursor)) MouseLeftControl();
    }
    if (!hot_) return;
    if (!PtInRect(&hot_->Bounds, FramePoint(cursor))) {
        hot_->DoMouseLeave();
        hot_ = nullptr;
        HideCaptionHint();
        return;
    }
    const auto* button = dynamic_cast<const TWinSysButton*>(hot_);
    const TDataSkinSysButton* e = button ? ElementOf(*button) : nullptr;
    if (!e || !ui::Application) return;
    skin_->CaptionHintCounter += static_cast<int>(hoverTimer_->Interval());
    switch (CaptionHintStep(skin_->CaptionHintCounter, ui::Application->HintPause(),
                            ui::Application->HintHidePause())) {
    case THintStep::Show: {
        const std::wstring_view hint = CaptionButtonHint(e->Action);
        if (hint.empty()) break;
        RECT outer{};
        GetWindowRect(window_, &outer);
        const RECT at{hot_->Bounds.left + outer.left, cursor.y + ScaleMeasure(kHintBelow, dpi_), 0,
                      0};
        // Shown only where the skin's options ask for caption-button hints.
        skin_->ShowCaptionHint(at, std::wstring(hint));
        break;
    }
    case THintStep::Hide:
        HideCaptionHint();
        break;
    case THintStep::Wait:
        break;
    }
}

void TWinSkinForm::ShowSystemMenu(POINT screen) {
    TSkinManage* manager = SkinManage();
    if (manager && manager->ModuleKey) return;
    const auto now = static_cast<std::uint32_t>(GetTickCount());
    if (!SystemMenuOpens(now, systemMenuOpened_, systemMenuTime_, doubleClickTime_)) {
        // The second click of a double click on the caption closes the window.
        if (hot_) StopHoverAndPost(WM_CLOSE, 0);
        return;
    }
    if (manager) manager->PopupKind = 2;
    systemMenuOpened_ = true;
    systemMenuTime_ = now;
    RebuildSystemMenu();
    if (systemMenuPopup_) systemMenuPopup_->Popup(screen.x, screen.y);
}

void TWinSkinForm::RebuildSystemMenu() {
    systemMenuPopup_.reset();
    if (const auto fixed = FixedSystemMenu(platform_, buttonFlags_)) {
        auto popup = NewSystemMenuPopup();
        for (const TFixedMenuItem& fixedItem : *fixed) {
            ui::TMenuItem item;
            item.Caption = fixedItem.caption;
            item.ShortCut = fixedItem.shortcut;
            item.Tag = fixedItem.tag;
            item.ImageIndex = fixedItem.image;
            item.OnClick = [this, click = fixedItem.click](ui::TMenuItem&) {
                FixedSystemMenuClick(click);
            };
            popup->Items.push_back(std::move(item));
        }
        SkinMenuItems(popup->Items, popup->Images, false);
        systemMenuPopup_ = std::move(popup);
        return;
    }
    if (!systemMenu_) systemMenu_ = GetSystemMenu(window_, FALSE);
    if (!systemMenu_ || !(buttonFlags_ & cbHasSystemMenu)) return;
    auto popup = NewSystemMenuPopup();
    const int count = GetMenuItemCount(systemMenu_);
    for (int i = 0; i < count; ++i) {
        wchar_t text[kMenuTextBuffer] = {};
        MENUITEMINFOW info{};
        info.cbSize = sizeof(info);
        info.fMask = MIIM_STATE | MIIM_ID | MIIM_STRING;
        info.dwTypeData = text;
        info.cch = kMenuTextBuffer - 1;
        if (!GetMenuItemInfoW(systemMenu_, static_cast<UINT>(i), TRUE, &info)) continue;
        const TSystemMenuItemRule rule =
            SystemMenuItemOf(info.wID, info.fState, windowState_, buttonFlags_);
        ui::TMenuItem item;
        item.Caption = text[0] ? std::wstring(text) : std::wstring(L"-");
        item.Tag = static_cast<std::intptr_t>(info.wID);
        item.ImageIndex = rule.image;
        item.Enabled = rule.enabled;
        item.Checked = rule.checked;
        item.OnClick = [window = window_](ui::TMenuItem& chosen) {
            PostMessageW(window, WM_SYSCOMMAND, static_cast<WPARAM>(chosen.Tag), 0);
        };
        popup->Items.push_back(std::move(item));
    }
    SkinMenuItems(popup->Items, popup->Images, false);
    systemMenuPopup_ = std::move(popup);
}

std::unique_ptr<ui::TPopupMenu> TWinSkinForm::NewSystemMenuPopup() {
    auto popup = std::make_unique<ui::TPopupMenu>(nullptr);
    popup->SetTag(kSystemMenuTag);
    popup->OwnerDraw = true;
    popup->Images = SystemMenuGlyphs();
    return popup;
}

const ui::TImageList* TWinSkinForm::SystemMenuGlyphs() {
    // The skin's own are drawn for kBaseDpi; the system menu has none shown when this is made.
    if (dpi_ == kBaseDpi) return &skin_->MenuGlyphs;
    if (!menuGlyphs_ || menuGlyphsDpi_ != dpi_) {
        menuGlyphs_ = MenuGlyphsAtDpi(dpi_);
        menuGlyphsDpi_ = dpi_;
    }
    return menuGlyphs_ ? menuGlyphs_.get() : &skin_->MenuGlyphs;
}

void TWinSkinForm::FixedSystemMenuClick(TFixedMenuClick click) {
    switch (click) {
    case TFixedMenuClick::Restore:
        Restore();
        break;
    case TFixedMenuClick::MaximiseToggle:
        MaximiseToggle();
        break;
    case TFixedMenuClick::MinimiseToggle:
        MinimiseToggle();
        break;
    case TFixedMenuClick::Close:
        StopHoverAndPost(WM_CLOSE, 0);
        break;
    case TFixedMenuClick::None:
        break;
    }
}
