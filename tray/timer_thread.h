// The animation thread of the tray icon: sleeps its interval with SleepEx and then ticks, over
// and over, while it is not paused. The object owns the thread: destroying it stops the thread
// (waking it from its sleep) and waits for it to end.
#pragma once
#include "ui/win_handles.h"

#include <windows.h>

#include <atomic>
#include <functional>

namespace tray {

class TTimerThread {
public:
    // `interval` is read before every sleep (milliseconds); `tick` runs on the thread, so it
    // must only do what is safe from there. A thread made paused waits for Resume.
    TTimerThread(std::function<unsigned()> interval, std::function<void()> tick, bool paused);
    ~TTimerThread();
    TTimerThread(const TTimerThread&) = delete;
    TTimerThread& operator=(const TTimerThread&) = delete;

    // Pausing is cooperative: the thread finishes its current sleep and tick and then waits.
    // (Suspending a thread from outside could freeze it inside the heap lock.)
    void Pause();
    void Resume();
    bool Paused() const { return paused_; }

private:
    static DWORD WINAPI Run(void* self);
    void Loop();
    // Ends the thread's wait or sleep early.
    void Wake();

    std::function<unsigned()> interval_;
    std::function<void()> tick_;
    std::atomic<bool> stop_{false};
    std::atomic<bool> paused_;
    ui::OwnedHandle resume_event_; // set while running
    ui::OwnedHandle thread_;
};

} // namespace tray
