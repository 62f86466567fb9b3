// Push button rules: frames, caption colour and the placing of caption and glyph.
#include "button_rules.h"

int ButtonFrame(const TButtonState& s) {
    if (!s.Enabled) return kButtonDisabled;
    if (s.Pressed) return kButtonPressed;
    if (s.Hot) return kButtonHot;
    if (s.Focused || s.Default) return kButtonFocused;
    return kButtonNormal;
}

int SpeedButtonFrame(bool pressed, bool hot, bool enabled, bool down) {
    if (down) return kButtonPressed;
    if (!enabled) return kButtonDisabled;
    if (pressed) return kButtonPressed;
    return hot ? kButtonHot : kButtonNormal;
}

int GlyphIndex(int frame, bool down) {
    if (down) return 4;
    if (frame == kButtonPressed) return 3;
    return frame == kButtonDisabled ? 2 : 1;
}

std::wstring CaptionLines(std::wstring_view caption) {
    std::wstring text(caption);
    const std::size_t at = text.find(L"||");
    if (at != std::wstring::npos) text.replace(at, 2, L"\r\n");
    return text;
}

TColor ButtonTextColour(const TDataSkinButton& b, TColor font, int frame, bool enabled,
                        bool menuButton) {
    TColor c = font;
    if (b.HasNormalColour2 && (!menuButton || frame == kButtonNormal)) c = b.NormalColour2;
    if (b.HasMouseOverColour2 && frame == kButtonHot) c = b.MouseOverColour2;
    if (b.HasPressedColour2 && frame == kButtonPressed) c = b.PressedColour2;
    if (!enabled) c = ui::clBtnShadow;
    return c;
}

TPixelRect CentredText(int width, int height, int w, int h) {
    const int x = (width - w) / 2, y = (height - h) / 2 - 1;
    return {x, y, x + w, y + h};
}

namespace {

bool Horizontal(TButtonLayout l) {
    return l == TButtonLayout::blGlyphLeft || l == TButtonLayout::blGlyphRight;
}

} // namespace

TPixelRect GlyphTextBox(TSize2 client, TSize2 glyph, TButtonLayout layout) {
    TPixelRect box{2, 2, client.Width - 2, client.Height - 2};
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

TGlyphPlacement PlaceMenuButton(TSize2 client, TSize2 text) {
    const int quarter = (client.Width - kMenuArrow.Width - text.Width) / 4;
    TGlyphLayoutInput in{client,  kMenuArrow, text, TButtonLayout::blGlyphRight,
                         quarter, quarter,    false};
    TGlyphPlacement p = PlaceGlyphAndText(in);
    p.Align = TTextAlign::Centre;
    return p;
}
