// Every outside copy with text becomes an entry showing its first line; what is not text, is
// empty or is marked as not to be monitored adds nothing.
#include "tests/e2e/e2e_fixture.h"

#include <shlobj.h>

#include <cstring>

namespace e2e {
namespace {

using collector_test::Format;
using collector_test::WideBytes;

std::vector<Format> Text(const std::wstring& text) {
    return {{CF_UNICODETEXT, WideBytes(text)}};
}

std::vector<unsigned char> SmallDib() {
    BITMAPINFOHEADER header{};
    header.biSize = sizeof(header);
    header.biWidth = 2;
    header.biHeight = 2;
    header.biPlanes = 1;
    header.biBitCount = 32;
    std::vector<unsigned char> bytes(sizeof(header) + 16, 0x80);
    std::memcpy(bytes.data(), &header, sizeof(header));
    return bytes;
}

std::vector<unsigned char> DroppedFile() {
    DROPFILES drop{};
    drop.pFiles = sizeof(drop);
    drop.fWide = TRUE;
    const std::wstring names = L"C:\\notes.txt";
    std::vector<unsigned char> bytes(sizeof(drop) + (names.size() + 2) * sizeof(wchar_t), 0);
    std::memcpy(bytes.data(), &drop, sizeof(drop));
    std::memcpy(bytes.data() + sizeof(drop), names.data(), names.size() * sizeof(wchar_t));
    return bytes;
}

struct CaptureCase {
    const char* name;
    std::vector<std::vector<Format>> copies;
    std::vector<std::wstring> items;
};

TEST_F(PellicoTest, OutsideCopiesBecomeEntriesShowingTheirFirstLine) {
    const std::wstring long_line(5000, L'x');
    const UINT exclude = RegisterClipboardFormatW(L"ExcludeClipboardContentFromMonitorProcessing");
    const CaptureCase cases[] = {
        {"one line", {Text(L"hello")}, {L"hello"}},
        {"two lines", {Text(L"first\r\nsecond")}, {L"first"}},
        {"leading line break", {Text(L"\r\nsecond")}, {L"未知数据"}},
        {"empty text", {Text(L"")}, {}},
        {"same text twice", {Text(L"again"), Text(L"again")}, {L"again", L"again"}},
        {"bitmap only", {{{CF_DIB, SmallDib()}}}, {}},
        {"files only", {{{CF_HDROP, DroppedFile()}}}, {}},
        {"first line over 4096", {Text(long_line + L"\r\nrest")}, {long_line.substr(0, 4096)}},
        {"Chinese and emoji", {Text(L"中文 😀 text")}, {L"中文 😀 text"}},
        {"password manager", {{{CF_UNICODETEXT, WideBytes(L"secret")}, {exclude, {0}}}}, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        pellico_.ClickAndWait(L"清  空");
        ASSERT_EQ(pellico_.Items().size(), 0u);
        for (const auto& copy : c.copies) {
            collector_test::PlaceOnClipboard(DriverWindow(), copy);
            // Some copies add nothing, so there is nothing to wait for but time.
            testing_desktop::Pump(300ms);
        }
        // A marker copied last shows that every copy before it has been seen.
        CopyText(L"marker");
        ASSERT_TRUE(pellico_.WaitForCount(static_cast<int>(c.items.size()) + 1));
        auto expected = c.items;
        expected.push_back(L"marker");
        EXPECT_EQ(pellico_.Items(), expected);
    }
}

} // namespace
} // namespace e2e
