// The skinned group box: frame and caption.
#include "skin/controls/frames/skin_group_box.h"

#include "skin/controls/base/control_paint.h"
#include "skin/controls/frames/frame_rules.h"
#include "skin/runtime/skin_data.h"

#include "ui/win_control.h"
#include "ui/win_handles.h"

#include <optional>

namespace {

// Corner size of the rounded frame.
constexpr int kCorner = 5;

// The group's child windows paint themselves: the group paints around them.
void ExcludeChildWindows(HDC dc, HWND parent) {
    for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (!IsWindowVisible(child)) continue;
        RECT r{};
        GetWindowRect(child, &r);
        MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
        ExcludeClipRect(dc, r.left, r.top, r.right, r.bottom);
    }
}

} // namespace

const ui::TClassInfo& TSkinGroupBox::StaticClass() {
    static const ui::TClassInfo info(L"TSkinGroupBox", &TSkinControl::StaticClass());
    return info;
}

void TSkinGroupBox::AttachControl(TSkinControlHost* host, TSkinData* skinData, bool takeColour,
                                  ui::TCanvas* sharedCanvas) {
    if (attached) return;
    TSkinControl::AttachControl(host, skinData, takeColour, sharedCanvas);
    if (control) variant = 1;
}

TSkinControl::TFacePaint TSkinGroupBox::FacePaint() const {
    return variant == 1 ? TFacePaint::kComposed : TFacePaint::kControl;
}

bool TSkinGroupBox::EraseUnderFace(HDC, const RECT&) {
    // The group's own erase: its face leaves its child windows out.
    return false;
}

void TSkinGroupBox::DrawSkin(HDC dc, const RECT& rect) {
    caption = WindowText();
    if (caption.empty() && control) caption = StrProp(L"Caption");
    const ui::SavedDC saved(dc);
    if (handle) ExcludeChildWindows(dc, handle);
    if (control) FillSkinColour(dc, rect);

    HFONT font = reinterpret_cast<HFONT>(SendMessageW(handle, WM_GETFONT, 0, 0));
    ui::TColor textColour = SkinColour(kButtonText);
    if (control) {
        font = control->Font()->Handle();
        textColour = control->Font()->Color();
    }
    std::optional<ui::Selection> fontSelection;
    if (font) fontSelection.emplace(dc, font);
    SIZE zero{};
    GetTextExtentPoint32W(dc, L"0", 1, &zero);
    const bool right = (GetWindowLongW(handle, GWL_EXSTYLE) & WS_EX_RIGHT) != 0;
    const int dpi = Dpi();
    const TGroupBoxPlacement place = PlaceGroupBox(ToPixelRect(rect), zero.cy, right, dpi);

    if (!control && skin) {
        // The system's etched frame goes under the skin colour first.
        RECT old{rect.left, place.Frame.Top, rect.right, rect.bottom};
        FrameRect(dc, &old, skin->FaceBrush());
        InflateRect(&old, -1, -1);
        FrameRect(dc, &old, skin->FaceBrush());
    }
    {
        // A line wider than a pixel keeps inside the frame's rectangle.
        const int line = ScaleMeasure(1, dpi);
        const ui::GdiHandle<HPEN> pen(CreatePen(line > 1 ? PS_INSIDEFRAME : PS_SOLID, line,
                                                ui::ColorRef(SkinColour(kButtonShadow))));
        const ui::Selection penSelection(dc, pen.get());
        const ui::Selection brushSelection(dc, GetStockObject(NULL_BRUSH));
        RoundRect(dc, place.Frame.Left, place.Frame.Top, place.Frame.Right, place.Frame.Bottom,
                  ScaleMeasure(kCorner, dpi), ScaleMeasure(kCorner, dpi));
    }
    {
        // An opaque caption hides the frame's line behind it.
        const ui::DcColours colours(dc, ui::ColorRef(textColour),
                                    ui::ColorRef(SkinColour(kButtonFace)));
        SetBkMode(dc, OPAQUE);
        RECT text = ToRect(place.Caption);
        DrawSkinText(dc, caption, text, DT_EXPANDTABS | (place.CaptionRight ? DT_RIGHT : 0));
    }
    if (control && variant == 1)
        if (auto* windowed = dynamic_cast<ui::TWinControl*>(control)) windowed->PaintControls(dc);
}
