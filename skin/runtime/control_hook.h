// A skinner's hook in front of a class-library control's WindowProc. Releasing puts the old
// WindowProc back; when someone hooked the control after us, our hook stays in their chain and
// only forwards to the old one from then on. The handler's messages run inside a guard that
// drops what the skinner's own handling throws; what the control's own handling throws goes on
// to the class library, which reports it.
#pragma once

#include "ui/control.h"

#include <functional>
#include <memory>

class TControlHook {
public:
    using Handler = std::function<void(ui::TMessage& msg)>;

    explicit TControlHook(Handler handler);
    // Releases the control.
    ~TControlHook();
    TControlHook(const TControlHook&) = delete;
    TControlHook& operator=(const TControlHook&) = delete;

    // Puts the hook in front of the control's WindowProc; once only. The control must outlive
    // the hook or be released first.
    void Install(ui::TControl& control);
    void Release();
    bool Installed() const { return control_ != nullptr; }

    // Calls the WindowProc that was there before. False when this hook was freed meanwhile: the
    // caller's object is gone.
    [[nodiscard]] bool CallOld(ui::TMessage& msg);

private:
    struct State {
        TControlHook* owner = nullptr; // none once released: the hook only forwards
        ui::TWndMethod old;
    };
    // What the control's WindowProc holds; it keeps the state alive while it runs.
    struct Forwarder {
        std::shared_ptr<State> state;
        void operator()(ui::TMessage& msg) const;
    };
    struct Frame {
        Frame* outer = nullptr;
        bool gone = false;
        bool passed = false;
        bool oldThrew = false;
    };
    void Invoke(ui::TMessage& msg);

    // Shared with the message in hand, which may outlive this object.
    std::shared_ptr<const Handler> handler_;
    std::shared_ptr<State> state_;
    ui::TControl* control_ = nullptr;
    Frame* frames_ = nullptr;
};
