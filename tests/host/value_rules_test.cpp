// The value controls' rules: progress fill and chunks, the track bar's custom-draw answers and
// channel, the up-down's halves, states, frames, inset and fallback arrows.
#include "skin/controls/values/value_rules.h"

#include <gtest/gtest.h>

#include <climits>
#include <ostream>

void PrintTo(const TPixelRect& r, std::ostream* os) {
    *os << "{" << r.Left << "," << r.Top << "," << r.Right << "," << r.Bottom << "}";
}

namespace {

TEST(ProgressFill, ShareOfTheRange) {
    struct Case {
        const char* name;
        int length, pos, min, max, expected;
    };
    const Case cases[] = {
        {"at 0: nothing", 200, 0, 0, 100, 0},
        {"at max: the whole length", 200, 100, 0, 100, 200},
        {"half", 200, 50, 0, 100, 100},
        {"rounded half up", 3, 1, 0, 2, 2},
        {"min not 0, at min", 200, 20, 20, 120, 0},
        {"min not 0, half", 200, 70, 20, 120, 100},
        {"range below zero, half", 200, -50, -100, 0, 100},
        {"range across zero, at 0", 200, 0, -100, 100, 100},
        {"range across zero, at max", 200, 100, -100, 100, 200},
        {"position past max stays full", 200, 500, 0, 100, 200},
        {"position below min stays empty", 200, -5, 0, 100, 0},
        {"empty range", 200, 5, 5, 5, 0},
        {"reversed range", 200, 5, 10, 0, 0},
        {"no length", 0, 50, 0, 100, 0},
        {"whole int range, at max", 300, INT_MAX, INT_MIN, INT_MAX, 300},
        {"whole int range, at 0", 300, 0, INT_MIN, INT_MAX, 150},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ProgressFillLength(c.length, c.pos, c.min, c.max), c.expected) << c.name;
}

TEST(ProgressStrip, AFillingBarAlwaysTakesTwoFrames) {
    struct Case {
        const char* name;
        int style, elementFrames, expected;
    };
    const Case cases[] = {
        {"style 0: background and fill", 0, 2, 2},
        {"style 1: chunks on the element's one frame", 1, 1, 1},
        {"style 2: the loader's one frame is still two", 2, 1, 2},
        {"a negative style fills too", -1, 1, 2},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ProgressStripFrames(c.style, c.elementFrames), c.expected) << c.name;
}

TEST(ProgressChunks, PlacementAndCount) {
    // A bar of 104 x 20 with 8 x 10 chunks whose left margin is 2.
    auto in = [](int pos, bool tile) {
        return TChunkInputs{.Width = 104,
                            .Height = 20,
                            .Pos = pos,
                            .Min = 0,
                            .Max = 100,
                            .ChunkWidth = 8,
                            .ChunkHeight = 10,
                            .ChunkLeftWidth = 2,
                            .Tile = tile};
    };
    struct Case {
        const char* name;
        TChunkInputs in;
        TChunkLayout expected;
    };
    TChunkInputs offset = in(50, true);
    offset.Min = 50;
    offset.Max = 150;
    TChunkInputs thin = in(100, false);
    thin.Height = 4;
    const Case cases[] = {
        // Tiled from x = 2 + 2, centred down; the room is 104 - 2 - 4 = 98.
        {"tiled, empty", in(0, true), {{}, 0, true}},
        {"tiled, half", in(50, true), {{4, 5, 53, 15}, 49 / 8 + 1, true}},
        {"tiled, full ends 2 pixels short of the right edge",
         in(100, true),
         {{4, 5, 102, 15}, 98 / 8 + 1, true}},
        {"tiled, at min of a range above zero", offset, {{}, 0, true}},
        // Stretched inside a 2-pixel border; the room is 100.
        {"stretched, half", in(50, false), {{2, 2, 52, 18}, 0, false}},
        {"stretched, full", in(100, false), {{2, 2, 102, 18}, 0, false}},
        {"stretched, no height inside the border", thin, {{}, 0, false}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ProgressChunkLayout(c.in), c.expected) << c.name;

    // A chunk picture narrower than a pixel per frame still counts copies.
    TChunkInputs none = in(100, true);
    none.ChunkWidth = 0;
    EXPECT_EQ(ProgressChunkLayout(none).Copies, 98 + 1);
}

TEST(TrackBarCustomDraw, AnswerTable) {
    using P = TTrackPaint;
    struct Case {
        const char* name;
        unsigned stage, item;
        bool channel, thumb, ticColour;
        std::optional<TTrackDrawAnswer> expected;
    };
    const Case cases[] = {
        {"pre-paint asks for the items", kCdPrePaint, 0, true, true, true,
         TTrackDrawAnswer{kCdNotifyItemDraw, P::Nothing}},
        {"tics: the track bar's own", kCdItemPrePaint, kTrackTics, true, true, false,
         TTrackDrawAnswer{kCdDoDefault, P::Nothing}},
        {"tics in the skin's colour: told once drawn", kCdItemPrePaint, kTrackTics, true, true,
         true, TTrackDrawAnswer{kCdNotifyPostPaint, P::Nothing}},
        {"tics drawn: recoloured", kCdItemPostPaint, kTrackTics, true, true, true,
         TTrackDrawAnswer{kCdDoDefault, P::TicColour}},
        {"tics drawn, the system's colour kept", kCdItemPostPaint, kTrackTics, true, true, false,
         std::nullopt},
        {"thumb from the skin", kCdItemPrePaint, kTrackThumb, true, true, true,
         TTrackDrawAnswer{kCdSkipDefault, P::Thumb}},
        {"channel from the skin", kCdItemPrePaint, kTrackChannel, true, true, true,
         TTrackDrawAnswer{kCdSkipDefault, P::Channel}},
        {"thumb beside a skinned channel, no thumb picture", kCdItemPrePaint, kTrackThumb, true,
         false, true, TTrackDrawAnswer{kCdSkipDefault, P::ThumbOutline}},
        {"no track pictures: standard channel", kCdItemPrePaint, kTrackChannel, false, false,
         true, TTrackDrawAnswer{kCdDoDefault, P::Nothing}},
        {"no track pictures: standard thumb", kCdItemPrePaint, kTrackThumb, false, false, true,
         TTrackDrawAnswer{kCdDoDefault, P::Nothing}},
        {"thumb picture alone", kCdItemPrePaint, kTrackThumb, false, true, true,
         TTrackDrawAnswer{kCdSkipDefault, P::Thumb}},
        {"post-paint: the track bar's answer", 0x2, 0, true, true, true, std::nullopt},
        {"item post-paint", kCdItemPostPaint, kTrackThumb, true, true, true, std::nullopt},
        {"unknown item", kCdItemPrePaint, 9, true, true, true, std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(TrackBarCustomDraw(c.stage, c.item, c.channel, c.thumb, c.ticColour),
                  c.expected)
            << c.name;
}

TEST(TrackBarChannel, AxesAndCentring) {
    // A vertical channel reported on its side is turned back; one reported upright stays.
    EXPECT_EQ(TrackChannelRect({8, 12, 200, 16}, true), (TPixelRect{12, 8, 16, 200}));
    EXPECT_EQ(TrackChannelRect({12, 8, 16, 200}, true), (TPixelRect{12, 8, 16, 200}));
    EXPECT_EQ(TrackChannelRect({8, 12, 200, 16}, false), (TPixelRect{8, 12, 200, 16}));

    struct Case {
        const char* name;
        TPixelRect channel;
        int thickness;
        bool vertical;
        TPixelRect expected;
    };
    const Case cases[] = {
        {"thinner picture centred down", {8, 10, 200, 20}, 4, false, {8, 13, 200, 17}},
        {"thicker picture takes the channel", {8, 10, 200, 14}, 6, false, {8, 10, 200, 14}},
        {"vertical: centred across", {10, 8, 20, 200}, 5, true, {12, 8, 17, 200}},
        {"vertical: thicker", {10, 8, 14, 200}, 9, true, {10, 8, 14, 200}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(TrackPictureRect(c.channel, c.thickness, c.vertical), c.expected) << c.name;
}

TEST(UpDown, HalvesAndHits) {
    const TUpDownHalves vertical = UpDownHalves({0, 0, 16, 23}, false);
    EXPECT_EQ(vertical, (TUpDownHalves{{0, 0, 16, 11}, {0, 11, 16, 23}}));
    const TUpDownHalves horizontal = UpDownHalves({0, 3, 31, 17}, true);
    EXPECT_EQ(horizontal, (TUpDownHalves{{0, 3, 15, 17}, {15, 3, 31, 17}}));
    EXPECT_EQ(UpDownHalfAt(vertical, 5, 10), 0);
    EXPECT_EQ(UpDownHalfAt(vertical, 5, 11), 1);
    EXPECT_EQ(UpDownHalfAt(vertical, 5, 23), -1);
    EXPECT_EQ(UpDownHalfAt(horizontal, 14, 3), 0);
    EXPECT_EQ(UpDownHalfAt(horizontal, 15, 16), 1);
    EXPECT_EQ(UpDownHalfAt(horizontal, 15, 2), -1);
}

TEST(UpDown, StatesAndFrames) {
    struct Case {
        const char* name;
        bool enabled, pressed, hot;
        int under;
        TUpDownStates expected;
    };
    const Case cases[] = {
        {"normal", true, false, false, -1, {1, 1}},
        {"disabled", false, false, false, -1, {3, 3}},
        {"disabled, pressed under the cursor", false, true, true, 0, {3, 3}},
        {"first pressed", true, true, true, 0, {2, 1}},
        {"second pressed", true, true, true, 1, {1, 2}},
        {"first hot", true, false, true, 0, {4, 1}},
        {"second hot", true, false, true, 1, {1, 4}},
        {"pressed, cursor off both", true, true, true, -1, {1, 1}},
        {"cursor over, neither hot nor pressed", true, false, false, 1, {1, 1}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(UpDownHalfStates(c.enabled, c.pressed, c.hot, c.under), c.expected) << c.name;

    // The disabled look is frame 3 above and 7 below; the second half's frames follow the first's.
    EXPECT_EQ(UpDownFrame(3, false), 3);
    EXPECT_EQ(UpDownFrame(3, true), 7);
    EXPECT_EQ(UpDownFrame(2, true), 6);
    EXPECT_EQ(UpDownFrame(4, false), 4);
}

TEST(UpDown, EmbeddedKeepsThreePixelsFromTheEditsEdges) {
    struct Case {
        const char* name;
        TPixelRect rect, window, parent;
        TPixelRect expected;
    };
    const TPixelRect own{0, 0, 16, 20};
    const Case cases[] = {
        {"2 pixels inside top, bottom and right",
         own,
         {102, 52, 118, 72},
         {0, 50, 120, 74},
         {0, 1, 15, 19}},
        {"flush with the parent", own, {104, 50, 120, 70}, {0, 50, 120, 70}, {0, 3, 13, 17}},
        {"well inside: untouched", own, {90, 60, 106, 80}, {0, 50, 120, 90}, {0, 0, 16, 20}},
        {"the left edge is never moved", own, {0, 55, 16, 75}, {0, 50, 120, 90}, {0, 0, 16, 20}},
        {"sticking out", own, {108, 48, 124, 68}, {0, 50, 120, 90}, {0, 5, 9, 20}},
        {"lower than the insets: empty, not inverted",
         {0, 0, 16, 4},
         {100, 50, 116, 54},
         {0, 50, 120, 54},
         {0, 3, 16, 3}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(EmbeddedUpDownRect(c.rect, c.window, c.parent), c.expected) << c.name;
}

TEST(UpDown, FallbackArrows) {
    // A 16 x 11 half: arrows of 4 lines, centred across; up and down start 2 rows above the
    // centre row (5), left and right are centred on it.
    const TPixelRect half{0, 0, 16, 11};
    EXPECT_EQ(UpDownArrowLines(half, TArrowDirection::Up),
              (std::vector<TPixelRect>{{8, 3, 9, 4}, {7, 4, 10, 5}, {6, 5, 11, 6}, {5, 6, 12, 7}}));
    EXPECT_EQ(UpDownArrowLines(half, TArrowDirection::Down),
              (std::vector<TPixelRect>{{5, 3, 12, 4}, {6, 4, 11, 5}, {7, 5, 10, 6}, {8, 6, 9, 7}}));
    EXPECT_EQ(UpDownArrowLines(half, TArrowDirection::Left),
              (std::vector<TPixelRect>{{6, 5, 7, 6}, {7, 4, 8, 7}, {8, 3, 9, 8}, {9, 2, 10, 9}}));
    EXPECT_EQ(UpDownArrowLines(half, TArrowDirection::Right),
              (std::vector<TPixelRect>{{6, 2, 7, 9}, {7, 3, 8, 8}, {8, 4, 9, 7}, {9, 5, 10, 6}}));
    // A tiny half still gets an arrow of one line.
    EXPECT_EQ(UpDownArrowLines({0, 0, 3, 3}, TArrowDirection::Up).size(), 1u);
}

} // namespace
