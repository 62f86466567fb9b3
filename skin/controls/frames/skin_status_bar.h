// Status bars drawn from the skin: the bar on the skin colour, each panel framed by the skin's
// status-bar edges (or a thin 3-D frame without them) with its text, and the size grip from the
// skin's extra images. The whole bar is composed on one bitmap all status bars of the process
// share, and copied in one piece; owner-drawn panels are then drawn by their control.
#pragma once

#include "skin/controls/base/control_paint.h"
#include "skin/controls/base/skin_control.h"
#include "skin/controls/frames/frame_rules.h"

#include <string>
#include <vector>

class TSkinStatusBar : public TSkinControl {
public:
    using TSkinControl::TSkinControl;
    static const ui::TClassInfo& StaticClass();
    const ui::TClassInfo& ClassType() const override { return StaticClass(); }

    TFacePaint FacePaint() const override { return TFacePaint::kComposed; }
    void DrawSkin(HDC dc, const RECT& rect) override;

private:
    // One panel as the control describes it.
    struct TPanelLook {
        std::wstring text;
        TPanelBevel bevel = TPanelBevel::Lowered;
        TPanelAlignment alignment = TPanelAlignment::Left;
        bool ownerDraw = false;
    };
    std::vector<TPanelLook> Panels() const;
    // Frame `frame` of the skin's edges around `r`, or the 3-D frame for it.
    void DrawPanelEdge(HDC dc, const RECT& r, int frame);
    void DrawPanelText(HDC dc, const TPixelRect& panel, const std::wstring& text,
                       TPanelAlignment alignment) const;
    void DrawSizeGrip(HDC dc, const RECT& bar);
    // The control draws an owner-drawn panel as the status window would ask it to.
    void OwnerDrawPanel(HDC dc, int index, const TPixelRect& panel);
};
