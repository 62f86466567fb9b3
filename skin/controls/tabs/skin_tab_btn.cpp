// Skinned button-style tabs.
#include "skin/controls/tabs/skin_tab_btn.h"

#include "skin/controls/tabs/tab_paint.h"

#include "skin/gdi/skin_paint.h"
#include "skin/model/skin_geometry.h"
#include "skin/runtime/skin_data.h"

#include "ui/color.h"
#include "ui/win_handles.h"

const ui::TClassInfo& TSkinTabBtn::StaticClass() {
    static const ui::TClassInfo info(L"TSkinTabBtn", &TSkinControl::StaticClass());
    return info;
}

TSkinControl::TFacePaint TSkinTabBtn::FacePaint() const {
    return skin && !skin->Elements().Buttons.Image.Pixels.empty() ? TFacePaint::kComposed
                                                                  : TFacePaint::kControl;
}

bool TSkinTabBtn::EraseUnderFace(HDC dc, const RECT& client) {
    // Around the pages, the skin colour the buttons stand on rather than the control's own.
    FillSkinColour(dc, client);
    return true;
}

void TSkinTabBtn::DrawSkin(HDC dc, const RECT& rect) {
    if (!skin || !handle) return;
    const TDataSkinButton& buttons = skin->Elements().Buttons;
    if (buttons.Image.Pixels.empty()) return;
    RECT adjusted = rect;
    SendMessageW(handle, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&adjusted));
    const TPixelRect band = ButtonTabBand(ToPixelRect(rect), ToPixelRect(adjusted));
    const int width = band.Right - band.Left, height = band.Bottom - band.Top;
    if (width <= 0 || height <= 0) return;
    HDC surface = band_.Prepare(width, height);
    FillSkinColour(surface, {0, 0, width, height});
    const auto font = reinterpret_cast<HFONT>(SendMessageW(handle, WM_GETFONT, 0, 0));
    const ui::Selection selectFont(surface, font ? font : GetStockObject(DEFAULT_GUI_FONT));
    const int count = static_cast<int>(SendMessageW(handle, TCM_GETITEMCOUNT, 0, 0));
    const int focus = static_cast<int>(SendMessageW(handle, TCM_GETCURFOCUS, 0, 0));
    const auto images = reinterpret_cast<HIMAGELIST>(SendMessageW(handle, TCM_GETIMAGELIST, 0, 0));
    for (int i = 0; i < count; ++i) {
        RECT item{};
        if (!SendMessageW(handle, TCM_GETITEMRECT, static_cast<WPARAM>(i),
                          reinterpret_cast<LPARAM>(&item)))
            continue;
        const TPixelRect on = TabOnBand(ToPixelRect(item), band, TTabSide::Top);
        const TTabLook look = ButtonTabLook(
            i == focus,
            buttons.HasNormalColour2 ? std::optional<TColor>(buttons.NormalColour2) : std::nullopt,
            buttons.HasPressedColour2 ? std::optional<TColor>(buttons.PressedColour2)
                                      : std::nullopt);
        DrawElement(surface, ToRect(on), skin->Bitmaps(), buttons, look.Frame, {.Dpi = Dpi()});
        SetTextColor(surface, ui::ColorRef(ui::ColorToRGB(look.Text)));
        DrawTabFace(surface, ToRect(on), ReadTabItem(handle, i, unicodeWindow), images,
                    RtlFormat(), Dpi());
    }
    band_.CopyTo(dc, ToRect(band));
}
