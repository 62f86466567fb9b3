// The header control over the system SysHeader32 class.
#include "ui/header_control.h"

#include "ui/layout_scale.h"
#include "ui/prop_builders.h"

#include <commctrl.h>

namespace ui {

namespace {

int FormatOf(TAlignment alignment) {
    switch (alignment) {
    case TAlignment::taRightJustify:
        return HDF_STRING | HDF_RIGHT;
    case TAlignment::taCenter:
        return HDF_STRING | HDF_CENTER;
    default:
        return HDF_STRING | HDF_LEFT;
    }
}

} // namespace

const TClassInfo& THeaderSection::StaticClass() {
    using C = THeaderSection;
    static const TClassInfo info(
        L"THeaderSection", &TCollectionItem::StaticClass(),
        {
            props::String(L"Text", &C::Text, &C::SetText),
            props::Integer(L"Width", &C::Width, &C::SetWidth),
            props::Enum(L"Alignment", {L"taLeftJustify", L"taRightJustify", L"taCenter"},
                        &C::Alignment, &C::SetAlignment),
        });
    return info;
}

void THeaderSection::SetText(const std::wstring& v) {
    text_ = v;
    Changed();
}

void THeaderSection::SetWidth(int v) {
    width_ = v < 0 ? 0 : v;
    Changed();
}

void THeaderSection::SetAlignment(TAlignment v) {
    alignment_ = v;
    Changed();
}

THeaderControl::THeaderControl(TComponent* owner)
    : TWinControl(owner), sections_(std::make_unique<THeaderSections>([this] {
          if (!taking_width_) ShowSections();
      })) {
    width_ = 200;
    height_ = 17;
}

const TClassInfo& THeaderControl::StaticClass() {
    using C = THeaderControl;
    static const TClassInfo info(L"THeaderControl", &TWinControl::StaticClass(),
                                 {
                                     props::Object(L"Sections", &C::Sections),
                                     props::Event(L"OnSectionClick", &C::OnSectionClick),
                                 });
    return info;
}

void THeaderControl::CreateParams(TCreateParams& p) {
    TWinControl::CreateParams(p);
    p.system_class = WC_HEADERW;
    p.style |= HDS_BUTTONS | HDS_HORZ | HDS_FULLDRAG;
}

void THeaderControl::InitializeWnd() {
    ShowSections();
}

void THeaderControl::ShowSections() {
    if (!handle_) return;
    while (SendMessageW(handle_, HDM_GETITEMCOUNT, 0, 0) > 0)
        SendMessageW(handle_, HDM_DELETEITEM, 0, 0);
    for (int i = 0; i < sections_->Count(); ++i) {
        const THeaderSection& s = (*sections_)[i];
        std::wstring text = s.Text();
        HDITEMW item{};
        item.mask = HDI_TEXT | HDI_WIDTH | HDI_FORMAT;
        item.pszText = text.data();
        item.cxy = s.Width();
        item.fmt = FormatOf(s.Alignment());
        SendMessageW(handle_, HDM_INSERTITEMW, static_cast<WPARAM>(i),
                     reinterpret_cast<LPARAM>(&item));
    }
}

void THeaderControl::WndProc(TMessage& msg) {
    if (msg.Msg == CN_NOTIFY) {
        // Only these notifications carry an NMHEADER; the others may be a bare NMHDR.
        const auto code = reinterpret_cast<const NMHDR*>(msg.LParam)->code;
        const auto* n = reinterpret_cast<const NMHEADERW*>(msg.LParam);
        switch (code) {
        case HDN_ITEMCLICKW:
        case HDN_ITEMCLICKA:
            if (n->iItem >= 0 && n->iItem < sections_->Count() && OnSectionClick && Firing())
                OnSectionClick(this, &(*sections_)[n->iItem]);
            return;
        case HDN_ITEMCHANGEDW:
        case HDN_ITEMCHANGEDA:
            if (n->iItem >= 0 && n->iItem < sections_->Count() && n->pitem &&
                (n->pitem->mask & HDI_WIDTH)) {
                taking_width_ = true;
                (*sections_)[n->iItem].SetWidth(n->pitem->cxy);
                taking_width_ = false;
            }
            return;
        default:
            break;
        }
    }
    TWinControl::WndProc(msg);
}

void THeaderControl::ScaleContents(int dpi, int fromDpi) {
    TWinControl::ScaleContents(dpi, fromDpi);
    ScaleItemWidths(*sections_, dpi, fromDpi);
}

} // namespace ui
