// Skinned progress bars: background, fill or chunks, composed off screen.
#include "skin/controls/values/skin_progress.h"

#include "skin/controls/values/value_rules.h"

#include "skin/gdi/skin_paint.h"
#include "skin/pictures/image_ops.h"

#include "ui/win_handles.h"

#include <commctrl.h>

#include <algorithm>

const ui::TClassInfo& TSkinProgress::StaticClass() {
    static const ui::TClassInfo info(L"TSkinProgress", &TSkinControl::StaticClass());
    return info;
}

bool TSkinProgress::SkinPaints() const {
    if (!skin) return false;
    const TSkinElements& e = skin->Elements();
    if (!e.Progress) return false;
    // A chunked style without its chunk would show a bar that never fills.
    return e.Progress->Style != kProgressChunkStyle || e.ProgressChunk != nullptr;
}

bool TSkinProgress::BeforeMessage(ui::TMessage& msg) {
    switch (msg.Msg) {
    case WM_PAINT:
        if (!SkinPaints()) return TSkinControl::BeforeMessage(msg);
        if (msg.WParam) {
            PaintClient(msg);
        } else {
            // The whole window: the bar may have an edge of its own, which the skin replaces.
            const ui::PaintScope paint(handle);
            PaintWindow(nullptr);
        }
        msg.Result = 0;
        return false;
    case WM_NCPAINT:
        if (!SkinPaints()) return TSkinControl::BeforeMessage(msg);
        PaintWindow(nullptr);
        msg.Result = 0;
        return false;
    case WM_ERASEBKGND:
        msg.Result = 1;
        return false;
    default:
        return TSkinControl::BeforeMessage(msg);
    }
}

void TSkinProgress::DrawSkin(HDC dc, const RECT& rect) {
    if (!SkinPaints()) return;
    const int width = rect.right - rect.left, height = rect.bottom - rect.top;
    if (width <= 0 || height <= 0) return;
    if (!(Style() & PBS_VERTICAL)) {
        DrawBar(offscreen_.Prepare(width, height), width, height);
        offscreen_.CopyTo(dc, rect);
        return;
    }
    // On its side, then a quarter turn to the left: the start of the bar comes to the bottom.
    DrawBar(offscreen_.Prepare(height, width), height, width);
    const TDib upright(RotateLeft(offscreen_.Surface().Pixels()));
    BitBlt(dc, rect.left, rect.top, width, height, upright.Dc(), 0, 0, SRCCOPY);
}

void TSkinProgress::DrawBar(HDC face, int width, int height) {
    const TSkinElements& e = skin->Elements();
    const TDataSkinBorder& bar = *e.Progress;
    const RECT all{0, 0, width, height};
    FillSkinColour(face, all);
    const int frames = ProgressStripFrames(bar.Style, bar.Frame);
    const int dpi = Dpi();
    // The bar always leaves the key colour out, whatever the skin says.
    const TElementDraw how{.Frames = frames, .Transparent = true, .Dpi = dpi};
    DrawElement(face, all, skin->Bitmaps(), bar, 1, how);

    const int pos = static_cast<int>(SendMessageW(handle, PBM_GETPOS, 0, 0));
    const int max = static_cast<int>(SendMessageW(handle, PBM_GETRANGE, FALSE, 0));
    const int min = static_cast<int>(SendMessageW(handle, PBM_GETRANGE, TRUE, 0));
    if (bar.Style != kProgressChunkStyle) {
        const int fill = ProgressFillLength(width, pos, min, max);
        if (fill > 0) DrawElement(face, {0, 0, fill, height}, skin->Bitmaps(), bar, 2, how);
        return;
    }

    const TDataSkinObject& chunk = *e.ProgressChunk;
    const int chunkFrames = std::max(chunk.Frame, 1);
    // The chunk's picture and measures at the density.
    const TMargins chunkMargins = MarginsOf(chunk);
    const TStripBitmap& chunks = skin->Bitmaps().AtDpi(chunk.Image, chunk.Image2x,
                                                       {chunkFrames, false, chunkMargins}, dpi);
    const int chunkWidth = chunks.Width() / chunkFrames;
    const TPixelRect cell = StripCell(chunk.Image, chunkFrames, 1, false);
    const TMargins scaled =
        ScaleMargins(chunkMargins, cell.Right - cell.Left, cell.Bottom - cell.Top, dpi);
    const TChunkLayout layout = ProgressChunkLayout({.Width = width,
                                                     .Height = height,
                                                     .Pos = pos,
                                                     .Min = min,
                                                     .Max = max,
                                                     .ChunkWidth = chunkWidth,
                                                     .ChunkHeight = chunks.Height(),
                                                     .ChunkLeftWidth = scaled.Left,
                                                     .Tile = chunk.Tile == 1});
    const RECT target = ToRect(layout.Target);
    if (IsRectEmpty(&target)) return;
    if (!layout.Tiled) {
        DrawElement(face, target, skin->Bitmaps(), chunk, 1,
                    {.Frames = chunkFrames, .Transparent = true, .Dpi = dpi});
        return;
    }
    // Side by side at their own size; the last one is cut where the fill ends.
    const ui::SavedDC saved(face);
    IntersectClipRect(face, target.left, target.top, target.right, target.bottom);
    for (int i = 0; i < layout.Copies; ++i) {
        const int left = target.left + i * chunkWidth;
        DrawCell(face, {left, target.top, left + chunkWidth, target.bottom}, chunks, true,
                 chunkFrames, 1);
    }
}
