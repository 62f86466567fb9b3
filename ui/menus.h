// Popup menus: a list of items (caption, shortcut text, tag, glyph index, enabled and checked)
// shown at a screen point and tracked until the user chooses one or leaves; the chosen item's
// click runs after the menu has closed.
#pragma once

#include "component.h"

#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace ui {

struct TMenuItem {
    std::wstring Caption;  // "-" is a separator
    std::wstring ShortCut; // shown right-aligned after the caption
    std::intptr_t Tag = 0;
    int ImageIndex = -1;
    bool Enabled = true;
    bool Checked = false;
    std::function<void(TMenuItem&)> OnClick;
};

class TPopupMenu : public TComponent {
public:
    explicit TPopupMenu(TComponent* owner);
    static const TClassInfo& StaticClass();
    const TClassInfo& ClassType() const override { return StaticClass(); }

    std::vector<TMenuItem> Items;

    // Shows the menu with its top-left corner at (x, y) on the screen, owned by the application
    // window, and returns once it has closed: the index of the chosen item (after its OnClick),
    // or -1.
    int Popup(int x, int y);
    // The native menu while it is shown, else null.
    HMENU Handle() const { return menu_; }

private:
    HMENU menu_ = nullptr;
};

} // namespace ui
