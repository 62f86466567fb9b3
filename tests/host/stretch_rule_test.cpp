// The stretch rule against what GDI's colour-on-colour stretch was seen to copy under Wine: for
// each source and destination length, the source pixel of every destination pixel.
#include "skin/pictures/stretch_rule.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

struct Row {
    int source;
    int destination;
    std::vector<int> columns; // measured with a one-row stretch
    std::vector<int> rows;    // measured with a one-column stretch
};

TEST(StretchRule, MatchesTheMeasuredStretch) {
    const Row rows[] = {
        // Enlarging: the same on both axes.
        {1, 3, {0, 0, 0}, {0, 0, 0}},
        {2, 5, {0, 0, 0, 1, 1}, {0, 0, 0, 1, 1}},
        {3, 7, {0, 0, 1, 1, 1, 2, 2}, {0, 0, 1, 1, 1, 2, 2}},
        {5, 8, {0, 0, 1, 2, 2, 3, 4, 4}, {0, 0, 1, 2, 2, 3, 4, 4}},
        {4, 4, {0, 1, 2, 3}, {0, 1, 2, 3}},
        // Shrinking: columns lean right, rows lean left.
        {3, 2, {1, 2}, {0, 2}},
        {6, 4, {1, 2, 4, 5}, {0, 2, 3, 5}},
        {7, 3, {1, 4, 6}, {0, 2, 5}},
        {13, 5, {2, 4, 7, 9, 12}, {0, 3, 5, 8, 10}},
        {17, 6, {2, 5, 8, 10, 13, 16}, {0, 3, 6, 9, 11, 14}},
        // A single column takes the last but one, a single row the first.
        {2, 1, {0}, {0}},
        {4, 1, {2}, {0}},
    };
    for (const Row& row : rows) {
        std::vector<int> columns, lines;
        for (int i = 0; i < row.destination; ++i) {
            columns.push_back(
                StretchSource(TStretchAxis::Horizontal, i, row.destination, row.source));
            lines.push_back(StretchSource(TStretchAxis::Vertical, i, row.destination, row.source));
        }
        EXPECT_EQ(columns, row.columns) << row.source << " -> " << row.destination;
        EXPECT_EQ(lines, row.rows) << row.source << " -> " << row.destination;
    }
}

TEST(StretchRule, LongStretchesStayInsideTheSourceInOrder) {
    // A frame edge of a few pixels over a wide window, and a wide picture squeezed small.
    for (const auto& [source, destination] : {std::pair{3, 1400}, {1400, 3}, {1399, 1400}}) {
        for (const TStretchAxis axis : {TStretchAxis::Horizontal, TStretchAxis::Vertical}) {
            int last = 0;
            for (int i = 0; i < destination; ++i) {
                const int s = StretchSource(axis, i, destination, source);
                ASSERT_GE(s, last);
                ASSERT_LT(s, source);
                last = s;
            }
        }
    }
}

} // namespace
