// Measures at a display scale. The skin and the stored descriptions give every measure in pixels
// of a 96-dpi display; a window on a denser display takes them scaled by its dots per inch.
#pragma once

#include "skin/pictures/pixel_image.h"
#include "skin/pictures/strip_layout.h"

#include "ui/scale_measure.h" // kBaseDpi, ScaleMeasure

// A rectangle laid out at `fromDpi`, at `dpi`: each edge scaled as a measure from the origin.
// Scaling the edges rather than the sizes keeps a layout whole: two rectangles that share an
// edge still share it, so adjacent pieces never leave a gap or overlap, whatever their sizes.
TPixelRect ScaleRect(TPixelRect rect, int dpi, int fromDpi = kBaseDpi);

// The margins of a width x height cell (a frame of a nine-grid or three-slice picture) once the
// cell is ScaleMeasure(width) x ScaleMeasure(height): each margin scales as a measure, so corners
// come out as large as every other measure of their size, alike on both sides, and the middle
// takes what is left. Where that leaves the middle no pixel (the margins meet or overlap, or
// their scaled sizes fill the scaled cell) the cell scales as one piece instead: a margin ends
// where its inner edge goes when the cell's length is scaled to its scaled length. Margins are
// first cut to the cell (0 .. its size), as the fits cut them. ScalePicture (picture_scale.h)
// scales a picture's cells by the same margins, so its corners are exactly the scaled corners.
TMargins ScaleMargins(TMargins margins, int width, int height, int dpi, int fromDpi = kBaseDpi);
