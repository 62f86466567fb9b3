// The menu glyphs at a display density.
#include "skin/forms/menu_glyphs.h"

#include "skin/pictures/picture_scale.h"
#include "skin/runtime/skin_platform.h"

namespace {

// Each glyph's side at kBaseDpi, and the colour around it.
constexpr int kGlyph = 16;
constexpr TColor kGlyphBack = 0xFFFFFF;

} // namespace

std::unique_ptr<ui::TImageList> MenuGlyphsAtDpi(int dpi) {
    const TPixelImage glyphs = BitmapResourcePixels(L"MORVALEMENU");
    const int count = glyphs.Width / kGlyph;
    if (count == 0 || glyphs.Height < kGlyph) return nullptr;
    const TPixelImage scaled =
        ScalePicture(glyphs, {count, false, {}}, dpi, kBaseDpi, {kGlyphBack, 0, 0, 0});
    ui::TBitmap bitmap;
    bitmap.SetSize(scaled.Width, scaled.Height);
    for (int y = 0; y < scaled.Height; ++y) {
        std::uint8_t* row = bitmap.ScanLine(y);
        for (int x = 0; x < scaled.Width; ++x) {
            const TPixel p = scaled.At(x, y);
            row[3 * x] = static_cast<std::uint8_t>(p);
            row[3 * x + 1] = static_cast<std::uint8_t>(p >> 8);
            row[3 * x + 2] = static_cast<std::uint8_t>(p >> 16);
        }
    }
    const int side = ScaleMeasure(kGlyph, dpi);
    auto list = std::make_unique<ui::TImageList>(side, side);
    list->AddMasked(bitmap, kGlyphBack);
    return list;
}
