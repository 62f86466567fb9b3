// The selection in the skin's colours: how a selected item the system painted in its scheme's
// highlight colours takes the skin's, pixel by pixel (its text is smoothed, so most pixels are
// blends of the two), and which items of a list must be painted again after a message changed
// its selection, caret or focus.
#pragma once

#include "skin/pictures/pixel_image.h"

#include <optional>
#include <vector>

// The colours a selected item was painted in and the ones it is to show.
struct TSelectionColours {
    TPixel SystemBack = 0;
    TPixel SystemText = 0;
    TPixel SkinBack = 0;
    TPixel SkinText = 0;

    bool operator==(const TSelectionColours&) const = default;
};

// A pixel of a selected item in the skin's colours: one that lies a share of the way from the
// system's back colour to its text colour lies the same share from the skin's back to its text.
// The share is read channel by channel (text smoothed per colour channel blends each channel on
// its own); a channel in which the system's two colours lie too close to tell a share takes the
// share the whole pixel shows. Pixels beyond either end count as that end.
TPixel RecolourSelectionPixel(TPixel pixel, const TSelectionColours& colours);

// What a list shows of its items: the first visible one, how many there are, the caret item,
// whether the list has the focus, and the selection of each visible item from the first.
struct TListShown {
    int Top = 0;
    int Count = 0;
    int Caret = -1;
    bool Focused = false;
    std::vector<bool> Selected;

    bool operator==(const TListShown&) const = default;
};

// The items to paint again after `before` became `after`: those whose selection changed, and the
// old and new caret item where the caret or the focus moved. None (the whole list) when the list
// scrolled or its items changed.
std::optional<std::vector<int>> ItemsToRepaint(const TListShown& before, const TListShown& after);
