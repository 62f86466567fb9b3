// The tab set: tabs laid out from the text widths, painted by the control, chosen by a press.
#include "ui/tab_set.h"

#include "ui/message_params.h"
#include "ui/prop_builders.h"
#include "ui/win_handles.h"

namespace ui {

namespace {

// Room around a tab's text, and where the first tab starts, in 96-dpi pixels.
constexpr int kTextMargin = 8;
constexpr int kFirstTab = 4;

void Fill(HDC dc, const RECT& r, TColor colour) {
    const GdiHandle<HBRUSH> brush(CreateSolidBrush(ColorRef(colour)));
    FillRect(dc, &r, brush.get());
}

} // namespace

TTabSet::TTabSet(TComponent* owner)
    : TWinControl(owner), tabs_(std::make_unique<TTabStrings>([this] {
          // While a description is read, TabIndex may come before the tabs; Loaded checks it.
          if (!(ComponentState() & csLoading) && tab_index_ >= tabs_->Count())
              tab_index_ = tabs_->Count() - 1;
          Invalidate();
      })) {
    width_ = 185;
    height_ = 21;
    tab_stop_ = true;
}

const TClassInfo& TTabSet::StaticClass() {
    using C = TTabSet;
    static const TClassInfo info(L"TTabSet", &TWinControl::StaticClass(),
                                 {
                                     props::Object(L"Tabs", &C::Tabs),
                                     props::Integer(L"TabIndex", &C::TabIndex, &C::SetTabIndex),
                                     props::Event(L"OnChange", &C::OnChange),
                                 });
    return info;
}

void TTabSet::SetTabIndex(int v) {
    if (!(ComponentState() & csLoading) && (v < -1 || v >= tabs_->Count())) return;
    tab_index_ = v;
    Invalidate();
}

void TTabSet::Loaded() {
    TWinControl::Loaded();
    if (tab_index_ >= tabs_->Count()) tab_index_ = tabs_->Count() - 1;
}

RECT TTabSet::TabRect(int index) {
    CheckListIndex(index, tabs_->Count());
    const WindowDC screen(nullptr);
    const Selection font(screen.dc(), font_->Handle());
    const int bottom = ClientHeight() - Scaled(2);
    int left = Scaled(kFirstTab);
    for (int i = 0;; ++i) {
        const std::wstring text = tabs_->Get(i);
        SIZE size{};
        GetTextExtentPoint32W(screen.dc(), text.c_str(), static_cast<int>(text.size()), &size);
        const int right = left + size.cx + 2 * Scaled(kTextMargin);
        if (i == index) return {left, 0, right, bottom};
        left = right;
    }
}

int TTabSet::IndexOfTabAt(int x, int y) {
    for (int i = 0; i < tabs_->Count(); ++i) {
        const RECT r = TabRect(i);
        const POINT p{x, y};
        if (PtInRect(&r, p)) return i;
    }
    return -1;
}

void TTabSet::WndProc(TMessage& msg) {
    TWinControl::WndProc(msg);
    if (msg.Msg != WM_LBUTTONDOWN) return;
    const POINT at = PointParam(msg);
    const int index = IndexOfTabAt(at.x, at.y);
    if (index < 0 || index == tab_index_) return;
    tab_index_ = index;
    Invalidate();
    if (OnChange && Firing()) OnChange(this);
}

void TTabSet::PaintWindow(HDC dc) {
    const RECT client = ClientRect();
    // The pages' edge runs along the top; the selected tab joins the pages, the others hang
    // behind it.
    Fill(dc, {0, 0, client.right, 1}, clBtnShadow);
    const SavedDC saved(dc);
    SelectObject(dc, font_->Handle());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, ColorRef(clBtnText));
    for (int i = 0; i < tabs_->Count(); ++i) {
        RECT r = TabRect(i);
        const bool selected = i == tab_index_;
        Fill(dc, r, clBtnShadow);
        RECT face{r.left + 1, selected ? 0 : 1, r.right - 1, r.bottom - 1};
        Fill(dc, face, selected ? clWindow : clBtnFace);
        std::wstring text = tabs_->Get(i);
        DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &face,
                  DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    }
}

} // namespace ui
