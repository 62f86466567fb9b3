// Track bars drawn through their own custom-draw notifications: the channel from the skin's
// `Track` (or, standing, `TRACKVERT`) picture in three slices, the thumb from
// `Trackbar.ThumbHorz` (`Trackbar.ThumbVert`); the ticks stay the track bar's, recoloured into
// the skin's colour for the scheme colour they are drawn in; the background is the skin's face
// colour. A part the skin has no picture for keeps its standard look.
#pragma once

#include "skin/controls/base/control_paint.h"
#include "skin/controls/base/skin_control.h"

#include "ui/color.h"

#include <commctrl.h>

class TSkinTrackBar : public TSkinControl {
public:
    using TSkinControl::TSkinControl;
    static const ui::TClassInfo& StaticClass();
    const ui::TClassInfo& ClassType() const override { return StaticClass(); }

    bool BeforeMessage(ui::TMessage& msg) override;
    // The track bar keeps parts of its picture between paints: taking the focus and giving it
    // back makes it draw everything again.
    void SkinChanged() override;

private:
    bool Vertical() const;
    // The skin's pictures for this bar: none where the skin has no such element.
    const TDataSkinObject* ChannelPicture() const;
    const TDataSkinObject* ThumbPicture() const;
    // Answers one custom-draw notification; false leaves it to the track bar.
    bool CustomDraw(NMCUSTOMDRAW& draw, LRESULT& answer);
    void DrawChannel(HDC dc, const TDataSkinObject& picture);
    void DrawThumb(HDC dc, const TDataSkinObject* picture);
    // Whether the skin gives a tic colour other than the system's.
    bool SkinTicColours() const;
    // The tics just drawn on `dc` (the pixels of their scheme colour outside the channel) in the
    // skin's colours for it.
    void RecolourTics(HDC dc);

    // The scheme colours a track bar draws its tics in: the dark shadow (measured under Wine),
    // or the button text (the classic look).
    static constexpr ui::TColor kTicSystemColours[] = {ui::cl3DDkShadow, ui::clBtnText};
    TOffscreen ticSurface_;
};
