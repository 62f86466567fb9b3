// The per-load bitmaps of a skin data component's elements: each made once, when first painted,
// made again after a load replaced the elements, left alone by a load that fails.
#include "skin/gdi/skin_bitmaps.h"
#include "skin/model/skin_data_core.h"
#include "skin/model/skin_geometry.h"
#include "skin/pictures/image_ops.h"
#include "tests/support/skin_fixture.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

using skin_fixture::Skin;
using skin_fixture::Strip;

std::vector<std::uint8_t> TwoPictureSkin(int strip) {
    Skin s;
    s.ini = "[Personality]\nTop=top.bmp\n[SunkEdge]\nImage=sunk.bmp\n[Buttons]\n"
            "Bitmap=b.bmp\nCheckButton=c.bmp\n";
    s.Image("top.bmp", Strip(strip, 2, 6, 4, true));
    s.Image("sunk.bmp", Strip(strip + 1, 4, 5, 3));
    s.Image("b.bmp", Strip(strip + 2, 5, 4, 4));
    s.Image("c.bmp", Strip(strip + 3, 4, 13, 13));
    return s.Pack();
}

// The bitmaps of the first of those skins, loaded.
class SkinBitmaps : public testing::Test {
protected:
    void SetUp() override {
        data.SetSkinStream(TwoPictureSkin(1));
        ASSERT_TRUE(data.LoadSkin());
    }
    TSkinDataCore data;
    const TSkinElements& e = data.Elements();
    TSkinBitmaps bitmaps{e};
};

TEST_F(SkinBitmaps, OncePerPictureAndLoad) {

    EXPECT_EQ(bitmaps.Of(e.BorderTop.Image).Colour().Pixels(), e.BorderTop.Image);
    EXPECT_EQ(bitmaps.Of(e.SunkEdge->Image).Colour().Pixels(), e.SunkEdge->Image);
    EXPECT_EQ(bitmaps.Of(e.Buttons.CheckImage).Colour().Pixels(), e.Buttons.CheckImage);
    // Pictures the skin lacks are empty bitmaps, not errors.
    EXPECT_TRUE(bitmaps.Of(e.BorderLeft.Image).Empty());
    EXPECT_TRUE(bitmaps.Of(e.Buttons.RadioImage).Empty());
    // Painting again makes nothing new.
    const TStripBitmap* top = &bitmaps.Of(e.BorderTop.Image);
    EXPECT_EQ(&bitmaps.Of(e.BorderTop.Image), top);
    EXPECT_EQ(bitmaps.Loads(), 1);
    EXPECT_EQ(bitmaps.Made(), 5);

    // Another skin: the fixed element keeps its place, the generic one is a new object.
    data.SetSkinStream(TwoPictureSkin(5));
    ASSERT_TRUE(data.LoadSkin());
    EXPECT_EQ(bitmaps.Of(e.BorderTop.Image).Colour().Pixels(), e.BorderTop.Image);
    EXPECT_EQ(bitmaps.Of(e.SunkEdge->Image).Colour().Pixels(), e.SunkEdge->Image);
    EXPECT_EQ(bitmaps.Of(e.Buttons.CheckImage).Colour().Pixels(), e.Buttons.CheckImage);
    EXPECT_EQ(bitmaps.Loads(), 2);
    EXPECT_EQ(bitmaps.Made(), 3);

    // A damaged skin leaves the elements, and so the bitmaps, as they were.
    data.SetSkinStream({1, 2, 3});
    EXPECT_FALSE(data.LoadSkin());
    EXPECT_EQ(bitmaps.Of(e.BorderTop.Image).Colour().Pixels(), e.BorderTop.Image);
    EXPECT_EQ(bitmaps.Loads(), 2);
    EXPECT_EQ(bitmaps.Made(), 3);
}

// What is made from a picture (the tabs' turned strips) is kept like the picture's own bitmap:
// once a load for each variant, whoever asks.
TEST_F(SkinBitmaps, MadeFromAPictureOncePerVariantAndLoad) {
    int makes = 0;
    const auto flip = [&makes](const TPixelImage& p) {
        ++makes;
        return FlipVertical(p);
    };
    const TStripBitmap* flipped = &bitmaps.Derived(e.SunkEdge->Image, 1, flip);
    EXPECT_EQ(flipped->Colour().Pixels(), FlipVertical(e.SunkEdge->Image));
    EXPECT_EQ(&bitmaps.Derived(e.SunkEdge->Image, 1, flip), flipped);
    EXPECT_NE(&bitmaps.Derived(e.SunkEdge->Image, 2, flip), flipped);
    EXPECT_EQ(makes, 2);

    data.SetSkinStream(TwoPictureSkin(5));
    ASSERT_TRUE(data.LoadSkin());
    EXPECT_EQ(bitmaps.Derived(e.SunkEdge->Image, 1, flip).Colour().Pixels(),
              FlipVertical(e.SunkEdge->Image));
    EXPECT_EQ(makes, 3);
    const TPixelImage other = Strip(1, 1, 2, 2);
    EXPECT_THROW(bitmaps.Derived(other, 1, flip), std::invalid_argument);
}

// A picture at a display density: the picture's own bitmap at 96 dpi, else the scaled picture's,
// made once a load and density and made again after a load.
TEST_F(SkinBitmaps, AtADensityOncePerLoad) {
    const TDataSkinObject& sunk = *e.SunkEdge;
    const TPictureCut cut{sunk.Frame, false, MarginsOf(sunk)};
    EXPECT_EQ(&bitmaps.AtDpi(sunk.Image, sunk.Image2x, cut, kBaseDpi), &bitmaps.Of(sunk.Image));
    const TStripBitmap* large = &bitmaps.AtDpi(sunk.Image, sunk.Image2x, cut, 192);
    EXPECT_EQ(large->Colour().Pixels(), ScalePicture(sunk.Image, cut, 192));
    EXPECT_EQ(&bitmaps.AtDpi(sunk.Image, sunk.Image2x, cut, 192), large);
    EXPECT_NE(&bitmaps.AtDpi(sunk.Image, sunk.Image2x, cut, 144), large);
    EXPECT_EQ(bitmaps.Made(), 3);

    data.SetSkinStream(TwoPictureSkin(5));
    ASSERT_TRUE(data.LoadSkin());
    EXPECT_EQ(bitmaps.AtDpi(e.SunkEdge->Image, e.SunkEdge->Image2x, cut, 192).Colour().Pixels(),
              ScalePicture(e.SunkEdge->Image, cut, 192));
    EXPECT_EQ(bitmaps.Made(), 1);
}

// What is made from a picture at a density (a tab strip turned for its side) is made from the
// picture at that density, once a load for each variant and density; at 96 dpi it is the
// picture's own variant.
TEST_F(SkinBitmaps, MadeFromAPictureAtADensityOncePerVariantDensityAndLoad) {
    int makes = 0;
    const auto flip = [&makes](const TPixelImage& p) {
        ++makes;
        return FlipVertical(p);
    };
    const TDataSkinObject& sunk = *e.SunkEdge;
    const TPictureCut cut{sunk.Frame, false, MarginsOf(sunk)};
    EXPECT_EQ(&bitmaps.Derived(sunk.Image, sunk.Image2x, cut, kBaseDpi, 1, flip),
              &bitmaps.Derived(sunk.Image, 1, flip));
    const TStripBitmap* large = &bitmaps.Derived(sunk.Image, sunk.Image2x, cut, 192, 1, flip);
    EXPECT_EQ(large->Colour().Pixels(), FlipVertical(ScalePicture(sunk.Image, cut, 192)));
    EXPECT_EQ(&bitmaps.Derived(sunk.Image, sunk.Image2x, cut, 192, 1, flip), large);
    EXPECT_NE(&bitmaps.Derived(sunk.Image, sunk.Image2x, cut, 144, 1, flip), large);
    EXPECT_NE(&bitmaps.Derived(sunk.Image, sunk.Image2x, cut, 192, 2, flip), large);
    EXPECT_EQ(makes, 4);

    data.SetSkinStream(TwoPictureSkin(5));
    ASSERT_TRUE(data.LoadSkin());
    EXPECT_EQ(bitmaps.Derived(e.SunkEdge->Image, e.SunkEdge->Image2x, cut, 192, 1, flip)
                  .Colour()
                  .Pixels(),
              FlipVertical(ScalePicture(e.SunkEdge->Image, cut, 192)));
    EXPECT_EQ(makes, 5);
}

TEST(SkinBitmapsOfNoSkin, APictureOfNoElementIsRefused) {
    TSkinElements elements;
    TSkinBitmaps bitmaps(elements);
    const TPixelImage other = Strip(1, 1, 2, 2);
    EXPECT_THROW(bitmaps.Of(other), std::invalid_argument);
}

TEST(StripBitmap, KeyMaskIsWhiteWhereThePictureIsMagenta) {
    TPixelImage picture = Strip(1, 1, 35, 2);
    picture.At(0, 0) = picture.At(33, 1) = PixelFromColor(kKeyColor);
    const TStripBitmap bitmap(picture);
    BITMAP info{};
    ASSERT_TRUE(GetObjectW(bitmap.Mask().Handle(), sizeof info, &info));
    ASSERT_EQ(info.bmBitsPixel, 1);
    const auto* bits = static_cast<const std::uint8_t*>(info.bmBits);
    const int stride = info.bmWidthBytes;
    EXPECT_EQ(stride, 8);
    GdiFlush();
    EXPECT_EQ(bits[0], 0x80);          // row 0: the first pixel is key
    EXPECT_EQ(bits[4], 0x00);          // pixels 32 to 34 are not
    EXPECT_EQ(bits[stride + 4], 0x40); // row 1: pixel 33 is
}

} // namespace
