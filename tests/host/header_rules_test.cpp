// The skinned header's rules: the hot item under the mouse (never at a divider), the room right
// of the items, the text alignment of a format, and where an item's picture and text go.
#include "skin/controls/headers/header_rules.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// Three items of 20 pixel high: 0..60, 60..100, a narrow one 100..105.
const std::vector<TPixelRect> kItems = {{0, 0, 60, 20}, {60, 0, 100, 20}, {100, 0, 105, 20}};

TEST(HeaderRules, TheHotItemLeavesThreePixelsAtEachDivider) {
    struct Row {
        int x, y, hot;
    };
    const Row rows[] = {
        {30, 10, 0}, {3, 10, 0},  {56, 10, 0},  {2, 10, -1},   {57, 10, -1},  {62, 10, -1},
        {63, 10, 1}, {96, 10, 1}, {97, 10, -1}, {102, 10, -1}, // an item of 5 pixels is never hot
        {30, 0, 0},  {30, 19, 0}, {30, 20, -1}, {30, -1, -1},  {200, 10, -1},
    };
    for (const Row& r : rows)
        EXPECT_EQ(HeaderHotItem(kItems, r.x, r.y), r.hot) << r.x << "," << r.y;
    EXPECT_EQ(HeaderHotItem({}, 5, 5), -1);
}

TEST(HeaderRules, TheRemainderRunsFromTheRightmostItemToTheEdge) {
    struct Row {
        const char* what;
        std::vector<TPixelRect> items;
        int width;
        TPixelRect remainder;
    };
    const Row rows[] = {
        {"items end early", kItems, 300, {105, 0, 300, 20}},
        {"no items: all of it", {}, 300, {0, 0, 300, 20}},
        {"items fill it", kItems, 105, {}},
        {"items run past it", kItems, 80, {}},
        // Dragged out of order: the last item by index is not the rightmost.
        {"reordered", {{40, 0, 100, 20}, {0, 0, 40, 20}}, 150, {100, 0, 150, 20}},
    };
    for (const Row& r : rows)
        EXPECT_EQ(HeaderRemainder(r.items, r.width, 20), r.remainder) << r.what;
}

TEST(HeaderRules, TextAlignmentFromTheFormat) {
    struct Row {
        std::uint32_t format;
        THeaderAlign align;
    };
    const Row rows[] = {
        {0, THeaderAlign::Left},
        {kHdfRight, THeaderAlign::Right},
        {kHdfCenter, THeaderAlign::Centre},
        {kHdfRight | kHdfCenter, THeaderAlign::Right},
        {0x4000 /* HDF_STRING */ | kHdfImage, THeaderAlign::Left},
        {0x4000 | kHdfCenter, THeaderAlign::Centre},
    };
    for (const Row& r : rows)
        EXPECT_EQ(HeaderTextAlign(r.format), r.align) << r.format;
}

TEST(HeaderRules, APictureOnlyWhereTheFormatAsksForOne) {
    const TPixelRect item{10, 0, 110, 20};
    struct Row {
        const char* what;
        std::uint32_t format;
        int imageWidth;
        THeaderItemLayout layout;
    };
    const Row rows[] = {
        {"no picture asked for", 0, 16, {{}, {16, 0, 104, 20}}},
        {"asked, but no image list", kHdfImage, 0, {{}, {16, 0, 104, 20}}},
        {"at the left", kHdfImage, 16, {{16, 2, 32, 18}, {38, 0, 104, 20}}},
        {"at the right", kHdfImage | kHdfBitmapOnRight, 16, {{88, 2, 104, 18}, {16, 0, 82, 20}}},
        // Wider than the room: the text keeps no negative width.
        {"too wide", kHdfImage, 100, {{16, 2, 116, 18}, {122, 0, 122, 20}}},
    };
    for (const Row& r : rows) {
        const THeaderItemLayout got = HeaderItemLayout(item, r.format, r.imageWidth, 16);
        EXPECT_EQ(got.Image, r.layout.Image) << r.what;
        EXPECT_EQ(got.Text, r.layout.Text) << r.what;
    }
}

TEST(HeaderRules, PaddingAndDividerRoomAreMeasuresAtTheDensity) {
    // An item 150 wide at 144 dpi with a 24-pixel picture: 9 pixels in, 9 between.
    const TPixelRect item{15, 0, 165, 30};
    EXPECT_EQ(HeaderItemLayout(item, 0, 24, 24, 144).Text, (TPixelRect{24, 0, 156, 30}));
    const THeaderItemLayout left = HeaderItemLayout(item, kHdfImage, 24, 24, 144);
    EXPECT_EQ(left.Image, (TPixelRect{24, 3, 48, 27}));
    EXPECT_EQ(left.Text, (TPixelRect{57, 0, 156, 30}));
    EXPECT_EQ(HeaderItemLayout(item, 0, 0, 0, 192).Text, (TPixelRect{27, 0, 153, 30}));
    EXPECT_EQ(HeaderItemLayout(item, 0, 0, 0, 120).Text, (TPixelRect{23, 0, 157, 30}));

    // The divider's room: 3 pixels at 96 dpi, 5 at 144 (4.5 rounded away), 6 at 192.
    const TPixelRect items[] = {{0, 0, 100, 30}, {100, 0, 200, 30}};
    struct Row {
        int dpi, x, hot;
    };
    const Row rows[] = {{96, 96, 0},   {96, 97, -1},   {96, 103, 1},  {144, 94, 0}, {144, 95, -1},
                        {144, 104, -1}, {144, 105, 1}, {192, 93, 0}, {192, 94, -1}};
    for (const Row& r : rows)
        EXPECT_EQ(HeaderHotItem(items, r.x, 10, r.dpi), r.hot) << r.dpi << " dpi, x " << r.x;
}

} // namespace
