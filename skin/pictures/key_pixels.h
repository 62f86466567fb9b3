// Which pixels of a picture are its transparent key colour: the rows of a one-bit key mask for
// masked copies, and the runs of other pixels that a window region is made of.
#pragma once

#include "skin/pictures/image_ops.h"
#include "skin/pictures/pixel_image.h"

#include <cstdint>
#include <span>
#include <vector>

// The key colour and how far above it each channel may lie and still count as key.
struct TKeyRange {
    TColor Key = kKeyColor;
    int RedTolerance = 0;
    int GreenTolerance = 0;
    int BlueTolerance = 0;

    // Whether each channel of `p` lies within [key, min(255, key + tolerance)].
    bool Contains(TPixel p) const;
};

// The range the window frame's region is cut with: magenta, each channel 1 above it too.
inline constexpr TKeyRange kFrameRegionKey{kKeyColor, 1, 1, 1};

// Bytes in one row of a one-bit mask `width` pixels wide (rows are DWORD-aligned).
inline constexpr int MaskStride(int width) {
    return (width + 31) / 32 * 4;
}

// One row of a one-bit mask, most significant bit first: bit set where the pixel's colour is
// exactly `key` (where a keyed copy leaves its target alone), clear where it is not. `bits` holds
// MaskStride(row.size()) bytes; padding bits stay clear.
void KeyMaskRow(std::span<const TPixel> row, TColor key, std::span<std::uint8_t> bits);

// Each maximal run of pixels outside `key` in each row, left to right, rows from the top, as a
// rectangle one pixel high moved by (dx, dy).
std::vector<TPixelRect> OpaqueRuns(const TPixelImage& image, int dx, int dy, const TKeyRange& key);
