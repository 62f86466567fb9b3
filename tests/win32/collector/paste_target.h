// A paste target on a thread of its own: a focused multi-line edit box that pastes as usual,
// optionally after asking the program something first or after taking its time.
#pragma once

#include <windows.h>

#include <string>
#include <thread>

namespace collector_test {

class PasteTarget {
public:
    enum class Kind {
        plain,      // pastes at once
        asks_first, // sends the program a message and waits for the answer before pasting
        slow,       // takes 300 ms before it reads the clipboard
    };
    PasteTarget(Kind kind, HWND program);
    ~PasteTarget();
    PasteTarget(const PasteTarget&) = delete;
    PasteTarget& operator=(const PasteTarget&) = delete;

    HWND get() const { return edit_; }
    std::wstring Text() const;

private:
    void Run();
    static LRESULT CALLBACK Proc(HWND wnd, UINT msg, WPARAM wp, LPARAM lp);

    Kind kind_;
    HWND program_;
    HWND edit_ = nullptr;
    WNDPROC edit_proc_ = nullptr;
    DWORD thread_id_ = 0;
    HANDLE ready_ = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    std::thread thread_;
};

} // namespace collector_test
