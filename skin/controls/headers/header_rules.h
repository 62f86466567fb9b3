// What a skinned header control shows: which item is hot under the mouse, the room right of
// the last item, how an item's text is aligned and where its picture and text go. Plain values,
// no <windows.h>; the item formats are the header control's HDF_ bits.
#pragma once

#include "skin/pictures/pixel_image.h"

#include "ui/scale_measure.h"

#include <cstdint>
#include <span>

// The HDF_ bits the rules read.
inline constexpr std::uint32_t kHdfRight = 0x0001;
inline constexpr std::uint32_t kHdfCenter = 0x0002;
inline constexpr std::uint32_t kHdfImage = 0x0800;
inline constexpr std::uint32_t kHdfBitmapOnRight = 0x1000;

// Pixels kept free at each side of an item, for the dividers the user drags.
inline constexpr int kHeaderHotInset = 3;

// The item whose rectangle, 3 pixels (a measure at `dpi`) narrower at each side, holds the point
// (left and top edges inside, right and bottom outside); -1 for none. Near a divider no item is
// hot, as the mouse there resizes rather than presses.
int HeaderHotItem(std::span<const TPixelRect> items, int x, int y, int dpi = kBaseDpi);

// The room right of the items in a control of width x height: from the rightmost item's right
// edge (items may be dragged out of their order) to the control's, full height; the whole
// control without items; empty when the items fill it.
TPixelRect HeaderRemainder(std::span<const TPixelRect> items, int width, int height);

enum class THeaderAlign { Left, Centre, Right };

// The text alignment an item's format asks for: right before centred, left otherwise.
THeaderAlign HeaderTextAlign(std::uint32_t format);

// Where an item's picture and text go inside `item`: both 6 pixels (a measure at `dpi`, as is
// the room between them) in from the edges, the
// picture (image width x height, centred down) at the left, or at the right with
// HDF_BITMAP_ON_RIGHT, and the text beside it. `Image` is empty unless the format asks for a
// picture and there is one (image width > 0).
struct THeaderItemLayout {
    TPixelRect Image;
    TPixelRect Text;
    bool operator==(const THeaderItemLayout&) const = default;
};
THeaderItemLayout HeaderItemLayout(const TPixelRect& item, std::uint32_t format, int imageWidth,
                                   int imageHeight, int dpi = kBaseDpi);
