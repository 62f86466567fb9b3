// The paste actions on the collected texts: put a text on the clipboard, bring the target
// window to the front and type Ctrl+V. The list box's selection stays with the window.
#pragma once

#include <windows.h>

#include <cstddef>
#include <optional>

#include "collector/collection.h"
#include "collector/effects.h"

namespace collector {

// "粘  贴" and F4: entry `index` into `target` (clipboard errors pass out, leaving the suppress
// flag set and nothing typed).
void PasteEntry(Collection& list, std::size_t index, HWND target, Effects& effects = RealEffects());

// "全部粘贴": every entry joined with nothing between them (the empty text for an empty list).
void PasteAll(Collection& list, HWND target, Effects& effects = RealEffects());

// The key typed after a hotkey paste, when there is one: press, then release.
void TypeKey(std::optional<WORD> key, Effects& effects = RealEffects());

// One step of F5: entry `index` is pasted as by PasteEntry, followed by `after_key`, and the
// pause waits until the target took the text, so the next step cannot overwrite it first.
void PasteInTurn(Collection& list, std::size_t index, HWND target, std::optional<WORD> after_key,
                 Effects& effects = RealEffects());

} // namespace collector
