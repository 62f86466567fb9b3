// The skin engine's geometry in one place: the margins of an element, and on Windows the
// conversions between the rules' rectangles (TPixelRect, ui::TGlyphRect) and GDI's RECT (the
// point a message carries is read by ui/message_params.h). Painters and window code convert
// through these, never inline.
#pragma once

#include "skin/model/skin_elements.h"
#include "skin/pictures/pixel_image.h"
#include "skin/pictures/strip_layout.h"

#ifdef _WIN32
#include <windows.h>
#endif

// The margins of an element, which keep their size when a frame is fitted.
inline TMargins MarginsOf(const TDataSkinObject& e) {
    return {e.LeftWidth, e.TopHeight, e.RightWidth, e.BottomHeight};
}

#ifdef _WIN32
// A rectangle of the rules (TPixelRect, ui::TGlyphRect) as GDI takes it.
template <class R> RECT ToRect(const R& r) {
    return {r.Left, r.Top, r.Right, r.Bottom};
}

// A GDI rectangle as the rules take it.
inline TPixelRect ToPixelRect(const RECT& r) {
    return {r.left, r.top, r.right, r.bottom};
}
#endif
