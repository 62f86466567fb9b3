// What a skinned push button shows: which frame of the skin's five-frame `Buttons` strip for the
// button's state, which colour its caption takes, and where the caption and a menu button's
// arrow go (glyphs go where the class library's glyph layout puts them). Plain values
// in, plain values out, so every rule is checked on the host.
#pragma once

#include "skin/model/skin_elements.h"
#include "skin/pictures/pixel_image.h"

#include "ui/glyph_layout.h"
#include "ui/scale_measure.h"

#include <array>
#include <string>
#include <string_view>

// The frames of the `Buttons` strip (the loader fixes its count at 5).
inline constexpr int kButtonFrames = 5;
inline constexpr int kButtonNormal = 1;
inline constexpr int kButtonPressed = 2;
inline constexpr int kButtonDisabled = 3;
inline constexpr int kButtonHot = 4;
inline constexpr int kButtonFocused = 5;

struct TButtonState {
    bool Pressed = false;
    bool Hot = false;
    bool Focused = false;
    bool Default = false;
    bool Enabled = true;
};

// Pressed before hot before focused or default; a disabled button shows the disabled frame
// whatever else holds.
int ButtonFrame(const TButtonState& state);

// Speed buttons have no focus: pressed, hot or normal; disabled, and a button held down shows
// pressed even when disabled.
int SpeedButtonFrame(bool pressed, bool hot, bool enabled, bool down);

// The glyph of a glyph strip (from 1) that goes with a frame: the third when pressed, the second
// when disabled, else the first; a speed button held down shows the fourth.
int GlyphIndex(int frame, bool down);

// A caption's first "||" starts a second line; any later one is shown as it is.
std::wstring CaptionLines(std::wstring_view caption);

// The caption's colour: the control's font colour unless the skin's `Buttons` section gives one
// for the frame shown; grey text on a disabled button. A menu button takes the normal colour
// only on its normal frame.
TColor ButtonTextColour(const TDataSkinButton& buttons, TColor font, int frame, bool enabled,
                        bool menuButton);

// A measured w x h text block in a width x height button: centred across, one pixel (a measure
// at `dpi`) above the middle down.
TPixelRect CentredText(int width, int height, int w, int h, int dpi = kBaseDpi);

using ui::GlyphTextBox;
using ui::PlaceGlyphAndText;
using ui::TButtonLayout;
using ui::TGlyphLayoutInput;
using ui::TGlyphPlacement;
using ui::TGlyphRect;
using ui::TGlyphSize;
using ui::TTextAlign;

// A menu button's drop-down arrow: 8 x 3 pixels right of the caption, measures at `dpi`.
TGlyphSize MenuArrowSize(int dpi = kBaseDpi);
// Caption and arrow of a menu button, a quarter of the free room as margin and as spacing.
TGlyphPlacement PlaceMenuButton(TGlyphSize client, TGlyphSize text, int dpi = kBaseDpi);
// The arrow's filled triangle pointing down in the arrow's place `glyph`: its tip in the
// middle, two pixels below the glyph's second row, its base three either side of it a row above.
struct TArrowPoint {
    int X = 0;
    int Y = 0;
    bool operator==(const TArrowPoint&) const = default;
};
std::array<TArrowPoint, 3> MenuArrowTriangle(const TGlyphRect& glyph, int dpi = kBaseDpi);
