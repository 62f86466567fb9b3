// A stored layout at another display density: which values of a form's description scale, and
// how. Bounds scale by their edges, so controls that touch still touch; fonts given in points
// keep their points, fonts given in pixels scale as any other measure.
#pragma once

#include "ui/scale_measure.h"

#include <optional>

namespace ui {

// A control's place in its parent's client area.
struct TLayoutBounds {
    int Left = 0;
    int Top = 0;
    int Width = 0;
    int Height = 0;
    bool operator==(const TLayoutBounds&) const = default;
};

// `bounds` laid out at `fromDpi`, at `dpi`: the left, top, right and bottom edges each scaled as
// a measure, the size being what lies between them. Two controls sharing an edge share it after.
TLayoutBounds ScaleBounds(TLayoutBounds bounds, int dpi, int fromDpi = kBaseDpi);

// A font's height in pixels (negative: the characters' height, positive: the cell's) for `points`
// at `dpi`: the system's rule, points * dpi / 72 rounded to the nearest pixel, as a character
// height.
int FontHeightForPoints(int points, int dpi);

// The height of a font at `dpi` whose height is `height` at `fromDpi`: a font given in points
// (`points` set) takes its points at the new density; one given in pixels scales as a measure.
int ScaleFontHeight(int height, std::optional<int> points, int dpi, int fromDpi = kBaseDpi);

// The density a stored layout is at, from the `PixelsPerInch` it was designed at: that value, or
// kBaseDpi where it names no density (0 or less).
int DesignDpi(int pixelsPerInch);

} // namespace ui

namespace ui {

// Every item of `items` (a collection whose items have a Width: list-view columns, header
// sections, status-bar panels) with its width at `dpi`.
template <class TItems> void ScaleItemWidths(TItems& items, int dpi, int fromDpi) {
    for (int i = 0; i < items.Count(); ++i) {
        auto* item = items.Item(i);
        item->SetWidth(ScaleMeasure(item->Width(), dpi, fromDpi));
    }
}

} // namespace ui
