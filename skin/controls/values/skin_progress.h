// Progress bars drawn from the skin's `Progress` strip: the background frame over the whole bar
// and the fill frame over the filled share, or (a `Progress` of style 1) chunks of
// `Progress.Chunk` over the background. A vertical bar is drawn on its side and turned into
// place. The picture covers the whole window, the bar's own edge included. Without the pictures
// it needs, the bar keeps its standard look.
#pragma once

#include "skin/controls/base/control_paint.h"
#include "skin/controls/base/skin_control.h"

class TSkinProgress : public TSkinControl {
public:
    using TSkinControl::TSkinControl;
    static const ui::TClassInfo& StaticClass();
    const ui::TClassInfo& ClassType() const override { return StaticClass(); }

    bool BeforeMessage(ui::TMessage& msg) override;
    void DrawSkin(HDC dc, const RECT& rect) override;

private:
    // The skin has what this bar's style draws with.
    bool SkinPaints() const;
    // The bar laid along its length, `width` x `height`, into `face`.
    void DrawBar(HDC face, int width, int height);

    TOffscreen offscreen_;
};
