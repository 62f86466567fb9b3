// The skin controls' rules that need no window: where the focus rectangle around a caption goes,
// and where a forwarded mouse-down lands.
#pragma once

#include "skin/pictures/pixel_image.h"

// DrawText format bits the rules read (the values of <windows.h>).
inline constexpr unsigned kFormatCenter = 0x1; // DT_CENTER
inline constexpr unsigned kFormatRight = 0x2;  // DT_RIGHT

// The focus rectangle around a caption of `textWidth` x `textHeight` drawn with `format` in
// `rect`: placed as the text is (centred text one pixel above the exact centre), grown by 2
// pixels left and right and 1 above and below, and never outside `rect`.
TPixelRect FocusRectAroundText(const TPixelRect& rect, int textWidth, int textHeight,
                               unsigned format);

// A message's 16-bit coordinates cannot tell a point in a control this large: it takes the
// cursor position instead.
bool MousePointFromCursor(int controlWidth, int controlHeight);
