// Push button rules: frames, caption colour and the placing of caption and glyph.
#include "skin/controls/buttons/button_rules.h"

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

TPixelRect CentredText(int width, int height, int w, int h, int dpi) {
    const int x = (width - w) / 2, y = (height - h) / 2 - ScaleMeasure(1, dpi);
    return {x, y, x + w, y + h};
}

TGlyphSize MenuArrowSize(int dpi) {
    return {ScaleMeasure(8, dpi), ScaleMeasure(3, dpi)};
}

TGlyphPlacement PlaceMenuButton(TGlyphSize client, TGlyphSize text, int dpi) {
    const TGlyphSize arrow = MenuArrowSize(dpi);
    const int quarter = (client.Width - arrow.Width - text.Width) / 4;
    TGlyphLayoutInput in{client, arrow, text, TButtonLayout::blGlyphRight, quarter, quarter, false};
    TGlyphPlacement p = PlaceGlyphAndText(in);
    p.Align = TTextAlign::Centre;
    return p;
}

std::array<TArrowPoint, 3> MenuArrowTriangle(const TGlyphRect& glyph, int dpi) {
    const int x = glyph.Left + MenuArrowSize(dpi).Width / 2;
    const int y = glyph.Top + ScaleMeasure(1, dpi);
    const int half = ScaleMeasure(3, dpi), up = ScaleMeasure(1, dpi);
    return {{{x, y + ScaleMeasure(2, dpi)}, {x - half, y - up}, {x + half, y - up}}};
}
