// Where a button's glyph and caption go: side by side along the layout's axis (glyph left,
// right, above or below the caption), each centred across it, with a margin from the edge and a
// spacing between them that are either given or spread over the room left. Glyph buttons and
// speed buttons lay themselves out with it, and so does whatever paints them in their place.
#pragma once

namespace ui {

struct TGlyphSize {
    int Width = 0;
    int Height = 0;
    bool operator==(const TGlyphSize&) const = default;
};

struct TGlyphRect {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;
    bool operator==(const TGlyphRect&) const = default;
};

enum class TButtonLayout { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };
enum class TTextAlign { Left, Right, Centre };

struct TGlyphLayoutInput {
    TGlyphSize Client; // the button
    TGlyphSize Glyph;  // 0 x 0 without a glyph
    TGlyphSize Text;   // the measured caption, 0 x 0 when empty
    TButtonLayout Layout = TButtonLayout::blGlyphLeft;
    int Margin = -1;      // -1: glyph and caption centred together
    int Spacing = 4;      // -1: spread over the room left
    bool Centred = false; // centred together whatever the margin says
};

struct TGlyphPlacement {
    TGlyphRect Glyph;
    TGlyphRect Text;
    TTextAlign Align = TTextAlign::Left;
    bool operator==(const TGlyphPlacement&) const = default;
};

// The box a caption is measured in: the button less 2 on every side, less the glyph and 2 more
// along the layout's axis.
TGlyphRect GlyphTextBox(TGlyphSize client, TGlyphSize glyph, TButtonLayout layout);

TGlyphPlacement PlaceGlyphAndText(const TGlyphLayoutInput& in);

} // namespace ui
