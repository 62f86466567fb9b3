// The rules of the skinned header control.
#include "skin/controls/headers/header_rules.h"

#include <algorithm>

namespace {

// Room between an item's edges and its contents, and between its picture and its text.
constexpr int kItemPadding = 6;

} // namespace

int HeaderHotItem(std::span<const TPixelRect> items, int x, int y, int dpi) {
    const int inset = ScaleMeasure(kHeaderHotInset, dpi);
    for (std::size_t i = 0; i < items.size(); ++i) {
        const TPixelRect& r = items[i];
        if (x >= r.Left + inset && x < r.Right - inset && y >= r.Top && y < r.Bottom)
            return static_cast<int>(i);
    }
    return -1;
}

TPixelRect HeaderRemainder(std::span<const TPixelRect> items, int width, int height) {
    int right = 0;
    for (const TPixelRect& r : items)
        right = std::max(right, r.Right);
    if (right >= width) return {};
    return {right, 0, width, height};
}

THeaderAlign HeaderTextAlign(std::uint32_t format) {
    if (format & kHdfRight) return THeaderAlign::Right;
    if (format & kHdfCenter) return THeaderAlign::Centre;
    return THeaderAlign::Left;
}

THeaderItemLayout HeaderItemLayout(const TPixelRect& item, std::uint32_t format, int imageWidth,
                                   int imageHeight, int dpi) {
    const int padding = ScaleMeasure(kItemPadding, dpi);
    THeaderItemLayout out;
    out.Text = {item.Left + padding, item.Top, item.Right - padding, item.Bottom};
    if (!(format & kHdfImage) || imageWidth <= 0 || imageHeight <= 0) return out;
    const int top = item.Top + (item.Bottom - item.Top - imageHeight) / 2;
    if (format & kHdfBitmapOnRight) {
        const int left = std::max(out.Text.Left, out.Text.Right - imageWidth);
        out.Image = {left, top, left + imageWidth, top + imageHeight};
        out.Text.Right = left - padding;
    } else {
        const int left = out.Text.Left;
        out.Image = {left, top, left + imageWidth, top + imageHeight};
        out.Text.Left = out.Image.Right + padding;
    }
    out.Text.Right = std::max(out.Text.Left, out.Text.Right);
    return out;
}
