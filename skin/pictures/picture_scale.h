// A skin picture drawn for one display density, made for another: every frame of its strip
// scaled on its own, edge by edge (dpi_scale.h), so cells, margins and corners land where the
// scaled measures say.
#pragma once

#include "skin/pictures/dpi_scale.h"
#include "skin/pictures/key_pixels.h"
#include "skin/pictures/pixel_image.h"
#include "skin/pictures/strip_layout.h"

// How a picture is cut: `Frames` equal cells side by side (or `Stacked`), each with `Margins`.
struct TPictureCut {
    int Frames = 1;
    bool Stacked = false;
    TMargins Margins;
};

// `picture`, drawn at `fromDpi`, at `dpi`. Each cell (StripCell) becomes ScaleMeasure(cell
// width) x ScaleMeasure(cell height) and the cells are put together again in order, so the scaled
// strip cuts into the same frames; columns or rows past the last whole cell are left out (no cell
// reads them). Along each axis a cell is cut into bands at its margins (one band when they
// overlap), and each band is scaled to its length by ScaleMargins, edge by edge: source pixel x
// of a band `n` long scaled to `s` covers the destination pixels from ScaleMeasure(x, s, n) up to
// ScaleMeasure(x + 1, s, n) of that band; it is their nearest source pixel. So the scaled corners
// hold exactly the corners' pixels.
//
// - When `dpi` is a whole multiple of `fromDpi` every destination pixel is its nearest source
//   pixel (nearest neighbour: each pixel becomes a block).
// - Otherwise a destination pixel is a weighted mean of the source pixels around its centre (a
//   tent filter one source pixel wide when enlarging, 1 / factor wide when shrinking), taken only
//   from the same band of its cell as its nearest pixel (the bands are split at the margins when
//   they do not overlap), so corners and edges never bleed into each other or into another frame.
// - Key colours stay exact: a destination pixel whose nearest source pixel lies in `key` is that
//   pixel; no pixel in `key` is ever mixed into a mean; a mean that falls in `key` gives way to
//   the nearest pixel. So for the key range and every key within it (kKeyColor exactly, the
//   region's range) a destination pixel is key exactly where its nearest source pixel is, and
//   masks and regions cut the scaled picture as they cut the picture.
//
// A density of 0 or less on either side counts as no scaling. The caller bounds `dpi`: the result
// is (dpi / fromDpi) squared times the picture's pixels.
TPixelImage ScalePicture(const TPixelImage& picture, const TPictureCut& cut, int dpi,
                         int fromDpi = kBaseDpi, const TKeyRange& key = kFrameRegionKey);
