#include "collector/KivUseDll.h"

#include <windows.h>

#include "collector/shell_path.h"

namespace collector {

bool OpenWithShell(const std::wstring& File, const std::wstring& Parameters, Effects& effects) {
    return effects.OpenShell(GetActiveWindow(), File, Parameters, ShellDirectory(File),
                             SW_SHOWNORMAL) > 32;
}

} // namespace collector
