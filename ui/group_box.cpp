// The group box, painted by itself (its children may be labels, which it paints too).
#include "ui/group_box.h"

#include "ui/win_handles.h"

namespace ui {

TGroupBox::TGroupBox(TComponent* owner) : TWinControl(owner) {
    width_ = 185;
    height_ = 105;
    parent_color_ = true;
}

const TClassInfo& TGroupBox::StaticClass() {
    // "Is a TCustomGroupBox" holds as well, though the library needs no class of that name.
    static const TClassInfo kind(L"TCustomGroupBox", &TWinControl::StaticClass());
    static const TClassInfo info(L"TGroupBox", &kind);
    return info;
}

bool TGroupBox::CaptionRight() const {
    return bidi_mode_ == TBiDiMode::bdRightToLeft;
}

void TGroupBox::CreateParams(TCreateParams& p) {
    TWinControl::CreateParams(p);
    p.style |= WS_CLIPCHILDREN;
    // Whoever draws the caption (this box, or a skin) reads its side from the window.
    if (CaptionRight()) p.ex_style |= WS_EX_RIGHT;
}

void TGroupBox::PaintWindow(HDC dc) {
    RECT r{};
    GetClientRect(handle_, &r);
    const Selection font(dc, font_->Handle());
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    // The frame's top runs through the middle of the caption.
    RECT frame = r;
    frame.top = metrics.tmHeight / 2;
    DrawEdge(dc, &frame, EDGE_ETCHED, BF_RECT);
    const std::wstring caption = Caption();
    if (caption.empty()) return;
    RECT text{0, 0, 0, 0};
    DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &text,
              DT_SINGLELINE | DT_CALCRECT);
    const int width = text.right;
    const int indent = Scaled(8);
    text = CaptionRight() ? RECT{r.right - indent - width, 0, r.right - indent, metrics.tmHeight}
                          : RECT{indent, 0, indent + width, metrics.tmHeight};
    // The caption's background hides the frame behind it.
    SetBkMode(dc, OPAQUE);
    SetBkColor(dc, ColorRef(color_));
    SetTextColor(dc, ColorRef(font_->Color()));
    DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &text,
              DT_SINGLELINE | (UseRightToLeftReading() ? DT_RTLREADING : 0));
}

} // namespace ui
