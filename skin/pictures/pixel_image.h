// A plain 32-bit pixel image, top row first, that the image operations work on. Bitmaps of the
// class library copy their scan lines in and out of it; on the host it is all there is.
#pragma once

#include "skin/pictures/colors.h"

#include <algorithm>
#include <cstdint>
#include <vector>

// One pixel as a 32-bit DIB stores it: blue in bits 0-7, green 8-15, red 16-23, the top byte
// unused.
using TPixel = std::uint32_t;

inline constexpr TPixel PixelFromColor(TColor c) {
    return static_cast<TPixel>(ColorBlue(c) | (ColorGreen(c) << 8) | (ColorRed(c) << 16));
}
inline constexpr TColor ColorFromPixel(TPixel p) {
    return RGBColor(static_cast<int>(p >> 16), static_cast<int>(p >> 8), static_cast<int>(p));
}

struct TPixelImage {
    int Width = 0;
    int Height = 0;
    std::vector<TPixel> Pixels; // Width * Height, row by row from the top

    TPixelImage() = default;
    // A negative size counts as 0.
    TPixelImage(int width, int height, TPixel fill = 0)
        : Width(std::max(width, 0)), Height(std::max(height, 0)),
          Pixels(static_cast<std::size_t>(Width) * static_cast<std::size_t>(Height), fill) {}

    TPixel& At(int x, int y) { return Pixels[Index(x, y)]; }
    TPixel At(int x, int y) const { return Pixels[Index(x, y)]; }

    bool Empty() const { return Width <= 0 || Height <= 0; }
    bool operator==(const TPixelImage&) const = default;

private:
    std::size_t Index(int x, int y) const {
        return static_cast<std::size_t>(y) * static_cast<std::size_t>(Width) +
               static_cast<std::size_t>(x);
    }
};

// A rectangle: Left and Top inside, Right and Bottom just outside.
struct TPixelRect {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;

    bool operator==(const TPixelRect&) const = default;
};
