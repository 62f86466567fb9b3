// A small picture for pixel tests whose every pixel tells where it came from.
#pragma once

#include "skin/pictures/pixel_image.h"

// Pixel (x, y) of a numbered picture.
inline TPixel From(int x, int y) {
    return static_cast<TPixel>(0x100 * y + x);
}

// A w x h picture whose pixel (x, y) is From(x, y).
inline TPixelImage Numbered(int w, int h) {
    TPixelImage image(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            image.At(x, y) = From(x, y);
    return image;
}
