// Subclassing a window with an object-bound window procedure: a small per-object stub of
// machine code, installed as the window's procedure, calls the object's handler with the
// message; what the handler does not answer it passes to the window's previous procedure.
//
// Releasing puts the previous procedure back. When someone subclassed the window after us, our
// stub is still in their chain: it then stays, forwarding every message straight to the previous
// procedure, until the window's last message frees it. So a window never calls freed code.
//
// The handler's owner may go away while a message is in its hands (a form that frees itself
// from one of its messages): Pass tells whether the subclass still exists afterwards, and the
// handler must not touch its object when it does not.
#pragma once

#include "ui/messages.h"

#include <windows.h>

#include <functional>
#include <memory>

struct TSubclassStub;

class TWindowSubclass {
public:
    using Handler = std::function<void(ui::TMessage& msg)>;

    explicit TWindowSubclass(Handler handler);
    // Releases the window.
    ~TWindowSubclass();
    TWindowSubclass(const TWindowSubclass&) = delete;
    TWindowSubclass& operator=(const TWindowSubclass&) = delete;

    // Installs the stub on `window` with the wide or the ANSI window-long calls; false when the
    // system refuses (the window is then untouched). Once only.
    bool Install(HWND window, bool unicode);
    // Puts the previous procedure back (or leaves a forwarding stub, see above).
    void Release();
    bool Installed() const { return stub_ != nullptr; }
    HWND Window() const { return window_; }

    // Passes the message to the previous procedure and sets its result. False when this
    // subclass was released and freed meanwhile: the caller's object is gone.
    [[nodiscard]] bool Pass(ui::TMessage& msg);

private:
    // Where every stub jumps, with the stub in place of the window handle.
    static LRESULT CALLBACK StubProc(HWND stub, UINT msg, WPARAM wp, LPARAM lp);
    // One message in the handler's hands; nested messages stack up.
    struct Frame {
        Frame* outer = nullptr;
        bool gone = false;   // the subclass was freed while the message was handled
        bool passed = false; // the message reached the previous procedure
    };
    LRESULT Handle(UINT msg, WPARAM wp, LPARAM lp);

    // Shared with the message in hand, which may outlive this object.
    std::shared_ptr<const Handler> handler_;
    TSubclassStub* stub_ = nullptr;
    HWND window_ = nullptr;
    WNDPROC previous_ = nullptr;
    bool unicode_ = true;
    Frame* frames_ = nullptr;
};
