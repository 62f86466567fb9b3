// A window's device context for the length of a scope: its client area, or the whole window
// with its frame; the screen's for no window.
#pragma once

#include <windows.h>

class TWindowDC {
public:
    TWindowDC(HWND window, bool wholeWindow)
        : window_(window), dc_(wholeWindow ? GetWindowDC(window) : GetDC(window)) {}
    ~TWindowDC() {
        if (dc_) ReleaseDC(window_, dc_);
    }
    TWindowDC(const TWindowDC&) = delete;
    TWindowDC& operator=(const TWindowDC&) = delete;

    HDC Handle() const { return dc_; }

private:
    HWND window_;
    HDC dc_;
};
