// The gradient fill on a device context: one colour per pixel line from a ramp of the shared
// ramp cache, only the lines inside the DC's clip box drawn (image_ops.h has the same rule for
// pixel images).
#pragma once

#include "skin/pictures/colors.h"

#include <windows.h>

// Fills `rect` with a ramp from `from` to `to` (system colours resolved), one colour per pixel
// row when `vertical`, else per column. Nothing when the rectangle is not visible on `dc`.
void GradientFill(HDC dc, const RECT& rect, TColor from, bool vertical, TColor to);
