// The skinned scroll bar's rules: hit test, thumb of a stand-alone control, drag clamp, the
// cells painted, and the drop-down list's own thumb drag.
#include "skin/controls/scroll/scroll_rules.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

TEST(ScrollRules, HitTest) {
    const TScrollAxis bar{100, 17, 30, 50};
    // A bar shorter than its arrows: whatever is not the first arrow is the second.
    const TScrollAxis short_bar{20, 17, 0, 0};
    struct Row {
        TScrollAxis axis;
        int v, part;
    };
    const Row rows[] = {
        {bar, 0, kScrollFirstArrow},
        {bar, 16, kScrollFirstArrow},
        {bar, 17, kScrollTrackBefore},
        {bar, 29, kScrollTrackBefore},
        {bar, 30, kScrollThumb},
        {bar, 49, kScrollThumb},
        {bar, 50, kScrollTrackAfter},
        {bar, 82, kScrollTrackAfter},
        {bar, 83, kScrollSecondArrow},
        {bar, 99, kScrollSecondArrow},
        {short_bar, 16, kScrollFirstArrow},
        {short_bar, 17, kScrollSecondArrow},
    };
    for (const Row& r : rows)
        EXPECT_EQ(ScrollHitTest(r.axis, r.v), r.part) << "at " << r.v;
}

TEST(ScrollRules, MulDivRoundsAndRefusesWhatTheSystemRefuses) {
    EXPECT_EQ(MulDivRound(66, 9, 100), 6);
    EXPECT_EQ(MulDivRound(1, 1, 2), 1); // halves away from zero
    EXPECT_EQ(MulDivRound(-1, 1, 2), -1);
    EXPECT_EQ(MulDivRound(5, 5, 0), -1);
    EXPECT_EQ(MulDivRound(0x7FFFFFFF, 4, 1), -1);
}

TEST(ScrollRules, ThumbOfAStandAloneControl) {
    // 100 pixels long, arrows of 17: 66 pixels between them.
    struct Row {
        const char* what;
        TScrollValues values;
        int start, end;
    };
    const Row rows[] = {
        {"page, first position", {0, 100, 50, 0}, 17, 49},
        {"page, last position ends at the second arrow", {0, 100, 50, 51}, 51, 83},
        {"page too small for a thumb of 8, first", {0, 100, 10, 0}, 17, 25},
        {"page too small for a thumb of 8, last position ends at the arrow",
         {0, 100, 10, 91},
         75,
         83},
        {"no page: an arrow-sized thumb", {0, 100, 0, 0}, 17, 34},
        {"no page, last position", {0, 100, 0, 100}, 66, 83},
        {"empty range does not divide by zero", {5, 5, 0, 6}, 17, 34},
        {"a page larger than the range fills the track", {0, 10, 50, 0}, 17, 83},
        {"the whole int range, first position", {INT_MIN, INT_MAX, 0, INT_MIN}, 17, 34},
        {"the whole int range, at 0: the middle", {INT_MIN, INT_MAX, 0, 0}, 42, 59},
        {"the whole int range, last position", {INT_MIN, INT_MAX, 0, INT_MAX}, 66, 83},
        {"the whole int range with a quarter page", {INT_MIN, INT_MAX, 1 << 30, INT_MIN}, 17, 33},
    };
    for (const Row& r : rows) {
        const TScrollAxis axis = ScrollControlAxis(100, 17, r.values);
        EXPECT_EQ(axis, (TScrollAxis{100, 17, r.start, r.end})) << r.what;
    }
}

TEST(ScrollRules, PositionOfADraggedListThumb) {
    // A track of 100 with a thumb of 20: its start runs through 80 pixels.
    const auto drag = [](int min, int max, int page) {
        return TListThumbDrag{0, 100, 20, min, max, page};
    };
    struct Row {
        const char* what;
        TListThumbDrag drag;
        int moved, position;
    };
    const Row rows[] = {
        {"half way", drag(0, 80, 0), 40, 40},
        {"past the end: the last position", drag(0, 80, 0), 200, 80},
        {"before the start: the first", drag(0, 80, 0), -10, 0},
        {"a page: the end is one short of the last page", drag(0, 99, 10), 80, 89},
        {"a page: one pixel past reaches it", drag(0, 99, 10), 81, 90},
        {"no room does not divide by zero", TListThumbDrag{0, 20, 20, 0, 50, 0}, 5, 0},
        {"the whole int range, half way", drag(INT_MIN, INT_MAX, 0), 40, 0},
        {"the whole int range, at the end", drag(INT_MIN, INT_MAX, 0), 80, INT_MAX},
        {"the whole int range with a page, past the end", drag(INT_MIN, INT_MAX, 1 << 30), 81,
         INT_MAX - (1 << 30) + 1},
    };
    for (const Row& r : rows)
        EXPECT_EQ(ListThumbPosition(r.drag, r.moved), r.position) << r.what;
}

TEST(ScrollRules, DraggedThumbStaysAnArrowAwayFromTheEnds) {
    const TScrollAxis bar{100, 17, 30, 50};
    struct Row {
        TScrollAxis axis;
        int moved, start;
    };
    const Row rows[] = {
        {bar, 10, 40},
        {bar, -50, 17},
        {bar, 100, 63},            // 100 - 17 - the thumb's 20
        {{40, 17, 17, 30}, 5, 17}, // no room for the thumb: it stays after the first arrow
    };
    for (const Row& r : rows)
        EXPECT_EQ(DraggedThumbStart(r.axis, r.axis.ThumbStart, r.moved), r.start)
            << "moved " << r.moved;
}

TEST(ScrollRules, PaintedCells) {
    const TScrollLook vertical{true, 17, 100, 17, 17, 30, 50, true, kScrollPartNone, false};
    auto with = [](TScrollLook look, auto change) {
        change(look);
        return look;
    };
    struct Row {
        const char* what;
        TScrollLook look;
        TScrollPaint paint;
    };
    const Row rows[] = {
        {"vertical, nothing under the mouse",
         vertical,
         {{{0, 17, 17, 83}, 1},
          {{0, 0, 17, 17}, 9},
          {{0, 83, 17, 100}, 13},
          TScrollCell{{0, 30, 17, 50}, 1},
          TScrollCell{{0, 31, 17, 48}, 20}}},
        {"down arrow pressed",
         with(vertical, [](auto& l) { l.HitPart = kScrollSecondArrow, l.Pressed = true; }),
         {{{0, 17, 17, 83}, 1},
          {{0, 0, 17, 17}, 9},
          {{0, 83, 17, 100}, 14},
          TScrollCell{{0, 30, 17, 50}, 1},
          TScrollCell{{0, 31, 17, 48}, 20}}},
        {"up arrow hot",
         with(vertical, [](auto& l) { l.HitPart = kScrollFirstArrow; }),
         {{{0, 17, 17, 83}, 1},
          {{0, 0, 17, 17}, 12},
          {{0, 83, 17, 100}, 13},
          TScrollCell{{0, 30, 17, 50}, 1},
          TScrollCell{{0, 31, 17, 48}, 20}}},
        {"thumb pressed",
         with(vertical, [](auto& l) { l.HitPart = kScrollThumb, l.Pressed = true; }),
         {{{0, 17, 17, 83}, 1},
          {{0, 0, 17, 17}, 9},
          {{0, 83, 17, 100}, 13},
          TScrollCell{{0, 30, 17, 50}, 2},
          TScrollCell{{0, 31, 17, 48}, 21}}},
        {"thumb hot",
         with(vertical, [](auto& l) { l.HitPart = kScrollThumb; }),
         {{{0, 17, 17, 83}, 1},
          {{0, 0, 17, 17}, 9},
          {{0, 83, 17, 100}, 13},
          TScrollCell{{0, 30, 17, 50}, 3},
          TScrollCell{{0, 31, 17, 48}, 22}}},
        {"disabled: track frame 3, no thumb",
         with(vertical, [](auto& l) { l.Enabled = false; }),
         {{{0, 17, 17, 83}, 3}, {{0, 0, 17, 17}, 9}, {{0, 83, 17, 100}, 13}, {}, {}}},
        {"shorter than two arrows: each arrow half of it",
         with(vertical, [](auto& l) { l.Height = 25, l.ThumbStart = l.ThumbEnd = 0; }),
         {{{0, 12, 17, 12}, 1}, {{0, 0, 17, 12}, 9}, {{0, 12, 17, 25}, 13}, {}, {}}},
        {"thumb too short for the grip",
         with(vertical, [](auto& l) { l.ThumbEnd = 44; }),
         {{{0, 17, 17, 83}, 1},
          {{0, 0, 17, 17}, 9},
          {{0, 83, 17, 100}, 13},
          TScrollCell{{0, 30, 17, 44}, 1},
          {}}},
        {"thumb past the end is not drawn",
         with(vertical, [](auto& l) { l.ThumbEnd = 101; }),
         {{{0, 17, 17, 83}, 1}, {{0, 0, 17, 17}, 9}, {{0, 83, 17, 100}, 13}, {}, {}}},
        {"a strip much taller than the arrow: thumb as thick as the arrow, grip left out",
         with(vertical, [](auto& l) { l.Width = 24, l.StripSize = 24, l.ThumbEnd = 60; }),
         {{{0, 17, 24, 83}, 1},
          {{0, 0, 24, 17}, 9},
          {{0, 83, 24, 100}, 13},
          TScrollCell{{0, 30, 17, 60}, 1},
          {}}},
        {"horizontal",
         {false, 100, 17, 17, 17, 30, 50, true, kScrollFirstArrow, true},
         {{{17, 0, 83, 17}, 1},
          {{0, 0, 17, 17}, 2},
          {{83, 0, 100, 17}, 5},
          TScrollCell{{30, 0, 50, 17}, 1},
          TScrollCell{{31, 0, 48, 17}, 17}}},
        {"a classic 16-pixel bar: cells at their size, cut; thumb inside; grip kept",
         with(vertical, [](auto& l) { l.Width = 16, l.Arrow = 16; }),
         {{{0, 16, 16, 84}, 1},
          {{0, 0, 17, 17}, 9, TPixelRect{0, 0, 16, 16}},
          {{0, 84, 17, 101}, 13, TPixelRect{0, 84, 16, 100}},
          TScrollCell{{0, 30, 16, 50}, 1},
          TScrollCell{{0, 31, 17, 48}, 20, TPixelRect{0, 30, 16, 50}}}},
        {"a classic 16-pixel horizontal bar",
         {false, 100, 16, 16, 17, 30, 50, true, kScrollPartNone, false},
         {{{16, 0, 84, 16}, 1},
          {{0, 0, 17, 17}, 1, TPixelRect{0, 0, 16, 16}},
          {{84, 0, 101, 17}, 5, TPixelRect{84, 0, 100, 16}},
          TScrollCell{{30, 0, 50, 16}, 1},
          TScrollCell{{31, 0, 48, 17}, 17, TPixelRect{30, 0, 50, 16}}}},
        {"a bar thinner than its thumb would be: the thumb keeps inside it",
         with(vertical, [](auto& l) { l.Width = 12, l.Arrow = 26, l.StripSize = 26; }),
         {{{0, 26, 12, 74}, 1}, {{0, 0, 12, 26}, 9}, {{0, 74, 12, 100}, 13},
          TScrollCell{{0, 30, 12, 50}, 1}, {}}},
        {"at 144 dpi: 26-pixel arrows, strip and bar",
         {true, 26, 150, 26, 26, 40, 80, true, kScrollPartNone, false},
         {{{0, 26, 26, 124}, 1},
          {{0, 0, 26, 26}, 9},
          {{0, 124, 26, 150}, 13},
          TScrollCell{{0, 40, 26, 80}, 1},
          TScrollCell{{0, 47, 26, 73}, 20}}},
    };
    for (const Row& r : rows)
        EXPECT_EQ(ScrollPaintLayout(r.look), r.paint) << r.what;
}

TEST(ScrollRules, PressGoesToThePartDrawn) {
    // Drawn with 17-pixel arrows; the control lays its parts out with 26-pixel ones.
    const TScrollAxis drawn = ScrollControlAxis(150, 17, {0, 100, 10, 50});
    const TScrollAxis system = ScrollControlAxis(150, 26, {0, 100, 10, 50});
    struct Row {
        const char* what;
        int v, expected;
    };
    const Row rows[] = {
        {"on the first arrow in both", 5, 5},
        {"on the drawn track, the system's arrow", 20, 26 + (system.ThumbStart - 26) / 2},
        {"on the second arrow in both", 145, 145},
        {"on the drawn track, the system's second arrow", 128,
         system.ThumbEnd + (124 - system.ThumbEnd) / 2},
        {"on the thumb", (drawn.ThumbStart + drawn.ThumbEnd) / 2,
         ScrollHitTest(system, (drawn.ThumbStart + drawn.ThumbEnd) / 2) == kScrollThumb
             ? (drawn.ThumbStart + drawn.ThumbEnd) / 2
             : system.ThumbStart + (system.ThumbEnd - system.ThumbStart) / 2},
    };
    for (const Row& r : rows) {
        EXPECT_EQ(PressOnSystemBar(drawn, system, r.v), r.expected) << r.what;
        EXPECT_EQ(ScrollHitTest(system, PressOnSystemBar(drawn, system, r.v)),
                  ScrollHitTest(drawn, r.v))
            << r.what;
    }
}

TEST(ScrollRules, ListThumbDrag) {
    // A track of 100 between the arrows, a thumb of 20 pressed at the top; 100 items, 10 shown.
    const TListThumbDrag paged{0, 100, 20, 0, 99, 10};
    const TListThumbDrag unpaged{0, 100, 20, 0, 50, 0};
    struct Row {
        const char* what;
        TListThumbDrag drag;
        int moved, position;
    };
    const Row rows[] = {
        {"not moved", paged, 0, 0},
        {"above the track", paged, -30, 0},
        {"half way", paged, 40, 45},
        {"at the end: one short of the last page", paged, 80, 89},
        {"past the end: the last page", paged, 81, 90},
        {"far past the end", paged, 500, 90},
        {"pressed lower down", {30, 100, 20, 0, 99, 10}, 10, 45},
        {"thumb filling the track", {0, 20, 20, 0, 99, 10}, 5, 0},
        {"no page: the end of the track is the end of the range", unpaged, 80, 50},
        {"no page, half way", unpaged, 40, 25},
    };
    for (const Row& r : rows)
        EXPECT_EQ(ListThumbPosition(r.drag, r.moved), r.position) << r.what;
}

} // namespace
