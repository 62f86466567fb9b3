// Pasting into a real target on another thread: F5's pastes land in order whatever the target
// does before it reads the clipboard, and the pause answers the target's questions meanwhile.
#include <gtest/gtest.h>

#include "collector/KeyMouse.h"
#include "collector/application_window.h"
#include "collector/clipboard.h"
#include "collector/paste.h"
#include "collector/paste_pause.h"
#include "tests/support/desktop.h"
#include "tests/win32/collector/paste_target.h"
#include "tests/win32/collector/test_window.h"

using namespace collector;
using namespace collector_test;
using testing_desktop::PumpUntil;

namespace {

class PasteTest : public ::testing::TestWithParam<PasteTarget::Kind> {
protected:
    PasteTest() { SetApplicationWindow(app.get()); }
    ~PasteTest() override { SetApplicationWindow(nullptr); }
    CleanClipboard clean;
    TestWindow app;
};

} // namespace

TEST_P(PasteTest, PastesInTurnLandInOrder) {
    PasteTarget target(GetParam(), app.get());
    Collection list = CollectedTexts({L"0", L"1", L"2"});
    for (std::size_t i = 0; i < list.Size(); ++i) {
        PasteInTurn(list, i, target.get(), VK_RETURN);
        EXPECT_TRUE(Clipboard::Instance().TextTaken()) << i;
    }
    EXPECT_TRUE(PumpUntil([&] { return target.Text() == L"0\r\n1\r\n2\r\n"; }))
        << "target holds: " << testing::PrintToString(target.Text());
    EXPECT_TRUE(list.SuppressNextCapture());
    if (GetParam() == PasteTarget::Kind::asks_first) {
        EXPECT_EQ(app.Received(WM_APP).size(), 3u);
    }
}

INSTANTIATE_TEST_SUITE_P(Targets, PasteTest,
                         ::testing::Values(PasteTarget::Kind::plain, PasteTarget::Kind::asks_first,
                                           PasteTarget::Kind::slow));

TEST_F(PasteTest, PauseEndsWhenTheTargetTookTheTextAndOnlyThen) {
    PasteTarget target(PasteTarget::Kind::plain, app.get());
    Clipboard& clipboard = Clipboard::Instance();

    // Nobody pastes: the pause gives up after its longest wait, the text still owed.
    clipboard.WriteTextOnRequest(L"never pasted");
    EXPECT_FALSE(
        WaitForPaste(clipboard, std::chrono::milliseconds(100), std::chrono::milliseconds(300)));

    clipboard.WriteTextOnRequest(L"中文 😀");
    SetForegroundWindow(target.get());
    SendCtrlV();
    EXPECT_TRUE(WaitForPaste(clipboard));
    EXPECT_EQ(target.Text(), L"中文 😀");
}

TEST_F(PasteTest, PasteEntryAndPasteAllWriteAtOnce) {
    PasteTarget target(PasteTarget::Kind::plain, app.get());
    Collection list = CollectedTexts({L"0", L"1", L"2"});
    PasteEntry(list, 1, target.get());
    EXPECT_TRUE(PumpUntil([&] { return target.Text() == L"1"; }));
    PasteAll(list, target.get());
    EXPECT_TRUE(PumpUntil([&] { return target.Text() == L"1012"; }))
        << testing::PrintToString(target.Text());
}
