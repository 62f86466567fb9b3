// The selection in the skin's colours: smoothed text keeps its blend between the skin's back and
// text colours, and only the items a change touched are painted again.
#include "skin/controls/base/selection_rules.h"

#include <gtest/gtest.h>

namespace {

constexpr TPixel Rgb(int r, int g, int b) {
    return static_cast<TPixel>(b | (g << 8) | (r << 16));
}

TEST(SelectionPixel, BlendsBetweenTheSystemsColoursKeepTheirShareBetweenTheSkins) {
    // The system's blue and white; the skin's default selection and a dark text on yellow.
    const TSelectionColours toSkin{Rgb(0, 120, 215), Rgb(255, 255, 255), Rgb(52, 112, 196),
                                   Rgb(255, 255, 255)};
    const TSelectionColours inverted{Rgb(0, 120, 215), Rgb(255, 255, 255), Rgb(250, 230, 60),
                                     Rgb(20, 20, 20)};
    struct Case {
        const char* name;
        TSelectionColours colours;
        TPixel pixel, expected;
    };
    const Case cases[] = {
        {"the back", toSkin, Rgb(0, 120, 215), Rgb(52, 112, 196)},
        {"the text", toSkin, Rgb(255, 255, 255), Rgb(255, 255, 255)},
        {"half way, every channel", toSkin, Rgb(128, 188, 235), Rgb(154, 184, 226)},
        {"half way to dark text", inverted, Rgb(128, 188, 235), Rgb(135, 124, 40)},
        // Blue differs by 40 only: it follows the whole pixel's share (about a third here).
        {"a quarter in red, three quarters in green (smoothed per channel)", inverted,
         Rgb(64, 221, 225), Rgb(192, 73, 46)},
        {"beyond the back counts as the back", inverted, Rgb(0, 60, 100), Rgb(250, 230, 60)},
        {"beyond the text counts as the text", toSkin, Rgb(255, 255, 255), Rgb(255, 255, 255)},
        // Green barely differs between back and text: it follows the share of the whole pixel.
        {"a narrow channel takes the whole pixel's share",
         {Rgb(0, 100, 0), Rgb(200, 110, 200), Rgb(0, 0, 0), Rgb(200, 200, 200)},
         Rgb(100, 105, 100), Rgb(100, 100, 100)},
        {"system back and text alike: the back",
         {Rgb(9, 9, 9), Rgb(9, 9, 9), Rgb(1, 2, 3), Rgb(4, 5, 6)},
         Rgb(9, 9, 9), Rgb(1, 2, 3)},
    };
    for (const Case& c : cases)
        EXPECT_EQ(RecolourSelectionPixel(c.pixel, c.colours), c.expected) << c.name;
}

TEST(SelectionRepaint, OnlyTheItemsAChangeTouched) {
    const TListShown shown{3, 20, 4, true, {false, true, false, false}};
    const auto with = [&](auto change) {
        TListShown s = shown;
        change(s);
        return s;
    };
    using Items = std::vector<int>;
    struct Case {
        const char* name;
        TListShown after;
        std::optional<Items> expected;
    };
    const Case cases[] = {
        {"nothing changed", shown, Items{}},
        {"the selection moved down with the caret",
         with([](TListShown& s) { s.Selected = {false, false, true, false}, s.Caret = 5; }),
         Items{4, 5}},
        {"a second item selected, the caret stays",
         with([](TListShown& s) { s.Selected[3] = true; }), Items{6}},
        {"the focus went: the caret item", with([](TListShown& s) { s.Focused = false; }),
         Items{4}},
        {"the caret left the shown items", with([](TListShown& s) { s.Caret = 40; }), Items{4}},
        {"scrolled", with([](TListShown& s) { s.Top = 4; }), std::nullopt},
        {"an item went", with([](TListShown& s) { s.Count = 19; }), std::nullopt},
        {"more items shown", with([](TListShown& s) { s.Selected.push_back(false); }),
         std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ItemsToRepaint(shown, c.after), c.expected) << c.name;
}

} // namespace
