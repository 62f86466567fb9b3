// The progress bar: the position shown as the filled share of its range, and a step the
// position advances by.
#pragma once
#include "ui/range_control.h"

namespace ui {

enum class TProgressBarOrientation { pbHorizontal, pbVertical };

class TProgressBar : public TRangeControl {
public:
    explicit TProgressBar(TComponent* owner);
    static const TClassInfo& StaticClass();
    const TClassInfo& ClassType() const override { return StaticClass(); }

    TProgressBarOrientation Orientation() const { return orientation_; }
    void SetOrientation(TProgressBarOrientation v);
    // One continuous bar instead of separate blocks.
    bool Smooth() const { return smooth_; }
    void SetSmooth(bool v);
    int Step() const { return step_; }
    void SetStep(int v);
    // Advances the position by Step (by `delta`), stopping at the end of the range.
    void StepIt() { StepBy(step_); }
    void StepBy(int delta) { SetPosition(Position() + delta); }

protected:
    void CreateParams(TCreateParams& params) override;
    void InitializeWnd() override;
    void RangeToWindow() override;
    void PositionToWindow() override;

private:
    int step_ = 10;
    TProgressBarOrientation orientation_ = TProgressBarOrientation::pbHorizontal;
    bool smooth_ = false;
};

} // namespace ui
