// The stored icon list and icon files rebuilt from icon resources: both read outside data,
// so every malformed input must be refused without reading past it.
#include "tray/icon_list_stream.h"
#include "tray/icon_resource.h"
#include "ui/image_format.h"

#include <gtest/gtest.h>

#include <map>
#include <vector>

namespace {

using namespace tray;
using Bytes = std::vector<std::uint8_t>;

TEST(IconListStream, RoundTripWithAnEmptySlot) {
    const std::vector<IconBytes> icons = {{1, 2, 3}, {}, {9}};
    const Bytes stored = EncodeIconList(icons);
    EXPECT_EQ(stored, (Bytes{3, 0, 0, 0, 3, 0, 0, 0, 1, 2, 3, 0, 0, 0, 0, 1, 0, 0, 0, 9}));
    EXPECT_EQ(DecodeIconList(stored), icons);
    EXPECT_EQ(EncodeIconList({}), (Bytes{0, 0, 0, 0}));
    // What follows the last icon is not part of the list.
    Bytes longer = stored;
    longer.push_back(0xEE);
    EXPECT_EQ(DecodeIconList(longer), icons);
}

TEST(IconListStream, RefusesTruncatedOrLyingStreams) {
    const Bytes bad[] = {
        {},
        {1, 0, 0},
        {1, 0, 0, 0},                   // one icon, no size
        {1, 0, 0, 0, 5, 0, 0, 0, 1, 2}, // size beyond the data
        {2, 0, 0, 0, 0, 0, 0, 0},       // the second icon is missing
        {0xFF, 0xFF, 0xFF, 0xFF, 0, 0, 0, 0},
        {1, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0xFF, 0},
    };
    for (const Bytes& b : bad)
        EXPECT_THROW(DecodeIconList(b), EIconListFormat) << b.size();
}

// A group icon directory: header, then 14-byte entries naming their images by id.
Bytes Group(const std::vector<std::pair<int, std::uint16_t>>& size_and_id) {
    Bytes g = {0, 0, 1, 0, static_cast<std::uint8_t>(size_and_id.size()), 0};
    for (auto [size, id] : size_and_id) {
        const Bytes entry = {static_cast<std::uint8_t>(size),
                             static_cast<std::uint8_t>(size),
                             0,
                             0,
                             1,
                             0,
                             32,
                             0,
                             0x99,
                             0x99,
                             0,
                             0, // the stored size, which the real one replaces
                             static_cast<std::uint8_t>(id),
                             static_cast<std::uint8_t>(id >> 8)};
        g.insert(g.end(), entry.begin(), entry.end());
    }
    return g;
}

TEST(IconResource, RebuildsTheIconFile) {
    const std::map<std::uint16_t, Bytes> images = {{7, Bytes(40, 0xA7)}, {300, Bytes(60, 0xB3)}};
    const IconImageLookup lookup = [&](std::uint16_t id) -> std::span<const std::uint8_t> {
        auto it = images.find(id);
        if (it == images.end()) return {};
        return it->second;
    };
    const Bytes ico = IcoFromGroup(Group({{16, 7}, {32, 300}}), lookup);
    const auto entries = ui::ReadIcoDirectory(ico);
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0].width, 16);
    EXPECT_EQ(entries[1].width, 32);
    EXPECT_EQ(entries[1].bit_count, 32);
    EXPECT_EQ(entries[0].offset, 6u + 2 * 16);
    EXPECT_EQ(entries[0].size, 40u);
    EXPECT_EQ(entries[1].offset, 6u + 2 * 16 + 40);
    EXPECT_EQ(Bytes(ico.begin() + entries[1].offset, ico.end()), images.at(300));

    Bytes cut = Group({{16, 7}});
    cut.pop_back();
    const Bytes bad_groups[] = {
        {},
        {0, 0, 2, 0, 1, 0}, // a cursor group
        {0, 0, 1, 0, 0, 0}, // no images
        cut,                // entry cut short
        Group({{16, 8}}),   // names a missing image
    };
    for (const Bytes& g : bad_groups)
        EXPECT_THROW(IcoFromGroup(g, lookup), ui::EInvalidGraphic) << g.size();
}

} // namespace
