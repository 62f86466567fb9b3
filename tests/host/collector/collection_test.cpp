// Which clipboard changes become entries, and what the list keeps and shows.
#include <gtest/gtest.h>

#include "collector/collection.h"

using collector::ClipboardSource;
using collector::Collection;

namespace {

// A clipboard whose answers a test sets, counting how often its text was read.
struct FakeClipboard : ClipboardSource {
    bool own = false;
    bool excluded = false;
    std::wstring text;
    int reads = 0;
    bool IsOwnWrite() override { return own; }
    bool IsExcluded() override { return excluded; }
    std::wstring CapturedText() override {
        ++reads;
        return text;
    }
};

} // namespace

TEST(Collection, CapturesOnlyOutsideTextThatIsNotExcluded) {
    struct Case {
        const char* name;
        int probe;
        bool own;
        bool excluded;
        std::wstring text;
        bool suppress_before;
        bool added;
        bool suppress_after;
    };
    const Case cases[] = {
        {"outside text", 1, false, false, L"abc", false, true, false},
        {"outside text right after our paste is still captured", 1, false, false, L"abc", true,
         true, false},
        {"our own write clears the flag, adds nothing", 1, true, false, L"abc", true, false, false},
        {"our own write without the flag adds nothing", 1, true, false, L"abc", false, false,
         false},
        {"excluded secret", 1, false, true, L"pw", true, false, false},
        {"empty text", 1, false, false, L"", false, false, false},
        {"picture leaves the flag", 2, false, false, L"abc", true, false, true},
        {"files leave the flag", 15, false, false, L"abc", true, false, true},
        {"empty clipboard", 0, false, false, L"", false, false, false},
    };
    for (const auto& c : cases) {
        Collection list;
        if (c.suppress_before) list.SetSuppressNextCapture();
        FakeClipboard clip;
        clip.own = c.own;
        clip.excluded = c.excluded;
        clip.text = c.text;
        const auto line = list.Capture(c.probe, clip);
        EXPECT_EQ(line.has_value(), c.added) << c.name;
        EXPECT_EQ(list.Size(), c.added ? 1u : 0u) << c.name;
        EXPECT_EQ(list.SuppressNextCapture(), c.suppress_after) << c.name;
        if (c.own || c.excluded || c.probe != 1) {
            EXPECT_EQ(clip.reads, 0) << c.name;
        }
    }
}

TEST(Collection, KeepsWholeTextsInOrderAndShowsFirstLines) {
    Collection list;
    FakeClipboard clip;
    std::vector<std::wstring> shown;
    for (const auto* t : {L"one\r\ntwo\r\n", L"\r\nhidden", L"same", L"same", L"", L"last"}) {
        clip.text = t;
        if (auto line = list.Capture(1, clip)) shown.push_back(*line);
    }
    ASSERT_EQ(list.Size(), 5u);
    EXPECT_EQ(list.Entry(0), L"one\r\ntwo\r\n");
    EXPECT_EQ(shown, (std::vector<std::wstring>{L"one", L"未知数据", L"same", L"same", L"last"}));
    EXPECT_EQ(list.Joined(), L"one\r\ntwo\r\n\r\nhiddensamesamelast");

    list.Clear();
    EXPECT_EQ(list.Size(), 0u);
    EXPECT_EQ(list.Joined(), L"");
}
