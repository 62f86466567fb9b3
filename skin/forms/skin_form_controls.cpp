// The form skinner's skin controls: one per recognised control of the window, found when the
// skinner starts, made again after a skin change, freed with the skinner.
#include "skin_form.h"

#include "skin_control.h"

#include <algorithm>

void TWinSkinForm::RegisterSkinControl(TSkinControl& control) {
    if (std::find(skinControls_.begin(), skinControls_.end(), &control) == skinControls_.end())
        skinControls_.push_back(&control);
}

void TWinSkinForm::UnregisterSkinControl(TSkinControl& control) {
    std::erase(skinControls_, &control);
    if (mouseControl_ == &control) mouseControl_ = nullptr;
}

void TWinSkinForm::AssignControls() {}

void TWinSkinForm::ControlRecreated(HWND) {}

void TWinSkinForm::ReloadSkinControls() {}

void TWinSkinForm::FreeSkinControls(bool) {
    // Each one unregisters as it goes.
    while (!skinControls_.empty())
        ui::Free(skinControls_.back());
}

void TWinSkinForm::SizeGripCreated(HWND) {}
