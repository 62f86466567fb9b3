// The skin engine's Windows inputs under Wine: the user32 look-ups and wrappers, the program's
// track bitmaps as pixels, the caption font and the application icon.
#include "skin/model/bmp_image.h"
#include "skin/runtime/skin_platform.h"
#include "tests/support/desktop.h"
#include "ui/scale_measure.h"
#include "ui/window_dpi.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TPixelImage FixturePixels(const char* name) {
    return DecodeBmp(
               testing_desktop::ReadFileBytes(std::string(PELLICO_FIXTURES) + "/skin/" + name))
        .value_or(TPixelImage{});
}

// A plain top-level window of the system's static class.
struct TestWindow {
    HWND wnd = CreateWindowExW(0, L"STATIC", L"skin platform", WS_OVERLAPPEDWINDOW | WS_VSCROLL, 10,
                               10, 200, 150, nullptr, nullptr, nullptr, nullptr);
    ~TestWindow() { DestroyWindow(wnd); }
};

TEST(SkinPlatform, User32FunctionsAreFoundAndTheWrappersCallThem) {
    const TUser32Functions& f = User32Functions();
    EXPECT_NE(f.GetScrollBarInfo, nullptr);
    EXPECT_NE(f.TrackMouseEvent, nullptr);
    EXPECT_NE(f.GetComboBoxInfo, nullptr);
    EXPECT_NE(f.DisableProcessWindowsGhosting, nullptr);

    TestWindow w;
    ASSERT_TRUE(w.wnd);
    SCROLLBARINFO info{};
    EXPECT_TRUE(SkinGetScrollBarInfo(w.wnd, OBJID_VSCROLL, info));
    EXPECT_GT(info.rcScrollBar.bottom, info.rcScrollBar.top);
    SkinTrackMouseLeave(w.wnd); // no mouse over it: only must not fail
}

TEST(SkinPlatform, LoadInputsCarryTheTrackBitmapsAndTheScrollBarWidth) {
    const TSkinLoadInputs inputs = SkinLoadInputs();
    // At 96 dpi whatever the display's density: what the loader composes is a 96-dpi picture.
    EXPECT_EQ(inputs.HScrollWidth, ui::MetricAtDpi(SM_CXHSCROLL, kBaseDpi));
    const TPixelImage track = FixturePixels("track.bmp");
    const TPixelImage vert = FixturePixels("trackvert.bmp");
    ASSERT_EQ(track.Width, 12);
    ASSERT_EQ(vert.Height, 12);
    EXPECT_EQ(inputs.Track, track);
    EXPECT_EQ(inputs.TrackVert, vert);
    EXPECT_TRUE(BitmapResourcePixels(L"NOSUCHBITMAP").Pixels.empty());
}

void ExpectSameFont(const LOGFONTW& font, const LOGFONTW& want, const char* what) {
    EXPECT_NE(font.lfHeight, 0) << what;
    EXPECT_EQ(font.lfHeight, want.lfHeight) << what;
    EXPECT_EQ(font.lfWeight, want.lfWeight) << what;
    EXPECT_EQ(font.lfCharSet, want.lfCharSet) << what;
    EXPECT_EQ(std::wstring(font.lfFaceName), std::wstring(want.lfFaceName)) << what;
}

TEST(SkinPlatform, CaptionAndMenuFontsAreTheSystemsAtTheDensity) {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof(metrics);
    ASSERT_TRUE(SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, metrics.cbSize, &metrics, 0));
    ExpectSameFont(CaptionLogFont(ui::SystemDpi()), metrics.lfCaptionFont, "caption");
    ExpectSameFont(MenuLogFont(ui::SystemDpi()), metrics.lfMenuFont, "menu");
    // Elsewhere the fonts the system gives a window at that density: twice the system's twice
    // as large.
    const int twice = 2 * ui::SystemDpi();
    const NONCLIENTMETRICSW at = ui::NonClientMetricsAtDpi(twice);
    ExpectSameFont(CaptionLogFont(twice), at.lfCaptionFont, "caption at twice");
    ExpectSameFont(MenuLogFont(twice), at.lfMenuFont, "menu at twice");
    EXPECT_NEAR(CaptionLogFont(twice).lfHeight, 2 * metrics.lfCaptionFont.lfHeight, 1);
}

TEST(SkinPlatform, WindowIconOnTheKeyColour) {
    TestWindow w;
    EXPECT_TRUE(WindowIconPixels(w.wnd, kBaseDpi).Pixels.empty());

    SendMessageW(w.wnd, WM_SETICON, ICON_BIG,
                 reinterpret_cast<LPARAM>(LoadIconW(nullptr, IDI_APPLICATION)));
    for (const int dpi : {kBaseDpi, ui::SystemDpi(), 2 * kBaseDpi}) {
        const TPixelImage icon = WindowIconPixels(w.wnd, dpi);
        ASSERT_EQ(icon.Width, ui::MetricAtDpi(SM_CXSMICON, dpi)) << dpi;
        ASSERT_EQ(icon.Height, ui::MetricAtDpi(SM_CYSMICON, dpi)) << dpi;
        const auto key = std::count(icon.Pixels.begin(), icon.Pixels.end(), TPixel{0xFF00FF});
        EXPECT_GT(key, 0) << dpi; // the icon's transparent parts
        EXPECT_LT(key, static_cast<long>(icon.Pixels.size())) << dpi;
    }
}

} // namespace
