// Design geometry scaled onto the pixels of draw.h.
#include "tools/skinart/canvas.h"

#include <algorithm>
#include <cmath>

namespace skinart {

Rect scaled(Rect r, int scale) {
    return {r.x * scale, r.y * scale, r.w * scale, r.h * scale};
}

Canvas::Canvas(int width, int height, int scale)
    : img_(width * scale, height * scale), scale_(scale) {}

Canvas::Canvas(int width, int height, int scale, Rgb fill)
    : img_(width * scale, height * scale, Rgba{fill.r, fill.g, fill.b, 255}), scale_(scale) {}

Canvas::Canvas(Image pixels, int scale) : img_(std::move(pixels)), scale_(scale) {}

void Canvas::fill_rect(Rect r, Rgb c) {
    skinart::fill_rect(img_, scaled(r, scale_), c);
}

void Canvas::frame_rect(Rect r, Rgb c) {
    skinart::frame_rect(img_, scaled(r, scale_), c, scale_);
}

void Canvas::hline(int x0, int x1, int y, Rgb c) {
    const int left = std::min(x0, x1), right = std::max(x0, x1);
    fill_rect({left, y, right - left + 1, 1}, c);
}

void Canvas::vline(int x, int y0, int y1, Rgb c) {
    const int top = std::min(y0, y1), bottom = std::max(y0, y1);
    fill_rect({x, top, 1, bottom - top + 1}, c);
}

void Canvas::gradient_v(Rect r, Rgb top, Rgb bottom) {
    skinart::gradient_v(img_, scaled(r, scale_), top, bottom);
}

void Canvas::fill_rounded(Rect r, double radius, Rgb c) {
    skinart::fill_rounded(img_, scaled(r, scale_), radius * scale_, c);
}

void Canvas::fill_rounded_gradient(Rect r, double radius, Rgb top, Rgb bottom) {
    skinart::fill_rounded_gradient(img_, scaled(r, scale_), radius * scale_, top, bottom);
}

void Canvas::fill_shape_gradient(Rect shape, double radius, Rect band, Rgb top, Rgb bottom) {
    skinart::fill_shape_gradient(img_, scaled(shape, scale_), radius * scale_, scaled(band, scale_),
                                 top, bottom);
}

void Canvas::stroke_rounded(Rect r, double radius, Rgb c) {
    skinart::stroke_rounded(img_, scaled(r, scale_), radius * scale_, c, scale_);
}

void Canvas::fill_disc(double cx, double cy, double radius, Rgb c) {
    skinart::fill_disc(img_, cx * scale_, cy * scale_, radius * scale_, c);
}

void Canvas::draw_glyph(int x, int y, const Glyph& glyph, Rgb c) {
    if (scale_ == 1 || !glyph.has_shape()) {
        draw_pattern(img_, x * scale_, y * scale_, glyph.pixels, c, scale_);
        return;
    }
    // Coverage of each pixel by the glyph's geometry, from n x n samples; the geometry may
    // reach a little past the hand-drawn pixels' box.
    constexpr int n = 8;
    const int w = pattern_width(glyph.pixels), h = static_cast<int>(glyph.pixels.size());
    for (int py = (y - 1) * scale_; py < (y + h + 1) * scale_; ++py)
        for (int px = (x - 1) * scale_; px < (x + w + 1) * scale_; ++px) {
            int hits = 0;
            for (int j = 0; j < n; ++j)
                for (int i = 0; i < n; ++i)
                    hits += glyph.inside((px + (i + 0.5) / n) / scale_ - x,
                                         (py + (j + 0.5) / n) / scale_ - y);
            img_.blend(px, py, c, double(hits) / (n * n));
        }
}

void Canvas::paste(const Canvas& src, int sx, int sy, int w, int h, int dx, int dy) {
    const int k = scale_;
    img_.paste(src.img_, sx * k, sy * k, w * k, h * k, dx * k, dy * k);
}

Canvas Canvas::crop(int x, int y, int w, int h) const {
    const int k = scale_;
    return {img_.crop(x * k, y * k, w * k, h * k), k};
}

void Canvas::overlay(const Canvas& src, int dx, int dy) {
    skinart::overlay(img_, src.img_, dx * scale_, dy * scale_);
}

void Canvas::flatten(const Canvas& matte) {
    skinart::flatten(img_, matte.img_);
}

void Canvas::flatten(Rgb matte) {
    skinart::flatten(img_, matte);
}

void Canvas::key_to_shape(Rect shape, double radius, Rgb edge) {
    for (int y = 0; y < img_.height(); ++y)
        for (int x = 0; x < img_.width(); ++x) {
            const double cover = rounded_coverage(shape, radius, x / scale_, y / scale_);
            const Rgba p = img_.at(x, y);
            if (std::lround(cover * 255) < 128) {
                img_.set(x, y, Rgba{});
            } else if (p.a < 128) {
                img_.set(x, y, mix(edge, {p.r, p.g, p.b}, p.a / 255.0));
            }
        }
}

} // namespace skinart
