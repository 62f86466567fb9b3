// What the tests of skinned forms share: the form skinner of a window once it has taken the
// window over, and the skin control it gave a control.
#pragma once

#include "skin_control.h"
#include "skin_form.h"
#include "skin_manager.h"

#include <windows.h>

namespace skinned_form {

// The form skinner of `window` once it skins it, else none.
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

} // namespace skinned_form
