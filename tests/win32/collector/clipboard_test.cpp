// The clipboard object on the real clipboard: text in and out intact (Chinese, emoji, 10 MiB),
// reads bounded by the data block, secrets left alone, our own writes told apart.
#include <gtest/gtest.h>

#include <shlobj.h>

#include <cstring>

#include "collector/application_window.h"
#include "collector/clipboard.h"
#include "collector/collection.h"
#include "collector/kivwatchClipbrd.h"
#include "tests/win32/collector/test_window.h"
#include "ui/win_handles.h"

using namespace collector;
using namespace collector_test;

namespace {

class ClipboardTest : public ::testing::Test {
protected:
    ClipboardTest() { SetApplicationWindow(app.get()); }
    ~ClipboardTest() override { SetApplicationWindow(nullptr); }
    CleanClipboard clean;
    TestWindow app;   // stands for the application window, our opener
    TestWindow other; // another program's window
    Clipboard& clipboard = Clipboard::Instance();
};

std::vector<unsigned char> Bytes(const std::string& s) {
    std::vector<unsigned char> b(s.begin(), s.end());
    b.push_back(0);
    return b;
}

std::vector<unsigned char> Dword(DWORD value) {
    std::vector<unsigned char> b(sizeof(value));
    std::memcpy(b.data(), &value, sizeof(value));
    return b;
}

std::vector<unsigned char> DroppedFiles() {
    const std::wstring files(L"C:\\a.txt\0C:\\b.txt\0", 18);
    std::vector<unsigned char> b(sizeof(DROPFILES) + (files.size() + 1) * sizeof(wchar_t));
    DROPFILES head{};
    head.pFiles = sizeof(DROPFILES);
    head.fWide = TRUE;
    std::memcpy(b.data(), &head, sizeof(head));
    std::memcpy(b.data() + sizeof(head), files.c_str(), files.size() * sizeof(wchar_t));
    return b;
}

} // namespace

TEST_F(ClipboardTest, ProbeFindsTextWhateverElseIsThere) {
    struct Case {
        const char* name;
        std::vector<Format> formats;
        int probe;
    };
    const Case cases[] = {
        {"UTF-16 text and a bitmap", {{CF_UNICODETEXT, WideBytes(L"x")}, {CF_BITMAP, {}}}, 1},
        {"ANSI text only", {{CF_TEXT, Bytes("x")}}, 1},
        {"bitmap only", {{CF_BITMAP, {}}}, 2},
        {"files only", {{CF_HDROP, DroppedFiles()}}, 15},
        {"empty", {}, 0},
    };
    TkivwatchClipbrd watcher(app.get());
    for (const auto& c : cases) {
        PlaceOnClipboard(other.get(), c.formats);
        EXPECT_EQ(watcher.HandleDrawClipboard(WM_DRAWCLIPBOARD, 0, 0), c.probe) << c.name;
    }
}

TEST_F(ClipboardTest, TextRoundTripsIntactAndAnsiProgramsSeeItInTheirCodePage) {
    const std::wstring texts[] = {
        L"中文剪贴板", L"emoji 😀 and 🎉", L"two\r\nlines\r\n", L"ünïcødé ☃ 한국어", L"",
    };
    for (const auto& text : texts) {
        clipboard.WriteText(text);
        EXPECT_EQ(clipboard.ReadText(), text);
        EXPECT_EQ(clipboard.HasFormat(CF_TEXT), true);
    }

    clipboard.WriteText(L"中文");
    ASSERT_TRUE(OpenClipboard(other.get()));
    {
        const ui::GlobalLockScope lock(GetClipboardData(CF_TEXT));
        const auto* ansi = static_cast<const char*>(lock.data());
        ASSERT_NE(ansi, nullptr);
        EXPECT_STREQ(ansi, "\xD6\xD0\xCE\xC4"); // 中文 in code page 936
    }
    CloseClipboard();

    // And text an ANSI program wrote reads back as the characters it meant.
    PlaceOnClipboard(other.get(), {{CF_TEXT, Bytes("\xD6\xD0\xCE\xC4 ok")}});
    EXPECT_EQ(clipboard.ReadText(), L"中文 ok");
}

TEST_F(ClipboardTest, TenMebibytesOfTextReadBackWhole) {
    std::wstring big(5 * 1024 * 1024, L'\0');
    for (std::size_t i = 0; i < big.size(); ++i)
        big[i] = static_cast<wchar_t>(L'a' + i % 26);
    big[big.size() / 2] = L'中';
    clipboard.WriteText(big);
    const auto back = clipboard.ReadText();
    EXPECT_EQ(back.size(), big.size());
    EXPECT_TRUE(back == big);
}

TEST(BlockText, StopsAtTheFirstZeroAndNeverPassesTheBlock) {
    struct Case {
        const char* name;
        std::vector<unsigned char> bytes;
        std::wstring text;
    };
    const Case cases[] = {
        {"zero in the middle", WideBytes(std::wstring(L"ab\0cd", 5)), L"ab"},
        {"no terminating zero", {'a', 0, 'b', 0, 'c', 0}, L"abc"},
        {"odd size: the half character is dropped", {'a', 0, 'b', 0, 'c'}, L"ab"},
        {"one byte", {'a'}, L""},
    };
    for (const auto& c : cases) {
        const ui::OwnedGlobal block(GlobalAlloc(GMEM_MOVEABLE, c.bytes.size()));
        {
            const ui::GlobalLockScope lock(block.get());
            std::memcpy(lock.data(), c.bytes.data(), c.bytes.size());
        }
        EXPECT_EQ(BlockText(block.get()), c.text) << c.name;
    }
    // No block, and a block whose memory is gone (the lock fails): nothing.
    EXPECT_EQ(BlockText(nullptr), L"");
    HGLOBAL gone = GlobalAlloc(GMEM_MOVEABLE | GMEM_DISCARDABLE, 16);
    gone = GlobalDiscard(gone);
    ASSERT_NE(gone, nullptr);
    EXPECT_EQ(GlobalLock(gone), nullptr);
    EXPECT_EQ(BlockText(gone), L"");
    GlobalFree(gone);
}

TEST_F(ClipboardTest, TextWithAZeroInsideEndsThere) {
    PlaceOnClipboard(other.get(), {{CF_UNICODETEXT, WideBytes(std::wstring(L"ab\0cd", 5))}});
    EXPECT_EQ(clipboard.ReadText(), L"ab");
}

TEST_F(ClipboardTest, OpenAndCloseNestAndAFailedOpenIsReported) {
    clipboard.Open();
    clipboard.Open();
    clipboard.Close();
    // Still open: another window cannot open it.
    EXPECT_FALSE(OpenClipboard(other.get()));
    clipboard.Close();
    ASSERT_TRUE(OpenClipboard(other.get()));
    // Held by another window now: our open fails with the message the user sees.
    try {
        clipboard.WriteText(L"x");
        ADD_FAILURE() << "no error";
    } catch (const ClipboardError& e) {
        EXPECT_STREQ(e.what(), "无法打开剪贴板");
    }
    EXPECT_EQ(clipboard.CapturedText(), L"");
    CloseClipboard();
}

TEST_F(ClipboardTest, CapturesOutsideTextButNotOurOwnWritesNorMarkedSecrets) {
    const UINT exclude = RegisterClipboardFormatW(L"ExcludeClipboardContentFromMonitorProcessing");
    const UINT ignore = RegisterClipboardFormatW(L"Clipboard Viewer Ignore");
    const UINT history = RegisterClipboardFormatW(L"CanIncludeInClipboardHistory");
    const auto text = Format{CF_UNICODETEXT, WideBytes(L"secret")};
    struct Case {
        const char* name;
        std::vector<Format> formats;
        bool captured;
    };
    const Case cases[] = {
        {"plain text", {text}, true},
        {"excluded from monitors", {text, {exclude, Dword(0)}}, false},
        {"viewer ignore", {text, {ignore, Dword(0)}}, false},
        {"not for the history", {text, {history, Dword(0)}}, false},
        {"allowed in the history", {text, {history, Dword(1)}}, true},
        {"history flag too short to read", {text, {history, {0, 0}}}, true},
    };
    TkivwatchClipbrd watcher(app.get());
    for (const auto& c : cases) {
        Collection list;
        PlaceOnClipboard(other.get(), c.formats);
        const int probe = watcher.HandleDrawClipboard(WM_DRAWCLIPBOARD, 0, 0);
        EXPECT_EQ(list.Capture(probe, clipboard).has_value(), c.captured) << c.name;
    }
}

TEST_F(ClipboardTest, OwnWritesAreThoseOpenedByTheApplicationWindow) {
    clipboard.WriteText(L"ours");
    EXPECT_TRUE(clipboard.IsOwnWrite());
    clipboard.WriteTextOnRequest(L"ours, later");
    EXPECT_TRUE(clipboard.IsOwnWrite());
    PlaceOnClipboard(other.get(), {{CF_UNICODETEXT, WideBytes(L"theirs")}});
    EXPECT_FALSE(clipboard.IsOwnWrite());
    PlaceOnClipboard(nullptr, {{CF_UNICODETEXT, WideBytes(L"nobody's")}});
    EXPECT_FALSE(clipboard.IsOwnWrite());
    SetApplicationWindow(nullptr);
    EXPECT_FALSE(clipboard.IsOwnWrite());
}

TEST_F(ClipboardTest, TextOnRequestIsHandedOverWhenAsked) {
    clipboard.WriteTextOnRequest(L"later 中文 😀");
    EXPECT_FALSE(clipboard.TextTaken());
    EXPECT_TRUE(clipboard.HasFormat(CF_UNICODETEXT));
    EXPECT_TRUE(clipboard.HasFormat(CF_TEXT));
    EXPECT_EQ(clipboard.ReadText(), L"later 中文 😀");
    EXPECT_TRUE(clipboard.TextTaken());
    EXPECT_EQ(clipboard.ReadText(), L"later 中文 😀");

    // A text still owed is dropped when someone else takes the clipboard.
    clipboard.WriteTextOnRequest(L"never asked for");
    PlaceOnClipboard(other.get(), {{CF_UNICODETEXT, WideBytes(L"theirs")}});
    EXPECT_TRUE(clipboard.TextTaken());
    EXPECT_EQ(clipboard.ReadText(), L"theirs");
}

TEST(ClipboardOwner, GoingAwayPlacesTheTextStillOwed) {
    CleanClipboard clean;
    TestWindow other;
    {
        TestWindow app;
        SetApplicationWindow(app.get());
        Clipboard::Instance().WriteTextOnRequest(L"owed 中文");
        SetApplicationWindow(nullptr);
    }
    EXPECT_EQ(Clipboard::Instance().ReadText(), L"owed 中文");
}
