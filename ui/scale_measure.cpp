// A measure at a display density.
#include "ui/scale_measure.h"

#include <algorithm>
#include <cstdint>
#include <limits>

int ScaleMeasure(int pixels, int dpi, int fromDpi) {
    if (dpi <= 0 || fromDpi <= 0) return pixels;
    // |pixels| * dpi / fromDpi + 1/2, divided toward zero, with the sign put back: halves go away
    // from zero.
    const std::int64_t magnitude =
        (pixels < 0 ? -std::int64_t{pixels} : std::int64_t{pixels}) * dpi;
    const std::int64_t rounded = (2 * magnitude + fromDpi) / (2 * std::int64_t{fromDpi});
    const std::int64_t scaled = pixels < 0 ? -rounded : rounded;
    return static_cast<int>(std::clamp<std::int64_t>(scaled, std::numeric_limits<int>::min(),
                                                     std::numeric_limits<int>::max()));
}
