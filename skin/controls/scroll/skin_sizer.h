// TSkinSizer: the size box of a foreign window (a scroll-bar window without the size-grip
// style) filled with the skin colour, so no piece of the system's look is left in the skin.
#pragma once

#include "skin/controls/base/skin_control.h"

class TSkinSizer : public TSkinControl {
public:
    using TSkinControl::TSkinControl;
    static const ui::TClassInfo& StaticClass();
    const ui::TClassInfo& ClassType() const override { return StaticClass(); }

    void DrawSkin(HDC dc, const RECT& rect) override { FillSkinColour(dc, rect); }
};
