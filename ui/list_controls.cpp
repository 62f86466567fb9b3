// List boxes and combo boxes: items kept in the window, selection, item height.
#include "ui/layout_scale.h"
#include "ui/prop_builders.h"
#include "ui/stdctrls.h"

#include <new>

namespace ui {

// ---- items

const TClassInfo& TListControlItems::StaticClass() {
    static const TClassInfo info(L"TListControlItems", &TStrings::StaticClass());
    return info;
}

int TListControlItems::Count() const {
    if (HWND w = Wnd()) return static_cast<int>(SendMessageW(w, m_.count, 0, 0));
    return kept_.Count();
}

std::wstring TListControlItems::Get(int index) const {
    HWND w = Wnd();
    if (!w) return kept_.Get(index);
    CheckListIndex(index, Count());
    return ItemText(w, index);
}

void TListControlItems::Put(int index, const std::wstring& s) {
    HWND w = Wnd();
    if (!w) return kept_.Put(index, s);
    CheckListIndex(index, Count());
    const auto sel = SendMessageW(w, m_.get_sel, 0, 0);
    SendMessageW(w, m_.remove, static_cast<WPARAM>(index), 0);
    InsertInto(w, index, s);
    SendMessageW(w, m_.set_sel, static_cast<WPARAM>(sel), 0);
}

void TListControlItems::Insert(int index, const std::wstring& s) {
    HWND w = Wnd();
    if (!w) return kept_.Insert(index, s);
    CheckListIndex(index, Count() + 1);
    InsertInto(w, index, s);
}

int TListControlItems::Add(const std::wstring& s) {
    HWND w = Wnd();
    if (!w) return kept_.Add(s);
    return AddTo(w, s);
}

void TListControlItems::Delete(int index) {
    HWND w = Wnd();
    if (!w) return kept_.Delete(index);
    CheckListIndex(index, Count());
    SendMessageW(w, m_.remove, static_cast<WPARAM>(index), 0);
}

void TListControlItems::Clear() {
    if (HWND w = Wnd())
        SendMessageW(w, m_.reset, 0, 0);
    else
        kept_.Clear();
}

void TListControlItems::MoveToWindow(HWND wnd) {
    SendMessageW(wnd, m_.reset, 0, 0);
    for (int i = 0; i < kept_.Count(); ++i)
        AddTo(wnd, kept_.Get(i));
    kept_.Clear();
}

void TListControlItems::MoveFromWindow(HWND wnd) {
    kept_.Clear();
    const int count = static_cast<int>(SendMessageW(wnd, m_.count, 0, 0));
    for (int i = 0; i < count; ++i)
        kept_.Add(ItemText(wnd, i));
}

std::wstring TListControlItems::ItemText(HWND wnd, int index) const {
    const auto length = SendMessageW(wnd, m_.text_length, static_cast<WPARAM>(index), 0);
    if (length <= 0) return {};
    std::wstring s(static_cast<std::size_t>(length), L'\0');
    const auto copied =
        SendMessageW(wnd, m_.text, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(s.data()));
    s.resize(copied > 0 ? static_cast<std::size_t>(copied) : 0);
    return s;
}

namespace {

// The window answers a negative index when it has no room left for an item.
int PlacedAt(LRESULT index) {
    if (index < 0) throw std::bad_alloc();
    return static_cast<int>(index);
}

} // namespace

void TListControlItems::InsertInto(HWND wnd, int index, const std::wstring& s) {
    PlacedAt(SendMessageW(wnd, m_.insert, static_cast<WPARAM>(index),
                          reinterpret_cast<LPARAM>(s.c_str())));
}

// One message: appending is what every capture does.
int TListControlItems::AddTo(HWND wnd, const std::wstring& s) {
    return PlacedAt(SendMessageW(wnd, m_.add, 0, reinterpret_cast<LPARAM>(s.c_str())));
}

// ---- shared list control

TCustomListControl::TCustomListControl(TComponent* owner, TListControlItems::Messages m)
    : TWinControl(owner), items_(std::make_unique<TListControlItems>(*this, m)) {
    tab_stop_ = true;
    color_ = clWindow;
}

const TClassInfo& TCustomListControl::StaticClass() {
    using C = TCustomListControl;
    static const TClassInfo info(
        L"TCustomListControl", &TWinControl::StaticClass(),
        {
            props::Object(L"Items", &C::Items),
            props::Integer(L"ItemIndex", &C::ItemIndex, &C::SetItemIndex),
            props::Integer(L"ItemHeight", &C::ItemHeight, &C::SetItemHeight),
            props::Event(L"OnChange", &C::OnChange),
            props::Event(L"OnDblClick", &C::OnDblClick),
        });
    return info;
}

int TCustomListControl::ItemIndex() const {
    if (handle_) return static_cast<int>(SendMessageW(handle_, items_->Msgs().get_sel, 0, 0));
    return item_index_;
}

void TCustomListControl::SetItemIndex(int v) {
    item_index_ = v;
    if (handle_) SendMessageW(handle_, items_->Msgs().set_sel, static_cast<WPARAM>(v), 0);
}

void TCustomListControl::SetItemHeight(int v) {
    item_height_ = v;
    if (handle_) ApplyItemHeight();
}

void TCustomListControl::ScaleContents(int dpi, int fromDpi) {
    TWinControl::ScaleContents(dpi, fromDpi);
    SetItemHeight(ScaleMeasure(item_height_, dpi, fromDpi));
}

void TCustomListControl::InitializeWnd() {
    items_->MoveToWindow(handle_);
    ApplyItemHeight();
    SendMessageW(handle_, items_->Msgs().set_sel, static_cast<WPARAM>(item_index_), 0);
}

void TCustomListControl::SaveWndState() {
    TWinControl::SaveWndState();
    item_index_ = static_cast<int>(SendMessageW(handle_, items_->Msgs().get_sel, 0, 0));
    items_->MoveFromWindow(handle_);
}

// ---- combo box

TComboBox::TComboBox(TComponent* owner)
    : TCustomListControl(owner,
                         {CB_ADDSTRING, CB_INSERTSTRING, CB_DELETESTRING, CB_RESETCONTENT,
                          CB_SETCURSEL, CB_GETCURSEL, CB_GETCOUNT, CB_GETLBTEXTLEN, CB_GETLBTEXT}) {
    width_ = 145;
    height_ = 21;
}

const TClassInfo& TComboBox::StaticClass() {
    using C = TComboBox;
    // "Is a TCustomComboBox" holds as well, though the library needs no class of that name.
    static const TClassInfo kind(L"TCustomComboBox", &TCustomListControl::StaticClass());
    static const TClassInfo info(
        L"TComboBox", &kind,
        {
            props::Enum(L"Style",
                        {L"csDropDown", L"csSimple", L"csDropDownList", L"csOwnerDrawFixed",
                         L"csOwnerDrawVariable"},
                        &C::Style, &C::SetStyle),
            props::Integer(L"DropDownCount", &C::DropDownCount, &C::SetDropDownCount),
        });
    return info;
}

void TComboBox::SetStyle(TComboBoxStyle v) {
    style_ = v;
    RecreateWnd();
}

void TComboBox::SetDropDownCount(int v) {
    drop_down_count_ = v;
    SetBounds(left_, top_, width_, height_);
}

bool TComboBox::DroppedDown() const {
    return handle_ && SendMessageW(handle_, CB_GETDROPPEDSTATE, 0, 0) != 0;
}

void TComboBox::SetDroppedDown(bool v) {
    SendMessageW(Handle(), CB_SHOWDROPDOWN, v, 0);
}

int TComboBox::DroppedHeight() const {
    const int item = item_height_ > 0 ? item_height_ : 16;
    return height_ + item * drop_down_count_ + 2;
}

void TComboBox::SetBounds(int left, int top, int width, int height) {
    left_ = left, top_ = top, width_ = width, height_ = height;
    // The window's height includes the open list; the control's is that of the closed box,
    // which the system derives from the font.
    if (handle_)
        SetWindowPos(handle_, nullptr, left, top, width, DroppedHeight(),
                     SWP_NOZORDER | SWP_NOACTIVATE);
}

void TComboBox::CreateParams(TCreateParams& p) {
    TCustomListControl::CreateParams(p);
    p.system_class = L"COMBOBOX";
    p.height = DroppedHeight();
    p.style |= WS_VSCROLL | CBS_AUTOHSCROLL | CBS_HASSTRINGS;
    switch (style_) {
    case TComboBoxStyle::csDropDown:
        p.style |= CBS_DROPDOWN;
        break;
    case TComboBoxStyle::csSimple:
        p.style |= CBS_SIMPLE;
        break;
    case TComboBoxStyle::csDropDownList:
        p.style |= CBS_DROPDOWNLIST;
        break;
    case TComboBoxStyle::csOwnerDrawFixed:
        p.style |= CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED;
        break;
    case TComboBoxStyle::csOwnerDrawVariable:
        p.style |= CBS_DROPDOWNLIST | CBS_OWNERDRAWVARIABLE;
        break;
    }
}

void TComboBox::InitializeWnd() {
    TCustomListControl::InitializeWnd();
    // An editable box keeps a stored text that is not one of its items.
    if (style_ == TComboBoxStyle::csDropDown || style_ == TComboBoxStyle::csSimple)
        if (!text_.empty() && GetText() != text_) SetWindowTextW(handle_, text_.c_str());
}

void TComboBox::ApplyItemHeight() {
    // Only owner-drawn lists take a height of their own; the others follow their font.
    if (item_height_ > 0 && (style_ == TComboBoxStyle::csOwnerDrawFixed ||
                             style_ == TComboBoxStyle::csOwnerDrawVariable))
        SendMessageW(handle_, CB_SETITEMHEIGHT, 0, item_height_);
}

void TComboBox::WndProc(TMessage& msg) {
    if (msg.Msg == CN_COMMAND) {
        switch (HIWORD(msg.WParam)) {
        case CBN_SELCHANGE:
            text_ = ItemIndex() >= 0 ? items_->Get(ItemIndex()) : std::wstring();
            Click();
            if (OnChange && Firing()) OnChange(this);
            return;
        case CBN_EDITCHANGE:
            text_ = GetText();
            if (OnChange && Firing()) OnChange(this);
            return;
        case CBN_DBLCLK:
            if (OnDblClick && Firing()) OnDblClick(this);
            return;
        case CBN_SETFOCUS:
            // The focus sits in the edit inside the box, which is not ours.
            FocusEntered();
            return;
        default:
            break;
        }
    }
    TCustomListControl::WndProc(msg);
}

// ---- list box

TListBox::TListBox(TComponent* owner)
    : TCustomListControl(owner,
                         {LB_ADDSTRING, LB_INSERTSTRING, LB_DELETESTRING, LB_RESETCONTENT,
                          LB_SETCURSEL, LB_GETCURSEL, LB_GETCOUNT, LB_GETTEXTLEN, LB_GETTEXT}) {
    width_ = 121;
    height_ = 97;
    item_height_ = 13;
}

const TClassInfo& TListBox::StaticClass() {
    // "Is a TCustomListBox" holds as well, though the library needs no class of that name.
    static const TClassInfo kind(L"TCustomListBox", &TCustomListControl::StaticClass());
    static const TClassInfo info(L"TListBox", &kind);
    return info;
}

void TListBox::CreateParams(TCreateParams& p) {
    TCustomListControl::CreateParams(p);
    p.system_class = L"LISTBOX";
    p.style |= WS_VSCROLL | LBS_NOTIFY | LBS_HASSTRINGS | LBS_NOINTEGRALHEIGHT;
    p.ex_style |= WS_EX_CLIENTEDGE;
}

void TListBox::ApplyItemHeight() {
    if (item_height_ > 0) SendMessageW(handle_, LB_SETITEMHEIGHT, 0, item_height_);
}

void TListBox::WndProc(TMessage& msg) {
    if (msg.Msg == CN_COMMAND) {
        switch (HIWORD(msg.WParam)) {
        case LBN_SELCHANGE:
            Click();
            if (OnChange && Firing()) OnChange(this);
            return;
        case LBN_DBLCLK:
            if (OnDblClick && Firing()) OnDblClick(this);
            return;
        default:
            break;
        }
    }
    TCustomListControl::WndProc(msg);
}

} // namespace ui
