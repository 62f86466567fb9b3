// Keyed pictures at a display density.
#include "ui/keyed_scale.h"

#include <algorithm>
#include <cmath>

namespace ui {

namespace {

bool IsKey(std::uint32_t p, std::uint32_t key) {
    return ((p ^ key) & 0xFFFFFF) == 0;
}

struct TCell {
    const TKeyedPicture* Source;
    int Left; // of the cell in the source
    int Width;
    int Height;
    std::uint32_t Pixel(int x, int y) const {
        return Source->Pixels[static_cast<std::size_t>(y) * Source->Width + Left + x];
    }
};

// The source pixel that covers destination pixel `d`, along an axis `from` long scaled to `to`:
// source pixel x covers ScaleMeasure(x) up to ScaleMeasure(x + 1), so the picture's edges land
// where the layout's scaled measures put them.
int Nearest(int d, int from, int to) {
    int x = std::min(from - 1, static_cast<int>(static_cast<long long>(d) * from / to));
    while (x + 1 < from && ScaleMeasure(x + 1, to, from) <= d) ++x;
    while (x > 0 && ScaleMeasure(x, to, from) > d) --x;
    return x;
}

std::uint32_t Mean(const TCell& cell, int dx, int dy, int toW, int toH, std::uint32_t key) {
    const int nx = Nearest(dx, cell.Width, toW), ny = Nearest(dy, cell.Height, toH);
    const std::uint32_t nearest = cell.Pixel(nx, ny);
    if (IsKey(nearest, key)) return nearest;
    // The centre in source pixels and the tent's half width along each axis. The mean is taken
    // only where the nearest pixel is not the key, so the key's outline is the nearest one's.
    const double cx = (dx + 0.5) * cell.Width / toW - 0.5;
    const double cy = (dy + 0.5) * cell.Height / toH - 0.5;
    const double rx = std::max(1.0, static_cast<double>(cell.Width) / toW);
    const double ry = std::max(1.0, static_cast<double>(cell.Height) / toH);
    const int x0 = std::max(0, static_cast<int>(std::floor(cx - rx)) + 1);
    const int x1 = std::min(cell.Width - 1, static_cast<int>(std::ceil(cx + rx)) - 1);
    const int y0 = std::max(0, static_cast<int>(std::floor(cy - ry)) + 1);
    const int y1 = std::min(cell.Height - 1, static_cast<int>(std::ceil(cy + ry)) - 1);
    double sum[4] = {}, total = 0;
    for (int y = y0; y <= y1; ++y) {
        const double wy = 1 - std::abs(y - cy) / ry;
        if (wy <= 0) continue;
        for (int x = x0; x <= x1; ++x) {
            const double wx = 1 - std::abs(x - cx) / rx;
            const std::uint32_t p = cell.Pixel(x, y);
            if (wx <= 0 || IsKey(p, key)) continue;
            const double w = wx * wy;
            for (int c = 0; c < 4; ++c) sum[c] += w * ((p >> (8 * c)) & 0xFF);
            total += w;
        }
    }
    if (total <= 0) return nearest;
    std::uint32_t mean = 0;
    for (int c = 0; c < 4; ++c) {
        const auto v = static_cast<std::uint32_t>(std::lround(sum[c] / total));
        mean |= std::min<std::uint32_t>(v, 255) << (8 * c);
    }
    return IsKey(mean, key) ? nearest : mean;
}

} // namespace

TKeyedPicture ScaleKeyedPicture(const TKeyedPicture& picture, int cells, std::uint32_t key,
                                int dpi, int fromDpi) {
    cells = std::max(1, cells);
    const int cellW = picture.Width / cells, cellH = picture.Height;
    if (dpi <= 0 || fromDpi <= 0 || dpi == fromDpi || cellW <= 0 || cellH <= 0) return picture;
    const int toW = std::max(1, ScaleMeasure(cellW, dpi, fromDpi));
    const int toH = std::max(1, ScaleMeasure(cellH, dpi, fromDpi));
    const bool whole = dpi % fromDpi == 0;
    TKeyedPicture out{toW * cells, toH, {}};
    out.Pixels.resize(static_cast<std::size_t>(out.Width) * out.Height);
    for (int i = 0; i < cells; ++i) {
        const TCell cell{&picture, i * cellW, cellW, cellH};
        for (int y = 0; y < toH; ++y)
            for (int x = 0; x < toW; ++x) {
                const std::uint32_t p =
                    whole ? cell.Pixel(Nearest(x, cellW, toW), Nearest(y, cellH, toH))
                          : Mean(cell, x, y, toW, toH, key);
                out.Pixels[static_cast<std::size_t>(y) * out.Width + i * toW + x] = p;
            }
    }
    return out;
}

} // namespace ui
