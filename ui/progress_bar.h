// The progress bar: a range, a position in it shown as the filled share of the bar, and a step
// the position advances by.
#pragma once
#include "win_control.h"

namespace ui {

enum class TProgressBarOrientation { pbHorizontal, pbVertical };

class TProgressBar : public TWinControl {
public:
    explicit TProgressBar(TComponent* owner);
    static const TClassInfo& StaticClass();
    const TClassInfo& ClassType() const override { return StaticClass(); }

    int Min() const { return min_; }
    void SetMin(int v);
    int Max() const { return max_; }
    void SetMax(int v);
    // Kept between Min and Max.
    int Position() const { return position_; }
    void SetPosition(int v);
    TProgressBarOrientation Orientation() const { return orientation_; }
    void SetOrientation(TProgressBarOrientation v);
    // One continuous bar instead of separate blocks.
    bool Smooth() const { return smooth_; }
    void SetSmooth(bool v);
    int Step() const { return step_; }
    void SetStep(int v);
    // Advances the position by Step (by `delta`), stopping at Max.
    void StepIt() { StepBy(step_); }
    void StepBy(int delta);

    void Loaded() override;

protected:
    void CreateParams(TCreateParams& params) override;
    void InitializeWnd() override;

private:
    int Clamped(int position) const;
    void ApplyToWindow();

    int min_ = 0;
    int max_ = 100;
    int position_ = 0;
    int step_ = 10;
    TProgressBarOrientation orientation_ = TProgressBarOrientation::pbHorizontal;
    bool smooth_ = false;
};

} // namespace ui
