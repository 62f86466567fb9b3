// The list view over the system SysListView32 class. The control keeps its columns and items
// and shows them again in the window after each change; the window holds nothing of its own.
#include "ui/list_view.h"

#include "ui/layout_scale.h"
#include "ui/prop_builders.h"

#include <commctrl.h>

namespace ui {

// ---- columns

const TClassInfo& TListColumn::StaticClass() {
    using C = TListColumn;
    static const TClassInfo info(L"TListColumn", &TCollectionItem::StaticClass(),
                                 {
                                     props::String(L"Caption", &C::Caption, &C::SetCaption),
                                     props::Integer(L"Width", &C::Width, &C::SetWidth),
                                 });
    return info;
}

void TListColumn::SetCaption(const std::wstring& v) {
    caption_ = v;
    Changed();
}

void TListColumn::SetWidth(int v) {
    width_ = v < 0 ? 0 : v;
    Changed();
}

// ---- items

void TListSubItems::Put(int index, const std::wstring& s) {
    TStringList::Put(index, s);
    changed_();
}

void TListSubItems::Insert(int index, const std::wstring& s) {
    TStringList::Insert(index, s);
    changed_();
}

void TListSubItems::Delete(int index) {
    TStringList::Delete(index);
    changed_();
}

void TListSubItems::Clear() {
    TStringList::Clear();
    changed_();
}

TListItem::TListItem() : sub_items_(std::make_unique<TListSubItems>([this] { Changed(); })) {}

const TClassInfo& TListItem::StaticClass() {
    using C = TListItem;
    static const TClassInfo info(L"TListItem", &TCollectionItem::StaticClass(),
                                 {
                                     props::String(L"Caption", &C::Caption, &C::SetCaption),
                                     props::Object(L"SubItems", &C::SubItems),
                                 });
    return info;
}

void TListItem::SetCaption(const std::wstring& v) {
    caption_ = v;
    Changed();
}

// ---- the list view

TListView::TListView(TComponent* owner)
    : TWinControl(owner), columns_(std::make_unique<TListColumns>([this] {
          ShowColumns();
          ShowItems();
      })),
      items_(std::make_unique<TListItems>([this] { ShowItems(); })) {
    tab_stop_ = true;
    width_ = 250;
    height_ = 150;
    color_ = clWindow;
}

const TClassInfo& TListView::StaticClass() {
    using C = TListView;
    // "Is a TCustomListView" holds as well, though the library needs no class of that name.
    static const TClassInfo kind(L"TCustomListView", &TWinControl::StaticClass());
    static const TClassInfo info(
        L"TListView", &kind,
        {
            props::Enum(L"ViewStyle", {L"vsIcon", L"vsSmallIcon", L"vsList", L"vsReport"},
                        &C::ViewStyle, &C::SetViewStyle),
            props::Object(L"Columns", &C::Columns),
            props::Object(L"Items", &C::Items),
        });
    return info;
}

void TListView::SetViewStyle(TViewStyle v) {
    if (v == view_style_) return;
    view_style_ = v;
    if (handle_) RecreateWnd();
}

void TListView::CreateParams(TCreateParams& p) {
    TWinControl::CreateParams(p);
    p.system_class = WC_LISTVIEWW;
    p.ex_style |= WS_EX_CLIENTEDGE;
    static constexpr DWORD kViews[] = {LVS_ICON, LVS_SMALLICON, LVS_LIST, LVS_REPORT};
    p.style |= kViews[static_cast<int>(view_style_)] | LVS_SHOWSELALWAYS;
}

void TListView::InitializeWnd() {
    ShowColumns();
    ShowItems();
}

void TListView::ShowColumns() {
    if (!handle_) return;
    while (SendMessageW(handle_, LVM_DELETECOLUMN, 0, 0)) {
    }
    for (int i = 0; i < columns_->Count(); ++i) {
        const TListColumn& c = (*columns_)[i];
        std::wstring caption = c.Caption();
        LVCOLUMNW column{};
        column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
        column.pszText = caption.data();
        column.cx = c.Width();
        column.iSubItem = i;
        SendMessageW(handle_, LVM_INSERTCOLUMNW, static_cast<WPARAM>(i),
                     reinterpret_cast<LPARAM>(&column));
    }
}

void TListView::ShowItems() {
    if (!handle_) return;
    SendMessageW(handle_, LVM_DELETEALLITEMS, 0, 0);
    for (int i = 0; i < items_->Count(); ++i) {
        const TListItem& source = (*items_)[i];
        std::wstring caption = source.Caption();
        LVITEMW item{};
        item.mask = LVIF_TEXT;
        item.iItem = i;
        item.pszText = caption.data();
        const auto at = SendMessageW(handle_, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
        for (int k = 0; at >= 0 && k < source.SubItems()->Count(); ++k) {
            std::wstring text = source.SubItems()->Get(k);
            LVITEMW sub{};
            sub.iSubItem = k + 1;
            sub.pszText = text.data();
            SendMessageW(handle_, LVM_SETITEMTEXTW, static_cast<WPARAM>(at),
                         reinterpret_cast<LPARAM>(&sub));
        }
    }
}

void TListView::ScaleContents(int dpi, int fromDpi) {
    TWinControl::ScaleContents(dpi, fromDpi);
    ScaleItemWidths(*columns_, dpi, fromDpi);
}

} // namespace ui
