// The hint window.
#include "hint_window.h"

#include "application.h"

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
    color_ = clSystemColor | COLOR_INFOBK;
    parent_font_ = false;
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof(metrics);
    if (SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0))
        font_->SetHandleFromLogFont(metrics.lfStatusFont);
    font_->SetColor(clSystemColor | COLOR_INFOTEXT);
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
    HDC dc = GetDC(nullptr);
    HGDIOBJ old = SelectObject(dc, font_->Handle());
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &r, kTextFormat | DT_CALCRECT);
    SelectObject(dc, old);
    ReleaseDC(nullptr, dc);
    // Room for the border and a margin around the text.
    r.right += 6;
    r.bottom += 2;
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
    HGDIOBJ old = SelectObject(dc, font_->Handle());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, ColorToRGB(font_->Color()));
    DrawTextW(dc, text_.c_str(), static_cast<int>(text_.size()), &r, kTextFormat);
    SelectObject(dc, old);
}

} // namespace ui
