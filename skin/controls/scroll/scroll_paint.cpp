// The skinned scroll bar's look, composed off screen.
#include "skin/controls/scroll/scroll_paint.h"

#include "skin/gdi/skin_paint.h"

#include "ui/color.h"
#include "ui/win_handles.h"

bool PaintSkinScrollBar(HDC dc, POINT at, const TSkinData& skin, TOffscreen& surface,
                        const TScrollLook& look) {
    const TSkinElements& e = skin.Elements();
    if (!e.Scrollbar || look.Width <= 0 || look.Height <= 0) return false;
    HDC off = surface.Prepare(look.Width, look.Height);
    if (!off) return false;

    const RECT whole{0, 0, look.Width, look.Height};
    const ui::GdiHandle<HBRUSH> face(
        CreateSolidBrush(ui::ColorRef(ui::ColorToRGB(e.Colors[kButtonFace]))));
    FillRect(off, &whole, face.get());

    const TScrollPaint paint = ScrollPaintLayout(look);
    if (const TDataSkinObject* track = look.Vertical ? e.VertScroll.get() : e.HorzScroll.get())
        DrawElement(off, ToRect(paint.Track.Target), skin.Bitmaps(), *track, paint.Track.Frame);
    const TStripBitmap& strip = skin.Bitmaps().Of(e.Scrollbar->Image);
    const int frames = e.Scrollbar->Frame;
    DrawCell(off, ToRect(paint.FirstArrow.Target), strip, true, frames, paint.FirstArrow.Frame);
    DrawCell(off, ToRect(paint.SecondArrow.Target), strip, true, frames, paint.SecondArrow.Frame);
    const TDataSkinObject* thumb =
        look.Vertical ? e.VertScrollThumb.get() : e.HorzScrollThumb.get();
    if (paint.Thumb && thumb)
        DrawElement(off, ToRect(paint.Thumb->Target), skin.Bitmaps(), *thumb, paint.Thumb->Frame,
                    {.Tile = false}); // a thumb is never tiled
    if (paint.Grip)
        DrawCell(off, ToRect(paint.Grip->Target), strip, true, frames, paint.Grip->Frame);

    surface.CopyTo(dc, {at.x, at.y, at.x + look.Width, at.y + look.Height});
    return true;
}
