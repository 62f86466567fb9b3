// The program's application window: it opens the clipboard for every access (so the
// clipboard's owner after our writes is this window) and owns the program's message boxes.
#pragma once

#include <windows.h>

namespace collector {

void SetApplicationWindow(HWND wnd);
HWND ApplicationWindow();

} // namespace collector
