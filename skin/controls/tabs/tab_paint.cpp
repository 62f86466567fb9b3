// Painting pieces of the tab skinners.
#include "skin/controls/tabs/tab_paint.h"

#include "skin/model/skin_geometry.h"
#include "skin/pictures/dpi_scale.h"
#include "skin/pictures/image_ops.h"
#include "skin/runtime/skin_draw_text.h"

#include "ui/glyph_layout.h"
#include "ui/text_codec.h"
#include "ui/win_handles.h"

namespace {

// The longest tab text read, as the tab control's own painting would show it.
constexpr int kTabTextMax = 80;

} // namespace

namespace {

// TCM_GETITEMW or TCM_GETITEMA with the item record and characters of its kind.
template <class Item, class Char>
bool ReadItem(HWND tab, UINT message, int index, Char (&buffer)[kTabTextMax + 1], Item& item) {
    item.mask = TCIF_TEXT | TCIF_IMAGE | TCIF_STATE;
    item.pszText = buffer;
    item.cchTextMax = kTabTextMax;
    item.iImage = -1;
    if (!SendMessageW(tab, message, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item)))
        return false;
    // The control may point at a text of its own instead of filling the buffer.
    if (!item.pszText) item.pszText = buffer;
    return true;
}

template <class Char> std::size_t Length(const Char* text) {
    std::size_t n = 0;
    while (n < kTabTextMax && text[n])
        ++n;
    return n;
}

} // namespace

TTabItem ReadTabItem(HWND tab, int index, bool unicode) {
    TTabItem item;
    if (unicode) {
        wchar_t buffer[kTabTextMax + 1]{};
        TCITEMW ti{};
        if (!ReadItem(tab, TCM_GETITEMW, index, buffer, ti)) return item;
        item.Text.assign(ti.pszText, Length(ti.pszText));
        item.Image = ti.iImage;
    } else {
        char buffer[kTabTextMax + 1]{};
        TCITEMA ti{};
        if (!ReadItem(tab, TCM_GETITEMA, index, buffer, ti)) return item;
        item.Text = ui::AnsiToWide(std::string_view(ti.pszText, Length(ti.pszText)));
        item.Image = ti.iImage;
    }
    return item;
}

void DrawTabFace(HDC dc, const RECT& rect, const TTabItem& item, HIMAGELIST images, UINT format,
                 int dpi) {
    const int width = rect.right - rect.left, height = rect.bottom - rect.top;
    ui::TGlyphSize glyph;
    const bool hasImage = images && item.Image >= 0 && item.Image < ImageList_GetImageCount(images);
    if (hasImage) ImageList_GetIconSize(images, &glyph.Width, &glyph.Height);
    ui::TGlyphSize text;
    if (!item.Text.empty()) {
        const ui::TGlyphRect box =
            ui::GlyphTextBox({width, height}, glyph, ui::TButtonLayout::blGlyphLeft);
        RECT measured = ToRect(box);
        SkinDrawText(dc, item.Text, measured, DT_CALCRECT | DT_SINGLELINE | format);
        text = {measured.right - measured.left, measured.bottom - measured.top};
    }
    const ui::TGlyphPlacement place = ui::PlaceGlyphAndText(
        {{width, height}, glyph, text, ui::TButtonLayout::blGlyphLeft, -1, ScaleMeasure(4, dpi),
         true});
    if (hasImage)
        ImageList_Draw(images, item.Image, dc, rect.left + place.Glyph.Left,
                       rect.top + place.Glyph.Top, ILD_TRANSPARENT);
    RECT at{rect.left + place.Text.Left, rect.top + place.Text.Top, rect.left + place.Text.Right,
            rect.top + place.Text.Bottom};
    const ui::BkModeScope mode(dc, TRANSPARENT);
    SkinDrawText(dc, item.Text, at, DT_CENTER | DT_SINGLELINE | format);
}

void DrawCloseBox(HDC dc, const TPixelRect& box, COLORREF colour) {
    const ui::GdiHandle<HPEN> pen(CreatePen(PS_SOLID, 1, colour));
    const ui::Selection selectPen(dc, pen.get());
    const ui::Selection selectBrush(dc, GetStockObject(NULL_BRUSH));
    Rectangle(dc, box.Left, box.Top, box.Right, box.Bottom);
    MoveToEx(dc, box.Left, box.Top, nullptr);
    LineTo(dc, box.Right, box.Bottom);
    MoveToEx(dc, box.Right - 1, box.Top, nullptr);
    LineTo(dc, box.Left - 1, box.Bottom);
}

TPixelImage PrepareTabPicture(const TPixelImage& picture, TTabSide side, bool turnForSides) {
    switch (side) {
    case TTabSide::Bottom:
        return FlipVertical(picture);
    case TTabSide::Left:
        return turnForSides ? RotateLeft(picture) : picture;
    case TTabSide::Right:
        return turnForSides ? RotateRight(picture) : picture;
    case TTabSide::Top:
        break;
    }
    return picture;
}

const TStripBitmap& TabBitmap(TSkinBitmaps& bitmaps, const TPixelImage& picture,
                              const TLargePicture& large, const TPictureCut& cut, int dpi,
                              TTabSide side, bool turnForSides) {
    static const TStripBitmap none;
    if (picture.Pixels.empty()) return none;
    const int variant = static_cast<int>(side) * 2 + (turnForSides ? 1 : 0);
    return bitmaps.Derived(picture, large, cut, dpi, variant,
                           [side, turnForSides](const TPixelImage& p) {
                               return PrepareTabPicture(p, side, turnForSides);
                           });
}

TMargins MarginsAtDpi(const TPixelImage& picture, const TPictureCut& cut, int dpi) {
    const TPixelRect cell = StripCell(picture, cut.Frames, 1, cut.Stacked);
    return ScaleMargins(cut.Margins, cell.Right - cell.Left, cell.Bottom - cell.Top, dpi);
}
