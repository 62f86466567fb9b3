// The form skinner's menu bar and owner-drawn menus.
//
// For now there is no skinned menu bar: a window keeps its native menu, and no menu item is
// drawn by the skin.
#include "skin_form.h"

bool TWinSkinForm::AttachMenuBar() {
    return false;
}

void TWinSkinForm::DetachMenuBar(bool) {}

void TWinSkinForm::ReloadMenuBar() {}

void TWinSkinForm::RemoveNativeMenu() {}

bool TWinSkinForm::OpenMenuBarItemAt(POINT) {
    return false;
}

bool TWinSkinForm::OpenMenuBarItemByKey(unsigned) {
    return false;
}

void TWinSkinForm::OwnerDrawMenus(bool) {}

bool TWinSkinForm::MenuItemMessage(ui::TMessage&) {
    return false;
}
