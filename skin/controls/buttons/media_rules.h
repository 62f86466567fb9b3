// How the skinned strip of a media player's buttons paints one button: the frame of the skin's
// `Buttons` element for its state, and where its glyph goes on it.
#pragma once

#include "skin/pictures/pixel_image.h"

// Frame 2 while the button is held down, 3 when it is disabled, else 1. A disabled button is
// never held down: presses on it are not taken.
int MediaButtonFrame(bool pressed, bool enabled);

// The glyph (width x height) centred on the button, one pixel right and down while it is held.
TPixelRect MediaGlyphRect(TPixelRect button, int width, int height, bool pressed);
