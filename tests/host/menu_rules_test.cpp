// The menus' rules: the bar's layout (the skin's start, right-to-left, hidden items and an empty
// top-level caption), hits and accelerators, the keyboard's moves along the bar with their wrap,
// the skin's item measures, and the item's cells, colours and layout.
#include "skin/forms/menu_rules.h"

#include <gtest/gtest.h>

#include <ostream>
#include <vector>

static void PrintTo(const TPixelRect& r, std::ostream* out) {
    *out << "(" << r.Left << ", " << r.Top << ", " << r.Right << ", " << r.Bottom << ")";
}

namespace {

// "&File", "" (an empty top-level caption), a hidden "&View", "&Help".
std::vector<TBarItem> BarItems() {
    return {{30, false, true, true, L'F'},
            {0, true, true, true, 0},
            {40, false, false, true, L'V'},
            {25, false, true, true, L'H'}};
}

TEST(MenuRules, BarReadFromTheLibraryMenu) {
    const struct {
        const char* what;
        TPlatformVersion version;
        bool fromLibrary;
    } cases[] = {
        {"NT 3.51", {true, 3, 51}, true},
        {"NT 4.0", {true, 4, 0}, true},
        {"95 (4.0)", {false, 4, 0}, true},
        {"98 (4.10)", {false, 4, 10}, false},
        {"Me (4.90)", {false, 4, 90}, false},
        {"NT 5.0", {true, 5, 0}, false},
        {"NT 6.0", {true, 6, 0}, false},
        {"NT 10.0", {true, 10, 0}, false},
    };
    for (const auto& c : cases) EXPECT_EQ(MenuBarFromLibraryMenu(c.version), c.fromLibrary) << c.what;
}

TEST(MenuRules, BarLayout) {
    const TPixelRect bar = MenuBarRect(271, {4, 26, 4, 4}, 19);
    EXPECT_EQ(bar, (TPixelRect{4, 26, 267, 45}));
    const struct {
        const char* what;
        bool element;
        int leftWidth, rightWidth;
        bool rtl;
        std::vector<TPixelRect> want;
    } cases[] = {
        {"no MenuBar element: from 6",
         false,
         9,
         9,
         false,
         {{10, 26, 50, 44}, {50, 26, 50, 44}, {}, {50, 26, 85, 44}}},
        {"the element's left end + 4",
         true,
         8,
         3,
         false,
         {{16, 26, 56, 44}, {56, 26, 56, 44}, {}, {56, 26, 91, 44}}},
        {"right to left: from the right end, the element's right end + 8",
         true,
         8,
         3,
         true,
         {{216, 26, 256, 44}, {216, 26, 216, 44}, {}, {181, 26, 216, 44}}},
        {"a start past the bar: 12",
         true,
         400,
         3,
         false,
         {{16, 26, 56, 44}, {56, 26, 56, 44}, {}, {56, 26, 91, 44}}},
    };
    for (const auto& c : cases) {
        TMenuBarLayoutInputs in{bar, c.element, c.leftWidth, c.rightWidth, c.rtl};
        EXPECT_EQ(LayOutMenuBar(in, BarItems()), c.want) << c.what;
    }
}

TEST(MenuRules, BarLayoutAtADisplayDensity) {
    // The captions measured in the window's pixels; the skin's margins (8) and the bar's own
    // distances (the start after them, each caption's room of 10) scale.
    const struct {
        const char* what;
        int dpi;
        TPixelRect bar;
        bool element, rtl;
        int file, help; // the captions' widths
        std::vector<TPixelRect> want;
    } cases[] = {
        {"from the element's margin + 4",
         120,
         {5, 33, 339, 57},
         true,
         false,
         38,
         31,
         {{20, 33, 71, 56}, {71, 33, 71, 56}, {}, {71, 33, 115, 56}}},
        {"from the element's margin + 4",
         144,
         {6, 39, 406, 68},
         true,
         false,
         45,
         38,
         {{24, 39, 84, 67}, {84, 39, 84, 67}, {}, {84, 39, 137, 67}}},
        {"from the element's margin + 4",
         192,
         {8, 52, 542, 90},
         true,
         false,
         60,
         50,
         {{32, 52, 112, 89}, {112, 52, 112, 89}, {}, {112, 52, 182, 89}}},
        {"no element: from 6",
         144,
         {6, 39, 406, 68},
         false,
         false,
         45,
         38,
         {{15, 39, 75, 67}, {75, 39, 75, 67}, {}, {75, 39, 128, 67}}},
        {"right to left: the element's right end + 8",
         144,
         {6, 39, 406, 68},
         true,
         true,
         45,
         38,
         {{322, 39, 382, 67}, {322, 39, 322, 67}, {}, {269, 39, 322, 67}}},
    };
    for (const auto& c : cases) {
        std::vector<TBarItem> items = BarItems();
        items[0].captionWidth = c.file;
        items[3].captionWidth = c.help;
        const TMenuBarLayoutInputs in{c.bar, c.element, 8, 8, c.rtl, c.dpi};
        EXPECT_EQ(LayOutMenuBar(in, items), c.want) << c.what << " at " << c.dpi;
    }
}

TEST(MenuRules, HitsAndAccelerators) {
    const std::vector<TBarItem> items = BarItems();
    const std::vector<TPixelRect> bounds =
        LayOutMenuBar({{4, 26, 267, 45}, false, 0, 0, false}, items);
    const struct {
        int x, y;
        std::optional<std::size_t> want;
    } hits[] = {
        {10, 30, 0}, {49, 43, 0},  {50, 30, 3}, // the empty caption at x 50 has no width
        {84, 30, 3}, {85, 30, {}}, {20, 44, {}}, {20, 25, {}},
    };
    for (const auto& h : hits)
        EXPECT_EQ(MenuBarHit(bounds, items, h.x, h.y), h.want) << h.x << ", " << h.y;

    const struct {
        const wchar_t* caption;
        wchar_t want;
    } accelerators[] = {
        {L"&File", L'F'}, {L"e&xit", L'X'}, {L"Save && &quit", L'Q'},
        {L"A&&B", 0},     {L"end&", 0},     {L"none", 0},
    };
    for (const auto& a : accelerators)
        EXPECT_EQ(AcceleratorOf(a.caption), a.want);

    std::vector<TBarItem> disabled = items;
    disabled[0].enabled = false;
    EXPECT_EQ(MenuBarAccelerator(items, L'f'), 0u);
    EXPECT_EQ(MenuBarAccelerator(items, L'H'), 3u);
    EXPECT_EQ(MenuBarAccelerator(items, L'V'), std::nullopt) << "hidden";
    EXPECT_EQ(MenuBarAccelerator(disabled, L'F'), std::nullopt) << "disabled";
    EXPECT_EQ(MenuBarAccelerator(items, 0), std::nullopt);
}

TEST(MenuRules, KeyboardAlongTheBar) {
    constexpr unsigned left = 0x25, right = 0x27, down = 0x28;
    const struct {
        unsigned key;
        bool nested, hasSubmenu;
        TBarMove want;
    } moves[] = {
        {left, false, false, TBarMove::Previous}, {left, true, false, TBarMove::None},
        {left, false, true, TBarMove::Previous},  {right, false, false, TBarMove::Next},
        {right, false, true, TBarMove::None},     {right, true, false, TBarMove::Next},
        {down, false, false, TBarMove::None},
    };
    for (const auto& m : moves)
        EXPECT_EQ(BarMoveOf(m.key, m.nested, m.hasSubmenu), m.want)
            << m.key << " " << m.nested << m.hasSubmenu;

    // Items 1 (empty) and 2 (hidden) cannot open: the moves pass them and wrap.
    const std::vector<TBarItem> items = BarItems();
    const struct {
        std::size_t open;
        TBarMove move;
        std::size_t want;
    } steps[] = {
        {0, TBarMove::Next, 3},     {3, TBarMove::Next, 0}, {0, TBarMove::Previous, 3},
        {3, TBarMove::Previous, 0}, {0, TBarMove::None, 0}, {9, TBarMove::Next, 9},
    };
    for (const auto& s : steps)
        EXPECT_EQ(BarItemAfter(items, s.open, s.move), s.want) << s.open;
    EXPECT_EQ(BarItemAfter({{30, false, true, true, 0}}, 0, TBarMove::Next), 0u) << "alone";
}

TEST(MenuRules, ItemMeasures) {
    EXPECT_EQ(PopupItemExtraWidth(true, 5, true), 17);
    EXPECT_EQ(PopupItemExtraWidth(true, 5, false), 40);
    EXPECT_EQ(PopupItemExtraWidth(false, 5, true), 12);
    EXPECT_EQ(BarItemExtraWidth(true, 5, true), 15);
    EXPECT_EQ(BarItemExtraWidth(false, 5, false), 35);

    const struct {
        int width, height;
        bool empty, element, nt;
        TNativeItemSize want;
    } natives[] = {
        {50, 16, false, true, true, {81, 20}},
        {50, 16, false, false, true, {76, 20}},
        {0, 16, true, true, true, {31, 8}},
        {50, 16, false, true, false, {81, 24}},
    };
    for (const auto& n : natives)
        EXPECT_EQ(NativeItemSize(n.width, n.height, n.empty, n.element, 5, n.nt), n.want);

    // At a display density the skin's margin and the room around the text scale; the text's
    // extent is the menu's own.
    const struct {
        int dpi;
        int popupWithImages, popupWithout, barWithImages, barWithout;
        TNativeItemSize native, empty, nine;
    } dense[] = {
        {96, 17, 40, 15, 40, {81, 20}, {31, 8}, {81, 24}},
        {120, 21, 50, 19, 50, {89, 21}, {39, 10}, {89, 26}},
        {144, 26, 60, 23, 60, {97, 22}, {47, 12}, {97, 28}},
        {192, 34, 80, 30, 80, {112, 24}, {62, 16}, {112, 32}},
    };
    for (const auto& d : dense) {
        EXPECT_EQ(PopupItemExtraWidth(true, 5, true, d.dpi), d.popupWithImages) << d.dpi;
        EXPECT_EQ(PopupItemExtraWidth(true, 5, false, d.dpi), d.popupWithout) << d.dpi;
        EXPECT_EQ(BarItemExtraWidth(true, 5, true, d.dpi), d.barWithImages) << d.dpi;
        EXPECT_EQ(BarItemExtraWidth(true, 5, false, d.dpi), d.barWithout) << d.dpi;
        EXPECT_EQ(NativeItemSize(50, 16, false, true, 5, true, d.dpi), d.native) << d.dpi;
        EXPECT_EQ(NativeItemSize(0, 16, true, true, 5, true, d.dpi), d.empty) << d.dpi;
        EXPECT_EQ(NativeItemSize(50, 16, false, true, 5, false, d.dpi), d.nine) << d.dpi;
    }

    EXPECT_FALSE(SystemDrawnItemId(0));
    EXPECT_TRUE(SystemDrawnItemId(1));
    EXPECT_TRUE(SystemDrawnItemId(4095));
    EXPECT_FALSE(SystemDrawnItemId(4096));
    EXPECT_FALSE(SystemDrawnItemId(0xF060)) << "SC_CLOSE";
}

TEST(MenuRules, ItemLooks) {
    EXPECT_EQ(MenuItemCell(true), 4);
    EXPECT_EQ(MenuItemCell(false), 1);

    std::array<TColor, kColorSlots> colors{};
    colors[kMenuText] = 0x000001;
    colors[kHilightText] = 0x000002;
    colors[kButtonShadow] = 0x000003;
    EXPECT_EQ(MenuItemTextColor(colors, false, true), 0x000001);
    EXPECT_EQ(MenuItemTextColor(colors, true, true), 0x000002);
    EXPECT_EQ(MenuItemTextColor(colors, true, false), 0x000003);
    colors[kButtonShadow] = colors[kMenuText];
    EXPECT_EQ(MenuItemTextColor(colors, false, false), clBtnShadow) << "shadow would not show";

    const struct {
        int imageWidth;
        bool checked, rtl;
        TMenuItemLayout want;
    } layouts[] = {
        {16, false, false, {{10, 3, 26, 23}, {29, 3, 149, 23}}},
        {0, false, false, {{10, 3, 26, 23}, {29, 3, 149, 23}}},
        {12, true, false, {{10, 3, 26, 23}, {29, 3, 149, 23}}},
        {20, false, false, {{10, 3, 30, 23}, {33, 3, 149, 23}}},
        {16, false, true, {{127, 3, 143, 23}, {4, 3, 124, 23}}},
    };
    for (const auto& l : layouts) {
        const TMenuItemLayout got =
            LayOutMenuItem({3, 3, 150, 23}, 6, l.imageWidth, l.checked, l.rtl);
        EXPECT_EQ(got.glyph, l.want.glyph) << l.imageWidth << l.checked << l.rtl;
        EXPECT_EQ(got.text, l.want.text) << l.imageWidth << l.checked << l.rtl;
    }

    // At a display density the skin's margin (6), the item's edge (1), the gap (3) and the
    // check mark's column (16) scale; the image list's width is the menu's own.
    const struct {
        int dpi;
        TPixelRect item;
        int imageWidth;
        bool checked, rtl;
        TMenuItemLayout want;
    } dense[] = {
        {120, {4, 4, 190, 29}, 0, false, false, {{13, 4, 33, 29}, {37, 4, 189, 29}}},
        {144, {4, 4, 225, 34}, 0, false, false, {{15, 4, 39, 34}, {44, 4, 223, 34}}},
        {144, {4, 4, 225, 34}, 30, false, false, {{15, 4, 45, 34}, {50, 4, 223, 34}}},
        {144, {4, 4, 225, 34}, 12, true, false, {{15, 4, 39, 34}, {44, 4, 223, 34}}},
        {144, {4, 4, 225, 34}, 0, false, true, {{190, 4, 214, 34}, {6, 4, 185, 34}}},
        {192, {6, 6, 300, 46}, 0, false, false, {{20, 6, 52, 46}, {58, 6, 298, 46}}},
    };
    for (const auto& l : dense) {
        const TMenuItemLayout got = LayOutMenuItem(l.item, 6, l.imageWidth, l.checked, l.rtl, l.dpi);
        EXPECT_EQ(got.glyph, l.want.glyph) << l.dpi << " " << l.imageWidth << l.checked << l.rtl;
        EXPECT_EQ(got.text, l.want.text) << l.dpi << " " << l.imageWidth << l.checked << l.rtl;
    }
}

} // namespace
