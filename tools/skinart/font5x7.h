// ASCII labels on review pictures (the window mock) in the tools' 5x7 pixel font.
#pragma once

#include "tools/pixel_font/pixel_font.h"
#include "tools/skinart/image.h"

#include <string_view>

namespace skinart {

inline constexpr int kGlyphAdvance = pixel_font::kAdvance, kGlyphHeight = pixel_font::kHeight;

// Characters without a glyph are drawn as '?'; scale repeats every font pixel.
void draw_text(Image& img, int x, int y, std::string_view text, Rgb colour, int scale = 1);
int text_width(std::string_view text, int scale = 1);

} // namespace skinart
