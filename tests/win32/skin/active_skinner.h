// The form skinner of a window once it skins the window, and the skin control it gave a control,
// for the tests of skinned forms.
#pragma once

#include "skin_control.h"
#include "skin_form.h"
#include "skin_manager.h"

#include <windows.h>

// The window's skinner when the manager has one for it and it is active; none before that.
inline TWinSkinForm* ActiveSkinner(HWND window) {
    auto* skinner =
        SkinManage() ? dynamic_cast<TWinSkinForm*>(SkinManage()->FindSkinForm(window)) : nullptr;
    return skinner && skinner->SkinState() == TFormSkinState::Active ? skinner : nullptr;
}

// The skin control `skinner` gave `control`, or none.
inline TSkinControl* SkinControlOf(const TWinSkinForm& skinner, const ui::TControl& control) {
    for (TSkinControl* c : skinner.SkinControls())
        if (c->Control() == &control) return c;
    return nullptr;
}
