// Opening a file or a web address through the shell.
#pragma once

#include <string>

#include "collector/effects.h"

namespace collector {

// Opens `File` with the shell's default verb, its path part as the working folder, shown
// normally, owned by the active window. True when the shell reports success.
bool OpenWithShell(const std::wstring& File, const std::wstring& Parameters,
                   Effects& effects = RealEffects());

} // namespace collector
