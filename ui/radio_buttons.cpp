// Radio buttons, and the radio group that holds one per item.
#include "ui/extctrls.h"
#include "ui/prop_builders.h"

#include <algorithm>

namespace ui {

TRadioButton::TRadioButton(TComponent* owner) : TButtonControl(owner) {
    width_ = 113;
    height_ = 17;
    parent_color_ = true;
}

const TClassInfo& TRadioButton::StaticClass() {
    using C = TRadioButton;
    static const TClassInfo info(
        L"TRadioButton", &TButtonControl::StaticClass(),
        {
            props::Boolean(L"Checked", &C::Checked, &C::SetChecked),
            props::Enum(L"Alignment", {L"taLeftJustify", L"taRightJustify", L"taCenter"},
                        &C::Alignment, &C::SetAlignment),
        });
    return info;
}

void TRadioButton::SetChecked(bool v) {
    if (v == checked_) return;
    checked_ = v;
    if (handle_) SendMessageW(handle_, BM_SETCHECK, v ? BST_CHECKED : BST_UNCHECKED, 0);
    if (!v) return;
    if (parent_) {
        for (TControl* c : parent_->Controls()) {
            auto* other = dynamic_cast<TRadioButton*>(c);
            if (other && other != this) other->SetChecked(false);
        }
    }
    Click();
}

void TRadioButton::SetAlignment(TAlignment v) {
    alignment_ = v;
    RecreateWnd();
}

void TRadioButton::CreateParams(TCreateParams& p) {
    TButtonControl::CreateParams(p);
    p.system_class = L"BUTTON";
    // Not the automatic kind: checking goes through SetChecked, which knows the siblings.
    p.style |= BS_RADIOBUTTON;
    if (alignment_ == TAlignment::taLeftJustify) p.style |= BS_LEFTTEXT;
}

void TRadioButton::InitializeWnd() {
    SendMessageW(handle_, BM_SETCHECK, checked_ ? BST_CHECKED : BST_UNCHECKED, 0);
}

void TRadioGroupItems::Put(int index, const std::wstring& s) {
    TStringList::Put(index, s);
    group_.UpdateButtons();
}

void TRadioGroupItems::Insert(int index, const std::wstring& s) {
    TStringList::Insert(index, s);
    group_.UpdateButtons();
}

void TRadioGroupItems::Delete(int index) {
    TStringList::Delete(index);
    group_.UpdateButtons();
}

void TRadioGroupItems::Clear() {
    TStringList::Clear();
    group_.UpdateButtons();
}

TRadioGroup::TRadioGroup(TComponent* owner)
    : TWinControl(owner), items_(std::make_unique<TRadioGroupItems>(*this)) {
    width_ = 185;
    height_ = 105;
    parent_color_ = true;
}

const TClassInfo& TRadioGroup::StaticClass() {
    using C = TRadioGroup;
    // "Is a TCustomRadioGroup" holds as well, though the library needs no class of that name.
    static const TClassInfo kind(L"TCustomRadioGroup", &TWinControl::StaticClass());
    static const TClassInfo info(L"TRadioGroup", &kind,
                                 {
                                     props::Object(L"Items", &C::Items),
                                     props::Integer(L"ItemIndex", &C::ItemIndex, &C::SetItemIndex),
                                 });
    return info;
}

void TRadioGroup::CreateParams(TCreateParams& p) {
    TWinControl::CreateParams(p);
    p.system_class = L"BUTTON";
    p.style |= BS_GROUPBOX;
}

void TRadioGroup::SetItemIndex(int v) {
    item_index_ = v;
    if (ComponentState() & csLoading) return;
    if (v >= 0 && v < static_cast<int>(buttons_.size())) {
        buttons_[static_cast<std::size_t>(v)]->SetChecked(true);
    } else {
        item_index_ = -1;
        for (TRadioButton* b : buttons_)
            b->SetChecked(false);
    }
}

void TRadioGroup::Loaded() {
    TWinControl::Loaded();
    UpdateButtons();
}

void TRadioGroup::UpdateButtons() {
    if (ComponentState() & (csLoading | csDestroying)) return;
    const auto count = static_cast<std::size_t>(items_->Count());
    while (buttons_.size() > count) {
        Free(buttons_.back());
        buttons_.pop_back();
    }
    while (buttons_.size() < count) {
        auto* b = new TRadioButton(this);
        const int index = static_cast<int>(buttons_.size());
        // A click on a button is the group's new choice.
        b->OnClick = [this, index](TPersistent*) { item_index_ = index; };
        b->SetParent(this);
        buttons_.push_back(b);
    }
    for (std::size_t i = 0; i < count; ++i)
        buttons_[i]->SetCaption(items_->Get(static_cast<int>(i)));
    ArrangeButtons();
    SetItemIndex(item_index_);
}

void TRadioGroup::SetBounds(int left, int top, int width, int height) {
    TWinControl::SetBounds(left, top, width, height);
    ArrangeButtons();
}

void TRadioGroup::ScaleContents(int dpi, int fromDpi) {
    // Its font (which its buttons follow), not its buttons' bounds: those come from its own.
    TControl::ScaleContents(dpi, fromDpi);
    ArrangeButtons();
}

void TRadioGroup::ArrangeButtons() {
    if (buttons_.empty()) return;
    // Under the caption line, the rows share the height left.
    const int top = Scaled(16), inset = Scaled(8);
    const int row = std::max(1, (height_ - top - Scaled(4)) / static_cast<int>(buttons_.size()));
    for (std::size_t i = 0; i < buttons_.size(); ++i)
        buttons_[i]->SetBounds(inset, top + static_cast<int>(i) * row, width_ - 2 * inset,
                               std::min(row, Scaled(17)));
}

} // namespace ui
