// Helpers of the collector's tests: a plain window that records its messages and lets a test
// answer chosen ones, a clean clipboard per test, data placed as another program would, and a
// list of captured texts.
#pragma once

#include <windows.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "collector/collection.h"

namespace collector_test {

struct Message {
    UINT msg;
    WPARAM wparam;
    LPARAM lparam;
};

class TestWindow {
public:
    using Handler = std::function<std::optional<LRESULT>(UINT, WPARAM, LPARAM)>;
    explicit TestWindow(Handler handler = {});
    ~TestWindow();
    TestWindow(const TestWindow&) = delete;
    TestWindow& operator=(const TestWindow&) = delete;

    HWND get() const { return wnd_; }
    // The messages with this number received so far.
    std::vector<Message> Received(UINT msg) const;
    void Forget() { messages_.clear(); }

private:
    static LRESULT CALLBACK Proc(HWND wnd, UINT msg, WPARAM wp, LPARAM lp);
    Handler handler_;
    std::vector<Message> messages_;
    HWND wnd_ = nullptr;
};

// Empties the clipboard now and again when the scope ends, so tests start and leave it clean.
class CleanClipboard {
public:
    CleanClipboard() { Empty(); }
    ~CleanClipboard() { Empty(); }
    CleanClipboard(const CleanClipboard&) = delete;
    CleanClipboard& operator=(const CleanClipboard&) = delete;
    static void Empty();
};

// Puts data on the clipboard as another program would: opened by `opener`, each (format,
// bytes) pair placed in a movable block.
struct Format {
    UINT format;
    std::vector<unsigned char> bytes;
};
void PlaceOnClipboard(HWND opener, const std::vector<Format>& formats);

// A list that captured these texts from outside, in order.
collector::Collection CollectedTexts(const std::vector<std::wstring>& texts);

std::vector<unsigned char> WideBytes(const std::wstring& text); // with the terminating zero

} // namespace collector_test
