// A skin picture at another density: its cells and margin bands scaled by the program's one
// picture scaler (ui/keyed_scale.h), with the skin's key range.
#include "skin/pictures/picture_scale.h"

#include "ui/keyed_scale.h"

#include <algorithm>
#include <utility>

TPixelImage ScalePicture(const TPixelImage& picture, const TPictureCut& cut, int dpi, int fromDpi,
                         const TKeyRange& key) {
    if (dpi <= 0 || fromDpi <= 0) dpi = fromDpi = kBaseDpi;
    const int frames = std::max(cut.Frames, 1);
    const TPixelRect first = StripCell(picture, frames, 1, cut.Stacked);
    const int cw = first.Right - first.Left, ch = first.Bottom - first.Top;
    if (cw <= 0 || ch <= 0) return {};
    const TMargins m = ScaleMargins(cut.Margins, cw, ch, dpi, fromDpi);
    const ui::TScaledAxis across{cw,     cut.Margins.Left, cut.Margins.Right,
                                 ScaleMeasure(cw, dpi, fromDpi), m.Left, m.Right};
    const ui::TScaledAxis down{ch,     cut.Margins.Top, cut.Margins.Bottom,
                               ScaleMeasure(ch, dpi, fromDpi), m.Top, m.Bottom};
    ui::TKeyedPicture scaled =
        ui::ScaleCells({picture.Width, picture.Height, picture.Pixels}, frames, cut.Stacked,
                       across, down, dpi % fromDpi == 0,
                       [&key](std::uint32_t p) { return key.Contains(p); });
    TPixelImage result;
    result.Width = scaled.Width;
    result.Height = scaled.Height;
    result.Pixels = std::move(scaled.Pixels);
    return result;
}
