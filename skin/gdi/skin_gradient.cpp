// Gradient fills with cached colour ramps on device contexts.
#include "skin/gdi/skin_gradient.h"

#include "skin/model/skin_geometry.h"
#include "skin/pictures/image_ops.h"

#include "ui/graphics.h"

#include <optional>

void GradientFill(HDC dc, const RECT& rect, TColor from, bool vertical, TColor to) {
    if (!RectVisible(dc, &rect)) return;
    RECT clip{};
    GetClipBox(dc, &clip);
    const std::optional<GradientLines> lines =
        GradientLineRange(ToPixelRect(rect), vertical, ToPixelRect(clip));
    if (!lines) return;
    const std::vector<TColor>& ramp =
        GradientRamps().Ramp(lines->count, static_cast<TColor>(ui::ColorToRGB(from)),
                             static_cast<TColor>(ui::ColorToRGB(to)));
    for (int i = lines->first; i <= lines->last; ++i) {
        const RECT line = vertical ? RECT{rect.left, rect.top + i, rect.right, rect.top + i + 1}
                                   : RECT{rect.left + i, rect.top, rect.left + i + 1, rect.bottom};
        const ui::GdiHandle<HBRUSH> brush(
            CreateSolidBrush(static_cast<COLORREF>(ramp[static_cast<std::size_t>(i)])));
        FillRect(dc, &line, brush.get());
    }
}
