// The hotkey registry with real key events in the test desktop: F4 and F5 arrive as entries 1
// and 2, modified keys do not, a second registry fails silently, and everything is released.
#include <gtest/gtest.h>

#include <initializer_list>

#include "collector/kivhotkey.h"
#include "tests/support/desktop.h"
#include "tests/win32/collector/test_window.h"

using namespace collector;
using namespace collector_test;
using testing_desktop::Pump;
using testing_desktop::PumpUntil;

namespace {

constexpr wchar_t kExe[] = L"C:\\tests\\CollectorHotkeyTest.exe";

// Presses the keys in order and releases them in reverse, as a user would.
void Chord(std::initializer_list<WORD> keys) {
    std::vector<INPUT> in;
    for (WORD k : keys) {
        INPUT i{};
        i.type = INPUT_KEYBOARD;
        i.ki.wVk = k;
        in.push_back(i);
    }
    for (auto it = keys.end(); it != keys.begin();) {
        INPUT i{};
        i.type = INPUT_KEYBOARD;
        i.ki.wVk = *--it;
        i.ki.dwFlags = KEYEVENTF_KEYUP;
        in.push_back(i);
    }
    SendInput(static_cast<UINT>(in.size()), in.data(), sizeof(INPUT));
}

// The entry numbers the registry matched for the hotkeys this window got.
std::vector<int> Matched(const TestWindow& w, const TKivhotkey& registry) {
    std::vector<int> out;
    for (const auto& m : w.Received(WM_HOTKEY)) {
        out.push_back(registry.MatchHotKey(m.wparam, m.lparam));
    }
    return out;
}

} // namespace

TEST(Hotkeys, F4AndF5ArriveAsTheirEntriesModifiedKeysDoNot) {
    TestWindow owner;
    TKivhotkey registry(kExe);
    registry.AddHotKey(owner.get(), false, false, false, false, VK_F4);
    registry.AddHotKey(owner.get(), false, false, false, false, VK_F5);
    ASSERT_EQ(registry.Count(), 2);
    EXPECT_EQ(registry.Id(1), GlobalFindAtomW(L"CollectorHotkeyTest1") - 0xC000);
    EXPECT_EQ(registry.Id(2), GlobalFindAtomW(L"CollectorHotkeyTest2") - 0xC000);

    Chord({VK_F4});
    Chord({VK_SHIFT, VK_F4});
    Chord({VK_CONTROL, VK_F5});
    Chord({VK_F5});
    ASSERT_TRUE(PumpUntil([&] { return owner.Received(WM_HOTKEY).size() >= 2; }));
    Pump(std::chrono::milliseconds(200));
    const auto got = owner.Received(WM_HOTKEY);
    ASSERT_EQ(got.size(), 2u);
    EXPECT_EQ(got[0].wparam, static_cast<WPARAM>(registry.Id(1)));
    EXPECT_EQ(Matched(owner, registry), (std::vector<int>{1, 2}));
}

TEST(Hotkeys, ASecondRegistryFailsSilentlyAndTheKeysAreFreeAfterwards) {
    TestWindow first_owner, second_owner, later_owner;
    {
        TKivhotkey first(kExe);
        first.AddHotKey(first_owner.get(), false, false, false, false, VK_F4);
        {
            // A second copy: same atom names, same identifiers, the key already taken.
            TKivhotkey second(kExe);
            second.AddHotKey(second_owner.get(), false, false, false, false, VK_F4);
            EXPECT_EQ(second.Id(1), first.Id(1));
            Chord({VK_F4});
            ASSERT_TRUE(PumpUntil([&] { return !first_owner.Received(WM_HOTKEY).empty(); }));
            Pump(std::chrono::milliseconds(200));
            EXPECT_TRUE(second_owner.Received(WM_HOTKEY).empty());
        }
        // The second copy going away leaves the first one's key and atom alone.
        EXPECT_NE(GlobalFindAtomW(L"CollectorHotkeyTest1"), 0);
        first_owner.Forget();
        Chord({VK_F4});
        EXPECT_TRUE(PumpUntil([&] { return !first_owner.Received(WM_HOTKEY).empty(); }));
    }
    EXPECT_EQ(GlobalFindAtomW(L"CollectorHotkeyTest1"), 0);
    ASSERT_TRUE(RegisterHotKey(later_owner.get(), 1, 0, VK_F4));
    UnregisterHotKey(later_owner.get(), 1);
}

TEST(Hotkeys, TakesTwentyEntriesAndNamesAtomsByNumberWithoutADot) {
    TestWindow owner;
    TKivhotkey registry(L"C:\\tests\\collectorhotkeytest");
    for (WORD key = 'A'; key < 'A' + 21; ++key) {
        registry.AddHotKey(owner.get(), true, true, false, false, key);
    }
    EXPECT_EQ(registry.Count(), 20);
    EXPECT_EQ(registry.Id(1), GlobalFindAtomW(L"1") - 0xC000);
    EXPECT_EQ(registry.Id(20), GlobalFindAtomW(L"20") - 0xC000);
    EXPECT_GE(registry.Id(1), 0);
    Chord({VK_CONTROL, VK_MENU, 'C'});
    ASSERT_TRUE(PumpUntil([&] { return !owner.Received(WM_HOTKEY).empty(); }));
    EXPECT_EQ(Matched(owner, registry), (std::vector<int>{3}));
}
