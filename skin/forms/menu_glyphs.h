// The skinned menus' glyphs (the program's "MORVALEMENU" bitmap: restore, maximise, minimise,
// close, ... 16 x 16 each on white) at a display density, for the system menu of a window drawn
// at that density.
#pragma once

#include "ui/graphics.h"

#include <memory>

// The glyphs scaled to `dpi` (white, their transparent colour, kept exact, so no pale fringe is
// left around them), or none when the program has no glyphs.
std::unique_ptr<ui::TImageList> MenuGlyphsAtDpi(int dpi);
