// The skinned combo box's rules: button frame, hot tracking, framed and flat layouts.
#include "skin/controls/pickers/combo_rules.h"

#include <gtest/gtest.h>

namespace {

TEST(ComboRules, ButtonFrame) {
    struct Row {
        TComboState state;
        int frame;
    };
    const Row rows[] = {
        {{false, false, false, true}, kComboNormal},
        {{true, true, true, true}, kComboPressed},
        {{false, true, false, true}, kComboHot},
        {{false, false, true, true}, kComboHot},
        // Whatever was left from before it was disabled.
        {{true, false, false, false}, kComboDisabled},
        {{false, false, true, false}, kComboDisabled},
    };
    for (const Row& r : rows)
        EXPECT_EQ(ComboButtonFrame(r.state), r.frame)
            << r.state.Pressed << r.state.Focused << r.state.Hot << r.state.Enabled;
}

TEST(ComboRules, HotFollowsTheMouseOnlyWhileEnabled) {
    struct Row {
        bool hot, inside, enabled, after;
    };
    const Row rows[] = {
        {false, true, true, true},   {true, false, true, false},  {true, true, true, true},
        {false, false, true, false}, {false, true, false, false}, {true, false, false, true},
    };
    for (const Row& r : rows)
        EXPECT_EQ(ComboHotAfterMove(r.hot, r.inside, r.enabled), r.after)
            << r.hot << r.inside << r.enabled;
}

TEST(ComboRules, FramedLayout) {
    EXPECT_EQ(FramedComboLayout(145, 21, 17, false),
              (TComboLayout{{2, 2, 124, 19}, {126, 0, 145, 21}, {126, 0, 143, 21}}));
    // Right to left: the button at the left edge, the text after it.
    EXPECT_EQ(FramedComboLayout(145, 21, 17, true),
              (TComboLayout{{21, 2, 143, 19}, {0, 0, 19, 21}, {2, 0, 19, 21}}));
    // At 144 dpi: the system's 26-pixel arrow and 3-pixel edge.
    EXPECT_EQ(FramedComboLayout(218, 32, 26, false, 3),
              (TComboLayout{{3, 3, 186, 29}, {189, 0, 218, 32}, {189, 0, 215, 32}}));
    EXPECT_EQ(FramedComboLayout(218, 32, 26, true, 3),
              (TComboLayout{{32, 3, 215, 29}, {0, 0, 29, 32}, {3, 0, 29, 32}}));
}

TEST(ComboRules, FlatLayout) {
    struct Row {
        bool left;
        int glyphHeight;
        TFlatComboLayout layout;
    };
    const Row rows[] = {
        {false, 10, {{1, 1, 99, 19}, {82, 2, 98, 18}, {83, 2, 98, 12}}},
        {true, 10, {{1, 1, 99, 19}, {2, 2, 18, 18}, {2, 2, 17, 12}}},
        // A glyph as tall as the column keeps the column's height.
        {false, 16, {{1, 1, 99, 19}, {82, 2, 98, 18}, {83, 2, 98, 18}}},
    };
    for (const Row& r : rows)
        EXPECT_EQ(FlatComboLayout(100, 20, 16, 15, r.glyphHeight, r.left), r.layout)
            << r.left << " " << r.glyphHeight;
}

} // namespace
