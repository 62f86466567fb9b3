// The group box: a container of the control's colour framed by an etched line, with its caption
// set into the frame's top edge, at the right for a right-to-left box.
#pragma once
#include "ui/win_control.h"

namespace ui {

class TGroupBox : public TWinControl {
public:
    explicit TGroupBox(TComponent* owner);
    static const TClassInfo& StaticClass();
    const TClassInfo& ClassType() const override { return StaticClass(); }

protected:
    bool CaptionRight() const;
    void CreateParams(TCreateParams& params) override;
    void PaintWindow(HDC dc) override;
    void TextChanged() override { Invalidate(); }
};

} // namespace ui
