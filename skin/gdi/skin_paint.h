// The drawing primitives every skinned surface is painted with: a frame cut from a picture
// strip and fitted into a rectangle (nine-grid, three slices, a cell stretched or centred), tiles,
// and copies that leave the magenta key colour out. Where the pieces go is strip_layout.h; every
// stretched copy is made between the painters' own DIB sections, so it follows the stretch rule
// the pixel composition follows, and the result reaches the target DC unscaled. Pictures are
// composed on work surfaces kept from one paint to the next, so a paint creates no bitmaps.
//
// A copy that leaves the key colour out is three plain copies through a one-bit mask (XOR the
// picture in, AND the mask, XOR it out), in place on a memory DC and on a copy of the pixels for
// a DC on the screen, so no step in between is ever seen.
//
// Strips are the bitmaps of skin pictures (TSkinBitmaps::Of, or a TStripBitmap of one's own);
// frames are numbered from 1, and a frame number out of range draws nothing.
#pragma once

#include "skin/gdi/dib.h"
#include "skin/gdi/skin_bitmaps.h"
#include "skin/gdi/strip_bitmap.h"

#include "skin/model/skin_elements.h"
#include "skin/pictures/colors.h"
#include "skin/pictures/dpi_scale.h"
#include "skin/pictures/strip_layout.h"

#include <windows.h>

#include <optional>

// Frame `frame` of `frames` of `strip` (stacked or side by side) fitted into width x height by
// the nine-grid rule, the middle tiled when `tile`: a new bitmap owned by the caller.
TDib RenderNineGrid(int width, int height, const TStripBitmap& strip, TMargins margins,
                    bool stacked, bool tile, int frames, int frame);

// The element frame painter: the nine-grid rendered to the size of `target` and copied there,
// leaving the target as it is under the key colour when `transparent`. Nothing for an empty
// rectangle.
void DrawElementFrame(HDC dc, const RECT& target, const TStripBitmap& strip, bool stacked,
                      bool tile, bool transparent, int frames, int frame, TMargins margins);

// What a painter decides about an element where the element's own fields do not: frames
// stacked rather than side by side, a picture made from the element's (its strip turned for a
// side), margins bent for such a picture, a frame count of its own, and a middle or key colour the
// painter always gives that part whatever the skin says. Left out, each comes from the element.
// `Dpi` is the density the target is drawn at: above kBaseDpi the element's picture at that
// density (TSkinBitmaps::AtDpi) with its margins scaled (ScaleMargins); a painter's own `Strip`
// is taken as it is, with `Margins` in its units.
struct TElementDraw {
    bool Stacked = false;
    const TStripBitmap* Strip = nullptr; // the element's Image
    std::optional<TMargins> Margins;     // MarginsOf(element)
    int Frames = 0;                      // element.Frame
    std::optional<bool> Tile;            // element.Tile == 1
    std::optional<bool> Transparent;     // element.Trans == 1
    int Dpi = kBaseDpi;
};

// The one way to draw a skin element: frame `frame` of its strip fitted into `target` by the
// element frame painter, with the element's margins, middle (tiled when its Tile is 1) and key
// colour (left out when its Trans is 1), both normalised to 0 or 1 by the loader, unless `how`
// says otherwise.
void DrawElement(HDC dc, const RECT& target, TSkinBitmaps& bitmaps, const TDataSkinObject& element,
                 int frame, const TElementDraw& how = {});

// The three-slice draw: the left and right ends (margins.Left and margins.Right) at their width,
// the middle repeated between them, everything stretched to the target's height.
void DrawThreeSlice(HDC dc, const RECT& target, const TStripBitmap& strip, bool stacked,
                    bool transparent, int frames, int frame, TMargins margins);

// The three-slice stretch: the ends at their width, the middle stretched; a target narrower than
// the cell gets the whole cell stretched.
void DrawThreeSliceStretch(HDC dc, const RECT& target, const TStripBitmap& strip, bool stacked,
                           int frames, int frame, int left, int right);

// The cell draw: the cell (cells side by side) stretched into `target`.
void DrawCell(HDC dc, const RECT& target, const TStripBitmap& strip, bool transparent, int frames,
              int frame);

// The centred cell draw: the cell at its own size, centred in `target` (sticking out of a
// smaller one).
void DrawCentredCell(HDC dc, const RECT& target, const TStripBitmap& strip, bool transparent,
                     int frames, int frame);

// The tile: `source` (cut to the picture) repeated at its size from the top-left corner of
// `target`, the last column and row cut at its edges. Nothing for an empty source.
void DrawTile(HDC dc, const RECT& target, const TStripBitmap& picture, TPixelRect source);

// The transparent blit: `picture` copied to the top-left corner of `target` (cut to its size),
// leaving the target as it is where the picture has the colour `key`.
void TransparentBlit(HDC dc, const RECT& target, const TDib& picture, TColor key);
