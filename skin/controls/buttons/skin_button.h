// Push buttons drawn from the skin's five-frame `Buttons` strip: the frame for the button's state
// fitted to the button, the caption on top, a focus rectangle when focused. The button never sees
// its left-button-down (the companion answers it), so it neither captures the mouse nor shows its
// own pushed look; the companion tracks hot and pressed and clicks on release over the button.
//
// TSkinButton: plain buttons. TSkinMenuButton: a drop-down arrow right of the caption.
#pragma once

#include "skin/controls/base/control_paint.h"
#include "skin/controls/base/skin_control.h"

class TSkinButton : public TSkinControl {
public:
    explicit TSkinButton(ui::TComponent* owner);
    static const ui::TClassInfo& StaticClass();
    const ui::TClassInfo& ClassType() const override { return StaticClass(); }

    void AttachControl(TSkinControlHost* form, TSkinData* skin, bool ownsColor,
                       ui::TCanvas* canvas) override;
    void AttachWindow(HWND handle, TSkinData* skin, TSkinControlHost* form,
                      ui::TCanvas* canvas) override;
    bool BeforeMessage(ui::TMessage& msg) override;
    TFacePaint FacePaint() const override { return TFacePaint::kComposed; }
    void AfterMessage(ui::TMessage& msg) override;
    void DrawSkin(HDC dc, const RECT& rect) override;

    bool Transparent() const { return transparent_; }

protected:
    // The frame the button's state shows; reads focus, enabled look and caption on the way.
    virtual int StateFrame();
    // What goes on the frame (`dc` is the off-screen picture, width x height, its font and text
    // colour chosen); returns the rectangle a focus rectangle goes around.
    virtual RECT DrawContent(HDC dc, int width, int height, int frame);
    // Background, frame, content, focus rectangle, all composed off screen and copied to `rect`.
    void PaintFace(HDC dc, const RECT& rect, int frame, bool drawFrame, bool focusRect);
    // Draws the parent under the control into `dc` (the control's top-left corner at 0, 0).
    void PaintUnder(HDC dc) const;
    // The button's own click: its control's click event, or WM_COMMAND to the parent of a bare
    // window. Last thing a handler does: the click may free this object.
    void Click();

    bool menuButton_ = false; // the skin's normal text colour only on the normal frame

private:
    void ReadTransparent();

    TOffscreen offscreen_;
    bool transparent_ = false;
    // A press that began on the button and has not been released: moving back in with the left
    // button still down shows it pressed again, and releasing there clicks.
    bool armed_ = false;
};

class TSkinMenuButton : public TSkinButton {
public:
    explicit TSkinMenuButton(ui::TComponent* owner);
    static const ui::TClassInfo& StaticClass();
    const ui::TClassInfo& ClassType() const override { return StaticClass(); }

protected:
    RECT DrawContent(HDC dc, int width, int height, int frame) override;
};
