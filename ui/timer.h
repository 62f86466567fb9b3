// The timer component: OnTimer every Interval milliseconds while Enabled.
#pragma once
#include "ui/component.h"

#include <windows.h>

namespace ui {

class TTimer : public TComponent {
public:
    explicit TTimer(TComponent* owner);
    ~TTimer() override;
    static const TClassInfo& StaticClass();
    const TClassInfo& ClassType() const override { return StaticClass(); }

    bool Enabled() const { return enabled_; }
    void SetEnabled(bool v);
    unsigned Interval() const { return interval_; }
    void SetInterval(unsigned v);
    TNotifyEvent OnTimer;

private:
    void Update();
    void Stop();
    void Tick();
    static void CALLBACK TimerProc(HWND, UINT, UINT_PTR id, DWORD);
    UINT_PTR id_ = 0; // the running timer's identifier; 0 while stopped
    bool enabled_ = true;
    unsigned interval_ = 1000;
};

} // namespace ui
