// The media player: a strip of nine buttons (play, pause, stop, next, previous, step, back,
// record, eject) that plays nothing itself. It paints its visible buttons side by side, each an
// equal part of its width, and reports a button pressed and released over it to OnClick. Which
// buttons are visible, enabled and coloured are set properties, read and written as text like
// "[btPlay,btStop]".
#pragma once
#include "ui/media_buttons.h"
#include "ui/win_control.h"

namespace ui {

using TMPBtnClick = std::function<void(TPersistent* sender, TMPBtnType button)>;

class TMediaPlayer : public TWinControl {
public:
    explicit TMediaPlayer(TComponent* owner);
    static const TClassInfo& StaticClass();
    const TClassInfo& ClassType() const override { return StaticClass(); }

    TMPButtonSet VisibleButtons() const { return visible_; }
    void SetVisibleButtons(TMPButtonSet v);
    TMPButtonSet EnabledButtons() const { return enabled_buttons_; }
    void SetEnabledButtons(TMPButtonSet v);
    TMPButtonSet ColoredButtons() const { return colored_; }
    void SetColoredButtons(TMPButtonSet v);
    // The button held down, or -1 (an ordinal of TMPBtnType).
    int PressedButton() const { return pressed_; }

    // Published as "OnClick": a button was pressed and released over it.
    TMPBtnClick OnButtonClick;

    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;

protected:
    void CreateParams(TCreateParams& params) override;
    void PaintWindow(HDC dc) override;
    void WndProc(TMessage& msg) override;

private:
    // The visible button under x, or -1.
    int ButtonAt(int x) const;
    void EndPress();

    TMPButtonSet visible_ = kAllMPButtons;
    TMPButtonSet enabled_buttons_ = kAllMPButtons;
    TMPButtonSet colored_ = kAllMPButtons;
    int pressed_ = -1;
};

} // namespace ui
