#include "collector/paste_pause.h"

#include <windows.h>

#include <algorithm>

namespace collector {

namespace {
constexpr DWORD kPollMs = 10;
}

bool AnswerSentMessagesUntil(const std::function<bool()>& done, std::chrono::milliseconds at_least,
                             std::chrono::milliseconds at_most) {
    const DWORD start = GetTickCount();
    const auto least = static_cast<DWORD>(at_least.count());
    const auto most = static_cast<DWORD>(at_most.count());
    for (;;) {
        const DWORD elapsed = GetTickCount() - start;
        const bool held = done();
        if ((held && elapsed >= least) || elapsed >= most) return held;
        // `done` may come true without a message to us (the target closing the clipboard),
        // so look again every few milliseconds.
        const DWORD wait = std::min<DWORD>((held ? least : most) - elapsed, kPollMs);
        MsgWaitForMultipleObjects(0, nullptr, FALSE, wait, QS_SENDMESSAGE);
        // Peeking runs the sent messages that are waiting; PM_QS_SENDMESSAGE keeps it from
        // taking anything else out of the queue.
        MSG msg;
        PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
    }
}

bool WaitForPaste(const Clipboard& clipboard, std::chrono::milliseconds at_least,
                  std::chrono::milliseconds at_most) {
    // The target still holds the clipboard open for a moment after it got the text; our next
    // write could not open it before then.
    return AnswerSentMessagesUntil(
        [&] { return clipboard.TextTaken() && !GetOpenClipboardWindow(); }, at_least, at_most);
}

} // namespace collector
