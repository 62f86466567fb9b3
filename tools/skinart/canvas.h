// A picture drawn in the design's units at a whole scale: the art gives every position, size,
// radius and line in the pixels of its 1x picture, and each primitive draws that geometry at the
// canvas's scale. So one piece of drawing code makes the picture for a 96-dpi display (scale 1,
// pixel for pixel what the primitives of draw.h draw) and its copy twice the size (scale 2):
// lines and borders twice as thick, gradients with twice the steps, curves and slanted glyph
// strokes anti-aliased at the finer grid rather than blown up.
#pragma once

#include "tools/skinart/draw.h"
#include "tools/skinart/glyph.h"
#include "tools/skinart/image.h"

namespace skinart {

// The rectangle r of the design at `scale`.
Rect scaled(Rect r, int scale);

class Canvas {
public:
    // A transparent (or `fill`-coloured) picture of width x height design pixels.
    Canvas(int width, int height, int scale);
    Canvas(int width, int height, int scale, Rgb fill);
    // Pixels already drawn at `scale`.
    Canvas(Image pixels, int scale);

    int scale() const { return scale_; }
    int width() const { return img_.width() / scale_; } // in design pixels
    int height() const { return img_.height() / scale_; }
    const Image& image() const& { return img_; }
    Image image() && { return std::move(img_); }

    void fill_rect(Rect r, Rgb c);
    void frame_rect(Rect r, Rgb c);               // a one-pixel outline (design) inside r
    void hline(int x0, int x1, int y, Rgb c);     // x0..x1 inclusive, one design pixel high
    void vline(int x, int y0, int y1, Rgb c);     // y0..y1 inclusive
    void gradient_v(Rect r, Rgb top, Rgb bottom); // one step per row of the scaled picture
    void fill_rounded(Rect r, double radius, Rgb c);
    void fill_rounded_gradient(Rect r, double radius, Rgb top, Rgb bottom);
    void fill_shape_gradient(Rect shape, double radius, Rect band, Rgb top, Rgb bottom);
    void stroke_rounded(Rect r, double radius, Rgb c);
    void fill_disc(double cx, double cy, double radius, Rgb c);
    // The glyph with its top-left corner at (x, y): at scale 1, or for a glyph without geometry,
    // its pixels (each a block of scale x scale); otherwise its geometry, anti-aliased.
    void draw_glyph(int x, int y, const Glyph& glyph, Rgb c);

    // Calls paint(centre, pixel) for every pixel, with its centre in design coordinates (at
    // scale 1 pixel (x, y) has its centre at x + 0.5, y + 0.5), to change it.
    template <class Paint> void for_each_pixel(Paint&& paint) {
        for (int y = 0; y < img_.height(); ++y)
            for (int x = 0; x < img_.width(); ++x) {
                Rgba p = img_.at(x, y);
                paint(Point{(x + 0.5) / scale_, (y + 0.5) / scale_}, p);
                img_.set(x, y, p);
            }
    }

    // Copies the w x h block at (sx, sy) of src (drawn at the same scale) to (dx, dy).
    void paste(const Canvas& src, int sx, int sy, int w, int h, int dx, int dy);
    Canvas crop(int x, int y, int w, int h) const;
    // Source-over composite of src (same scale) with its top-left corner at (dx, dy).
    void overlay(const Canvas& src, int dx, int dy);
    // draw.h's flatten, onto a matte of the same scale or one colour.
    void flatten(const Canvas& matte);
    void flatten(Rgb matte);

    // Makes the picture's key area exactly the key area `shape` (a rounded rectangle) gives at
    // scale 1, made blocks: a pixel is transparent where its design pixel is less than half
    // covered by the shape, and opaque elsewhere (what is less than half drawn there composited
    // over `edge`). So a window region cut along the key is the 1x region scaled, at any scale;
    // at scale 1 it only confirms what the drawing gave.
    void key_to_shape(Rect shape, double radius, Rgb edge);

private:
    Image img_;
    int scale_;
};

} // namespace skinart
