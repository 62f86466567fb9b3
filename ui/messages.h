// The library's message record and its own notifications: the range from 0xB000 (control
// notifications) and the reflected control messages from 0xBC00. The skin engine reads
// these numbers, so they are fixed.
#pragma once
#include <cstdint>

namespace ui {

// One window message as handlers see it; they read and write it in place.
struct TMessage {
    std::uint32_t Msg = 0;
    std::uintptr_t WParam = 0;
    std::intptr_t LParam = 0;
    std::intptr_t Result = 0;
};

inline constexpr std::uint32_t CM_BASE = 0xB000;
inline constexpr std::uint32_t CM_ACTIVATE = CM_BASE + 0;
inline constexpr std::uint32_t CM_DEACTIVATE = CM_BASE + 1;
inline constexpr std::uint32_t CM_DIALOGKEY = CM_BASE + 5;
inline constexpr std::uint32_t CM_DIALOGCHAR = CM_BASE + 6;
inline constexpr std::uint32_t CM_FOCUSCHANGED = CM_BASE + 7;
inline constexpr std::uint32_t CM_PARENTFONTCHANGED = CM_BASE + 8;
inline constexpr std::uint32_t CM_PARENTCOLORCHANGED = CM_BASE + 9;
inline constexpr std::uint32_t CM_VISIBLECHANGED = CM_BASE + 11;
inline constexpr std::uint32_t CM_ENABLEDCHANGED = CM_BASE + 12;
inline constexpr std::uint32_t CM_COLORCHANGED = CM_BASE + 13;
inline constexpr std::uint32_t CM_FONTCHANGED = CM_BASE + 14;
inline constexpr std::uint32_t CM_CURSORCHANGED = CM_BASE + 15;
inline constexpr std::uint32_t CM_TEXTCHANGED = CM_BASE + 18;
inline constexpr std::uint32_t CM_MOUSEENTER = CM_BASE + 19;
inline constexpr std::uint32_t CM_MOUSELEAVE = CM_BASE + 20;
inline constexpr std::uint32_t CM_MENUCHANGED = CM_BASE + 21;
inline constexpr std::uint32_t CM_EXIT = CM_BASE + 27;
inline constexpr std::uint32_t CM_ENTER = CM_BASE + 26;
inline constexpr std::uint32_t CM_RELEASE = CM_BASE + 33;
inline constexpr std::uint32_t CM_RECREATEWND = CM_BASE + 51;
// A form's density changed (ui::TForm::ScaleForDpi, or the system's WM_DPICHANGED): wParam is
// the new density, lParam the old one. Sent through the form's WindowProc once its controls,
// fonts and measures are at the new density and before the window takes its new size, so a
// frame drawn by whoever hooks the form can take the new density first.
inline constexpr std::uint32_t CM_DPICHANGED = CM_BASE + 60;
// The window of a child control that was hidden when its parent's window was made, and so got
// none then, has been made (the control was shown, or its window asked for): sent to the window
// of the control's form once the new window has its font, its state, its place among its
// siblings and its own children; lParam is the new window. Whoever hooks the form (its skinner)
// hears of controls that had no window when it looked.
inline constexpr std::uint32_t CM_DEFERREDWINDOWMADE = CM_BASE + 61;

// A control message the parent received on behalf of a child comes back to the child as
// CN_BASE + the message number.
inline constexpr std::uint32_t CN_BASE = 0xBC00;
inline constexpr std::uint32_t CN_COMMAND = CN_BASE + 0x0111;
inline constexpr std::uint32_t CN_NOTIFY = CN_BASE + 0x004E;
inline constexpr std::uint32_t CN_DRAWITEM = CN_BASE + 0x002B;
inline constexpr std::uint32_t CN_MEASUREITEM = CN_BASE + 0x002C;
inline constexpr std::uint32_t CN_HSCROLL = CN_BASE + 0x0114;
inline constexpr std::uint32_t CN_VSCROLL = CN_BASE + 0x0115;
inline constexpr std::uint32_t CN_CTLCOLOREDIT = CN_BASE + 0x0133;
inline constexpr std::uint32_t CN_CTLCOLORLISTBOX = CN_BASE + 0x0134;
inline constexpr std::uint32_t CN_CTLCOLORBTN = CN_BASE + 0x0135;
inline constexpr std::uint32_t CN_CTLCOLORSTATIC = CN_BASE + 0x0138;

} // namespace ui
