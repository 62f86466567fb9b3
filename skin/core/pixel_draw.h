// Drawing on pixel images the way the skin painters draw on bitmaps: one frame cut from a strip,
// fitted into a rectangle by its four margins, and copied with or without the magenta key. The
// element builder composes derived elements with it; the painters share the same geometry.
#pragma once

#include "pixel_image.h"

// The four margins of a frame that keep their size when it is fitted into a rectangle.
struct TMargins {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;
};

// Frame `frame` (from 1) of a strip of `frames` equal frames, side by side or stacked. Empty when
// the frame number or count is out of range.
TPixelRect StripCell(const TPixelImage& strip, int frames, int frame, bool stacked);

// Copies the `src` rectangle of `source` onto the `dst` rectangle of `target`, resized by nearest
// pixels (the colour-on-colour stretch). Both rectangles are clipped to their images; nothing
// happens for an empty one.
void StretchCopy(TPixelImage& target, TPixelRect dst, const TPixelImage& source, TPixelRect src);

// Fills `dst` of `target` with copies of the `src` piece of `source` from its top-left corner.
void TileCopy(TPixelImage& target, TPixelRect dst, const TPixelImage& source, TPixelRect src);

// A width x height image of frame `frame` fitted by the nine-grid rule: corners at their size,
// edges and middle fitted (the middle tiled when `tile`); margins of a target too narrow or too low
// for them count as 0.
TPixelImage RenderNineGrid(int width, int height, const TPixelImage& strip, TMargins margins,
                           bool stacked, bool tile, int frames, int frame);

// Copies `source` to (x, y) of `target`, leaving the target where the source has `key` when
// `transparent`.
void Blit(TPixelImage& target, int x, int y, const TPixelImage& source, bool transparent,
          TPixel key);

// The pixels of `rect` of `source` (clipped) as an image of their own.
TPixelImage Crop(const TPixelImage& source, TPixelRect rect);

void FillRect(TPixelImage& target, TPixelRect rect, TPixel colour);
