// The media player's buttons: their sets read from text and the strip they share.
#include "ui/media_buttons.h"

#include <gtest/gtest.h>

namespace {

using namespace ui;

constexpr TMPButtonSet Bits(std::initializer_list<TMPBtnType> buttons) {
    TMPButtonSet set = 0;
    for (TMPBtnType b : buttons)
        set |= MPButtonBit(b);
    return set;
}

TEST(MediaButtons, SetsReadFromText) {
    using B = TMPBtnType;
    struct Row {
        const wchar_t* text;
        TMPButtonSet expected;
    };
    const Row rows[] = {
        {L"[btPlay,btStop]", Bits({B::btPlay, B::btStop})},
        {L"[ btEject , BTPLAY ]", Bits({B::btEject, B::btPlay})},
        {L"[]", 0},
        {L"", 0},
        // Whole elements only: a name inside another word names nothing.
        {L"[btPlayer,xbtStop,btNext]", Bits({B::btNext})},
        {L"[btPlay,btPause,btStop,btNext,btPrev,btStep,btBack,btRecord,btEject]", kAllMPButtons},
    };
    for (const Row& r : rows)
        EXPECT_EQ(ParseMPButtonSet(r.text), r.expected) << testing::PrintToString(r.text);
}

TEST(MediaButtons, EachVisibleButtonGetsAnEqualShareLeftToRight) {
    using B = TMPBtnType;
    struct Row {
        const char* what;
        int width;
        TMPButtonSet visible;
        std::vector<TMPButtonCell> expected;
    };
    const Row rows[] = {
        {"three visible: thirds, in the enumeration's order",
         90,
         Bits({B::btStop, B::btPlay, B::btEject}),
         {{B::btPlay, 0, 30}, {B::btStop, 30, 60}, {B::btEject, 60, 90}}},
        {"the rest of the division stays at the right",
         100,
         Bits({B::btPlay, B::btPause, B::btStop}),
         {{B::btPlay, 0, 33}, {B::btPause, 33, 66}, {B::btStop, 66, 99}}},
        {"one visible takes the whole width", 57, Bits({B::btRecord}), {{B::btRecord, 0, 57}}},
        {"none visible", 90, 0, {}},
        {"no room", 0, Bits({B::btPlay}), {}},
    };
    for (const Row& r : rows)
        EXPECT_EQ(MPButtonLayout(r.width, r.visible), r.expected) << r.what;
    EXPECT_EQ(MPButtonLayout(252, kAllMPButtons).back(), (TMPButtonCell{B::btEject, 224, 252}));
}

TEST(MediaButtons, TheButtonUnderAPoint) {
    const auto layout =
        MPButtonLayout(100, Bits({TMPBtnType::btPlay, TMPBtnType::btPause, TMPBtnType::btStop}));
    struct Row {
        int x, index;
    };
    const Row rows[] = {{0, 0}, {32, 0}, {33, 1}, {98, 2}, {99, -1}, {-1, -1}};
    for (const Row& r : rows)
        EXPECT_EQ(MPButtonAt(layout, r.x), r.index) << r.x;
}

} // namespace
