// The hint window: the application's control hints and the skin's caption-button hints.
#include "ui/hint_window.h"

#include "ui/application.h"
#include "ui/scale_measure.h"
#include "ui/window_dpi.h"

#include <cstddef>

namespace ui {

namespace {
// DT_EDITCONTROL breaks a word longer than the width too, so no hint grows past it.
constexpr UINT kTextFormat = DT_LEFT | DT_WORDBREAK | DT_EDITCONTROL | DT_NOPREFIX;
} // namespace

std::wstring GetShortHint(const std::wstring& hint) {
    return hint.substr(0, hint.find(L'|'));
}

THintWindow::THintWindow(TComponent* owner) : TWinControl(owner) {
    visible_ = false;
    color_ = clInfoBk;
    parent_font_ = false;
    SetDpi(kBaseDpi);
    font_->SetColor(clInfoText);
}

void THintWindow::SetDpi(int dpi) {
    if (dpi == dpi_) return;
    dpi_ = dpi;
    // Hints are written in the status-bar font, as the system's own tooltips are.
    font_->SetHandleFromLogFont(NonClientMetricsAtDpi(dpi).lfStatusFont);
}

const TClassInfo& THintWindow::StaticClass() {
    static const TClassInfo info(L"THintWindow", &TWinControl::StaticClass());
    return info;
}

void THintWindow::CreateParams(TCreateParams& p) {
    TWinControl::CreateParams(p);
    p.style = WS_POPUP | WS_BORDER;
    p.ex_style = WS_EX_TOOLWINDOW | WS_EX_TOPMOST;
    p.parent = Application ? Application->Handle() : nullptr;
    p.class_style |= CS_SAVEBITS;
}

RECT THintWindow::CalcHintRect(int max_width, const std::wstring& text) {
    RECT r{0, 0, max_width, 0};
    {
        const WindowDC screen(nullptr);
        const Selection font(screen.dc(), font_->Handle());
        DrawTextW(screen.dc(), text.c_str(), static_cast<int>(text.size()), &r,
                  kTextFormat | DT_CALCRECT);
    }
    // Room for the border and a margin around the text.
    r.right += ScaleMeasure(6, dpi_);
    r.bottom += ScaleMeasure(2, dpi_);
    return r;
}

void THintWindow::ActivateHint(const RECT& rect, const std::wstring& text) {
    text_ = text;
    HWND wnd = Handle();
    SetWindowTextW(wnd, text.c_str());
    left_ = rect.left, top_ = rect.top;
    width_ = rect.right - rect.left, height_ = rect.bottom - rect.top;
    SetWindowPos(wnd, HWND_TOPMOST, rect.left, rect.top, width_, height_,
                 SWP_SHOWWINDOW | SWP_NOACTIVATE);
    visible_ = true;
    InvalidateRect(wnd, nullptr, TRUE);
}

void THintWindow::ReleaseHint() {
    visible_ = false;
    if (handle_) ShowWindow(handle_, SW_HIDE);
}

bool THintWindow::Showing() const {
    return handle_ && IsWindowVisible(handle_);
}

void THintWindow::PaintWindow(HDC dc) {
    RECT r;
    GetClientRect(handle_, &r);
    r.left += 2, r.top += 1;
    const Selection font(dc, font_->Handle());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, ColorRef(font_->Color()));
    DrawTextW(dc, text_.c_str(), static_cast<int>(text_.size()), &r, kTextFormat);
}

void THintWindow::WndProc(TMessage& msg) {
    // The mouse goes through to whatever is under the hint (the caption button it is about).
    if (msg.Msg == WM_NCHITTEST) {
        msg.Result = HTTRANSPARENT;
        return;
    }
    TWinControl::WndProc(msg);
}

} // namespace ui
