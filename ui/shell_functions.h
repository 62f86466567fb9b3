// The shell's functions (shell32.dll) the program calls: the notification-area icon and
// opening a file or an address. Nothing before the first window needs the shell, so its
// library is loaded the first time one of these is called, not with the program.
#pragma once

#include <windows.h>

#include <shellapi.h>

namespace ui {

// Shell_NotifyIconA; FALSE where the shell's library cannot be loaded.
BOOL ShellNotifyIconA(DWORD message, NOTIFYICONDATAA* data);

// ShellExecuteW; SE_ERR_DLLNOTFOUND where the shell's library cannot be loaded.
HINSTANCE ShellExecuteFileW(HWND owner, const wchar_t* verb, const wchar_t* file,
                            const wchar_t* parameters, const wchar_t* directory, int show);

} // namespace ui
