// RGBA picture storage and source-over compositing.
#include "tools/skinart/image.h"

#include <algorithm>
#include <cmath>

namespace skinart {

Rgb mix(Rgb a, Rgb b, double t) {
    auto lerp = [t](int x, int y) {
        return static_cast<std::uint8_t>(std::lround(x + (y - x) * std::clamp(t, 0.0, 1.0)));
    };
    return {lerp(a.r, b.r), lerp(a.g, b.g), lerp(a.b, b.b)};
}

Image::Image(int width, int height, Rgba fill)
    : width_(std::max(width, 0)), height_(std::max(height, 0)),
      pixels_(static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_), fill) {}

Rgba Image::at(int x, int y) const {
    if (!contains(x, y)) return {};
    return pixels_[static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) +
                   static_cast<std::size_t>(x)];
}

void Image::set(int x, int y, Rgba c) {
    if (!contains(x, y)) return;
    pixels_[static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) +
            static_cast<std::size_t>(x)] = c;
}

void Image::blend(int x, int y, Rgb c, double alpha) {
    if (!contains(x, y) || alpha <= 0.0) return;
    alpha = std::min(alpha, 1.0);
    const Rgba d = at(x, y);
    const double da = d.a / 255.0;
    const double oa = alpha + da * (1.0 - alpha);
    auto channel = [&](int s, int t) {
        return static_cast<std::uint8_t>(std::lround((s * alpha + t * da * (1.0 - alpha)) / oa));
    };
    set(x, y,
        Rgba{channel(c.r, d.r), channel(c.g, d.g), channel(c.b, d.b),
             static_cast<std::uint8_t>(std::lround(oa * 255.0))});
}

void Image::paste(const Image& src, int sx, int sy, int w, int h, int dx, int dy) {
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            if (src.contains(sx + x, sy + y)) set(dx + x, dy + y, src.at(sx + x, sy + y));
}

Image Image::crop(int x, int y, int w, int h) const {
    Image out(w, h);
    out.paste(*this, x, y, w, h, 0, 0);
    return out;
}

Rgb Image::keyed(int x, int y) const {
    const Rgba p = at(x, y);
    if (p.a < 128) return kMagenta;
    return {p.r, p.g, p.b};
}

} // namespace skinart
