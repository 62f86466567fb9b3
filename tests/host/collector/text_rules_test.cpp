// The list line of a captured text: the edit box's line rules, the length cut, the empty line.
#include <gtest/gtest.h>

#include "collector/text_rules.h"

using collector::DisplayLine;
using collector::kShownLineLimit;

namespace {

struct LineCase {
    const wchar_t* name;
    std::wstring text;
    std::optional<std::wstring> shown;
};

std::wstring Repeat(wchar_t c, std::size_t n) {
    return std::wstring(n, c);
}

} // namespace

TEST(DisplayLine, FollowsTheEditBoxLineRules) {
    const LineCase cases[] = {
        {L"empty text has no line, so no entry", L"", std::nullopt},
        {L"one line", L"hello", L"hello"},
        {L"one line with final CR LF", L"hello\r\n", L"hello"},
        {L"two lines", L"first\r\nsecond", L"first"},
        {L"begins with CR LF", L"\r\nsecond", L"未知数据"},
        {L"only CR LF", L"\r\n", L"未知数据"},
        {L"lone LF is part of the line", L"a\nb\r\nc", L"a\nb"},
        {L"lone CR is part of the line", L"a\rb", L"a\rb"},
        {L"CR CR LF is a soft break", L"a\r\r\nb", L"a"},
        {L"LF CR is no break", L"a\n\rb", L"a\n\rb"},
        {L"blank characters are a line", L"  ", L"  "},
        {L"Chinese", L"中文\r\n第二行", L"中文"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(DisplayLine(c.text), c.shown) << c.name;
    }
}

TEST(DisplayLine, CutsLongFirstLinesAtTheLimitInCharacters) {
    const std::wstring exact = Repeat(L'字', kShownLineLimit);
    const LineCase cases[] = {
        {L"at the limit", exact, exact},
        {L"one past the limit", exact + L"x", exact},
        {L"long line then more", Repeat(L'a', 10000) + L"\r\nb", Repeat(L'a', kShownLineLimit)},
        // The cut would leave half of an emoji (a surrogate pair at 4096/4097): drop the half.
        {L"pair across the limit", Repeat(L'a', kShownLineLimit - 1) + L"\xD83D\xDE00",
         Repeat(L'a', kShownLineLimit - 1)},
        {L"pair just inside the limit", Repeat(L'a', kShownLineLimit - 2) + L"\xD83D\xDE00z",
         Repeat(L'a', kShownLineLimit - 2) + L"\xD83D\xDE00"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(DisplayLine(c.text), c.shown) << c.name;
    }
}
