// Window placement, the clipboard format probe and the shell's working folder.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "collector/format_probe.h"
#include "collector/placement.h"
#include "collector/shell_path.h"

using namespace collector;

// The margin is 20 pixels at 96 dpi and scales with the window's density: 25, 30 and 40 pixels
// at 1.25, 1.5 and 2 times.
TEST(PlaceNearCorner, UsesTheWorkAreaSizeOnly) {
    struct Case {
        int ww, wh, w, h, dpi;
        Position at;
    };
    const Case cases[] = {
        {1920, 1040, 269, 383, 96, {1631, 637}},  {1280, 800, 269, 383, 96, {991, 397}},
        {200, 300, 269, 383, 96, {-89, -103}},    {1920, 1040, 336, 479, 120, {1559, 536}},
        {2880, 1560, 403, 574, 144, {2447, 956}}, {3840, 2080, 538, 766, 192, {3262, 1274}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(PlaceNearCorner(c.ww, c.wh, c.w, c.h, c.dpi), c.at) << c.dpi;
}

TEST(ProbeFormats, AsksFromZeroUpAndStopsAtTheFirstFormatThere) {
    struct Case {
        std::vector<unsigned> present;
        int result;
        unsigned asked;
    };
    const Case cases[] = {
        {{}, 0, 18},     {{1, 2}, 1, 2}, {{2, 8, 17}, 2, 3},   {{15}, 15, 16},
        {{13, 1}, 1, 2}, {{17}, 17, 18}, {{18, 49000}, 0, 18},
    };
    for (const auto& c : cases) {
        std::vector<unsigned> asked;
        const int r = ProbeFormats([&](unsigned f) {
            asked.push_back(f);
            return std::find(c.present.begin(), c.present.end(), f) != c.present.end();
        });
        EXPECT_EQ(r, c.result);
        ASSERT_EQ(asked.size(), c.asked);
        for (unsigned i = 0; i < asked.size(); ++i)
            EXPECT_EQ(asked[i], i);
    }
}

TEST(ShellDirectory, IsThePathUpToTheLastBackslashOrColon) {
    const std::pair<std::wstring, std::wstring> cases[] = {
        {L"C:\\Tools\\readme.txt", L"C:\\Tools\\"},
        {L"C:readme.txt", L"C:"},
        {L"https://www.example.org/pellico", L"https:"},
        {L"http://host:8080/x", L"http://host:"},
        {L"readme.txt", L""},
        {L"", L""},
    };
    for (const auto& [file, dir] : cases)
        EXPECT_EQ(ShellDirectory(file), dir);
}
