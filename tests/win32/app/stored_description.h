// The main window's description as Pellico.exe carries it, for tests that make the window.
#pragma once

#include "tests/support/child_process.h"
#include "tests/support/desktop.h"
#include "ui/resource_data.h"

#include <windows.h>

#include <string>

inline std::string StoredDescription() {
    const std::wstring exe = testing_desktop::WindowsPath(testing_desktop::PellicoExe());
    HMODULE module = LoadLibraryExW(exe.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    if (!module) return {};
    std::string text(ui::RcData(module, L"TFORM1"));
    FreeLibrary(module);
    return text;
}
