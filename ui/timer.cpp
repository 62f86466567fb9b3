// Timers run on a message-only window of their own, so they need no form.
#include "ui/timer.h"

#include "ui/prop_builders.h"

namespace ui {

namespace {
constexpr UINT_PTR kTimerId = 1;
}

TTimer::TTimer(TComponent* owner) : TComponent(owner) {
    window_ = std::make_unique<TMessageWindow>(
        TMessageWindowParams{.class_name = L"TTimerWindow"},
        [this](UINT msg, WPARAM, LPARAM) -> std::optional<LRESULT> {
            if (msg != WM_TIMER) return std::nullopt;
            Tick();
            return 0;
        });
    Update();
}

TTimer::~TTimer() {
    Destroying();
    KillTimer(window_->Handle(), kTimerId);
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

void TTimer::Update() {
    KillTimer(window_->Handle(), kTimerId);
    if (enabled_ && interval_ > 0) SetTimer(window_->Handle(), kTimerId, interval_, nullptr);
}

void TTimer::Tick() {
    // A description may still be loading; its handler is not bound yet.
    if (OnTimer && !(ComponentState() & (csLoading | csDestroying))) OnTimer(this);
}

} // namespace ui
