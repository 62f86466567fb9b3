#include "KivUseDll.h"

#include <windows.h>

#include "shell_path.h"

namespace collector {

bool OpenWithShell(const std::wstring& File, const std::wstring& Parameters, Effects& effects) {
    return effects.OpenShell(GetActiveWindow(), File, Parameters, ShellDirectory(File),
                             SW_SHOWNORMAL) > 32;
}

} // namespace collector
