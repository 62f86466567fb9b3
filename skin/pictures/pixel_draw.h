// Drawing on pixel images the way the skin painters draw with GDI: one frame cut from a strip,
// fitted into a rectangle by its four margins, and copied with or without the magenta key. The
// element builder composes derived elements with it; the GDI painters run the same pieces
// (strip_layout.h) with the same stretch rule (stretch_rule.h), so both give the same pixels.
#pragma once

#include "skin/pictures/pixel_image.h"
#include "skin/pictures/strip_layout.h"

#include <vector>

// Copies the `src` rectangle of `source` onto the `dst` rectangle of `target`, resized by GDI's
// colour-on-colour stretch rule. Pixels outside either image are left out; nothing happens for an
// empty rectangle.
void StretchCopy(TPixelImage& target, TPixelRect dst, const TPixelImage& source, TPixelRect src);

// Copies each piece from `strip` onto `target`, in order.
void DrawPieces(TPixelImage& target, const TPixelImage& strip, const std::vector<TPiece>& pieces);

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
