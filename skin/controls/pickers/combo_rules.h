// The rules of a skinned combo box: which frame its button shows, where the text, button and
// arrow glyph go in the framed and the flat drawing (the button at the left edge for a
// right-to-left layout), and when the mouse makes the button hot.
#pragma once

#include "skin/pictures/pixel_image.h"

// Frames of the combo button and box strips.
inline constexpr int kComboNormal = 1;
inline constexpr int kComboPressed = 2;
inline constexpr int kComboDisabled = 3;
inline constexpr int kComboHot = 4;

struct TComboState {
    bool Pressed = false;
    bool Focused = false;
    bool Hot = false;
    bool Enabled = true;
};

// A disabled box shows its disabled frame whatever state was left over from before.
int ComboButtonFrame(const TComboState& state);

// The mouse moved; `inside` says whether it is over the button. A disabled box never turns hot
// and keeps what it had.
bool ComboHotAfterMove(bool hot, bool inside, bool enabled);

// The framed drawing of a width x height box, `arrow` the system's scroll-bar arrow width and
// `edge` its 3-D edge (2 pixels at 96 dpi), both at the box's density: the text area the button
// must not paint over, the button (the strip's frame stretched into it) and the area the glyph
// is centred in. With `leftButton` the button sits at the left edge and takes the mirrored
// picture.
struct TComboLayout {
    TPixelRect TextArea;
    TPixelRect Button;
    TPixelRect GlyphArea;

    bool operator==(const TComboLayout&) const = default;
};
TComboLayout FramedComboLayout(int width, int height, int arrow, bool leftButton, int edge = 2);

// The flat drawing: the ring inside the border framed with the box's own brush, the column
// (`column` wide, the system's thumb size) filled with it at the button's edge, and the button,
// as wide as one glyph of the button strip and no taller than one.
struct TFlatComboLayout {
    TPixelRect Ring;
    TPixelRect Column;
    TPixelRect Button;

    bool operator==(const TFlatComboLayout&) const = default;
};
TFlatComboLayout FlatComboLayout(int width, int height, int column, int glyphWidth, int glyphHeight,
                                 bool leftButton);
