// Larger copies of a skin's pictures (NAME@2x.bmp) through the loader, and the pictures at a
// display density made from them.
#include "skin/model/scaled_pictures.h"
#include "tests/support/skin_fixture.h"

#include "skin/model/bmp_image.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using skin_fixture::FramedSkin;
using skin_fixture::Load;
using skin_fixture::Skin;
using skin_fixture::Strip;

// `image` twice as large, each pixel a 2 x 2 block, with its top-left pixel marked so a test can
// tell the copy from `image` scaled.
TPixelImage DrawnLarge(const TPixelImage& image) {
    TPixelImage large(2 * image.Width, 2 * image.Height);
    for (int y = 0; y < large.Height; ++y)
        for (int x = 0; x < large.Width; ++x)
            large.At(x, y) = image.At(x / 2, y / 2);
    large.At(0, 0) = PixelFromColor(RGBColor(1, 2, 3));
    return large;
}

TEST(LargePictures, TheLoaderKeepsACopyTwiceThePicturesSize) {
    Skin s = FramedSkin("", "[Buttons]\nBitmap=push.bmp\nCheckButton=check.bmp\n");
    const TPixelImage push = Strip(5, 5, 7, 9), check = Strip(6, 4, 13, 13);
    s.Image("push.bmp", push).Image("check.bmp", check);
    s.Image("left@2x.bmp", DrawnLarge(Strip(1, 2, 5, 60)));
    s.Image("push@2x.bmp", DrawnLarge(push));
    s.Image("check@2x.bmp", DrawnLarge(check));
    // Not twice its picture's size: its cells would not be the picture's.
    s.Image("right@2x.bmp", TPixelImage(2 * 2 * 6 + 1, 120));
    const TSkinElements e = Load(s);
    EXPECT_EQ(e.BorderLeft.Image2x.Get(), DrawnLarge(Strip(1, 2, 5, 60)));
    EXPECT_EQ(e.Buttons.Image2x.Get(), DrawnLarge(push));
    EXPECT_EQ(e.Buttons.CheckImage2x.Get(), DrawnLarge(check));
    EXPECT_TRUE(e.BorderRight.Image2x.Get().Empty());
    EXPECT_TRUE(e.BorderTop.Image2x.Get().Empty()); // none given
    EXPECT_TRUE(e.Buttons.RadioImage2x.Get().Empty());
    // The pictures themselves are what they are without the copies.
    const TSkinElements without =
        Load(FramedSkin("", "[Buttons]\nBitmap=push.bmp\n").Image("push.bmp", push));
    EXPECT_EQ(e.BorderLeft.Image, without.BorderLeft.Image);
    EXPECT_EQ(e.Buttons.Image, without.Buttons.Image);
}

// A display at the base density never needs a copy: a load leaves them in the archive, packed
// after the pictures, undecompressed, and reads them all the first time one is asked for.
TEST(LargePictures, ALoadLeavesTheCopiesInTheArchiveUntilOneIsAskedFor) {
    Skin s = FramedSkin("", "[Buttons]\nBitmap=push.bmp\n");
    const TPixelImage push = Strip(5, 5, 7, 9);
    s.Image("push.bmp", push);
    s.Image("left@2x.bmp", DrawnLarge(Strip(1, 2, 5, 60)));
    s.Image("push@2x.bmp", DrawnLarge(push));
    const std::vector<std::uint8_t> packed = s.Pack();
    auto archive = std::make_shared<TSkinReader>();
    archive->Open(packed);
    const std::size_t size = LzhDecodeContainer(packed).size();
    const std::size_t copies = archive->EntrySize(*archive->IndexOf("left@2x.bmp")) +
                               archive->EntrySize(*archive->IndexOf("push@2x.bmp"));
    TSkinElements e;
    const TSkinLoadWork work = LoadSkinElements(e, archive, {});
    EXPECT_EQ(work.ImageDecodes, 5); // the frame's four pictures and the button's
    EXPECT_LE(archive->Decompressed(), size - copies + 64); // a match may run a little past
    EXPECT_EQ(e.Buttons.Image2x.Get(), DrawnLarge(push));
    EXPECT_EQ(archive->Decompressed(), size);
    EXPECT_EQ(e.BorderLeft.Image2x.Get(), DrawnLarge(Strip(1, 2, 5, 60)));
}

TEST(LargePictures, CopiesOnlyTakeWhatThePicturesLeaveOfTheBudget) {
    // The frame's four pictures: 10 x 60, 12 x 60, 40 x 48 and 40 x 14 pixels, 3800 in all. The
    // left one's copy, named before the others' pictures are read, has 2400.
    Skin s = FramedSkin("", "");
    s.Image("left@2x.bmp", DrawnLarge(Strip(1, 2, 5, 60)));
    for (const std::int64_t budget : {std::int64_t{3800}, std::int64_t{6199}, std::int64_t{6200}}) {
        TSkinLoadInputs inputs;
        inputs.PixelBudget = budget;
        const TSkinElements e = Load(s, inputs);
        EXPECT_FALSE(e.BorderBottom.Image.Empty()) << budget;
        EXPECT_FALSE(e.BorderRight.Image.Empty()) << budget;
        EXPECT_EQ(e.BorderLeft.Image2x.Get().Empty(), budget < 6200) << budget;
    }
}

TEST(LargePictures, APictureTheLoaderComposesHasNoCopy) {
    // The combo box is composed from the sunken edge and the button: their copies no longer fit,
    // even where the composed strip has the pictures' size (4 frames of 50 x 21).
    Skin s = FramedSkin("", "[SunkEdge]\nImage=sunk.bmp\n[ComboButton]\nImage=button.bmp\n");
    const TPixelImage sunk = Strip(5, 4, 50, 21), button = Strip(6, 4, 50, 21);
    s.Image("sunk.bmp", sunk).Image("button.bmp", button);
    s.Image("sunk@2x.bmp", DrawnLarge(sunk)).Image("button@2x.bmp", DrawnLarge(button));
    const TSkinElements e = Load(s);
    ASSERT_TRUE(e.SunkEdge && e.ComboButton);
    EXPECT_TRUE(e.SunkEdge->Image2x.Get().Empty());
    EXPECT_TRUE(e.ComboButton->Image2x.Get().Empty());
}

TEST(LargePictures, APictureAtADensity) {
    const TPixelImage picture = Strip(1, 2, 3, 4);
    const TPixelImage large = DrawnLarge(picture);
    const TPictureCut cut{2, false, {1, 1, 1, 1}};
    struct Row {
        const char* what;
        const TPixelImage& large;
        int dpi;
        TPixelImage expected;
    };
    const TPixelImage none;
    const Row rows[] = {
        {"1x: the picture", large, 96, picture},
        {"no density: the picture", large, 0, picture},
        {"2x: the copy", large, 192, large},
        {"2x without a copy: the picture scaled", none, 192, ScalePicture(picture, cut, 192)},
        {"1.5x: the copy scaled", large, 144,
         ScalePicture(large, {2, false, {2, 2, 2, 2}}, 144, 192)},
        {"1.5x without a copy: the picture scaled", none, 144, ScalePicture(picture, cut, 144)},
        {"3x: the copy scaled", large, 288,
         ScalePicture(large, {2, false, {2, 2, 2, 2}}, 288, 192)},
    };
    for (const Row& row : rows)
        EXPECT_EQ(PictureAtDpi(picture, row.large, cut, row.dpi), row.expected) << row.what;
    EXPECT_NE(PictureAtDpi(picture, large, cut, 144), PictureAtDpi(picture, none, cut, 144));
    // A density that would make a picture larger than any bitmap leaves it as it is.
    // (4097 x 1024 at 2x is just over kMaxBmpPixels.)
    const TPixelImage wide(4097, 1024);
    EXPECT_EQ(PictureAtDpi(wide, {}, {}, 192), wide);
}

TEST(LargePictures, ScaledPicturesAreMadeOncePerLoadAndDensity) {
    Skin s = FramedSkin("", "");
    s.Image("left@2x.bmp", DrawnLarge(Strip(1, 2, 5, 60)));
    TSkinElements e = Load(s);
    TScaledPictures scaled(e);
    const TDataSkinBorder& left = e.BorderLeft;
    const TPictureCut cut{left.Frame, false, {}};
    EXPECT_EQ(&scaled.At(left.Image, left.Image2x, cut, 96), &left.Image);
    const TPixelImage& at144 = scaled.At(left.Image, left.Image2x, cut, 144);
    EXPECT_EQ(at144, PictureAtDpi(left.Image, left.Image2x, cut, 144));
    EXPECT_EQ(&scaled.At(left.Image, left.Image2x, cut, 144), &at144);
    scaled.At(left.Image, left.Image2x, cut, 192);
    scaled.At(e.BorderTop.Image, e.BorderTop.Image2x.Get(), {2, true, {}}, 144);
    EXPECT_EQ(scaled.Made(), 3);
    // A load replaces the elements: everything is made again from the new pictures.
    TSkinReader reader;
    reader.Open(FramedSkin("", "", 9).Pack());
    LoadSkinElements(e, std::make_shared<TSkinReader>(std::move(reader)), {});
    EXPECT_EQ(scaled.At(left.Image, left.Image2x, cut, 144).Width, 2 * ScaleMeasure(9, 144));
    EXPECT_EQ(scaled.Made(), 1);
}

} // namespace

std::vector<int> Sides(TMargins m) {
    return {m.Left, m.Top, m.Right, m.Bottom};
}

TEST(LargePictures, ACutPictureComesWithItsMarginsAtTheDensity) {
    Skin s = FramedSkin("LeftTopHeight=24\nLeftBotHeight=5\n", "");
    TSkinElements e = Load(s);
    TScaledPictures scaled(e);
    const TDataSkinBorder& left = e.BorderLeft; // two 5 x 60 frames side by side
    const TPictureCut cut{left.Frame, false, {0, 24, 0, 5}};
    const struct {
        int dpi;
        TMargins margins;
    } densities[] = {{96, {0, 24, 0, 5}}, {120, {0, 30, 0, 6}}, {144, {0, 36, 0, 8}}};
    for (const auto& d : densities) {
        const TScaledPicture got = scaled.Cut(left.Image, left.Image2x, cut, d.dpi);
        EXPECT_EQ(got.Picture, &scaled.At(left.Image, left.Image2x, cut, d.dpi)) << d.dpi;
        EXPECT_EQ(Sides(got.Margins), Sides(d.margins)) << d.dpi;
    }
    // A picture too large to scale stays as it is, and so do its margins.
    e.BorderTop.Image = TPixelImage(5000, 1000); // four times as many pixels at 192 dpi: too many
    const TScaledPicture large = scaled.Cut(e.BorderTop.Image, {}, {1, true, {7, 0, 7, 0}}, 192);
    EXPECT_EQ(large.Picture->Width, 5000);
    EXPECT_EQ(Sides(large.Margins), (std::vector<int>{7, 0, 7, 0}));
}
