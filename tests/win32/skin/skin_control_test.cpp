// The skinned control base on real windows: a companion takes over a control's messages once,
// answers the is-skinned question itself, switches skinning off and on (and tells the family
// after the repaint), answers the paint messages of a composed face, leaves a destroyed window's
// colour alone and restores what it hooked exactly once; on a bare window it keeps the window's
// character set and stays safe under a later subclasser.
#include "skin/controls/base/control_paint.h"
#include "skin/controls/base/overlay_window.h"
#include "skin/controls/base/skin_control.h"
#include "skin/controls/base/skin_control_factory.h"
#include "skin/runtime/skin_data.h"
#include "skin/runtime/skin_messages.h"

#include "tests/win32/ui/ui_test_app.h"
#include "ui/stdctrls.h"
#include "ui/text_codec.h"

#include <gtest/gtest.h>

#include <commctrl.h>

#include <algorithm>
#include <cstdint>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace {

using namespace std::chrono_literals;

constexpr ui::TColor kSkinRed = 0x0000FF; // what the test companion paints
constexpr UINT kProbe = WM_APP + 10;      // a message nobody answers
constexpr UINT kThrow = WM_APP + 11;      // the test companion fails on it
constexpr UINT kFreeIt = WM_APP + 12;     // the control frees its companion on it

// What the test companions saw after the control's own handling, kept where a freed companion
// would still write.
std::vector<UINT> afterSeen;

// A companion whose composed face is the whole control in red, and which counts what it sees.
class TTestSkinControl : public TSkinControl {
public:
    using TSkinControl::TSkinControl;
    bool BeforeMessage(ui::TMessage& m) override {
        seen.push_back(m.Msg);
        if (m.Msg == kThrow) throw std::runtime_error("skinner failure");
        return TSkinControl::BeforeMessage(m);
    }
    TFacePaint FacePaint() const override { return face; }
    bool EraseUnderFace(HDC, const RECT& client) override {
        erasedClient = client;
        ++erases;
        return erasesHere;
    }
    void SkinActivityChanged() override {
        // What it saw: the switch already made, and the draws by then.
        activity.emplace_back(SkinActive(), draws);
    }
    void AfterMessage(ui::TMessage& m) override {
        afterSeen.push_back(m.Msg);
        TSkinControl::AfterMessage(m);
    }
    void DrawSkin(HDC dc, const RECT& rect) override {
        ++draws;
        FillColour(dc, rect, kSkinRed);
    }
    std::vector<UINT> seen;
    int draws = 0;
    TFacePaint face = TFacePaint::kComposed;
    bool erasesHere = true;
    int erases = 0;
    RECT erasedClient{};
    std::vector<std::pair<bool, int>> activity;
};

// An overlay whose paint counts and whose handling of kProbe answers, and fails on kThrow.
class TTestOverlay : public TOverlayWindow {
public:
    explicit TTestOverlay(HWND parent) : TOverlayWindow(L"TTestOverlay", 0, parent) {}
    using TOverlayWindow::MakeWindow;
    int paints = 0;

private:
    void Paint(HDC) override { ++paints; }
    std::optional<LRESULT> OnMessage(const ui::TMessage& m) override {
        if (m.Msg == kThrow) throw std::runtime_error("skinner failure");
        if (m.Msg == kProbe) return 42;
        return std::nullopt;
    }
};

class TTestHost : public TSkinControlHost {
public:
    void RegisterSkinControl(TSkinControl& c) override { registered.push_back(&c); }
    void UnregisterSkinControl(TSkinControl& c) override { std::erase(registered, &c); }
    HWND HostWindow() const override { return nullptr; }
    int Dpi() const override { return kBaseDpi; }
    void MouseOverControl(TSkinControl*) override {}
    std::vector<TSkinControl*> registered;
};

class SkinControlTest : public ui_test::AppTest {
protected:
    void SetUp() override {
        AppTest::SetUp();
        form_ = app_->CreateForm<ui::TForm>();
        form_->SetBounds(150, 150, 240, 160);
        button_ = new ui::TButton(form_);
        button_->SetParent(form_);
        button_->SetBounds(20, 20, 120, 50);
        button_->SetCaption(L"Plain");
        // What reaches the control after the companion.
        Hook(button_, [this](ui::TMessage& m) { reached_.push_back(m.Msg); });
        skin_ = std::make_unique<TSkinData>(nullptr);
        form_->Show();
        SetForegroundWindow(form_->Handle());
        Pump(200ms);
    }
    void TearDown() override {
        skin_.reset();
        AppTest::TearDown();
    }
    TTestSkinControl* Attach(bool ownsColor = false) {
        auto* c = new TTestSkinControl(button_);
        c->AttachControl(&host_, skin_.get(), ownsColor, nullptr);
        return c;
    }
    bool Reached(UINT msg) const {
        return std::find(reached_.begin(), reached_.end(), msg) != reached_.end();
    }
    COLORREF CentrePixel() {
        RedrawWindow(button_->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
        Pump(100ms);
        const POINT p = ui_test::ScreenCentre(*button_);
        HDC screen = GetDC(nullptr);
        const COLORREF c = GetPixel(screen, p.x, p.y);
        ReleaseDC(nullptr, screen);
        return c;
    }

    ui::TForm* form_ = nullptr;
    ui::TButton* button_ = nullptr;
    std::unique_ptr<TSkinData> skin_;
    TTestHost host_;
    std::vector<UINT> reached_;
};

// The skin tests run against the controls users have: the programs' manifest asks for Common
// Controls 6, whose controls are themed wherever a visual style is on.
TEST(SkinControlSetting, CommonControls6AreLoaded) {
    // Only version 6 buttons know BCM_GETIDEALSIZE (under Wine, DllGetVersion says 5 whichever
    // set of controls a program gets).
    const HWND button = CreateWindowExW(0, L"Button", L"Ideal", WS_POPUP | BS_PUSHBUTTON, 0, 0, 80,
                                        24, nullptr, nullptr, nullptr, nullptr);
    ASSERT_TRUE(button);
    SIZE ideal{};
    EXPECT_TRUE(SendMessageW(button, BCM_GETIDEALSIZE, 0, reinterpret_cast<LPARAM>(&ideal)));
    EXPECT_GT(ideal.cx, 0);
    DestroyWindow(button);
}

// The manifest declares the programs per-monitor aware (the tests carry it too, so the forms
// they host are drawn as the programs draw them): the system gives every window its monitor's
// density and tells it of a change, instead of stretching its pixels. Version 2 where the system
// knows it (Windows 10 1703 on); before that, and under Wine 8, the first version the manifest
// names after it.
TEST(SkinControlSetting, TheProcessIsPerMonitorAware) {
    // Windows 10 1607's functions, which the headers of the oldest system we build for lack.
    using TContext = void*;
    const HMODULE user32 = GetModuleHandleW(L"user32.dll");
    auto function = [&](const char* name) {
        return reinterpret_cast<void*>(GetProcAddress(user32, name));
    };
    const auto thread_context =
        reinterpret_cast<TContext(WINAPI*)()>(function("GetThreadDpiAwarenessContext"));
    const auto awareness =
        reinterpret_cast<int(WINAPI*)(TContext)>(function("GetAwarenessFromDpiAwarenessContext"));
    const auto valid =
        reinterpret_cast<BOOL(WINAPI*)(TContext)>(function("IsValidDpiAwarenessContext"));
    const auto same = reinterpret_cast<BOOL(WINAPI*)(TContext, TContext)>(
        function("AreDpiAwarenessContextsEqual"));
    ASSERT_TRUE(thread_context && awareness && valid && same);
    constexpr int kPerMonitorAware = 2; // DPI_AWARENESS_PER_MONITOR_AWARE
    EXPECT_EQ(awareness(thread_context()), kPerMonitorAware);
    const auto per_monitor_v2 = reinterpret_cast<TContext>(static_cast<std::intptr_t>(-4));
    if (valid(per_monitor_v2)) {
        EXPECT_TRUE(same(thread_context(), per_monitor_v2));
    }
}

// Every row of the kind table makes an object of the class it names; None makes none.
TEST(SkinControlFactory, EachKindMakesItsClass) {
    EXPECT_EQ(MakeSkinControl({TSkinControlKind::None}, nullptr), nullptr);
    for (int k = static_cast<int>(TSkinControlKind::Button);
         k <= static_cast<int>(TSkinControlKind::ObjImage); ++k) {
        const auto kind = static_cast<TSkinControlKind>(k);
        const TSkinControlPtr made = MakeSkinControl({kind}, nullptr);
        ASSERT_NE(made, nullptr) << k;
        EXPECT_EQ(ui::WideToUtf8(made->ClassName()), SkinControlClassName(kind)) << k;
    }
}

TEST_F(SkinControlTest, SecondAttachChangesNothing) {
    TTestSkinControl* c = Attach(true);
    const ui::TColor skinned = button_->Color();
    TTestHost other;
    c->AttachControl(&other, skin_.get(), false, nullptr);
    c->AttachWindow(button_->Handle(), skin_.get(), &other, nullptr);
    EXPECT_EQ(host_.registered, std::vector<TSkinControl*>{c});
    EXPECT_TRUE(other.registered.empty());
    EXPECT_TRUE(c->OwnsColor());
    EXPECT_EQ(button_->Color(), skinned);
    // Hooked once: a message passes the companion once.
    button_->Perform(kProbe);
    EXPECT_EQ(std::count(c->seen.begin(), c->seen.end(), kProbe), 1);
    EXPECT_EQ(std::count(reached_.begin(), reached_.end(), kProbe), 1);
}

TEST_F(SkinControlTest, SkinActiveSwitchesSkinningOffAndOn) {
    TTestSkinControl* c = Attach();
    EXPECT_EQ(CentrePixel(), kSkinRed);

    SendMessageW(button_->Handle(), SM_SKINACTIVE, 0, 0);
    EXPECT_FALSE(c->SkinActive());
    EXPECT_FALSE(Reached(SM_SKINACTIVE));
    ASSERT_EQ(c->activity.size(), 1u) << "the family hears the switch, once";
    EXPECT_FALSE(c->activity[0].first);
    // Off: messages reach the control untouched and it paints itself.
    c->seen.clear();
    SendMessageW(button_->Handle(), kProbe, 0, 0);
    EXPECT_TRUE(Reached(kProbe));
    EXPECT_TRUE(c->seen.empty());
    EXPECT_NE(CentrePixel(), kSkinRed);
    EXPECT_TRUE(c->seen.empty());

    // On again: repainted at once.
    const int draws = c->draws;
    SendMessageW(button_->Handle(), SM_SKINACTIVE, 1, 0);
    EXPECT_TRUE(c->SkinActive());
    EXPECT_GT(c->draws, draws);
    ASSERT_EQ(c->activity.size(), 2u);
    EXPECT_TRUE(c->activity[1].first);
    EXPECT_GT(c->activity[1].second, draws) << "told after the control was repainted";
    EXPECT_EQ(CentrePixel(), kSkinRed);
    EXPECT_FALSE(Reached(SM_SKINACTIVE));
}

// Who answers the paint messages, by the face a family declares: a composed face is drawn by
// the companion and the control's own paint never runs; the erase under it is the family's to
// answer or to leave to the control; printing is composed only where the family says so.
TEST_F(SkinControlTest, ComposedFaceAnswersThePaintMessages) {
    using TFace = TSkinControl::TFacePaint;
    struct Case {
        const char* name;
        TFace face;
        UINT msg;
        bool erasesHere;
        bool drawn;   // the companion drew the face
        bool erased;  // the family was asked for the erase
        bool reached; // the control's own handling ran
    };
    const Case cases[] = {
        // The control paints, and the skin over it after (AfterMessage).
        {"own paint", TFace::kControl, WM_PAINT, true, true, false, true},
        {"composed paint", TFace::kComposed, WM_PAINT, true, true, false, false},
        {"own erase", TFace::kControl, WM_ERASEBKGND, true, false, false, true},
        {"erase answered", TFace::kComposed, WM_ERASEBKGND, true, false, true, false},
        {"erase left to the control", TFace::kComposed, WM_ERASEBKGND, false, false, true, true},
        {"print not composed", TFace::kComposed, WM_PRINT, true, false, false, true},
        {"print composed", TFace::kComposedAndPrinted, WM_PRINT, true, true, false, false},
    };
    TTestSkinControl* c = Attach();
    TOffscreen surface;
    const HDC dc = surface.Prepare(120, 50);
    ASSERT_TRUE(dc);
    for (const Case& k : cases) {
        SCOPED_TRACE(k.name);
        c->face = k.face;
        c->erasesHere = k.erasesHere;
        const int draws = c->draws, erases = c->erases;
        reached_.clear();
        const LRESULT result = SendMessageW(button_->Handle(), k.msg, reinterpret_cast<WPARAM>(dc),
                                            k.msg == WM_PRINT ? PRF_CLIENT : 0);
        EXPECT_EQ(c->draws > draws, k.drawn);
        EXPECT_EQ(c->erases > erases, k.erased);
        EXPECT_EQ(Reached(k.msg), k.reached);
        if (k.erased && k.erasesHere) {
            EXPECT_EQ(result, 1) << "nothing left to erase";
        }
    }
    // The erase is asked with the client area.
    RECT client{};
    GetClientRect(button_->Handle(), &client);
    EXPECT_TRUE(EqualRect(&c->erasedClient, &client));
}

TEST_F(SkinControlTest, AnswersIsSkinnedItself) {
    EXPECT_EQ(SendMessageW(button_->Handle(), SM_ISSKINNED, 0, 0), 0);
    Attach();
    reached_.clear();
    EXPECT_EQ(SendMessageW(button_->Handle(), SM_ISSKINNED, 0, 0), 1);
    EXPECT_FALSE(Reached(SM_ISSKINNED));
}

TEST_F(SkinControlTest, DestroyedWindowKeepsTheSkinColour) {
    TTestSkinControl* c = Attach(true);
    const ui::TColor skinned = button_->Color();
    ASSERT_NE(skinned, ui::clBtnFace);
    button_->DestroyHandle();
    EXPECT_EQ(c->LifeState(), TSkinControl::kWindowDestroyed);
    EXPECT_FALSE(c->SkinActive());
    EXPECT_TRUE(Reached(WM_NCDESTROY));
    EXPECT_EQ(button_->Color(), skinned);
    // Freed later, it puts the control's message hook back once: messages pass the control's
    // own handling once more, and only once.
    ui::Free(c);
    EXPECT_TRUE(host_.registered.empty());
    reached_.clear();
    button_->Perform(kProbe);
    EXPECT_EQ(std::count(reached_.begin(), reached_.end(), kProbe), 1);
    EXPECT_EQ(button_->Color(), skinned);
}

TEST_F(SkinControlTest, DetachGivesTheColourBack) {
    TTestSkinControl* c = Attach(true);
    c->Detach();
    EXPECT_EQ(button_->Color(), ui::clBtnFace);
    EXPECT_FALSE(c->SkinActive());
}

TEST_F(SkinControlTest, GoesWithItsControl) {
    Attach();
    ASSERT_EQ(host_.registered.size(), 1u);
    hooks_.clear(); // the recorder goes with the control
    ui::Free(button_);
    EXPECT_TRUE(host_.registered.empty());
}

TEST_F(SkinControlTest, FreedWhileTheControlHandlesItsMessage) {
    // Behind the companion, as the control's own handling.
    TTestSkinControl* c = nullptr;
    Hook(button_, [&c](ui::TMessage& m) {
        if (m.Msg == kFreeIt && c) ui::Free(std::exchange(c, nullptr));
    });
    c = Attach();
    afterSeen.clear();
    SendMessageW(button_->Handle(), kFreeIt, 0, 0);
    EXPECT_EQ(c, nullptr);
    EXPECT_TRUE(afterSeen.empty()) << "a freed companion went on with the message";
    EXPECT_TRUE(host_.registered.empty());
    EXPECT_EQ(SendMessageW(button_->Handle(), SM_ISSKINNED, 0, 0), 0);
}

TEST_F(SkinControlTest, FailuresOfTheSkinnerAreDropped) {
    TTestSkinControl* c = Attach();
    SendMessageW(button_->Handle(), kThrow, 0, 0);
    EXPECT_TRUE(errors_.empty());
    // The control still had its message, and the companion goes on working.
    EXPECT_TRUE(Reached(kThrow));
    EXPECT_EQ(SendMessageW(button_->Handle(), SM_ISSKINNED, 0, 0), 1);
    EXPECT_EQ(CentrePixel(), kSkinRed);
    EXPECT_EQ(c->LifeState(), TSkinControl::kAttached);
}

// ---- Bare windows.

int ownProbes = 0;
LRESULT CALLBACK AnsiProc(HWND wnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == kProbe) ++ownProbes;
    return DefWindowProcA(wnd, msg, wp, lp);
}

WNDPROC laterPrevious = nullptr;
LRESULT CALLBACK LaterProc(HWND wnd, UINT msg, WPARAM wp, LPARAM lp) {
    return CallWindowProcW(laterPrevious, wnd, msg, wp, lp);
}

class BareWindowTest : public testing::Test {
protected:
    void SetUp() override {
        static const bool registered = [] {
            WNDCLASSA wc{};
            wc.lpfnWndProc = AnsiProc;
            wc.hInstance = GetModuleHandleW(nullptr);
            wc.lpszClassName = "SkinControlAnsiWindow";
            return RegisterClassA(&wc) != 0;
        }();
        ASSERT_TRUE(registered);
        window_ = CreateWindowExA(0, "SkinControlAnsiWindow", "Bare", WS_OVERLAPPED, 0, 0, 80, 40,
                                  nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
        ASSERT_TRUE(window_);
        ownProbes = 0;
    }
    void TearDown() override {
        if (IsWindow(window_)) DestroyWindow(window_);
    }
    HWND window_ = nullptr;
    TTestHost host_;
};

TEST_F(BareWindowTest, AnAnsiWindowStaysAnsi) {
    auto* c = new TTestSkinControl(nullptr);
    c->AttachWindow(window_, nullptr, &host_, nullptr);
    EXPECT_FALSE(IsWindowUnicode(window_));
    EXPECT_EQ(c->LifeState(), TSkinControl::kAttached);
    EXPECT_EQ(SendMessageA(window_, SM_ISSKINNED, 0, 0), 1);
    SendMessageA(window_, kProbe, 0, 0);
    EXPECT_EQ(ownProbes, 1);
    ui::Free(c);
    EXPECT_EQ(GetWindowLongPtrA(window_, GWLP_WNDPROC), reinterpret_cast<LONG_PTR>(AnsiProc));
    EXPECT_EQ(SendMessageA(window_, SM_ISSKINNED, 0, 0), 0);
}

TEST_F(BareWindowTest, AWideWindowKeepsTextOutsideTheAnsiCodePage) {
    const HWND wide = CreateWindowExW(0, L"Static", L"", WS_OVERLAPPED, 0, 0, 80, 40, nullptr,
                                      nullptr, GetModuleHandleW(nullptr), nullptr);
    ASSERT_TRUE(wide);
    auto* c = new TTestSkinControl(nullptr);
    c->AttachWindow(wide, nullptr, &host_, nullptr);
    EXPECT_TRUE(IsWindowUnicode(wide));
    // Thai and Devanagari: no ANSI code page of the test desktop has them.
    const std::wstring text = L"\u0E01\u0915";
    SendMessageW(wide, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
    wchar_t back[8]{};
    GetWindowTextW(wide, back, 8);
    EXPECT_EQ(std::wstring(back), text);
    ui::Free(c);
    DestroyWindow(wide);
}

TEST_F(BareWindowTest, ReleasedUnderALaterSubclasser) {
    auto* c = new TTestSkinControl(nullptr);
    c->AttachWindow(window_, nullptr, &host_, nullptr);
    laterPrevious = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(LaterProc)));
    ui::Free(c);
    EXPECT_TRUE(host_.registered.empty());
    // The later subclasser stays in place and the window still gets its messages, no longer
    // answered by the freed companion.
    EXPECT_EQ(GetWindowLongPtrW(window_, GWLP_WNDPROC), reinterpret_cast<LONG_PTR>(LaterProc));
    SendMessageW(window_, kProbe, 0, 0);
    EXPECT_EQ(ownProbes, 1);
    EXPECT_EQ(SendMessageW(window_, SM_ISSKINNED, 0, 0), 0);
    EXPECT_TRUE(DestroyWindow(window_));
}

TEST_F(BareWindowTest, WindowDestroyedFirst) {
    auto* c = new TTestSkinControl(nullptr);
    c->AttachWindow(window_, nullptr, &host_, nullptr);
    EXPECT_TRUE(DestroyWindow(window_));
    EXPECT_EQ(c->LifeState(), TSkinControl::kWindowDestroyed);
    ui::Free(c);
    EXPECT_TRUE(host_.registered.empty());
}

// The skinners' own windows: a hidden child of the given parent that paints without erasing,
// drops what its handling throws (no error box: skinners report nothing) and goes on, and lets
// go of a window its parent took with it.
TEST_F(SkinControlTest, OverlayWindowDropsItsFailuresAndOutlivesItsWindow) {
    const HWND parent = CreateWindowExW(0, L"Static", L"", WS_POPUP | WS_VISIBLE, 40, 40, 100, 60,
                                        nullptr, nullptr, nullptr, nullptr);
    ASSERT_TRUE(parent);
    auto overlay = std::make_unique<TTestOverlay>(parent);
    EXPECT_EQ(overlay->Window(), nullptr) << "no window until it is asked for";
    const HWND window = overlay->MakeWindow();
    ASSERT_TRUE(window);
    EXPECT_EQ(overlay->MakeWindow(), window);
    EXPECT_EQ(GetParent(window), parent);
    EXPECT_FALSE(IsWindowVisible(window)) << "hidden until placed";
    EXPECT_EQ(SendMessageW(window, WM_ERASEBKGND, 0, 0), 1) << "the paint covers every pixel";
    EXPECT_EQ(SendMessageW(window, kProbe, 0, 0), 42);
    EXPECT_EQ(SendMessageW(window, kThrow, 0, 0), 0);
    EXPECT_TRUE(errors_.empty());
    ShowWindow(window, SW_SHOWNA);
    SetWindowPos(window, HWND_TOP, 0, 0, 30, 20, SWP_NOACTIVATE);
    overlay->Invalidate();
    UpdateWindow(window);
    EXPECT_GT(overlay->paints, 0);
    EXPECT_EQ(SendMessageW(window, kProbe, 0, 0), 42) << "still answering after a failure";

    // The parent goes first and takes the window with it.
    DestroyWindow(parent);
    EXPECT_FALSE(IsWindow(window));
    EXPECT_EQ(overlay->Window(), nullptr);
    EXPECT_EQ(overlay->MakeWindow(), nullptr) << "not made again";
    overlay->Hide();
    overlay->Invalidate();
    overlay.reset();
}

} // namespace
