// Counts the messages sent to this thread's windows while it lives, by window and message: for
// the tests that say how often something is done (a message handled once, not twice).
#pragma once

#include <windows.h>

#include <map>
#include <utility>

namespace ui_test {

class TSentMessages {
public:
    TSentMessages()
        : hook_(SetWindowsHookExW(WH_CALLWNDPROC, Hook, nullptr, GetCurrentThreadId())) {
        counting_ = this;
    }
    ~TSentMessages() {
        counting_ = nullptr;
        if (hook_) UnhookWindowsHookEx(hook_);
    }
    TSentMessages(const TSentMessages&) = delete;
    TSentMessages& operator=(const TSentMessages&) = delete;

    bool Counting() const { return hook_ != nullptr; }
    // How often `window` was sent `message`.
    int Count(HWND window, UINT message) const {
        const auto it = counts_.find({window, message});
        return it == counts_.end() ? 0 : it->second;
    }
    // The windows sent `message`, each with how often.
    std::map<HWND, int> Windows(UINT message) const {
        std::map<HWND, int> windows;
        for (const auto& [key, n] : counts_)
            if (key.second == message) windows[key.first] = n;
        return windows;
    }

private:
    static LRESULT CALLBACK Hook(int code, WPARAM wp, LPARAM lp) {
        if (code == HC_ACTION && counting_) {
            const auto* sent = reinterpret_cast<const CWPSTRUCT*>(lp);
            ++counting_->counts_[{sent->hwnd, sent->message}];
        }
        return CallNextHookEx(nullptr, code, wp, lp);
    }

    static inline TSentMessages* counting_ = nullptr;
    HHOOK hook_;
    std::map<std::pair<HWND, UINT>, int> counts_;
};

} // namespace ui_test
