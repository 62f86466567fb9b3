// Keyed pictures at a density: cells scaled on their own, the key exact, edges where the scaled
// measures put them.
#include "ui/keyed_scale.h"

#include <gtest/gtest.h>

namespace {

using ui::ScaleKeyedPicture;
using ui::TKeyedPicture;

constexpr std::uint32_t kKey = 0xFF00FF, kShape = 0x2080E0, kOther = 0x10C040;

// Two 4 x 4 cells: a 2 x 2 square of the shape's colour in the first, of another in the second,
// each 1 in from the left and the top.
TKeyedPicture TwoCells() {
    TKeyedPicture p{8, 4, {}};
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 8; ++x) {
            const bool in = x % 4 >= 1 && x % 4 < 3 && y >= 1 && y < 3;
            p.Pixels.push_back(!in ? kKey : x < 4 ? kShape : kOther);
        }
    return p;
}

TEST(KeyedScale, CellsScaleOnTheirOwnAndTheKeyStaysExact) {
    struct Case {
        int dpi;
        int cell;       // the scaled cell's side
        int from, to;   // the square's scaled edges
        bool blocks;    // every pixel one of the picture's own colours
    } const cases[] = {
        {96, 4, 1, 3, true}, {192, 8, 2, 6, true}, {144, 6, 2, 5, false}, {120, 5, 1, 4, false},
        {72, 3, 1, 2, false},
    };
    const TKeyedPicture picture = TwoCells();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.dpi);
        const TKeyedPicture out = ScaleKeyedPicture(picture, 2, kKey, c.dpi);
        ASSERT_EQ(out.Width, 2 * c.cell);
        ASSERT_EQ(out.Height, c.cell);
        for (int y = 0; y < c.cell; ++y)
            for (int x = 0; x < 2 * c.cell; ++x) {
                const int cx = x % c.cell;
                const bool in = cx >= c.from && cx < c.to && y >= c.from && y < c.to;
                const std::uint32_t p = out.Pixels[static_cast<std::size_t>(y) * out.Width + x];
                // The key where the square is not, and only there; no cell takes the other's
                // colour, and a mean never takes in the key.
                EXPECT_EQ(p == kKey, !in) << x << "," << y;
                if (in) {
                    EXPECT_EQ(p, x < c.cell ? kShape : kOther) << x << "," << y;
                }
            }
        if (c.blocks) {
            EXPECT_EQ(ScaleKeyedPicture(out, 2, kKey, 96, c.dpi), picture);
        }
    }
}

} // namespace
