// The hint window: a small top-most popup with a text, in the system's tooltip colours and
// status-bar font, used for control hints by the application and for caption-button hints by
// the skin. It never takes the focus or the mouse.
#pragma once
#include "ui/win_control.h"

namespace ui {

class THintWindow : public TWinControl {
public:
    explicit THintWindow(TComponent* owner);
    static const TClassInfo& StaticClass();
    const TClassInfo& ClassType() const override { return StaticClass(); }

    // The density the hint is drawn at (that of the monitor it shows on): the status-bar font
    // and the margins at that density. kBaseDpi until set.
    void SetDpi(int dpi);
    // The screen rectangle (from 0,0) the text needs, wrapped at max_width pixels.
    RECT CalcHintRect(int max_width, const std::wstring& text);
    // Shows the text in the rectangle (screen coordinates) without taking the focus.
    void ActivateHint(const RECT& rect, const std::wstring& text);
    void ReleaseHint();
    bool Showing() const;

protected:
    void CreateParams(TCreateParams& params) override;
    void PaintWindow(HDC dc) override;
    void WndProc(TMessage& msg) override;

private:
    int dpi_ = 0;
};

// The part of a hint before its first '|' (what a hint window shows).
std::wstring GetShortHint(const std::wstring& hint);

} // namespace ui
