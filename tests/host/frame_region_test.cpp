// The window region's rules: which pixels of the window the region covers for skins with and
// without key colour in their edges, with only some edges cutting, and when it is cut again.
#include "skin/forms/frame_region.h"

#include "skin/pictures/dpi_scale.h"
#include "skin/pictures/image_ops.h"
#include "skin/pictures/strip_layout.h"

#include <gtest/gtest.h>

#include <string>

namespace {

constexpr TPixel kKey = PixelFromColor(kKeyColor);
constexpr TPixel kPaint = PixelFromColor(RGBColor(40, 60, 90));

// Two frames of w x h (stacked or side by side), painted, with the key colour at the given
// pixels of both frames.
TPixelImage Edge(int w, int h, bool stacked, std::initializer_list<std::pair<int, int>> keys) {
    TPixelImage image(stacked ? w : 2 * w, stacked ? 2 * h : h, kPaint);
    for (int k = 0; k < 2; ++k)
        for (auto [x, y] : keys)
            image.At(stacked ? x : k * w + x, stacked ? k * h + y : y) = kKey;
    return image;
}

// A 4-pixel frame with a 26-row title; each edge's top-left pixel is the key colour, the side
// edges keep their 26 top and 4 bottom rows, the top its 6 columns at either end.
TSkinElements FrameSkin() {
    TSkinElements e;
    auto set = [](TDataSkinBorder& b, TPixelImage image, TMargins m) {
        b.Image = std::move(image);
        b.Frame = 2;
        b.LeftWidth = m.Left;
        b.TopHeight = m.Top;
        b.RightWidth = m.Right;
        b.BottomHeight = m.Bottom;
        b.Tile = 0; // stretched
    };
    set(e.BorderLeft, Edge(4, 40, false, {{0, 0}, {1, 0}, {0, 1}}), {0, 26, 0, 4});
    set(e.BorderRight, Edge(4, 40, false, {{3, 0}, {2, 0}, {3, 1}}), {0, 26, 0, 4});
    set(e.BorderTop, Edge(30, 26, true, {{0, 0}}), {6, 0, 6, 0});
    set(e.BorderBottom, Edge(30, 4, true, {{29, 3}}), {6, 0, 6, 0});
    return e;
}

constexpr TFrameSizes kFrame{4, 26, 4, 4};
constexpr TFrameSize kWindow{100, 80};

// The region's rectangles for the skin's pictures at `dpi`.
std::vector<TPixelRect> Region(const TSkinElements& e, TFrameSizes frame, TFrameSize size,
                               bool captionless, bool active, int dpi = kBaseDpi) {
    TScaledPictures pictures(e);
    return FrameRegionRects(e, frame, size, captionless, active, pictures, dpi);
}

bool Covered(const std::vector<TPixelRect>& rects, int x, int y) {
    for (const TPixelRect& r : rects)
        if (x >= r.Left && x < r.Right && y >= r.Top && y < r.Bottom) return true;
    return false;
}

// Every pixel of a window of `size` is covered except `holes`, and nothing outside it.
void ExpectCoverage(const std::vector<TPixelRect>& rects, const std::vector<std::pair<int, int>>& holes,
                    const std::string& what, TFrameSize size = kWindow) {
    for (int y = -1; y <= size.height; ++y) {
        for (int x = -1; x <= size.width; ++x) {
            bool inside = x >= 0 && y >= 0 && x < size.width && y < size.height;
            for (auto [hx, hy] : holes)
                if (hx == x && hy == y) inside = false;
            ASSERT_EQ(Covered(rects, x, y), inside) << what << " at (" << x << ", " << y << ")";
        }
    }
}

TEST(FrameRegion, EdgesCutByTheirKeyColour) {
    TSkinElements e = FrameSkin();
    e.BorderLeft.Trans = e.BorderRight.Trans = e.BorderTop.Trans = e.BorderBottom.Trans = 1;
    // The bottom edge's last pixel is the stretched cell's last pixel; the top edge's first
    // pixel lies under the left edge's opaque (1, 1) only where they meet: not at (4, 0).
    ExpectCoverage(Region(e, kFrame, kWindow, false, true),
                   {{0, 0}, {1, 0}, {0, 1}, {99, 0}, {98, 0}, {99, 1}, {4, 0}, {95, 79}},
                   "all four cut");
}

// The pixels of a key pixel (x, y) of a picture, anchored at (ax, ay) of the window, at `dpi`:
// the pixel's rectangle scaled from its anchor.
void AddScaled(std::vector<std::pair<int, int>>& holes, int ax, int ay, int x, int y, int dpi) {
    const TPixelRect r = ScaleRect({x, y, x + 1, y + 1}, dpi);
    for (int j = r.Top; j < r.Bottom; ++j)
        for (int i = r.Left; i < r.Right; ++i)
            holes.emplace_back(ax + i, ay + j);
}

TEST(FrameRegion, TheCutFollowsTheCornersAtTheWindowsDensity) {
    TSkinElements e = FrameSkin();
    e.BorderLeft.Trans = e.BorderRight.Trans = e.BorderTop.Trans = e.BorderBottom.Trans = 1;
    // Every measure of the fixture scales to whole pixels at 1.5 and 2 times, so each key pixel
    // becomes its scaled rectangle in the frame pictures at that density.
    for (const int dpi : {kBaseDpi, 144, 192}) {
        const TFrameSizes f = FrameSizesOf(e, TFrameKind::Sizeable, dpi);
        ASSERT_EQ(f, (TFrameSizes{ScaleMeasure(4, dpi), ScaleMeasure(26, dpi), ScaleMeasure(4, dpi),
                                  ScaleMeasure(4, dpi)}));
        const TFrameSize size{ScaleMeasure(100, dpi), ScaleMeasure(80, dpi)};
        std::vector<std::pair<int, int>> holes;
        for (auto [x, y] : {std::pair{0, 0}, {1, 0}, {0, 1}})
            AddScaled(holes, 0, 0, x, y, dpi);
        for (auto [x, y] : {std::pair{2, 0}, {3, 0}, {3, 1}})
            AddScaled(holes, size.width - f.right, 0, x, y, dpi);
        AddScaled(holes, f.left, 0, 0, 0, dpi);
        // The bottom edge's last pixel, at the end of the stretched middle.
        const int cell = ScaleMeasure(30, dpi);
        AddScaled(holes, size.width - f.right - cell, size.height - f.bottom, 29, 3, dpi);
        ExpectCoverage(Region(e, f, size, false, true, dpi), holes,
                       "at " + std::to_string(dpi) + " dpi", size);
    }
}

TEST(FrameRegion, NoKeyPixelsGiveTheWholeWindow) {
    TSkinElements e = FrameSkin();
    for (TDataSkinBorder* b : {&e.BorderLeft, &e.BorderRight, &e.BorderTop, &e.BorderBottom}) {
        std::fill(b->Image.Pixels.begin(), b->Image.Pixels.end(), kPaint);
        b->Trans = 1;
    }
    ExpectCoverage(Region(e, kFrame, kWindow, false, true), {}, "no key pixels");
}

TEST(FrameRegion, NoTransMeansTheWindowRectangle) {
    const TSkinElements e = FrameSkin();
    EXPECT_FALSE(FrameCutsRegion(e));
    EXPECT_EQ(Region(e, kFrame, kWindow, false, true),
              (std::vector<TPixelRect>{{0, 0, 100, 80}}));
}

TEST(FrameRegion, OnlyTheBottomEdgeCuts) {
    TSkinElements e = FrameSkin();
    e.BorderBottom.Trans = 1;
    EXPECT_TRUE(FrameCutsRegion(e));
    ExpectCoverage(Region(e, kFrame, kWindow, false, true), {{95, 79}}, "bottom only");
    // A bottom edge under 2 rows is never cut.
    TFrameSizes thin = kFrame;
    thin.bottom = 1;
    ExpectCoverage(Region(e, thin, kWindow, false, true), {}, "thin bottom");
}

TEST(FrameRegion, CaptionlessFramesKeepOnlyTheInside) {
    TSkinElements e = FrameSkin();
    e.BorderLeft.Trans = 1;
    EXPECT_EQ(Region(e, {}, kWindow, true, true),
              (std::vector<TPixelRect>{{0, 0, 100, 80}}));
}

TEST(FrameRegion, InactiveWindowsCutByTheSecondFrame) {
    TSkinElements e = FrameSkin();
    e.BorderLeft.Trans = 1;
    // Frame 2 of the left edge has a key pixel of its own at (2, 5).
    e.BorderLeft.Image.At(4 + 2, 5) = kKey;
    EXPECT_TRUE(Covered(Region(e, kFrame, kWindow, false, true), 2, 5));
    EXPECT_FALSE(Covered(Region(e, kFrame, kWindow, false, false), 2, 5));
    EXPECT_EQ(EdgeFrame(true, 2), 1);
    EXPECT_EQ(EdgeFrame(false, 2), 2);
    EXPECT_EQ(EdgeFrame(false, 1), 1);
}

TEST(FrameRegion, WhenTheRegionIsCutAgain) {
    using S = TFormSkinState;
    using K = TFormKind;
    using W = TWindowState;
    const TFrameSize size{275, 384}, other{276, 384};
    const struct {
        const char* what;
        TRegionQuery q;
        bool wanted;
    } cases[] = {
        {"first time", {S::Active, true, K::Normal, W::Normal, size, {}}, true},
        {"same size again", {S::Active, true, K::Normal, W::Normal, size, size}, false},
        {"another size", {S::Active, true, K::Normal, W::Normal, size, other}, true},
        {"a new skin, same size", {S::Refreshing, true, K::Normal, W::Normal, size, size}, true},
        {"an MDI child, same size", {S::Active, true, K::MdiChild, W::Normal, size, size}, true},
        {"a maximised MDI child", {S::Active, true, K::MdiChild, W::Maximised, size, {}}, false},
        {"a maximised window", {S::Active, true, K::Normal, W::Maximised, size, {}}, true},
        {"destroyed", {S::Destroyed, true, K::Normal, W::Normal, size, {}}, false},
        {"frame skinning off", {S::Active, false, K::Normal, W::Normal, size, {}}, false},
        {"no width", {S::Active, true, K::Normal, W::Normal, {0, 384}, {}}, false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(RegionWanted(c.q), c.wanted) << c.what;
}

} // namespace
