// Glyph geometry: which points a glyph's strokes and polygons cover.
#include "tools/skinart/glyph.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace skinart {

namespace {

double distance_to_segment(Point p, Point a, Point b) {
    const double dx = b.x - a.x, dy = b.y - a.y;
    const double length2 = dx * dx + dy * dy;
    const double t =
        length2 > 0 ? std::clamp(((p.x - a.x) * dx + (p.y - a.y) * dy) / length2, 0.0, 1.0) : 0.0;
    return std::hypot(p.x - (a.x + t * dx), p.y - (a.y + t * dy));
}

bool on_stroke(const Stroke& s, Point p) {
    if (s.points.size() == 1)
        return distance_to_segment(p, s.points[0], s.points[0]) <= s.width / 2;
    for (std::size_t i = 1; i < s.points.size(); ++i)
        if (distance_to_segment(p, s.points[i - 1], s.points[i]) <= s.width / 2) return true;
    return false;
}

// Even-odd rule.
bool in_polygon(const std::vector<Point>& poly, Point p) {
    bool in = false;
    for (std::size_t i = 0, j = poly.size() - 1; i < poly.size(); j = i++) {
        const Point a = poly[i], b = poly[j];
        if ((a.y > p.y) != (b.y > p.y) && p.x < a.x + (p.y - a.y) * (b.x - a.x) / (b.y - a.y))
            in = !in;
    }
    return in;
}

} // namespace

bool Glyph::inside(double x, double y) const {
    const Point p{x, y};
    return std::any_of(strokes.begin(), strokes.end(),
                       [&](const Stroke& s) { return on_stroke(s, p); }) ||
           std::any_of(fills.begin(), fills.end(),
                       [&](const std::vector<Point>& f) { return in_polygon(f, p); });
}

std::vector<Point> arc(double cx, double cy, double radius, double from, double to, int n) {
    std::vector<Point> out;
    for (int i = 0; i <= n; ++i) {
        const double a = (from + (to - from) * i / n) * std::numbers::pi / 180.0;
        out.push_back({cx + radius * std::cos(a), cy + radius * std::sin(a)});
    }
    return out;
}

} // namespace skinart
