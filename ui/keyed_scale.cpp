// Pictures scaled cell by cell: nearest neighbour for whole factors, a tent filter otherwise,
// with key pixels kept exact.
#include "ui/keyed_scale.h"

#include <algorithm>
#include <cmath>

namespace ui {

namespace {

// The tent filter's weights for one destination pixel: the first source pixel it reads and one
// weight for each from there, all within the pixel's band.
struct TWeights {
    int First = 0;
    std::vector<double> Weights;
};

// The weights of the source pixels of the band [bandStart, bandEnd) within `reach` of `centre`.
TWeights WeightsAround(double centre, double reach, int bandStart, int bandEnd) {
    const int first = std::max(bandStart, static_cast<int>(std::floor(centre - reach)) + 1);
    const int last = std::min(bandEnd - 1, static_cast<int>(std::ceil(centre + reach)) - 1);
    TWeights w{first, {}};
    for (int x = first; x <= last; ++x)
        w.Weights.push_back(std::max(0.0, 1.0 - std::abs(x - centre) / reach));
    return w;
}

// How one axis of a cell maps: for each destination pixel its nearest source pixel and the
// filter's weights around its centre.
struct TAxisMap {
    std::vector<int> Nearest;
    std::vector<TWeights> Weights;
};

TAxisMap MapAxis(const TScaledAxis& axis) {
    const int length = axis.Length, scaledLength = std::max(axis.ScaledLength, 0);
    const int nearEdge = std::clamp(axis.Near, 0, length);
    const int farEdge = length - std::clamp(axis.Far, 0, length);
    std::vector<int> edges = {0, length}, scaledEdges = {0, scaledLength};
    if (nearEdge <= farEdge) {
        edges = {0, nearEdge, farEdge, length};
        scaledEdges = {0, axis.ScaledNear, scaledLength - axis.ScaledFar, scaledLength};
    }
    TAxisMap map;
    const auto size = static_cast<std::size_t>(scaledLength);
    map.Nearest.resize(size);
    map.Weights.resize(size);
    for (std::size_t band = 0; band + 1 < edges.size(); ++band) {
        const int from = edges[band], to = edges[band + 1];
        const int scaledFrom = scaledEdges[band], scaledTo = scaledEdges[band + 1];
        if (to <= from || scaledTo <= scaledFrom) continue;
        const double toSource = static_cast<double>(to - from) / (scaledTo - scaledFrom);
        // Enlarging, a pixel's neighbours; shrinking, as far as one destination pixel reaches.
        const double reach = std::max(1.0, toSource);
        for (int x = from; x < to; ++x) {
            const int first = scaledFrom + ScaleMeasure(x - from, scaledTo - scaledFrom, to - from);
            const int end =
                scaledFrom + ScaleMeasure(x + 1 - from, scaledTo - scaledFrom, to - from);
            for (int d = first; d < end; ++d) {
                const auto i = static_cast<std::size_t>(d);
                map.Nearest[i] = x;
                const double centre = from + (d - scaledFrom + 0.5) * toSource - 0.5;
                map.Weights[i] = WeightsAround(centre, reach, from, to);
            }
        }
    }
    return map;
}

// A cell of a strip: its top-left corner in the picture.
struct TCellAt {
    int Left = 0;
    int Top = 0;
};

std::uint32_t PixelAt(const TKeyedPicture& p, int x, int y) {
    return p.Pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(p.Width) +
                    static_cast<std::size_t>(x)];
}

// The mean of the pixels outside the key around destination pixel (dx, dy) of `cell`, or the
// nearest pixel when none has weight or the mean is key.
std::uint32_t Blend(const TKeyedPicture& picture, TCellAt cell, const TAxisMap& across,
                    const TAxisMap& down, std::size_t dx, std::size_t dy, std::uint32_t nearest,
                    const std::function<bool(std::uint32_t)>& isKey) {
    const TWeights &wx = across.Weights[dx], &wy = down.Weights[dy];
    double sum[4] = {0, 0, 0, 0}, total = 0;
    for (std::size_t j = 0; j < wy.Weights.size(); ++j) {
        for (std::size_t i = 0; i < wx.Weights.size(); ++i) {
            const double w = wx.Weights[i] * wy.Weights[j];
            if (w <= 0) continue;
            const std::uint32_t p = PixelAt(picture, cell.Left + wx.First + static_cast<int>(i),
                                            cell.Top + wy.First + static_cast<int>(j));
            if (isKey(p)) continue;
            for (int c = 0; c < 4; ++c)
                sum[c] += w * ((p >> (8 * c)) & 0xFF);
            total += w;
        }
    }
    if (total <= 0) return nearest;
    std::uint32_t mean = 0;
    for (int c = 0; c < 4; ++c) {
        const int v = std::clamp(static_cast<int>(std::lround(sum[c] / total)), 0, 255);
        mean |= static_cast<std::uint32_t>(v) << (8 * c);
    }
    return isKey(mean) ? nearest : mean;
}

} // namespace

TKeyedPicture ScaleCells(const TKeyedPicture& picture, int cells, bool stacked,
                         const TScaledAxis& across, const TScaledAxis& down, bool nearestOnly,
                         const std::function<bool(std::uint32_t)>& isKey) {
    cells = std::max(cells, 1);
    const TAxisMap x = MapAxis(across), y = MapAxis(down);
    const int sw = static_cast<int>(x.Nearest.size()), sh = static_cast<int>(y.Nearest.size());
    TKeyedPicture scaled{stacked ? sw : sw * cells, stacked ? sh * cells : sh, {}};
    scaled.Pixels.resize(static_cast<std::size_t>(scaled.Width) *
                         static_cast<std::size_t>(scaled.Height));
    for (int i = 0; i < cells; ++i) {
        const TCellAt cell = stacked ? TCellAt{0, i * down.Length} : TCellAt{i * across.Length, 0};
        const TCellAt target = stacked ? TCellAt{0, i * sh} : TCellAt{i * sw, 0};
        for (std::size_t dy = 0; dy < y.Nearest.size(); ++dy) {
            for (std::size_t dx = 0; dx < x.Nearest.size(); ++dx) {
                const std::uint32_t nearest =
                    PixelAt(picture, cell.Left + x.Nearest[dx], cell.Top + y.Nearest[dy]);
                scaled.Pixels[static_cast<std::size_t>(target.Top + static_cast<int>(dy)) *
                                  static_cast<std::size_t>(scaled.Width) +
                              static_cast<std::size_t>(target.Left + static_cast<int>(dx))] =
                    nearestOnly || isKey(nearest)
                        ? nearest
                        : Blend(picture, cell, x, y, dx, dy, nearest, isKey);
            }
        }
    }
    return scaled;
}

TKeyedPicture ScaleKeyedPicture(const TKeyedPicture& picture, int cells, std::uint32_t key,
                                int dpi, int fromDpi) {
    cells = std::max(1, cells);
    const int cellW = picture.Width / cells, cellH = picture.Height;
    if (dpi <= 0 || fromDpi <= 0 || dpi == fromDpi || cellW <= 0 || cellH <= 0) return picture;
    const TScaledAxis across{cellW, 0, 0, std::max(1, ScaleMeasure(cellW, dpi, fromDpi)), 0, 0};
    const TScaledAxis down{cellH, 0, 0, std::max(1, ScaleMeasure(cellH, dpi, fromDpi)), 0, 0};
    return ScaleCells(picture, cells, false, across, down, dpi % fromDpi == 0,
                      [key](std::uint32_t p) { return ((p ^ key) & 0xFFFFFF) == 0; });
}

} // namespace ui
