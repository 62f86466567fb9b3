// One skin picture on the GDI side: its pixels and its magenta key mask, made once and copied
// from on every paint.
#pragma once

#include "skin/gdi/dib.h"

class TStripBitmap {
public:
    TStripBitmap() = default;
    explicit TStripBitmap(const TPixelImage& image);
    TStripBitmap(TStripBitmap&& o) noexcept = default;
    TStripBitmap& operator=(TStripBitmap&& o) noexcept;
    ~TStripBitmap();

    // The GDI objects the skin pictures' bitmaps alive in the process hold (four a picture:
    // picture and mask, each with its DC): these should not grow with the number of controls
    // painted from one skin.
    static int LiveGdiObjects();

    int Width() const { return colour_.Width(); }
    int Height() const { return colour_.Height(); }
    bool Empty() const { return colour_.Empty(); }
    const TDib& Colour() const { return colour_; }
    const TKeyMask& Mask() const { return mask_; }

private:
    void Uncount();

    TDib colour_;
    TKeyMask mask_;
};
