// TSkinObjImage: check boxes and radio buttons of another library that draw their glyphs from a
// picture property rather than being painted. At attach the companion cuts a glyph strip from the
// skin's check or radio strip and hands it to the control (its `CustomGlyphs` picture, or the
// `Glyph` of its `Properties` object, by the variant the form gives); the control draws itself
// from then on, so the companion hears none of its messages.
#pragma once

#include "skin/controls/base/skin_control.h"

class TSkinObjImage : public TSkinControl {
public:
    using TSkinControl::TSkinControl;
    static const ui::TClassInfo& StaticClass();
    const ui::TClassInfo& ClassType() const override { return StaticClass(); }

    void AttachControl(TSkinControlHost* form, TSkinData* skin, bool ownsColor,
                       ui::TCanvas* canvas) override;

private:
    void HandOverGlyphs();
};
