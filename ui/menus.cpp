// Menus on native menus made for each showing (popups) or kept while the form shows them (menu
// bars).
#include "ui/menus.h"

#include "ui/application.h"
#include "ui/graphics.h"
#include "ui/message_window.h"
#include "ui/scale_measure.h"
#include "ui/win_handles.h"
#include "ui/window_dpi.h"

#include <utility>

namespace ui {

namespace {

// Command ids of every menu of the process, from 1 up (0 is what TrackPopupMenu returns for no
// choice) and below the system commands, which an owner-drawn system menu sends as WM_COMMAND.
UINT NextCommand() {
    static UINT next = 0;
    next = next % 0xEFFF + 1;
    return next;
}

// Gap between a caption and its shortcut text.
constexpr int kShortCutGap = 15;

TMenuItem* FindIn(std::vector<TMenuItem>& items, const std::function<bool(TMenuItem&)>& match) {
    for (TMenuItem& item : items) {
        if (match(item)) return &item;
        if (TMenuItem* found = FindIn(item.Items, match)) return found;
    }
    return nullptr;
}

} // namespace

SIZE MeasureMenuItem(HDC dc, const TMenuItem& item, const TImageList* images, int dpi) {
    // A separator is a thin line.
    if (item.IsSeparator()) return {0, ScaleMeasure(8, dpi)};
    int width = MenuTextWidth(dc, item.Caption) + (images ? images->Width() : 0);
    if (!item.ShortCut.empty())
        width += ScaleMeasure(kShortCutGap, dpi) + MenuTextWidth(dc, item.ShortCut);
    TEXTMETRICW tm{};
    GetTextMetricsW(dc, &tm);
    const int height = std::max<int>(tm.tmHeight + ScaleMeasure(6, dpi),
                                     images ? images->Height() + ScaleMeasure(4, dpi) : 0);
    return {width, height};
}

HFONT MenuFont() {
    static const GdiHandle<HFONT> font = [] {
        NONCLIENTMETRICSW metrics{};
        metrics.cbSize = sizeof(metrics);
        SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0);
        return GdiHandle<HFONT>(CreateFontIndirectW(&metrics.lfMenuFont));
    }();
    return font.get();
}

int MenuTextWidth(HDC dc, const std::wstring& caption) {
    RECT r{0, 0, 0, 0};
    DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &r,
              DT_CALCRECT | DT_NOCLIP | DT_SINGLELINE);
    return r.right - r.left;
}

TMenu::TMenu(TComponent* owner) : TComponent(owner) {}

TMenu::~TMenu() {
    FreeNative();
}

const TClassInfo& TMenu::StaticClass() {
    static const TClassInfo info(L"TMenu", &TComponent::StaticClass());
    return info;
}

TMenuItem* TMenu::FindItem(UINT command) {
    if (command == 0) return nullptr;
    return FindIn(Items, [command](TMenuItem& i) { return i.command_ == command; });
}

TMenuItem* TMenu::FindItemByHandle(HMENU submenu) {
    if (!submenu) return nullptr;
    return FindIn(Items, [submenu](TMenuItem& i) { return i.handle_ == submenu; });
}

bool TMenu::DispatchCommand(UINT command) {
    TMenuItem* item = FindItem(command);
    if (!item) return false;
    if (item->OnClick) item->OnClick(*item);
    return true;
}

bool TMenu::DispatchMeasure(MEASUREITEMSTRUCT& m) {
    if (m.CtlType != ODT_MENU) return false;
    TMenuItem* item = FindItem(m.itemID);
    if (!item || !item->OnDrawItem) return false;
    const WindowDC screen(nullptr);
    const Selection font(screen.dc(), MenuFont());
    const SIZE size = MeasureMenuItem(screen.dc(), *item, Images, SystemDpi());
    int width = size.cx;
    int height = size.cy;
    if (item->OnMeasureItem) item->OnMeasureItem(*item, screen.dc(), width, height);
    m.itemWidth = static_cast<UINT>(std::max(width, 0));
    m.itemHeight = static_cast<UINT>(std::max(height, 1));
    return true;
}

bool TMenu::DispatchDraw(const DRAWITEMSTRUCT& d) {
    if (d.CtlType != ODT_MENU) return false;
    TMenuItem* item = FindItem(d.itemID);
    if (!item || !item->OnDrawItem) return false;
    item->OnDrawItem(*item, {d.hDC, d.rcItem, (d.itemState & ODS_SELECTED) != 0,
                             reinterpret_cast<HMENU>(d.hwndItem)});
    return true;
}

HMENU TMenu::Build(bool menuBar) {
    FreeNative();
    menu_ = menuBar ? CreateMenu() : CreatePopupMenu();
    if (menu_) Fill(menu_, Items);
    return menu_;
}

void TMenu::Fill(HMENU menu, std::vector<TMenuItem>& items) {
    for (TMenuItem& item : items) {
        item.command_ = NextCommand();
        item.handle_ = nullptr;
        if (!item.Visible) continue;
        MENUITEMINFOW info{};
        info.cbSize = sizeof(info);
        info.fMask = MIIM_ID | MIIM_STATE | MIIM_FTYPE | MIIM_STRING;
        info.wID = item.command_;
        info.fState = (item.Enabled ? 0u : MFS_GRAYED) | (item.Checked ? MFS_CHECKED : 0u) |
                      (item.Default ? MFS_DEFAULT : 0u);
        const std::wstring text =
            item.ShortCut.empty() ? item.Caption : item.Caption + L'\t' + item.ShortCut;
        info.dwTypeData = const_cast<wchar_t*>(text.c_str());
        if (item.IsSeparator()) info.fType |= MFT_SEPARATOR;
        // An owner-drawn item keeps its text: the menu's keyboard and other readers use it.
        if (OwnerDraw && item.OnDrawItem) info.fType |= MFT_OWNERDRAW;
        if (!item.Items.empty()) {
            item.handle_ = CreatePopupMenu();
            Fill(item.handle_, item.Items);
            info.fMask |= MIIM_SUBMENU;
            info.hSubMenu = item.handle_;
        }
        InsertMenuItemW(menu, GetMenuItemCount(menu), TRUE, &info);
    }
}

void TMenu::FreeNative() {
    // Submenus go with their menu.
    if (menu_) DestroyMenu(menu_);
    menu_ = nullptr;
}

HMENU TMenu::ReleaseNative() {
    return std::exchange(menu_, nullptr);
}

TMainMenu::TMainMenu(TComponent* owner) : TMenu(owner) {}

const TClassInfo& TMainMenu::StaticClass() {
    static const TClassInfo info(L"TMainMenu", &TMenu::StaticClass());
    return info;
}

HMENU TMainMenu::MenuBar() {
    return Handle() ? Handle() : Build(true);
}

TPopupMenu::TPopupMenu(TComponent* owner) : TMenu(owner), showing_(std::make_shared<TShowing>()) {}

TPopupMenu::~TPopupMenu() {
    // Freed from inside its own menu's loop: the menu ends, and the native menu and its owner
    // window stay until the loop has let go of them.
    if (!showing_->shown) return;
    showing_->freed = true;
    showing_->menu = ReleaseNative();
    showing_->window = std::move(window_);
    EndMenu();
}

const TClassInfo& TPopupMenu::StaticClass() {
    static const TClassInfo info(L"TPopupMenu", &TMenu::StaticClass());
    return info;
}

int TPopupMenu::Popup(int x, int y) {
    if (!window_) {
        TMessageWindowParams params;
        params.class_name = L"TPopupList";
        // Menus are owned by a real (never shown) window, not a message-only one.
        params.message_only = false;
        window_ = std::make_unique<TMessageWindow>(
            params,
            // The state outlives the window, which it takes over when the popup goes first.
            [this, showing = showing_.get()](UINT msg, WPARAM,
                                             LPARAM lp) -> std::optional<LRESULT> {
                if (showing->freed) return std::nullopt;
                if (msg == WM_MEASUREITEM &&
                    DispatchMeasure(*reinterpret_cast<MEASUREITEMSTRUCT*>(lp)))
                    return TRUE;
                if (msg == WM_DRAWITEM && DispatchDraw(*reinterpret_cast<DRAWITEMSTRUCT*>(lp)))
                    return TRUE;
                return std::nullopt;
            });
    }
    const HMENU menu = Build(false);
    if (!menu) return -1;
    const std::shared_ptr<TShowing> showing = showing_;
    showing->shown = true;
    const auto chosen = static_cast<UINT>(
        TrackPopupMenu(menu, TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RIGHTBUTTON | TPM_RETURNCMD, x, y,
                       0, window_->Handle(), nullptr));
    if (showing->freed) {
        if (showing->menu) DestroyMenu(showing->menu);
        return -1;
    }
    showing->shown = false;
    int index = -1;
    for (std::size_t i = 0; i < Items.size(); ++i)
        if (chosen != 0 && Items[i].Command() == chosen) index = static_cast<int>(i);
    FreeNative();
    if (TMenuItem* item = FindItem(chosen); item && item->OnClick) item->OnClick(*item);
    return index;
}

} // namespace ui
