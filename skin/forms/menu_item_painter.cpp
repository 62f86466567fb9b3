// The menu item painter. The item is composed off-screen at its size and copied in one blit:
// the popup window's background under it, the item picture, the glyph and the texts.
#include "skin/forms/menu_item_painter.h"

#include "skin/forms/menu_rules.h"

#include "skin/gdi/dib.h"
#include "skin/forms/kept_surface.h"
#include "skin/gdi/skin_bitmaps.h"
#include "skin/runtime/skin_data.h"
#include "skin/runtime/skin_draw_text.h"
#include "skin/model/skin_geometry.h"
#include "skin/runtime/skin_manager.h"
#include "skin/gdi/skin_paint.h"

#include "ui/menus.h"
#include "ui/win_handles.h"

namespace {

// The system's check-mark bitmap (OBM_CHECK, an OEM resource).
constexpr WORD kCheckMark = 32760;

// Where items are composed, one after another.
TDib& ItemSurface(int width, int height) {
    static thread_local TDib surface;
    return KeptSurface(surface, width, height);
}

void Fill(HDC dc, const RECT& r, TColor color) {
    const ui::GdiHandle<HBRUSH> brush(CreateSolidBrush(ui::ColorRef(color)));
    FillRect(dc, &r, brush.get());
}

// The part of the popup window's background under the item, or false when the window has
// none.
bool CopyPopupBackground(HDC dc, int width, int height, const RECT& item, HMENU menu) {
    const TSkinManage* manager = SkinManage();
    const TPopupSkinnerLink* popup = manager ? manager->PopupMenuOf(menu) : nullptr;
    const HDC background = popup ? popup->Background() : nullptr;
    if (!background) return false;
    const POINT offset = popup->ClientOffset();
    return BitBlt(dc, 0, 0, width, height, background, item.left + offset.x, item.top + offset.y,
                  SRCCOPY) != FALSE;
}

// The submenu arrow, a small triangle at the item's far end pointing the way the submenu opens.
void DrawSubmenuArrow(HDC dc, const RECT& r, bool rightToLeft, TColor color, int dpi) {
    const int halfHeight = ScaleMeasure(3, dpi), inset = ScaleMeasure(6, dpi);
    const int middle = (r.top + r.bottom) / 2;
    const int tip = rightToLeft ? r.left + inset : r.right - 1 - inset;
    for (int i = 0; i <= halfHeight; ++i) {
        const int x = rightToLeft ? tip + i : tip - i;
        Fill(dc, {x, middle - i, x + 1, middle + i + 1}, color);
    }
}

// Puts the composed item on `dc`.
void Present(HDC dc, const RECT& rect, HDC composed, const TMenuItemLook& item) {
    BitBlt(dc, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, composed, 0, 0,
           SRCCOPY);
    if (item.hasSubmenu) ExcludeClipRect(dc, rect.left, rect.top, rect.right, rect.bottom);
}

// The system's check mark, loaded once for every item that shows it.
HBITMAP CheckMarkBitmap() {
    static const ui::GdiHandle<HBITMAP> check(static_cast<HBITMAP>(
        LoadImageW(nullptr, MAKEINTRESOURCEW(kCheckMark), IMAGE_BITMAP, 0, 0, LR_DEFAULTSIZE)));
    return check.get();
}

// The item's picture from the image list, centred in the glyph box: on a sunken highlight when
// the item is checked, blended with the shadow colour when it is disabled.
void DrawImage(const ui::TImageList& images, const TMenuItemLook& item, HDC dc, const RECT& box) {
    if (item.checked) {
        Fill(dc, box, clBtnHighlight);
        RECT edge = box;
        DrawEdge(dc, &edge, BDR_SUNKENOUTER, BF_RECT);
    }
    const int x = box.left + (box.right - box.left - images.Width()) / 2;
    const int y = box.top + (box.bottom - box.top - images.Height()) / 2;
    if (item.enabled) {
        images.Draw(dc, x, y, item.imageIndex);
    } else {
        ImageList_DrawEx(images.Handle(), item.imageIndex, dc, x, y, 0, 0, CLR_NONE,
                         ui::ColorRef(clBtnShadow), ILD_TRANSPARENT | ILD_BLEND50);
    }
}

// The system's check mark centred in the glyph box: its black pixels take the text colour, its
// white ones leave the item. At another density than kBaseDpi the system draws the mark at the
// scaled size of its bitmap, so it stays as sharp as the text.
void DrawCheckMark(HDC dc, const RECT& box, int dpi) {
    const HBITMAP check = CheckMarkBitmap();
    BITMAP bm{};
    if (!check || !GetObjectW(check, sizeof(bm), &bm)) return;
    const ui::OwnedDC source = ui::OwnedDC(CreateCompatibleDC(nullptr));
    int w = bm.bmWidth, h = bm.bmHeight;
    ui::GdiHandle<HBITMAP> scaled;
    if (dpi != kBaseDpi) {
        w = ScaleMeasure(w, dpi);
        h = ScaleMeasure(h, dpi);
        scaled = ui::GdiHandle<HBITMAP>(CreateBitmap(w, h, 1, 1, nullptr));
        if (!scaled) return;
    }
    const ui::Selection selected(source.get(), scaled ? scaled.get() : check);
    if (scaled) {
        RECT mark{0, 0, w, h};
        DrawFrameControl(source.get(), &mark, DFC_MENU, DFCS_MENUCHECK);
    }
    const ui::DcColours colours(dc, ui::ColorRef(clBtnText), RGB(255, 255, 255));
    BitBlt(dc, box.left + (box.right - box.left - w) / 2, box.top + (box.bottom - box.top - h) / 2,
           w, h, source.get(), 0, 0, SRCAND);
}

// The caption centred on the text area's height in the menu font (bold for the default item),
// and the shortcut at the far end, both in `colour`.
void DrawTexts(const TMenuItemLook& item, HDC dc, const RECT& area, TColor colour,
               const TMenuDensity& density) {
    std::wstring caption = item.caption;
    if (caption.empty() || caption == L"&") caption += L' ';
    const HFONT menuFont = density.font;
    const ui::GdiHandle<HFONT> bold = [&] {
        if (!item.isDefault) return ui::GdiHandle<HFONT>();
        LOGFONTW lf{};
        GetObjectW(menuFont, sizeof(lf), &lf);
        lf.lfWeight = FW_BOLD;
        return ui::GdiHandle<HFONT>(CreateFontIndirectW(&lf));
    }();
    const ui::Selection font(dc, bold ? bold.get() : menuFont);
    // Room between the caption and the shortcut's far end.
    const int shortCutEnd = ScaleMeasure(10, density.dpi);
    const ui::BkModeScope mode(dc, TRANSPARENT);
    const COLORREF oldColour = SetTextColor(dc, ui::ColorRef(colour));
    RECT measured = area;
    const UINT single = DT_EXPANDTABS | DT_SINGLELINE;
    SkinDrawText(dc, caption, measured, DT_CALCRECT | DT_NOCLIP | single);
    const int textHeight = measured.bottom - measured.top;
    RECT text = area;
    text.top = area.top + (area.bottom - area.top - textHeight) / 2;
    text.bottom = text.top + textHeight;
    const int textWidth = measured.right - measured.left;
    if (item.rightToLeft) {
        SkinDrawText(dc, caption, text, single | DT_RIGHT | DT_RTLREADING);
        RECT shortCut{area.left + shortCutEnd, text.top, area.right - textWidth, text.bottom};
        if (!item.shortCut.empty())
            SkinDrawText(dc, item.shortCut, shortCut, single | DT_RTLREADING);
    } else {
        SkinDrawText(dc, caption, text, single);
        RECT shortCut{area.left + textWidth, text.top, area.right - shortCutEnd, text.bottom};
        if (!item.shortCut.empty()) SkinDrawText(dc, item.shortCut, shortCut, single | DT_RIGHT);
    }
    SetTextColor(dc, oldColour);
}

// Glyph (the image list's picture or the check mark), caption, shortcut and submenu arrow.
void DrawGlyphAndText(TSkinData& skin, const ui::TImageList* images, const TMenuItemLook& item,
                      HDC dc, const RECT& r, const TMenuDensity& density) {
    const TSkinElements& e = skin.Elements();
    const int leftWidth = e.MenuItem ? e.MenuItem->LeftWidth : 0;
    const bool hasImage = images && item.imageIndex >= 0 && item.imageIndex < images->Count();
    const TMenuItemLayout layout =
        LayOutMenuItem(ToPixelRect(r), leftWidth, images ? images->Width() : 0, item.checked,
                       item.rightToLeft, density.dpi);
    if (hasImage)
        DrawImage(*images, item, dc, ToRect(layout.glyph));
    else if (item.checked)
        DrawCheckMark(dc, ToRect(layout.glyph), density.dpi);
    const TColor colour = MenuItemTextColor(e.Colors, item.selected, item.enabled);
    DrawTexts(item, dc, ToRect(layout.text), colour, density);
    if (item.hasSubmenu) DrawSubmenuArrow(dc, r, item.rightToLeft, colour, density.dpi);
}

} // namespace

void PaintMenuItem(TSkinData& skin, TSkinBitmaps& bitmaps, const ui::TImageList* images,
                   const TMenuItemLook& item, HDC dc, const RECT& rect, HMENU menu,
                   const TMenuDensity& density) {
    const int w = rect.right - rect.left;
    const int h = rect.bottom - rect.top;
    if (w <= 0 || h <= 0) return;
    const TSkinElements& e = skin.Elements();
    const HDC wdc = ItemSurface(w, h).Dc();
    const RECT all{0, 0, w, h};
    const bool separator = item.caption == L"-";
    if (!e.MenuItem) {
        Fill(wdc, all, item.selected ? e.Colors[kHilight] : e.Colors[kMenu]);
        if (separator) {
            RECT line{0, ScaleMeasure(4, density.dpi), w, h};
            DrawEdge(wdc, &line, EDGE_ETCHED, BF_TOP);
        } else {
            DrawGlyphAndText(skin, images, item, wdc, all, density);
        }
        Present(dc, rect, wdc, item);
        return;
    }
    if (TSkinManage* manager = SkinManage()) {
        manager->MarkPopupMenus();
        manager->BindPopupMenu(menu);
    }
    if (!CopyPopupBackground(wdc, w, h, rect, menu)) Fill(wdc, all, e.Colors[kMenu]);
    const TDataSkinObject& strip = *e.MenuItem;
    if (!separator) {
        DrawElement(wdc, all, bitmaps, strip, MenuItemCell(item.selected),
                    {.Frames = kMenuItemCells, .Dpi = density.dpi});
        DrawGlyphAndText(skin, images, item, wdc, all, density);
    } else {
        // The separator cell at its height there: on the item's bottom when taller, else centred.
        const int cellHeight = ScaleMeasure(strip.Image.Height, density.dpi);
        const int top = cellHeight > h ? h - cellHeight : (h - cellHeight) / 2;
        DrawElement(wdc, {0, top, w, top + cellHeight}, bitmaps, strip, kMenuItemSeparatorCell,
                    {.Margins = TMargins{strip.LeftWidth, 0, strip.RightWidth, 0},
                     .Frames = kMenuItemCells,
                     .Tile = false,
                     .Transparent = true,
                     .Dpi = density.dpi});
    }
    Present(dc, rect, wdc, item);
}
