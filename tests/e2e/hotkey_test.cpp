// F4 and F5 pressed as real keys while another program is in front.
#include "tests/e2e/e2e_fixture.h"

namespace e2e {
namespace {

TEST_F(PellicoTest, F4PastesTheNextEntryUntilTheLastThenSaysSo) {
    CopyAll({L"a", L"b", L"c"});
    auto target = Target();
    // Only the keys without modifiers are Pellico's.
    TapKey(VK_F4, true);
    testing_desktop::Pump(500ms);
    EXPECT_EQ(pellico_.Selected(), -1);
    const std::wstring expected[] = {L"a", L"ab", L"abc"};
    for (int i = 0; i < 3; ++i) {
        TapKey(VK_F4);
        EXPECT_TRUE(WaitForText(*target, expected[i])) << target->Text();
        EXPECT_EQ(pellico_.Selected(), i);
    }
    TapKey(VK_F4);
    const auto box = WaitForDialog(pellico_.ProcessId());
    ASSERT_TRUE(box.has_value());
    EXPECT_EQ(box->caption, L"提示");
    EXPECT_EQ(box->text, L"已经复制最后一条");
    testing_desktop::SaveScreenshot(L"e2e_last_entry");
    Dismiss(*box);
    EXPECT_EQ(target->Text(), L"abc");
}

TEST_F(PellicoTest, OnAnEmptyListF4SaysSoAndF5DoesNothing) {
    auto target = Target();
    TapKey(VK_F5);
    EXPECT_FALSE(WaitForDialog(pellico_.ProcessId(), 1s).has_value());
    TapKey(VK_F4);
    const auto box = WaitForDialog(pellico_.ProcessId());
    ASSERT_TRUE(box.has_value());
    EXPECT_EQ(box->text, L"已经复制最后一条");
    Dismiss(*box);
    EXPECT_EQ(target->Text(), L"");
}

TEST_F(PellicoTest, F5PastesEveryEntryInTurnAndLeavesTheLastSelected) {
    CopyAll({L"1", L"2", L"3"});
    auto target = Target();
    TapKey(VK_F5);
    EXPECT_TRUE(WaitForText(*target, L"123")) << target->Text();
    EXPECT_EQ(pellico_.Selected(), 2);
}

TEST_F(PellicoTest, ChosenKeyFollowsEachHotkeyPaste) {
    CopyAll({L"a", L"b", L"c"});
    SendMessageW(pellico_.CheckBox(), BM_CLICK, 0, 0);
    ASSERT_EQ(SendMessageW(pellico_.CheckBox(), BM_GETCHECK, 0, 0), BST_CHECKED);
    SendMessageW(pellico_.ComboBox(), CB_SETCURSEL, 1, 0); // "回车键"
    SendMessageW(pellico_.Main(), WM_COMMAND,
                 MAKEWPARAM(GetDlgCtrlID(pellico_.ComboBox()), CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(pellico_.ComboBox()));
    auto target = Target();
    TapKey(VK_F4);
    EXPECT_TRUE(WaitForText(*target, L"a\r\n")) << target->Text();
    TapKey(VK_F5);
    EXPECT_TRUE(WaitForText(*target, L"a\r\na\r\nb\r\nc\r\n")) << target->Text();
}

TEST_F(PellicoTest, ASecondCopyRunsButOnlyTheFirstHasTheHotkeys) {
    PellicoDriver second;
    ASSERT_TRUE(second.WaitUntilUp());
    CopyAll({L"once"});
    ASSERT_TRUE(second.WaitForCount(1));
    // The second copy is a clipboard viewer too and reads the first one's paste text the moment
    // it is written; a target that opened the clipboard in that same instant would find it held
    // (a race between any two viewers, not between the copies' hotkeys), so this one waits.
    auto target = Target(collector_test::PasteTarget::Kind::slow);
    TapKey(VK_F4);
    EXPECT_TRUE(WaitForText(*target, L"once")) << target->Text();
    testing_desktop::Pump(500ms);
    EXPECT_EQ(target->Text(), L"once");
    EXPECT_EQ(pellico_.Selected(), 0);
    EXPECT_EQ(second.Selected(), -1);
    EXPECT_FALSE(WaitForDialog(second.ProcessId(), 200ms).has_value());
    EXPECT_EQ(second.Close(), std::optional<DWORD>(0));
}

TEST(Hotkeys, ClosingPellicoReleasesThem) {
    {
        PellicoDriver pellico;
        ASSERT_TRUE(pellico.WaitUntilUp());
        EXPECT_FALSE(RegisterHotKey(nullptr, 1, 0, VK_F4));
        EXPECT_EQ(pellico.Close(), std::optional<DWORD>(0));
    }
    EXPECT_TRUE(RegisterHotKey(nullptr, 1, 0, VK_F4));
    EXPECT_TRUE(RegisterHotKey(nullptr, 2, 0, VK_F5));
    UnregisterHotKey(nullptr, 1);
    UnregisterHotKey(nullptr, 2);
}

} // namespace
} // namespace e2e
