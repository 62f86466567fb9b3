// The text codec: UTF-8 read strictly and written from any wide text, UTF-16 pairs kept.
#include "ui/text_codec.h"

#include <gtest/gtest.h>

namespace {

using namespace ui;

TEST(UiTextCodec, Utf8BothWays) {
    struct Case {
        const char* name;
        std::string utf8;
        std::u16string utf16; // the same text
    };
    const Case cases[] = {
        {"empty", "", u""},
        {"ASCII", "Button1", u"Button1"},
        {"Chinese", "\xE7\xB2\x98\xE3\x80\x80\xE8\xB4\xB4", u"\u7C98\u3000\u8D34"},
        {"beyond the BMP", "a\xF0\x9F\x98\x80z", u"a\U0001F600z"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::wstring wide = Utf16ToWide(c.utf16);
        EXPECT_EQ(Utf8ToWide(c.utf8), wide);
        EXPECT_EQ(WideToUtf8(wide), c.utf8);
    }
}

TEST(UiTextCodec, MalformedUtf8IsRefusedAndLoneSurrogatesAreReplaced) {
    for (const char* bad : {"\xC0\xAF", "\xE5\x89", "\xED\xA0\x80", "\xFF", "ok\x80"})
        EXPECT_EQ(Utf8ToWide(bad), std::nullopt) << testing::PrintToString(std::string(bad));
    // A lone surrogate cannot be written as UTF-8: it becomes U+FFFD, the text around it stays.
    EXPECT_EQ(WideToUtf8(Utf16ToWide(u"a\xD800z")), "a\xEF\xBF\xBDz");
    EXPECT_EQ(WideToUtf8(Utf16ToWide(u"\xDE00")), "\xEF\xBF\xBD");
}

} // namespace
