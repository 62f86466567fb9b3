// The timer component: OnTimer every Interval milliseconds while Enabled.
#pragma once
#include "ui/component.h"
#include "ui/message_window.h"

#include <memory>

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
    void Tick();
    std::unique_ptr<TMessageWindow> window_;
    bool enabled_ = true;
    unsigned interval_ = 1000;
};

} // namespace ui
