// Typed readers of a message's parameters: a handler says what it reads (a point, a device
// context, a window, a record) instead of casting WParam and LParam itself.
#pragma once

#include "ui/messages.h"

#include <windows.h>

#include <cstdint>

namespace ui {

// The point packed in the LParam of a mouse, hit-test or menu message, in the coordinates the
// message uses. Each half is signed: a point left of or above the primary monitor (or of a
// client area, while the mouse is captured) is negative.
inline POINT PointParam(std::intptr_t lparam) {
    return {static_cast<short>(LOWORD(lparam)), static_cast<short>(HIWORD(lparam))};
}
inline POINT PointParam(const TMessage& m) {
    return PointParam(m.LParam);
}

// The device context in WParam: WM_PAINT (none: paint with BeginPaint), WM_ERASEBKGND,
// WM_PRINT, WM_PRINTCLIENT, WM_CTLCOLOR*, and the skin's own paint requests.
inline HDC DcParam(const TMessage& m) {
    return reinterpret_cast<HDC>(m.WParam);
}

// A window handle in WParam (the skin's notifications about a control) or in LParam
// (WM_CTLCOLOR*, WM_CAPTURECHANGED, a control's WM_COMMAND).
inline HWND WindowWParam(const TMessage& m) {
    return reinterpret_cast<HWND>(m.WParam);
}
inline HWND WindowLParam(const TMessage& m) {
    return reinterpret_cast<HWND>(m.LParam);
}

// The menu in WParam: WM_INITMENUPOPUP, WM_UNINITMENUPOPUP.
inline HMENU MenuParam(const TMessage& m) {
    return reinterpret_cast<HMENU>(m.WParam);
}

// The record LParam points to: NCCALCSIZE_PARAMS, WINDOWPOS, DRAWITEMSTRUCT, NMHDR ...
template <class T> T* RecordParam(const TMessage& m) {
    return reinterpret_cast<T*>(m.LParam);
}

// The low word of WParam: a command's identifier, a scroll request, a size request.
inline unsigned LowWordParam(const TMessage& m) {
    return LOWORD(m.WParam);
}

} // namespace ui
