// Skinned list views: the scroll host, the header companion and the selection's colours.
#include "skin/controls/headers/skin_list_view.h"

#include "skin/controls/base/list_selection.h"
#include "skin/runtime/skin_messages.h"

#include "ui/color.h"
#include "ui/messages.h"

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

bool TSkinListView::BeforeMessage(ui::TMessage& msg) {
    if ((msg.Msg == WM_NOTIFY || msg.Msg == ui::CN_NOTIFY) && msg.LParam) {
        auto* header = reinterpret_cast<NMHDR*>(msg.LParam);
        if (header->hwndFrom == handle && header->code == static_cast<UINT>(NM_CUSTOMDRAW)) {
            if (const auto answer = SelectionDraw(*reinterpret_cast<NMLVCUSTOMDRAW*>(msg.LParam))) {
                msg.Result = *answer;
                return false;
            }
        }
    }
    return TSkinScrollbar::BeforeMessage(msg);
}

std::optional<LRESULT> TSkinListView::SelectionDraw(NMLVCUSTOMDRAW& draw) const {
    const std::optional<TSelectionColours> colours = SkinSelectionColours(skin);
    if (!colours) return std::nullopt;
    const DWORD stage = draw.nmcd.dwDrawStage;
    if (stage == CDDS_PREPAINT) return CDRF_NOTIFYITEMDRAW;
    if ((stage & ~static_cast<DWORD>(CDDS_SUBITEM)) != CDDS_ITEMPREPAINT) return std::nullopt;
    // The list view highlights a selected item only while it has the focus (else it shows it in
    // the face colour, which the skin does not change). The item's own state, not the one
    // handed here: what the item's notification changed comes back in its columns'.
    const bool selected = SendMessageW(handle, LVM_GETITEMSTATE, draw.nmcd.dwItemSpec,
                                       LVIS_SELECTED) != 0;
    if (!selected || GetFocus() != handle) return std::nullopt;
    draw.nmcd.uItemState &= ~static_cast<UINT>(CDIS_SELECTED);
    // The highlight covers the first column, or the whole row where rows are selected whole;
    // the colours given for an item hold for all its columns, so each column is asked for.
    const bool wholeRow = (SendMessageW(handle, LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0) &
                           LVS_EX_FULLROWSELECT) != 0;
    const bool highlighted = !(stage & CDDS_SUBITEM) || draw.iSubItem == 0 || wholeRow;
    if (highlighted) {
        draw.clrTextBk = ui::ColorRef(ColorFromPixel(colours->SkinBack));
        draw.clrText = ui::ColorRef(ColorFromPixel(colours->SkinText));
    } else {
        draw.clrTextBk = static_cast<COLORREF>(SendMessageW(handle, LVM_GETTEXTBKCOLOR, 0, 0));
        draw.clrText = static_cast<COLORREF>(SendMessageW(handle, LVM_GETTEXTCOLOR, 0, 0));
    }
    return (stage & CDDS_SUBITEM) ? CDRF_NEWFONT : CDRF_NEWFONT | CDRF_NOTIFYSUBITEMDRAW;
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
