// The selected items of a list box the system draws (a class-library list box, a foreign
// dialog's, a combo box's list), shown in the skin's selection colours. A list box takes its
// highlight from the system's scheme and gives no way to change it, so its own painting is
// printed off screen, its selected items are recoloured there (RecolourSelectionPixel) and the
// whole is copied in one piece. A list also draws the items a click, a key or a selection
// message changes at once, through a DC of its own: for those messages its drawing is held back
// (WM_SETREDRAW) and the items that changed are painted again the same way.
#pragma once

#include "skin/controls/base/control_paint.h"
#include "skin/controls/base/selection_rules.h"

#include "ui/messages.h"

#include <windows.h>

#include <functional>
#include <optional>

class TSkinData;

// The skin's selection colours against the system's as they are now; none where the skin leaves
// both to the system (or gives the system's own).
std::optional<TSelectionColours> SkinSelectionColours(const TSkinData* skin);

// Recolours the selected-item pixels of `rect` on `surface` (clipped to it).
void RecolourSelection(TDib& surface, const RECT& rect, const TSelectionColours& colours);

// The smallest rectangle of `area` on `surface` that holds every pixel of `back` (a highlight
// drawn inside a field): empty when there is none.
RECT SelectionBox(const TDib& surface, const RECT& area, TPixel back);

// Runs `pass` (a window's own handling of a message) with the window's drawing held back
// (WM_SETREDRAW), and lets it draw again after, also when `pass` says its caller went away.
// Returns what `pass` returned.
bool WithDrawingHeld(HWND window, const std::function<bool()>& pass);

// What the companion of a list keeps for its selection.
class TListSelection {
public:
    // Takes `msg` of `list` where the selection needs it, with `skin`'s colours: the paint, the
    // erase before it (the paint covers everything), a print into another DC (Windows prints a
    // dropped list for its opening animation), and the messages after which the list draws at
    // once. `pass` is the list's own handling (false when the companion went meanwhile),
    // `after` the companion's own step after it. False where the companion handles `msg` as
    // usual: the message is none of those, the list is not a list box the system draws, or the
    // skin leaves the colours to the system.
    bool Handle(HWND list, const TSkinData* skin, ui::TMessage& msg,
                const std::function<bool()>& pass, const std::function<void()>& after);

private:
    // Whether `list` is a list box whose items the system draws (an owner-drawn list paints its
    // selection itself).
    bool SystemDrawn(HWND list);
    void Paint(HWND list, const TSelectionColours& colours);
    // The list's own printing with its selection in `colours`, on the surface (the client
    // area's size); null when there is none.
    HDC Compose(HWND list, const TSelectionColours& colours);
    // Runs `pass` with the list's drawing held back, then paints the items that changed.
    bool Hold(HWND list, const std::function<bool()>& pass);

    TOffscreen surface_;
    bool holding_ = false;
    bool composing_ = false; // the list's own print into the surface passes through
    std::optional<bool> listBox_; // found at the first message that needs it
};
