// The label: text painted by its parent, sized to the text when AutoSize is on.
#include "ui/prop_builders.h"
#include "ui/stdctrls.h"

namespace ui {

TLabel::TLabel(TComponent* owner) : TGraphicControl(owner) {
    width_ = 65;
    height_ = 17;
    parent_color_ = true;
}

const TClassInfo& TLabel::StaticClass() {
    using C = TLabel;
    static const TClassInfo info(
        L"TLabel", &TGraphicControl::StaticClass(),
        {
            props::Boolean(L"AutoSize", &C::AutoSize, &C::SetAutoSize),
            props::Enum(L"Alignment", {L"taLeftJustify", L"taRightJustify", L"taCenter"},
                        &C::Alignment, &C::SetAlignment),
            props::Boolean(L"Transparent", &C::Transparent, &C::SetTransparent),
            props::Boolean(L"WordWrap", &C::WordWrap, &C::SetWordWrap),
        });
    return info;
}

void TLabel::SetAutoSize(bool v) {
    auto_size_ = v;
    AdjustBounds();
}

void TLabel::SetAlignment(TAlignment v) {
    alignment_ = v;
    Invalidate();
}

void TLabel::SetTransparent(bool v) {
    transparent_ = v;
    Invalidate();
}

void TLabel::SetWordWrap(bool v) {
    word_wrap_ = v;
    AdjustBounds();
}

void TLabel::Loaded() {
    TGraphicControl::Loaded();
    AdjustBounds();
}

void TLabel::FontChanged() {
    TGraphicControl::FontChanged();
    AdjustBounds();
}

UINT TLabel::DrawFormat() const {
    UINT f = DT_EXPANDTABS | (word_wrap_ ? DT_WORDBREAK : DT_SINGLELINE);
    if (alignment_ == TAlignment::taRightJustify)
        f |= DT_RIGHT;
    else if (alignment_ == TAlignment::taCenter)
        f |= DT_CENTER;
    if (UseRightToLeftReading()) f |= DT_RTLREADING;
    return f;
}

void TLabel::AdjustBounds() {
    if (!auto_size_ || (ComponentState() & csLoading)) return;
    RECT r{0, 0, word_wrap_ ? width_ : 0, 0};
    {
        const OwnedDC measure(CreateCompatibleDC(nullptr));
        const Selection font(measure.get(), font_->Handle());
        // An empty label keeps the height of a line.
        const std::wstring text = text_.empty() ? L" " : text_;
        DrawTextW(measure.get(), text.c_str(), static_cast<int>(text.size()), &r,
                  DrawFormat() | DT_CALCRECT);
    }
    int left = left_;
    const int width = word_wrap_ ? width_ : r.right;
    if (alignment_ == TAlignment::taRightJustify && !word_wrap_) left += width_ - width;
    SetBounds(left, top_, width, r.bottom);
}

void TLabel::Paint(TCanvas& canvas) {
    RECT r{0, 0, width_, height_};
    if (!transparent_) {
        canvas.Brush.SetColor(color_);
        canvas.FillRect(r);
    }
    canvas.Brush.SetClear(true);
    if (!enabled_) {
        canvas.Font.SetColor(clGrayText);
    }
    canvas.DrawText(text_, r, DrawFormat());
}

} // namespace ui
