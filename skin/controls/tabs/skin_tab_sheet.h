// Skinned tab sheets (the pages of a page control): the skin colour under the page and its
// children without windows.
#pragma once

#include "skin/controls/base/skin_control.h"

class TSkinTabSheet : public TSkinControl {
public:
    using TSkinControl::TSkinControl;
    static const ui::TClassInfo& StaticClass();
    const ui::TClassInfo& ClassType() const override { return StaticClass(); }

    TFacePaint FacePaint() const override;
    bool EraseUnderFace(HDC dc, const RECT& client) override;
    void DrawSkin(HDC dc, const RECT& rect) override;
};
