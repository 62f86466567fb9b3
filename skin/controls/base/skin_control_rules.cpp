#include "skin/controls/base/skin_control_rules.h"

#include <algorithm>

TPixelRect FocusRectAroundText(const TPixelRect& rect, int textWidth, int textHeight,
                               unsigned format, int dpi) {
    const int one = ScaleMeasure(1, dpi), two = ScaleMeasure(2, dpi);
    // The text as DrawText measures it: from the rectangle's top-left corner.
    TPixelRect t{rect.Left, rect.Top, rect.Left + textWidth, rect.Top + textHeight};
    const int spareX = (rect.Right - rect.Left) - textWidth;
    const int spareY = (rect.Bottom - rect.Top) - textHeight;
    int dx = 0, dy = 0;
    if (format & kFormatCenter) {
        dx = spareX / 2;
        dy = spareY / 2 - one;
    } else if (format & kFormatRight) {
        dx = spareX;
    }
    t = {t.Left + dx - two, t.Top + dy - one, t.Right + dx + two, t.Bottom + dy + one};
    t.Left = std::max(t.Left, rect.Left);
    t.Top = std::max(t.Top, rect.Top);
    t.Right = std::min(t.Right, rect.Right);
    t.Bottom = std::min(t.Bottom, rect.Bottom);
    return t;
}

int FittingPictureDpi(int dpi, int room, int cell) {
    if (dpi <= kBaseDpi || cell <= 0 || ScaleMeasure(cell, dpi) <= room + 2) return dpi;
    // ScaleMeasure grows with the density: walk down to the first density whose picture fits,
    // then on to the lowest that gives the picture that size. At most a few hundred steps, and
    // only for such a piece.
    int fits = dpi;
    while (fits > kBaseDpi && ScaleMeasure(cell, fits) > room)
        --fits;
    while (fits > kBaseDpi && ScaleMeasure(cell, fits - 1) == ScaleMeasure(cell, fits))
        --fits;
    return fits;
}

bool MousePointFromCursor(int controlWidth, int controlHeight) {
    return controlWidth > 32768 || controlHeight > 32768;
}
