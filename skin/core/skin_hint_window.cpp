// Caption-button hint window.
#include "skin_hint_window.h"

namespace {

constexpr wchar_t kClassName[] = L"TSkinHintWindow";
constexpr int kPadding = 2; // text inset inside the one-pixel border

} // namespace

TSkinHintWindow::~TSkinHintWindow() {
    if (wnd_) DestroyWindow(wnd_);
    if (font_) DeleteObject(font_);
}

void TSkinHintWindow::HandleNeeded() {
    if (wnd_) return;
    static const bool registered = [] {
        WNDCLASSW wc{};
        wc.style = CS_SAVEBITS;
        wc.lpfnWndProc = WndProc;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
        wc.lpszClassName = kClassName;
        return RegisterClassW(&wc) != 0;
    }();
    (void)registered;
    // Hints are written in the status-bar font, as the system's own tooltips are.
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = offsetof(NONCLIENTMETRICSW, iPaddedBorderWidth);
    SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, metrics.cbSize, &metrics, 0);
    font_ = CreateFontIndirectW(&metrics.lfStatusFont);
    wnd_ = CreateWindowExW(WS_EX_TOOLWINDOW | WS_EX_TOPMOST, kClassName, L"", WS_POPUP | WS_BORDER,
                           0, 0, 0, 0, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    if (wnd_) SetWindowLongPtrW(wnd_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

RECT TSkinHintWindow::CalcHintRect(int maxWidth, const std::wstring& text) {
    HandleNeeded();
    RECT r{0, 0, maxWidth, 0};
    const HDC dc = GetDC(wnd_);
    const HGDIOBJ old = SelectObject(dc, font_);
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &r,
              DT_CALCRECT | DT_LEFT | DT_WORDBREAK | DT_NOPREFIX);
    SelectObject(dc, old);
    ReleaseDC(wnd_, dc);
    r.right += 2 * (kPadding + 1);
    r.bottom += 2 * (kPadding + 1);
    return r;
}

void TSkinHintWindow::ActivateHint(const RECT& rect, const std::wstring& text) {
    HandleNeeded();
    text_ = text;
    SetWindowPos(wnd_, HWND_TOPMOST, rect.left, rect.top, rect.right - rect.left,
                 rect.bottom - rect.top, SWP_NOACTIVATE | SWP_SHOWWINDOW);
    InvalidateRect(wnd_, nullptr, TRUE);
    UpdateWindow(wnd_);
}

void TSkinHintWindow::Hide() {
    if (wnd_) ShowWindow(wnd_, SW_HIDE);
}

LRESULT CALLBACK TSkinHintWindow::WndProc(HWND wnd, UINT msg, WPARAM wp, LPARAM lp) {
    auto* self = reinterpret_cast<TSkinHintWindow*>(GetWindowLongPtrW(wnd, GWLP_USERDATA));
    if (msg == WM_NCHITTEST) return HTTRANSPARENT;
    if (msg == WM_PAINT && self) {
        PAINTSTRUCT ps;
        const HDC dc = BeginPaint(wnd, &ps);
        RECT r;
        GetClientRect(wnd, &r);
        FillRect(dc, &r, GetSysColorBrush(COLOR_INFOBK));
        InflateRect(&r, -kPadding, -kPadding);
        const HGDIOBJ old = SelectObject(dc, self->font_);
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, GetSysColor(COLOR_INFOTEXT));
        DrawTextW(dc, self->text_.c_str(), static_cast<int>(self->text_.size()), &r,
                  DT_LEFT | DT_WORDBREAK | DT_NOPREFIX);
        SelectObject(dc, old);
        EndPaint(wnd, &ps);
        return 0;
    }
    return DefWindowProcW(wnd, msg, wp, lp);
}
