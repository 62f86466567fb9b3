// The media player's button pictures, drawn with GDI on first use.
#include "ui/media_glyphs.h"

#include "ui/win_handles.h"

#include <map>
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

// A measure of the 16 x 12 picture at the glyph's density.
struct TGlyphScale {
    int Dpi;
    int operator()(int v) const { return ScaleMeasure(v, Dpi); }
    POINT operator()(POINT p) const { return {(*this)(p.x), (*this)(p.y)}; }
};

// The shapes, as polygons and rectangles on the 16 x 12 picture, drawn at the scale's density.
void DrawShape(HDC dc, TMPBtnType b, TGlyphScale s) {
    auto polygon = [&](POINT a, POINT c, POINT d) {
        POINT pts[3] = {s(a), s(c), s(d)};
        Polygon(dc, pts, 3);
    };
    auto rectangle = [&](int l, int t, int r, int bottom) {
        Rectangle(dc, s(l), s(t), s(r), s(bottom));
    };
    auto triangle = [&](int x, int width, bool right) {
        if (right)
            polygon({x, 1}, {x + width, 6}, {x, 11});
        else
            polygon({x + width, 1}, {x, 6}, {x + width, 11});
    };
    auto bar = [&](int x, int width) { rectangle(x, 1, x + width, 12); };
    switch (b) {
    case TMPBtnType::btPlay:
        triangle(4, 6, true);
        break;
    case TMPBtnType::btPause:
        bar(4, 3);
        bar(9, 3);
        break;
    case TMPBtnType::btStop:
        rectangle(3, 1, 13, 11);
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
        Ellipse(dc, s(3), s(1), s(13), s(11));
        break;
    case TMPBtnType::btEject:
        polygon({2, 7}, {8, 1}, {14, 7});
        rectangle(2, 9, 15, 12);
        break;
    }
}

std::unique_ptr<TBitmap> MakeGlyph(TMPBtnType b, TMPGlyphLook look, int dpi) {
    const int width = MediaGlyphWidth(dpi), height = MediaGlyphHeight(dpi);
    auto glyph = std::make_unique<TBitmap>();
    glyph->SetSize(width, height);
    HDC dc = glyph->Canvas().Handle();
    const GdiHandle<HBRUSH> key(CreateSolidBrush(kMediaGlyphKey));
    const RECT all{0, 0, width, height};
    FillRect(dc, &all, key.get());
    const COLORREF colour = ColourOf(b, look);
    const GdiHandle<HBRUSH> brush(CreateSolidBrush(colour));
    const GdiHandle<HPEN> pen(CreatePen(PS_SOLID, 1, colour));
    const Selection brushSel(dc, brush.get());
    const Selection penSel(dc, pen.get());
    DrawShape(dc, b, {dpi});
    return glyph;
}

} // namespace

int MediaGlyphWidth(int dpi) {
    return ScaleMeasure(kMediaGlyphWidth, dpi);
}

int MediaGlyphHeight(int dpi) {
    return ScaleMeasure(kMediaGlyphHeight, dpi);
}

void DrawMediaGlyph(HDC dc, int x, int y, TMPBtnType button, TMPGlyphLook look, int dpi) {
    if (dpi <= 0) dpi = kBaseDpi;
    // One set of glyphs per density drawn at; a program sees a few at most.
    static std::map<int, std::vector<std::unique_ptr<TBitmap>>> sets;
    auto& glyphs = sets[dpi];
    if (glyphs.empty()) glyphs.resize(kMPButtonCount * 3);
    const auto i = static_cast<std::size_t>(static_cast<int>(button) * 3 + static_cast<int>(look));
    if (!glyphs[i]) glyphs[i] = MakeGlyph(button, look, dpi);
    const int width = MediaGlyphWidth(dpi), height = MediaGlyphHeight(dpi);
    TransparentBlt(dc, x, y, width, height, glyphs[i]->Canvas().Handle(), 0, 0, width, height,
                   kMediaGlyphKey);
}

} // namespace ui
