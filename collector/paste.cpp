#include "collector/paste.h"

#include "collector/KeyMouse.h"

namespace collector {

namespace {

void PasteFromClipboard(HWND target, Effects& effects) {
    effects.BringToFront(target);
    SendCtrlV(effects);
}

} // namespace

void PasteEntry(Collection& list, std::size_t index, HWND target, Effects& effects) {
    list.SetSuppressNextCapture();
    effects.WriteClipboard(list.Entry(index));
    PasteFromClipboard(target, effects);
}

void PasteAll(Collection& list, HWND target, Effects& effects) {
    list.SetSuppressNextCapture();
    effects.WriteClipboard(list.Joined());
    PasteFromClipboard(target, effects);
}

void TypeKey(std::optional<WORD> key, Effects& effects) {
    if (!key) return;
    PressKey(*key, effects);
    ReleaseKey(*key, effects);
}

void PasteInTurn(Collection& list, std::size_t index, HWND target, std::optional<WORD> after_key,
                 Effects& effects) {
    list.SetSuppressNextCapture();
    effects.WriteClipboardOnRequest(list.Entry(index));
    PasteFromClipboard(target, effects);
    list.SetSuppressNextCapture();
    TypeKey(after_key, effects);
    effects.WaitForPaste();
}

} // namespace collector
