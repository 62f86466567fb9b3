// Hotkey atom names, modifier masks, matching, the after-paste key and F4's next item.
#include <gtest/gtest.h>

#include "collector/hotkey_rules.h"

using namespace collector;

TEST(HotkeyAtomName, IsTheFileNameBeforeItsFirstDotFollowedByTheNumber) {
    struct Case {
        std::wstring path;
        int n;
        std::wstring name;
    };
    const Case cases[] = {
        {L"C:\\Program Files\\Pellico\\Pellico.exe", 1, L"Pellico1"},
        {L"C:\\Tools\\Pellico.exe", 2, L"Pellico2"},
        {L"C:\\Tools\\my.clip.tool.exe", 1, L"my1"},
        {L"C:\\v1.2\\Pellico", 1, L"1"},
        {L"C:\\Tools\\Pellico", 20, L"20"},
        {L"Pellico.exe", 12, L"Pellico12"},
        {L"D:Pellico.exe", 1, L"Pellico1"},
        {L"Z:\\build\\.hidden", 3, L"3"},
        {L"C:\\剪贴板\\剪贴板.exe", 1, L"剪贴板1"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(HotkeyAtomName(c.path, c.n), c.name) << std::string(c.path.begin(), c.path.end());
    }
}

TEST(Hotkeys, ModifierMasksAndMatching) {
    struct Case {
        HotkeyKeys keys;
        unsigned mask;
    };
    const Case masks[] = {
        {{}, 0},
        {{.alt = true}, 1},
        {{.ctrl = true}, 2},
        {{.shift = true}, 4},
        {{.win = true}, 8},
        {{.ctrl = true, .alt = true, .shift = true, .win = true}, 15},
        {{.ctrl = true, .shift = true}, 6},
    };
    for (const auto& c : masks)
        EXPECT_EQ(ModifierMask(c.keys), c.mask);

    const HotkeyKeys entries[] = {
        {.key = 115}, {.key = 116}, {.shift = true, .key = 115}, {.key = 116}};
    struct Match {
        std::uint32_t lparam;
        int n;
    };
    const Match matches[] = {
        {115u << 16, 1},       {116u << 16, 2}, // of two equal entries the lower number wins
        {(115u << 16) | 4, 3}, {(116u << 16) | 2, 0}, {(117u << 16), 0},
    };
    for (const auto& m : matches)
        EXPECT_EQ(MatchHotkey(entries, m.lparam), m.n) << m.lparam;
    EXPECT_EQ(MatchHotkey({}, 115u << 16), 0);
    EXPECT_EQ(HotkeyId(0xC012), 0x12);
}

TEST(Hotkeys, AfterPasteKeyByComboIndex) {
    const std::pair<int, std::optional<std::uint16_t>> cases[] = {
        {-1, std::nullopt}, {0, 9}, {1, 13}, {2, 32}, {3, 37}, {4, 40}, {5, std::nullopt}};
    for (const auto& [index, key] : cases)
        EXPECT_EQ(AfterPasteKey(index), key) << index;
}

TEST(Hotkeys, NextPasteIndexStopsAtTheLastItem) {
    struct Case {
        int selected, count;
        std::optional<int> next;
    };
    const Case cases[] = {
        {-1, 3, 0},           {0, 3, 1}, {1, 3, 2}, {2, 3, std::nullopt}, {-1, 0, std::nullopt},
        {5, 3, std::nullopt},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(NextPasteIndex(c.selected, c.count), c.next) << c.selected << "/" << c.count;
    }
}
