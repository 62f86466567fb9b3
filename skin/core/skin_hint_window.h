// The small tooltip-coloured window that shows a caption button's hint: sized to its text (no
// wider than asked), shown without taking the focus, hidden again.
#pragma once

#include <windows.h>

#include <string>

class TSkinHintWindow {
public:
    TSkinHintWindow() = default;
    ~TSkinHintWindow();
    TSkinHintWindow(const TSkinHintWindow&) = delete;
    TSkinHintWindow& operator=(const TSkinHintWindow&) = delete;

    // The rectangle, at (0, 0), the window needs for `text` broken at `maxWidth` pixels.
    RECT CalcHintRect(int maxWidth, const std::wstring& text);
    // Shows `text` in `rect` (screen coordinates), on top, without activating.
    void ActivateHint(const RECT& rect, const std::wstring& text);
    void Hide();
    HWND Handle() const { return wnd_; }

private:
    void HandleNeeded();
    static LRESULT CALLBACK WndProc(HWND wnd, UINT msg, WPARAM wp, LPARAM lp);

    HWND wnd_ = nullptr;
    HFONT font_ = nullptr;
    std::wstring text_;
};
