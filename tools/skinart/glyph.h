// Small glyphs of the skin art (caption-button symbols, arrows, the check mark, the size grip):
// the pixels drawn by hand for 1x, and for a glyph with slanted or curved strokes the geometry
// those pixels render, from which larger scales draw it smooth. A glyph of straight horizontal
// and vertical strokes needs no geometry: its pixels, each made a block, are its geometry.
#pragma once

#include <vector>

namespace skinart {

struct Point {
    double x = 0, y = 0;
};

// A line through points, `width` thick, with round ends and joins (one point: a dot).
struct Stroke {
    std::vector<Point> points;
    double width = 1.0;
};

// Coordinates are in the glyph's 1x pixels, (0, 0) its top-left corner; pixel (x, y) spans
// x .. x + 1.
struct Glyph {
    std::vector<const char*> pixels; // rows: '#' paints, '+' paints at half opacity
    std::vector<Stroke> strokes;
    std::vector<std::vector<Point>> fills; // polygons

    bool has_shape() const { return !strokes.empty() || !fills.empty(); }
    // Whether the point lies on a stroke or inside a polygon.
    bool inside(double x, double y) const;
};

// `n` + 1 points on the circle around (cx, cy), from angle `from` to `to` in degrees (0 to the
// right, 90 down, as on the pixel grid).
std::vector<Point> arc(double cx, double cy, double radius, double from, double to, int n);

} // namespace skinart
