// Button-style tabs of a page control: the band of tabs drawn from the skin's Buttons strip
// (frame 2 for the focused tab, frame 1 for the others) on the skin colour; there is no pane.
// Without the Buttons picture the control keeps its standard look.
#pragma once

#include "skin/controls/base/control_paint.h"
#include "skin/controls/base/skin_control.h"

class TSkinTabBtn : public TSkinControl {
public:
    using TSkinControl::TSkinControl;
    static const ui::TClassInfo& StaticClass();
    const ui::TClassInfo& ClassType() const override { return StaticClass(); }

    TFacePaint FacePaint() const override;
    bool EraseUnderFace(HDC dc, const RECT& client) override;
    void DrawSkin(HDC dc, const RECT& rect) override;

private:
    TOffscreen band_;
};
