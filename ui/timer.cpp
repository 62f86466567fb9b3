// Timers run on a message-only window of their own, so they need no form.
#include "timer.h"

#include "application.h"
#include "prop_builders.h"

#include <stdexcept>

namespace ui {

namespace {
constexpr wchar_t kClassName[] = L"TTimerWindow";
}

TTimer::TTimer(TComponent* owner) : TComponent(owner) {
    static const bool registered = [] {
        WNDCLASSW wc{};
        wc.lpfnWndProc = WndProc;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.lpszClassName = kClassName;
        return RegisterClassW(&wc) != 0;
    }();
    (void)registered;
    window_ = CreateWindowExW(0, kClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                              GetModuleHandleW(nullptr), nullptr);
    if (!window_) throw std::runtime_error("Not enough timers available");
    SetWindowLongPtrW(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    Update();
}

TTimer::~TTimer() {
    Destroying();
    KillTimer(window_, 1);
    DestroyWindow(window_);
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
    KillTimer(window_, 1);
    if (enabled_ && interval_ > 0) SetTimer(window_, 1, interval_, nullptr);
}

LRESULT CALLBACK TTimer::WndProc(HWND wnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_TIMER) {
        auto* timer = reinterpret_cast<TTimer*>(GetWindowLongPtrW(wnd, GWLP_USERDATA));
        // A description may still be loading; its handler is not bound yet.
        if (timer && timer->OnTimer && !(timer->ComponentState() & (csLoading | csDestroying))) {
            try {
                timer->OnTimer(timer);
            } catch (...) {
                HandleException(timer);
            }
        }
        return 0;
    }
    return DefWindowProcW(wnd, msg, wp, lp);
}

} // namespace ui
