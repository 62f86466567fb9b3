// How a program whose windows the skin engine dresses runs: form skinning switched on, the
// application object, `start` (which makes the main form, as a rule from the program's stored
// description), the message loop until the main form closes, and, once every window is gone,
// the manager's hook and whatever skinners are left.
#pragma once

#include "ui/application.h"

#include <functional>

// The program's exit code: 0, or 1 when starting or running failed (the error box said why).
int RunSkinnedProgram(const std::function<void(ui::TApplication&)>& start);
