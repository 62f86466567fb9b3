// The notification-area icon: a left or right click on it brings the main window to the
// front from behind another window; a double click does not.
#include "tests/e2e/e2e_fixture.h"

namespace e2e {
namespace {

constexpr UINT kTrayCallback = 0xB054;

// Whether `a` lies above `b` among the top-level windows.
bool IsAbove(HWND a, HWND b) {
    for (HWND w = GetTopWindow(nullptr); w; w = GetWindow(w, GW_HWNDNEXT)) {
        if (w == a) return true;
        if (w == b) return false;
    }
    return false;
}

class TrayTest : public PellicoTest {
protected:
    void SetUp() override {
        PellicoTest::SetUp();
        tray_ = FindProcessWindow(pellico_.ProcessId(), L"TRxTrayIconWindow", false);
        ASSERT_NE(tray_, nullptr);
        RECT r{};
        GetWindowRect(pellico_.Main(), &r);
        cover_ = CreateWindowExW(WS_EX_TOPMOST, L"STATIC", L"cover", WS_POPUP | WS_BORDER,
                                 r.left - 10, r.top - 10, r.right - r.left + 20,
                                 r.bottom - r.top + 20, nullptr, nullptr, nullptr, nullptr);
    }
    void TearDown() override {
        DestroyWindow(cover_);
        PellicoTest::TearDown();
    }
    // Puts the other window in front, over the main window, until it stays there: the
    // desktop may still be raising a window that was activated a moment ago.
    void Cover() {
        ShowWindow(cover_, SW_SHOW);
        for (int attempt = 0; attempt < 10; ++attempt) {
            SetWindowPos(cover_, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
            SetForegroundWindow(cover_);
            testing_desktop::Pump(300ms);
            if (GetForegroundWindow() == cover_ && IsAbove(cover_, pellico_.Main())) {
                testing_desktop::Pump(300ms);
                if (IsAbove(cover_, pellico_.Main())) return;
            }
        }
        FAIL() << "the other window does not stay over the main window";
    }
    void Notify(std::initializer_list<UINT> mouse_messages) {
        for (UINT m : mouse_messages)
            PostMessageW(tray_, kTrayCallback, 0, static_cast<LPARAM>(m));
    }
    bool MainComesToFront() {
        return testing_desktop::PumpUntil([&] { return IsAbove(pellico_.Main(), cover_); }, 3s);
    }

    HWND tray_ = nullptr;
    HWND cover_ = nullptr;
};

TEST_F(TrayTest, LeftOrRightClickBringsTheMainWindowToTheFront) {
    testing_desktop::SaveScreenshot(L"e2e_tray");
    const struct {
        const char* name;
        UINT down, up;
    } clicks[] = {{"left", WM_LBUTTONDOWN, WM_LBUTTONUP}, {"right", WM_RBUTTONDOWN, WM_RBUTTONUP}};
    for (const auto& click : clicks) {
        SCOPED_TRACE(click.name);
        Cover();
        Notify({click.down, click.up});
        EXPECT_TRUE(MainComesToFront());
    }
}

TEST_F(TrayTest, DoubleClickLeavesTheWindowWhereItIs) {
    Cover();
    Notify({WM_LBUTTONDBLCLK, WM_LBUTTONUP});
    EXPECT_FALSE(MainComesToFront());
}

} // namespace
} // namespace e2e
