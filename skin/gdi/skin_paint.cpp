// The drawing primitives on device contexts.
#include "skin_paint.h"

#include "ui/graphics.h"

#include <algorithm>
#include <vector>

namespace {

// Where the mask is set the source is copied; elsewhere the destination stays.
constexpr DWORD kMaskedCopy = MAKEROP4(SRCCOPY, 0x00AA0029);

TPixelRect Bounds(const RECT& r) {
    return {r.left, r.top, r.right, r.bottom};
}

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

// A width x height bitmap with the pieces copied onto it.
TDib Render(int width, int height, const TStripBitmap& strip, const std::vector<TPiece>& pieces) {
    TDib surface(width, height);
    if (!surface.Empty() && !strip.Empty()) DrawPieces(surface.Dc(), strip, pieces);
    return surface;
}

// The cell of a strip, empty for a frame out of range or an empty strip.
TPixelRect Cell(const TStripBitmap& strip, int frames, int frame, bool stacked) {
    return StripCell(strip.Width(), strip.Height(), frames, frame, stacked);
}

// A rendered bitmap copied to the top-left corner of `target`, the key left out when
// `transparent`.
void Present(HDC dc, const RECT& target, const TDib& rendered, bool transparent) {
    if (rendered.Empty()) return;
    if (transparent) {
        TransparentBlit(dc, target, rendered, kKeyColor);
    } else {
        BitBlt(dc, target.left, target.top, rendered.Width(), rendered.Height(), rendered.Dc(), 0,
               0, SRCCOPY);
    }
}

// The cell of a strip copied unscaled to (x, y), with the strip's own key mask when
// `transparent`.
void CopyCell(HDC dc, int x, int y, const TStripBitmap& strip, TPixelRect cell, bool transparent) {
    if (transparent) {
        MaskBlt(dc, x, y, Width(cell), Height(cell), strip.Colour().Dc(), cell.Left, cell.Top,
                strip.Mask(), cell.Left, cell.Top, kMaskedCopy);
    } else {
        BitBlt(dc, x, y, Width(cell), Height(cell), strip.Colour().Dc(), cell.Left, cell.Top,
               SRCCOPY);
    }
}

// Lays the cell out over the size of `target` with `layout(width, height, cell)`, renders the
// pieces and copies the result there. Nothing for an empty target or cell.
template <typename Layout>
void DrawLaidOut(HDC dc, const RECT& target, const TStripBitmap& strip, TPixelRect cell,
                 bool transparent, Layout layout) {
    const TPixelRect t = Bounds(target);
    if (Empty(t) || Empty(cell)) return;
    const int w = Width(t), h = Height(t);
    Present(dc, target, Render(w, h, strip, layout(w, h, cell)), transparent);
}

} // namespace

TDib RenderNineGrid(int width, int height, const TStripBitmap& strip, TMargins margins,
                    bool stacked, bool tile, int frames, int frame) {
    return Render(
        width, height, strip,
        NineGridPieces(width, height, Cell(strip, frames, frame, stacked), margins, tile));
}

void DrawElementFrame(HDC dc, const RECT& target, const TStripBitmap& strip, bool stacked,
                      bool tile, bool transparent, int frames, int frame, TMargins margins) {
    DrawLaidOut(
        dc, target, strip, Cell(strip, frames, frame, stacked), transparent,
        [&](int w, int h, TPixelRect cell) { return NineGridPieces(w, h, cell, margins, tile); });
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
    const TPixelRect t = Bounds(target);
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
    const TPixelRect at = CentredRect(Bounds(target), Width(cell), Height(cell));
    CopyCell(dc, at.Left, at.Top, strip, cell, transparent);
}

void DrawTile(HDC dc, const RECT& target, const TStripBitmap& picture, TPixelRect source) {
    source = {std::max(source.Left, 0), std::max(source.Top, 0),
              std::min(source.Right, picture.Width()), std::min(source.Bottom, picture.Height())};
    const HDC from = picture.Colour().Dc();
    ForEachTile(TPiece{Bounds(target), source, TPieceFill::Tile},
                [&](const TPiece& tile) { CopyPiece(dc, from, tile); });
}

void TransparentBlit(HDC dc, const RECT& target, const TDib& picture, TColor key) {
    const int w = std::min<int>(target.right - target.left, picture.Width());
    const int h = std::min<int>(target.bottom - target.top, picture.Height());
    if (w <= 0 || h <= 0) return;
    const ui::GdiHandle<HBITMAP> mask = KeyMask(picture, key);
    MaskBlt(dc, target.left, target.top, w, h, picture.Dc(), 0, 0, mask.get(), 0, 0, kMaskedCopy);
}
