#include "skin/controls/base/skin_control_rules.h"

#include <algorithm>

TPixelRect FocusRectAroundText(const TPixelRect& rect, int textWidth, int textHeight,
                               unsigned format) {
    // The text as DrawText measures it: from the rectangle's top-left corner.
    TPixelRect t{rect.Left, rect.Top, rect.Left + textWidth, rect.Top + textHeight};
    const int spareX = (rect.Right - rect.Left) - textWidth;
    const int spareY = (rect.Bottom - rect.Top) - textHeight;
    int dx = 0, dy = 0;
    if (format & kFormatCenter) {
        dx = spareX / 2;
        dy = spareY / 2 - 1;
    } else if (format & kFormatRight) {
        dx = spareX;
    }
    t = {t.Left + dx - 2, t.Top + dy - 1, t.Right + dx + 2, t.Bottom + dy + 1};
    t.Left = std::max(t.Left, rect.Left);
    t.Top = std::max(t.Top, rect.Top);
    t.Right = std::min(t.Right, rect.Right);
    t.Bottom = std::min(t.Bottom, rect.Bottom);
    return t;
}

bool MousePointFromCursor(int controlWidth, int controlHeight) {
    return controlWidth > 32768 || controlHeight > 32768;
}
