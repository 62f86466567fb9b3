// A surface a painter keeps from one paint to the next, grown to what each paint asks and never
// shrunk: menus paint many items and come and go often, and a new bitmap for each costs more
// than drawing on it.
#pragma once

#include "skin/gdi/dib.h"

#include <algorithm>

inline TDib& KeptSurface(TDib& surface, int width, int height) {
    if (surface.Width() < width || surface.Height() < height)
        surface = TDib(std::max(width, surface.Width()), std::max(height, surface.Height()));
    return surface;
}
