// A tiny 5x7 pixel font for ASCII labels on review pictures (contact sheet, window mock).
#pragma once

#include "image.h"

#include <string_view>

namespace skinart {

inline constexpr int kGlyphAdvance = 6, kGlyphHeight = 7;

// Characters without a glyph are drawn as '?'; scale repeats every font pixel.
void draw_text(Image& img, int x, int y, std::string_view text, Rgb colour, int scale = 1);
int text_width(std::string_view text, int scale = 1);

} // namespace skinart
