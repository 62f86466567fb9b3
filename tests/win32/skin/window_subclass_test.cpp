// Object-bound window procedures and control hooks: messages reach the handler and, passed on,
// the window's own procedure; releasing restores the window, also when someone subclassed it
// afterwards and when the owner goes away in the middle of a message; failures of the skinner
// are dropped, failures of the control are not.
#include "skin/runtime/control_hook.h"
#include "skin/runtime/window_subclass.h"

#include "ui/control.h"

#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>

namespace {

constexpr UINT kPing = WM_APP + 1;   // answered 7 by the window itself
constexpr UINT kFreeIt = WM_APP + 2; // the window's own procedure frees the subclass under test

std::unique_ptr<TWindowSubclass>* freeing = nullptr;
int ownPings = 0;

LRESULT CALLBACK OwnProc(HWND wnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == kPing) {
        ++ownPings;
        return 7;
    }
    if (msg == kFreeIt && freeing) {
        freeing->reset();
        return 9;
    }
    return DefWindowProcW(wnd, msg, wp, lp);
}

WNDPROC laterPrevious = nullptr;
int laterPings = 0;

// Someone else who subclasses the window after us.
LRESULT CALLBACK LaterProc(HWND wnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == kPing) ++laterPings;
    return CallWindowProcW(laterPrevious, wnd, msg, wp, lp);
}

class WindowSubclassTest : public testing::Test {
protected:
    void SetUp() override {
        static const bool registered = [] {
            WNDCLASSW wc{};
            wc.lpfnWndProc = OwnProc;
            wc.hInstance = GetModuleHandleW(nullptr);
            wc.lpszClassName = L"SubclassTestWindow";
            return RegisterClassW(&wc) != 0;
        }();
        ASSERT_TRUE(registered);
        window_ = CreateWindowExW(0, L"SubclassTestWindow", L"", WS_OVERLAPPED, 0, 0, 50, 50,
                                  nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
        ASSERT_TRUE(window_);
        ownPings = laterPings = 0;
    }
    void TearDown() override {
        freeing = nullptr;
        if (IsWindow(window_)) DestroyWindow(window_);
    }

    std::unique_ptr<TWindowSubclass> Counting(int& seen, bool pass = true) {
        return std::make_unique<TWindowSubclass>([&seen, pass, this](ui::TMessage& m) {
            if (m.Msg == kPing) ++seen;
            if (pass) (void)subclass_->Pass(m);
        });
    }
    LONG_PTR Procedure() const { return GetWindowLongPtrW(window_, GWLP_WNDPROC); }

    HWND window_ = nullptr;
    std::unique_ptr<TWindowSubclass> subclass_;
};

TEST_F(WindowSubclassTest, MessagesReachTheHandlerThenTheWindow) {
    int seen = 0;
    const LONG_PTR own = Procedure();
    subclass_ = Counting(seen);
    ASSERT_TRUE(subclass_->Install(window_, true));
    EXPECT_FALSE(subclass_->Install(window_, true)) << "once only";
    EXPECT_NE(Procedure(), own);
    EXPECT_EQ(SendMessageW(window_, kPing, 0, 0), 7);
    EXPECT_EQ(seen, 1);
    EXPECT_EQ(ownPings, 1);

    // Two windows, two stubs: each object gets its own window's messages.
    HWND other = CreateWindowExW(0, L"SubclassTestWindow", L"", WS_OVERLAPPED, 0, 0, 50, 50,
                                 nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    int otherSeen = 0;
    TWindowSubclass second([&](ui::TMessage& m) {
        if (m.Msg == kPing) ++otherSeen;
        m.Result = 3;
    });
    ASSERT_TRUE(second.Install(other, false));
    EXPECT_EQ(SendMessageW(other, kPing, 0, 0), 3);
    EXPECT_EQ(otherSeen, 1);
    EXPECT_EQ(seen, 1);
    second.Release();
    DestroyWindow(other);

    subclass_.reset();
    EXPECT_EQ(Procedure(), own);
    EXPECT_EQ(SendMessageW(window_, kPing, 0, 0), 7);
    EXPECT_EQ(seen, 1);
}

TEST_F(WindowSubclassTest, ReleasedUnderALaterSubclasserItOnlyForwards) {
    int seen = 0;
    subclass_ = Counting(seen);
    ASSERT_TRUE(subclass_->Install(window_, true));
    const LONG_PTR stub = Procedure();
    laterPrevious = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(LaterProc)));

    subclass_.reset();
    EXPECT_EQ(Procedure(), reinterpret_cast<LONG_PTR>(LaterProc)) << "the later one stays";
    EXPECT_EQ(SendMessageW(window_, kPing, 0, 0), 7);
    EXPECT_EQ(laterPings, 1);
    EXPECT_EQ(ownPings, 1);
    EXPECT_EQ(seen, 0);

    // The later one lets go too: our stub, back in place, still forwards until the window goes.
    SetWindowLongPtrW(window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(laterPrevious));
    EXPECT_EQ(Procedure(), stub);
    EXPECT_EQ(SendMessageW(window_, kPing, 0, 0), 7);
    EXPECT_EQ(ownPings, 2);
    EXPECT_TRUE(DestroyWindow(window_));
}

TEST_F(WindowSubclassTest, AnOwnerFreedInTheMiddleOfAMessageIsToldSo) {
    bool stillThere = true;
    subclass_ = std::make_unique<TWindowSubclass>([&](ui::TMessage& m) {
        if (!subclass_->Pass(m)) {
            stillThere = false;
            return;
        }
        if (m.Msg == kFreeIt) m.Result += 100;
    });
    const LONG_PTR own = Procedure();
    ASSERT_TRUE(subclass_->Install(window_, true));
    freeing = &subclass_;
    EXPECT_EQ(SendMessageW(window_, kFreeIt, 0, 0), 9);
    EXPECT_FALSE(stillThere);
    EXPECT_FALSE(subclass_);
    EXPECT_EQ(Procedure(), own);
    EXPECT_EQ(SendMessageW(window_, kPing, 0, 0), 7);
}

TEST_F(WindowSubclassTest, ASkinnerFailureIsDroppedAndTheWindowStillGetsItsMessage) {
    subclass_ = std::make_unique<TWindowSubclass>([](ui::TMessage& m) {
        if (m.Msg == kPing) throw std::runtime_error("skinner");
    });
    ASSERT_TRUE(subclass_->Install(window_, true));
    EXPECT_EQ(SendMessageW(window_, kPing, 0, 0), 7);
    EXPECT_EQ(ownPings, 1);
}

TEST_F(WindowSubclassTest, TheWindowsLastMessageReleasesAForwardingStub) {
    int seen = 0;
    subclass_ = std::make_unique<TWindowSubclass>([&](ui::TMessage& m) {
        if (m.Msg == WM_NCDESTROY) subclass_->Release();
        ++seen;
        (void)subclass_->Pass(m);
    });
    ASSERT_TRUE(subclass_->Install(window_, true));
    laterPrevious = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(LaterProc)));
    EXPECT_TRUE(DestroyWindow(window_));
    EXPECT_FALSE(subclass_->Installed());
    EXPECT_GT(seen, 0);
    // The freed stub serves the next window.
    int again = 0;
    window_ = CreateWindowExW(0, L"SubclassTestWindow", L"", WS_OVERLAPPED, 0, 0, 50, 50, nullptr,
                              nullptr, GetModuleHandleW(nullptr), nullptr);
    TWindowSubclass next([&](ui::TMessage& m) {
        if (m.Msg == kPing) ++again;
        m.Result = 5;
    });
    ASSERT_TRUE(next.Install(window_, true));
    EXPECT_EQ(SendMessageW(window_, kPing, 0, 0), 5);
    EXPECT_EQ(again, 1);
    next.Release();
}

// A control of the class library, without a window.
class TPlainControl : public ui::TControl {
public:
    TPlainControl() : ui::TControl(nullptr) {}
};

TEST(ControlHook, ReleasedUnderALaterHookItOnlyForwards) {
    TPlainControl control;
    int own = 0, ours = 0, later = 0;
    control.WindowProc = [&](ui::TMessage& m) {
        if (m.Msg == kPing) ++own;
    };
    std::unique_ptr<TControlHook> hook;
    hook = std::make_unique<TControlHook>([&](ui::TMessage& m) {
        if (m.Msg == kPing) ++ours;
        (void)hook->CallOld(m);
    });
    hook->Install(control);
    control.Perform(kPing);
    EXPECT_EQ(own, 1);
    EXPECT_EQ(ours, 1);

    const ui::TWndMethod ourProc = control.WindowProc;
    control.WindowProc = [&, ourProc](ui::TMessage& m) {
        if (m.Msg == kPing) ++later;
        ourProc(m);
    };
    hook.reset();
    control.Perform(kPing);
    EXPECT_EQ(later, 1);
    EXPECT_EQ(own, 2);
    EXPECT_EQ(ours, 1);
}

TEST(ControlHook, ReleasingOnTopPutsTheOldWindowProcBack) {
    TPlainControl control;
    int own = 0;
    control.WindowProc = [&](ui::TMessage& m) {
        if (m.Msg == kPing) ++own;
    };
    {
        TControlHook hook([](ui::TMessage&) {});
        hook.Install(control);
        control.Perform(kPing);
        EXPECT_EQ(own, 0) << "swallowed by the hook";
    }
    control.Perform(kPing);
    EXPECT_EQ(own, 1);
}

TEST(ControlHook, SkinnerFailuresAreDroppedControlFailuresAreNot) {
    TPlainControl control;
    int own = 0;
    control.WindowProc = [&](ui::TMessage& m) {
        ++own;
        if (m.Msg == kFreeIt) throw std::runtime_error("control");
    };
    std::unique_ptr<TControlHook> hook;
    hook = std::make_unique<TControlHook>([&](ui::TMessage& m) {
        if (m.Msg == kPing) throw std::runtime_error("skinner");
        (void)hook->CallOld(m);
    });
    hook->Install(control);
    EXPECT_NO_THROW(control.Perform(kPing));
    EXPECT_EQ(own, 1) << "the control still got it";
    EXPECT_THROW(control.Perform(kFreeIt), std::runtime_error);
    EXPECT_EQ(own, 2);
    // The hook is still sound after both.
    EXPECT_NO_THROW(control.Perform(WM_NULL));
    EXPECT_EQ(own, 3);
}

} // namespace
