// One skin picture on the GDI side: its pixels as a DIB section and its one-bit key mask, made
// once and copied from on every paint.
#pragma once

#include "dib.h"

#include "ui/graphics.h"

#include <windows.h>

// A monochrome bitmap of the picture's size: white where the picture is not exactly `key` (what
// a masked copy takes), black where it is. Null for an empty picture.
ui::GdiHandle<HBITMAP> KeyMask(const TDib& picture, TColor key);

class TStripBitmap {
public:
    TStripBitmap() = default;
    // The picture and its mask for the magenta key.
    explicit TStripBitmap(const TPixelImage& image);

    int Width() const { return colour_.Width(); }
    int Height() const { return colour_.Height(); }
    bool Empty() const { return colour_.Empty(); }
    const TDib& Colour() const { return colour_; }
    HBITMAP Mask() const { return mask_.get(); }

private:
    TDib colour_;
    ui::GdiHandle<HBITMAP> mask_;
};
