// The GDI painters against the pixel composition: every primitive painted with GDI gives the
// pixels the host composes from the same pieces with the same stretch rule, shrinking and
// enlarging, opaque and with the magenta key left out.
#include "skin/gdi/dc_pixels.h"
#include "skin/gdi/dib.h"
#include "skin/gdi/skin_paint.h"
#include "skin/pictures/image_ops.h"
#include "skin/pictures/pixel_draw.h"
#include "skin/pictures/stretch_rule.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

constexpr TPixel kKey = PixelFromColor(kKeyColor);

// A picture whose pixels all differ (blue never reaches 255, so none is magenta by chance), with
// every pixel where (3x + y) % 7 == 0 magenta when `holes`.
TPixelImage Picture(int w, int h, bool holes) {
    TPixelImage image(w, h);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            image.At(x, y) =
                holes && (3 * x + y) % 7 == 0
                    ? kKey
                    : PixelFromColor(RGBColor(x % 256, y % 256, 100 + (x / 256) * 8 + y / 256));
        }
    }
    return image;
}

// What the target holds before painting, so a pixel left alone shows.
TPixelImage Background(int w, int h) {
    TPixelImage image(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            image.At(x, y) = PixelFromColor(RGBColor(7, (x * 5) % 256, (y * 3) % 256));
    return image;
}

// The target rectangle sits 3 pixels in from the top-left corner of a surface 3 larger on each
// side, so anything painted outside it shows too.
constexpr int kInset = 3;

struct Painted {
    TPixelImage gdi;
    TPixelImage host;
};

// Paints with GDI through `paint(dc, rect)` onto the background, and composes the host's
// expectation by blitting `composed` (the picture the primitive should produce, at `at`).
template <typename Paint>
Painted Compare(int w, int h, Paint paint, const TPixelImage& composed, TPixelRect at,
                bool transparent) {
    const TPixelImage background = Background(w + 2 * kInset, h + 2 * kInset);
    TDib surface(background);
    const RECT rect{kInset, kInset, kInset + w, kInset + h};
    paint(surface.Dc(), rect);
    TPixelImage host = background;
    // The host picture, cut to the rectangle the primitive paints into.
    TPixelImage cut = Crop(composed, {0, 0, at.Right - at.Left, at.Bottom - at.Top});
    Blit(host, at.Left + kInset, at.Top + kInset, cut, transparent, kKey);
    return {surface.Pixels(), host};
}

// The first pixel where two pictures differ, for the failure message.
std::string FirstDifference(const TPixelImage& a, const TPixelImage& b) {
    if (a.Width != b.Width || a.Height != b.Height) return "sizes differ";
    for (int y = 0; y < a.Height; ++y)
        for (int x = 0; x < a.Width; ++x)
            if (a.At(x, y) != b.At(x, y)) {
                return "first at (" + std::to_string(x) + ", " + std::to_string(y) + ")";
            }
    return "none";
}

#define EXPECT_SAME_PIXELS(painted, what)                                                          \
    EXPECT_TRUE((painted).gdi == (painted).host)                                                   \
        << what << ": " << FirstDifference((painted).gdi, (painted).host)

TEST(SkinPaint, StretchBltCopiesWhatTheStretchRuleSays) {
    // One stretch per pair of lengths, both axes at once: every source pixel differs.
    for (int s = 1; s <= 24; ++s) {
        for (int d = 1; d <= 40; ++d) {
            const int sw = s, sh = 25 - s, dw = d, dh = 41 - d;
            const TStripBitmap source(Picture(sw, sh, false));
            TDib target(dw, dh);
            StretchBlt(target.Dc(), 0, 0, dw, dh, source.Colour().Dc(), 0, 0, sw, sh, SRCCOPY);
            TPixelImage expected(dw, dh);
            StretchCopy(expected, {0, 0, dw, dh}, Picture(sw, sh, false), {0, 0, sw, sh});
            ASSERT_TRUE(target.Pixels() == expected)
                << sw << "x" << sh << " -> " << dw << "x" << dh << ": "
                << FirstDifference(target.Pixels(), expected);
        }
    }
}

TEST(SkinPaint, ElementFrameMatchesTheNineGridOnPixels) {
    // Three frames of 12 x 10 side by side, or stacked; frame 2 is painted.
    struct Style {
        const char* what;
        TMargins margins;
        bool stacked;
        bool tile;
        bool transparent;
    };
    const Style styles[] = {
        {"stretched", {3, 2, 4, 3}, false, false, false},
        {"stretched, transparent", {3, 2, 4, 3}, false, false, true},
        {"tiled, transparent, stacked", {2, 4, 3, 1}, true, true, true},
        {"no margins, tiled", {0, 0, 0, 0}, false, true, false},
        {"margins wider than the cell", {9, 8, 7, 6}, false, false, true},
    };
    const int sizes[] = {1, 2, 5, 7, 9, 12, 13, 25, 64, 301};
    for (const Style& style : styles) {
        const TPixelImage strip = Picture(style.stacked ? 12 : 36, style.stacked ? 30 : 10, true);
        const TStripBitmap bitmap(strip);
        for (const int w : sizes) {
            for (const int h : sizes) {
                const Painted p = Compare(
                    w, h,
                    [&](HDC dc, const RECT& r) {
                        DrawElementFrame(dc, r, bitmap, style.stacked, style.tile,
                                         style.transparent, 3, 2, style.margins);
                    },
                    RenderNineGrid(w, h, strip, style.margins, style.stacked, style.tile, 3, 2),
                    {0, 0, w, h}, style.transparent);
                EXPECT_SAME_PIXELS(p, style.what << ", " << w << "x" << h);
            }
        }
    }
}

TEST(SkinPaint, SlicesAndCellsMatchTheirPiecesOnPixels) {
    // Four frames of 14 x 9 side by side; the stacked three-slices use 14 x 36.
    const TPixelImage strip = Picture(56, 9, true);
    const TPixelImage stackedStrip = Picture(14, 36, true);
    const TStripBitmap bitmap(strip), stackedBitmap(stackedStrip);
    const int widths[] = {1, 4, 8, 13, 14, 15, 40, 333};
    const int heights[] = {1, 5, 9, 17};
    for (const int w : widths) {
        for (const int h : heights) {
            const auto composed = [&](const TPixelImage& from, const std::vector<TPiece>& pieces) {
                TPixelImage image(w, h);
                DrawPieces(image, from, pieces);
                return image;
            };
            const TPixelRect cell = StripCell(strip, 4, 3, false);
            const TPixelRect stackedCell = StripCell(stackedStrip, 4, 3, true);
            const std::string size = std::to_string(w) + "x" + std::to_string(h);

            Painted p = Compare(
                w, h,
                [&](HDC dc, const RECT& r) {
                    DrawThreeSlice(dc, r, stackedBitmap, true, true, 4, 3, {4, 0, 3, 0});
                },
                composed(stackedStrip, ThreeSlicePieces(w, h, stackedCell, 4, 3)), {0, 0, w, h},
                true);
            EXPECT_SAME_PIXELS(p, "three-slice " << size);

            p = Compare(
                w, h,
                [&](HDC dc, const RECT& r) {
                    DrawThreeSliceStretch(dc, r, bitmap, false, 4, 3, 5, 2);
                },
                composed(strip, ThreeSliceStretchPieces(w, h, cell, 5, 2)), {0, 0, w, h}, false);
            EXPECT_SAME_PIXELS(p, "three-slice stretch " << size);

            for (const bool transparent : {false, true}) {
                p = Compare(
                    w, h,
                    [&](HDC dc, const RECT& r) { DrawCell(dc, r, bitmap, transparent, 4, 3); },
                    composed(strip, {TPiece{{0, 0, w, h}, cell}}), {0, 0, w, h}, transparent);
                EXPECT_SAME_PIXELS(p, "cell " << size << (transparent ? ", transparent" : ""));

                // The cell sticks out of small targets; the surface around shows where.
                const TPixelRect at = CentredRect({0, 0, w, h}, 14, 9);
                p = Compare(
                    w, h,
                    [&](HDC dc, const RECT& r) {
                        DrawCentredCell(dc, r, bitmap, transparent, 4, 3);
                    },
                    Crop(strip, cell), at, transparent);
                EXPECT_SAME_PIXELS(p, "centred cell " << size);
            }

            const TPixelRect piece{20, 2, 25, 8};
            p = Compare(
                w, h, [&](HDC dc, const RECT& r) { DrawTile(dc, r, bitmap, piece); },
                composed(strip, {TPiece{{0, 0, w, h}, piece, TPieceFill::Tile}}), {0, 0, w, h},
                false);
            EXPECT_SAME_PIXELS(p, "tile " << size);
        }
    }
}

TEST(SkinPaint, TransparentBlitLeavesAnyKeyColourOut) {
    const TColor key = RGBColor(0, 100, 0);
    TPixelImage picture = Picture(9, 6, false);
    picture.At(2, 1) = picture.At(8, 5) = PixelFromColor(key);
    picture.At(3, 1) = kKey; // magenta is an ordinary colour with another key
    const Painted p = Compare(
        7, 4, [&](HDC dc, const RECT& r) { TransparentBlit(dc, r, TDib(picture), key); }, picture,
        {0, 0, 7, 4}, false);
    TPixelImage expected = p.host;
    expected.At(kInset + 2, kInset + 1) = Background(13, 10).At(kInset + 2, kInset + 1);
    EXPECT_TRUE(p.gdi == expected) << FirstDifference(p.gdi, expected);
}

TEST(SkinPaint, NothingForEmptyRectanglesOrFramesOutOfRange) {
    const TStripBitmap bitmap(Picture(30, 10, false));
    const TPixelImage background = Background(20, 20);
    TDib surface(background);
    DrawElementFrame(surface.Dc(), {10, 10, 5, 15}, bitmap, false, false, false, 3, 1, {});
    DrawElementFrame(surface.Dc(), {10, 10, 15, 10}, bitmap, false, false, false, 3, 1, {});
    DrawElementFrame(surface.Dc(), {0, 0, 10, 10}, bitmap, false, false, false, 3, 4, {});
    DrawCell(surface.Dc(), {0, 0, 10, 10}, bitmap, false, 3, 0);
    DrawCentredCell(surface.Dc(), {0, 0, 10, 10}, bitmap, true, 0, 1);
    DrawThreeSlice(surface.Dc(), {0, 0, 10, 10}, TStripBitmap(), false, false, 1, 1, {});
    EXPECT_TRUE(surface.Pixels() == background);
}

// A window in front on the test desktop, with its DC.
class TTestWindow {
public:
    TTestWindow(int w, int h)
        : window_(CreateWindowExW(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, L"STATIC", L"",
                                  WS_POPUP | WS_VISIBLE, 40, 40, w, h, nullptr, nullptr, nullptr,
                                  nullptr)) {
        UpdateWindow(window_);
        dc_ = GetDC(window_);
    }
    ~TTestWindow() {
        ReleaseDC(window_, dc_);
        DestroyWindow(window_);
    }
    HDC Dc() const { return dc_; }

private:
    HWND window_;
    HDC dc_ = nullptr;
};

TEST(SkinPaint, KeyedCopiesOntoAWindowAsOntoABitmap) {
    // A window DC is no memory DC: the copy is made on a copy of its pixels and put back.
    const TTestWindow window(90, 60);
    ASSERT_TRUE(window.Dc());
    const TPixelImage background = Background(90, 60);
    const TDib backgroundDib(background);
    const TPixelImage strip = Picture(56, 9, true);
    const TStripBitmap bitmap(strip);
    const auto paint = [&](HDC target) {
        BitBlt(target, 0, 0, 90, 60, backgroundDib.Dc(), 0, 0, SRCCOPY);
        DrawElementFrame(target, {3, 4, 70, 30}, bitmap, false, false, true, 4, 2, {2, 2, 2, 2});
        DrawCell(target, {5, 40, 19, 49}, bitmap, true, 4, 3);
        TransparentBlit(target, {30, 35, 80, 55}, TDib(strip), kKeyColor);
    };
    paint(window.Dc());
    TDib bitmapTarget(90, 60);
    paint(bitmapTarget.Dc());
    const TPixelImage onWindow = ReadPixels(window.Dc(), {0, 0, 90, 60});
    EXPECT_TRUE(onWindow == bitmapTarget.Pixels())
        << FirstDifference(onWindow, bitmapTarget.Pixels());
    EXPECT_NE(onWindow, background);
    // Read back from anywhere in the window.
    EXPECT_EQ(ReadPixels(window.Dc(), {5, 7, 25, 17}), Crop(onWindow, {5, 7, 25, 17}));
}

} // namespace
