// Windows of the control skinners' own classes (the scroll-bar overlays, the picker's arrow
// button, the media player's strip): each is made by an object whose `Proc` gets its messages
// from its creation on, and which lets go of it before it goes itself.
#pragma once

#include <windows.h>

// Registers the class once: double clicks arrive as presses, the arrow cursor.
void RegisterOwnWindowClass(const wchar_t* className, WNDPROC proc);

// No message reaches the object any more (it is going; the window may outlive it a moment).
void ReleaseOwnWindow(HWND window);

// The window procedure of T's windows: the object from the creation parameters, every message
// to T::Proc. What the skinner's own handling throws is dropped; the window goes on.
template <class T> LRESULT CALLBACK OwnWindowProc(HWND window, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_NCCREATE) {
        const auto* cs = reinterpret_cast<const CREATESTRUCTW*>(lp);
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(cs->lpCreateParams));
    }
    auto* self = reinterpret_cast<T*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (!self || msg == WM_NCDESTROY) {
        if (self) SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        return DefWindowProcW(window, msg, wp, lp);
    }
    try {
        return self->Proc(window, msg, wp, lp);
    } catch (...) {
        return 0;
    }
}

// A window of class `className` whose messages go to `self`, hidden and empty until placed.
template <class T>
HWND CreateOwnWindow(T* self, const wchar_t* className, DWORD exStyle, DWORD style, HWND parent) {
    RegisterOwnWindowClass(className, &OwnWindowProc<T>);
    return CreateWindowExW(exStyle, className, L"", style, 0, 0, 0, 0, parent, nullptr,
                           GetModuleHandleW(nullptr), self);
}
