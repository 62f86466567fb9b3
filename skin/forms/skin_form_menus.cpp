// The form skinner's menu bar and owner-drawn menus: the bar made from the window's native menu
// and painted in the strip under the title, its menus opened by the mouse, the keyboard and
// accelerators and tracked with a message-filter hook (Left and Right move along the bar), and
// the items of the bar's menus, of the form's menus and of the system menu drawn by the menu
// item painter.
#include "skin/forms/skin_form.h"

#include "skin/forms/menu_item_painter.h"
#include "skin/forms/menu_rules.h"

#include "skin/gdi/skin_paint.h"
#include "skin/runtime/skin_data.h"
#include "skin/runtime/skin_manager.h"

#include "ui/form.h"
#include "ui/menus.h"
#include "ui/message_params.h"
#include "ui/win_handles.h"

namespace {

// Text buffer for one native item, in characters.
constexpr int kItemTextBuffer = 80;

// The tracking of a menu-bar menu, process-wide: one menu is open at a time.
struct TBarTracking {
    HHOOK hook = nullptr;
    TWinSkinForm* form = nullptr;
    std::optional<std::size_t> open;
    POINT lastPoint{};
    bool firstKeySent = false;
    // The bar button to open once the open menu has closed.
    std::optional<std::size_t> switchTo;
};
TBarTracking tracking;

// The text, state and type of a native item by command id (submenus searched too).
struct TNativeItem {
    std::wstring text;
    UINT state = 0;
    bool found = false;
    bool submenu = false;
};
TNativeItem NativeItemOf(HMENU menu, UINT id) {
    wchar_t text[kItemTextBuffer] = {};
    MENUITEMINFOW info{};
    info.cbSize = sizeof(info);
    // The string as such: an owner-drawn item keeps its text there.
    info.fMask = MIIM_STRING | MIIM_STATE | MIIM_SUBMENU;
    info.dwTypeData = text;
    info.cch = kItemTextBuffer - 1;
    if (!menu || !GetMenuItemInfoW(menu, id, FALSE, &info)) return {};
    return {text, info.fState, true, info.hSubMenu != nullptr};
}

// Where the keyboard is in a menu-bar menu: the menu holding the selected item, and whether
// that item opens a submenu.
struct TMenuSelection {
    HMENU menu = nullptr;
    bool hasSubmenu = false;
};

// Whether `menu` has a highlighted item, and the submenu that item opens (none for a plain one).
bool HighlightedItem(HMENU menu, HMENU& submenu) {
    const int count = GetMenuItemCount(menu);
    for (int i = 0; i < count; ++i) {
        MENUITEMINFOW info{};
        info.cbSize = sizeof(info);
        info.fMask = MIIM_STATE | MIIM_SUBMENU;
        if (!GetMenuItemInfoW(menu, static_cast<UINT>(i), TRUE, &info)) continue;
        if (!(info.fState & MFS_HILITE)) continue;
        submenu = info.hSubMenu;
        return true;
    }
    return false;
}

// Read from the menus themselves: a menu tracked with TPM_NONOTIFY tells its owner nothing on
// Windows (no WM_MENUSELECT), though Wine still does. The selection is in the deepest open
// menu with a highlighted item; a submenu shown by the mouse with nothing highlighted in it
// leaves the selection on its parent's item.
TMenuSelection SelectionIn(HMENU top) {
    TMenuSelection selection;
    for (HMENU menu = top; menu;) {
        HMENU submenu = nullptr;
        if (!HighlightedItem(menu, submenu)) break;
        selection = {menu, submenu != nullptr};
        menu = submenu;
    }
    return selection;
}

void ForEachMenu(ui::TComponent& owner, const std::function<void(ui::TMenu&)>& visit) {
    for (ui::TComponent* c : owner.Components()) {
        if (auto* menu = dynamic_cast<ui::TMenu*>(c)) visit(*menu);
        // Embedded frames and forms bring their menus; this rich-edit form's are its own.
        if (c->ClassType().Name() != L"TwwRichEditForm") ForEachMenu(*c, visit);
    }
}

void ClearMenuItems(std::vector<ui::TMenuItem>& items) {
    for (ui::TMenuItem& item : items) {
        item.OnDrawItem = nullptr;
        item.OnMeasureItem = nullptr;
        ClearMenuItems(item.Items);
    }
}

} // namespace

// ---- Owner-drawn items.

void TWinSkinForm::DrawMenuItem(const ui::TMenuItem& item, const ui::TMenuItemDraw& draw,
                                const ui::TImageList* images) {
    if (!skin_) return;
    TMenuItemLook look;
    look.caption = item.Caption;
    look.shortCut = item.ShortCut;
    look.imageIndex = item.ImageIndex;
    look.enabled = item.Enabled;
    look.checked = item.Checked;
    look.isDefault = item.Default;
    look.selected = draw.Selected;
    look.rightToLeft = rightToLeft_;
    look.hasSubmenu = !item.Items.empty();
    PaintMenuItem(*skin_, Bitmaps(), images, look, draw.Dc, draw.Rect, draw.Menu,
                  {dpi_, menuFont_.Handle()});
}

void TWinSkinForm::SkinMenuItems(std::vector<ui::TMenuItem>& items, const ui::TImageList* images,
                                 bool barMeasure) {
    for (ui::TMenuItem& item : items) {
        // A main menu's items keep a painter of their own; a popup's all take the skin's.
        if (!barMeasure || !item.OnDrawItem)
            item.OnDrawItem = [this, images](ui::TMenuItem& i, const ui::TMenuItemDraw& d) {
                DrawMenuItem(i, d, images);
            };
        if (!item.OnMeasureItem)
            item.OnMeasureItem = [this, images, barMeasure](ui::TMenuItem& measured, HDC dc,
                                                            int& width, int& height) {
                const TDataSkinObject* e = skin_ ? skin_->Elements().MenuItem.get() : nullptr;
                const int left = e ? e->LeftWidth : 0;
                // Measured again in the menu font at the window's density, which draws it.
                const ui::Selection font(dc, menuFont_.Handle());
                const SIZE size = ui::MeasureMenuItem(dc, measured, images, dpi_);
                width = size.cx + (barMeasure ? BarItemExtraWidth(e != nullptr, left,
                                                                  images != nullptr, dpi_)
                                              : PopupItemExtraWidth(e != nullptr, left,
                                                                    images != nullptr, dpi_));
                height = size.cy;
            };
        SkinMenuItems(item.Items, images, barMeasure);
    }
}

void TWinSkinForm::OwnerDrawMenus(bool on, bool popupsOnly) {
    if (!form_ || !skin_) return;
    const bool popups = InSet(skin_->SkinControls, xcPopupMenu);
    const bool mains = !popupsOnly && InSet(skin_->SkinControls, xcMenuItem);
    ForEachMenu(*form_, [&](ui::TMenu& menu) {
        if (auto* popup = dynamic_cast<ui::TPopupMenu*>(&menu)) {
            // A popup tagged so is left to the system.
            if (!popups || popup->Tag() == skin_->DisableTag) return;
            if (on) {
                popup->OwnerDraw = true;
                SkinMenuItems(popup->Items, popup->Images, false);
            } else {
                ClearMenuItems(popup->Items);
            }
        } else if (dynamic_cast<ui::TMainMenu*>(&menu) && mains) {
            if (on) {
                menu.OwnerDraw = true;
                for (ui::TMenuItem& top : menu.Items)
                    SkinMenuItems(top.Items, menu.Images, true);
            } else {
                ClearMenuItems(menu.Items);
            }
        }
    });
}

bool TWinSkinForm::MenuItemMessage(ui::TMessage& m) {
    // Only a window that came with a menu bar has its menus' items drawn here.
    if (!menuBar_ || !skin_) return false;
    if (formKind_ == TFormKind::MdiFrame && platform_.nt && platform_.major == 4) return false;
    if (m.Msg == WM_MEASUREITEM) {
        auto& measure = *ui::RecordParam<MEASUREITEMSTRUCT>(m);
        if (measure.CtlType != ODT_MENU || !MeasureMenuItem(measure)) return false;
    } else {
        const auto& draw = *reinterpret_cast<const DRAWITEMSTRUCT*>(m.LParam);
        if (draw.CtlType != ODT_MENU || !DrawNativeMenuItem(draw)) return false;
    }
    m.Result = 1;
    return true;
}

bool TWinSkinForm::MeasureMenuItem(MEASUREITEMSTRUCT& measure) {
    const TDataSkinObject* element = skin_->Elements().MenuItem.get();
    const int left = element ? element->LeftWidth : 0;
    const ui::WindowDC screen(nullptr);
    const ui::Selection font(screen.dc(), menuFont_.Handle());
    ui::TMainMenu* menu = form_ ? menuBar_->Menu() : nullptr;
    if (const ui::TMenuItem* item = menu ? menu->FindItem(measure.itemID) : nullptr) {
        const SIZE size = ui::MeasureMenuItem(screen.dc(), *item, menu->Images, dpi_);
        measure.itemWidth = static_cast<UINT>(
            size.cx + BarItemExtraWidth(element != nullptr, left, menu->Images != nullptr, dpi_));
        measure.itemHeight = static_cast<UINT>(size.cy);
        return true;
    }
    if (form_ && SystemDrawnItemId(measure.itemID)) return false;
    const std::wstring text = NativeItemOf(trackedPopup_, measure.itemID).text;
    SIZE extent{};
    GetTextExtentPoint32W(screen.dc(), text.c_str(), static_cast<int>(text.size()), &extent);
    const TNativeItemSize size =
        NativeItemSize(ui::MenuTextWidth(screen.dc(), text), extent.cy, text.empty(),
                       element != nullptr, left, platform_.nt, dpi_);
    measure.itemWidth = static_cast<UINT>(size.width);
    measure.itemHeight = static_cast<UINT>(size.height);
    return true;
}

bool TWinSkinForm::DrawNativeMenuItem(const DRAWITEMSTRUCT& draw) {
    const auto menuHandle = reinterpret_cast<HMENU>(draw.hwndItem);
    if (TSkinManage* manager = SkinManage()) {
        manager->BindPopupMenu(menuHandle);
        manager->MarkPopupMenus();
    }
    const ui::TMenuItemDraw where{draw.hDC, draw.rcItem, (draw.itemState & ODS_SELECTED) != 0,
                                  menuHandle};
    ui::TMainMenu* menu = form_ ? menuBar_->Menu() : nullptr;
    if (const ui::TMenuItem* item = menu ? menu->FindItem(draw.itemID) : nullptr) {
        DrawMenuItem(*item, where, menu->Images);
        return true;
    }
    if (form_ && SystemDrawnItemId(draw.itemID)) return false;
    const TNativeItem native = NativeItemOf(menuHandle, draw.itemID);
    ui::TMenuItem item;
    item.Caption = native.text.empty() ? std::wstring(L"-") : native.text;
    item.Enabled = (native.state & MFS_GRAYED) == 0;
    item.Checked = (native.state & MFS_CHECKED) != 0;
    // Only that there is a submenu matters to the painter, not what is in it.
    if (native.submenu) item.Items.emplace_back();
    DrawMenuItem(item, where, nullptr);
    return true;
}

// ---- The menu bar.

bool TWinSkinForm::AttachMenuBar() {
    menuBar_ = std::make_unique<TWinSkinMenu>(*this, *skin_);
    if (menuBar_->Load(window_, form_, MenuBarFromLibraryMenu(platform_), false)) return true;
    menuBar_.reset();
    return false;
}

void TWinSkinForm::DetachMenuBar(bool restore) {
    if (!menuBar_) return;
    if (dynamic_cast<TMenuBtn*>(hot_)) hot_ = nullptr;
    if (restore && IsWindow(window_)) SetMenu(window_, menuBar_->NativeMenu());
    menuBar_.reset();
}

void TWinSkinForm::EndMenuTracking() {
    if (tracking.form != this) return;
    tracking.form = nullptr;
    tracking.switchTo.reset();
    EndMenu();
}

void TWinSkinForm::ReloadMenuBar() {
    if (!menuBar_) return;
    if (dynamic_cast<TMenuBtn*>(hot_)) hot_ = nullptr;
    menuBar_->Load(window_, form_, MenuBarFromLibraryMenu(platform_), true);
    RECT r{};
    GetWindowRect(window_, &r);
    menuBar_->LayOut(r.right - r.left, frame_, menuBarHeight_, rightToLeft_);
}

void TWinSkinForm::RemoveNativeMenu() {
    SetMenu(window_, nullptr);
}

void TWinSkinForm::PaintMenuBar(HDC dc, const RECT& bar, int windowWidth) {
    menuBar_->LayOut(windowWidth, frame_, menuBarHeight_, rightToLeft_);
    TDib& composed = menuBar_->Compose(bar, active_, Bitmaps());
    if (composed.Empty()) return;
    // The maximised MDI child's buttons sit on its frame's bar.
    BOOL maximised = FALSE;
    if (formKind_ == TFormKind::MdiFrame && mdiClient_ &&
        SendMessageW(mdiClient_, WM_MDIGETACTIVE, 0, reinterpret_cast<LPARAM>(&maximised)) &&
        maximised) {
        for (const auto& button : captionButtons_) {
            const TDataSkinSysButton* e = ElementOf(*button);
            if (!e || e->Visibility != 100 || e->Image.Width == 0) continue;
            RECT r = button->Bounds;
            OffsetRect(&r, -frame_.left, -frame_.title);
            DrawCell(composed.Dc(), r, CaptionButtonStrip(*e), true, e->Frame, 1);
        }
        TSkinManage* manager = SkinManage();
        if (manager && !manager->MdiMaximized) manager->SetMdiMaximized(true);
    }
    BitBlt(dc, bar.left, bar.top, composed.Width(), composed.Height(), composed.Dc(), 0, 0,
           SRCCOPY);
}

bool TWinSkinForm::OpenMenuBarItemAt(POINT screen) {
    if (!menuBar_) return false;
    const TMenuBtn* button = menuBar_->HitTest(FramePoint(screen));
    return button && OpenMenuBarItem(button->Index());
}

bool TWinSkinForm::OpenMenuBarItemByKey(unsigned key) {
    if (!menuBar_ || menuBar_->Buttons().empty()) return false;
    std::optional<std::size_t> index;
    if (key == 0) {
        index = 0;
    } else {
        index = menuBar_->Accelerator(static_cast<wchar_t>(key));
    }
    if (!index) return false;
    OpenMenuBarItem(*index);
    return true;
}

std::optional<std::size_t> TWinSkinForm::OpenMenuBarIndex() {
    return tracking.open;
}

void TWinSkinForm::MarkOwnerDraw(HMENU menu) {
    ui::TMainMenu* library = menuBar_ ? menuBar_->Menu() : nullptr;
    const int count = GetMenuItemCount(menu);
    for (int i = 0; i < count; ++i) {
        MENUITEMINFOW info{};
        info.cbSize = sizeof(info);
        info.fMask = MIIM_ID | MIIM_FTYPE | MIIM_SUBMENU;
        if (!GetMenuItemInfoW(menu, static_cast<UINT>(i), TRUE, &info)) continue;
        if (info.hSubMenu) MarkOwnerDraw(info.hSubMenu);
        // Items the class library does not know in the range the system draws stay the
        // system's: marked, they would be left blank.
        const bool known = library && library->FindItem(info.wID);
        if (form_ && !known && SystemDrawnItemId(info.wID)) continue;
        if (info.fType & MFT_OWNERDRAW) continue;
        info.fMask = MIIM_FTYPE;
        info.fType |= MFT_OWNERDRAW;
        SetMenuItemInfoW(menu, static_cast<UINT>(i), TRUE, &info);
    }
}

bool TWinSkinForm::OpenMenuBarItem(std::size_t index) {
    if (!menuBar_ || index >= menuBar_->Buttons().size()) return false;
    const TMenuBtn& button = *menuBar_->Buttons()[index];
    PostMessageW(window_, WM_COMMAND, button.Command, 0);
    if (!button.Submenu) return false;
    tracking.open = index;
    tracking.form = this;
    RECT outer{};
    GetWindowRect(window_, &outer);
    if (!(platform_.nt && platform_.major == 4)) MarkOwnerDraw(button.Submenu);
    menuTracking_ = true;
    const int x = (rightToLeft_ ? button.Bounds.right : button.Bounds.left) + outer.left;
    const int y = button.Bounds.bottom + outer.top;
    if (TSkinManage* manager = SkinManage()) {
        manager->PopupKind = 1;
        manager->PopupFromMenuBar = true;
    }
    trackedPopup_ = button.Submenu;
    tracking.switchTo.reset();
    if (!tracking.hook) {
        tracking.firstKeySent = false;
        GetCursorPos(&tracking.lastPoint);
        tracking.hook =
            SetWindowsHookExW(WH_MSGFILTER, MenuFilterHook, nullptr, GetCurrentThreadId());
    }
    const HWND window = window_;
    const std::shared_ptr<bool> alive = alive_;
    if (button.Enabled)
        TrackPopupMenu(button.Submenu,
                       TPM_RIGHTBUTTON | TPM_NONOTIFY | (rightToLeft_ ? TPM_RIGHTALIGN : 0u), x, y,
                       0, window, nullptr);
    if (tracking.hook) UnhookWindowsHookEx(tracking.hook);
    tracking.hook = nullptr;
    const std::optional<std::size_t> next = tracking.switchTo;
    tracking = {};
    if (!*alive) return true;
    menuTracking_ = false;
    trackedPopup_ = nullptr;
    // The next bar button opens once this menu has gone.
    if (next) SimulateMenuBarClick(*next);
    return true;
}

void TWinSkinForm::SimulateMenuBarClick(std::size_t index) {
    if (!menuBar_ || index >= menuBar_->Buttons().size()) return;
    const RECT& b = menuBar_->Buttons()[index]->Bounds;
    RECT outer{};
    GetWindowRect(window_, &outer);
    PostMessageW(window_, WM_NCLBUTTONDOWN, HTCLIENT,
                 MAKELPARAM(b.left + outer.left + 1, b.top + outer.top + 1));
}

LRESULT CALLBACK TWinSkinForm::MenuFilterHook(int code, WPARAM wp, LPARAM lp) {
    auto* msg = reinterpret_cast<MSG*>(lp);
    TWinSkinForm* form = tracking.form;
    // A right-to-left menu moves the other way.
    if (form && form->rightToLeft_ && msg &&
        (msg->message == WM_KEYDOWN && (msg->wParam == VK_LEFT || msg->wParam == VK_RIGHT)))
        msg->wParam = msg->wParam == VK_LEFT ? VK_RIGHT : VK_LEFT;
    const LRESULT next = CallNextHookEx(tracking.hook, code, wp, lp);
    if (code != MSGF_MENU || next != 0 || !form || !msg) return next;
    try {
        form->MenuFilterMessage(*msg);
    } catch (...) {
        // The menu goes on as the system runs it.
    }
    return 0;
}

void TWinSkinForm::MenuFilterMessage(MSG& msg) {
    if (!tracking.firstKeySent) {
        // Opened by the keyboard or the mouse, the menu starts on its first item.
        tracking.firstKeySent = true;
        PostMessageW(msg.hwnd, WM_KEYDOWN, VK_DOWN, 0);
    }
    if (!tracking.open || !menuBar_) return;
    std::optional<std::size_t> target;
    switch (msg.message) {
    case WM_KEYDOWN: {
        // The filter sees the key before the menu does: the selection is the one it moves from.
        const TMenuSelection selection = SelectionIn(trackedPopup_);
        const TBarMove move =
            BarMoveOf(static_cast<unsigned>(msg.wParam),
                      selection.menu && selection.menu != trackedPopup_, selection.hasSubmenu);
        if (move != TBarMove::None)
            target = BarItemAfter(menuBar_->BarItems(), *tracking.open, move);
        break;
    }
    case WM_SYSKEYDOWN:
        if (msg.wParam == VK_MENU) menuTracking_ = false;
        return;
    case WM_MOUSEMOVE: {
        if (msg.pt.x == tracking.lastPoint.x && msg.pt.y == tracking.lastPoint.y) return;
        tracking.lastPoint = msg.pt;
        if (const TMenuBtn* button = menuBar_->HitTest(FramePoint(msg.pt)))
            target = button->Index();
        break;
    }
    default:
        return;
    }
    if (!target || *target == *tracking.open) return;
    // This menu closes; the next opens once it has (see OpenMenuBarItem).
    tracking.switchTo = target;
    EndMenu();
}
