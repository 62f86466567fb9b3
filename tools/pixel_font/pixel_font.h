// The 5x7 pixel font of the skin tools' review pictures (skinart's window mock, skintool's
// contact sheet): ASCII labels in any picture type, one font pixel at a time.
#pragma once

#include <cstdint>
#include <string_view>

namespace pixel_font {

inline constexpr int kAdvance = 6, kHeight = 7;

// Row y (0..kHeight - 1) of the glyph of c, bit 4 the leftmost of five columns; characters
// without a glyph have the glyph of '?'.
std::uint8_t row(char c, int y);

// Pixels from the left edge of the first glyph to the right edge of the last.
int width(std::string_view text);

// Calls plot(x, y) for every set pixel of text, relative to its top-left corner.
template <class Plot> void draw(std::string_view text, Plot&& plot) {
    int x = 0;
    for (const char c : text) {
        for (int y = 0; y < kHeight; ++y)
            for (int col = 0; col < 5; ++col)
                if (row(c, y) & (0x10 >> col)) plot(x + col, y);
        x += kAdvance;
    }
}

} // namespace pixel_font
