// The main window's description as Pellico.exe carries it, for tests that make the window.
#pragma once

#include "child_process.h"
#include "desktop.h"

#include <windows.h>

#include <string>

inline std::string StoredDescription() {
    const std::wstring exe = testing_desktop::WindowsPath(testing_desktop::PellicoExe());
    HMODULE module = LoadLibraryExW(exe.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    if (!module) return {};
    std::string text;
    if (HRSRC info = FindResourceW(module, L"TFORM1", MAKEINTRESOURCEW(10))) {
        if (const void* bytes = LockResource(LoadResource(module, info)))
            text.assign(static_cast<const char*>(bytes), SizeofResource(module, info));
    }
    FreeLibrary(module);
    return text;
}
