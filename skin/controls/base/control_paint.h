// What the control skinners paint with besides the skin's pictures (whose GDI bitmaps the skin
// data component keeps for all of them, TSkinData::Bitmaps): an off-screen bitmap the size of the
// control, so a look made of several pieces (frame, glyph, caption, focus rectangle) reaches the
// screen in one copy and nothing flickers while the mouse moves over it.
#pragma once

#include "skin/gdi/dib.h"
#include "skin/gdi/skin_bitmaps.h"
#include "skin/pictures/strip_layout.h"

#include "skin/model/skin_geometry.h"
#include "skin/runtime/skin_data.h"

#include <windows.h>

#include <memory>

// An off-screen picture of the control: made again only when the control's size changed.
class TOffscreen {
public:
    // The DC of a width x height surface (its pixels as the last paint left them).
    HDC Prepare(int width, int height);
    // Copies the whole surface to `target` at its top-left corner.
    void CopyTo(HDC dc, const RECT& target) const;
    // The surface itself, for a picture that is turned or mirrored before it is shown.
    const TDib& Surface() const { return dib_; }
    TDib& Surface() { return dib_; }

private:
    TDib dib_;
};

// The bitmap of a strip of `frames` cells side by side (no margins: each cell is drawn whole, as
// the arrow, check and glyph strips are), `picture` of an element with the larger copy `large`
// (empty for none), at the display density `dpi`: made once a load and density. Its cells are
// as large as the strip's width / frames and height say.
inline const TStripBitmap& StripAtDpi(TSkinBitmaps& bitmaps, const TPixelImage& picture,
                                      const TLargePicture& large, int frames, int dpi) {
    return bitmaps.AtDpi(picture, large, {frames, false, {}}, dpi);
}

// The frame of a control whose own border the skin replaces: a one-pixel line in `border` around
// `r` and a white one inside it.
void FrameWithWhiteLine(HDC dc, const RECT& r, COLORREF border);

// A control with this Tag looks transparent: its parent's background shows under its skin.
inline constexpr int kTransparentTag = 5555;

// The option bit of the skin.
inline bool HasOption(const TSkinData& skin, TSkinOption option) {
    return (skin.Options >> option) & 1;
}
