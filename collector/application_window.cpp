#include "collector/application_window.h"

namespace collector {

namespace {
HWND application_window = nullptr;
}

void SetApplicationWindow(HWND wnd) {
    application_window = wnd;
}

HWND ApplicationWindow() {
    return application_window;
}

} // namespace collector
