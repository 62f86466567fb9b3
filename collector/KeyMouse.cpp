#include "collector/KeyMouse.h"

namespace collector {

namespace {

void KeyEvent(WORD key, DWORD flags, Effects& effects) {
    const auto scan = static_cast<BYTE>(MapVirtualKeyW(key, MAPVK_VK_TO_VSC));
    effects.KeyEvent(static_cast<BYTE>(key), scan, flags);
}

} // namespace

void PressKey(WORD Key, Effects& effects) {
    KeyEvent(Key, KEYEVENTF_EXTENDEDKEY, effects);
}

void ReleaseKey(WORD Key, Effects& effects) {
    KeyEvent(Key, KEYEVENTF_EXTENDEDKEY | KEYEVENTF_KEYUP, effects);
}

void SendCtrlV(Effects& effects) {
    PressKey(VK_CONTROL, effects);
    PressKey('V', effects);
    ReleaseKey(VK_CONTROL, effects);
    ReleaseKey('V', effects);
}

} // namespace collector
