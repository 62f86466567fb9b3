// What the value controls (progress bar, track bar, up-down) share: a range, a position kept
// inside it, and the window told of both whenever they change.
#pragma once
#include "ui/win_control.h"

namespace ui {

class TRangeControl : public TWinControl {
public:
    static const TClassInfo& StaticClass();
    const TClassInfo& ClassType() const override { return StaticClass(); }

    int Min() const { return min_; }
    void SetMin(int v);
    int Max() const { return max_; }
    void SetMax(int v);
    // Kept inside the range (whichever of Min and Max is the lower).
    int Position() const { return position_; }
    void SetPosition(int v);

    // The position changed (by the user or by SetPosition).
    TNotifyEvent OnChange;

    void Loaded() override;

protected:
    TRangeControl(TComponent* owner, int max);
    void InitializeWnd() override;
    // The window takes the range, and the position.
    virtual void RangeToWindow() = 0;
    virtual void PositionToWindow() = 0;
    // The window moved its position (a scroll it reported): kept here, and reported on.
    void PositionChanged(int position);

private:
    int Clamped(int position) const;
    void ApplyToWindow();

    int min_ = 0;
    int max_;
    int position_ = 0;
};

} // namespace ui
