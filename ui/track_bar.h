// The track bar: a thumb the user slides along a range, with tick marks along the way.
#pragma once
#include "ui/range_control.h"

namespace ui {

enum class TTrackBarOrientation { trHorizontal, trVertical };
// No ticks, a tick every Frequency positions, or only the ends.
enum class TTickStyle { tsNone, tsAuto, tsManual };
// Which side the ticks are on: below (right of) the channel, above (left of) it, or both.
enum class TTickMark { tmBottomRight, tmTopLeft, tmBoth };

class TTrackBar : public TRangeControl {
public:
    explicit TTrackBar(TComponent* owner);
    static const TClassInfo& StaticClass();
    const TClassInfo& ClassType() const override { return StaticClass(); }

    TTrackBarOrientation Orientation() const { return orientation_; }
    void SetOrientation(TTrackBarOrientation v);
    int Frequency() const { return frequency_; }
    void SetFrequency(int v);
    TTickStyle TickStyle() const { return tick_style_; }
    void SetTickStyle(TTickStyle v);
    TTickMark TickMarks() const { return tick_marks_; }
    void SetTickMarks(TTickMark v);

protected:
    void CreateParams(TCreateParams& params) override;
    void InitializeWnd() override;
    void RangeToWindow() override;
    void PositionToWindow() override;
    void WndProc(TMessage& msg) override;

private:
    void StyleChanged();

    int frequency_ = 1;
    TTrackBarOrientation orientation_ = TTrackBarOrientation::trHorizontal;
    TTickStyle tick_style_ = TTickStyle::tsAuto;
    TTickMark tick_marks_ = TTickMark::tmBottomRight;
};

} // namespace ui
