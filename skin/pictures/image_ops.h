// Image operations of the skin engine as pure functions over TPixelImage: the magenta key colour
// replaced, mirroring, flipping, quarter turns, and the gradient fill.
#pragma once

#include "skin/pictures/colors.h"
#include "skin/pictures/pixel_image.h"

#include <optional>

// The transparent key colour of every skin image.
inline constexpr TColor kKeyColor = RGBColor(255, 0, 255);

// Every pixel exactly red 255, green 0, blue 255 takes the red, green and blue of `c`.
void ReplaceKeyColor(TPixelImage& image, TColor c);

// Each row reversed left to right.
TPixelImage MirrorHorizontal(const TPixelImage& image);
// Rows reversed top to bottom.
TPixelImage FlipVertical(const TPixelImage& image);
// A quarter turn counter-clockwise: (x, y) goes to (y, W - 1 - x).
TPixelImage RotateLeft(const TPixelImage& image);
// A quarter turn clockwise: (x, y) goes to (H - 1 - y, x).
TPixelImage RotateRight(const TPixelImage& image);

// Which lines of a gradient over `rect` must be drawn when only `clip` is visible: lines are one
// pixel rows (vertical) or columns, numbered from the rectangle's top or left; `count` is the
// ramp length. Nothing when the rectangle is empty or wholly clipped.
struct GradientLines {
    int count = 0;
    int first = 0;
    int last = 0;
    bool operator==(const GradientLines&) const = default;
};
std::optional<GradientLines> GradientLineRange(TPixelRect rect, bool vertical, TPixelRect clip);

// Fills `rect` of `image` with a ramp from `from` to `to` (system colours resolved), one colour
// per line, touching only pixels inside `clip` and the image.
void GradientFill(TPixelImage& image, TPixelRect rect, TColor from, bool vertical, TColor to,
                  TPixelRect clip);
