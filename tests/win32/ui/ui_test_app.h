// What the class-library tests under Wine share: one application object per test, a message
// pump that goes through the application's own dispatch (dialog keys included), and real
// mouse and keyboard input.
#pragma once
#include "ui/application.h"
#include "ui/form.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstddef>
#include <cstdlib>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace ui_test {

// The name of a test's own form class, given as a template argument.
template <std::size_t N> struct TFormClassName {
    constexpr TFormClassName(const wchar_t (&text)[N]) { std::copy_n(text, N, name); }
    wchar_t name[N];
};

// A form class of a test's own, known to descriptions by the name `FormClass`, with its
// components found by name and type.
template <TFormClassName FormClass> class TTestForm : public ui::TForm {
public:
    using ui::TForm::TForm;
    static const ui::TClassInfo& StaticClass() {
        static const ui::TClassInfo info(FormClass.name, &ui::TForm::StaticClass());
        return info;
    }
    const ui::TClassInfo& ClassType() const override { return StaticClass(); }
    template <class T> T* Get(const wchar_t* name) const {
        return dynamic_cast<T*>(FindComponent(name));
    }
};

class AppTest : public testing::Test {
protected:
    void SetUp() override {
        app_ = std::make_unique<ui::TApplication>();
        app_->ErrorBox = [this](const std::wstring& m) { errors_.push_back(m); };
    }
    void TearDown() override {
        // Hooks go before the windows: they may refer to what the test body held.
        for (auto it = hooks_.rbegin(); it != hooks_.rend(); ++it)
            it->first->WindowProc = it->second;
        hooks_.clear();
        app_.reset();
    }

    // Puts `before` in front of the control's message handling until the test ends.
    void Hook(ui::TControl* control, std::function<void(ui::TMessage&)> before) {
        const ui::TWndMethod old = control->WindowProc;
        hooks_.emplace_back(control, old);
        control->WindowProc = [before, old](ui::TMessage& m) {
            before(m);
            old(m);
        };
    }

    // Runs messages through the application until `done` holds or the time is up.
    bool PumpUntil(const std::function<bool()>& done,
                   std::chrono::milliseconds timeout = std::chrono::seconds(5)) {
        const DWORD end = GetTickCount() + static_cast<DWORD>(timeout.count());
        for (;;) {
            app_->ProcessMessages();
            if (done()) return true;
            if (static_cast<LONG>(end - GetTickCount()) <= 0) return false;
            MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
        }
    }
    void Pump(std::chrono::milliseconds time) {
        PumpUntil([] { return false; }, time);
    }
    // Moves the cursor and waits until it stays there: under the X server a late motion
    // event can put it back for a moment.
    void MoveTo(POINT p);
    // A left click at a screen point, once the cursor has arrived there.
    void ClickAt(POINT p);
    // The mouse somewhere on the desktop away from the tests' forms.
    void ParkMouse() { MoveTo({900, 700}); }
    // Time for what the last input set off to be painted.
    void Settle() { Pump(std::chrono::milliseconds(150)); }
    // A mouse button going down or up where the cursor is, with real input
    // (MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP, ...).
    static void MouseButton(DWORD flags) {
        INPUT in{};
        in.type = INPUT_MOUSE;
        in.mi.dwFlags = flags;
        SendInput(1, &in, sizeof(in));
    }

    std::unique_ptr<ui::TApplication> app_;
    std::vector<std::pair<ui::TControl*, ui::TWndMethod>> hooks_;
    std::vector<std::wstring> errors_;
};

// Moves the mouse to a screen point with real input.
inline void MoveMouse(POINT p) {
    INPUT in{};
    in.type = INPUT_MOUSE;
    in.mi.dx = MulDiv(p.x, 65535, GetSystemMetrics(SM_CXSCREEN) - 1);
    in.mi.dy = MulDiv(p.y, 65535, GetSystemMetrics(SM_CYSCREEN) - 1);
    in.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    SendInput(1, &in, sizeof(in));
}

inline void AppTest::MoveTo(POINT p) {
    auto there = [&] {
        POINT at;
        GetCursorPos(&at);
        return std::abs(at.x - p.x) <= 1 && std::abs(at.y - p.y) <= 1;
    };
    for (int attempt = 0, stable = 0; attempt < 40 && stable < 3; ++attempt) {
        if (!there()) MoveMouse(p);
        Pump(std::chrono::milliseconds(50));
        stable = there() ? stable + 1 : 0;
    }
}

inline void AppTest::ClickAt(POINT p) {
    MoveTo(p);
    INPUT in[2]{};
    in[0].type = in[1].type = INPUT_MOUSE;
    in[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    in[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    SendInput(2, in, sizeof(INPUT));
    // Apart from the next click, so no two make a double click.
    Pump(std::chrono::milliseconds(GetDoubleClickTime() + 50));
}

inline void PressKey(WORD vk, bool shift = false) {
    std::vector<INPUT> in;
    auto key = [&](WORD k, bool up) {
        INPUT i{};
        i.type = INPUT_KEYBOARD;
        i.ki.wVk = k;
        i.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
        in.push_back(i);
    };
    if (shift) key(VK_SHIFT, false);
    key(vk, false);
    key(vk, true);
    if (shift) key(VK_SHIFT, true);
    SendInput(static_cast<UINT>(in.size()), in.data(), sizeof(INPUT));
}

// The centre of a control's window (or of a graphic control's area) on the screen.
inline POINT ScreenCentre(ui::TControl& c) {
    POINT p{c.Left() + c.Width() / 2, c.Top() + c.Height() / 2};
    ClientToScreen(c.Parent()->Handle(), &p);
    return p;
}

// The pixel at (x, y) of a control (windowed or not) as the screen shows it.
inline COLORREF ScreenPixel(ui::TControl& c, int x, int y) {
    POINT p{c.Left() + x, c.Top() + y};
    ClientToScreen(c.Parent()->Handle(), &p);
    HDC screen = GetDC(nullptr);
    const COLORREF colour = GetPixel(screen, p.x, p.y);
    ReleaseDC(nullptr, screen);
    return colour;
}

// A glyph strip of `count` 16 x 16 pictures, each a 12 x 12 square of `colour` on magenta (the
// strip's bottom-left pixel, so the transparent colour).
inline void SquareGlyphs(ui::TBitmap& glyph, int count, ui::TColor colour) {
    glyph.SetSize(16 * count, 16);
    ui::TCanvas& c = glyph.Canvas();
    c.Brush.SetColor(0xFF00FF);
    c.FillRect({0, 0, 16 * count, 16});
    c.Brush.SetColor(colour);
    for (int i = 0; i < count; ++i)
        c.FillRect({16 * i + 2, 2, 16 * i + 14, 14});
}

} // namespace ui_test
