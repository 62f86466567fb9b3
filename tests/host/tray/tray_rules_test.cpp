// The tray icon's rules: the tooltip bytes, the icon shown, the frame order and what each
// shell notification turns into.
#include "tray/tray_rules.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <map>
#include <string>
#include <vector>

namespace {

using namespace tray;

// GBK bytes of the characters the tests use, as the ANSI code page 936 would give them.
std::string Gbk(std::wstring_view piece) {
    static const std::map<wchar_t, std::string> table = {
        {L'多', "\xB6\xE0"}, {L'次', "\xB4\xCE"}, {L'复', "\xB8\xB4"}, {L'制', "\xD6\xC6"},
        {L'剪', "\xBC\xF4"}, {L'贴', "\xCC\xF9"}, {L'板', "\xB0\xE5"}, {L'中', "\xD6\xD0"},
        {L'亅', "\x81\x7C"}, // a trail byte that reads as "|"
    };
    std::string out;
    for (wchar_t c : piece) {
        auto it = table.find(c);
        out += it != table.end() ? it->second : std::string(1, static_cast<char>(c));
    }
    return out;
}

std::string Tip(std::wstring_view hint) {
    return FitTip(ShortHint(hint), Gbk);
}

TEST(TrayTip, ShortHintAndByteLimit) {
    const std::wstring han32(32, L'中');
    struct Case {
        std::wstring hint;
        std::string tip;
    } cases[] = {
        {L"", ""},
        {L"多次复制剪贴板", "\xB6\xE0\xB4\xCE\xB8\xB4\xD6\xC6\xBC\xF4\xCC\xF9\xB0\xE5"},
        {L"short|long hint", "short"},
        {L"|only long", ""},
        {L"a|b|c", "a"},
        {std::wstring(70, L'x'), std::string(63, 'x')},
        // 1 + 31 double-byte characters fill the 63 bytes exactly.
        {L"a" + han32, "a" + Gbk(han32.substr(0, 31))},
        // With 2 single bytes the 31st character would need bytes 63 and 64: it is left out
        // whole rather than cut in half.
        {L"ab" + han32, "ab" + Gbk(han32.substr(0, 30))},
        // The bar is found among characters: 亅 ends in 0x7C and stays whole.
        {L"亅亅|x", "\x81\x7C\x81\x7C"},
    };
    for (const auto& c : cases) {
        const std::string tip = Tip(c.hint);
        EXPECT_EQ(tip, c.tip) << c.tip.size();
        EXPECT_LE(tip.size(), kTipBytes);
    }
}

TEST(TrayTip, NeverEndsInALeadByte) {
    // Every split position of single-byte text before a run of double-byte characters.
    for (std::size_t ascii = 0; ascii < 6; ++ascii) {
        const std::string tip = Tip(std::wstring(ascii, L'x') + std::wstring(40, L'中'));
        ASSERT_GE(tip.size(), 62u);
        EXPECT_EQ((tip.size() - ascii) % 2, 0u) << ascii;
    }
}

TEST(TrayRules, CurrentIconAndNextFrame) {
    struct Case {
        int count;
        bool animated;
        int frame;
        int index;
    } cases[] = {
        {0, true, 0, kSingleIcon}, {3, false, 1, kSingleIcon}, {3, true, -1, 0}, {3, true, 1, 1},
        {3, true, 7, 2},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CurrentIconIndex(c.count, c.animated, c.frame), c.index)
            << c.count << " " << c.animated << " " << c.frame;

    const int frames[][3] = {{-1, 3, 0}, {0, 3, 1}, {1, 3, 2}, {2, 3, 0}, {5, 3, 0}, {0, 1, 0}};
    for (const auto& f : frames)
        EXPECT_EQ(NextFrame(f[0], f[1]), f[2]) << f[0] << " of " << f[1];
}

TEST(TrayRules, WhenARefreshAddsTheIcon) {
    EXPECT_TRUE(WantShown(false, false, true));
    EXPECT_FALSE(WantShown(false, true, false));
    EXPECT_TRUE(WantShown(true, true, false));
    EXPECT_FALSE(WantShown(true, false, true));
}

using Events = std::vector<TrayEvent>;
constexpr auto L = TrayButton::Left;
constexpr auto R = TrayButton::Right;
constexpr auto M = TrayButton::Middle;
using enum TrayEventKind;

TEST(TrayCallbackTable, EachMouseMessage) {
    struct Case {
        std::uint32_t message;
        unsigned clicked_before;
        Events events;
        unsigned clicked_after;
    } cases[] = {
        {0x200, 0, {{MouseMove, L, ssCtrl}}, 0},
        {0x201, 0, {{MouseDown, L, ssCtrl | ssLeft}}, kClickedLeft},
        {0x202,
         kClickedLeft | kClickedRight,
         {{Click, L, ssCtrl | ssLeft}, {MouseUp, L, ssCtrl | ssLeft}},
         kClickedRight},
        {0x202, kClickedRight, {{MouseUp, L, ssCtrl | ssLeft}}, kClickedRight},
        {0x203, 0, {{DblClick, L, ssCtrl}, {MouseDown, L, ssCtrl | ssDouble}}, 0},
        {0x204, kClickedLeft, {{MouseDown, R, ssCtrl | ssRight}}, kClickedLeft | kClickedRight},
        {0x205, kClickedRight, {{Click, R, ssCtrl | ssRight}, {MouseUp, R, ssCtrl | ssRight}}, 0},
        {0x205, kClickedLeft, {{MouseUp, R, ssCtrl | ssRight}}, kClickedLeft},
        {0x206, 0, {{MouseDown, R, ssCtrl | ssDouble}}, 0},
        {0x207, 0, {{MouseDown, M, ssCtrl | ssMiddle}}, 0},
        {0x208, 0, {{MouseUp, M, ssCtrl | ssMiddle}}, 0},
        {0x209, 0, {{MouseDown, M, ssCtrl | ssDouble}}, 0},
        {0x20A, kClickedLeft, {}, kClickedLeft}, // the wheel: nothing
        {0x100, 0, {}, 0},
    };
    for (const auto& c : cases) {
        const CallbackOutcome out = TrayCallback(c.message, c.clicked_before, ssCtrl);
        EXPECT_EQ(out.events, c.events) << std::hex << c.message;
        EXPECT_EQ(out.clicked, c.clicked_after) << std::hex << c.message;
    }
}

// The kinds of events a sequence of notifications fires, clicks with their buttons.
std::vector<std::pair<TrayEventKind, TrayButton>> Fire(const std::vector<std::uint32_t>& messages) {
    std::vector<std::pair<TrayEventKind, TrayButton>> fired;
    unsigned clicked = 0;
    for (std::uint32_t m : messages) {
        const auto out = TrayCallback(m, clicked, 0);
        clicked = out.clicked;
        for (const auto& e : out.events)
            fired.emplace_back(e.kind, e.button);
    }
    return fired;
}

TEST(TrayCallbackTable, ClickSequences) {
    using Fired = std::vector<std::pair<TrayEventKind, TrayButton>>;
    // Press and release: one click, between the press and the release event.
    EXPECT_EQ(Fire({0x201, 0x202}), (Fired{{MouseDown, L}, {Click, L}, {MouseUp, L}}));
    EXPECT_EQ(Fire({0x204, 0x205}), (Fired{{MouseDown, R}, {Click, R}, {MouseUp, R}}));
    // The shell's double click: the second release clicks no more.
    EXPECT_EQ(Fire({0x201, 0x202, 0x203, 0x202}), (Fired{{MouseDown, L},
                                                         {Click, L},
                                                         {MouseUp, L},
                                                         {DblClick, L},
                                                         {MouseDown, L},
                                                         {MouseUp, L}}));
    // A release whose press happened elsewhere, and a second release after a click.
    EXPECT_EQ(Fire({0x202, 0x205}), (Fired{{MouseUp, L}, {MouseUp, R}}));
    EXPECT_EQ(Fire({0x201, 0x202, 0x202}),
              (Fired{{MouseDown, L}, {Click, L}, {MouseUp, L}, {MouseUp, L}}));
    // The middle button never clicks.
    EXPECT_EQ(Fire({0x207, 0x208}), (Fired{{MouseDown, M}, {MouseUp, M}}));
}

// Both layouts the shell accepts as the first version: 32-bit handles (88 bytes) and 64-bit
// handles on 8-byte boundaries (104 bytes).
TEST(TrayNotifyRecord, LayoutPerHandleWidth) {
    struct Offsets {
        std::size_t hWnd, uID, uFlags, uCallbackMessage, hIcon, szTip, size;
    };
    const Offsets narrow{offsetof(NotifyIconRecord32, hWnd),
                         offsetof(NotifyIconRecord32, uID),
                         offsetof(NotifyIconRecord32, uFlags),
                         offsetof(NotifyIconRecord32, uCallbackMessage),
                         offsetof(NotifyIconRecord32, hIcon),
                         offsetof(NotifyIconRecord32, szTip),
                         sizeof(NotifyIconRecord32)};
    const Offsets wide{offsetof(NotifyIconRecord64, hWnd),
                       offsetof(NotifyIconRecord64, uID),
                       offsetof(NotifyIconRecord64, uFlags),
                       offsetof(NotifyIconRecord64, uCallbackMessage),
                       offsetof(NotifyIconRecord64, hIcon),
                       offsetof(NotifyIconRecord64, szTip),
                       sizeof(NotifyIconRecord64)};
    const auto tie = [](const Offsets& o) {
        return std::vector<std::size_t>{o.hWnd,  o.uID,   o.uFlags, o.uCallbackMessage,
                                        o.hIcon, o.szTip, o.size};
    };
    EXPECT_EQ(tie(narrow), (std::vector<std::size_t>{4, 8, 12, 16, 20, 24, 88}));
    EXPECT_EQ(tie(wide), (std::vector<std::size_t>{8, 16, 20, 24, 32, 40, 104}));
}

TEST(TrayNotifyRecord, Values) {
    const NotifyIconRecord32 r = MakeNotifyRecord<std::uint32_t>(0x10022, 0x3344, "tip");
    EXPECT_EQ(r.cbSize, 88u);
    EXPECT_EQ(r.hWnd, 0x10022u);
    EXPECT_EQ(r.uID, 0u);
    EXPECT_EQ(r.uFlags, 7u);
    EXPECT_EQ(r.uCallbackMessage, 0xB054u);
    EXPECT_EQ(r.hIcon, 0x3344u);
    EXPECT_EQ(std::string(r.szTip), "tip");

    // No icon, and a tip that arrives too long: 63 bytes and the terminating zero.
    const NotifyIconRecord32 none =
        MakeNotifyRecord(std::uint32_t{1}, kNoIconHandle<std::uint32_t>, std::string(80, 'y'));
    EXPECT_EQ(none.hIcon, 0xFFFFFFFFu);
    EXPECT_EQ(std::string(none.szTip), std::string(63, 'y'));

    // The 64-bit record keeps whole handles and names its own size.
    const NotifyIconRecord64 w =
        MakeNotifyRecord<std::uint64_t>(0x1'0000'0022, kNoIconHandle<std::uint64_t>, "tip");
    EXPECT_EQ(w.cbSize, 104u);
    EXPECT_EQ(w.hWnd, 0x1'0000'0022u);
    EXPECT_EQ(w.hIcon, ~std::uint64_t{0});
    EXPECT_EQ(std::string(w.szTip), "tip");
}

} // namespace
