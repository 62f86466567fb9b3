// The form skinner of a window once it skins the window, for tests that wait for a skinned form.
#pragma once

#include "skin_form.h"
#include "skin_manager.h"

#include <windows.h>

// The window's skinner when the manager has one for it and it is active; none before that.
inline TWinSkinForm* ActiveSkinner(HWND window) {
    auto* skinner =
        SkinManage() ? dynamic_cast<TWinSkinForm*>(SkinManage()->FindSkinForm(window)) : nullptr;
    return skinner && skinner->SkinState() == TFormSkinState::Active ? skinner : nullptr;
}
