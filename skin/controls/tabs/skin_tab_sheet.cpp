// Skinned tab sheets.
#include "skin/controls/tabs/skin_tab_sheet.h"

#include "skin/runtime/skin_data.h"

#include "ui/win_control.h"

const ui::TClassInfo& TSkinTabSheet::StaticClass() {
    static const ui::TClassInfo info(L"TSkinTabSheet", &TSkinControl::StaticClass());
    return info;
}

TSkinControl::TFacePaint TSkinTabSheet::FacePaint() const {
    return variant == 0 ? TFacePaint::kComposedAndPrinted : TFacePaint::kControl;
}

bool TSkinTabSheet::EraseUnderFace(HDC dc, const RECT& client) {
    if (!skin) return false;
    FillRect(dc, &client, skin->FaceBrush());
    return true;
}

void TSkinTabSheet::DrawSkin(HDC dc, const RECT& rect) {
    FillSkinColour(dc, rect);
    if (auto* sheet = dynamic_cast<ui::TWinControl*>(control)) sheet->PaintControls(dc);
}
