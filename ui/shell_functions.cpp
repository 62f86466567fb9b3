// The shell's functions, from its library loaded at the first call.
#include "ui/shell_functions.h"

#include "ui/system_functions.h"

namespace ui {
namespace {

HMODULE Shell32() {
    static const HMODULE module = LoadSystemLibrary(L"shell32.dll");
    return module;
}

// The shell's function `name`, or null where there is none.
template <typename F> F ShellFunction(const char* name) {
    F function = nullptr;
    if (HMODULE module = Shell32()) ResolveFunction(module, name, function);
    return function;
}

} // namespace

BOOL ShellNotifyIconA(DWORD message, NOTIFYICONDATAA* data) {
    using Notify = BOOL(WINAPI*)(DWORD, NOTIFYICONDATAA*);
    static const Notify notify = ShellFunction<Notify>("Shell_NotifyIconA");
    return notify ? notify(message, data) : FALSE;
}

HINSTANCE ShellExecuteFileW(HWND owner, const wchar_t* verb, const wchar_t* file,
                            const wchar_t* parameters, const wchar_t* directory, int show) {
    using Execute = HINSTANCE(WINAPI*)(HWND, LPCWSTR, LPCWSTR, LPCWSTR, LPCWSTR, INT);
    static const Execute execute = ShellFunction<Execute>("ShellExecuteW");
    if (!execute) return reinterpret_cast<HINSTANCE>(static_cast<INT_PTR>(SE_ERR_DLLNOTFOUND));
    return execute(owner, verb, file, parameters, directory, show);
}

} // namespace ui
