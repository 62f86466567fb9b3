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
};

// The part of a hint before its first '|' (what a hint window shows).
std::wstring GetShortHint(const std::wstring& hint);

} // namespace ui
