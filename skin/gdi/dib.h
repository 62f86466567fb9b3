// A top-down 32-bit DIB section selected into a memory DC of its own: what skin pictures become
// on the GDI side, and the surface every stretched copy of the painters is made on (between such
// surfaces GDI's stretch follows stretch_rule.h, which the pixel composition follows too).
#pragma once

#include "gdi_scope.h"
#include "pixel_image.h"

#include "ui/graphics.h"

#include <windows.h>

class TDib {
public:
    // No pixels, no handles.
    TDib() = default;
    // width x height pixels of 0; a size of 0 or less on either side gives an empty surface.
    TDib(int width, int height);
    explicit TDib(const TPixelImage& image);
    TDib(TDib&& o) noexcept;
    TDib& operator=(TDib&& o) noexcept;

    int Width() const { return width_; }
    int Height() const { return height_; }
    bool Empty() const { return !bitmap_; }
    // The memory DC, its stretch mode colour-on-colour; null when empty.
    HDC Dc() const { return dc_.get(); }
    HBITMAP Handle() const { return bitmap_.get(); }

    // Row y (from the top) of the pixels, after pending drawing has finished.
    TPixel* Row(int y);
    const TPixel* Row(int y) const;
    TPixelImage Pixels() const;

private:
    void Swap(TDib& o) noexcept;

    int width_ = 0;
    int height_ = 0;
    TPixel* bits_ = nullptr;
    // In this order, so the bitmap is put out of the DC before either is deleted.
    ui::GdiHandle<HBITMAP> bitmap_;
    TMemoryDc dc_;
    TSelection selection_;
};
