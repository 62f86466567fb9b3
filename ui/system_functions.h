// System functions looked up at run time: those of newer systems than the oldest one the
// program runs on, and those of libraries only needed after the start, which would otherwise
// be loaded with the program and delay its first window.
#pragma once

#include <windows.h>

namespace ui {

// `function` set to the module's function `name`, or null where the module lacks it.
template <typename F> void ResolveFunction(HMODULE module, const char* name, F& function) {
    function = reinterpret_cast<F>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

// A library of the system's folder, loaded for the rest of the process (null where it is
// missing), so the functions resolved from it may be kept.
HMODULE LoadSystemLibrary(const wchar_t* name);

} // namespace ui
