// Pictures scaled cell by cell: nearest neighbour for whole factors, a tent filter otherwise,
// with key pixels kept exact.
#include "skin/pictures/picture_scale.h"

#include <algorithm>
#include <cmath>
#include <vector>

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

// One axis of a cell `length` long with margins `nearMargin` and `farMargin`, scaled to
// `scaledLength` with the scaled margins `scaledNear` and `scaledFar` (ScaleMargins): the margins
// and the middle are bands, each scaled to its scaled length on its own; margins that overlap
// make one band of the whole cell.
TAxisMap MapAxis(int length, int nearMargin, int farMargin, int scaledLength, int scaledNear,
                 int scaledFar) {
    const int nearEdge = std::clamp(nearMargin, 0, length);
    const int farEdge = length - std::clamp(farMargin, 0, length);
    std::vector<int> edges = {0, length}, scaledEdges = {0, scaledLength};
    if (nearEdge <= farEdge) {
        edges = {0, nearEdge, farEdge, length};
        scaledEdges = {0, scaledNear, scaledLength - scaledFar, scaledLength};
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

int Channel(TPixel p, int shift) {
    return static_cast<int>((p >> shift) & 0xFF);
}

// The mean of the pixels outside `key` around destination pixel (dx, dy) of `cell`, or the
// nearest pixel when none has weight or the mean falls in `key`.
TPixel Blend(const TPixelImage& picture, TPixelRect cell, const TAxisMap& across,
             const TAxisMap& down, std::size_t dx, std::size_t dy, TPixel nearest,
             const TKeyRange& key) {
    const TWeights &wx = across.Weights[dx], &wy = down.Weights[dy];
    double sum[3] = {0, 0, 0}, total = 0;
    for (std::size_t j = 0; j < wy.Weights.size(); ++j) {
        for (std::size_t i = 0; i < wx.Weights.size(); ++i) {
            const double w = wx.Weights[i] * wy.Weights[j];
            if (w <= 0) continue;
            const TPixel p = picture.At(cell.Left + wx.First + static_cast<int>(i),
                                        cell.Top + wy.First + static_cast<int>(j));
            if (key.Contains(p)) continue;
            for (int c = 0; c < 3; ++c)
                sum[c] += w * Channel(p, 8 * c);
            total += w;
        }
    }
    if (total <= 0) return nearest;
    TPixel mean = 0;
    for (int c = 0; c < 3; ++c) {
        const int v = std::clamp(static_cast<int>(std::lround(sum[c] / total)), 0, 255);
        mean |= static_cast<TPixel>(v) << (8 * c);
    }
    return key.Contains(mean) ? nearest : mean;
}

} // namespace

TPixelImage ScalePicture(const TPixelImage& picture, const TPictureCut& cut, int dpi, int fromDpi,
                         const TKeyRange& key) {
    if (dpi <= 0 || fromDpi <= 0) dpi = fromDpi = kBaseDpi;
    const int frames = std::max(cut.Frames, 1);
    const TPixelRect first = StripCell(picture, frames, 1, cut.Stacked);
    const int cw = first.Right - first.Left, ch = first.Bottom - first.Top;
    if (cw <= 0 || ch <= 0) return {};
    const TMargins m = ScaleMargins(cut.Margins, cw, ch, dpi, fromDpi);
    const TAxisMap across = MapAxis(cw, cut.Margins.Left, cut.Margins.Right,
                                    ScaleMeasure(cw, dpi, fromDpi), m.Left, m.Right);
    const TAxisMap down = MapAxis(ch, cut.Margins.Top, cut.Margins.Bottom,
                                  ScaleMeasure(ch, dpi, fromDpi), m.Top, m.Bottom);
    const int sw = static_cast<int>(across.Nearest.size());
    const int sh = static_cast<int>(down.Nearest.size());
    const bool nearestOnly = dpi % fromDpi == 0;
    TPixelImage scaled(cut.Stacked ? sw : sw * frames, cut.Stacked ? sh * frames : sh);
    for (int frame = 1; frame <= frames; ++frame) {
        const TPixelRect cell = StripCell(picture, frames, frame, cut.Stacked);
        const TPixelRect target = StripCell(scaled, frames, frame, cut.Stacked);
        for (std::size_t dy = 0; dy < down.Nearest.size(); ++dy) {
            for (std::size_t dx = 0; dx < across.Nearest.size(); ++dx) {
                const TPixel nearest =
                    picture.At(cell.Left + across.Nearest[dx], cell.Top + down.Nearest[dy]);
                TPixel& out = scaled.At(target.Left + static_cast<int>(dx),
                                        target.Top + static_cast<int>(dy));
                out = nearestOnly || key.Contains(nearest)
                          ? nearest
                          : Blend(picture, cell, across, down, dx, dy, nearest, key);
            }
        }
    }
    return scaled;
}
