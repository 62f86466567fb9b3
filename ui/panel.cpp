// The panel, painted by itself: the erase fills it with its colour, then the bevels and caption.
#include "ui/panel.h"

#include "ui/prop_builders.h"
#include "ui/win_handles.h"

#include <algorithm>

namespace ui {

namespace {

void FillColour(HDC dc, const RECT& r, int sysColour) {
    FillRect(dc, &r, GetSysColorBrush(sysColour));
}

} // namespace

void DrawBevel(HDC dc, RECT& r, TBevelCut cut, int width) {
    for (int i = 0; i < width; ++i) {
        if (cut == TBevelCut::bvLowered || cut == TBevelCut::bvRaised) {
            const bool raised = cut == TBevelCut::bvRaised;
            const int topLeft = raised ? COLOR_BTNHIGHLIGHT : COLOR_BTNSHADOW;
            const int bottomRight = raised ? COLOR_BTNSHADOW : COLOR_BTNHIGHLIGHT;
            FillColour(dc, {r.left, r.top, r.right, r.top + 1}, topLeft);
            FillColour(dc, {r.left, r.top, r.left + 1, r.bottom}, topLeft);
            FillColour(dc, {r.left, r.bottom - 1, r.right, r.bottom}, bottomRight);
            FillColour(dc, {r.right - 1, r.top, r.right, r.bottom}, bottomRight);
        }
        if (cut != TBevelCut::bvNone) InflateRect(&r, -1, -1);
    }
}

TPanel::TPanel(TComponent* owner) : TWinControl(owner) {
    width_ = 185;
    height_ = 41;
}

const TClassInfo& TPanel::StaticClass() {
    using C = TPanel;
    const std::vector<std::wstring> cuts{L"bvNone", L"bvLowered", L"bvRaised", L"bvSpace"};
    // "Is a TCustomPanel" holds as well, though the library needs no class of that name.
    static const TClassInfo kind(L"TCustomPanel", &TWinControl::StaticClass());
    static const TClassInfo info(
        L"TPanel", &kind,
        {
            props::Enum(L"BevelOuter", cuts, &C::BevelOuter, &C::SetBevelOuter),
            props::Enum(L"BevelInner", cuts, &C::BevelInner, &C::SetBevelInner),
            props::Integer(L"BevelWidth", &C::BevelWidth, &C::SetBevelWidth),
            props::Enum(L"Alignment", {L"taLeftJustify", L"taRightJustify", L"taCenter"},
                        &C::Alignment, &C::SetAlignment),
        });
    return info;
}

void TPanel::SetBevelOuter(TBevelCut v) {
    bevel_outer_ = v;
    Invalidate();
}

void TPanel::SetBevelInner(TBevelCut v) {
    bevel_inner_ = v;
    Invalidate();
}

void TPanel::SetBevelWidth(int v) {
    bevel_width_ = std::max(1, v);
    Invalidate();
}

void TPanel::SetAlignment(TAlignment v) {
    alignment_ = v;
    Invalidate();
}

void TPanel::CreateParams(TCreateParams& p) {
    TWinControl::CreateParams(p);
    p.style |= WS_CLIPCHILDREN;
}

void TPanel::PaintWindow(HDC dc) {
    RECT r{};
    GetClientRect(handle_, &r);
    DrawBevel(dc, r, bevel_outer_, bevel_width_);
    DrawBevel(dc, r, bevel_inner_, bevel_width_);
    const std::wstring caption = Caption();
    if (caption.empty()) return;
    const Selection font(dc, font_->Handle());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, ColorRef(font_->Color()));
    UINT format = DT_SINGLELINE | DT_VCENTER | DT_EXPANDTABS;
    if (alignment_ == TAlignment::taCenter) format |= DT_CENTER;
    if (alignment_ == TAlignment::taRightJustify) format |= DT_RIGHT;
    if (UseRightToLeftReading()) format |= DT_RTLREADING;
    DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &r, format);
}

} // namespace ui
