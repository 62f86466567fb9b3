// The rules of skinned edits, group boxes and status bars.
#include "skin/controls/frames/frame_rules.h"

#include <gtest/gtest.h>

namespace {

std::string Show(const TPixelRect& r) {
    return "(" + std::to_string(r.Left) + "," + std::to_string(r.Top) + "," +
           std::to_string(r.Right) + "," + std::to_string(r.Bottom) + ")";
}

TEST(EditBorder, OnlyAnEditWhoseClientIsSmallerBothWaysHasABorder) {
    struct Row {
        const char* what;
        int ww, wh, cw, ch;
        bool border, prints;
    };
    const Row rows[] = {
        {"client edge (2 px)", 100, 21, 96, 17, true, true},
        {"single line (1 px)", 100, 21, 98, 19, true, false},
        {"no border", 100, 21, 100, 21, false, false},
        {"border only at the sides", 100, 21, 96, 21, false, false},
        {"border only at the top and bottom", 100, 21, 100, 17, false, false},
        {"a vertical scroll bar, no border", 100, 60, 83, 60, false, false},
        {"3 px less wide, 2 px less high", 100, 21, 97, 19, true, false},
    };
    for (const Row& r : rows) {
        EXPECT_EQ(EditHasBorder(r.ww, r.wh, r.cw, r.ch), r.border) << r.what;
        EXPECT_EQ(EditPrintsBorder(r.ww, r.wh, r.cw, r.ch), r.prints) << r.what;
    }
}

TEST(GroupBox, TheFrameRunsThroughTheCaptionsMiddleAndTheCaptionSits8PixelsIn) {
    struct Row {
        int textHeight;
        bool right;
        TPixelRect frame, caption;
    };
    const TPixelRect box{0, 0, 120, 80};
    const Row rows[] = {
        {13, false, {1, 5, 119, 79}, {8, 0, 120, 80}},
        {13, true, {1, 5, 119, 79}, {0, 0, 112, 80}},
        {16, false, {1, 7, 119, 79}, {8, 0, 120, 80}},
        {1, false, {1, -1, 119, 79}, {8, 0, 120, 80}},
    };
    for (const Row& r : rows) {
        const TGroupBoxPlacement p = PlaceGroupBox(box, r.textHeight, r.right);
        EXPECT_EQ(p.Frame, r.frame) << r.textHeight << Show(p.Frame);
        EXPECT_EQ(p.Caption, r.caption) << r.right << Show(p.Caption);
        EXPECT_EQ(p.CaptionRight, r.right);
    }
}

TEST(StatusBar, PanelsAreWidenedOverTheGapAndTheLastReachesTheEdge) {
    struct Row {
        TPixelRect part;
        bool last;
        TPixelRect drawn, text, ownerDraw;
    };
    const Row rows[] = {
        {{0, 2, 100, 20}, false, {0, 2, 102, 20}, {2, 2, 100, 20}, {2, 4, 100, 18}},
        {{102, 2, 200, 20}, true, {102, 2, 300, 20}, {104, 2, 298, 20}, {104, 4, 298, 18}},
        // A last panel the control already ends past the bar is cut back to the bar.
        {{102, 2, 400, 20}, true, {102, 2, 300, 20}, {104, 2, 298, 20}, {104, 4, 298, 18}},
    };
    for (const Row& r : rows) {
        const TPixelRect drawn = PanelRect(r.part, r.last, 300);
        EXPECT_EQ(drawn, r.drawn) << Show(drawn);
        EXPECT_EQ(PanelTextRect(drawn), r.text) << Show(PanelTextRect(drawn));
        EXPECT_EQ(PanelDrawRect(drawn), r.ownerDraw) << Show(PanelDrawRect(drawn));
    }
}

TEST(StatusBar, BevelFramesTextAndAlignment) {
    EXPECT_EQ(PanelEdgeFrame(TPanelBevel::Lowered), 1);
    EXPECT_EQ(PanelEdgeFrame(TPanelBevel::Raised), 2);
    EXPECT_EQ(PanelEdgeFrame(TPanelBevel::None), 3);

    EXPECT_EQ(PanelText(L""), L" ");
    EXPECT_EQ(PanelText(L"Ready"), L"Ready");

    using A = TPanelAlignment;
    struct Row {
        A in;
        bool rtl;
        A out;
    };
    const Row rows[] = {
        {A::Left, false, A::Left}, {A::Right, false, A::Right}, {A::Center, false, A::Center},
        {A::Left, true, A::Right}, {A::Right, true, A::Left},   {A::Center, true, A::Center},
    };
    for (const Row& r : rows)
        EXPECT_EQ(PanelTextAlignment(r.in, r.rtl), r.out)
            << static_cast<int>(r.in) << " rtl " << r.rtl;

    EXPECT_EQ(PanelTextTop({0, 2, 50, 22}, 13), 5) << "centred, the odd pixel below";
    EXPECT_EQ(PanelTextTop({0, 0, 50, 10}, 14), -2) << "a taller text sticks out both ways";
}

TEST(StatusBar, SimpleModeAndTheSizeGrip) {
    EXPECT_TRUE(SimpleStatusBar(true, 3));
    EXPECT_TRUE(SimpleStatusBar(false, 0));
    EXPECT_FALSE(SimpleStatusBar(false, 1));
    EXPECT_EQ(SizeGripRect({0, 0, 300, 22}, 12, 12), (TPixelRect{287, 9, 299, 21}));
}

TEST(FrameRules, InsetsAndIndentsAreMeasuresAtTheDensity) {
    struct Row {
        int dpi;
        TPixelRect frame, caption, text, ownerDraw, grip;
    };
    // A 180 x 120 group box whose "0" is 20 high; a panel {0, 3, 150, 30}; a 14 x 14 grip
    // (the 9 x 9 one at 144 dpi) in a bar 450 x 33.
    const Row rows[] = {
        {144, {2, 8, 178, 118}, {12, 0, 180, 120}, {3, 3, 147, 30}, {3, 6, 147, 27},
         {434, 17, 448, 31}},
        {192, {2, 8, 178, 118}, {16, 0, 180, 120}, {4, 3, 146, 30}, {4, 7, 146, 26},
         {434, 17, 448, 31}},
        {120, {1, 9, 179, 119}, {10, 0, 180, 120}, {3, 3, 147, 30}, {3, 6, 147, 27},
         {435, 18, 449, 32}},
    };
    for (const Row& r : rows) {
        const TGroupBoxPlacement p = PlaceGroupBox({0, 0, 180, 120}, 20, false, r.dpi);
        EXPECT_EQ(p.Frame, r.frame) << r.dpi << Show(p.Frame);
        EXPECT_EQ(p.Caption, r.caption) << r.dpi << Show(p.Caption);
        EXPECT_EQ(PanelTextRect({0, 3, 150, 30}, r.dpi), r.text) << r.dpi;
        EXPECT_EQ(PanelDrawRect({0, 3, 150, 30}, r.dpi), r.ownerDraw) << r.dpi;
        EXPECT_EQ(SizeGripRect({0, 0, 450, 33}, 14, 14, r.dpi), r.grip) << r.dpi;
    }
}

} // namespace
