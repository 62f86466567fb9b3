// Where the parts of a skin picture go: which cell of a strip of frames, and which rectangles the
// nine-grid, three-slice, tile and centring rules copy from it. The pixel composition
// (pixel_draw.h) and the GDI painters run the same pieces, so they agree pixel for pixel.
#pragma once

#include "skin/pictures/pixel_image.h"

#include <vector>

// The four margins of a frame that keep their size when it is fitted into a rectangle.
struct TMargins {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;
};

// Frame `frame` (from 1) of a width x height strip of `frames` equal frames, side by side or
// stacked. Empty when the frame number or count is out of range.
TPixelRect StripCell(int width, int height, int frames, int frame, bool stacked);
inline TPixelRect StripCell(const TPixelImage& strip, int frames, int frame, bool stacked) {
    return StripCell(strip.Width, strip.Height, frames, frame, stacked);
}

// One copy from a strip: `Source` (strip coordinates) onto `Target`, either stretched (by the
// rule of stretch_rule.h when the sizes differ) or repeated at its own size from the target's
// top-left corner and cut at the target's edges.
enum class TPieceFill { Stretch, Tile };
struct TPiece {
    TPixelRect Target;
    TPixelRect Source;
    TPieceFill Fill = TPieceFill::Stretch;

    bool operator==(const TPiece&) const = default;
};

// Every piece below has a non-empty target and a non-empty source inside the cell: parts of a
// margin that reach past the cell are cut off, and a piece left with nothing to copy is dropped,
// so no copy ever reads another frame. Negative margins count as 0.

// The nine-grid fit of `cell` into a width x height target, in painting order: corners at their
// size, edges and middle fitted, the middle tiled when `tileMiddle`. A target narrower than the
// left and right margins together fits without them (both count as 0); likewise vertically.
std::vector<TPiece> NineGridPieces(int width, int height, TPixelRect cell, TMargins margins,
                                   bool tileMiddle);

// Three slices with a repeated middle: the `left` and `right` ends at their width, the middle
// (the cell without its ends) copied at its width from x = left while x < width - right, the
// copies cut there, every piece stretched to the full height. The right end comes last.
std::vector<TPiece> ThreeSlicePieces(int width, int height, TPixelRect cell, int left, int right);

// Three slices with a stretched middle: the ends at their width, the middle stretched between
// them, all to the full height; a target narrower than the cell gets the whole cell stretched.
std::vector<TPiece> ThreeSliceStretchPieces(int width, int height, TPixelRect cell, int left,
                                            int right);

// A width x height rectangle centred in `target` (halves rounded toward zero, so a larger one
// sticks out equally on both sides).
TPixelRect CentredRect(TPixelRect target, int width, int height);

// The plain copies a tiled piece is made of: its source repeated from the target's top-left
// corner, left to right within each row of tiles, rows from the top, the last column and row cut
// at the target's edges. Calls `copy(TPiece)` for each; nothing for an empty source.
template <typename Copy> void ForEachTile(const TPiece& piece, Copy&& copy) {
    const TPixelRect t = piece.Target, s = piece.Source;
    const int w = s.Right - s.Left, h = s.Bottom - s.Top;
    if (w <= 0 || h <= 0) return;
    for (int y = t.Top; y < t.Bottom; y += h) {
        const int rows = t.Bottom - y < h ? t.Bottom - y : h;
        for (int x = t.Left; x < t.Right; x += w) {
            const int columns = t.Right - x < w ? t.Right - x : w;
            copy(TPiece{{x, y, x + columns, y + rows},
                        {s.Left, s.Top, s.Left + columns, s.Top + rows},
                        TPieceFill::Stretch});
        }
    }
}
