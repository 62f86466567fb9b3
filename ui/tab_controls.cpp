// Tab controls on the system's tab control: the tabs live in the window, the selection is kept
// here as well so it survives the window being made again.
#include "ui/tab_controls.h"

#include "ui/message_params.h"
#include "ui/prop_builders.h"

#include <commctrl.h>

namespace ui {

TCustomTabControl::TCustomTabControl(TComponent* owner) : TWinControl(owner) {
    width_ = 289;
    height_ = 193;
    tab_stop_ = true;
}

const TClassInfo& TCustomTabControl::StaticClass() {
    using C = TCustomTabControl;
    static const TClassInfo info(
        L"TCustomTabControl", &TWinControl::StaticClass(),
        {
            props::Enum(L"TabPosition", {L"tpTop", L"tpBottom", L"tpLeft", L"tpRight"},
                        &C::TabPosition, &C::SetTabPosition),
            props::Enum(L"Style", {L"tsTabs", L"tsButtons", L"tsFlatButtons"}, &C::Style,
                        &C::SetStyle),
            props::Event(L"OnChange", &C::OnChange),
        });
    return info;
}

void TCustomTabControl::SetTabPosition(TTabPosition v) {
    if (v == tab_position_) return;
    tab_position_ = v;
    RecreateWnd();
}

void TCustomTabControl::SetStyle(TTabStyle v) {
    if (v == style_) return;
    style_ = v;
    RecreateWnd();
}

void TCustomTabControl::CreateParams(TCreateParams& p) {
    TWinControl::CreateParams(p);
    p.system_class = WC_TABCONTROLW;
    // The pages inside are drawn by themselves, never over by the tabs' control.
    p.style |= WS_CLIPCHILDREN;
    switch (tab_position_) {
    case TTabPosition::tpTop:
        break;
    case TTabPosition::tpBottom:
        p.style |= TCS_BOTTOM;
        break;
    // The system lays out tabs on the side only in rows of their own.
    case TTabPosition::tpLeft:
        p.style |= TCS_VERTICAL | TCS_MULTILINE;
        break;
    case TTabPosition::tpRight:
        p.style |= TCS_VERTICAL | TCS_RIGHT | TCS_MULTILINE;
        break;
    }
    if (style_ != TTabStyle::tsTabs) p.style |= TCS_BUTTONS;
    if (style_ == TTabStyle::tsFlatButtons) p.style |= TCS_FLATBUTTONS;
}

void TCustomTabControl::InitializeWnd() {
    FillTabs();
    DisplayChanged();
}

void TCustomTabControl::FillTabs() {
    SendMessageW(handle_, TCM_DELETEALLITEMS, 0, 0);
    const std::vector<std::wstring> texts = TabTexts();
    for (std::size_t i = 0; i < texts.size(); ++i) {
        std::wstring text = texts[i];
        TCITEMW item{};
        item.mask = TCIF_TEXT;
        item.pszText = text.data();
        SendMessageW(handle_, TCM_INSERTITEMW, i, reinterpret_cast<LPARAM>(&item));
    }
    if (tab_index_ >= static_cast<int>(texts.size()))
        tab_index_ = static_cast<int>(texts.size()) - 1;
    SendMessageW(handle_, TCM_SETCURSEL, static_cast<WPARAM>(tab_index_), 0);
}

void TCustomTabControl::TabsChanged() {
    if (ComponentState() & (csLoading | csDestroying)) return;
    const int count = static_cast<int>(TabTexts().size());
    if (tab_index_ >= count) tab_index_ = count - 1;
    if (handle_) {
        FillTabs();
        DisplayChanged();
    }
}

void TCustomTabControl::SetTabIndex(int v) {
    if (ComponentState() & csLoading) {
        tab_index_ = v;
        return;
    }
    if (v < -1 || v >= static_cast<int>(TabTexts().size())) return;
    tab_index_ = v;
    if (handle_) SendMessageW(handle_, TCM_SETCURSEL, static_cast<WPARAM>(v), 0);
    SelectionChanged();
}

RECT TCustomTabControl::DisplayRect() {
    RECT r = ClientRect();
    if (handle_) SendMessageW(handle_, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&r));
    return r;
}

int TCustomTabControl::IndexOfTabAt(int x, int y) {
    TCHITTESTINFO hit{{x, y}, 0};
    return static_cast<int>(SendMessageW(Handle(), TCM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)));
}

void TCustomTabControl::Change() {
    if (OnChange && Firing()) OnChange(this);
}

void TCustomTabControl::WndProc(TMessage& msg) {
    switch (msg.Msg) {
    case CN_NOTIFY:
        if (RecordParam<NMHDR>(msg)->code == static_cast<UINT>(TCN_SELCHANGE)) {
            tab_index_ = static_cast<int>(SendMessageW(handle_, TCM_GETCURSEL, 0, 0));
            SelectionChanged();
            Change();
            return;
        }
        break;
    case WM_SIZE:
        TWinControl::WndProc(msg);
        DisplayChanged();
        return;
    default:
        break;
    }
    TWinControl::WndProc(msg);
}

void TTabStrings::Put(int index, const std::wstring& s) {
    TStringList::Put(index, s);
    changed_();
}

void TTabStrings::Insert(int index, const std::wstring& s) {
    TStringList::Insert(index, s);
    changed_();
}

void TTabStrings::Delete(int index) {
    TStringList::Delete(index);
    changed_();
}

void TTabStrings::Clear() {
    TStringList::Clear();
    changed_();
}

TTabControl::TTabControl(TComponent* owner)
    : TCustomTabControl(owner), tabs_(std::make_unique<TTabStrings>([this] { TabsChanged(); })) {}

const TClassInfo& TTabControl::StaticClass() {
    using C = TTabControl;
    static const TClassInfo info(L"TTabControl", &TCustomTabControl::StaticClass(),
                                 {
                                     props::Object(L"Tabs", &C::Tabs),
                                     props::Integer(L"TabIndex", &C::TabIndex, &C::SetTabIndex),
                                 });
    return info;
}

std::vector<std::wstring> TTabControl::TabTexts() const {
    std::vector<std::wstring> texts;
    for (int i = 0; i < tabs_->Count(); ++i)
        texts.push_back(tabs_->Get(i));
    return texts;
}

void TTabControl::Loaded() {
    TCustomTabControl::Loaded();
    TabsChanged();
    const int index = TabIndex();
    if (handle_) SendMessageW(handle_, TCM_SETCURSEL, static_cast<WPARAM>(index), 0);
}

} // namespace ui
