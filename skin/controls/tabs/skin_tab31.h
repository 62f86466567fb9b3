// Skinned tab sets: the tabs hang below the pages, so they are drawn from the skin's Tabs strip
// turned upside down (frame 2 for the selected tab, frame 1 for the others) on the parent's
// colour. The tab set's own paint still runs after the skin's, into an already valid window.
#pragma once

#include "skin/controls/base/control_paint.h"
#include "skin/controls/base/skin_control.h"

class TSkinTab31 : public TSkinControl {
public:
    using TSkinControl::TSkinControl;
    static const ui::TClassInfo& StaticClass();
    const ui::TClassInfo& ClassType() const override { return StaticClass(); }

    // Takes the control's window by its handle, the control still known for its tabs.
    void AttachControl(TSkinControlHost* form, TSkinData* skin, bool ownsColor,
                       ui::TCanvas* canvas) override;
    bool BeforeMessage(ui::TMessage& msg) override;
    void AfterMessage(ui::TMessage& msg) override;
    void DrawSkin(HDC dc, const RECT& rect) override;

private:
    // The skin's tab strip upside down, for tabs below the pages; empty without one.
    const TStripBitmap& Strip() const;
    TOffscreen face_;
};
