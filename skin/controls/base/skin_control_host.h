// What a skin control asks of the skinned form it belongs to. The form skinner implements it;
// skin controls know the form only through this, so they never depend on the form skinner.
#pragma once

#include <windows.h>

class TSkinControl;

class TSkinControlHost {
public:
    // The form keeps a list of its skin controls: each registers when it attaches and
    // unregisters when it goes, whoever frees it.
    virtual void RegisterSkinControl(TSkinControl& control) = 0;
    virtual void UnregisterSkinControl(TSkinControl& control) = 0;
    // The skinned form's window (messages for the form go there).
    virtual HWND HostWindow() const = 0;
    // The display density the form is drawn at (its monitor's): every skin control of the form
    // draws at it.
    virtual int Dpi() const = 0;
    // A skin control reports the mouse over it; the form sends it the mouse-leave notification
    // when the window stops being active, as the control may not hear of the mouse leaving then.
    virtual void MouseOverControl(TSkinControl* control) = 0;

protected:
    ~TSkinControlHost() = default;
};
