// TComboxScrollBar: the skinned vertical scroll bar of the list that drops down under a combo
// box. The list is a pop-up of the system's, with no room for an overlay, so the bar is painted
// straight into the list's frame after the system drew it, and the thumb is dragged by a loop of
// our own that scrolls the list as the mouse moves.
#pragma once

#include "skin/controls/base/control_paint.h"
#include "skin/controls/base/list_selection.h"
#include "skin/controls/base/skin_control.h"

#include <memory>

class TComboxScrollBar : public TSkinControl {
public:
    explicit TComboxScrollBar(ui::TComponent* owner);
    ~TComboxScrollBar() override;
    static const ui::TClassInfo& StaticClass();
    const ui::TClassInfo& ClassType() const override { return StaticClass(); }

    bool BeforeMessage(ui::TMessage& msg) override;
    void AfterMessage(ui::TMessage& msg) override;
    void DrawSkin(HDC dc, const RECT& rect) override;

private:
    // A press on the thumb: drags it until the button is released and answers true; false for
    // a press anywhere else, which the list handles itself.
    bool DragThumb(const ui::TMessage& msg);

    bool dragging_ = false;
    TOffscreen surface_;
    TListSelection selection_;
    // Cleared when this goes: the drag loop dispatches messages that may free it.
    std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
};
