// Image operations over 32-bit pixel images.
#include "skin/pictures/image_ops.h"

#include <algorithm>

namespace {

constexpr TPixel kRgbMask = 0x00FFFFFF;

// A new image of the given size whose pixel (x, y) is image(source(x, y)).
template <typename Source>
TPixelImage Remap(const TPixelImage& image, int width, int height, Source source) {
    TPixelImage out(width, height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const auto [sx, sy] = source(x, y);
            out.At(x, y) = image.At(sx, sy);
        }
    }
    return out;
}

struct Point {
    int x;
    int y;
};

} // namespace

void ReplaceKeyColor(TPixelImage& image, TColor c) {
    const TPixel key = PixelFromColor(kKeyColor);
    const TPixel replacement = PixelFromColor(c);
    for (TPixel& p : image.Pixels) {
        if ((p & kRgbMask) == key) p = (p & ~kRgbMask) | replacement;
    }
}

TPixelImage MirrorHorizontal(const TPixelImage& image) {
    const int w = image.Width;
    return Remap(image, w, image.Height, [w](int x, int y) { return Point{w - 1 - x, y}; });
}

TPixelImage FlipVertical(const TPixelImage& image) {
    const int h = image.Height;
    return Remap(image, image.Width, h, [h](int x, int y) { return Point{x, h - 1 - y}; });
}

TPixelImage RotateLeft(const TPixelImage& image) {
    // Destination (X, Y) = (y, W - 1 - x), so the source is (W - 1 - Y, X).
    const int w = image.Width;
    return Remap(image, image.Height, w, [w](int x, int y) { return Point{w - 1 - y, x}; });
}

TPixelImage RotateRight(const TPixelImage& image) {
    // Destination (X, Y) = (H - 1 - y, x), so the source is (Y, H - 1 - X).
    const int h = image.Height;
    return Remap(image, h, image.Width, [h](int x, int y) { return Point{y, h - 1 - x}; });
}

std::optional<GradientLines> GradientLineRange(TPixelRect rect, bool vertical, TPixelRect clip) {
    const bool visible = rect.Left < clip.Right && clip.Left < rect.Right &&
                         rect.Top < clip.Bottom && clip.Top < rect.Bottom;
    if (!visible) return std::nullopt;
    const int start = vertical ? rect.Top : rect.Left;
    const int count = vertical ? rect.Bottom - rect.Top : rect.Right - rect.Left;
    const int clipStart = vertical ? clip.Top : clip.Left;
    const int clipEnd = vertical ? clip.Bottom : clip.Right;
    if (count <= 0) return std::nullopt;
    const int first = std::max(0, clipStart - start);
    const int last = std::min(count - 1, clipEnd - 1 - start);
    if (first > last) return std::nullopt;
    return GradientLines{count, first, last};
}

void GradientFill(TPixelImage& image, TPixelRect rect, TColor from, bool vertical, TColor to,
                  TPixelRect clip) {
    // Nothing outside the image is visible either.
    clip = {std::max(clip.Left, 0), std::max(clip.Top, 0), std::min(clip.Right, image.Width),
            std::min(clip.Bottom, image.Height)};
    const std::optional<GradientLines> lines = GradientLineRange(rect, vertical, clip);
    if (!lines) return;
    const std::vector<TColor>& ramp =
        GradientRamps().Ramp(lines->count, ColorToRGB(from), ColorToRGB(to));
    const int left = std::max(rect.Left, clip.Left), right = std::min(rect.Right, clip.Right);
    const int top = std::max(rect.Top, clip.Top), bottom = std::min(rect.Bottom, clip.Bottom);
    for (int i = lines->first; i <= lines->last; ++i) {
        const TPixel colour = PixelFromColor(ramp[static_cast<std::size_t>(i)]);
        if (vertical) {
            const int y = rect.Top + i;
            for (int x = left; x < right; ++x)
                image.At(x, y) = colour;
        } else {
            const int x = rect.Left + i;
            for (int y = top; y < bottom; ++y)
                image.At(x, y) = colour;
        }
    }
}
