// Where the parts of a skin picture go: cells, nine-grid and three-slice pieces, tiles, centring.
#include "skin/pictures/strip_layout.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using Pieces = std::vector<TPiece>;
constexpr TPieceFill kStretch = TPieceFill::Stretch;
constexpr TPieceFill kTile = TPieceFill::Tile;

TEST(StripLayout, Cells) {
    struct Row {
        int width, height, frames, frame;
        bool stacked;
        TPixelRect expected;
    };
    const Row rows[] = {
        {40, 10, 4, 2, false, {10, 0, 20, 10}},
        {10, 40, 4, 3, true, {0, 20, 10, 30}},
        {42, 10, 4, 4, false, {30, 0, 40, 10}}, // the rest of an uneven strip is never used
        {40, 10, 4, 0, false, {}},
        {40, 10, 4, 5, false, {}},
        {40, 10, 0, 1, false, {}},
    };
    for (const Row& r : rows) {
        EXPECT_EQ(StripCell(r.width, r.height, r.frames, r.frame, r.stacked), r.expected)
            << r.frames << " frames, frame " << r.frame;
    }
}

TEST(StripLayout, NineGridPieces) {
    // Frame 3 of a strip of 10 x 8 frames side by side.
    const TPixelRect cell{20, 0, 30, 8};
    struct Row {
        const char* what;
        int width, height;
        TPixelRect cell;
        TMargins margins;
        bool tile;
        Pieces expected;
    };
    const Row rows[] = {
        {"all nine, in painting order",
         16,
         12,
         cell,
         {2, 3, 4, 1},
         true,
         {{{0, 0, 2, 3}, {20, 0, 22, 3}},
          {{0, 11, 2, 12}, {20, 7, 22, 8}},
          {{12, 0, 16, 3}, {26, 0, 30, 3}},
          {{0, 3, 2, 11}, {20, 3, 22, 7}},
          {{2, 0, 12, 3}, {22, 0, 26, 3}},
          {{2, 3, 12, 11}, {22, 3, 26, 7}, kTile},
          {{12, 11, 16, 12}, {26, 7, 30, 8}},
          {{12, 3, 16, 11}, {26, 3, 30, 7}},
          {{2, 11, 12, 12}, {22, 7, 26, 8}}}},
        {"narrower than left + right: no side margins",
         5,
         12,
         cell,
         {2, 3, 4, 1},
         false,
         {{{0, 0, 5, 3}, {20, 0, 30, 3}},
          {{0, 3, 5, 11}, {20, 3, 30, 7}},
          {{0, 11, 5, 12}, {20, 7, 30, 8}}}},
        {"lower than top + bottom: no top or bottom margins",
         16,
         3,
         cell,
         {2, 3, 4, 1},
         false,
         {{{0, 0, 2, 3}, {20, 0, 22, 8}},
          {{2, 0, 12, 3}, {22, 0, 26, 8}},
          {{12, 0, 16, 3}, {26, 0, 30, 8}}}},
        {"margins wider than the cell are cut to it; the middle has nothing left",
         10,
         5,
         {0, 0, 4, 4},
         {3, 0, 3, 0},
         false,
         {{{0, 0, 3, 5}, {0, 0, 3, 4}}, {{7, 0, 10, 5}, {1, 0, 4, 4}}}},
        {"negative margins count as 0",
         6,
         6,
         {0, 0, 4, 4},
         {-2, 0, 0, -1},
         false,
         {{{0, 0, 6, 6}, {0, 0, 4, 4}}}},
        {"empty target", 0, 6, cell, {}, false, {}},
        {"empty cell", 6, 6, {}, {}, false, {}},
    };
    for (const Row& r : rows) {
        EXPECT_EQ(NineGridPieces(r.width, r.height, r.cell, r.margins, r.tile), r.expected)
            << r.what;
    }
}

TEST(StripLayout, ThreeSlicePieces) {
    const TPixelRect cell{0, 0, 10, 6}; // ends 3 and 2, a middle of 5
    struct Row {
        const char* what;
        int width;
        TPixelRect cell;
        Pieces expected;
    };
    const Row rows[] = {
        {"middle copies fill exactly",
         15,
         cell,
         {{{0, 0, 3, 4}, {0, 0, 3, 6}},
          {{3, 0, 8, 4}, {3, 0, 8, 6}},
          {{8, 0, 13, 4}, {3, 0, 8, 6}},
          {{13, 0, 15, 4}, {8, 0, 10, 6}}}},
        {"the last copy is cut at the right end",
         14,
         cell,
         {{{0, 0, 3, 4}, {0, 0, 3, 6}},
          {{3, 0, 8, 4}, {3, 0, 8, 6}},
          {{8, 0, 12, 4}, {3, 0, 7, 6}},
          {{12, 0, 14, 4}, {8, 0, 10, 6}}}},
        {"no middle in the cell: ends only",
         14,
         {0, 0, 5, 6},
         {{{0, 0, 3, 4}, {0, 0, 3, 6}}, {{12, 0, 14, 4}, {3, 0, 5, 6}}}},
    };
    for (const Row& r : rows)
        EXPECT_EQ(ThreeSlicePieces(r.width, 4, r.cell, 3, 2), r.expected) << r.what;
}

TEST(StripLayout, ThreeSliceStretchPieces) {
    const TPixelRect cell{10, 0, 20, 6};
    EXPECT_EQ(ThreeSliceStretchPieces(20, 4, cell, 3, 2),
              (Pieces{{{0, 0, 3, 4}, {10, 0, 13, 6}},
                      {{3, 0, 18, 4}, {13, 0, 18, 6}},
                      {{18, 0, 20, 4}, {18, 0, 20, 6}}}));
    // Narrower than the cell: the whole cell, ends and all, squeezed.
    EXPECT_EQ(ThreeSliceStretchPieces(7, 4, cell, 3, 2), (Pieces{{{0, 0, 7, 4}, {10, 0, 20, 6}}}));
}

TEST(StripLayout, TilesAreCutAtTheTargetEdges) {
    Pieces tiles;
    ForEachTile(TPiece{{2, 3, 9, 8}, {10, 20, 13, 22}, kTile},
                [&](const TPiece& p) { tiles.push_back(p); });
    EXPECT_EQ(tiles, (Pieces{{{2, 3, 5, 5}, {10, 20, 13, 22}},
                             {{5, 3, 8, 5}, {10, 20, 13, 22}},
                             {{8, 3, 9, 5}, {10, 20, 11, 22}},
                             {{2, 5, 5, 7}, {10, 20, 13, 22}},
                             {{5, 5, 8, 7}, {10, 20, 13, 22}},
                             {{8, 5, 9, 7}, {10, 20, 11, 22}},
                             {{2, 7, 5, 8}, {10, 20, 13, 21}},
                             {{5, 7, 8, 8}, {10, 20, 13, 21}},
                             {{8, 7, 9, 8}, {10, 20, 11, 21}}}));
    int count = 0;
    ForEachTile(TPiece{{0, 0, 9, 9}, {4, 4, 4, 8}, kTile}, [&](const TPiece&) { ++count; });
    EXPECT_EQ(count, 0);
}

TEST(StripLayout, CentredRect) {
    const TPixelRect target{10, 10, 20, 20};
    EXPECT_EQ(CentredRect(target, 4, 6), (TPixelRect{13, 12, 17, 18}));
    EXPECT_EQ(CentredRect(target, 5, 5), (TPixelRect{12, 12, 17, 17}));
    // Larger than the target: sticks out, the halves rounded toward zero.
    EXPECT_EQ(CentredRect(target, 13, 1), (TPixelRect{9, 14, 22, 15}));
}

} // namespace
