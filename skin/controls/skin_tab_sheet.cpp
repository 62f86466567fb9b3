// Skinned tab sheets.
#include "skin_tab_sheet.h"

#include "skin_data.h"

#include "ui/win_control.h"

const ui::TClassInfo& TSkinTabSheet::StaticClass() {
    static const ui::TClassInfo info(L"TSkinTabSheet", &TSkinControl::StaticClass());
    return info;
}

bool TSkinTabSheet::BeforeMessage(ui::TMessage& msg) {
    if (variant == 0) {
        switch (msg.Msg) {
        case WM_PAINT:
        case WM_PRINT:
            PaintClient(msg);
            return false;
        case WM_ERASEBKGND:
            if (skin) {
                RECT r{};
                GetClientRect(handle, &r);
                FillRect(reinterpret_cast<HDC>(msg.WParam), &r, skin->FaceBrush());
                msg.Result = 1;
                return false;
            }
            break;
        default:
            break;
        }
    }
    return TSkinControl::BeforeMessage(msg);
}

void TSkinTabSheet::DrawSkin(HDC dc, const RECT& rect) {
    FillSkinColour(dc, rect);
    if (auto* sheet = dynamic_cast<ui::TWinControl*>(control)) sheet->PaintControls(dc);
}
