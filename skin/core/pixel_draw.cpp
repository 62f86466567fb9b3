// Frame cutting, stretching, tiling and nine-grid fitting on pixel images.
#include "pixel_draw.h"

#include <algorithm>

namespace {

bool Empty(TPixelRect r) {
    return r.Right <= r.Left || r.Bottom <= r.Top;
}

TPixelRect Clip(TPixelRect r, const TPixelImage& image) {
    return {std::max(r.Left, 0), std::max(r.Top, 0), std::min(r.Right, image.Width),
            std::min(r.Bottom, image.Height)};
}

TPixelRect Offset(TPixelRect r, int dx, int dy) {
    return {r.Left + dx, r.Top + dy, r.Right + dx, r.Bottom + dy};
}

} // namespace

TPixelRect StripCell(const TPixelImage& strip, int frames, int frame, bool stacked) {
    if (frames <= 0 || frame < 1 || frame > frames) return {};
    if (stacked) {
        const int h = strip.Height / frames;
        return {0, (frame - 1) * h, strip.Width, frame * h};
    }
    const int w = strip.Width / frames;
    return {(frame - 1) * w, 0, frame * w, strip.Height};
}

void StretchCopy(TPixelImage& target, TPixelRect dst, const TPixelImage& source, TPixelRect src) {
    if (Empty(dst) || Empty(src) || Empty(Clip(src, source))) return;
    const std::int64_t dw = dst.Right - dst.Left, dh = dst.Bottom - dst.Top;
    const std::int64_t sw = src.Right - src.Left, sh = src.Bottom - src.Top;
    const TPixelRect visible = Clip(dst, target);
    for (int y = visible.Top; y < visible.Bottom; ++y) {
        const int sy = src.Top + static_cast<int>((y - dst.Top) * sh / dh);
        if (sy < 0 || sy >= source.Height) continue;
        for (int x = visible.Left; x < visible.Right; ++x) {
            const int sx = src.Left + static_cast<int>((x - dst.Left) * sw / dw);
            if (sx >= 0 && sx < source.Width) target.At(x, y) = source.At(sx, sy);
        }
    }
}

void TileCopy(TPixelImage& target, TPixelRect dst, const TPixelImage& source, TPixelRect src) {
    const TPixelImage piece = Crop(source, src);
    if (piece.Width == 0 || piece.Height == 0) return;
    const TPixelRect visible = Clip(dst, target);
    for (int y = visible.Top; y < visible.Bottom; ++y) {
        for (int x = visible.Left; x < visible.Right; ++x) {
            target.At(x, y) = piece.At((x - dst.Left) % piece.Width, (y - dst.Top) % piece.Height);
        }
    }
}

TPixelImage RenderNineGrid(int width, int height, const TPixelImage& strip, TMargins m,
                           bool stacked, bool tile, int frames, int frame) {
    TPixelImage out(std::max(width, 0), std::max(height, 0));
    const TPixelRect cell = StripCell(strip, frames, frame, stacked);
    if (Empty(cell) || out.Pixels.empty()) return out;
    const int cw = cell.Right - cell.Left, ch = cell.Bottom - cell.Top;
    // Negative margins from a skin mean nothing to cut.
    int l = std::max(m.Left, 0), t = std::max(m.Top, 0);
    int r = std::max(m.Right, 0), b = std::max(m.Bottom, 0);
    const int W = width, H = height;
    if (W < l + r) l = r = 0;
    if (H < t + b) t = b = 0;
    const auto piece = [&](TPixelRect dst, TPixelRect src) {
        StretchCopy(out, dst, strip, Offset(src, cell.Left, cell.Top));
    };
    if (l * t > 0) piece({0, 0, l, t}, {0, 0, l, t});
    if (l * b > 0) piece({0, H - b, l, H}, {0, ch - b, l, ch});
    if (r * t > 0) piece({W - r, 0, W, t}, {cw - r, 0, cw, t});
    if (l > 0) piece({0, t, l, H - b}, {0, t, l, ch - b});
    if (t > 0) piece({l, 0, W - r, t}, {l, 0, cw - r, t});
    const TPixelRect middle{l, t, W - r, H - b};
    const TPixelRect middleSource = Offset({l, t, cw - r, ch - b}, cell.Left, cell.Top);
    if (tile) {
        TileCopy(out, middle, strip, middleSource);
    } else {
        StretchCopy(out, middle, strip, middleSource);
    }
    if (r * b > 0) piece({W - r, H - b, W, H}, {cw - r, ch - b, cw, ch});
    if (r > 0) piece({W - r, t, W, H - b}, {cw - r, t, cw, ch - b});
    if (b > 0) piece({l, H - b, W - r, H}, {l, ch - b, cw - r, ch});
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
