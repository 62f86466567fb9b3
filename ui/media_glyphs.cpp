// The media player's button pictures, drawn with GDI on first use.
#include "ui/media_glyphs.h"

#include "ui/win_handles.h"

#include <memory>
#include <vector>

namespace ui {

namespace {

COLORREF ColourOf(TMPBtnType b, TMPGlyphLook look) {
    if (look == TMPGlyphLook::Disabled) return RGB(128, 128, 128);
    if (look == TMPGlyphLook::Plain) return RGB(0, 0, 0);
    switch (b) {
    case TMPBtnType::btPlay:
        return RGB(0, 160, 0);
    case TMPBtnType::btPause:
        return RGB(224, 176, 0);
    case TMPBtnType::btStop:
    case TMPBtnType::btRecord:
        return RGB(208, 0, 0);
    case TMPBtnType::btEject:
        return RGB(0, 96, 160);
    default:
        return RGB(0, 0, 192);
    }
}

// The shapes, as polygons and rectangles on the 16 x 12 picture.
void DrawShape(HDC dc, TMPBtnType b) {
    auto triangle = [&](int x, int width, bool right) {
        POINT pts[3];
        if (right) {
            pts[0] = {x, 1};
            pts[1] = {x + width, 6};
            pts[2] = {x, 11};
        } else {
            pts[0] = {x + width, 1};
            pts[1] = {x, 6};
            pts[2] = {x + width, 11};
        }
        Polygon(dc, pts, 3);
    };
    auto bar = [&](int x, int width) { Rectangle(dc, x, 1, x + width, 12); };
    switch (b) {
    case TMPBtnType::btPlay:
        triangle(4, 6, true);
        break;
    case TMPBtnType::btPause:
        bar(4, 3);
        bar(9, 3);
        break;
    case TMPBtnType::btStop:
        Rectangle(dc, 3, 1, 13, 11);
        break;
    case TMPBtnType::btNext:
        triangle(2, 5, true);
        triangle(7, 5, true);
        bar(13, 2);
        break;
    case TMPBtnType::btPrev:
        bar(1, 2);
        triangle(4, 5, false);
        triangle(9, 5, false);
        break;
    case TMPBtnType::btStep:
        bar(3, 2);
        triangle(7, 5, true);
        break;
    case TMPBtnType::btBack:
        triangle(4, 5, false);
        bar(11, 2);
        break;
    case TMPBtnType::btRecord:
        Ellipse(dc, 3, 1, 13, 11);
        break;
    case TMPBtnType::btEject: {
        POINT pts[3] = {{2, 7}, {8, 1}, {14, 7}};
        Polygon(dc, pts, 3);
        Rectangle(dc, 2, 9, 15, 12);
        break;
    }
    }
}

std::unique_ptr<TBitmap> MakeGlyph(TMPBtnType b, TMPGlyphLook look) {
    auto glyph = std::make_unique<TBitmap>();
    glyph->SetSize(kMediaGlyphWidth, kMediaGlyphHeight);
    HDC dc = glyph->Canvas().Handle();
    const GdiHandle<HBRUSH> key(CreateSolidBrush(kMediaGlyphKey));
    const RECT all{0, 0, kMediaGlyphWidth, kMediaGlyphHeight};
    FillRect(dc, &all, key.get());
    const COLORREF colour = ColourOf(b, look);
    const GdiHandle<HBRUSH> brush(CreateSolidBrush(colour));
    const GdiHandle<HPEN> pen(CreatePen(PS_SOLID, 1, colour));
    const Selection brushSel(dc, brush.get());
    const Selection penSel(dc, pen.get());
    DrawShape(dc, b);
    return glyph;
}

} // namespace

void DrawMediaGlyph(HDC dc, int x, int y, TMPBtnType button, TMPGlyphLook look) {
    static std::vector<std::unique_ptr<TBitmap>> glyphs(kMPButtonCount * 3);
    const auto i = static_cast<std::size_t>(static_cast<int>(button) * 3 + static_cast<int>(look));
    if (!glyphs[i]) glyphs[i] = MakeGlyph(button, look);
    TransparentBlt(dc, x, y, kMediaGlyphWidth, kMediaGlyphHeight, glyphs[i]->Canvas().Handle(), 0,
                   0, kMediaGlyphWidth, kMediaGlyphHeight, kMediaGlyphKey);
}

} // namespace ui
