// Pictures of the class library (image-list cells, button glyphs) at a display density. A
// picture is 0xAARRGGBB pixels row by row from the top; one colour of it, the key, stands for
// "nothing here" (the bottom-left pixel of a glyph, the mask colour of an image list). A pixel is
// the key when its colour is, whatever its alpha, as the system's transparent copies take it.
#pragma once

#include "ui/scale_measure.h"

#include <cstdint>
#include <vector>

namespace ui {

struct TKeyedPicture {
    int Width = 0;
    int Height = 0;
    std::vector<std::uint32_t> Pixels; // Width * Height, row by row
    bool operator==(const TKeyedPicture&) const = default;
};

// `picture`, a strip of `cells` equal cells side by side drawn at `fromDpi`, at `dpi`: each cell
// becomes ScaleMeasure(cell width) x ScaleMeasure(height) and the cells are put side by side
// again in order; columns past the last whole cell are left out.
//
// - A whole factor (2x, 3x) makes each pixel a block of its colour.
// - Otherwise a pixel is a weighted mean of the source pixels of its own cell around its centre
//   (a tent one source pixel wide when enlarging, 1 / factor wide when shrinking).
// - `key` stays exact: a pixel whose nearest source pixel is `key` is `key`, `key` is never mixed
//   into a mean, and a mean that comes out as `key` gives way to the nearest pixel. So the key
//   cuts the scaled picture as it cut the picture, with no fringe of it around the shapes.
//
// A density of 0 or less on either side, or an empty picture, leaves the picture as it is.
TKeyedPicture ScaleKeyedPicture(const TKeyedPicture& picture, int cells, std::uint32_t key,
                                int dpi, int fromDpi = kBaseDpi);

} // namespace ui
