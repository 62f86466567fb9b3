// The control skinners' own window classes.
#include "own_window.h"

#include <set>
#include <string>

void RegisterOwnWindowClass(const wchar_t* className, WNDPROC proc) {
    static std::set<std::wstring> registered;
    if (registered.count(className)) return;
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof(wc);
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = proc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.lpszClassName = className;
    if (RegisterClassExW(&wc) || GetLastError() == ERROR_CLASS_ALREADY_EXISTS)
        registered.insert(className);
}

void ReleaseOwnWindow(HWND window) {
    if (window && IsWindow(window)) SetWindowLongPtrW(window, GWLP_USERDATA, 0);
}
