// Glyph and caption of a button placed side by side.
#include "ui/glyph_layout.h"

namespace ui {

namespace {

bool Horizontal(TButtonLayout l) {
    return l == TButtonLayout::blGlyphLeft || l == TButtonLayout::blGlyphRight;
}

} // namespace

TGlyphRect GlyphTextBox(TGlyphSize client, TGlyphSize glyph, TButtonLayout layout) {
    TGlyphRect box{2, 2, client.Width - 2, client.Height - 2};
    if (Horizontal(layout))
        box.Right -= glyph.Width + 2;
    else
        box.Bottom -= glyph.Height + 2;
    return box;
}

TGlyphPlacement PlaceGlyphAndText(const TGlyphLayoutInput& in) {
    const bool across = Horizontal(in.Layout);
    // Along the layout's axis, then across it.
    const int client = across ? in.Client.Width : in.Client.Height;
    const int side = across ? in.Client.Height : in.Client.Width;
    const int glyph = across ? in.Glyph.Width : in.Glyph.Height;
    const int text = across ? in.Text.Width : in.Text.Height;
    const int glyphSide = across ? in.Glyph.Height : in.Glyph.Width;
    const int textSide = across ? in.Text.Height : in.Text.Width;

    int margin = in.Margin, spacing = in.Spacing;
    if (glyph == 0 || text == 0) spacing = 0;
    if (margin == -1 || in.Centred) {
        if (spacing == -1) {
            margin = spacing = (client - glyph - text) / 3;
        } else {
            margin = (client - glyph - spacing - text) / 2;
        }
    } else if (spacing == -1) {
        spacing = (client - margin - glyph - text) / 2;
    }

    const bool leading =
        in.Layout == TButtonLayout::blGlyphLeft || in.Layout == TButtonLayout::blGlyphTop;
    const int glyphAt = leading ? margin : client - margin - glyph;
    const int textAt = leading ? margin + glyph + spacing : glyphAt - spacing - text;
    const int glyphAcross = (side - glyphSide + 1) / 2;
    const int textAcross = (side - textSide + 1) / 2;

    TGlyphPlacement p;
    if (across) {
        p.Glyph = {glyphAt, glyphAcross, glyphAt + glyph, glyphAcross + glyphSide};
        p.Text = {textAt, textAcross, textAt + text, textAcross + textSide};
        p.Align = leading ? TTextAlign::Left : TTextAlign::Right;
    } else {
        p.Glyph = {glyphAcross, glyphAt, glyphAcross + glyphSide, glyphAt + glyph};
        p.Text = {textAcross, textAt, textAcross + textSide, textAt + text};
        p.Align = TTextAlign::Centre;
    }
    return p;
}

} // namespace ui
