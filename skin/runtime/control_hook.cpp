// A skinner's hook in front of a control's WindowProc.
#include "skin/runtime/control_hook.h"

#include <exception>

void TControlHook::Forwarder::operator()(ui::TMessage& msg) const {
    // Our own copy: releasing replaces the control's WindowProc, and this object with it.
    const std::shared_ptr<State> keep = state;
    if (keep->owner) {
        keep->owner->Invoke(msg);
    } else if (keep->old) {
        keep->old(msg);
    }
}

TControlHook::TControlHook(Handler handler)
    : handler_(std::make_shared<const Handler>(std::move(handler))) {}

TControlHook::~TControlHook() {
    Release();
    for (Frame* f = frames_; f; f = f->outer)
        f->gone = true;
}

void TControlHook::Install(ui::TControl& control) {
    if (control_) return;
    state_ = std::make_shared<State>();
    state_->owner = this;
    state_->old = control.WindowProc;
    control.WindowProc = Forwarder{state_};
    control_ = &control;
}

void TControlHook::Release() {
    if (!control_) return;
    const Forwarder* current = control_->WindowProc.target<Forwarder>();
    // Hooked after us, our forwarder stays in that chain and only forwards.
    if (current && current->state == state_) control_->WindowProc = state_->old;
    state_->owner = nullptr;
    control_ = nullptr;
}

bool TControlHook::CallOld(ui::TMessage& msg) {
    Frame* frame = frames_;
    if (frame) frame->passed = true;
    const std::shared_ptr<State> keep = state_;
    if (keep && keep->old) {
        try {
            keep->old(msg);
        } catch (...) {
            if (frame) frame->oldThrew = true;
            throw;
        }
    }
    return !frame || !frame->gone;
}

void TControlHook::Invoke(ui::TMessage& msg) {
    Frame frame;
    frame.outer = frames_;
    frames_ = &frame;
    std::exception_ptr controlFailure;
    const std::shared_ptr<const Handler> handler = handler_;
    try {
        (*handler)(msg);
    } catch (...) {
        if (frame.oldThrew) {
            controlFailure = std::current_exception();
        } else if (!frame.gone && !frame.passed) {
            // The skinner's failure is dropped; the control still gets its message.
            try {
                (void)CallOld(msg);
            } catch (...) {
                controlFailure = std::current_exception();
            }
        }
    }
    if (!frame.gone) frames_ = frame.outer;
    // The control's own failure is the class library's to report.
    if (controlFailure) std::rethrow_exception(controlFailure);
}
