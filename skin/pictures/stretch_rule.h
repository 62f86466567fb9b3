// Which source pixel a stretched copy takes for each destination pixel: the rule GDI's
// colour-on-colour stretch follows between top-down 32-bit and 1-bit DIB sections (measured under
// Wine 8 for every source and destination length up to 120, and sampled up to 1400). The pixel
// composition follows it too, so a picture composed on pixel images and the same picture painted
// with GDI agree pixel for pixel.
#pragma once

enum class TStretchAxis { Horizontal, Vertical };

// The source pixel (0 .. srcLength - 1) copied into destination pixel `dst` (0 .. dstLength - 1)
// along `axis`; both lengths at least 1.
//
// Enlarging (or keeping the size) takes the source pixel under the destination pixel's centre, a
// centre on a boundary going to the pixel before it. Shrinking differs by axis: rows take the
// source row under the destination row's top edge moved down by half a source row; columns take
// the last source column whose centre lies left of the destination column's right edge, except
// that a single destination column takes the last but one.
int StretchSource(TStretchAxis axis, int dst, int dstLength, int srcLength);
