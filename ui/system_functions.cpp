// Libraries of the system's folder, loaded by their full path.
#include "ui/system_functions.h"

#include <string>

namespace ui {

HMODULE LoadSystemLibrary(const wchar_t* name) {
    // By its full path, so no file of that name in the program's folder or the current one
    // is taken for it (a 32-bit program on a 64-bit system is given its own system folder).
    wchar_t folder[MAX_PATH];
    const UINT length = GetSystemDirectoryW(folder, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return nullptr;
    const std::wstring path = std::wstring(folder, length) + L"\\" + name;
    return LoadLibraryW(path.c_str());
}

} // namespace ui
