// The menu item painter: one owner-drawn menu item (popup menus, the menu bar's menus, the
// skinned system menu) drawn from the skin's MenuItem strip over the popup window's skinned
// background, with its glyph, check mark, caption and shortcut text; without a MenuItem element,
// plainly in the skin's menu colours.
#pragma once

#include "ui/scale_measure.h"

#include <windows.h>

#include <string>

class TSkinData;
class TSkinBitmaps;
namespace ui {
class TImageList;
}

// What one item shows.
struct TMenuItemLook {
    std::wstring caption; // "-" is a separator
    std::wstring shortCut;
    int imageIndex = -1;
    bool enabled = true;
    bool checked = false;
    bool isDefault = false;
    bool selected = false;
    bool rightToLeft = false;
    bool hasSubmenu = false; // shows the submenu arrow
};

// The density a menu is drawn at and the menu font there.
struct TMenuDensity {
    int dpi = kBaseDpi;
    HFONT font;
};

// Draws `item` into `rect` of `dc` at `density`; `menu` is the native menu the item sits in (its
// popup window's background shows through), `images` the glyphs or none. An item with a submenu
// gets its arrow from here, and the item is then clipped out of `dc`: the system draws its own
// arrow after an owner-drawn item as a monochrome bitmap in the DC's colours, a box over the skin.
void PaintMenuItem(TSkinData& skin, TSkinBitmaps& bitmaps, const ui::TImageList* images,
                   const TMenuItemLook& item, HDC dc, const RECT& rect, HMENU menu,
                   const TMenuDensity& density);
