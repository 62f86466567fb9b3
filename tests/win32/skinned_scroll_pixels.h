// What the skinned scroll bars should look like on the screen, composed on pixels from the
// skin's pictures the way the painters compose on GDI, and what the screen shows: the tests of
// the scroll-bar overlays compare the two.
#pragma once

#include "skin/controls/scroll/scroll_rules.h"

#include "skin/gdi/dc_pixels.h"
#include "skin/model/scaled_pictures.h"
#include "skin/model/skin_catalogue.h"
#include "skin/pictures/dpi_scale.h"
#include "skin/pictures/image_ops.h"
#include "skin/pictures/pixel_draw.h"
#include "ui/color.h"

#include <windows.h>

#include <algorithm>
#include <string>

inline constexpr TPixel kKey = PixelFromColor(kKeyColor);

// What the screen shows of a window.
inline TPixelImage ScreenOf(HWND window) {
    RECT r{};
    GetWindowRect(window, &r);
    HDC screen = GetDC(nullptr);
    TPixelImage pixels = ReadPixels(screen, r);
    ReleaseDC(nullptr, screen);
    return pixels;
}

inline TPixel Face(const TSkinElements& e) {
    return PixelFromColor(ui::ColorToRGB(e.Colors[kButtonFace]));
}

// The skinned bar composed on pixels from the skin's pictures at the density `dpi` (look's
// StripSize is that strip's), the way the painters do on GDI.
inline TPixelImage ExpectedBar(const TSkinElements& e, const TScrollLook& look,
                               int dpi = kBaseDpi) {
    TPixelImage bar(look.Width, look.Height, Face(e));
    const TScrollPaint paint = ScrollPaintLayout(look);
    auto frame = [&](const TDataSkinObject* element, const TScrollCell& cell, bool tile) {
        if (!element) return;
        const TPixelRect t = cell.Target;
        const TMargins margins{element->LeftWidth, element->TopHeight, element->RightWidth,
                               element->BottomHeight};
        const TPixelRect one = StripCell(element->Image, element->Frame, 1, false);
        const TPixelImage picture =
            PictureAtDpi(element->Image, element->Image2x, {element->Frame, false, margins}, dpi);
        const TPixelImage piece = RenderNineGrid(
            t.Right - t.Left, t.Bottom - t.Top, picture,
            ScaleMargins(margins, one.Right - one.Left, one.Bottom - one.Top, dpi), false, tile,
            element->Frame, cell.Frame);
        Blit(bar, t.Left, t.Top, piece, element->Trans != 0, kKey);
    };
    const TPixelImage strip =
        PictureAtDpi(e.Scrollbar->Image, e.Scrollbar->Image2x, {e.Scrollbar->Frame, false, {}}, dpi);
    auto strip_cell = [&](const TScrollCell& cell) {
        const TPixelRect t = cell.Target;
        TPixelImage piece(t.Right - t.Left, t.Bottom - t.Top, kKey);
        StretchCopy(piece, {0, 0, piece.Width, piece.Height}, strip,
                    StripCell(strip, e.Scrollbar->Frame, cell.Frame, false));
        // Cut to the piece it stands for.
        const TPixelRect clip = cell.Clip.value_or(t);
        for (int y = std::max(t.Top, clip.Top); y < std::min(t.Bottom, clip.Bottom); ++y)
            for (int x = std::max(t.Left, clip.Left); x < std::min(t.Right, clip.Right); ++x)
                if (piece.At(x - t.Left, y - t.Top) != kKey && x >= 0 && y >= 0 &&
                    x < bar.Width && y < bar.Height)
                    bar.At(x, y) = piece.At(x - t.Left, y - t.Top);
    };
    const TDataSkinObject* track = look.Vertical ? e.VertScroll.get() : e.HorzScroll.get();
    frame(track, paint.Track, track && track->Tile != 0);
    strip_cell(paint.FirstArrow);
    strip_cell(paint.SecondArrow);
    if (paint.Thumb)
        frame(look.Vertical ? e.VertScrollThumb.get() : e.HorzScrollThumb.get(), *paint.Thumb,
              false);
    if (paint.Grip) strip_cell(*paint.Grip);
    return bar;
}

// The first pixel where `shot` differs from `expected`, or "".
inline std::string FirstDifference(const TPixelImage& shot, const TPixelImage& expected) {
    if (shot.Width != expected.Width || shot.Height != expected.Height)
        return "size " + std::to_string(shot.Width) + "x" + std::to_string(shot.Height) +
               " against " + std::to_string(expected.Width) + "x" + std::to_string(expected.Height);
    for (int y = 0; y < shot.Height; ++y)
        for (int x = 0; x < shot.Width; ++x)
            if (shot.At(x, y) != expected.At(x, y))
                return "pixel (" + std::to_string(x) + ", " + std::to_string(y) + ")";
    return {};
}

// The look of a window's vertical bar as the system has it now.
inline TScrollLook VerticalBarLook(HWND window, const TSkinElements& e, int hitPart, bool pressed) {
    SCROLLBARINFO info{};
    info.cbSize = sizeof(info);
    GetScrollBarInfo(window, OBJID_VSCROLL, &info);
    TScrollLook look;
    look.Width = info.rcScrollBar.right - info.rcScrollBar.left;
    look.Height = info.rcScrollBar.bottom - info.rcScrollBar.top;
    look.Arrow = GetSystemMetrics(SM_CXHSCROLL);
    look.StripSize = e.Scrollbar->Image.Height;
    look.ThumbStart = info.xyThumbTop;
    look.ThumbEnd = info.xyThumbBottom;
    look.HitPart = hitPart;
    look.Pressed = pressed;
    return look;
}
