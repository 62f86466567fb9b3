// TWinSkinMenu: a window's menu bar taken off the system and drawn by the skin in the strip under
// the title, as a row of TMenuBtn objects (one per top-level item) that the mouse tracks like the
// caption buttons. It keeps the window's native menu and gives it back when it goes.
#pragma once

#include "skin/forms/menu_rules.h"
#include "skin/forms/nc_object.h"

#include "skin/gdi/dib.h"

#include "ui/component.h"

#include <windows.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

class TSkinBitmaps;
class TSkinData;
class TWinSkinMenu;
namespace ui {
class TForm;
class TMainMenu;
struct TMenuItem;
} // namespace ui

class TMenuBtn : public TNCObject {
public:
    TMenuBtn(TWinSkinForm& form, TWinSkinMenu& bar, std::size_t index)
        : TNCObject(form), bar_(bar), index_(index) {}
    std::size_t Index() const { return index_; }
    void Paint() override;

    ui::TMenuItem* Item = nullptr; // the class-library item, or none
    std::wstring Caption;
    HMENU Submenu = nullptr; // none: the item has no children
    UINT Command = 0;

private:
    TWinSkinMenu& bar_;
    std::size_t index_;
};

class TWinSkinMenu : public ui::TComponent {
public:
    TWinSkinMenu(TWinSkinForm& form, TSkinData& skin);
    ~TWinSkinMenu() override;

    // Takes the window's native menu (keeping the last one when it has none), makes one button
    // per top-level item (from the class-library menu alone on systems older than NT 5; without
    // items whose caption is empty when `skipEmpty`), and takes the native menu off the window.
    // False when there is no menu at all.
    bool Load(HWND window, ui::TForm* form, bool fromLibraryMenu, bool skipEmpty);
    // The buttons' places for a window of that width.
    void LayOut(int windowWidth, TFrameSizes frame, int menuBarHeight, bool rightToLeft);
    // The bar composed at its size (background and captions, buttons as last laid out) for the
    // frame painter, which adds what it draws on the bar and copies it to the window; `bar` in
    // window coordinates.
    TDib& Compose(const RECT& bar, bool active, TSkinBitmaps& bitmaps);
    // The first button under a frame point that has a caption, or none.
    TMenuBtn* HitTest(POINT frame) const;
    // The first enabled, visible button with that accelerator key.
    std::optional<std::size_t> Accelerator(wchar_t key) const;
    // Draws one button in its state straight into the window.
    void PaintButton(const TMenuBtn& button);

    const std::vector<std::unique_ptr<TMenuBtn>>& Buttons() const { return buttons_; }
    std::vector<TBarItem> BarItems() const;
    HMENU NativeMenu() const { return native_; }
    ui::TMainMenu* Menu() const { return menu_; }
    RECT BarRect() const { return barRect_; }

private:
    void Add(std::wstring caption, bool enabled, UINT command, HMENU submenu, ui::TMenuItem* item);

    TWinSkinForm& form_;
    TSkinData& skin_;
    HWND window_ = nullptr;
    HMENU native_ = nullptr;
    ui::TMainMenu* menu_ = nullptr;
    std::vector<std::unique_ptr<TMenuBtn>> buttons_;
    RECT barRect_{};
    TDib barBitmap_; // the last bar's background, for repainting single buttons
    TDib work_;
};
