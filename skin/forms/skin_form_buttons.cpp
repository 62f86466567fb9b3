// The form skinner's caption buttons and skinned system menu: made from the skin's button
// elements, tracked under the mouse, clicked.
//
// For now there are none: non-client mouse messages go to the window (the caption still drags
// it) and the system menu is not shown.
#include "skin_form.h"

void TWinSkinForm::CreateCaptionButtons() {}

void TWinSkinForm::FreeCaptionButtons() {}

bool TWinSkinForm::CaptionMouse(ui::TMessage&) {
    return false;
}

void TWinSkinForm::HoverTick() {}

void TWinSkinForm::ShowSystemMenu(POINT) {}
