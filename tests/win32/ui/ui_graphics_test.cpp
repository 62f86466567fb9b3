// Graphics under Wine: bitmaps from BMP bytes with their scan lines, drawing through a
// canvas, icons from .ico bytes at the size asked for, image lists.
#include "ui/application.h"
#include "ui/form.h"
#include "ui/graphics.h"
#include "ui/image_format.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

namespace {

using namespace ui;
using Bytes = std::vector<std::uint8_t>;

void Put32(Bytes& b, std::size_t at, std::uint32_t v) {
    for (int i = 0; i < 4; ++i)
        b[at + i] = static_cast<std::uint8_t>(v >> (8 * i));
}

// A 24-bit BMP file, bottom-up, whose pixel (x, y) is the colour the function gives.
template <class F> Bytes Bmp24(int w, int h, F colour) {
    const int stride = (w * 3 + 3) & ~3;
    Bytes b(54 + static_cast<std::size_t>(stride) * h, 0);
    b[0] = 'B', b[1] = 'M';
    Put32(b, 2, static_cast<std::uint32_t>(b.size()));
    Put32(b, 10, 54);
    Put32(b, 14, 40);
    Put32(b, 18, static_cast<std::uint32_t>(w));
    Put32(b, 22, static_cast<std::uint32_t>(h));
    b[26] = 1;
    b[28] = 24;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const COLORREF c = colour(x, y);
            std::uint8_t* p = &b[54 + static_cast<std::size_t>(h - 1 - y) * stride + x * 3];
            p[0] = GetBValue(c), p[1] = GetGValue(c), p[2] = GetRValue(c);
        }
    return b;
}

// An .ico file with one 32-bit image per size, each filled with its own colour.
Bytes Ico(const std::vector<std::pair<int, COLORREF>>& images) {
    Bytes b(6 + 16 * images.size(), 0);
    b[2] = 1;
    b[4] = static_cast<std::uint8_t>(images.size());
    for (std::size_t i = 0; i < images.size(); ++i) {
        const int s = images[i].first;
        const std::size_t size = 40 + static_cast<std::size_t>(s) * s * 4 +
                                 static_cast<std::size_t>(((s + 31) / 32) * 4) * s;
        const std::size_t at = 6 + 16 * i;
        b[at] = static_cast<std::uint8_t>(s), b[at + 1] = static_cast<std::uint8_t>(s);
        b[at + 4] = 1, b[at + 6] = 32;
        Put32(b, at + 8, static_cast<std::uint32_t>(size));
        Put32(b, at + 12, static_cast<std::uint32_t>(b.size()));
        Bytes img(size, 0);
        Put32(img, 0, 40);
        Put32(img, 4, static_cast<std::uint32_t>(s));
        Put32(img, 8, static_cast<std::uint32_t>(s * 2));
        img[12] = 1, img[14] = 32;
        const COLORREF c = images[i].second;
        for (int p = 0; p < s * s; ++p) {
            img[40 + p * 4] = GetBValue(c);
            img[40 + p * 4 + 1] = GetGValue(c);
            img[40 + p * 4 + 2] = GetRValue(c);
            img[40 + p * 4 + 3] = 0xFF;
        }
        b.insert(b.end(), img.begin(), img.end());
    }
    return b;
}

TEST(UiGraphics, BitmapFromBmpBytesHasItsPixelsInScanLinesAndOnItsCanvas) {
    const Bytes file = Bmp24(5, 3, [](int x, int y) { return RGB(x * 50, y * 100, 7); });
    TBitmap bmp;
    bmp.LoadFromBytes(file);
    ASSERT_EQ(bmp.Width(), 5);
    ASSERT_EQ(bmp.Height(), 3);
    EXPECT_EQ(bmp.PixelFormat(), TPixelFormat::pf24bit);
    const std::uint8_t* row = bmp.ScanLine(2); // rows from the top
    EXPECT_EQ(row[4 * 3 + 2], 200);            // red of x = 4
    EXPECT_EQ(row[4 * 3 + 1], 200);            // green of y = 2
    EXPECT_EQ(bmp.Canvas().Pixel(1, 1), RGB(50, 100, 7));
    EXPECT_THROW(bmp.ScanLine(3), std::out_of_range);

    // Drawing through the canvas lands in the scan lines.
    bmp.Canvas().Brush.SetColor(0x00FF00FF);
    RECT r{0, 0, 2, 1};
    bmp.Canvas().FillRect(r);
    GdiFlush();
    EXPECT_EQ(bmp.ScanLine(0)[0], 0xFF);
    EXPECT_EQ(bmp.ScanLine(0)[1], 0x00);

    // A malformed file leaves the bitmap as it was.
    Bytes broken = file;
    broken.resize(60);
    EXPECT_THROW(bmp.LoadFromBytes(broken), EInvalidGraphic);
    EXPECT_EQ(bmp.Width(), 5);

    TBitmap alpha;
    alpha.SetPixelFormat(TPixelFormat::pf32bit);
    alpha.SetSize(4, 4);
    EXPECT_EQ(alpha.Stride(), 16);
    alpha.ScanLine(3)[3] = 0x80;
    EXPECT_EQ(alpha.ScanLine(3)[3], 0x80);
}

TEST(UiGraphics, IconTakesTheImageOfTheWantedSize) {
    const Bytes file = Ico({{16, RGB(255, 0, 0)}, {32, RGB(0, 0, 255)}});
    TIcon icon;
    icon.LoadFromBytes(file, 32, 32);
    ASSERT_FALSE(icon.Empty());
    TBitmap canvas;
    canvas.SetSize(48, 48);
    DrawIconEx(canvas.Canvas().Handle(), 0, 0, icon.Handle(), 0, 0, 0, nullptr, DI_NORMAL);
    EXPECT_EQ(canvas.Canvas().Pixel(20, 20), RGB(0, 0, 255));
    const OwnedIcon small = icon.HandleForSize(16, 16);
    DrawIconEx(canvas.Canvas().Handle(), 0, 0, small.get(), 0, 0, 0, nullptr, DI_NORMAL);
    EXPECT_EQ(canvas.Canvas().Pixel(5, 5), RGB(255, 0, 0));
    EXPECT_THROW(icon.LoadFromBytes(Bytes{0, 0, 1, 0, 1, 0}), EInvalidGraphic);
    EXPECT_FALSE(icon.Empty()); // still the icon it had
}

TEST(UiGraphics, ImageListCutsABitmapIntoImages) {
    TBitmap strip;
    strip.LoadFromBytes(
        Bmp24(48, 16, [](int x, int) { return x < 16 ? RGB(255, 0, 255) : RGB(0, 128, 0); }));
    TImageList list(16, 16);
    list.AddMasked(strip, 0xFF00FF);
    EXPECT_EQ(list.Count(), 3);
    TBitmap target;
    target.SetSize(16, 16);
    target.Canvas().Brush.SetColor(0xFFFFFF);
    RECT all{0, 0, 16, 16};
    target.Canvas().FillRect(all);
    list.Draw(target.Canvas().Handle(), 0, 0, 0); // all magenta: transparent
    EXPECT_EQ(target.Canvas().Pixel(8, 8), RGB(255, 255, 255));
    list.Draw(target.Canvas().Handle(), 0, 0, 1);
    EXPECT_EQ(target.Canvas().Pixel(8, 8), RGB(0, 128, 0));
}

TEST(UiGraphics, RegionsCombine) {
    TRegion a = TRegion::Rect(0, 0, 10, 10);
    a.Combine(TRegion::Rect(20, 0, 30, 10), RGN_OR);
    EXPECT_TRUE(PtInRegion(a.Handle(), 25, 5));
    EXPECT_FALSE(PtInRegion(a.Handle(), 15, 5));
}

} // namespace

namespace {

TEST(UiGraphics, FormIconGivesTheWindowBothSizes) {
    ui::TApplication app;
    auto* form = app.CreateForm<ui::TForm>();
    form->HandleNeeded();
    form->Icon()->LoadFromBytes(Ico({{16, RGB(255, 0, 0)}, {32, RGB(0, 0, 255)}}));
    auto icon_size = [&](WPARAM which) {
        auto icon = reinterpret_cast<HICON>(SendMessageW(form->Handle(), WM_GETICON, which, 0));
        ICONINFO info{};
        if (!icon || !GetIconInfo(icon, &info)) return 0L;
        const ui::GdiHandle<HBITMAP> color(info.hbmColor), mask(info.hbmMask);
        BITMAP bm{};
        GetObjectW(color.get(), sizeof(bm), &bm);
        return bm.bmWidth;
    };
    EXPECT_EQ(icon_size(ICON_BIG), GetSystemMetrics(SM_CXICON));
    EXPECT_EQ(icon_size(ICON_SMALL), GetSystemMetrics(SM_CXSMICON));
}

} // namespace
