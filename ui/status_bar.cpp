// The status bar over the system's status window: the panels live here and are handed to the
// window whenever they change; the window asks for owner-drawn panels, which OnDrawPanel draws.
#include "ui/status_bar.h"

#include "ui/layout_scale.h"
#include "ui/prop_builders.h"

#include <commctrl.h>

namespace ui {

namespace {

// The text the window shows for a panel: its alignment is told by leading tabs.
std::wstring AlignedText(const TStatusPanel& panel) {
    switch (panel.Alignment()) {
    case TAlignment::taCenter:
        return L"\t" + panel.Text();
    case TAlignment::taRightJustify:
        return L"\t\t" + panel.Text();
    case TAlignment::taLeftJustify:
        break;
    }
    return panel.Text();
}

} // namespace

const TClassInfo& TStatusPanel::StaticClass() {
    using C = TStatusPanel;
    static const TClassInfo info(
        L"TStatusPanel", &TPersistent::StaticClass(),
        {
            props::String(L"Text", &C::Text, &C::SetText),
            props::Integer(L"Width", &C::Width, &C::SetWidth),
            props::Enum(L"Bevel", {L"pbNone", L"pbLowered", L"pbRaised"}, &C::Bevel, &C::SetBevel),
            props::Enum(L"Alignment", {L"taLeftJustify", L"taRightJustify", L"taCenter"},
                        &C::Alignment, &C::SetAlignment),
            props::Enum(L"Style", {L"psText", L"psOwnerDraw"}, &C::Style, &C::SetStyle),
        });
    return info;
}

void TStatusPanel::SetText(const std::wstring& v) {
    text_ = v;
    panels_.Changed();
}

void TStatusPanel::SetWidth(int v) {
    width_ = v;
    panels_.Changed();
}

void TStatusPanel::SetBevel(TStatusPanelBevel v) {
    bevel_ = v;
    panels_.Changed();
}

void TStatusPanel::SetAlignment(TAlignment v) {
    alignment_ = v;
    panels_.Changed();
}

void TStatusPanel::SetStyle(TStatusPanelStyle v) {
    style_ = v;
    panels_.Changed();
}

TStatusPanel* TStatusPanels::Item(int index) const {
    if (index < 0 || index >= Count()) return nullptr;
    return panels_[static_cast<std::size_t>(index)].get();
}

void TStatusPanels::Clear() {
    panels_.clear();
    Changed();
}

TStatusPanel* TStatusPanels::Add() {
    TStatusPanel* panel = panels_.emplace_back(std::make_unique<TStatusPanel>(*this)).get();
    Changed();
    return panel;
}

void TStatusPanels::Changed() {
    bar_.UpdatePanels();
}

TStatusBar::TStatusBar(TComponent* owner)
    : TWinControl(owner), panels_(std::make_unique<TStatusPanels>(*this)) {
    width_ = 200;
    height_ = 19;
}

const TClassInfo& TStatusBar::StaticClass() {
    using C = TStatusBar;
    // "Is a TCustomStatusBar" holds as well, though the library needs no class of that name.
    static const TClassInfo kind(L"TCustomStatusBar", &TWinControl::StaticClass());
    static const TClassInfo info(
        L"TStatusBar", &kind,
        {
            props::Object(L"Panels", &C::Panels),
            props::Boolean(L"SimplePanel", &C::SimplePanel, &C::SetSimplePanel),
            props::String(L"SimpleText", &C::SimpleText, &C::SetSimpleText),
            props::Boolean(L"SizeGrip", &C::SizeGrip, &C::SetSizeGrip),
            props::Event(L"OnDrawPanel", &C::OnDrawPanel),
        });
    return info;
}

void TStatusBar::SetSimplePanel(bool v) {
    simple_panel_ = v;
    UpdatePanels();
}

void TStatusBar::SetSimpleText(const std::wstring& v) {
    simple_text_ = v;
    UpdatePanels();
}

void TStatusBar::SetSizeGrip(bool v) {
    if (v == size_grip_) return;
    size_grip_ = v;
    if (handle_) RecreateWnd();
}

void TStatusBar::CreateParams(TCreateParams& p) {
    TWinControl::CreateParams(p);
    p.system_class = STATUSCLASSNAMEW;
    // The bar stays where the description puts it, at the size it gives.
    p.style |= CCS_NOPARENTALIGN | CCS_NORESIZE;
    if (size_grip_) p.style |= SBARS_SIZEGRIP;
}

void TStatusBar::UpdatePanels() {
    if (!handle_) return;
    // Every panel ends where its width takes it; the last one reaches the bar's end.
    const int count = panels_->Count();
    std::vector<int> edges;
    int edge = 0;
    for (int i = 0; i < count; ++i) {
        edge += panels_->Item(i)->Width();
        edges.push_back(i + 1 < count ? edge : -1);
    }
    if (edges.empty()) edges.push_back(-1);
    SendMessageW(handle_, SB_SETPARTS, edges.size(), reinterpret_cast<LPARAM>(edges.data()));
    const WPARAM reading = UseRightToLeftReading() ? SBT_RTLREADING : 0;
    for (int i = 0; i < count; ++i) {
        const TStatusPanel& panel = *panels_->Item(i);
        WPARAM look = static_cast<WPARAM>(i) | reading;
        if (panel.Bevel() == TStatusPanelBevel::pbNone) look |= SBT_NOBORDERS;
        if (panel.Bevel() == TStatusPanelBevel::pbRaised) look |= SBT_POPOUT;
        if (panel.Style() == TStatusPanelStyle::psOwnerDraw) {
            SendMessageW(handle_, SB_SETTEXTW, look | SBT_OWNERDRAW, 0);
        } else {
            const std::wstring text = AlignedText(panel);
            SendMessageW(handle_, SB_SETTEXTW, look, reinterpret_cast<LPARAM>(text.c_str()));
        }
    }
    SendMessageW(handle_, SB_SIMPLE, simple_panel_, 0);
    if (simple_panel_)
        SendMessageW(handle_, SB_SETTEXTW, SB_SIMPLEID | reading,
                     reinterpret_cast<LPARAM>(simple_text_.c_str()));
}

void TStatusBar::WndProc(TMessage& msg) {
    if (msg.Msg == CN_DRAWITEM) {
        DrawPanel(*reinterpret_cast<const DRAWITEMSTRUCT*>(msg.LParam));
        msg.Result = TRUE;
        return;
    }
    TWinControl::WndProc(msg);
}

void TStatusBar::DrawPanel(const DRAWITEMSTRUCT& item) {
    TStatusPanel* panel = panels_->Item(static_cast<int>(item.itemID));
    if (!panel || !OnDrawPanel) return;
    TCanvas canvas(item.hDC);
    canvas.Font.Assign(*font_);
    OnDrawPanel(this, panel, canvas, item.rcItem);
}

void TStatusBar::ScaleContents(int dpi, int fromDpi) {
    TWinControl::ScaleContents(dpi, fromDpi);
    ScaleItemWidths(*panels_, dpi, fromDpi);
}

} // namespace ui
