// The main window on displays of 125, 150 and 200 %: Pellico started at each density lays its
// stored 96-dpi layout out again (client size, every control's bounds by their edges, fonts whose
// texts still fit their controls), is skinned, and keeps its margin from the work area's corner
// at the same scale. A screenshot at each density is saved for people to look at.
#include "tests/e2e/e2e_fixture.h"
#include "tests/e2e/pellico_on_desktop.h"
#include "tests/support/display_density.h"

#include "skin/runtime/skin_messages.h"
#include "ui/layout_scale.h"
#include "ui/text_codec.h"
#include "ui/win_handles.h"
#include "ui/window_dpi.h"

#include <optional>
#include <string>

namespace e2e {
namespace {

// The client size and the windowed controls as the main window's description stores them.
constexpr int kClientWidth = 263;
constexpr int kClientHeight = 354;
constexpr int kMargin = 20;

class AtDensity : public testing::TestWithParam<int> {
protected:
    int Dpi() const { return GetParam(); }
    int Scaled(int pixels) const { return ScaleMeasure(pixels, Dpi()); }
};

// A control's window in its parent's client area.
RECT BoundsIn(HWND parent, HWND control) {
    RECT r{};
    GetWindowRect(control, &r);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

// How wide and high `text` is in the font the description gives its control ("宋体" at
// `height` pixels at 96 dpi), at the density.
SIZE TextExtent(const std::wstring& text, int height, int dpi) {
    const ui::GdiHandle<HFONT> font(CreateFontW(ScaleMeasure(height, dpi), 0, 0, 0, FW_NORMAL, 0, 0,
                                                0, DEFAULT_CHARSET, 0, 0, 0, 0, L"宋体"));
    const ui::WindowDC screen(nullptr);
    const ui::Selection chosen(screen.dc(), font.get());
    SIZE size{};
    GetTextExtentPoint32W(screen.dc(), text.c_str(), static_cast<int>(text.size()), &size);
    return size;
}

TEST_P(AtDensity, TheMainWindowIsLaidOutAtItsDensity) {
    std::optional<testing_desktop::DensityForNewPrograms> density(std::in_place, Dpi());
    ASSERT_TRUE(density->Set());
    PellicoDriver pellico;
    ASSERT_TRUE(pellico.WaitUntilUp());
    density.reset();
    const HWND main = pellico.Main();
    RECT client{};
    EXPECT_TRUE(testing_desktop::PumpUntil(
        [&] {
            GetClientRect(main, &client);
            return SendMessageW(main, SM_ISSKINNED, 0, 0) == 1 &&
                   client.right == Scaled(kClientWidth) && client.bottom == Scaled(kClientHeight);
        },
        10s))
        << "skinned " << SendMessageW(main, SM_ISSKINNED, 0, 0) << ", client " << client.right
        << " x " << client.bottom;

    // Every edge where the stored edge scales to: controls that lined up still line up.
    const struct {
        HWND window;
        ui::TLayoutBounds stored;
        bool system_height; // a combo box's closed height is the system's, from its font
    } controls[] = {
        {pellico.ListBox(), {8, 8, 234, 195}, false},
        {pellico.Button(L"粘  贴"), {9, 209, 59, 38}, false},
        {pellico.Button(L"全部粘贴"), {94, 209, 59, 38}, false},
        {pellico.Button(L"清  空"), {179, 209, 59, 38}, false},
        {pellico.CheckBox(), {8, 255, 141, 26}, false},
        {pellico.ComboBox(), {158, 256, 94, 24}, true},
    };
    for (const auto& c : controls) {
        ASSERT_NE(c.window, nullptr);
        const ui::TLayoutBounds want = ui::ScaleBounds(c.stored, Dpi());
        const RECT got = BoundsIn(main, c.window);
        const std::string name = ui::WideToUtf8(testing_desktop::WindowText(c.window));
        EXPECT_EQ(got.left, want.Left) << name;
        EXPECT_EQ(got.top, want.Top) << name;
        EXPECT_EQ(got.right - got.left, want.Width) << name;
        if (!c.system_height) {
            EXPECT_EQ(got.bottom - got.top, want.Height) << name;
        }
    }

    // The captions fit in their controls in the fonts the description gives them, scaled: the
    // buttons' (12 pixels) inside a margin of 4 scaled pixels all round, the check box's (the
    // window's 16 pixels) beside its 13-pixel box and a gap of 3.
    for (const wchar_t* caption : {L"粘  贴", L"全部粘贴", L"清  空"}) {
        const RECT r = BoundsIn(main, pellico.Button(caption));
        const SIZE text = TextExtent(caption, -12, Dpi());
        EXPECT_LE(text.cx, r.right - r.left - 2 * Scaled(4)) << ui::WideToUtf8(caption);
        EXPECT_LE(text.cy, r.bottom - r.top - 2 * Scaled(4)) << ui::WideToUtf8(caption);
    }
    const RECT check = BoundsIn(main, pellico.CheckBox());
    const SIZE text = TextExtent(L"粘贴后自动输入", -16, Dpi());
    EXPECT_LE(Scaled(13) + Scaled(3) + text.cx, check.right - check.left);
    EXPECT_LE(text.cy, check.bottom - check.top);

    RedrawWindow(main, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_FRAME | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    testing_desktop::Pump(500ms);
    testing_desktop::SaveScreenshot(L"e2e_main_window_" + std::to_wstring(Dpi()) + L"dpi");
    EXPECT_EQ(pellico.Close(), std::optional<DWORD>(0));
}

// On a 1920 x 1040 desktop without a taskbar: the window made with the system's dialog frame at
// its density goes to the margin, scaled, from the right and bottom edges; the skin's frame then
// changes its size where it stands (see Placement in window_test.cpp).
TEST_P(AtDensity, TheMarginFromTheWorkAreasCornerScales) {
    std::optional<testing_desktop::DensityForNewPrograms> density(std::in_place, Dpi());
    ASSERT_TRUE(density->Set());
    PellicoOnDesktop pellico(L"PellicoDensity", L"1920x1040");
    const HWND main = pellico.WaitForMain();
    ASSERT_NE(main, nullptr);
    density.reset();
    ASSERT_TRUE(testing_desktop::PumpUntil(
        [&] { return SendMessageW(main, SM_ISSKINNED, 0, 0) == 1; }, 10s));
    RECT made{0, 0, Scaled(kClientWidth), Scaled(kClientHeight)};
    ASSERT_TRUE(ui::AdjustWindowRectAtDpi(
        made,
        WS_POPUP | WS_CAPTION | DS_MODALFRAME | WS_SYSMENU | WS_CLIPCHILDREN | WS_CLIPSIBLINGS,
        false, WS_EX_DLGMODALFRAME | WS_EX_WINDOWEDGE | WS_EX_TOPMOST, Dpi()));
    RECT outer{};
    GetWindowRect(main, &outer);
    EXPECT_EQ(outer.left, 1920 - Scaled(kMargin) - (made.right - made.left));
    EXPECT_EQ(outer.top, 1040 - Scaled(kMargin) - (made.bottom - made.top));
}

INSTANTIATE_TEST_SUITE_P(Densities, AtDensity, testing::Values(120, 144, 192),
                         [](const testing::TestParamInfo<int>& info) {
                             return std::to_string(info.param) + "dpi";
                         });

} // namespace
} // namespace e2e
