// The form skinner of a window once it is active (none before): what the skinner tests wait for
// after showing their form; and the skin control it gave a control.
#pragma once

#include "skin_control.h"
#include "skin_form.h"
#include "skin_manager.h"

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
