// What the skin manager asks of the skinners it creates and owns: the form skinner of a window
// and the popup-menu skinner of a menu window. They live with the form skinning, above this
// layer; the manager makes them through factories it is given.
#pragma once

#include "skin/runtime/skin_manager_rules.h"

#include <windows.h>

#include <functional>
#include <string>

class TSkinData;
namespace ui {
class TControl;
}

class TFormSkinnerLink {
public:
    virtual HWND Window() const = 0;
    // The manager's module key when the skinner was made: only that manager releases it.
    virtual HMODULE ModuleKey() const = 0;
    virtual TSkinData* SkinData() const = 0;
    virtual TFormSkinState SkinState() const = 0;
    virtual void SetSkinState(TFormSkinState state) = 0;
    virtual bool IsMdiChild() const = 0;

    // The window back as it was before skinning.
    virtual void Detach() = 0;
    // A changed skin: the caption buttons go (they are made again from the new skin), the frame
    // sizes are read again, and the window takes on the new frame.
    virtual void FreeCaptionButtons() = 0;
    virtual void UpdateFrameSizes() = 0;
    virtual void Refresh() = 0;
    // A size grip is being created on the window.
    virtual void SizeGripCreated(HWND grip) = 0;
    // An MDI child hears whether the frame's children are shown maximised.
    virtual void MdiMaximizedChanged(bool maximized) = 0;
    // Frees the skinner (its destructor releases the window).
    virtual void FreeSkinner() = 0;

protected:
    ~TFormSkinnerLink() = default;
};

class TPopupSkinnerLink {
public:
    virtual HWND Window() const = 0;
    // Opened from a menu bar.
    virtual void SetFromMenuBar(bool fromMenuBar) = 0;
    virtual HMENU Menu() const = 0;
    virtual void SetMenu(HMENU menu) = 0;
    // The memory DC holding the off-screen picture of the whole menu window (its skinned
    // background), or none before it was first painted.
    virtual HDC Background() const = 0;
    // Where the window's client area (the items' coordinates) starts in that picture.
    virtual POINT ClientOffset() const = 0;
    // Restores the window and frees the skinner.
    virtual void FreeSkinner() = 0;

protected:
    ~TPopupSkinnerLink() = default;
};

// Make a skinner attached to its window; none when it cannot attach.
using TFormSkinnerFactory =
    std::function<TFormSkinnerLink*(TSkinData& skin, ui::TControl* control, HWND window,
                                    HMODULE moduleKey, const std::string& className)>;
using TPopupSkinnerFactory = std::function<TPopupSkinnerLink*(TSkinData& skin, HWND window)>;
