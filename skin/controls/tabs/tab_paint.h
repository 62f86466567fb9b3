// What the tab skinners share when they paint: a tab's text and image read from a tab control
// window, the image and text of a tab centred on it, and a strip prepared for the side the tabs
// sit on.
#pragma once

#include "skin/controls/tabs/tab_rules.h"

#include "skin/gdi/skin_bitmaps.h"
#include "skin/pictures/pixel_image.h"

#include <windows.h>

#include <commctrl.h>

#include <string>

struct TTabItem {
    std::wstring Text;
    int Image = -1; // in the control's image list; -1 for none
};

// Tab `index` of a tab control window, asked with the wide or the ANSI message as the window is.
TTabItem ReadTabItem(HWND tab, int index, bool unicode);

// The image (from `images`, when it has one) and the text of a tab centred together in `rect`,
// laid out as a glyph button lays out its glyph and caption; the text in the DC's font and text
// colour, on a transparent background, with `format` added (right-to-left reading); the space
// between them a measure at the density `dpi`.
void DrawTabFace(HDC dc, const RECT& rect, const TTabItem& item, HIMAGELIST images, UINT format,
                 int dpi);

// The close box of a tab: its outline and both diagonals in `colour`.
void DrawCloseBox(HDC dc, const TPixelRect& box, COLORREF colour);

// `picture` as the tabs on `side` need it: upside down for bottom tabs, a quarter turn (left:
// counter-clockwise, right: clockwise) where `turnForSides` (the pane, not the tab strip).
TPixelImage PrepareTabPicture(const TPixelImage& picture, TTabSide side, bool turnForSides);
// The same as a bitmap of the picture at the density `dpi` (from its larger copy `large` where
// the skin gives one; `cut` as the picture is cut before it is turned), made once a load and
// density among the skin's bitmaps and shared by every tab control it dresses; an empty picture
// gives an empty bitmap.
const TStripBitmap& TabBitmap(TSkinBitmaps& bitmaps, const TPixelImage& picture,
                              const TLargePicture& large, const TPictureCut& cut, int dpi,
                              TTabSide side, bool turnForSides);
// The margins `cut` gives the picture, at `dpi` (ScaleMargins over its first cell).
TMargins MarginsAtDpi(const TPixelImage& picture, const TPictureCut& cut, int dpi);
