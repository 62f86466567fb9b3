// The glyph strip a check box or radio button of another library is handed in place of being
// painted: six pictures cut from the skin's check or radio strip, in the order that library's
// custom glyphs take (unchecked, checked, the same two while pressed, then both disabled).
#pragma once

#include "skin/pictures/pixel_image.h"

#include <array>
#include <utility>

// What the form skinning asks of the companion (its variant).
enum class TObjImageMode { None = 0, Check = 1, Radio = 2, PropertiesGlyph = 3 };

// The companion's variant as a mode; anything unknown is None.
TObjImageMode ObjImageModeOf(int variant);

// The frames of the skin's strip (of `frames` frames) for the six pictures, from 1. A four-frame
// strip gives 1, 2, 1, 2, 3, 4; the long strips (12 check frames, 8 radio frames) give the frames
// with the same meaning.
std::array<int, 6> ObjImageStripFrames(TObjImageMode mode, int frames);

// The six pictures side by side, each a frame of `strip` (of `frames` frames, cut at width /
// frames) as ObjImageStripFrames gives them. Empty for an empty strip.
TPixelImage ObjImageStrip(const TPixelImage& strip, int frames, TObjImageMode mode);
