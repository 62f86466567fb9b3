// Where the skinned tabs go: the side the tabs sit on, the display rectangle and the band of
// tabs beside it, a tab's place on the band's surface (which is drawn as if the tabs were on top
// and turned afterwards for tabs on the left or right), the close box of a tab, and the frame
// and text colour a tab is drawn with. Plain values, no <windows.h>.
#pragma once

#include "skin/pictures/colors.h"
#include "skin/pictures/pixel_image.h"
#include "skin/pictures/strip_layout.h"

#include "ui/scale_measure.h"

#include <cstdint>
#include <optional>
#include <vector>

// The side of the control the tabs sit on; the numbers are the ones the skinner stores.
enum class TTabSide : std::uint8_t { Top = 0, Bottom = 1, Left = 2, Right = 3 };

// The side the tab control's style puts the tabs on (TCS_BOTTOM / TCS_RIGHT and TCS_VERTICAL).
TTabSide TabSideFromStyle(std::uint32_t style);

// The rectangle the pane is drawn over: the control's display area (what TCM_ADJUSTRECT gives
// for the whole control) grown by 4 on every side, then moved one pixel toward the tabs.
TPixelRect TabDisplayRect(TPixelRect adjusted, TTabSide side);

// The part of the control `whole` on the tab side of the display rectangle.
TPixelRect TabBand(TPixelRect whole, TPixelRect display, TTabSide side);

// The size of the surface the band is drawn on: its length along the tabs, then its depth
// (width and height swapped for tabs on the left and right).
struct TBandSurface {
    int Width = 0;
    int Height = 0;
    bool operator==(const TBandSurface&) const = default;
};
TBandSurface BandSurface(TPixelRect band, TTabSide side);

// A tab's rectangle (control coordinates) on the band's surface: moved one pixel down for tabs on
// top, and for tabs on the left or right where it lies before the surface is turned into place
// (a quarter turn counter-clockwise for the left, clockwise for the right).
TPixelRect TabOnBand(TPixelRect tab, TPixelRect band, TTabSide side);

// How the band's surface is turned into place.
enum class TBandTurn : std::uint8_t { None, Left, Right };
TBandTurn BandTurn(TTabSide side);

// The close box of a tab on the band's surface: 6 by 6 pixels, 2 in from the tab's top right,
// each a measure at the density `dpi`.
TPixelRect CloseBoxRect(TPixelRect tabOnBand, int dpi = kBaseDpi);

// Where the scroll arrows of a tab control that cannot show all its tabs go, given where the
// control put them (`system`, sized from the system's metrics) and the row of tabs `row` (a tab's
// rectangle): never taller than the row, each arrow as wide as it is tall (at most half of
// `system`'s width), at the same right edge, on the row's edge the control anchored them to (its
// bottom for top tabs, its top for bottom tabs). A control laid out for a lower density than the
// system's metrics (smaller tabs) would otherwise show arrows that stick out of the row and cover
// the next tab; where they fit, the control's own place.
TPixelRect TabScrollArrowsRect(TPixelRect system, TPixelRect row, bool bottomTabs);

// The tab whose close box (control coordinates) holds the point; none outside every box.
std::optional<int> CloseBoxHit(const std::vector<TPixelRect>& boxes, int x, int y);

// The frame of the Tabs strip and the text colour of one tab: frame 2 and the strip's active
// colour for the focused tab, frame 1 and its normal colour for the others.
struct TTabLook {
    int Frame = 1;
    TColor Text = 0;
    bool operator==(const TTabLook&) const = default;
};
TTabLook TabLook(bool focused, TColor normal, TColor active);

// Button-style tabs: their look from the Buttons element, frame 2 for the focused tab; the text
// takes the element's normal (frame 1) or pressed (frame 2) colour where the skin gives one,
// black otherwise.
TTabLook ButtonTabLook(bool focused, std::optional<TColor> normal, std::optional<TColor> pressed);

// The band of button-style tabs: from the top of the control to one pixel below the top of the
// display area grown by 4.
TPixelRect ButtonTabBand(TPixelRect whole, TPixelRect adjusted);

// The margins of a strip turned upside down: its top and bottom margins change places.
TMargins FlippedMargins(TMargins m);

// The margins the pane is fitted with: the Tab.Pane element's when the Tabs element's Style is
// 1, otherwise the fixed 4, 5, 4, 4.
TMargins PaneMargins(int tabsStyle, TMargins tabPane);
