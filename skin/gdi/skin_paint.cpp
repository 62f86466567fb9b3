// The drawing primitives on device contexts.
#include "skin/gdi/skin_paint.h"

#include "skin/gdi/work_surfaces.h"

#include "skin/model/skin_geometry.h"
#include "skin/pictures/image_ops.h"

#include <algorithm>
#include <vector>

namespace {

bool Empty(TPixelRect r) {
    return r.Right <= r.Left || r.Bottom <= r.Top;
}

int Width(TPixelRect r) {
    return r.Right - r.Left;
}

int Height(TPixelRect r) {
    return r.Bottom - r.Top;
}

// Copies one piece from `source` to `target`: unscaled when the sizes agree, else stretched.
void CopyPiece(HDC target, HDC source, const TPiece& p) {
    const TPixelRect t = p.Target, s = p.Source;
    if (Width(t) == Width(s) && Height(t) == Height(s)) {
        BitBlt(target, t.Left, t.Top, Width(t), Height(t), source, s.Left, s.Top, SRCCOPY);
    } else {
        StretchBlt(target, t.Left, t.Top, Width(t), Height(t), source, s.Left, s.Top, Width(s),
                   Height(s), SRCCOPY);
    }
}

// Copies the pieces from `strip` onto `target` (a surface of the painters' own) in order.
void DrawPieces(HDC target, const TStripBitmap& strip, const std::vector<TPiece>& pieces) {
    const HDC source = strip.Colour().Dc();
    for (const TPiece& piece : pieces) {
        if (piece.Fill == TPieceFill::Tile) {
            ForEachTile(piece, [&](const TPiece& tile) { CopyPiece(target, source, tile); });
        } else {
            CopyPiece(target, source, piece);
        }
    }
}

// The cell of a strip, empty for a frame out of range or an empty strip.
TPixelRect Cell(const TStripBitmap& strip, int frames, int frame, bool stacked) {
    return StripCell(strip.Width(), strip.Height(), frames, frame, stacked);
}

// Copies w x h of `picture` from (sx, sy) to (x, y) of `dc`, leaving `dc` as it is where `mask`
// (in the picture's coordinates) is white: the picture XOR-ed in, the mask AND-ed (white keeps,
// black clears), the picture XOR-ed out again. On a memory DC this happens in place; for a DC on
// the screen it happens on a copy of its pixels, so the steps in between are never seen.
void KeyedCopy(HDC dc, int x, int y, int w, int h, HDC picture, HDC mask, int sx, int sy) {
    if (GetObjectType(dc) != OBJ_MEMDC) {
        const TDib& backdrop = WorkDib(TWorkSurface::Backdrop, w, h);
        BitBlt(backdrop.Dc(), 0, 0, w, h, dc, x, y, SRCCOPY);
        KeyedCopy(backdrop.Dc(), 0, 0, w, h, picture, mask, sx, sy);
        BitBlt(dc, x, y, w, h, backdrop.Dc(), 0, 0, SRCCOPY);
        return;
    }
    // A one-bit source lands as the text colour for 0 and the background colour for 1.
    const ui::DcColours colours(dc, RGB(0, 0, 0), RGB(255, 255, 255));
    BitBlt(dc, x, y, w, h, picture, sx, sy, SRCINVERT);
    BitBlt(dc, x, y, w, h, mask, sx, sy, SRCAND);
    BitBlt(dc, x, y, w, h, picture, sx, sy, SRCINVERT);
}

// The top-left w x h of `picture` copied to (x, y) of `dc`, without its magenta when
// `transparent`.
void Present(HDC dc, int x, int y, int w, int h, const TDib& picture, bool transparent) {
    if (!transparent) {
        BitBlt(dc, x, y, w, h, picture.Dc(), 0, 0, SRCCOPY);
        return;
    }
    TKeyMask& mask = WorkMask(w, h);
    mask.Fill(picture, w, h, kKeyColor);
    KeyedCopy(dc, x, y, w, h, picture.Dc(), mask.Dc(), 0, 0);
}

// Lays the cell out over the size of `target` with `layout(width, height, cell)`, composes the
// pieces on the work surface and copies the result to the target. Nothing for an empty target
// or cell.
template <typename Layout>
void DrawLaidOut(HDC dc, const RECT& target, const TStripBitmap& strip, TPixelRect cell,
                 bool transparent, Layout layout) {
    const TPixelRect t = ToPixelRect(target);
    if (Empty(t) || Empty(cell)) return;
    const int w = Width(t), h = Height(t);
    const TDib& picture = WorkDib(TWorkSurface::Picture, w, h);
    // What the pieces leave uncovered is black, as on a new bitmap.
    PatBlt(picture.Dc(), 0, 0, w, h, BLACKNESS);
    DrawPieces(picture.Dc(), strip, layout(w, h, cell));
    Present(dc, t.Left, t.Top, w, h, picture, transparent);
}

// The cell of a strip copied unscaled to (x, y), without its magenta when `transparent`.
void CopyCell(HDC dc, int x, int y, const TStripBitmap& strip, TPixelRect cell, bool transparent) {
    const int w = Width(cell), h = Height(cell);
    if (transparent) {
        KeyedCopy(dc, x, y, w, h, strip.Colour().Dc(), strip.Mask().Dc(), cell.Left, cell.Top);
    } else {
        BitBlt(dc, x, y, w, h, strip.Colour().Dc(), cell.Left, cell.Top, SRCCOPY);
    }
}

} // namespace

TDib RenderNineGrid(int width, int height, const TStripBitmap& strip, TMargins margins,
                    bool stacked, bool tile, int frames, int frame) {
    TDib surface(width, height);
    if (!surface.Empty()) {
        DrawPieces(
            surface.Dc(), strip,
            NineGridPieces(width, height, Cell(strip, frames, frame, stacked), margins, tile));
    }
    return surface;
}

void DrawElementFrame(HDC dc, const RECT& target, const TStripBitmap& strip, bool stacked,
                      bool tile, bool transparent, int frames, int frame, TMargins margins) {
    DrawLaidOut(
        dc, target, strip, Cell(strip, frames, frame, stacked), transparent,
        [&](int w, int h, TPixelRect cell) { return NineGridPieces(w, h, cell, margins, tile); });
}

void DrawElement(HDC dc, const RECT& target, TSkinBitmaps& bitmaps, const TDataSkinObject& element,
                 int frame, const TElementDraw& how) {
    const int frames = how.Frames > 0 ? how.Frames : element.Frame;
    TMargins margins = how.Margins.value_or(MarginsOf(element));
    const TStripBitmap* strip = how.Strip;
    if (!strip && how.Dpi != kBaseDpi) {
        const auto scaled = bitmaps.CutAtDpi(element.Image, element.Image2x,
                                             {frames, how.Stacked, margins}, how.Dpi);
        strip = scaled.Strip;
        margins = scaled.Margins;
    }
    DrawElementFrame(dc, target, strip ? *strip : bitmaps.Of(element.Image), how.Stacked,
                     how.Tile.value_or(element.Tile == 1),
                     how.Transparent.value_or(element.Trans == 1), frames, frame, margins);
}

void DrawThreeSlice(HDC dc, const RECT& target, const TStripBitmap& strip, bool stacked,
                    bool transparent, int frames, int frame, TMargins margins) {
    DrawLaidOut(dc, target, strip, Cell(strip, frames, frame, stacked), transparent,
                [&](int w, int h, TPixelRect cell) {
                    return ThreeSlicePieces(w, h, cell, margins.Left, margins.Right);
                });
}

void DrawThreeSliceStretch(HDC dc, const RECT& target, const TStripBitmap& strip, bool stacked,
                           int frames, int frame, int left, int right) {
    DrawLaidOut(dc, target, strip, Cell(strip, frames, frame, stacked), false,
                [&](int w, int h, TPixelRect cell) {
                    return ThreeSliceStretchPieces(w, h, cell, left, right);
                });
}

void DrawCell(HDC dc, const RECT& target, const TStripBitmap& strip, bool transparent, int frames,
              int frame) {
    const TPixelRect t = ToPixelRect(target);
    const TPixelRect cell = Cell(strip, frames, frame, false);
    if (Width(t) == Width(cell) && Height(t) == Height(cell) && !Empty(cell)) {
        // Nothing to stretch: straight from the strip, with its own mask.
        CopyCell(dc, t.Left, t.Top, strip, cell, transparent);
        return;
    }
    DrawLaidOut(dc, target, strip, cell, transparent, [](int w, int h, TPixelRect c) {
        return std::vector<TPiece>{{{0, 0, w, h}, c}};
    });
}

void DrawCentredCell(HDC dc, const RECT& target, const TStripBitmap& strip, bool transparent,
                     int frames, int frame) {
    const TPixelRect cell = Cell(strip, frames, frame, false);
    if (Empty(cell)) return;
    const TPixelRect at = CentredRect(ToPixelRect(target), Width(cell), Height(cell));
    CopyCell(dc, at.Left, at.Top, strip, cell, transparent);
}

void DrawTile(HDC dc, const RECT& target, const TStripBitmap& picture, TPixelRect source) {
    source = {std::max(source.Left, 0), std::max(source.Top, 0),
              std::min(source.Right, picture.Width()), std::min(source.Bottom, picture.Height())};
    const HDC from = picture.Colour().Dc();
    ForEachTile(TPiece{ToPixelRect(target), source, TPieceFill::Tile},
                [&](const TPiece& tile) { CopyPiece(dc, from, tile); });
}

void TransparentBlit(HDC dc, const RECT& target, const TDib& picture, TColor key) {
    const int w = std::min<int>(target.right - target.left, picture.Width());
    const int h = std::min<int>(target.bottom - target.top, picture.Height());
    if (w <= 0 || h <= 0) return;
    TKeyMask& mask = WorkMask(w, h);
    mask.Fill(picture, w, h, key);
    KeyedCopy(dc, target.left, target.top, w, h, picture.Dc(), mask.Dc(), 0, 0);
}
