// Check box and radio button rules: strip frames and the box beside its caption.
#include "skin/controls/buttons/check_rules.h"

namespace {

// A frame of the four-frame numbering in the long strips, where unchecked and checked come in
// four frames each (normal first, disabled last).
int LongStripFrame(int frame) {
    switch (frame) {
    case 2:
        return 5;
    case 3:
        return 4;
    case 4:
        return 8;
    default:
        return frame;
    }
}

} // namespace

std::optional<int> FrameOfStateName(std::string_view id) {
    if (id.find("uncheck") != std::string_view::npos) return kCheckUnchecked;
    if (id.find("check") != std::string_view::npos) return kCheckChecked;
    if (id.find("gray") != std::string_view::npos) return kCheckGrayed;
    return std::nullopt;
}

int CheckBoxFrame(const TCheckInputs& in) {
    int frame = in.Checked ? kCheckChecked : kCheckUnchecked;
    if (in.PropertyFrame) frame = *in.PropertyFrame;
    // BM_SETCHECK's BST_INDETERMINATE (2) arrives as 3.
    if (in.DataField && in.LastSetCheck != 0) frame = in.LastSetCheck == 3 ? 4 : in.LastSetCheck;
    if (in.DataBinding) frame = kCheckUnchecked;
    // The third state is one frame however it was learnt, so a disabled grayed box does not
    // step past the end of a four-frame strip.
    const bool grayed = in.Indeterminate || frame == kCheckGrayed;
    if (in.Disabled) frame += 2;
    if (grayed) frame = kCheckGrayed;
    if (in.Frames != 12) return frame;
    if (grayed) return in.Disabled ? 12 : 9;
    return LongStripFrame(frame);
}

int RadioButtonFrame(int frames, bool checked, bool disabled) {
    int frame = checked ? kCheckChecked : kCheckUnchecked;
    if (disabled) frame += 2;
    return frames == 8 ? LongStripFrame(frame) : frame;
}

TCheckPlacement PlaceCheck(int width, int height, int frameWidth, int frameHeight, bool leftText,
                           bool rightToLeft, bool radio, int dpi) {
    const int top = (height - frameHeight) / 2;
    const int gap = ScaleMeasure(2, dpi);
    TCheckPlacement p;
    if (leftText) {
        const int right = radio ? width - ScaleMeasure(1, dpi) : width;
        p.Box = {right - frameWidth, top, right, top + frameHeight};
        p.Text = {0, 0, p.Box.Left - gap, height};
        p.TextRight = rightToLeft;
    } else {
        p.Box = {0, top, frameWidth, top + frameHeight};
        p.Text = {p.Box.Right + gap, 0, width, height};
    }
    return p;
}
