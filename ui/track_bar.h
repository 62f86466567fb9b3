// The track bar: a thumb the user slides along a range, with tick marks along the way.
#pragma once
#include "win_control.h"

namespace ui {

enum class TTrackBarOrientation { trHorizontal, trVertical };
// No ticks, a tick every Frequency positions, or only the ends.
enum class TTickStyle { tsNone, tsAuto, tsManual };
// Which side the ticks are on: below (right of) the channel, above (left of) it, or both.
enum class TTickMark { tmBottomRight, tmTopLeft, tmBoth };

class TTrackBar : public TWinControl {
public:
    explicit TTrackBar(TComponent* owner);
    static const TClassInfo& StaticClass();
    const TClassInfo& ClassType() const override { return StaticClass(); }

    int Min() const { return min_; }
    void SetMin(int v);
    int Max() const { return max_; }
    void SetMax(int v);
    // Kept between Min and Max; the user's slides land here too.
    int Position() const { return position_; }
    void SetPosition(int v);
    TTrackBarOrientation Orientation() const { return orientation_; }
    void SetOrientation(TTrackBarOrientation v);
    int Frequency() const { return frequency_; }
    void SetFrequency(int v);
    TTickStyle TickStyle() const { return tick_style_; }
    void SetTickStyle(TTickStyle v);
    TTickMark TickMarks() const { return tick_marks_; }
    void SetTickMarks(TTickMark v);

    // The position changed (by the user or by SetPosition).
    TNotifyEvent OnChange;

    void Loaded() override;

protected:
    void CreateParams(TCreateParams& params) override;
    void InitializeWnd() override;
    void WndProc(TMessage& msg) override;

private:
    int Clamped(int position) const;
    void ApplyToWindow();
    void StyleChanged();
    void PositionChanged(int position);

    int min_ = 0;
    int max_ = 10;
    int position_ = 0;
    int frequency_ = 1;
    TTrackBarOrientation orientation_ = TTrackBarOrientation::trHorizontal;
    TTickStyle tick_style_ = TTickStyle::tsAuto;
    TTickMark tick_marks_ = TTickMark::tmBottomRight;
};

} // namespace ui
