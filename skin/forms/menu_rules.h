// The menus' decisions as plain rules: where the menu bar's buttons go, which one a point or an
// accelerator opens, where the keyboard moves along the bar, how much wider and taller the skin
// makes a menu item, which cells of the item strip an item shows and in which colour its text is.
#pragma once

#include "skin/forms/skin_form_rules.h"

#include "skin/model/skin_catalogue.h"

#include <optional>
#include <string_view>
#include <vector>

// Whether the bar's buttons are read from the class library's menu rather than the native one:
// on Windows NT before 5, and on any system that reports version 4.0 (the first of the 9x
// family), whose native items do not tell all the bar needs.
bool MenuBarFromLibraryMenu(TPlatformVersion version);

// One top-level item of the bar as the layout sees it.
struct TBarItem {
    int captionWidth = 0; // measured with the menu font
    bool empty = false;   // no caption: no width, never hit
    bool visible = true;
    bool enabled = true;
    wchar_t accelerator = 0; // 0: none
};

struct TMenuBarLayoutInputs {
    TPixelRect bar; // window coordinates
    bool hasMenuBarElement = false;
    int leftWidth = 0; // the MenuBar element's margins (at kBaseDpi)
    int rightWidth = 0;
    bool rightToLeft = false;
    int dpi = kBaseDpi; // the window's density: the margins and the gaps scale to it
};

// The bar between the side edges, under the title.
TPixelRect MenuBarRect(int windowWidth, TFrameSizes frame, int menuBarHeight);

// Each item's bounds (window coordinates), left to right (right to left for right-to-left
// menus) from the bar's start; hidden items get empty bounds.
std::vector<TPixelRect> LayOutMenuBar(const TMenuBarLayoutInputs& in,
                                      const std::vector<TBarItem>& items);

// The first item under the point with a caption; none.
std::optional<std::size_t> MenuBarHit(const std::vector<TPixelRect>& bounds,
                                      const std::vector<TBarItem>& items, int x, int y);

// The character after a single "&" ("&&" is a plain "&"), upper-cased; 0 when none.
wchar_t AcceleratorOf(std::wstring_view caption);
// The first enabled, visible item with that accelerator (either case).
std::optional<std::size_t> MenuBarAccelerator(const std::vector<TBarItem>& items, wchar_t key);

// Keyboard moves along the bar while one of its menus is open.
enum class TBarMove { None, Previous, Next };
// Left goes to the previous item unless a nested submenu is open (Left closes that); Right to
// the next unless the selected item has a submenu (Right opens it). Other keys stay.
TBarMove BarMoveOf(unsigned key, bool nestedSubmenuOpen, bool selectedHasSubmenu);
// The item the move lands on, wrapping at both ends and passing items that cannot open (hidden
// or without caption); `open` when no other can.
std::size_t BarItemAfter(const std::vector<TBarItem>& items, std::size_t open, TBarMove move);

// How much wider the skin makes a popup item and a menu-bar submenu item than the class
// library measures it: room for the item picture's left end and the glyph column, at the menu's
// density `dpi` (the MenuItem element's left margin given at kBaseDpi).
int PopupItemExtraWidth(bool hasMenuItemElement, int menuItemLeftWidth, bool hasImages,
                        int dpi = kBaseDpi);
int BarItemExtraWidth(bool hasMenuItemElement, int menuItemLeftWidth, bool hasImages,
                      int dpi = kBaseDpi);

// The size of a native item the class library does not know, from its text's extent.
struct TNativeItemSize {
    int width = 0;
    int height = 0;
    bool operator==(const TNativeItemSize&) const = default;
};
// The text's extent is in the menu's pixels; the skin's margin and the room around the text
// scale to its density `dpi`.
TNativeItemSize NativeItemSize(int textWidth, int textHeight, bool textEmpty,
                               bool hasMenuItemElement, int menuItemLeftWidth, bool nt,
                               int dpi = kBaseDpi);

// Native item ids the system draws when the class library does not know them.
bool SystemDrawnItemId(unsigned id);

// Cells of the five-cell MenuItem strip.
inline constexpr int kMenuItemCells = 5;
inline constexpr int kMenuItemSeparatorCell = 2;
int MenuItemCell(bool selected);

// The colour of an item's text: highlighted when selected, greyed when disabled (the system's
// shadow colour when the skin's shadow equals its menu text, which would not show it).
TColor MenuItemTextColor(const std::array<TColor, kColorSlots>& colors, bool selected,
                         bool enabled);

// Where an item's glyph and text go inside the item rectangle: the image list's width in the
// menu's pixels, the MenuItem element's left margin and the glyph column's least width (a check
// mark's) at kBaseDpi, scaled to the menu's density `dpi`.
struct TMenuItemLayout {
    TPixelRect glyph; // the glyph column
    TPixelRect text;  // caption and shortcut
};
TMenuItemLayout LayOutMenuItem(TPixelRect item, int menuItemLeftWidth, int imageWidth, bool checked,
                               bool rightToLeft, int dpi = kBaseDpi);
