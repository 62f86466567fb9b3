// Window classes of the library: one per control class, named after it, superclassing the
// system class the control wraps so the window keeps the system's behaviour.
#include "win_control.h"

#include <map>
#include <stdexcept>

namespace ui {

WNDPROC RegisterControlClass(const TCreateParams& params) {
    static std::map<std::wstring, WNDPROC> registered;
    auto it = registered.find(params.win_class_name);
    if (it != registered.end()) return it->second;

    HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSW wc{};
    WNDPROC default_proc = DefWindowProcW;
    if (!params.system_class.empty()) {
        if (!GetClassInfoW(nullptr, params.system_class.c_str(), &wc))
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
