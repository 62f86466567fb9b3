// What a device context shows, read back as a pixel image: for pictures composed over what is
// already on the screen, and for checking what was painted.
#pragma once

#include "skin/pictures/pixel_image.h"

#include <windows.h>

// The pixels of `rect` (logical coordinates of `dc`); black where the DC has nothing to show.
TPixelImage ReadPixels(HDC dc, const RECT& rect);
