// Membership of the clipboard viewer chain: joined for the watcher's lifetime, chain messages
// passed on to the next viewer, and what kind of data the clipboard holds after each change.
#pragma once

#include <windows.h>

#include <string>

#include "collector/clipboard.h"

namespace collector {

class TkivwatchClipbrd {
public:
    // Empties the clipboard (ClipboardError when it cannot be opened; the chain is then not
    // joined) and joins the chain with `Owner`. Joining sends `Owner` a first WM_DRAWCLIPBOARD
    // before the constructor returns; the owner cannot reach the watcher yet and lets it be.
    explicit TkivwatchClipbrd(HWND Owner, Clipboard& clipboard = Clipboard::Instance());
    // Leaves the chain and tells the next viewer so.
    ~TkivwatchClipbrd();
    TkivwatchClipbrd(const TkivwatchClipbrd&) = delete;
    TkivwatchClipbrd& operator=(const TkivwatchClipbrd&) = delete;

    // WM_CHANGECBCHAIN: follows the chain or passes the message on; the message result is 0.
    LRESULT HandleChangeCBChain(UINT msg, WPARAM wparam, LPARAM lparam);
    // WM_DRAWCLIPBOARD: probes the formats, passes the message on, returns the probe result
    // (1 exactly when the clipboard holds text).
    int HandleDrawClipboard(UINT msg, WPARAM wparam, LPARAM lparam);
    // The clipboard's text, empty when it cannot be read.
    std::wstring ReadClipboardText();

    HWND OwnWindow() const { return own_; }
    HWND NextViewer() const { return next_; }

private:
    void PassOn(UINT msg, WPARAM wparam, LPARAM lparam) const;

    Clipboard& clipboard_;
    HWND own_;
    HWND next_ = nullptr;
};

} // namespace collector
