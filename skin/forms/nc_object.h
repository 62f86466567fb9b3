// What the mouse can point at in a skinned window's non-client area: TNCObject, with the
// normal, hot and pressed states and the hot-object protocol of its form skinner, and
// TWinSysButton, a caption button showing one of the skin's button elements.
#pragma once

#include "skin/forms/caption_rules.h"

#include <windows.h>

#include <cstddef>

class TWinSkinForm;

class TNCObject {
public:
    explicit TNCObject(TWinSkinForm& form) : form_(form) {}
    virtual ~TNCObject() = default;
    TNCObject(const TNCObject&) = delete;
    TNCObject& operator=(const TNCObject&) = delete;

    // Pressed: the object becomes the hot one (whichever was hot hears it has lost the mouse).
    virtual void DoMouseDown();
    // Released over it: hot again.
    virtual void DoMouseUp();
    // The mouse came over it: the hot one, drawn hot.
    virtual void DoMouseMove();
    // The mouse left it: back to normal, and the caption-button hint goes.
    virtual void DoMouseLeave();
    // Draws the object in its state straight into the window.
    virtual void Paint() {}

    RECT Bounds{}; // frame coordinates
    bool Visible = false;
    std::int32_t State = ncNormal;
    bool Enabled = true;

protected:
    TWinSkinForm& form_;
};

class TWinSysButton : public TNCObject {
public:
    // Shows the caption-button element `index` of the form's skin.
    TWinSysButton(TWinSkinForm& form, std::size_t index) : TNCObject(form), index_(index) {}
    std::size_t Index() const { return index_; }
    void Paint() override;

private:
    std::size_t index_;
};
