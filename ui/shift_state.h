// Shift states: which modifier keys and mouse buttons were down, one encoding for every mouse
// and key event the library and its components fire.
#pragma once
#include <cstdint>

namespace ui {

enum TShiftBits : unsigned {
    ssShift = 0x01,
    ssAlt = 0x02,
    ssCtrl = 0x04,
    ssLeft = 0x08,
    ssRight = 0x10,
    ssMiddle = 0x20,
    ssDouble = 0x40,
};
using TShiftState = unsigned;

#ifdef _WIN32
// The shift state of a mouse message from the key flags in its wParam (the MK_* bits); Alt,
// which those flags lack, from the keyboard.
TShiftState KeysToShiftState(std::uintptr_t keys);
// Shift, Ctrl and Alt as the keyboard has them now.
TShiftState KeyboardShiftState();
#endif

} // namespace ui
