#include "collector/kivDialogs.h"

#include "collector/application_window.h"

namespace collector {

int ShowTopInfo(const std::wstring& Text, Effects& effects) {
    return effects.ShowMessage(ApplicationWindow(), Text, kInfoCaption,
                               MB_OK | MB_ICONINFORMATION | MB_TOPMOST);
}

} // namespace collector
