// skintool as a skin author runs it: round trips through the binary, pack / list / unpack, and
// the exit codes for bad input and bad usage.
#include "skin/model/lzh.h"
#include "skin/model/skin_archive.h"
#include "tests/host/test_data.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <sys/wait.h>

namespace fs = std::filesystem;

namespace {

class Skintool : public testing::Test {
protected:
    // Runs skintool with `args`; returns its exit code. stdout and stderr land in files.
    int Run(const std::string& args) {
        const std::string command = std::string(SKINTOOL_PATH) + " " + args + " >" +
                                    (dir.Path() / "stdout").string() + " 2>" +
                                    (dir.Path() / "stderr").string();
        const int status = std::system(command.c_str());
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    std::string Out() { return Text(ReadBytes(dir.Path() / "stdout")); }
    std::string Err() { return Text(ReadBytes(dir.Path() / "stderr")); }
    std::string P(const std::string& name) { return (dir.Path() / name).string(); }

    TempDir dir;
};

TEST_F(Skintool, EncodeDecodeRoundTrips) {
    const std::pair<const char*, std::vector<std::uint8_t>> cases[] = {
        {"empty", {}},
        {"one", {0}},
        {"run59", std::vector<std::uint8_t>(59, 7)},
        {"run60", std::vector<std::uint8_t>(60, 7)},
        {"run61", std::vector<std::uint8_t>(61, 7)},
        {"random", RandomBytes(64 * 1024, 5)},
        {"text", IniLikeText(30000)},
        {"long_run", std::vector<std::uint8_t>(40000 * 60, 1)}, // rebuilds the tree
    };
    for (const auto& [name, data] : cases) {
        WriteBytes(P(name), data);
        ASSERT_EQ(Run("encode " + P(name) + " " + P("z")), 0) << Err();
        EXPECT_EQ(LzhDecodeContainer(ReadBytes(P("z"))), data) << name;
        ASSERT_EQ(Run("decode " + P("z") + " " + P("back")), 0) << Err();
        EXPECT_EQ(ReadBytes(P("back")), data) << name;
    }
}

TEST_F(Skintool, PackListUnpack) {
    fs::create_directories(P("skin"));
    WriteBytes(P("skin/Skin.INI"), Bytes("[Form]\r\n"));
    WriteBytes(P("skin/title.bmp"), RandomBytes(5000, 9));
    WriteBytes(P("skin/zero.bmp"), {});
    fs::create_directories(P("skin/subfolder"));

    ASSERT_EQ(Run("pack " + P("skin") + " " + P("skin.skn")), 0) << Err();
    TSkinReader reader;
    reader.Open(ReadBytes(P("skin.skn")));
    EXPECT_EQ(reader.Version(), 20000u);
    EXPECT_EQ(Text(reader.Extract("skin.ini")), "[Form]\r\n");

    ASSERT_EQ(Run("list " + P("skin.skn")), 0) << Err();
    EXPECT_EQ(Out(), "skin.ini\t8\ntitle.bmp\t5000\nzero.bmp\t0\n");

    // Only the files named, however their names are written.
    ASSERT_EQ(Run("pack " + P("skin") + " " + P("some.skn") + " Skin.INI zero.bmp"), 0) << Err();
    ASSERT_EQ(Run("list " + P("some.skn")), 0) << Err();
    EXPECT_EQ(Out(), "skin.ini\t8\nzero.bmp\t0\n");

    ASSERT_EQ(Run("unpack " + P("skin.skn") + " " + P("out")), 0) << Err();
    EXPECT_EQ(ReadBytes(P("out/skin.ini")), Bytes("[Form]\r\n"));
    EXPECT_EQ(ReadBytes(P("out/title.bmp")), RandomBytes(5000, 9));
    EXPECT_TRUE(fs::exists(P("out/zero.bmp")));
}

TEST_F(Skintool, BadInputIsOneLineAndExitCodeOne) {
    WriteBytes(P("huge"), {0xFF, 0xFF, 0xFF, 0xFF, 1, 2});
    WriteBytes(P("short"), {1, 0});
    WriteBytes(P("notarchive"), LzhEncodeContainer(Bytes("just some text, no archive")));
    WriteBytes(P("older"), LzhEncodeContainer(std::vector<std::uint8_t>(20, 0)));
    // An entry named to climb out of the target folder.
    std::vector<std::uint8_t> escape =
        PackSkinArchive(std::vector<SkinArchiveEntry>{{"../escaped", Bytes("x")}});
    WriteBytes(P("escape"), LzhEncodeContainer(escape));
    fs::create_directories(P("a/b"));
    WriteBytes(P("a/b/Same"), {});
    WriteBytes(P("a/b/same"), {});

    const std::string commands[] = {
        "decode " + P("huge") + " " + P("x"),
        "decode " + P("short") + " " + P("x"),
        "decode " + P("missing") + " " + P("x"),
        "list " + P("notarchive"),
        "list " + P("older"),
        "unpack " + P("escape") + " " + P("a/out"),
        "pack " + P("missing") + " " + P("x"),
        "pack " + P("a/b") + " " + P("x"),
        "pack " + P("a") + " " + P("x") + " missing.bmp",
        "pack " + P("a") + " " + P("x") + " b",
    };
    for (const std::string& command : commands) {
        EXPECT_EQ(Run(command), 1) << command;
        const std::string err = Err();
        EXPECT_EQ(err.rfind("skintool: ", 0), 0u) << err;
        EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 1) << err;
    }
    EXPECT_FALSE(fs::exists(P("a/escaped")));
}

TEST_F(Skintool, BadUsageIsExitCodeTwo) {
    for (const char* args : {"", "encode", "encode a", "list", "list a b", "frobnicate a b"}) {
        EXPECT_EQ(Run(args), 2) << args;
        EXPECT_NE(Err().find("usage:"), std::string::npos);
    }
}

} // namespace
