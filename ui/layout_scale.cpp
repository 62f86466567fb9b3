// A stored layout at another display density.
#include "ui/layout_scale.h"

namespace ui {

TLayoutBounds ScaleBounds(TLayoutBounds b, int dpi, int fromDpi) {
    const int left = ScaleMeasure(b.Left, dpi, fromDpi);
    const int top = ScaleMeasure(b.Top, dpi, fromDpi);
    return {left, top, ScaleMeasure(b.Left + b.Width, dpi, fromDpi) - left,
            ScaleMeasure(b.Top + b.Height, dpi, fromDpi) - top};
}

int FontHeightForPoints(int points, int dpi) {
    constexpr int kPointsPerInch = 72;
    return -ScaleMeasure(points, dpi, kPointsPerInch);
}

int ScaleFontHeight(int height, std::optional<int> points, int dpi, int fromDpi) {
    if (dpi <= 0 || fromDpi <= 0) return height;
    return points ? FontHeightForPoints(*points, dpi) : ScaleMeasure(height, dpi, fromDpi);
}

int DesignDpi(int pixelsPerInch) {
    return pixelsPerInch > 0 ? pixelsPerInch : kBaseDpi;
}

} // namespace ui
