// Text in the ANSI code page of the test desktop (936) through the library's one codec, and the
// messages of exceptions shown to the user.
#include "ui/application.h"
#include "ui/text_codec.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

using namespace ui;

TEST(UiText, AnsiCodePageBothWays) {
    ASSERT_EQ(GetACP(), 936u);
    EXPECT_EQ(AnsiToWide("\xCB\xCE\xCC\xE5 ok"), L"宋体 ok");
    EXPECT_EQ(WideToAnsi(L"宋体 ok"), "\xCB\xCE\xCC\xE5 ok");
    // A character the code page lacks becomes its default character.
    EXPECT_EQ(WideToAnsi(L"a\u0E01b"), "a?b"); // a Thai letter
    EXPECT_EQ(AnsiToWide(""), L"");
}

TEST(UiText, ExceptionMessagesAreUtf8ElseAnsi) {
    const struct {
        const char* what;
        const wchar_t* shown;
    } cases[] = {
        {"\xE6\x97\xA0\xE6\xB3\x95\xE6\x89\x93\xE5\xBC\x80\xE5\x89\xAA\xE8\xB4\xB4\xE6\x9D\xBF",
         L"无法打开剪贴板"},
        {"\xCE\xDE\xB7\xA8", L"无法"}, // not UTF-8: the system's code page
    };
    for (const auto& c : cases)
        EXPECT_EQ(ExceptionMessage(std::make_exception_ptr(std::runtime_error(c.what))), c.shown);
}

} // namespace
