// Drawing primitives for generated artwork.
#include "tools/skinart/draw.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace skinart {

void fill_rect(Image& img, Rect r, Rgb c, double alpha) {
    for (int y = r.y; y < r.bottom(); ++y)
        for (int x = r.x; x < r.right(); ++x)
            img.blend(x, y, c, alpha);
}

void frame_rect(Image& img, Rect r, Rgb c, int width) {
    for (int i = 0; i < width; ++i) {
        const Rect f = r.inset(i);
        if (f.w <= 0 || f.h <= 0) return;
        hline(img, f.x, f.right() - 1, f.y, c);
        hline(img, f.x, f.right() - 1, f.bottom() - 1, c);
        vline(img, f.x, f.y + 1, f.bottom() - 2, c);
        vline(img, f.right() - 1, f.y + 1, f.bottom() - 2, c);
    }
}

void hline(Image& img, int x0, int x1, int y, Rgb c, double alpha) {
    for (int x = std::min(x0, x1); x <= std::max(x0, x1); ++x)
        img.blend(x, y, c, alpha);
}

void vline(Image& img, int x, int y0, int y1, Rgb c, double alpha) {
    for (int y = std::min(y0, y1); y <= std::max(y0, y1); ++y)
        img.blend(x, y, c, alpha);
}

void gradient_v(Image& img, Rect r, Rgb top, Rgb bottom) {
    for (int y = r.y; y < r.bottom(); ++y) {
        const double t = r.h > 1 ? double(y - r.y) / (r.h - 1) : 0.0;
        hline(img, r.x, r.right() - 1, y, mix(top, bottom, t));
    }
}

namespace {

bool inside_rounded(Rect r, double radius, double x, double y) {
    if (x < r.x || y < r.y || x > r.right() || y > r.bottom()) return false;
    const double cx = std::clamp(x, r.x + radius, r.right() - radius);
    const double cy = std::clamp(y, r.y + radius, r.bottom() - radius);
    const double dx = x - cx, dy = y - cy;
    return dx * dx + dy * dy <= radius * radius;
}

double disc_coverage(double cx, double cy, double radius, int px, int py) {
    constexpr int n = 4;
    int hits = 0;
    for (int j = 0; j < n; ++j)
        for (int i = 0; i < n; ++i) {
            const double dx = px + (i + 0.5) / n - cx, dy = py + (j + 0.5) / n - cy;
            hits += dx * dx + dy * dy <= radius * radius;
        }
    return double(hits) / (n * n);
}

} // namespace

double rounded_coverage(Rect r, double radius, int px, int py) {
    constexpr int n = 4;
    int hits = 0;
    for (int j = 0; j < n; ++j)
        for (int i = 0; i < n; ++i)
            hits += inside_rounded(r, radius, px + (i + 0.5) / n, py + (j + 0.5) / n);
    return double(hits) / (n * n);
}

void fill_rounded(Image& img, Rect r, double radius, Rgb c) {
    fill_rounded_gradient(img, r, radius, c, c);
}

void fill_rounded_gradient(Image& img, Rect r, double radius, Rgb top, Rgb bottom) {
    fill_shape_gradient(img, r, radius, r, top, bottom);
}

void fill_shape_gradient(Image& img, Rect shape, double radius, Rect band, Rgb top, Rgb bottom) {
    for (int y = std::max(shape.y, band.y); y < std::min(shape.bottom(), band.bottom()); ++y) {
        const Rgb c = mix(top, bottom, band.h > 1 ? double(y - band.y) / (band.h - 1) : 0.0);
        for (int x = std::max(shape.x, band.x); x < std::min(shape.right(), band.right()); ++x)
            img.blend(x, y, c, rounded_coverage(shape, radius, x, y));
    }
}

void stroke_rounded(Image& img, Rect r, double radius, Rgb c, int width) {
    const Rect inner = r.inset(width);
    for (int y = r.y; y < r.bottom(); ++y)
        for (int x = r.x; x < r.right(); ++x) {
            const double a = rounded_coverage(r, radius, x, y) -
                             rounded_coverage(inner, std::max(radius - width, 0.0), x, y);
            img.blend(x, y, c, a);
        }
}

void fill_disc(Image& img, double cx, double cy, double radius, Rgb c) {
    for (int y = int(cy - radius) - 1; y <= int(cy + radius) + 1; ++y)
        for (int x = int(cx - radius) - 1; x <= int(cx + radius) + 1; ++x)
            img.blend(x, y, c, disc_coverage(cx, cy, radius, x, y));
}

void draw_pattern(Image& img, int x, int y, Pattern rows, Rgb c, int block) {
    int row = 0;
    for (const char* text : rows) {
        for (int col = 0; text[col] != '\0'; ++col) {
            const double alpha = text[col] == '#' ? 1.0 : text[col] == '+' ? 0.5 : 0.0;
            fill_rect(img, {x + col * block, y + row * block, block, block}, c, alpha);
        }
        ++row;
    }
}

int pattern_width(Pattern rows) {
    std::size_t w = 0;
    for (const char* text : rows)
        w = std::max(w, std::strlen(text));
    return static_cast<int>(w);
}

void flatten(Image& img, const Image& matte) {
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) {
            const Rgba p = img.at(x, y);
            if (p.a == 0 || p.a == 255) continue;
            const Rgba m = matte.at(x, y);
            img.set(x, y, mix({m.r, m.g, m.b}, {p.r, p.g, p.b}, p.a / 255.0));
        }
}

void flatten(Image& img, Rgb matte) {
    flatten(img, Image(img.width(), img.height(), Rgba{matte.r, matte.g, matte.b, 255}));
}

void overlay(Image& dst, const Image& src, int dx, int dy) {
    for (int y = 0; y < src.height(); ++y)
        for (int x = 0; x < src.width(); ++x) {
            const Rgba p = src.at(x, y);
            dst.blend(dx + x, dy + y, {p.r, p.g, p.b}, p.a / 255.0);
        }
}

Image mirror_h(const Image& img) {
    Image out(img.width(), img.height());
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            out.set(img.width() - 1 - x, y, img.at(x, y));
    return out;
}

Image flip_v(const Image& img) {
    Image out(img.width(), img.height());
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            out.set(x, img.height() - 1 - y, img.at(x, y));
    return out;
}

Image transpose(const Image& img) {
    Image out(img.height(), img.width());
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            out.set(y, x, img.at(x, y));
    return out;
}

} // namespace skinart
