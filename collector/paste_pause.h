// Pausing between pastes without stalling the paste target: while we wait, messages sent to
// us (the target asking for the clipboard's data, say) are answered; posted and input
// messages wait, so nothing re-enters the paste run.
#pragma once

#include <chrono>
#include <functional>

#include "collector/clipboard.h"

namespace collector {

// Answers sent messages until `done` holds and at least `at_least` has passed, or until
// `at_most` has passed. Returns whether `done` held.
bool AnswerSentMessagesUntil(const std::function<bool()>& done, std::chrono::milliseconds at_least,
                             std::chrono::milliseconds at_most);

// The pause after a paste from WriteTextOnRequest: until the target took the text and closed
// the clipboard again (at least 100 ms after the paste, so pastes stay that far apart), or 1 s
// at most. Returns whether the target took it and let go.
bool WaitForPaste(const Clipboard& clipboard,
                  std::chrono::milliseconds at_least = std::chrono::milliseconds(100),
                  std::chrono::milliseconds at_most = std::chrono::milliseconds(1000));

} // namespace collector
