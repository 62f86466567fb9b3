// Header controls drawn from the skin's `Headerbar` strip: each item from frame 1, the item under
// the mouse from frame 2, the room right of the last item from frame 1, the item's text aligned
// as its format says and its picture where the format asks for one; composed off screen and
// copied in one piece. Attached to a class-library header control or, by handle, to the header
// of a list view. Without the strip the header keeps its standard look.
#pragma once

#include "skin/controls/base/control_paint.h"
#include "skin/controls/base/skin_control.h"

#include <vector>

class TSkinHeader : public TSkinControl {
public:
    using TSkinControl::TSkinControl;
    static const ui::TClassInfo& StaticClass();
    const ui::TClassInfo& ClassType() const override { return StaticClass(); }

    TFacePaint FacePaint() const override;
    void AfterMessage(ui::TMessage& msg) override;
    void DrawSkin(HDC dc, const RECT& rect) override;

    // The item under the mouse; -1 for none.
    int HotItem() const { return hotItem_; }

private:
    const TDataSkinObject* Headerbar() const;
    void SetHotItem(int item);

    // The items' rectangles as the last paint found them: the mouse is tested against these.
    std::vector<TPixelRect> itemRects_;
    int hotItem_ = -1;
    TOffscreen offscreen_;
};
