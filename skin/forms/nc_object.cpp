// Non-client objects under the mouse.
#include "skin/forms/nc_object.h"

#include "skin/forms/skin_form.h"

void TNCObject::DoMouseDown() {
    if (TNCObject* hot = form_.HotObject(); hot && hot != this) hot->DoMouseLeave();
    if (!Visible) return;
    form_.SetHotObject(this);
    State = ncPressed;
    Paint();
}

void TNCObject::DoMouseUp() {
    if (!Visible) return;
    State = ncHot;
    Paint();
}

void TNCObject::DoMouseMove() {
    TNCObject* hot = form_.HotObject();
    if (hot == this) return;
    if (hot) hot->DoMouseLeave();
    if (!Visible) return;
    form_.SetHotObject(this);
    State = ncHot;
    Paint();
}

void TNCObject::DoMouseLeave() {
    if (!Visible) return;
    form_.SetHotObject(nullptr);
    State = ncNormal;
    Paint();
    form_.ResetCaptionHint();
}

void TWinSysButton::Paint() {
    form_.PaintCaptionButton(*this);
}
