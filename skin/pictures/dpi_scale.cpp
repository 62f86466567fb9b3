// Measures, rectangles and margins at a display scale.
#include "skin/pictures/dpi_scale.h"

#include <algorithm>
#include <cstdint>
#include <limits>

TPixelRect ScaleRect(TPixelRect rect, int dpi, int fromDpi) {
    return {ScaleMeasure(rect.Left, dpi, fromDpi), ScaleMeasure(rect.Top, dpi, fromDpi),
            ScaleMeasure(rect.Right, dpi, fromDpi), ScaleMeasure(rect.Bottom, dpi, fromDpi)};
}

namespace {

// The scaled sizes of the near and far margin across one axis of a cell.
struct TMarginSpan {
    int Near;
    int Far;
};
TMarginSpan ScaleMarginSpan(int nearMargin, int farMargin, int length, int dpi, int fromDpi) {
    length = std::max(length, 0);
    const int nearSize = std::clamp(nearMargin, 0, length);
    const int farSize = std::clamp(farMargin, 0, length);
    const int scaledLength = ScaleMeasure(length, dpi, fromDpi);
    const int scaledNear = ScaleMeasure(nearSize, dpi, fromDpi);
    const int scaledFar = ScaleMeasure(farSize, dpi, fromDpi);
    if (nearSize + farSize < length && scaledNear + scaledFar < scaledLength)
        return {scaledNear, scaledFar};
    // As one piece: the cell's own length to its scaled length.
    if (scaledLength <= 0) return {0, 0};
    return {ScaleMeasure(nearSize, scaledLength, length),
            scaledLength - ScaleMeasure(length - farSize, scaledLength, length)};
}

} // namespace

TMargins ScaleMargins(TMargins margins, int width, int height, int dpi, int fromDpi) {
    const TMarginSpan across = ScaleMarginSpan(margins.Left, margins.Right, width, dpi, fromDpi);
    const TMarginSpan down = ScaleMarginSpan(margins.Top, margins.Bottom, height, dpi, fromDpi);
    return {across.Near, down.Near, across.Far, down.Far};
}
