// The sampling rule of a colour-on-colour stretch.
#include "skin/pictures/stretch_rule.h"

#include <cstdint>

int StretchSource(TStretchAxis axis, int dst, int dstLength, int srcLength) {
    const std::int64_t x = dst, d = dstLength, s = srcLength;
    // ceil((2x + 1) s / 2d) - 1: the pixel under (x + 1/2) s / d, boundaries to the left.
    if (s <= d) return static_cast<int>(((2 * x + 1) * s + 2 * d - 1) / (2 * d) - 1);
    if (axis == TStretchAxis::Vertical) return static_cast<int>((2 * x * s + d) / (2 * d));
    if (d == 1) return static_cast<int>(s - 2);
    return static_cast<int>((2 * (x + 1) * s - d) / (2 * d));
}
