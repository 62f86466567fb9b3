// Skin ini parser: line splitting and dropping, look-up rules, integer conversion, and text that
// is not well-formed at all.
#include "skin/model/quick_ini.h"
#include "tests/host/test_data.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

TQuickIni Load(std::string_view text) {
    TQuickIni ini;
    ini.LoadFromStream(text);
    return ini;
}

TEST(QuickIni, SplitsTrimsAndDropsLines) {
    const std::string text =
        std::string("  [Form] \r\n\r\n   ; note\r\nA = 1\rB=2\n\n;C=3\r\n\tD=4 \x01\r\n") + '\0' +
        "E=5\r\n";
    const TQuickIni ini = Load(text);
    EXPECT_EQ(ini.Lines(), (std::vector<std::string>{"[Form]", "A = 1", "B=2", "D=4"}));
    EXPECT_EQ(ini.SectionLine("form"), 0);
    EXPECT_EQ(ini.ReadString("Form", "E", "none"), "none"); // the NUL ended the text
}

TEST(QuickIni, SectionLineCountsKeptLinesOnly) {
    const TQuickIni ini = Load("; head\r\n\r\n[A]\r\nx=1\r\n\r\n; c\r\n[B]\r\n");
    EXPECT_EQ(ini.SectionLine("A"), 0);
    EXPECT_EQ(ini.SectionLine("b"), 2);
    EXPECT_EQ(ini.SectionLine("C"), -1);
}

TEST(QuickIni, ReadStringRules) {
    const TQuickIni ini = Load("top=0\r\n"
                               "[Title]\r\n"
                               "MenuBar=menu.bmp\r\n"
                               "TopTrans=\r\n"
                               "A=b=c=d\r\n"
                               "no equals sign\r\n"
                               "  Spaced Key  =  spaced value  \r\n"
                               "[Personality]\r\n"
                               "MenuR=255\r\n"
                               "MenuR=128\r\n"
                               "Empty=\r\n"
                               "Empty=later\r\n"
                               "[title]\r\n"
                               "Second=yes\r\n");
    struct Row {
        const char* section;
        const char* key;
        const char* expected;
    };
    const Row rows[] = {
        {"Title", "menuBar", "menu.bmp"}, // keys and sections ignore letter case
        {"TITLE", "MENUBAR", "menu.bmp"},
        {"Title", "TopTrans", "default"}, // empty value keeps the default
        {"Title", "a", "b=c=d"},          // everything after the first "="
        {"Title", "Spaced Key", "spaced value"},
        {"Title", "MenuR", "default"},       // the next section header ends the search
        {"Personality", "MenuR", "255"},     // first line wins
        {"Personality", "Empty", "default"}, // even when it is empty
        {"Title", "Second", "default"},      // the first section of a name wins
        {"Missing", "MenuBar", "default"},
        {"", "top", "default"}, // lines before any section belong to none
    };
    for (const Row& row : rows) {
        EXPECT_EQ(ini.ReadString(row.section, row.key, "default"), row.expected)
            << row.section << "." << row.key;
    }
}

TEST(QuickIni, ReadIntegerConversions) {
    struct Row {
        const char* value;
        std::int32_t expected;
    };
    const Row rows[] = {
        {"", 7},
        {"42", 42},
        {"-42", -42},
        {"+5", 5},
        {"0x1F", 31},
        {"0X1f", 31},
        {"0x", 7},
        {"$1F", 31},
        {"$", 7},
        {"$FFFFFFFF", -1},
        {"$100000000", 7},
        {"-$10", -16},
        {"12abc", 7},
        {"1 2", 7},
        {"2147483647", INT_MAX},
        {"2147483648", 7},
        {"-2147483648", INT_MIN},
        {"-2147483649", 7},
        {"0x-1", 7},
        {"99999999999999999999", 7},
    };
    for (const Row& row : rows) {
        const TQuickIni ini = Load(std::string("[S]\r\nK=") + row.value + "\r\n");
        EXPECT_EQ(ini.ReadInteger("S", "K", 7), row.expected) << row.value;
    }
    EXPECT_EQ(Load("[S]\r\nTopTrans=\r\n").ReadInteger("S", "TopTrans", 1), 1);
}

TEST(QuickIni, ReadSectionsStripsBracketsAndBlanks) {
    const TQuickIni ini = Load("[Form]\r\n[ Button ]\r\n[]\r\n[[x]]\r\n[\r\n");
    EXPECT_EQ(ini.ReadSections(), (std::vector<std::string>{"Form", "Button", "", "[x]"}));
}

TEST(QuickIni, ReloadReplacesEverything) {
    TQuickIni ini = Load("[A]\r\nx=1\r\n");
    ini.LoadFromStream(Bytes("[B]\r\ny=2"));
    EXPECT_EQ(ini.SectionLine("A"), -1);
    EXPECT_EQ(ini.ReadString("B", "y", ""), "2");
}

TEST(QuickIni, CopesWithAnyBytes) {
    const std::string huge = "[S]\r\nK=" + std::string(1 << 20, 'v'); // no line end
    EXPECT_EQ(Load(huge).ReadString("S", "K", "").size(), 1u << 20);

    const std::vector<std::uint8_t> noise = RandomBytes(1 << 16, 11);
    TQuickIni ini;
    ini.LoadFromStream(noise);
    for (const std::string& name : ini.ReadSections())
        ini.ReadInteger(name, "k", 0);
    EXPECT_TRUE(Load(std::string_view("\0[S]", 4)).Lines().empty());
}

TEST(QuickIni, TextPastTheSizeLimitIsIgnored) {
    const std::string head = "[S]\r\nA=1\r\n";
    // Exactly at the limit: "B=2" is the last line.
    std::string text = head + std::string(TQuickIni::kMaxTextSize - head.size() - 4, ';') + "\nB=2";
    EXPECT_EQ(Load(text).ReadString("S", "B", "none"), "2");
    // One byte more: the "2" falls past the limit.
    text.insert(head.size(), ";");
    const TQuickIni ini = Load(text);
    EXPECT_EQ(ini.ReadString("S", "A", "none"), "1");
    EXPECT_EQ(ini.ReadString("S", "B", "none"), "none");
}

} // namespace
