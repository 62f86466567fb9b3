// The animation thread's loop, its pause and its end.
#include "tray/timer_thread.h"

#include <stdexcept>

namespace tray {

namespace {

void CALLBACK NoWork(ULONG_PTR) {}

} // namespace

TTimerThread::TTimerThread(std::function<unsigned()> interval, std::function<void()> tick,
                           bool paused)
    : interval_(std::move(interval)), tick_(std::move(tick)), paused_(paused) {
    resume_event_.reset(CreateEventW(nullptr, TRUE, paused ? FALSE : TRUE, nullptr));
    if (!resume_event_) throw std::runtime_error("Cannot create the animation event");
    thread_.reset(CreateThread(nullptr, 0, &TTimerThread::Run, this, 0, nullptr));
    if (!thread_) throw std::runtime_error("Cannot start the animation thread");
}

TTimerThread::~TTimerThread() {
    stop_ = true;
    SetEvent(resume_event_.get());
    Wake();
    WaitForSingleObject(thread_.get(), INFINITE);
}

void TTimerThread::Pause() {
    paused_ = true;
    ResetEvent(resume_event_.get());
}

void TTimerThread::Resume() {
    paused_ = false;
    SetEvent(resume_event_.get());
}

void TTimerThread::Wake() {
    // The sleep and the wait are alertable: any queued call ends them.
    QueueUserAPC(&NoWork, thread_.get(), 0);
}

DWORD WINAPI TTimerThread::Run(void* self) {
    static_cast<TTimerThread*>(self)->Loop();
    return 0;
}

void TTimerThread::Loop() {
    while (!stop_) {
        WaitForSingleObjectEx(resume_event_.get(), INFINITE, TRUE);
        if (stop_) break;
        SleepEx(interval_(), TRUE);
        if (stop_ || paused_) continue;
        tick_();
    }
}

} // namespace tray
