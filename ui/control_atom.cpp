// The window property that names a window's control object. Its name carries the module
// instance and the thread, so each module and thread tags its own windows, and the skin
// engine, which registers the same name, finds them.
#include "ui/control.h"

#include <cstdio>
#include <unordered_map>

namespace ui {

namespace {

// The windows this thread tagged, with their control objects: what the property says, read
// without asking the system for the property (a call into the window manager's server under
// Wine) at every message a control's window gets.
thread_local std::unordered_map<HWND, TControl*> tagged_windows;

} // namespace

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

void TagWindow(HWND wnd, TControl* control) {
    SetPropW(wnd, MAKEINTATOM(ControlAtom()), control);
    tagged_windows[wnd] = control;
}

void UntagWindow(HWND wnd) {
    RemovePropW(wnd, MAKEINTATOM(ControlAtom()));
    tagged_windows.erase(wnd);
}

TControl* FindControl(HWND wnd) {
    if (!wnd) return nullptr;
    const auto it = tagged_windows.find(wnd);
    return it == tagged_windows.end() ? nullptr : it->second;
}

} // namespace ui
