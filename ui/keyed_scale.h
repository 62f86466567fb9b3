// Pictures at a display density: the one scaler of the program's pictures, for the class
// library's (image-list cells, button glyphs) and, through skin/pictures/picture_scale.h, the
// skin's. A picture is 0xAARRGGBB pixels row by row from the top; some colours of it, the key,
// stand for "nothing here" (the bottom-left pixel of a glyph, the mask colour of an image list,
// the skin's magenta).
#pragma once

#include "ui/scale_measure.h"

#include <cstdint>
#include <functional>
#include <vector>

namespace ui {

struct TKeyedPicture {
    int Width = 0;
    int Height = 0;
    std::vector<std::uint32_t> Pixels; // Width * Height, row by row
    bool operator==(const TKeyedPicture&) const = default;
};

// One axis of a cell and what it becomes: its length with the margins at either end (bands of
// their own, scaled to their scaled sizes; margins that overlap make one band of the whole cell),
// and the scaled length and margins.
struct TScaledAxis {
    int Length = 0;
    int Near = 0;
    int Far = 0;
    int ScaledLength = 0;
    int ScaledNear = 0;
    int ScaledFar = 0;
};

// `picture`, a strip of `cells` equal cells (side by side, or `stacked`), each cell cut along
// each axis as `across` and `down` say, scaled: every cell becomes ScaledLength across by down and
// the cells are put together again in order; columns or rows past the last whole cell are left
// out. Within a band, source pixel x of a band n long scaled to s covers the destination pixels
// from ScaleMeasure(x, s, n) up to ScaleMeasure(x + 1, s, n): its nearest source pixel there, so
// edges land where the scaled measures put them.
//
// - With `nearestOnly` (a whole factor: 2x, 3x) every pixel is its nearest source pixel (blocks).
// - Otherwise a pixel is a weighted mean (each channel, alpha too) of the source pixels of its
//   own band of its own cell around its centre (a tent one source pixel wide when enlarging,
//   1 / factor wide when shrinking).
// - Key pixels stay exact: a pixel whose nearest source pixel is key is that pixel, no key pixel
//   is mixed into a mean, and a mean that comes out as key gives way to the nearest pixel. So the
//   key cuts the scaled picture as it cut the picture, with no fringe of it around the shapes.
TKeyedPicture ScaleCells(const TKeyedPicture& picture, int cells, bool stacked,
                         const TScaledAxis& across, const TScaledAxis& down, bool nearestOnly,
                         const std::function<bool(std::uint32_t)>& isKey);

// `picture`, a strip of `cells` equal cells side by side drawn at `fromDpi`, at `dpi`: each cell
// becomes ScaleMeasure(cell width) x ScaleMeasure(height) (one pixel at least), by ScaleCells with
// no margins, whole factors as blocks; `key` is the one colour (whatever its alpha) that is key.
// A density of 0 or less on either side, the same density, or an empty picture, leaves the
// picture as it is.
TKeyedPicture ScaleKeyedPicture(const TKeyedPicture& picture, int cells, std::uint32_t key,
                                int dpi, int fromDpi = kBaseDpi);

} // namespace ui
