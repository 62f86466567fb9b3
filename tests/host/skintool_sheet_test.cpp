// skintool sheet: a packed skin becomes one bitmap showing every element's frames.
#include "bmp_image.h"
#include "skin_fixture.h"
#include "test_data.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <sys/wait.h>

namespace {

using skin_fixture::FrameColour;
using skin_fixture::Skin;
using skin_fixture::Strip;

int RunSkintool(const std::string& args) {
    const int status =
        std::system((std::string(SKINTOOL_PATH) + " " + args + " 2>/dev/null").c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

bool Contains(const TPixelImage& image, TColor colour) {
    return std::find(image.Pixels.begin(), image.Pixels.end(), PixelFromColor(colour)) !=
           image.Pixels.end();
}

TEST(SkintoolSheet, ShowsEveryFrameOfEveryElement) {
    TempDir dir;
    Skin s;
    s.ini = "[Scrollbar]\nImage=sb.bmp\n[Buttons]\nBitmap=b.bmp\n";
    s.Image("sb.bmp", Strip(1, 23, 6, 6)).Image("b.bmp", Strip(2, 5, 8, 8));
    WriteBytes(dir.Path() / "skin.skn", s.Pack());
    ASSERT_EQ(RunSkintool("sheet " + (dir.Path() / "skin.skn").string() + " " +
                          (dir.Path() / "sheet.bmp").string()),
              0);
    const auto sheet = DecodeBmp(ReadBytes(dir.Path() / "sheet.bmp"));
    ASSERT_TRUE(sheet);
    for (int k = 1; k <= 23; ++k)
        EXPECT_TRUE(Contains(*sheet, FrameColour(1, k))) << k;
    for (int k = 1; k <= 5; ++k)
        EXPECT_TRUE(Contains(*sheet, FrameColour(2, k))) << k;

    WriteBytes(dir.Path() / "bad.skn", {1, 2, 3});
    EXPECT_EQ(RunSkintool("sheet " + (dir.Path() / "bad.skn").string() + " " +
                          (dir.Path() / "bad.bmp").string()),
              1);
}

} // namespace
