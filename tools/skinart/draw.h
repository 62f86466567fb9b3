// Small drawing primitives for generated artwork: crisp rectangles and lines, vertical
// gradients, anti-aliased rounded rectangles and discs, and glyphs from pixel patterns.
#pragma once

#include "tools/skinart/image.h"

#include <span>

namespace skinart {

struct Rect {
    int x = 0, y = 0, w = 0, h = 0;
    int right() const { return x + w; }
    int bottom() const { return y + h; }
    Rect inset(int d) const { return {x + d, y + d, w - 2 * d, h - 2 * d}; }
};

void fill_rect(Image& img, Rect r, Rgb c, double alpha = 1.0);
void frame_rect(Image& img, Rect r, Rgb c, int width = 1); // outline `width` thick inside r
void hline(Image& img, int x0, int x1, int y, Rgb c, double alpha = 1.0); // x0..x1 inclusive
void vline(Image& img, int x, int y0, int y1, Rgb c, double alpha = 1.0); // y0..y1 inclusive

// Row y of r gets mix(top, bottom, (y - r.y) / (r.h - 1)).
void gradient_v(Image& img, Rect r, Rgb top, Rgb bottom);

// Fraction of pixel (px, py) inside the rounded rectangle r with corner radius (4x4 samples).
double rounded_coverage(Rect r, double radius, int px, int py);
void fill_rounded(Image& img, Rect r, double radius, Rgb c);
void fill_rounded_gradient(Image& img, Rect r, double radius, Rgb top, Rgb bottom);
// Paints only the rows and columns of the rounded shape that lie inside band, with the
// gradient running from the band's top row to its bottom row.
void fill_shape_gradient(Image& img, Rect shape, double radius, Rect band, Rgb top, Rgb bottom);
// Outline `width` pixels thick inside r, following the curve of fill_rounded(r, radius).
void stroke_rounded(Image& img, Rect r, double radius, Rgb c, int width = 1);

// Disc centred at (cx, cy), in pixel units (pixel centres at .5).
void fill_disc(Image& img, double cx, double cy, double radius, Rgb c);

// A glyph from text rows: '#' paints c, '+' paints c at half opacity, anything else is left;
// each character paints a block x block square.
using Pattern = std::span<const char* const>;
void draw_pattern(Image& img, int x, int y, Pattern rows, Rgb c, int block = 1);
int pattern_width(Pattern rows);

// Composites every partly transparent pixel over the matte (same size picture, or one colour),
// so anti-aliased edges are blended against the background the engine paints underneath;
// fully transparent pixels stay transparent and become the magenta key.
void flatten(Image& img, const Image& matte);
void flatten(Image& img, Rgb matte);

// Source-over composite of src onto dst with src's top-left corner at (dx, dy).
void overlay(Image& dst, const Image& src, int dx, int dy);

Image mirror_h(const Image& img);
Image flip_v(const Image& img);
Image transpose(const Image& img); // turns art drawn for a vertical part into the horizontal one

} // namespace skinart
