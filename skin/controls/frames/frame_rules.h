// What the framed and container controls show: whether an edit's border is skinned, where a
// group box's frame and caption go, and the panels of a status bar (their rectangles, which
// frame of the skin's edge strip, the text and its alignment, the size grip). Plain values, no
// <windows.h>.
#pragma once

#include "skin/pictures/pixel_image.h"

#include "ui/scale_measure.h"

#include <string>

// ---- Edits.

// An edit whose client area spans its window's full width or height has no border to skin.
bool EditHasBorder(int windowWidth, int windowHeight, int clientWidth, int clientHeight);
// A printed edit gets its skinned border only when the client area is more than 2 pixels
// smaller than the window both ways (a border the print can hold).
bool EditPrintsBorder(int windowWidth, int windowHeight, int clientWidth, int clientHeight);

// ---- Group boxes.

struct TGroupBoxPlacement {
    // The rounded frame's rectangle (its top runs through the middle of the caption).
    TPixelRect Frame;
    // The room the caption is drawn in, left-aligned at 8 pixels, or right-aligned 8 pixels
    // from the right edge.
    TPixelRect Caption;
    bool CaptionRight = false;
};

// The frame and caption of a group box in `rect`, whose font makes "0" textHeight high; the
// frame's inset and the caption's indent are measures at `dpi`.
TGroupBoxPlacement PlaceGroupBox(const TPixelRect& rect, int textHeight, bool captionRight,
                                 int dpi = kBaseDpi);

// ---- Status bars.

// The bevel of a panel as the class library stores it (pbNone, pbLowered, pbRaised).
enum class TPanelBevel { None, Lowered, Raised };
// Text alignment as the class library stores it (taLeftJustify, taRightJustify, taCenter).
enum class TPanelAlignment { Left, Right, Center };

// The frame of the skin's status-bar edge strip for a bevel: lowered 1, raised 2, none 3.
int PanelEdgeFrame(TPanelBevel bevel);
// The panel's rectangle as drawn: the control's is widened by 2 to the right, over the gap to
// its neighbour, and the last panel reaches the bar's right edge.
TPixelRect PanelRect(const TPixelRect& part, bool last, int barRight);
// The room for the panel's text: the drawn rectangle shrunk by 2 at the left and right (a
// measure at `dpi`).
TPixelRect PanelTextRect(const TPixelRect& panel, int dpi = kBaseDpi);
// The rectangle an owner-drawn panel is given: the drawn rectangle shrunk by 2 all round.
TPixelRect PanelDrawRect(const TPixelRect& panel, int dpi = kBaseDpi);
// The text drawn in a panel: a panel without text shows one space.
std::wstring PanelText(const std::wstring& text);
// Left and right change places in a panel that reads right to left.
TPanelAlignment PanelTextAlignment(TPanelAlignment alignment, bool rightToLeft);
// The top of a text `textHeight` high centred in `panel`.
int PanelTextTop(const TPixelRect& panel, int textHeight);
// The bar shows one panel over its whole width: it is switched to its simple panel, or has none.
bool SimpleStatusBar(bool simplePanel, int panelCount);
// The size grip (gripWidth x gripHeight) in the bar's bottom-right corner, one pixel in from
// both edges.
TPixelRect SizeGripRect(const TPixelRect& bar, int gripWidth, int gripHeight, int dpi = kBaseDpi);
