// Labels on skinart's pictures in the tools' shared pixel font.
#include "tools/skinart/font5x7.h"

#include "tools/pixel_font/pixel_font.h"
#include "tools/skinart/draw.h"

namespace skinart {

void draw_text(Image& img, int x, int y, std::string_view text, Rgb colour, int scale) {
    pixel_font::draw(text, [&](int px, int py) {
        fill_rect(img, {x + px * scale, y + py * scale, scale, scale}, colour);
    });
}

int text_width(std::string_view text, int scale) {
    return pixel_font::width(text) * scale;
}

} // namespace skinart
