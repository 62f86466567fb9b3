// skintool sheet: a packed skin becomes one bitmap showing every element's frames.
#include "skin/model/bmp_image.h"
#include "tests/host/test_data.h"
#include "tests/support/skin_fixture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <optional>
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

// The sheet skintool draws of `skin`; nullopt when it fails.
std::optional<TPixelImage> SheetOf(const Skin& skin) {
    TempDir dir;
    WriteBytes(dir.Path() / "skin.skn", skin.Pack());
    if (RunSkintool("sheet " + (dir.Path() / "skin.skn").string() + " " +
                    (dir.Path() / "sheet.bmp").string()) != 0) {
        return std::nullopt;
    }
    return DecodeBmp(ReadBytes(dir.Path() / "sheet.bmp"));
}

TEST(SkintoolSheet, ShowsEveryFrameOfEveryElement) {
    TempDir dir;
    Skin s;
    s.ini = "[Scrollbar]\nImage=sb.bmp\n[Buttons]\nBitmap=b.bmp\n";
    s.Image("sb.bmp", Strip(1, 23, 6, 6)).Image("b.bmp", Strip(2, 5, 8, 8));
    const auto sheet = SheetOf(s);
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

TEST(SkintoolSheet, ShowsTheLargerCopiesBesideThePictures) {
    Skin s;
    s.ini = "[Scrollbar]\nImage=sb.bmp\n[Buttons]\nCheckButton=c.bmp\nCheckButtonFrame=2\n";
    s.Image("sb.bmp", Strip(1, 23, 3, 3)).Image("sb@2x.bmp", Strip(3, 23, 6, 6));
    s.Image("c.bmp", Strip(2, 2, 5, 5)).Image("c@2x.bmp", Strip(4, 2, 10, 10));
    const auto sheet = SheetOf(s);
    ASSERT_TRUE(sheet);
    for (const int strip : {1, 2, 3, 4})
        for (const int k : {1, 2})
            EXPECT_TRUE(Contains(*sheet, FrameColour(strip, k))) << strip << " " << k;
    EXPECT_TRUE(Contains(*sheet, FrameColour(3, 23)));
}

TEST(SkintoolSheet, FrameCountsAndWidthsFromTheSkinAreBounded) {
    Skin s;
    s.ini = "[HorzScrollThumb]\nImage=t.bmp\nFrameCount=2147483647\n"
            "[Buttons]\nCheckButton=t.bmp\nCheckButtonFrame=1000000000\n"
            "[Scrollbar]\nImage=wide.bmp\n";
    s.Image("t.bmp", Strip(1, 3, 4, 4)).Image("wide.bmp", Strip(2, 23, 400, 2));
    const auto sheet = SheetOf(s);
    ASSERT_TRUE(sheet);
    // Cut at the right: the first frames of the 9200-pixel strip are there, the last is not.
    EXPECT_EQ(sheet->Width, 4096);
    EXPECT_TRUE(Contains(*sheet, FrameColour(2, 1)));
    EXPECT_FALSE(Contains(*sheet, FrameColour(2, 23)));
}

} // namespace
