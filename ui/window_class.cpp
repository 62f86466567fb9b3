// Window classes of the library: one per control class, named after it, superclassing the
// system class the control wraps so the window keeps the system's behaviour.
#include "ui/win_control.h"

#include <commctrl.h>

#include <map>
#include <stdexcept>

namespace ui {

namespace {

// The common controls (progress bars, track bars, tabs, headers, list views, date pickers...)
// register their classes only when asked; the first control that wraps one asks for all of them.
bool FindSystemClass(const std::wstring& name, WNDCLASSW& wc) {
    if (GetClassInfoW(nullptr, name.c_str(), &wc)) return true;
    INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_WIN95_CLASSES | ICC_DATE_CLASSES |
                                              ICC_USEREX_CLASSES | ICC_COOL_CLASSES |
                                              ICC_STANDARD_CLASSES};
    return InitCommonControlsEx(&icc) && GetClassInfoW(nullptr, name.c_str(), &wc);
}

} // namespace

WNDPROC RegisterControlClass(const TCreateParams& params) {
    static std::map<std::wstring, WNDPROC> registered;
    auto it = registered.find(params.win_class_name);
    if (it != registered.end()) return it->second;

    HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSW wc{};
    WNDPROC default_proc = DefWindowProcW;
    if (!params.system_class.empty()) {
        if (!FindSystemClass(params.system_class, wc))
            throw std::runtime_error("Unknown system window class");
        default_proc = wc.lpfnWndProc;
    } else {
        wc.style = params.class_style;
        wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    }
    // CS_GLOBALCLASS would make the class visible to other modules; ours stay private.
    wc.style &= ~static_cast<UINT>(CS_GLOBALCLASS);
    wc.lpfnWndProc = ControlWndProc;
    wc.hInstance = instance;
    wc.lpszClassName = params.win_class_name.c_str();
    if (!RegisterClassW(&wc) && GetLastError() != ERROR_CLASS_ALREADY_EXISTS)
        throw std::runtime_error("Could not register a window class");
    registered[params.win_class_name] = default_proc;
    return default_proc;
}

} // namespace ui
