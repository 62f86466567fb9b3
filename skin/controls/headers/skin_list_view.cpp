// Skinned list views: the scroll host and the header companion.
#include "skin/controls/headers/skin_list_view.h"

#include "skin/runtime/skin_messages.h"

#include <commctrl.h>

const ui::TClassInfo& TSkinListView::StaticClass() {
    static const ui::TClassInfo info(L"TSkinListView", &TSkinScrollbar::StaticClass());
    return info;
}

void TSkinListView::AttachScrollHost(ui::TControl* host, TSkinData* skinData,
                                     TSkinControlHost* skinForm, ui::TCanvas* shared) {
    if (attached) return;
    TSkinScrollbar::AttachScrollHost(host, skinData, skinForm, shared);
    if (!attached) return;
    sharedCanvas_ = shared;
    AttachHeader();
}

void TSkinListView::AttachHeader() {
    if (header_ || !handle || !skin) return;
    const auto window = reinterpret_cast<HWND>(SendMessageW(handle, LVM_GETHEADER, 0, 0));
    if (!window) return;
    header_ = new TSkinHeader(this);
    header_->AttachWindow(window, skin, nullptr, sharedCanvas_);
}

void TSkinListView::DrawSkin(HDC dc, const RECT& rect) {
    TSkinScrollbar::DrawSkin(dc, rect);
    AttachHeader();
}

void TSkinListView::SkinActivityChanged() {
    TSkinScrollbar::SkinActivityChanged();
    if (header_ && header_->Handle())
        SendMessageW(header_->Handle(), SM_SKINACTIVE, SkinActive() ? 1 : 0, 0);
}

void TSkinListView::Detach() {
    TSkinScrollbar::Detach();
    // Detached, not freed: whoever stops skinning may be walking the skin controls. It goes
    // with this object, which owns it.
    if (header_) header_->Detach();
}
