// The skin controls' rules that need no window: where the focus rectangle around a caption goes,
// where a forwarded mouse-down lands, and which density a piece of a control draws its pictures
// at.
#pragma once

#include "skin/pictures/pixel_image.h"

#include "ui/scale_measure.h"

// DrawText format bits the rules read (the values of <windows.h>).
inline constexpr unsigned kFormatCenter = 0x1; // DT_CENTER
inline constexpr unsigned kFormatRight = 0x2;  // DT_RIGHT

// The focus rectangle around a caption of `textWidth` x `textHeight` drawn with `format` in
// `rect`: placed as the text is (centred text one pixel above the exact centre), grown by 2
// pixels left and right and 1 above and below (measures at `dpi`), and never outside `rect`.
TPixelRect FocusRectAroundText(const TPixelRect& rect, int textWidth, int textHeight,
                               unsigned format, int dpi = kBaseDpi);

// The display density a piece of a control `room` pixels across draws a picture at, on a window
// at `dpi`, for a picture `cell` pixels across at 96 dpi: the window's density, unless the
// picture there would be more than 2 pixels larger than the room (a control laid out for a lower
// density than its window's, or sized by the system for a lower one); then the lowest density
// that gives the largest picture not larger than the room, never below 96 dpi (so 96 dpi for a
// room as large as the picture as it is). So the piece keeps the proportions the skin drew.
int FittingPictureDpi(int dpi, int room, int cell);

// A message's 16-bit coordinates cannot tell a point in a control this large: it takes the
// cursor position instead.
bool MousePointFromCursor(int controlWidth, int controlHeight);
