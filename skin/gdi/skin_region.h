// Window regions from pictures: the rectangles of a picture's opaque runs handed to GDI in
// batches, for shaping a window by the key colour of its frame pictures.
#pragma once

#include "skin/pictures/key_pixels.h"
#include "skin/pictures/pixel_image.h"

#include "ui/graphics.h"

#include <span>

// How many rectangles go into one ExtCreateRegion call; the regions are OR-ed together.
inline constexpr std::size_t kRegionBatch = 2000;

// The region covering `rects`; an empty region for none.
ui::TRegion RegionFromRects(std::span<const TPixelRect> rects);

// The region builder: every pixel of `picture` outside `key`, moved by (dx, dy).
ui::TRegion BuildRegion(const TPixelImage& picture, int dx, int dy, const TKeyRange& key);
