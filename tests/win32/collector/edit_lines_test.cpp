// The first-line rule against a real multi-line edit box: for each text, the box's line 0 (and
// whether it holds a line at all) is what the rule says.
//
// A lone LF is left out here: Windows' edit box keeps it inside the line (as the rule does), but
// Wine's breaks the line there, so this box cannot speak for Windows on it.
#include <gtest/gtest.h>

#include <windows.h>

#include "collector/text_rules.h"

using collector::FirstLine;

TEST(FirstLine, AgreesWithARealMultiLineEditBox) {
    HWND edit = CreateWindowExW(0, L"EDIT", L"",
                                WS_OVERLAPPEDWINDOW | ES_MULTILINE | WS_HSCROLL | WS_VSCROLL |
                                    ES_AUTOHSCROLL | ES_AUTOVSCROLL,
                                0, 0, 200, 100, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(edit, nullptr);
    const std::wstring texts[] = {
        L"",         L"one", L"one\r\n",  L"one\r\ntwo", L"\r\ntwo",   L"\r\n",    L"a\rb",
        L"a\r\r\nb", L"\r",  L"中文\r\n", L"😀 x\r\n y",  L"a\r\n\r\n", L"  \r\nb", L"a\r\r\r\nb",
    };
    for (const auto& text : texts) {
        SetWindowTextW(edit, text.c_str());
        // Lines as a list of lines counts them: the box's count, less a last line that is empty.
        int count = static_cast<int>(SendMessageW(edit, EM_GETLINECOUNT, 0, 0));
        const auto last_start = SendMessageW(edit, EM_LINEINDEX, count - 1, 0);
        if (SendMessageW(edit, EM_LINELENGTH, last_start, 0) == 0) --count;
        const auto expected = FirstLine(text);
        const auto shown = testing::PrintToString(text);
        ASSERT_EQ(count > 0, expected.has_value()) << shown;
        if (!expected) continue;
        wchar_t buf[256] = {};
        buf[0] = 255; // EM_GETLINE takes the buffer size in its first character
        const auto n = SendMessageW(edit, EM_GETLINE, 0, reinterpret_cast<LPARAM>(buf));
        EXPECT_EQ(std::wstring(buf, static_cast<std::size_t>(n)), std::wstring(*expected)) << shown;
    }
    DestroyWindow(edit);
}
