// Skinned tab sets.
#include "skin/controls/tabs/skin_tab31.h"

#include "skin/controls/tabs/tab_paint.h"

#include "skin/gdi/skin_paint.h"
#include "skin/runtime/skin_data.h"

#include "ui/color.h"
#include "ui/tab_set.h"
#include "ui/win_handles.h"

const ui::TClassInfo& TSkinTab31::StaticClass() {
    static const ui::TClassInfo info(L"TSkinTab31", &TSkinControl::StaticClass());
    return info;
}

void TSkinTab31::AttachControl(TSkinControlHost* host, TSkinData* skinData, bool takeColour,
                               ui::TCanvas* sharedCanvas) {
    if (attached) return;
    auto* set = dynamic_cast<ui::TWinControl*>(Owner());
    if (!set) return;
    ownsColor = takeColour;
    // What a detach gives back.
    savedColor = set->Color();
    AttachWindow(set->Handle(), skinData, host, sharedCanvas);
    control = set;
}

const TStripBitmap& TSkinTab31::Strip() const {
    static const TStripBitmap none;
    const TDataSkinBorder* tabs = skin ? skin->Elements().Tabs.get() : nullptr;
    return tabs ? TabBitmap(skin->Bitmaps(), tabs->Image, tabs->Image2x,
                            {tabs->Frame, false, MarginsOf(*tabs)}, Dpi(), TTabSide::Bottom, false)
                : none;
}

bool TSkinTab31::BeforeMessage(ui::TMessage& msg) {
    switch (msg.Msg) {
    case WM_PAINT:
        // Painted here, then the tab set's own paint runs into a window already valid.
        if (!Strip().Empty()) PaintClient(msg);
        return true;
    case WM_ERASEBKGND:
        if (Strip().Empty()) break;
        msg.Result = 1;
        return false;
    default:
        break;
    }
    return TSkinControl::BeforeMessage(msg);
}

void TSkinTab31::AfterMessage(ui::TMessage& msg) {
    // The paint is done before the tab set's own.
    if (msg.Msg == WM_PAINT) return;
    TSkinControl::AfterMessage(msg);
}

void TSkinTab31::DrawSkin(HDC dc, const RECT& rect) {
    auto* set = dynamic_cast<ui::TTabSet*>(control);
    const TDataSkinBorder* tabs = skin ? skin->Elements().Tabs.get() : nullptr;
    const TStripBitmap& strip = Strip();
    if (!set || !tabs || strip.Empty()) return;
    const int width = rect.right - rect.left, height = rect.bottom - rect.top;
    if (width <= 0 || height <= 0) return;
    HDC face = face_.Prepare(width, height);
    FillParentColour(face, {0, 0, width, height});
    const ui::Selection font(face, set->Font()->Handle());
    const int dpi = Dpi();
    const TMargins margins =
        FlippedMargins(MarginsAtDpi(tabs->Image, {tabs->Frame, false, MarginsOf(*tabs)}, dpi));
    for (int i = 0; i < set->Tabs()->Count(); ++i) {
        const RECT r = set->TabRect(i);
        const TTabLook look =
            TabLook(i == set->TabIndex(), tabs->NormalColour2, tabs->MouseOverColour2);
        DrawElement(face, r, skin->Bitmaps(), *tabs, look.Frame,
                    {.Strip = &strip, .Margins = margins});
        SetTextColor(face, ui::ColorRef(ui::ColorToRGB(look.Text)));
        DrawTabFace(face, r, {set->Tabs()->Get(i), -1}, nullptr, RtlFormat(), dpi);
    }
    face_.CopyTo(dc, rect);
}
