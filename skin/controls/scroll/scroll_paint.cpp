// The skinned scroll bar's look, composed off screen.
#include "skin/controls/scroll/scroll_paint.h"

#include "skin/controls/base/skin_control_rules.h"

#include "skin/gdi/skin_paint.h"

#include "ui/color.h"
#include "ui/win_handles.h"

int ScrollBarPictureDpi(const TSkinData& skin, int dpi, int across) {
    const TDataSkinObject* strip = skin.Elements().Scrollbar.get();
    return strip ? FittingPictureDpi(dpi, across, strip->Image.Height) : dpi;
}

namespace {

// A cell of the strip, cut to its piece where it sticks out.
void DrawScrollCell(HDC dc, const TScrollCell& cell, const TStripBitmap& strip, int frames) {
    const ui::SavedDC saved(dc);
    if (cell.Clip)
        IntersectClipRect(dc, cell.Clip->Left, cell.Clip->Top, cell.Clip->Right,
                          cell.Clip->Bottom);
    DrawCell(dc, ToRect(cell.Target), strip, true, frames, cell.Frame);
}

} // namespace

bool PaintSkinScrollBar(HDC dc, POINT at, const TSkinData& skin, TOffscreen& surface,
                        TScrollLook look, int dpi) {
    const TSkinElements& e = skin.Elements();
    if (!e.Scrollbar || look.Width <= 0 || look.Height <= 0) return false;
    HDC off = surface.Prepare(look.Width, look.Height);
    if (!off) return false;

    const RECT whole{0, 0, look.Width, look.Height};
    const ui::GdiHandle<HBRUSH> face(
        CreateSolidBrush(ui::ColorRef(ui::ColorToRGB(e.Colors[kButtonFace]))));
    FillRect(off, &whole, face.get());

    const int frames = e.Scrollbar->Frame;
    const TStripBitmap& strip =
        StripAtDpi(skin.Bitmaps(), e.Scrollbar->Image, e.Scrollbar->Image2x, frames, dpi);
    look.StripSize = strip.Height();
    const TScrollPaint paint = ScrollPaintLayout(look);
    if (const TDataSkinObject* track = look.Vertical ? e.VertScroll.get() : e.HorzScroll.get())
        DrawElement(off, ToRect(paint.Track.Target), skin.Bitmaps(), *track, paint.Track.Frame,
                    {.Dpi = dpi});
    DrawScrollCell(off, paint.FirstArrow, strip, frames);
    DrawScrollCell(off, paint.SecondArrow, strip, frames);
    const TDataSkinObject* thumb =
        look.Vertical ? e.VertScrollThumb.get() : e.HorzScrollThumb.get();
    if (paint.Thumb && thumb)
        DrawElement(off, ToRect(paint.Thumb->Target), skin.Bitmaps(), *thumb, paint.Thumb->Frame,
                    {.Tile = false, .Dpi = dpi}); // a thumb is never tiled
    if (paint.Grip) DrawScrollCell(off, *paint.Grip, strip, frames);

    surface.CopyTo(dc, {at.x, at.y, at.x + look.Width, at.y + look.Height});
    return true;
}
