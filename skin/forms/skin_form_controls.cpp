// The form skinner's skin controls: one per recognised control of the window, found when the
// skinner starts, made again after a skin change, freed with the skinner.
//
// For now no control is given one.
#include "skin_form.h"

void TWinSkinForm::AssignControls() {}

void TWinSkinForm::ControlRecreated(HWND) {}

void TWinSkinForm::ReloadSkinControls() {}

void TWinSkinForm::FreeSkinControls(bool) {}

void TWinSkinForm::SizeGripCreated(HWND) {}
