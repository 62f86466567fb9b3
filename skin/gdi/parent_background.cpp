// Parent backgrounds painted into a control's DC.
#include "skin/gdi/parent_background.h"

#include "ui/win_handles.h"

void PaintParentBackground(HWND parent, const RECT& bounds, HDC dc) {
    if (!parent) return;
    const ui::SavedDC saved(dc);
    POINT origin{};
    GetViewportOrgEx(dc, &origin);
    SetViewportOrgEx(dc, origin.x - bounds.left, origin.y - bounds.top, nullptr);
    IntersectClipRect(dc, bounds.left, bounds.top, bounds.right, bounds.bottom);
    const auto wParam = reinterpret_cast<WPARAM>(dc);
    SendMessageW(parent, WM_ERASEBKGND, wParam, 0);
    SendMessageW(parent, WM_PAINT, wParam, 0);
}

void PaintParentBackground(HWND control, HDC dc) {
    const HWND parent = GetParent(control);
    if (!parent) return;
    RECT bounds{};
    GetWindowRect(control, &bounds);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&bounds), 2);
    PaintParentBackground(parent, bounds, dc);
}
