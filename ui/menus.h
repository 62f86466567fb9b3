// Menus of the class library: items with captions, shortcut texts, glyphs, states and submenus,
// put on native menus when shown. A main menu is a form's menu bar; a popup menu is shown at a
// screen point and tracked until the user chooses an item or leaves. Commands come back as the
// chosen item's OnClick. Items with a draw handler are owner-drawn while the menu's OwnerDraw is
// on: the menu measures and draws them through their handlers.
#pragma once

#include "ui/component.h"

#include <windows.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace ui {

class TImageList;
class TMessageWindow;
struct TMenuItem;

// What an owner-drawn item is drawn on.
struct TMenuItemDraw {
    HDC Dc = nullptr;
    RECT Rect{};
    bool Selected = false;
    HMENU Menu = nullptr; // the native menu the item sits in
};
using TMenuDrawItemEvent = std::function<void(TMenuItem& item, const TMenuItemDraw& draw)>;
// `width` and `height` come in as the menu's own measure of the item and go out as the size.
using TMenuMeasureItemEvent = std::function<void(TMenuItem& item, HDC dc, int& width, int& height)>;

struct TMenuItem {
    std::wstring Caption;  // "-" is a separator; "&" marks the accelerator
    std::wstring ShortCut; // shown right-aligned after the caption
    std::intptr_t Tag = 0;
    int ImageIndex = -1;
    bool Enabled = true;
    bool Checked = false;
    bool Visible = true;
    bool Default = false;         // drawn bold
    std::vector<TMenuItem> Items; // the submenu
    std::function<void(TMenuItem&)> OnClick;
    TMenuDrawItemEvent OnDrawItem;
    TMenuMeasureItemEvent OnMeasureItem;

    bool IsSeparator() const { return Caption == L"-"; }
    // The command id of the item on its native menu (0 until the menu was built).
    UINT Command() const { return command_; }
    // The native submenu while the menu is built, else null.
    HMENU Handle() const { return handle_; }

private:
    friend class TMenu;
    UINT command_ = 0;
    HMENU handle_ = nullptr;
};

class TMenu : public TComponent {
public:
    explicit TMenu(TComponent* owner);
    ~TMenu() override;
    static const TClassInfo& StaticClass();
    const TClassInfo& ClassType() const override { return StaticClass(); }

    std::vector<TMenuItem> Items;
    // Items with a draw handler are drawn by it.
    bool OwnerDraw = false;
    // The glyphs of ImageIndex; none draws no glyphs.
    const TImageList* Images = nullptr;

    // The native menu while it is built, else null.
    HMENU Handle() const { return menu_; }
    // The item with that command id, or with that native submenu, anywhere in the menu.
    TMenuItem* FindItem(UINT command);
    TMenuItem* FindItemByHandle(HMENU submenu);
    // The chosen item's OnClick; false for an id this menu does not know.
    bool DispatchCommand(UINT command);
    // WM_MEASUREITEM and WM_DRAWITEM of this menu's owner-drawn items; false for others.
    bool DispatchMeasure(MEASUREITEMSTRUCT& measure);
    bool DispatchDraw(const DRAWITEMSTRUCT& draw);

protected:
    // Builds the native menu (a menu bar or a popup) from the items, freeing the last one.
    HMENU Build(bool menuBar);
    void FreeNative();
    // The native menu handed to the caller, who frees it.
    HMENU ReleaseNative();

private:
    void Fill(HMENU menu, std::vector<TMenuItem>& items);
    HMENU menu_ = nullptr;
};

class TMainMenu : public TMenu {
public:
    explicit TMainMenu(TComponent* owner);
    static const TClassInfo& StaticClass();
    const TClassInfo& ClassType() const override { return StaticClass(); }
    // The menu bar, built from the items on the first call and after Rebuild.
    HMENU MenuBar();
    void Rebuild() { Build(true); }
};

class TPopupMenu : public TMenu {
public:
    explicit TPopupMenu(TComponent* owner);
    ~TPopupMenu() override;
    static const TClassInfo& StaticClass();
    const TClassInfo& ClassType() const override { return StaticClass(); }

    // Shows the menu with its top-left corner at (x, y) on the screen and returns once it has
    // closed: the index of the chosen top-level item (after its OnClick), or -1. An item of a
    // submenu runs its OnClick and gives -1. The menu's loop runs timers and posted messages,
    // so the popup may be freed while it is shown: the menu then ends, nothing is chosen and
    // -1 comes back without the popup being touched again.
    int Popup(int x, int y);

private:
    // What the menu's loop still needs once the popup has gone: kept apart from the popup, by
    // the running Popup and by the window's handler.
    struct TShowing {
        bool shown = false;
        bool freed = false;
        HMENU menu = nullptr;
        std::unique_ptr<TMessageWindow> window;
    };
    std::shared_ptr<TShowing> showing_;
    // Owns the menu while it is shown and hears its owner-drawn items.
    std::unique_ptr<TMessageWindow> window_;
};

// The size the class library gives an item on a DC with the menu font at `dpi`: its caption,
// shortcut and glyph column side by side, the taller of text and glyph, with the room around
// them at that density.
SIZE MeasureMenuItem(HDC dc, const TMenuItem& item, const TImageList* images, int dpi);
// The system's menu font, at the system's density (made once).
HFONT MenuFont();
// The width of a caption as menus show it ("&" marks, "&&" is one "&") in the DC's font.
int MenuTextWidth(HDC dc, const std::wstring& caption);

} // namespace ui
