// Tab pictures for page controls that draw their tabs themselves.
#include "skin/controls/tabs/skin_adv_page.h"

#include "skin/controls/base/control_paint.h"

#include "skin/gdi/skin_paint.h"
#include "skin/runtime/skin_data.h"

const ui::TClassInfo& TSkinAdvPage::StaticClass() {
    static const ui::TClassInfo info(L"TSkinAdvPage", &TSkinControl::StaticClass());
    return info;
}

void TSkinAdvPage::AttachControl(TSkinControlHost* host, TSkinData* skinData, bool takeColour,
                                 ui::TCanvas* sharedCanvas) {
    if (attached) return;
    TSkinControl::AttachControl(host, skinData, takeColour, sharedCanvas);
    AssignPictures(false);
}

void TSkinAdvPage::SkinChanged() {
    TSkinControl::SkinChanged();
    AssignPictures(false);
}

void TSkinAdvPage::Detach() {
    if (!skinActive) return;
    AssignPictures(true);
    TSkinControl::Detach();
    if (upDown_) upDown_->Detach();
}

void TSkinAdvPage::DrawSkin(HDC, const RECT&) {
    if (upDown_ || !handle) return;
    if (const HWND arrows = FindUpDownChild(handle, false))
        upDown_ = AttachOwnedUpDown(this, arrows, skin, canvas, false);
}

void TSkinAdvPage::AssignPictures(bool empty) {
    if (!control) return;
    const TDataSkinBorder* tabs = skin ? skin->Elements().Tabs.get() : nullptr;
    const bool draw = !empty && tabs && !tabs->Image.Pixels.empty();
    const TStripBitmap strip = draw ? TStripBitmap(tabs->Image) : TStripBitmap();
    const std::pair<const wchar_t*, int> pictures[] = {{L"TabBackGround", 1},
                                                       {L"TabBackGroundActive", 2}};
    for (const auto& [name, frame] : pictures) {
        auto* picture = dynamic_cast<ui::TBitmap*>(ObjectProp(name, ui::TBitmap::StaticClass()));
        if (!picture) continue;
        if (!draw) {
            picture->SetSize(0, 0);
            continue;
        }
        const TDib rendered = RenderNineGrid(kPictureWidth, kPictureHeight, strip, MarginsOf(*tabs),
                                             false, tabs->Tile == 1, 5, frame);
        picture->SetSize(kPictureWidth, kPictureHeight);
        BitBlt(picture->Canvas().Handle(), 0, 0, kPictureWidth, kPictureHeight, rendered.Dc(), 0, 0,
               SRCCOPY);
    }
    control->Invalidate();
}
