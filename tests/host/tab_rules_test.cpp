// Tab rules: the side from the style, the display rectangle and band on every side, a tab's
// place on the band's surface (checked by turning a drawn surface with the image utilities),
// close boxes and their hits, and the look of each tab.
#include "skin/controls/tabs/tab_rules.h"

#include "skin/pictures/image_ops.h"

#include <gtest/gtest.h>

#include <tuple>

namespace {

auto Tie(const TMargins& m) {
    return std::tie(m.Left, m.Top, m.Right, m.Bottom);
}

TEST(TabRules, SideFromStyle) {
    struct Row {
        std::uint32_t style;
        TTabSide side;
    };
    const Row rows[] = {
        {0x0000, TTabSide::Top},       {0x0002, TTabSide::Bottom}, {0x0080, TTabSide::Left},
        {0x0082, TTabSide::Right},     {0x0200, TTabSide::Top}, // multiline alone
        {0x50000282, TTabSide::Right},
    };
    for (const Row& r : rows)
        EXPECT_EQ(TabSideFromStyle(r.style), r.side) << std::hex << r.style;
}

TEST(TabRules, DisplayRectAndBandOnEverySide) {
    // A 200 x 100 control whose display area the control puts 2 pixels in from three edges and
    // 24 in from the tab side.
    const TPixelRect whole{0, 0, 200, 100};
    struct Row {
        TTabSide side;
        TPixelRect adjusted, display, band;
    };
    const Row rows[] = {
        {TTabSide::Top, {2, 24, 198, 98}, {-2, 19, 202, 101}, {0, 0, 200, 19}},
        {TTabSide::Bottom, {2, 2, 198, 76}, {-2, -1, 202, 81}, {0, 81, 200, 100}},
        {TTabSide::Left, {24, 2, 198, 98}, {19, -2, 201, 102}, {0, 0, 19, 100}},
        {TTabSide::Right, {2, 2, 176, 98}, {-1, -2, 181, 102}, {181, 0, 200, 100}},
    };
    for (const Row& r : rows) {
        const TPixelRect display = TabDisplayRect(r.adjusted, r.side);
        EXPECT_EQ(display, r.display) << int(r.side);
        EXPECT_EQ(TabBand(whole, display, r.side), r.band) << int(r.side);
    }
    // A display area past the control's edge leaves no band, never a negative one.
    EXPECT_EQ(TabBand(whole, {0, -5, 200, 100}, TTabSide::Top), (TPixelRect{0, 0, 200, 0}));
    EXPECT_EQ(TabBand(whole, {0, 0, 200, 130}, TTabSide::Bottom), (TPixelRect{0, 100, 200, 100}));
}

TEST(TabRules, BandSurfaceRunsAlongTheTabs) {
    EXPECT_EQ(BandSurface({0, 0, 200, 19}, TTabSide::Top), (TBandSurface{200, 19}));
    EXPECT_EQ(BandSurface({0, 81, 200, 100}, TTabSide::Bottom), (TBandSurface{200, 19}));
    EXPECT_EQ(BandSurface({0, 0, 19, 100}, TTabSide::Left), (TBandSurface{100, 19}));
    EXPECT_EQ(BandSurface({181, 0, 200, 100}, TTabSide::Right), (TBandSurface{100, 19}));
}

TEST(TabRules, TopAndBottomTabsKeepTheirPlaceTopOnesOnePixelDown) {
    EXPECT_EQ(TabOnBand({2, 2, 60, 20}, {0, 0, 200, 21}, TTabSide::Top),
              (TPixelRect{2, 3, 60, 21}));
    EXPECT_EQ(TabOnBand({2, 80, 60, 98}, {0, 79, 200, 100}, TTabSide::Bottom),
              (TPixelRect{2, 1, 60, 19}));
}

// A tab drawn on the band's surface where the rule puts it, and the surface turned as the
// painter turns it, must cover exactly the tab's own rectangle in the band.
TEST(TabRules, SideTabsLandOnTheirRectangleOnceTheSurfaceIsTurned) {
    struct Row {
        TTabSide side;
        TPixelRect band, tab;
    };
    const Row rows[] = {
        {TTabSide::Left, {0, 0, 19, 100}, {2, 3, 17, 40}},
        {TTabSide::Left, {0, 0, 19, 100}, {0, 60, 19, 100}},
        {TTabSide::Right, {181, 0, 200, 100}, {183, 3, 198, 40}},
        {TTabSide::Right, {181, 0, 200, 100}, {181, 0, 190, 9}},
    };
    constexpr TPixel kTab = 0xFF0000, kBack = 0x000000;
    for (const Row& r : rows) {
        const TBandSurface size = BandSurface(r.band, r.side);
        TPixelImage surface(size.Width, size.Height, kBack);
        const TPixelRect on = TabOnBand(r.tab, r.band, r.side);
        for (int y = on.Top; y < on.Bottom; ++y)
            for (int x = on.Left; x < on.Right; ++x)
                surface.At(x, y) = kTab;
        const TBandTurn turn = BandTurn(r.side);
        ASSERT_NE(turn, TBandTurn::None);
        const TPixelImage turned =
            turn == TBandTurn::Left ? RotateLeft(surface) : RotateRight(surface);
        ASSERT_EQ(turned.Width, r.band.Right - r.band.Left);
        ASSERT_EQ(turned.Height, r.band.Bottom - r.band.Top);
        for (int y = 0; y < turned.Height; ++y) {
            for (int x = 0; x < turned.Width; ++x) {
                const int cx = r.band.Left + x, cy = r.band.Top + y;
                const bool inside =
                    cx >= r.tab.Left && cx < r.tab.Right && cy >= r.tab.Top && cy < r.tab.Bottom;
                ASSERT_EQ(turned.At(x, y), inside ? kTab : kBack)
                    << int(r.side) << " at " << cx << "," << cy;
            }
        }
    }
    EXPECT_EQ(BandTurn(TTabSide::Top), TBandTurn::None);
    EXPECT_EQ(BandTurn(TTabSide::Bottom), TBandTurn::None);
}

TEST(TabRules, CloseBoxesAndTheirHits) {
    EXPECT_EQ(CloseBoxRect({2, 3, 60, 21}), (TPixelRect{52, 5, 58, 11}));
    // At a density the box and its distance from the corner are measures there.
    EXPECT_EQ(CloseBoxRect({2, 3, 60, 21}, 120), (TPixelRect{50, 6, 57, 13}));
    EXPECT_EQ(CloseBoxRect({2, 3, 60, 21}, 144), (TPixelRect{48, 6, 57, 15}));
    EXPECT_EQ(CloseBoxRect({2, 3, 90, 35}, 192), (TPixelRect{74, 7, 86, 19}));
    const std::vector<TPixelRect> boxes{{52, 5, 58, 11}, {}, {110, 5, 116, 11}};
    struct Row {
        int x, y;
        std::optional<int> hit;
    };
    const Row rows[] = {
        {52, 5, 0},  {57, 10, 0},          {58, 10, std::nullopt}, {57, 11, std::nullopt},
        {51, 7, {}}, {0, 0, std::nullopt}, // the skipped tab's empty box takes no press
        {113, 8, 2},
    };
    for (const Row& r : rows)
        EXPECT_EQ(CloseBoxHit(boxes, r.x, r.y), r.hit) << r.x << "," << r.y;
}

TEST(TabRules, FocusedTabTakesTheSecondFrameAndTheActiveColour) {
    constexpr TColor normal = 0x112233, active = 0x445566;
    EXPECT_EQ(TabLook(false, normal, active), (TTabLook{1, normal}));
    EXPECT_EQ(TabLook(true, normal, active), (TTabLook{2, active}));
}

TEST(TabRules, ButtonTabsTakeTheButtonsColoursWhereTheSkinGivesThem) {
    constexpr TColor normal = 0x112233, pressed = 0x445566;
    struct Row {
        bool focused;
        std::optional<TColor> normal, pressed;
        TTabLook look;
    };
    const Row rows[] = {
        {false, normal, pressed, {1, normal}},      {true, normal, pressed, {2, pressed}},
        {false, std::nullopt, pressed, {1, 0}},     {true, normal, std::nullopt, {2, 0}},
        {true, std::nullopt, std::nullopt, {2, 0}},
    };
    for (const Row& r : rows)
        EXPECT_EQ(ButtonTabLook(r.focused, r.normal, r.pressed), r.look);
}

TEST(TabRules, ButtonBandEndsOnePixelBelowTheGrownDisplayTop) {
    EXPECT_EQ(ButtonTabBand({0, 0, 200, 100}, {3, 28, 197, 97}), (TPixelRect{0, 0, 200, 25}));
    EXPECT_EQ(ButtonTabBand({0, 0, 200, 100}, {3, 1, 197, 97}), (TPixelRect{0, 0, 200, 0}));
}

TEST(TabRules, AStripTurnedUpsideDownSwapsItsTopAndBottomMargins) {
    EXPECT_EQ(Tie(FlippedMargins({4, 4, 3, 2})), Tie(TMargins{4, 2, 3, 4}));
}

TEST(TabRules, PaneMarginsFromTheTabsStyle) {
    const TMargins pane{3, 4, 2, 1};
    EXPECT_EQ(Tie(PaneMargins(1, pane)), Tie(pane));
    const TMargins fixed{4, 5, 4, 4};
    EXPECT_EQ(Tie(PaneMargins(0, pane)), Tie(fixed));
    EXPECT_EQ(Tie(PaneMargins(2, pane)), Tie(fixed));
}

} // namespace

TEST(TabRules, ScrollArrowsKeepToTheRowOfTabs) {
    struct Row {
        const char* what;
        TPixelRect system, row;
        bool bottomTabs;
        TPixelRect expected;
    };
    const Row rows[] = {
        {"96 dpi: the control's own place", {166, 2, 200, 19}, {0, 0, 60, 19}, false,
         {166, 2, 200, 19}},
        {"144 dpi arrows on a row laid out for 96 dpi: as tall as the row, square",
         {148, -7, 200, 19}, {0, 0, 60, 19}, false, {162, 0, 200, 19}},
        {"the same with the tabs at the bottom", {148, 81, 200, 107}, {0, 81, 60, 100}, true,
         {162, 81, 200, 100}},
        {"192 dpi on a row laid out for it", {132, 2, 200, 36}, {0, 0, 80, 36}, false,
         {132, 2, 200, 36}},
        {"arrows anchored below the row move up into it", {166, 10, 200, 27}, {0, 0, 60, 19},
         false, {166, 2, 200, 19}},
    };
    for (const Row& r : rows)
        EXPECT_EQ(TabScrollArrowsRect(r.system, r.row, r.bottomTabs), r.expected) << r.what;
}
