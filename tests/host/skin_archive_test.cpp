// Skin archive: directory reading for every version code, name look-up rules, and archives that
// lie about their sizes.
#include "skin/model/lzh.h"
#include "skin/model/skin_archive.h"
#include "skin/model/skin_error.h"
#include "tests/host/test_data.h"
#include "ui/le_bytes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>

namespace {

using ui::PutU32;

// An archive written field by field, so tests can also write wrong fields.
struct RawArchive {
    std::uint32_t version = 20000;
    std::string names;
    std::vector<std::uint32_t> sizes;
    std::string contents;
    std::optional<std::uint32_t> nameListSize; // the true length unless given

    std::vector<std::uint8_t> Bytes() const {
        std::vector<std::uint8_t> out;
        PutU32(out, version);
        PutU32(out, nameListSize.value_or(static_cast<std::uint32_t>(names.size())));
        out.resize(16, 0xAB);
        out.resize(16 + static_cast<std::size_t>(std::max(0, SkinArchiveBlockSize(version))), 0xEE);
        out.insert(out.end(), names.begin(), names.end());
        for (std::uint32_t size : sizes)
            PutU32(out, size);
        out.insert(out.end(), contents.begin(), contents.end());
        return out;
    }
};

TSkinReader OpenRaw(const RawArchive& raw) {
    TSkinReader reader;
    reader.OpenDecoded(raw.Bytes());
    return reader;
}

TEST(SkinArchive, ReadsEveryVersionCode) {
    for (std::uint32_t version : {20000u, 30000u, 40000u, 50000u, 60000u, 70000u}) {
        const TSkinReader reader =
            OpenRaw({version, "Skin.ini\r\nA.BMP\r\n", {3, 2}, "[x]ab", std::nullopt});
        EXPECT_EQ(reader.Version(), version);
        EXPECT_EQ(reader.Names(), (std::vector<std::string>{"skin.ini", "a.bmp"})) << version;
        EXPECT_EQ(Text(reader.Extract("a.bmp")), "ab") << version;
    }
}

TEST(SkinArchive, BlockSizesOfTheVersionCodes) {
    const std::pair<std::uint32_t, int> rows[] = {{20000, 0},  {30000, 256}, {40000, 80},
                                                  {50000, 48}, {60000, 117}, {70000, 69},
                                                  {10000, -1}, {20001, -1}};
    for (const auto& [version, size] : rows)
        EXPECT_EQ(SkinArchiveBlockSize(version), size);
}

TEST(SkinArchive, UnknownVersionGivesTheOlderSkinMessage) {
    try {
        OpenRaw({10000, "a\r\n", {1}, "x", std::nullopt});
        FAIL();
    } catch (const EOlderSkinFile& e) {
        EXPECT_STREQ(e.what(), "This is Older Skin File\rPlease update to new version !");
    }
}

TEST(SkinArchive, NameListLineBreaks) {
    struct Row {
        const char* names;
        std::vector<std::string> expected;
    };
    const Row rows[] = {
        {"a\r\nb\r\n", {"a", "b"}},
        {"a\r\nb", {"a", "b"}},
        {"a\rb\nc", {"a", "b", "c"}},
        {"a\r\n\r\nb", {"a", "", "b"}},
        {"", {}},
        {"\r\n", {""}},
    };
    for (const Row& row : rows) {
        RawArchive raw{20000, row.names, {}, "", std::nullopt};
        raw.sizes.assign(row.expected.size(), 0);
        EXPECT_EQ(OpenRaw(raw).Names(), row.expected) << row.names;
    }
}

TEST(SkinArchive, LookUpRules) {
    const TSkinReader reader = OpenRaw({20000,
                                        "Title.BMP\r\nempty.bmp\r\nskin.ini\r\ntitle.bmp\r\n",
                                        {2, 0, 3, 1},
                                        "T1ini2",
                                        std::nullopt});
    std::string found = "old";
    struct Row {
        const char* name;
        const char* extract;
    };
    const Row extracts[] = {{"TITLE.bmp", "T1"}, {"title.bmp", "T1"}, {"empty.bmp", ""},
                            {"skin.ini", "ini"}, {"missing.bmp", ""}, {"", ""}};
    for (const Row& row : extracts)
        EXPECT_EQ(Text(reader.Extract(row.name)), row.extract) << row.name;

    EXPECT_EQ(Text(reader.ExtractFirstContaining(".ini", found)), "ini");
    EXPECT_EQ(found, "skin.ini");
    // Names are held in lower case and the text is not lower-cased.
    EXPECT_TRUE(reader.ExtractFirstContaining(".INI", found).empty());
    EXPECT_EQ(found, "");
    EXPECT_EQ(Text(reader.ExtractFirstContaining("itle", found)), "T1");
    EXPECT_EQ(found, "title.bmp");
}

TEST(SkinArchive, RejectsArchivesThatDoNotHoldWhatTheyClaim) {
    struct Row {
        const char* what;
        std::vector<std::uint8_t> bytes;
    };
    RawArchive tooMany{20000, "", {}, "", std::nullopt};
    for (int i = 0; i < 1002; ++i)
        tooMany.names += "e" + std::to_string(i) + "\r\n";
    tooMany.sizes.assign(1002, 0);
    RawArchive nameListTooLong{20000, "a\r\n", {0}, "", 0x7FFFFFF0};
    RawArchive blockCut{30000, "", {}, "", std::nullopt};
    std::vector<std::uint8_t> blockCutBytes = blockCut.Bytes();
    blockCutBytes.resize(100);
    std::vector<std::uint8_t> sizeTableCut =
        RawArchive{20000, "a\r\nb\r\n", {1, 1}, "", std::nullopt}.Bytes();
    sizeTableCut.resize(sizeTableCut.size() - 2);

    const Row rows[] = {
        {"empty", {}},
        {"short header", std::vector<std::uint8_t>(15, 0)},
        {"version block cut", blockCutBytes},
        {"name list past the end", nameListTooLong.Bytes()},
        {"size table cut", sizeTableCut},
        {"entry cut short", RawArchive{20000, "a\r\nb\r\n", {2, 3}, "abcd", std::nullopt}.Bytes()},
        {"sizes that overflow 32 bits",
         RawArchive{20000, "a\r\nb\r\n", {0xFFFFFFFF, 2}, "x", std::nullopt}.Bytes()},
        {"too many entries", tooMany.Bytes()},
        {"millions of empty names",
         RawArchive{20000, std::string(4 << 20, '\n'), {}, "", std::nullopt}.Bytes()},
    };
    for (const Row& row : rows) {
        TSkinReader reader;
        EXPECT_THROW(reader.OpenDecoded(row.bytes), ESkinArchiveError) << row.what;
    }
}

TEST(SkinArchive, FailedOpenKeepsThePreviousArchive) {
    TSkinReader reader;
    reader.OpenDecoded(RawArchive{20000, "a\r\n", {1}, "x", std::nullopt}.Bytes());
    EXPECT_THROW(reader.OpenDecoded(std::vector<std::uint8_t>(4, 0)), ESkinArchiveError);
    EXPECT_EQ(Text(reader.Extract("a")), "x");
}

TEST(SkinArchive, MostEntriesAllowedAndTrailingBytesIgnored) {
    RawArchive raw{20000, "", {}, "", std::nullopt};
    for (int i = 0; i < 1001; ++i)
        raw.names += "e" + std::to_string(i) + "\r\n";
    raw.sizes.assign(1001, 1);
    raw.contents = std::string(1001, 'z') + "trailing";
    const TSkinReader reader = OpenRaw(raw);
    EXPECT_EQ(reader.Names().size(), 1001u);
    EXPECT_EQ(Text(reader.Extract("e1000")), "z");
}

TEST(SkinArchive, PackedArchiveOpensCompressed) {
    const std::vector<SkinArchiveEntry> entries{
        {"Skin.INI", Bytes("[Form]\r\nTitle=title.bmp\r\n")},
        {"empty.bmp", {}},
        {"title.bmp", RandomBytes(3000, 3)},
    };
    TSkinReader reader;
    reader.Open(LzhEncodeContainer(PackSkinArchive(entries)));
    EXPECT_EQ(reader.Version(), 20000u);
    EXPECT_EQ(reader.Names(), (std::vector<std::string>{"skin.ini", "empty.bmp", "title.bmp"}));
    for (const SkinArchiveEntry& entry : entries)
        EXPECT_EQ(reader.Extract(entry.name), entry.data);
}

TEST(SkinArchive, PackRefusesWhatTheFormatCannotHold) {
    EXPECT_THROW(PackSkinArchive(std::vector<SkinArchiveEntry>{{"a\r\nb", {}}}), ESkinArchiveError);
    EXPECT_THROW(PackSkinArchive(std::vector<SkinArchiveEntry>{{"", {}}}), ESkinArchiveError);
    EXPECT_THROW(PackSkinArchive(std::vector<SkinArchiveEntry>(1002, {"x", {}})),
                 ESkinArchiveError);
}

} // namespace
