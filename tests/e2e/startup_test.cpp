// Pellico starts, shows its main window, and ends cleanly when that window is closed.
#include <gtest/gtest.h>

#include "desktop.h"
#include "child_process.h"

using namespace testing_desktop;

TEST(Startup, MainWindowOpensAndClosesWithExitCodeZero) {
    Process pellico(PellicoExe());
    ASSERT_TRUE(pellico.Started());
    HWND main = pellico.WaitForWindow(L"TForm1");
    ASSERT_NE(main, nullptr);
    EXPECT_EQ(WindowText(main), L"Pellico剪贴板");
    Pump(std::chrono::milliseconds(500));
    SaveScreenshot(L"startup");

    PostMessageW(main, WM_CLOSE, 0, 0);
    auto code = pellico.WaitForExit();
    ASSERT_TRUE(code.has_value());
    EXPECT_EQ(*code, 0u);
}
