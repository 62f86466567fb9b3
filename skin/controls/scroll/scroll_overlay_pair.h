// The two overlays over a control's window scroll bars, horizontal and vertical, and what the
// companions of such controls do with both at once.
#pragma once

#include "skin/controls/scroll/scroll_overlay.h"

#include <memory>

class TScrollOverlayPair {
public:
    void Create(TSkinControl& owner, TSkinData& skin, HWND host);
    void Free();
    bool Exists() const { return horizontal_ != nullptr; }

    void Place();
    void Hide();
    void Enable(bool enabled);
    void InvalidateShown();
    // The host painted: shown overlays repaint, and a bar the host has just gained is covered.
    void FollowHost(HWND host);
    // A scroll request of the host (WM_HSCROLL or WM_VSCROLL) shows its part pressed.
    void ShowRequest(bool vertical, int code);
    // Where both bars meet, in the host's window coordinates; empty unless both are shown.
    RECT Corner(HWND host) const;

    TWScrollbar* Horizontal() const { return horizontal_.get(); }
    TWScrollbar* Vertical() const { return vertical_.get(); }

private:
    std::unique_ptr<TWScrollbar> horizontal_;
    std::unique_ptr<TWScrollbar> vertical_;
};
