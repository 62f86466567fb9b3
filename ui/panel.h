// The panel: a container of the control's colour with up to two bevels (an outer and an inner
// one) and a caption in its middle.
#pragma once
#include "ui/stdctrls.h"

namespace ui {

enum class TBevelCut { bvNone, bvLowered, bvRaised, bvSpace };

class TPanel : public TWinControl {
public:
    explicit TPanel(TComponent* owner);
    static const TClassInfo& StaticClass();
    const TClassInfo& ClassType() const override { return StaticClass(); }

    TBevelCut BevelOuter() const { return bevel_outer_; }
    void SetBevelOuter(TBevelCut v);
    TBevelCut BevelInner() const { return bevel_inner_; }
    void SetBevelInner(TBevelCut v);
    int BevelWidth() const { return bevel_width_; }
    void SetBevelWidth(int v);
    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment v);

protected:
    void CreateParams(TCreateParams& params) override;
    void PaintWindow(HDC dc) override;
    void TextChanged() override { Invalidate(); }

private:
    TBevelCut bevel_outer_ = TBevelCut::bvRaised;
    TBevelCut bevel_inner_ = TBevelCut::bvNone;
    int bevel_width_ = 1;
    TAlignment alignment_ = TAlignment::taCenter;
};

// A 3-D frame `width` pixels wide inside `r` (which shrinks by it): raised is light at the top
// and left and dark at the bottom and right, lowered the reverse; a space draws nothing.
void DrawBevel(HDC dc, RECT& r, TBevelCut cut, int width);

} // namespace ui
