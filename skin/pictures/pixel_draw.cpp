// Stretching, piece copies and nine-grid fitting on pixel images.
#include "skin/pictures/pixel_draw.h"

#include "skin/pictures/stretch_rule.h"

#include <algorithm>

namespace {

bool Empty(TPixelRect r) {
    return r.Right <= r.Left || r.Bottom <= r.Top;
}

TPixelRect Clip(TPixelRect r, const TPixelImage& image) {
    return {std::max(r.Left, 0), std::max(r.Top, 0), std::min(r.Right, image.Width),
            std::min(r.Bottom, image.Height)};
}

} // namespace

void StretchCopy(TPixelImage& target, TPixelRect dst, const TPixelImage& source, TPixelRect src) {
    if (Empty(dst) || Empty(src)) return;
    const int dw = dst.Right - dst.Left, dh = dst.Bottom - dst.Top;
    const int sw = src.Right - src.Left, sh = src.Bottom - src.Top;
    const TPixelRect visible = Clip(dst, target);
    if (Empty(visible)) return;
    std::vector<int> columns(static_cast<std::size_t>(visible.Right - visible.Left));
    for (int x = visible.Left; x < visible.Right; ++x) {
        columns[static_cast<std::size_t>(x - visible.Left)] =
            src.Left + StretchSource(TStretchAxis::Horizontal, x - dst.Left, dw, sw);
    }
    for (int y = visible.Top; y < visible.Bottom; ++y) {
        const int sy = src.Top + StretchSource(TStretchAxis::Vertical, y - dst.Top, dh, sh);
        if (sy < 0 || sy >= source.Height) continue;
        for (int x = visible.Left; x < visible.Right; ++x) {
            const int sx = columns[static_cast<std::size_t>(x - visible.Left)];
            if (sx >= 0 && sx < source.Width) target.At(x, y) = source.At(sx, sy);
        }
    }
}

void DrawPieces(TPixelImage& target, const TPixelImage& strip, const std::vector<TPiece>& pieces) {
    for (const TPiece& piece : pieces) {
        if (piece.Fill == TPieceFill::Tile) {
            ForEachTile(piece, [&](const TPiece& tile) {
                StretchCopy(target, tile.Target, strip, tile.Source);
            });
        } else {
            StretchCopy(target, piece.Target, strip, piece.Source);
        }
    }
}

TPixelImage RenderNineGrid(int width, int height, const TPixelImage& strip, TMargins margins,
                           bool stacked, bool tile, int frames, int frame) {
    TPixelImage out(width, height);
    DrawPieces(out, strip,
               NineGridPieces(out.Width, out.Height, StripCell(strip, frames, frame, stacked),
                              margins, tile));
    return out;
}

void Blit(TPixelImage& target, int x, int y, const TPixelImage& source, bool transparent,
          TPixel key) {
    const TPixelRect visible = Clip({x, y, x + source.Width, y + source.Height}, target);
    for (int ty = visible.Top; ty < visible.Bottom; ++ty) {
        for (int tx = visible.Left; tx < visible.Right; ++tx) {
            const TPixel p = source.At(tx - x, ty - y);
            if (!transparent || (p & 0xFFFFFF) != key) target.At(tx, ty) = p;
        }
    }
}

TPixelImage Crop(const TPixelImage& source, TPixelRect rect) {
    const TPixelRect r = Clip(rect, source);
    if (Empty(r)) return {};
    TPixelImage out(r.Right - r.Left, r.Bottom - r.Top);
    for (int y = 0; y < out.Height; ++y) {
        for (int x = 0; x < out.Width; ++x)
            out.At(x, y) = source.At(r.Left + x, r.Top + y);
    }
    return out;
}

void FillRect(TPixelImage& target, TPixelRect rect, TPixel colour) {
    const TPixelRect r = Clip(rect, target);
    for (int y = r.Top; y < r.Bottom; ++y) {
        for (int x = r.Left; x < r.Right; ++x)
            target.At(x, y) = colour;
    }
}
