// Top-down DIB sections, each selected into a memory DC of its own: 32-bit pictures (what skin
// pictures become on the GDI side, and the surfaces every stretched copy of the painters is made
// on: between such surfaces GDI's stretch follows stretch_rule.h, as the pixel composition does)
// and one-bit key masks.
#pragma once

#include "skin/pictures/pixel_image.h"

#include "skin/pictures/colors.h"
#include "ui/graphics.h"
#include "ui/win_handles.h"

#include <windows.h>

#include <cstdint>

// What both kinds share: the bitmap, its bits and its DC.
class TDibSurface {
public:
    int Width() const { return width_; }
    int Height() const { return height_; }
    bool Empty() const { return !bitmap_; }
    // The memory DC, its stretch mode colour-on-colour; null when empty.
    HDC Dc() const { return dc_.get(); }
    HBITMAP Handle() const { return bitmap_.get(); }

    // The GDI objects (a bitmap and its DC each) that the surfaces alive in the process hold:
    // what the skin engine's painting costs of the process's GDI handles, where the system does
    // not report its own count.
    static int LiveGdiObjects();

protected:
    TDibSurface() = default;
    // width x height pixels of `bitsPerPixel` (32, or 1 with black for 0 and white for 1), all 0;
    // a size of 0 or less on either side gives an empty surface.
    TDibSurface(int width, int height, int bitsPerPixel);
    TDibSurface(TDibSurface&& o) noexcept;
    TDibSurface& operator=(TDibSurface&& o) noexcept;
    ~TDibSurface();

    // The bytes of row y (from the top), after pending drawing has finished.
    std::uint8_t* Bytes(int y) const;
    int Stride() const { return stride_; }

private:
    void Swap(TDibSurface& o) noexcept;

    int width_ = 0;
    int height_ = 0;
    int stride_ = 0;
    std::uint8_t* bits_ = nullptr;
    // In this order, so the bitmap is put out of the DC before either is deleted.
    ui::GdiHandle<HBITMAP> bitmap_;
    ui::OwnedDC dc_;
    ui::Selection selection_;
};

// 32 bits a pixel, laid out as TPixel.
class TDib : public TDibSurface {
public:
    TDib() = default;
    TDib(int width, int height) : TDibSurface(width, height, 32) {}
    explicit TDib(const TPixelImage& image);

    TPixel* Row(int y) { return reinterpret_cast<TPixel*>(Bytes(y)); }
    const TPixel* Row(int y) const { return reinterpret_cast<const TPixel*>(Bytes(y)); }
    TPixelImage Pixels() const;
};

// One bit a pixel: white where a picture has its key colour (where a keyed copy leaves the target
// as it is), black elsewhere.
class TKeyMask : public TDibSurface {
public:
    TKeyMask() = default;
    TKeyMask(int width, int height) : TDibSurface(width, height, 1) {}
    // The mask of `picture` for `key`.
    TKeyMask(const TDib& picture, TColor key);

    // Makes the top-left width x height pixels the mask of those of `picture` (at least that
    // large, as this must be).
    void Fill(const TDib& picture, int width, int height, TColor key);
};
