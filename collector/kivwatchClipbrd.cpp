#include "collector/kivwatchClipbrd.h"

#include "collector/format_probe.h"

namespace collector {

TkivwatchClipbrd::TkivwatchClipbrd(HWND Owner, Clipboard& clipboard)
    : clipboard_(clipboard), own_(Owner) {
    // What was on the clipboard before we started is not ours to collect.
    clipboard_.Empty();
    next_ = SetClipboardViewer(own_);
}

TkivwatchClipbrd::~TkivwatchClipbrd() {
    ChangeClipboardChain(own_, next_);
    SendMessageW(next_, WM_CHANGECBCHAIN, reinterpret_cast<WPARAM>(own_),
                 reinterpret_cast<LPARAM>(next_));
}

LRESULT TkivwatchClipbrd::HandleChangeCBChain(UINT msg, WPARAM wparam, LPARAM lparam) {
    if (reinterpret_cast<HWND>(wparam) == next_) {
        next_ = reinterpret_cast<HWND>(lparam);
    } else {
        PassOn(msg, wparam, lparam);
    }
    return 0;
}

int TkivwatchClipbrd::HandleDrawClipboard(UINT msg, WPARAM wparam, LPARAM lparam) {
    const int probe = ProbeFormats([this](unsigned f) { return clipboard_.HasFormat(f); });
    PassOn(msg, wparam, lparam);
    return probe;
}

std::wstring TkivwatchClipbrd::ReadClipboardText() {
    return clipboard_.CapturedText();
}

void TkivwatchClipbrd::PassOn(UINT msg, WPARAM wparam, LPARAM lparam) const {
    // A next viewer of 0 (we are last) reaches no window; a viewer that went away unannounced
    // fails the send, which changes nothing for us.
    if (next_) SendMessageW(next_, msg, wparam, lparam);
}

} // namespace collector
