// Off-screen surfaces and the white-lined frame of the control skinners.
#include "skin/controls/base/control_paint.h"

#include "ui/win_handles.h"

HDC TOffscreen::Prepare(int width, int height) {
    if (dib_.Width() != width || dib_.Height() != height) dib_ = TDib(width, height);
    return dib_.Dc();
}

void TOffscreen::CopyTo(HDC dc, const RECT& target) const {
    if (dib_.Empty()) return;
    BitBlt(dc, target.left, target.top, dib_.Width(), dib_.Height(), dib_.Dc(), 0, 0, SRCCOPY);
}

void FrameWithWhiteLine(HDC dc, const RECT& r, COLORREF border) {
    const ui::GdiHandle<HBRUSH> line(CreateSolidBrush(border));
    const ui::GdiHandle<HBRUSH> white(CreateSolidBrush(RGB(255, 255, 255)));
    RECT inner = r;
    FrameRect(dc, &inner, line.get());
    InflateRect(&inner, -1, -1);
    FrameRect(dc, &inner, white.get());
}
