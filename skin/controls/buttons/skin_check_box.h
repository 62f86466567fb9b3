// Check boxes and radio buttons drawn as a cell of the skin's check or radio strip beside the
// caption, on the skin colour (or on the parent's background for a transparent one). The state
// is read from the control at every paint; the button messages that change it repaint at once.
// Without the strip the control keeps its standard look and sees every message as before.
#pragma once

#include "skin/controls/base/control_paint.h"
#include "skin/controls/base/skin_control.h"

// What the two classes share: attach, messages and the painting around the cell.
class TSkinCheckControl : public TSkinControl {
public:
    using TSkinControl::TSkinControl;
    static const ui::TClassInfo& StaticClass();
    const ui::TClassInfo& ClassType() const override { return StaticClass(); }

    void AttachControl(TSkinControlHost* form, TSkinData* skin, bool ownsColor,
                       ui::TCanvas* canvas) override;
    bool BeforeMessage(ui::TMessage& msg) override;
    TFacePaint FacePaint() const override;
    bool EraseUnderFace(HDC dc, const RECT& client) override;
    void AfterMessage(ui::TMessage& msg) override;
    void DrawSkin(HDC dc, const RECT& rect) override;
    bool Transparent() const { return transparent_; }

protected:
    // The strip (check or radio picture of `Buttons`) and its frame count.
    virtual const TPixelImage& Strip() const = 0;
    // Its copy twice the size, empty where the skin gives none.
    virtual const TLargePicture& Strip2x() const = 0;
    virtual int StripFrames() const = 0;
    virtual bool Radio() const = 0;
    // The frame of the strip for the control's state now.
    virtual int StateFrame() = 0;

private:
    TOffscreen offscreen_;
    bool transparent_ = false;
};

class TSkinCheckBox : public TSkinCheckControl {
public:
    using TSkinCheckControl::TSkinCheckControl;
    static const ui::TClassInfo& StaticClass();
    const ui::TClassInfo& ClassType() const override { return StaticClass(); }

    void AttachControl(TSkinControlHost* form, TSkinData* skin, bool ownsColor,
                       ui::TCanvas* canvas) override;
    void AfterMessage(ui::TMessage& msg) override;

protected:
    const TPixelImage& Strip() const override;
    const TLargePicture& Strip2x() const override;
    int StripFrames() const override;
    bool Radio() const override { return false; }
    int StateFrame() override;

private:
    int lastSetCheck_ = 0; // the last BM_SETCHECK's wParam + 1; 0 when none was seen
};

class TSkinRadioButton : public TSkinCheckControl {
public:
    using TSkinCheckControl::TSkinCheckControl;
    static const ui::TClassInfo& StaticClass();
    const ui::TClassInfo& ClassType() const override { return StaticClass(); }

protected:
    const TPixelImage& Strip() const override;
    const TLargePicture& Strip2x() const override;
    int StripFrames() const override;
    bool Radio() const override { return true; }
    int StateFrame() override;
};
