// Group boxes (and radio groups) on the skin colour: a rounded frame in the border colour and
// the caption set into its top edge on the skin colour. A group box of the class library is
// painted here whole, its children without a window included; a bare one is painted by the
// system first and gets the skinned frame over it.
#pragma once

#include "skin/controls/base/skin_control.h"

class TSkinGroupBox : public TSkinControl {
public:
    using TSkinControl::TSkinControl;
    static const ui::TClassInfo& StaticClass();
    const ui::TClassInfo& ClassType() const override { return StaticClass(); }

    void AttachControl(TSkinControlHost* form, TSkinData* skin, bool ownsColor,
                       ui::TCanvas* canvas) override;
    TFacePaint FacePaint() const override;
    bool EraseUnderFace(HDC dc, const RECT& client) override;
    void DrawSkin(HDC dc, const RECT& rect) override;
};
