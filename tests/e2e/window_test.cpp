// The main window as the user meets it: placed near the corner of the work area, topmost,
// fixed size without minimise or maximise, no taskbar button, drawn in the skin's frame; the
// viewer chain kept intact; start-up while another program holds the clipboard.
#include "e2e_fixture.h"

#include "placement.h"
#include "skin_messages.h"

namespace e2e {
namespace {

TEST_F(PellicoTest, MainWindowIsTopmostFixedNearTheCornerAndOffTheTaskbar) {
    const HWND main = pellico_.Main();
    EXPECT_EQ(testing_desktop::WindowText(main), L"Pellico剪贴板");
    const LONG style = GetWindowLongW(main, GWL_STYLE);
    const LONG exStyle = GetWindowLongW(main, GWL_EXSTYLE);
    EXPECT_TRUE(style & WS_CAPTION);
    EXPECT_FALSE(style & (WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX));
    EXPECT_TRUE(exStyle & WS_EX_TOPMOST);

    // Skinned once it was first activated: the skin draws the caption and its close button
    // in place of the system's, in the default skin's frame (4 pixels at the sides and the
    // bottom, a 26-pixel title).
    RECT outer{}, work{};
    EXPECT_TRUE(testing_desktop::PumpUntil(
        [&] {
            GetWindowRect(main, &outer);
            return SendMessageW(main, SM_ISSKINNED, 0, 0) == 1 && outer.right - outer.left == 271;
        },
        5s));
    EXPECT_FALSE(GetWindowLongW(main, GWL_STYLE) & WS_SYSMENU);
    RECT client{};
    GetClientRect(main, &client);
    EXPECT_EQ(client.right, 263);
    EXPECT_EQ(client.bottom, 354);
    EXPECT_EQ(outer.right - outer.left, 263 + 8);
    EXPECT_EQ(outer.bottom - outer.top, 354 + 30);
    POINT origin{0, 0};
    ClientToScreen(main, &origin);
    EXPECT_EQ(origin.x - outer.left, 4);
    EXPECT_EQ(origin.y - outer.top, 26);

    // Placed for the system's dialog frame it was created with; the skin's frame grew it in
    // place.
    RECT created{0, 0, 263, 354};
    AdjustWindowRectEx(&created, static_cast<DWORD>(style | WS_SYSMENU), FALSE,
                       static_cast<DWORD>(exStyle));
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    const auto at =
        collector::PlaceNearCorner(work.right - work.left, work.bottom - work.top,
                                   created.right - created.left, created.bottom - created.top);
    EXPECT_EQ(outer.left, at.left);
    EXPECT_EQ(outer.top, at.top);

    // The application window owns the main window and is a tool window: no taskbar button.
    const HWND application = GetWindow(main, GW_OWNER);
    ASSERT_NE(application, nullptr);
    EXPECT_TRUE(GetWindowLongW(application, GWL_EXSTYLE) & WS_EX_TOOLWINDOW);

    CopyAll({L"第一条", L"second entry"});
    testing_desktop::Pump(500ms);
    testing_desktop::SaveScreenshot(L"e2e_main_window");
}

TEST(ViewerChain, AViewerJoinedBeforePellicoKeepsGettingEveryNotification) {
    collector_test::TestWindow viewer;
    const HWND next = SetClipboardViewer(viewer.get());
    {
        PellicoDriver pellico;
        ASSERT_TRUE(pellico.WaitUntilUp());
        viewer.Forget();
        int count = 0;
        for (const auto* text : {L"one", L"two", L"three"}) {
            CopyText(text);
            ASSERT_TRUE(pellico.WaitForCount(++count));
        }
        EXPECT_TRUE(testing_desktop::PumpUntil(
            [&] { return viewer.Received(WM_DRAWCLIPBOARD).size() >= 3; }, 5s));
        const HWND main = pellico.Main();
        EXPECT_EQ(pellico.Close(), std::optional<DWORD>(0));
        const auto changes = viewer.Received(WM_CHANGECBCHAIN);
        EXPECT_TRUE(std::any_of(changes.begin(), changes.end(), [&](const auto& m) {
            return reinterpret_cast<HWND>(m.wparam) == main &&
                   reinterpret_cast<HWND>(m.lparam) == viewer.get();
        }));
    }
    ChangeClipboardChain(viewer.get(), next);
}

TEST(Startup, ClipboardHeldByAnotherProgramShowsTheErrorAndTheWindowStillComesUp) {
    ASSERT_TRUE(OpenClipboard(DriverWindow()));
    PellicoDriver pellico;
    const auto box = WaitForDialog(pellico.ProcessId());
    CloseClipboard();
    ASSERT_TRUE(box.has_value());
    EXPECT_EQ(box->text, L"无法打开剪贴板");
    Dismiss(*box);
    ASSERT_TRUE(pellico.WaitUntilUp());
    // Without the watcher and the hotkeys: F4 is free and copies add nothing.
    EXPECT_TRUE(RegisterHotKey(nullptr, 1, 0, VK_F4));
    UnregisterHotKey(nullptr, 1);
    CopyText(L"unseen");
    testing_desktop::Pump(500ms);
    EXPECT_TRUE(pellico.Items().empty());
    EXPECT_EQ(pellico.Close(), std::optional<DWORD>(0));
}

} // namespace
} // namespace e2e
