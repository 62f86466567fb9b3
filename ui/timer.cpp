// Timers are the thread's own (SetTimer without a window): their WM_TIMER comes through the
// message loop to one timer procedure, which finds the timer by its identifier. So a timer
// needs no form and no hidden window of its own.
#include "ui/timer.h"

#include "ui/application.h"
#include "ui/prop_builders.h"

#include <unordered_map>

namespace ui {

namespace {

// The running timers of this thread by their identifiers.
thread_local std::unordered_map<UINT_PTR, TTimer*> running_timers;

} // namespace

TTimer::TTimer(TComponent* owner) : TComponent(owner) {
    Update();
}

TTimer::~TTimer() {
    Destroying();
    Stop();
}

const TClassInfo& TTimer::StaticClass() {
    using C = TTimer;
    static const TClassInfo info(L"TTimer", &TComponent::StaticClass(),
                                 {
                                     props::Boolean(L"Enabled", &C::Enabled, &C::SetEnabled),
                                     props::Integer(L"Interval", &C::Interval, &C::SetInterval),
                                     props::Event(L"OnTimer", &C::OnTimer),
                                 });
    return info;
}

void TTimer::SetEnabled(bool v) {
    enabled_ = v;
    Update();
}

void TTimer::SetInterval(unsigned v) {
    interval_ = v;
    Update();
}

void TTimer::Stop() {
    if (!id_) return;
    KillTimer(nullptr, id_);
    running_timers.erase(id_);
    id_ = 0;
}

void TTimer::Update() {
    Stop();
    if (!enabled_ || interval_ == 0) return;
    id_ = SetTimer(nullptr, 0, interval_, &TTimer::TimerProc);
    if (id_) running_timers[id_] = this;
}

void CALLBACK TTimer::TimerProc(HWND, UINT, UINT_PTR id, DWORD) {
    // A tick still queued for a timer that was stopped since finds nothing.
    const auto it = running_timers.find(id);
    if (it == running_timers.end()) return;
    try {
        it->second->Tick();
    } catch (...) {
        HandleException(nullptr);
    }
}

void TTimer::Tick() {
    // A description may still be loading; its handler is not bound yet.
    if (OnTimer && !(ComponentState() & (csLoading | csDestroying))) OnTimer(this);
}

} // namespace ui
