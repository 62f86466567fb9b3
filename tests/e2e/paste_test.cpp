// The buttons: paste the selected entry, paste all joined, clear; our own pastes are not
// captured, the target follows the window in front, and a clipboard held by another program
// stops a paste with the error box.
#include "tests/e2e/e2e_fixture.h"

namespace e2e {
namespace {

TEST_F(PellicoTest, PasteSendsTheWholeSelectedEntryAndIsNotCapturedItself) {
    CopyAll({L"first\r\nsecond", L"two"});
    auto target = Target();
    pellico_.Select(0);
    pellico_.Click(L"粘  贴");
    EXPECT_TRUE(WaitForText(*target, L"first\r\nsecond")) << target->Text();
    testing_desktop::Pump(300ms);
    EXPECT_EQ(pellico_.Items().size(), 2u);
    CopyAll({L"three"});
    EXPECT_EQ(pellico_.Items().back(), L"three");
}

TEST_F(PellicoTest, PasteWithNothingSelectedDoesNothing) {
    CopyAll({L"unselected"});
    auto target = Target();
    pellico_.ClickAndWait(L"粘  贴");
    testing_desktop::Pump(500ms);
    EXPECT_EQ(target->Text(), L"");
}

TEST_F(PellicoTest, PasteAllJoinsTheEntriesWithNothingBetween) {
    const struct {
        std::vector<std::wstring> entries;
        std::wstring pasted;
    } cases[] = {
        {{L"a\r\n", L"b\r\n"}, L"a\r\nb\r\n"},
        {{L"a", L"b", L"c"}, L"abc"},
    };
    for (const auto& c : cases) {
        pellico_.ClickAndWait(L"清  空");
        CopyAll(c.entries);
        auto target = Target();
        pellico_.Click(L"全部粘贴");
        EXPECT_TRUE(WaitForText(*target, c.pasted)) << target->Text();
    }
}

TEST_F(PellicoTest, PasteAllOfAnEmptyListWritesTheEmptyText) {
    CopyAll({L"gone"});
    pellico_.ClickAndWait(L"清  空");
    EXPECT_TRUE(pellico_.Items().empty());
    auto target = Target();
    pellico_.Click(L"全部粘贴");
    EXPECT_TRUE(testing_desktop::PumpUntil([] { return ClipboardText() == L""; }, 5s));
    EXPECT_FALSE(WaitForDialog(pellico_.ProcessId(), 500ms).has_value());
    EXPECT_EQ(target->Text(), L"");
}

TEST_F(PellicoTest, PasteGoesToTheWindowLastInFront) {
    CopyAll({L"for the second"});
    auto first = Target();
    auto second = Target();
    pellico_.Select(0);
    pellico_.Click(L"粘  贴");
    EXPECT_TRUE(WaitForText(*second, L"for the second")) << second->Text();
    EXPECT_EQ(first->Text(), L"");
}

TEST_F(PellicoTest, ClipboardHeldByAnotherProgramStopsThePasteWithTheErrorBox) {
    CopyAll({L"held"});
    auto target = Target();
    pellico_.Select(0);
    ASSERT_TRUE(OpenClipboard(DriverWindow()));
    pellico_.Click(L"粘  贴");
    const auto box = WaitForDialog(pellico_.ProcessId());
    CloseClipboard();
    ASSERT_TRUE(box.has_value());
    EXPECT_EQ(box->text, L"无法打开剪贴板");
    testing_desktop::SaveScreenshot(L"e2e_clipboard_error");
    Dismiss(*box);
    testing_desktop::Pump(500ms);
    EXPECT_EQ(target->Text(), L"");
    CopyAll({L"next"});
    EXPECT_EQ(pellico_.Items(), (std::vector<std::wstring>{L"held", L"next"}));
}

} // namespace
} // namespace e2e
