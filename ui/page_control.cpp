// Page controls and their tab sheets.
#include "ui/page_control.h"

#include "ui/prop_builders.h"

#include <algorithm>

namespace ui {

TTabSheet::TTabSheet(TComponent* owner) : TWinControl(owner) {
    // Hidden until its page control shows it as the active page.
    visible_ = false;
    width_ = 185;
    height_ = 41;
}

TTabSheet::~TTabSheet() {
    Destroying();
    if (page_control_) page_control_->RemovePage(this);
}

const TClassInfo& TTabSheet::StaticClass() {
    using C = TTabSheet;
    static const TClassInfo info(
        L"TTabSheet", &TWinControl::StaticClass(),
        {
            props::Reference(L"PageControl", &C::PageControl, &C::SetPageControl),
        });
    return info;
}

void TTabSheet::SetPageControl(TPageControl* v) {
    if (v == page_control_) return;
    if (page_control_) page_control_->RemovePage(this);
    page_control_ = v;
    SetParent(v);
    if (v) v->InsertPage(this);
}

int TTabSheet::PageIndex() const {
    if (!page_control_) return -1;
    const auto& pages = page_control_->pages_;
    const auto it = std::find(pages.begin(), pages.end(), this);
    return it == pages.end() ? -1 : static_cast<int>(it - pages.begin());
}

void TTabSheet::SetParentComponent(TComponent* parent) {
    if (auto* pages = dynamic_cast<TPageControl*>(parent)) {
        SetPageControl(pages);
    } else {
        TWinControl::SetParentComponent(parent);
    }
}

void TTabSheet::CreateParams(TCreateParams& p) {
    TWinControl::CreateParams(p);
    p.style |= WS_CLIPCHILDREN;
}

void TTabSheet::TextChanged() {
    if (page_control_) page_control_->TabsChanged();
}

TPageControl::TPageControl(TComponent* owner) : TCustomTabControl(owner) {}

TPageControl::~TPageControl() {
    Destroying();
    // The sheets go with the window's children; they must not tell a control half gone.
    for (TTabSheet* page : pages_)
        page->page_control_ = nullptr;
    pages_.clear();
}

const TClassInfo& TPageControl::StaticClass() {
    using C = TPageControl;
    static const TClassInfo info(
        L"TPageControl", &TCustomTabControl::StaticClass(),
        {
            props::Reference(L"ActivePage", &C::ActivePage, &C::SetActivePage),
            props::Integer(L"ActivePageIndex", &C::ActivePageIndex, &C::SetActivePageIndex),
        });
    return info;
}

TTabSheet* TPageControl::ActivePage() const {
    const int index = TabIndex();
    return index >= 0 && index < PageCount() ? Pages(index) : nullptr;
}

void TPageControl::SetActivePage(TTabSheet* page) {
    SetTabIndex(page && page->page_control_ == this ? page->PageIndex() : -1);
}

void TPageControl::SetActivePageIndex(int v) {
    SetTabIndex(v);
}

std::vector<std::wstring> TPageControl::TabTexts() const {
    std::vector<std::wstring> texts;
    for (TTabSheet* page : pages_)
        texts.push_back(page->Caption());
    return texts;
}

void TPageControl::InsertPage(TTabSheet* page) {
    pages_.push_back(page);
    if (ComponentState() & csLoading) return;
    TabsChanged();
    // The first page is shown as soon as there is one.
    SetTabIndex(TabIndex() < 0 ? 0 : TabIndex());
}

void TPageControl::RemovePage(TTabSheet* page) {
    const auto it = std::find(pages_.begin(), pages_.end(), page);
    if (it == pages_.end()) return;
    const int removed = static_cast<int>(it - pages_.begin());
    pages_.erase(it);
    page->page_control_ = nullptr;
    if (ComponentState() & (csLoading | csDestroying)) return;
    // The active page stays active; in its place comes the one after it, or the new last.
    const int active = TabIndex();
    const int next = active > removed    ? active - 1
                     : active == removed ? std::min(removed, PageCount() - 1)
                                         : active;
    TabsChanged();
    SetTabIndex(next);
}

void TPageControl::SelectionChanged() {
    ShowActivePage();
}

void TPageControl::DisplayChanged() {
    ShowActivePage();
}

void TPageControl::ShowActivePage() {
    if (ComponentState() & (csLoading | csDestroying)) return;
    const RECT display = DisplayRect();
    TTabSheet* active = ActivePage();
    if (active) {
        active->SetBounds(display.left, display.top, display.right - display.left,
                          display.bottom - display.top);
        active->SetVisible(true);
    }
    for (TTabSheet* page : pages_)
        if (page != active) page->SetVisible(false);
}

void TPageControl::Loaded() {
    TCustomTabControl::Loaded();
    TabsChanged();
    SetTabIndex(TabIndex() < 0 && PageCount() > 0 ? 0 : TabIndex());
}

} // namespace ui
