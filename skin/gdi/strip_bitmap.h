// One skin picture on the GDI side: its pixels and its magenta key mask, made once and copied
// from on every paint.
#pragma once

#include "dib.h"

class TStripBitmap {
public:
    TStripBitmap() = default;
    explicit TStripBitmap(const TPixelImage& image);

    int Width() const { return colour_.Width(); }
    int Height() const { return colour_.Height(); }
    bool Empty() const { return colour_.Empty(); }
    const TDib& Colour() const { return colour_; }
    const TKeyMask& Mask() const { return mask_; }

private:
    TDib colour_;
    TKeyMask mask_;
};
