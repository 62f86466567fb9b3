// The skinned scroll bar's look: the track, the arrows, the thumb and its grip cut from the
// skin's scroll-bar pictures, composed off screen and copied in one piece, so nothing flickers
// while the mouse moves over it. The overlays over a control's scroll bars and the drop-down list
// of a combo box paint with it.
#pragma once

#include "skin/controls/base/control_paint.h"
#include "skin/controls/scroll/scroll_rules.h"

#include "skin/runtime/skin_data.h"

#include <windows.h>

// Paints a bar of look.Width x look.Height with its top-left corner at `at` in `dc`, from the
// skin's pictures at the display density `dpi` (FittingPictureDpi over the strip and the bar's thickness); look.StripSize is set here,
// from the strip at that density. False when the skin has no arrow strip or the surface cannot
// be made: nothing is painted then.
bool PaintSkinScrollBar(HDC dc, POINT at, const TSkinData& skin, TOffscreen& surface,
                        TScrollLook look, int dpi);

// The density a bar `across` pixels thick on a window at `dpi` draws its pictures at.
int ScrollBarPictureDpi(const TSkinData& skin, int dpi, int across);

// The skin's arrow and grip strip is what a skinned scroll bar needs above all.
inline bool SkinHasScrollBars(const TSkinData& skin) {
    return skin.Elements().Scrollbar != nullptr;
}
