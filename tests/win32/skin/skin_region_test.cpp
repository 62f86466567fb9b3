// Regions from pictures, gradients on device contexts, parent backgrounds.
#include "skin/gdi/dib.h"
#include "skin/gdi/parent_background.h"
#include "skin/gdi/skin_gradient.h"
#include "skin/gdi/skin_region.h"
#include "skin/pictures/image_ops.h"

#include <gtest/gtest.h>

namespace {

constexpr TPixel kKey = PixelFromColor(kKeyColor);

TEST(SkinRegion, CoversEveryPixelOutsideTheKeyAcrossBatches) {
    // 7001 runs: three full batches of 2000 and one of 1001.
    TPixelImage picture(7001 * 2, 1, PixelFromColor(RGBColor(1, 2, 3)));
    for (int x = 1; x < picture.Width; x += 2)
        picture.At(x, 0) = kKey;
    picture.At(4, 0) = PixelFromColor(RGBColor(255, 1, 255)); // inside the frame's tolerance
    const TPixelImage block = [] {
        TPixelImage b(40, 30, PixelFromColor(RGBColor(9, 9, 9)));
        for (int y = 0; y < 30; ++y)
            for (int x = 0; x < 40; ++x)
                if ((x * x + y * y) % 5 == 0) b.At(x, y) = kKey;
        return b;
    }();
    for (const auto& [image, dx, dy] : {std::tuple{picture, 3, 5}, std::tuple{block, -2, 100}}) {
        ASSERT_GT(OpaqueRuns(image, dx, dy, kFrameRegionKey).size(), 0u);
        const ui::TRegion region = BuildRegion(image, dx, dy, kFrameRegionKey);
        for (int y = -1; y <= image.Height; ++y) {
            for (int x = -1; x <= image.Width; ++x) {
                const bool opaque = x >= 0 && y >= 0 && x < image.Width && y < image.Height &&
                                    !kFrameRegionKey.Contains(image.At(x, y));
                ASSERT_EQ(PtInRegion(region.Handle(), x + dx, y + dy) != 0, opaque)
                    << "(" << x << ", " << y << ")";
            }
        }
    }
    EXPECT_EQ(OpaqueRuns(picture, 0, 0, kFrameRegionKey).size(), 7000u);
}

TEST(SkinRegion, NoRunsGiveAnEmptyRegion) {
    const ui::TRegion region = BuildRegion(TPixelImage(5, 5, kKey), 0, 0, kFrameRegionKey);
    RECT box{};
    EXPECT_EQ(GetRgnBox(region.Handle(), &box), NULLREGION);
}

TEST(SkinGradient, PaintsWhatThePixelGradientComposes) {
    // Tests run without the skin data component, which would tell the colour maths about
    // system colours.
    SetSysColorSource([](int index) { return static_cast<std::uint32_t>(GetSysColor(index)); });
    struct Row {
        TPixelRect rect;
        bool vertical;
        TColor from, to;
        TPixelRect clip;
    };
    const Row rows[] = {
        {{2, 3, 30, 40}, true, RGBColor(10, 200, 30), RGBColor(250, 0, 7), {0, 0, 40, 50}},
        {{2, 3, 30, 40}, false, RGBColor(250, 0, 7), RGBColor(10, 200, 30), {5, 10, 20, 45}},
        {{-4, 0, 12, 9}, false, static_cast<TColor>(0x8000000F), RGBColor(0, 0, 0), {0, 0, 40, 50}},
        {{0, 0, 40, 50}, true, RGBColor(0, 0, 0), RGBColor(255, 255, 255), {10, 20, 11, 21}},
    };
    for (const Row& r : rows) {
        const TPixelImage background(40, 50, PixelFromColor(RGBColor(1, 2, 3)));
        TDib surface(background);
        IntersectClipRect(surface.Dc(), r.clip.Left, r.clip.Top, r.clip.Right, r.clip.Bottom);
        GradientFill(surface.Dc(), RECT{r.rect.Left, r.rect.Top, r.rect.Right, r.rect.Bottom},
                     r.from, r.vertical, r.to);
        TPixelImage expected = background;
        GradientFill(expected, r.rect, r.from, r.vertical, r.to, r.clip);
        EXPECT_TRUE(surface.Pixels() == expected) << r.rect.Left << "," << r.rect.Top;
    }
}

// A parent that paints its client area grey and a red square at (30, 30)-(60, 60).
LRESULT CALLBACK ParentProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_ERASEBKGND) {
        RECT client;
        GetClientRect(window, &client);
        FillRect(reinterpret_cast<HDC>(wParam), &client,
                 static_cast<HBRUSH>(GetStockObject(GRAY_BRUSH)));
        return 1;
    }
    if (message == WM_PAINT && wParam) {
        const ui::GdiHandle<HBRUSH> red(CreateSolidBrush(RGB(255, 0, 0)));
        const RECT square{30, 30, 60, 60};
        FillRect(reinterpret_cast<HDC>(wParam), &square, red.get());
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

TEST(ParentBackground, TheParentPaintsUnderTheControlOnly) {
    WNDCLASSW wc{};
    wc.lpfnWndProc = ParentProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"PellicoParentBackgroundTest";
    RegisterClassW(&wc);
    const HWND parent = CreateWindowExW(0, wc.lpszClassName, L"", WS_POPUP, 0, 0, 100, 100, nullptr,
                                        nullptr, wc.hInstance, nullptr);
    const HWND control = CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE, 20, 25, 50, 40,
                                         parent, nullptr, wc.hInstance, nullptr);
    ASSERT_TRUE(parent && control);

    // A surface larger than the control: what lies beyond the control's size stays untouched.
    const TPixelImage background(80, 80, PixelFromColor(RGBColor(0, 0, 200)));
    TDib surface(background);
    PaintParentBackground(control, surface.Dc());
    const TPixelImage painted = surface.Pixels();
    const TPixel grey = PixelFromColor(RGBColor(128, 128, 128));
    const TPixel red = PixelFromColor(RGBColor(255, 0, 0));
    EXPECT_EQ(painted.At(0, 0), grey);   // parent (20, 25)
    EXPECT_EQ(painted.At(10, 5), red);   // parent (30, 30)
    EXPECT_EQ(painted.At(49, 34), grey); // parent (69, 59)
    EXPECT_EQ(painted.At(39, 34), red);  // parent (59, 59)
    EXPECT_EQ(painted.At(50, 10), background.At(50, 10));
    EXPECT_EQ(painted.At(10, 40), background.At(10, 40));
    // The DC is as it was.
    POINT origin{1, 1};
    GetViewportOrgEx(surface.Dc(), &origin);
    EXPECT_EQ(origin.x, 0);
    EXPECT_EQ(origin.y, 0);
    RECT clip{};
    EXPECT_EQ(GetClipBox(surface.Dc(), &clip), SIMPLEREGION);
    EXPECT_EQ(clip.right, 80);

    // A window without a parent has no background to borrow.
    TDib alone(background);
    PaintParentBackground(parent, alone.Dc());
    EXPECT_TRUE(alone.Pixels() == background);
    DestroyWindow(parent);
}

} // namespace
