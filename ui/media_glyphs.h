// The pictures on the media player's buttons: one per button in three looks (plain, coloured,
// disabled), drawn once and shared, on olive (kMediaGlyphKey), the colour left out when they are
// copied onto a button.
#pragma once
#include "ui/graphics.h"
#include "ui/media_buttons.h"
#include "ui/scale_measure.h"

namespace ui {

enum class TMPGlyphLook { Plain, Colored, Disabled };

// RGB(128, 128, 0): no glyph uses it.
inline constexpr COLORREF kMediaGlyphKey = RGB(128, 128, 0);

// Every glyph has this size at 96 dpi.
inline constexpr int kMediaGlyphWidth = 16;
inline constexpr int kMediaGlyphHeight = 12;

// The glyphs' size at `dpi`: the 96-dpi size as a measure.
int MediaGlyphWidth(int dpi);
int MediaGlyphHeight(int dpi);

// The glyph drawn for `dpi` (its shapes' corners scaled as measures) with its top-left corner at
// (x, y), the olive around it left out.
void DrawMediaGlyph(HDC dc, int x, int y, TMPBtnType button, TMPGlyphLook look,
                    int dpi = kBaseDpi);

// The look a button's glyph has: disabled wins, then coloured.
inline TMPGlyphLook MediaGlyphLook(bool enabled, bool colored) {
    if (!enabled) return TMPGlyphLook::Disabled;
    return colored ? TMPGlyphLook::Colored : TMPGlyphLook::Plain;
}

} // namespace ui
