// A plain RGBA picture in memory: the canvas every piece of generated artwork is drawn on.
// Alpha is coverage: skin bitmaps turn it into the magenta key, the icon keeps it.
#pragma once

#include <cstdint>
#include <vector>

namespace skinart {

struct Rgb {
    std::uint8_t r = 0, g = 0, b = 0;
    friend bool operator==(Rgb, Rgb) = default;
};

struct Rgba {
    std::uint8_t r = 0, g = 0, b = 0, a = 0;
    friend bool operator==(Rgba, Rgba) = default;
};

inline constexpr Rgb kMagenta{255, 0, 255};

// Linear mix of two colours, t = 0 gives a, t = 1 gives b.
Rgb mix(Rgb a, Rgb b, double t);

class Image {
public:
    Image() = default;
    Image(int width, int height, Rgba fill = {});

    int width() const { return width_; }
    int height() const { return height_; }
    bool contains(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }

    // Out-of-range reads give a fully transparent pixel; out-of-range writes are dropped.
    Rgba at(int x, int y) const;
    void set(int x, int y, Rgba c);
    void set(int x, int y, Rgb c) { set(x, y, Rgba{c.r, c.g, c.b, 255}); }

    // Source-over compositing of colour c with opacity alpha (0..1) onto pixel (x, y).
    void blend(int x, int y, Rgb c, double alpha);

    // Copies the w x h block at (sx, sy) of src to (dx, dy), replacing the pixels.
    void paste(const Image& src, int sx, int sy, int w, int h, int dx, int dy);
    void paste(const Image& src, int dx, int dy) {
        paste(src, 0, 0, src.width(), src.height(), dx, dy);
    }
    Image crop(int x, int y, int w, int h) const;

    // The colour written to a 24-bit skin bitmap: opaque enough pixels keep their colour,
    // the rest become the magenta key.
    Rgb keyed(int x, int y) const;

private:
    int width_ = 0, height_ = 0;
    std::vector<Rgba> pixels_;
};

} // namespace skinart
