// The window property that names a window's control object. Its name carries the module
// instance and the thread, so each module and thread tags its own windows, and the skin
// engine, which registers the same name, finds them.
#include "ui/control.h"

#include <cstdio>

namespace ui {

std::wstring ControlAtomName() {
    wchar_t name[32];
    std::swprintf(
        name, 32, L"ControlOfs%.8X%.8X",
        static_cast<unsigned>(reinterpret_cast<std::uintptr_t>(GetModuleHandleW(nullptr))),
        static_cast<unsigned>(GetCurrentThreadId()));
    return name;
}

ATOM ControlAtom() {
    thread_local ATOM atom = GlobalAddAtomW(ControlAtomName().c_str());
    return atom;
}

TControl* FindControl(HWND wnd) {
    if (!wnd) return nullptr;
    return static_cast<TControl*>(GetPropW(wnd, MAKEINTATOM(ControlAtom())));
}

} // namespace ui
