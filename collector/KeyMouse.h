// Synthesised keystrokes for the window in front: one press, one release, and Ctrl+V.
#pragma once

#include <windows.h>

#include "collector/effects.h"

namespace collector {

// Key down with its scan code, flagged as an extended key whatever the key.
void PressKey(WORD Key, Effects& effects = RealEffects());
// Key up, likewise flagged as extended.
void ReleaseKey(WORD Key, Effects& effects = RealEffects());
// Ctrl down, V down, Ctrl up, V up, with nothing between them.
void SendCtrlV(Effects& effects = RealEffects());

} // namespace collector
