// The skinned status bar.
#include "skin/controls/frames/skin_status_bar.h"

#include "skin/gdi/skin_paint.h"
#include "skin/model/skin_geometry.h"
#include "skin/runtime/skin_data.h"

#include "ui/collection.h"
#include "ui/panel.h"
#include "ui/properties.h"
#include "ui/win_control.h"
#include "ui/win_handles.h"

#include <commctrl.h>

#include <optional>

namespace {

// The bitmap every status bar of the process is composed on.
TOffscreen& SharedSurface() {
    static TOffscreen surface;
    return surface;
}

TPanelBevel BevelOf(std::wstring_view id) {
    if (id == L"pbnone") return TPanelBevel::None;
    if (id == L"pbraised") return TPanelBevel::Raised;
    return TPanelBevel::Lowered;
}

TPanelAlignment AlignmentOf(std::wstring_view id) {
    if (id == L"tarightjustify") return TPanelAlignment::Right;
    if (id == L"tacenter") return TPanelAlignment::Center;
    return TPanelAlignment::Left;
}

UINT FormatOf(TPanelAlignment alignment) {
    switch (alignment) {
    case TPanelAlignment::Right:
        return DT_RIGHT;
    case TPanelAlignment::Center:
        return DT_CENTER;
    case TPanelAlignment::Left:
        break;
    }
    return DT_LEFT;
}

} // namespace

const ui::TClassInfo& TSkinStatusBar::StaticClass() {
    static const ui::TClassInfo info(L"TSkinStatusBar", &TSkinControl::StaticClass());
    return info;
}

std::vector<TSkinStatusBar::TPanelLook> TSkinStatusBar::Panels() const {
    std::vector<TPanelLook> panels;
    auto* items =
        dynamic_cast<ui::TCollection*>(ObjectProp(L"Panels", ui::TCollection::StaticClass()));
    if (!items) return panels;
    for (int i = 0; i < items->Count(); ++i) {
        ui::TPersistent* item = items->Item(i);
        panels.push_back({ui::GetStrProp(item, L"Text"),
                          BevelOf(ui::LowerCase(ui::GetEnumProp(item, L"Bevel"))),
                          AlignmentOf(ui::LowerCase(ui::GetEnumProp(item, L"Alignment"))),
                          ui::LowerCase(ui::GetEnumProp(item, L"Style")) == L"psownerdraw"});
    }
    return panels;
}

void TSkinStatusBar::DrawSkin(HDC dc, const RECT& rect) {
    const int width = rect.right - rect.left, height = rect.bottom - rect.top;
    if (width <= 0 || height <= 0) return;
    HDC off = SharedSurface().Prepare(width, height);
    const RECT bar{0, 0, width, height};
    FillSkinColour(off, bar);

    // The control's font in its regular style.
    ui::TFont regular;
    HFONT font = reinterpret_cast<HFONT>(SendMessageW(handle, WM_GETFONT, 0, 0));
    ui::TColor textColour = SkinColour(kButtonText);
    if (control) {
        regular.Assign(*control->Font());
        regular.SetStyle(0);
        font = regular.Handle();
        textColour = control->Font()->Color();
    }
    const TDataSkinObject* edges = skin ? skin->Elements().StatusBarEdges.get() : nullptr;
    if (edges) textColour = edges->NormalColour2;
    std::optional<ui::Selection> fontSelection;
    if (font) fontSelection.emplace(off, font);
    const ui::DcColours colours(off, ui::ColorRef(ui::ColorToRGB(textColour)),
                                ui::ColorRef(SkinColour(kButtonFace)));
    SetBkMode(off, TRANSPARENT);

    const bool rtl = RtlFormat() != 0;
    const std::vector<TPanelLook> panels = Panels();
    const bool simple = !control || SimpleStatusBar(EnumProp(L"SimplePanel") == L"true",
                                                    static_cast<int>(panels.size()));
    // The panels the window has rectangles for, as drawn.
    std::vector<std::pair<int, TPixelRect>> drawn;
    if (simple) {
        const std::wstring text = control ? StrProp(L"SimpleText") : WindowText();
        DrawPanelEdge(off, bar, PanelEdgeFrame(TPanelBevel::Lowered));
        DrawPanelText(off, {0, 0, width, height}, PanelText(text),
                      PanelTextAlignment(TPanelAlignment::Left, rtl));
    } else {
        for (int i = 0; i < static_cast<int>(panels.size()); ++i) {
            RECT part{};
            if (!SendMessageW(handle, SB_GETRECT, static_cast<WPARAM>(i),
                              reinterpret_cast<LPARAM>(&part)))
                continue;
            const bool last = i + 1 == static_cast<int>(panels.size());
            const TPixelRect r = PanelRect(ToPixelRect(part), last, width);
            const TPanelLook& panel = panels[static_cast<std::size_t>(i)];
            DrawPanelEdge(off, ToRect(r), PanelEdgeFrame(panel.bevel));
            if (!panel.ownerDraw)
                DrawPanelText(off, r, PanelText(panel.text),
                              PanelTextAlignment(panel.alignment, rtl));
            drawn.emplace_back(i, r);
        }
    }
    DrawSizeGrip(off, bar);
    SharedSurface().CopyTo(dc, rect);

    if (auto* windowed = dynamic_cast<ui::TWinControl*>(control)) windowed->PaintControls(dc);
    for (const auto& [index, r] : drawn)
        if (panels[static_cast<std::size_t>(index)].ownerDraw) OwnerDrawPanel(dc, index, r);
}

void TSkinStatusBar::DrawPanelEdge(HDC dc, const RECT& r, int frame) {
    if (const TDataSkinObject* edges = skin ? skin->Elements().StatusBarEdges.get() : nullptr) {
        DrawElement(dc, r, skin->Bitmaps(), *edges, frame, {.Transparent = false, .Dpi = Dpi()});
        return;
    }
    RECT inside = r;
    const ui::TBevelCut cut =
        frame == PanelEdgeFrame(TPanelBevel::Lowered)  ? ui::TBevelCut::bvLowered
        : frame == PanelEdgeFrame(TPanelBevel::Raised) ? ui::TBevelCut::bvRaised
                                                       : ui::TBevelCut::bvNone;
    ui::DrawBevel(dc, inside, cut, ScaleMeasure(1, Dpi()));
}

void TSkinStatusBar::DrawPanelText(HDC dc, const TPixelRect& panel, const std::wstring& text,
                                   TPanelAlignment alignment) const {
    const UINT format = DT_EXPANDTABS | FormatOf(alignment);
    RECT room = ToRect(PanelTextRect(panel, Dpi()));
    RECT measured = room;
    DrawSkinText(dc, text, measured, format | DT_CALCRECT | DT_NOCLIP);
    const int textHeight = measured.bottom - measured.top;
    room.top = PanelTextTop(panel, textHeight);
    room.bottom = room.top + textHeight;
    DrawSkinText(dc, text, room, format);
}

void TSkinStatusBar::DrawSizeGrip(HDC dc, const RECT& bar) {
    const TDataSkinObject* extra = skin ? skin->Elements().ExtraImages.get() : nullptr;
    if (!(Style() & SBARS_SIZEGRIP) || !extra) return;
    constexpr int kGripFrame = 5;
    const int dpi = Dpi();
    const TStripBitmap& strip =
        StripAtDpi(skin->Bitmaps(), extra->Image, extra->Image2x, extra->Frame, dpi);
    const TPixelRect grip =
        SizeGripRect(ToPixelRect(bar), strip.Width() / extra->Frame, strip.Height(), dpi);
    DrawCell(dc, ToRect(grip), strip, true, extra->Frame, kGripFrame);
}

void TSkinStatusBar::OwnerDrawPanel(HDC dc, int index, const TPixelRect& panel) {
    if (!control) return;
    DRAWITEMSTRUCT item{};
    item.CtlType = ODT_STATIC;
    item.CtlID = static_cast<UINT>(GetDlgCtrlID(handle));
    item.itemID = static_cast<UINT>(index);
    item.itemAction = ODA_DRAWENTIRE;
    item.hwndItem = handle;
    item.hDC = dc;
    item.rcItem = ToRect(PanelDrawRect(panel, Dpi()));
    control->Perform(ui::CN_DRAWITEM, item.CtlID, reinterpret_cast<std::intptr_t>(&item));
}
