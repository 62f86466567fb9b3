// The collector's messages to the user: a topmost information box owned by the application
// window.
#pragma once

#include <string>

#include "collector/effects.h"

namespace collector {

inline constexpr wchar_t kInfoCaption[] = L"提示";

// Shows the text with the caption "提示", OK and the information icon, above every window;
// returns when the user dismisses it.
int ShowTopInfo(const std::wstring& Text, Effects& effects = RealEffects());

} // namespace collector
