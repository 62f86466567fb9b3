// Where the skinned drop-down button of a date-time picker goes, which frame of the skin's combo
// arrow strip it shows, and where a press on it lands in the picker. The button is a window of
// its own laid over the picker's own button, which a companion cannot repaint.
#pragma once

#include "skin/pictures/pixel_image.h"

#include <optional>

// The button in the picker's client coordinates: the arrow's width wide, the picker's height
// less its border (`edge`, the system's 3-D edge: 2 pixels at 96 dpi) on each side high, against
// the right edge, or the left one for a picker whose scroll bars sit at the left (right-to-left
// layouts).
TPixelRect ArrowButtonRect(int pickerWidth, int pickerHeight, int arrowWidth, bool leftSide,
                           int edge = 2);

// Frame 4 of the strip while the mouse is over the button, else 1; a strip too short for the hot
// frame shows frame 1 rather than nothing.
int ArrowButtonFrame(bool hot, int frames);

struct TPickerPoint {
    int X = 0;
    int Y = 0;
    bool operator==(const TPickerPoint&) const = default;
};

// A press at (x, y) on the button, in the picker's client coordinates. The picker opens its
// calendar for a press on its own button. Where the picker says where that is (`pickerButton`,
// not empty), the press lands at the same place in it, kept inside it. Otherwise the button is
// taken to stay at the picker's right end whatever the layout, as Wine's does: a press on a
// button placed at the left lands there, at the same distance from the right edge.
TPickerPoint PickerPressPoint(int x, int y, TPixelRect button, int pickerClientWidth,
                              bool leftSide, const std::optional<TPixelRect>& pickerButton);
