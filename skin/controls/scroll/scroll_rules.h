// The rules of a skinned scroll bar, along its axis: which part a point is on, where the thumb
// of a stand-alone scroll-bar control sits, where a dragged thumb is drawn, and which cell of the
// skin's strips goes into which rectangle. The overlay windows and the drop-down list of a combo
// box paint and track with these; none of them needs a window.
#pragma once

#include "skin/pictures/pixel_image.h"

#include <optional>

// The parts of a scroll bar are numbered as the scroll requests that act on them (SB_LINEUP,
// SB_LINEDOWN, SB_PAGEUP, SB_PAGEDOWN, SB_THUMBTRACK), so the code of a scroll notification can
// be stored as the part to show pressed.
inline constexpr int kScrollPartNone = -1;
inline constexpr int kScrollFirstArrow = 0;
inline constexpr int kScrollSecondArrow = 1;
inline constexpr int kScrollTrackBefore = 2;
inline constexpr int kScrollTrackAfter = 3;
inline constexpr int kScrollThumb = 5;

// A scroll bar along its axis: its length, the arrow size (also its thickness for hit tests)
// and the thumb, all from the bar's own start.
struct TScrollAxis {
    int Length = 0;
    int Arrow = 0;
    int ThumbStart = 0;
    int ThumbEnd = 0;

    bool operator==(const TScrollAxis&) const = default;
};

// The part under position `v` along the axis.
int ScrollHitTest(const TScrollAxis& axis, int v);

// a * b / c rounded half away from zero, computed wide; -1 when c is 0 or the result does not
// fit, as the system's MulDiv answers.
int MulDivRound(int a, int b, int c);

// The scroll values of a stand-alone scroll-bar control.
struct TScrollValues {
    int Min = 0;
    int Max = 0;
    int Page = 0;
    int Position = 0;
};

// The thumb of a stand-alone scroll-bar control `length` long: with a page, as long as the
// page (at least 8 pixels); without one, an arrow-sized square. Positions run to Max - Page + 1.
TScrollAxis ScrollControlAxis(int length, int arrow, const TScrollValues& values);

// Where a thumb pressed at `startAtPress` is drawn after the mouse moved `moved` pixels along the
// axis: with the mouse, but never closer than one arrow size to either end.
int DraggedThumbStart(const TScrollAxis& axis, int startAtPress, int moved);

// A press at `v` along a bar drawn with the parts of `drawn`, handed to a control that lays its
// parts out as `system` (its arrows may be longer than those drawn, on a bar laid out for a
// lower density than the system's metrics): `v` where both put the same part there, else the
// middle of the system's piece of the part drawn at `v`, so the press does what it shows.
int PressOnSystemBar(const TScrollAxis& drawn, const TScrollAxis& system, int v);

// What the painting of a scroll bar depends on.
struct TScrollLook {
    bool Vertical = true;
    int Width = 0; // the bar's rectangle
    int Height = 0;
    int Arrow = 0;      // SM_CXHSCROLL at the bar's density
    int StripSize = 0;  // height of the skin's 23-frame arrow and grip strip, as drawn
    int ThumbStart = 0; // along the axis
    int ThumbEnd = 0;
    bool Enabled = true;
    int HitPart = kScrollPartNone;
    bool Pressed = false; // a press on the bar is in progress
};

// One cell of a skin strip (frames from 1) copied into a rectangle of the bar. A cell larger
// than its piece by a pixel or two is drawn at its size, centred on the piece and cut to it
// (`Clip`), rather than shrunk: shrinking drops a row of its glyph.
struct TScrollCell {
    TPixelRect Target;
    int Frame = 0;
    std::optional<TPixelRect> Clip;

    bool operator==(const TScrollCell&) const = default;
};

// The skinned scroll bar's pieces in painting order: the track between the arrows (frames of
// the track element), the two arrows and the grip (frames of the 23-frame strip), the thumb
// (frames of the thumb element). No thumb on a disabled bar or one that does not fit; no grip
// without a thumb or where it would not fit on it. The thumb is never thicker than the bar.
struct TScrollPaint {
    TScrollCell Track;
    TScrollCell FirstArrow;
    TScrollCell SecondArrow;
    std::optional<TScrollCell> Thumb;
    std::optional<TScrollCell> Grip;

    bool operator==(const TScrollPaint&) const = default;
};
TScrollPaint ScrollPaintLayout(const TScrollLook& look);

// The drop-down list's own thumb drag: the list's top position for a thumb moved `moved` pixels
// from where it was pressed. `offset` is the thumb's start within the track at the press,
// `track` the track between the arrows and `thumb` the thumb's length.
struct TListThumbDrag {
    int Offset = 0;
    int Track = 0;
    int Thumb = 0;
    int Min = 0;
    int Max = 0;
    int Page = 0;
};
int ListThumbPosition(const TListThumbDrag& drag, int moved);
