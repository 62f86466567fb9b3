// The form skinner of a window once it is active (none before): what the skinner tests wait for
// after showing their form.
#pragma once

#include "skin_form.h"
#include "skin_manager.h"

inline TWinSkinForm* ActiveSkinner(HWND window) {
    auto* skinner =
        SkinManage() ? dynamic_cast<TWinSkinForm*>(SkinManage()->FindSkinForm(window)) : nullptr;
    return skinner && skinner->SkinState() == TFormSkinState::Active ? skinner : nullptr;
}
