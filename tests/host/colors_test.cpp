// Colour math: blending, saturation, ramps and their cache.
#include "skin/pictures/colors.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <stdexcept>

namespace {

using testing::ElementsAre;

constexpr TColor kWhite = 0xFFFFFF;
constexpr TColor kBlack = 0;

TEST(Blend, WeightsAndRounding) {
    struct Row {
        TColor c1, c2;
        int w;
        TColor expected;
    };
    const Row rows[] = {
        {kWhite, kBlack, 50, 0x808080}, // (255 * 50 + 50) div 100 = 128
        {kWhite, kBlack, 0, kBlack},
        {kWhite, kBlack, 99, 0xFCFCFC},                         // (25245 + 50) div 100 = 252
        {RGBColor(200, 0, 0), kBlack, 100, RGBColor(20, 0, 0)}, // per mille from 100: 10 %
        {RGBColor(200, 100, 0), RGBColor(0, 0, 200), 150, RGBColor(30, 15, 170)},
        {RGBColor(10, 20, 30), RGBColor(40, 50, 60), 1000, RGBColor(10, 20, 30)},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(Blend(row.c1, row.c2, row.w), row.expected) << row.w;
    }
}

TEST(Blend, SystemColoursAreResolvedFirst) {
    SetSysColorSource([](int index) -> std::uint32_t { return index == 5 ? 0xFFFFFF : 0; });
    EXPECT_EQ(Blend(static_cast<TColor>(0x80000005), kBlack, 50), 0x808080);
    EXPECT_EQ(ColorToRGB(static_cast<TColor>(0x80000005)), kWhite);
    SetSysColorSource(nullptr);
    EXPECT_EQ(ColorToRGB(static_cast<TColor>(0x80000005)), kBlack);
}

TEST(Saturation, BrightColoursAndTheDarkConstant) {
    struct Row {
        TColor c;
        int expected;
    };
    const Row rows[] = {
        {0x808080, 200}, // no channel reaches 160
        {RGBColor(159, 0, 0), 200},
        {RGBColor(255, 0, 0), 255},
        {RGBColor(160, 160, 160), 0},
        {RGBColor(0, 0, 0), 200},
        {RGBColor(200, 100, 100), 128}, // 127.5 rounds to even
        {RGBColor(170, 167, 167), 4},   // 4.5 rounds to even
        {RGBColor(170, 169, 169), 2},   // 1.5 rounds to even
        {RGBColor(100, 255, 50), 205},  // 205.0
    };
    for (const Row& row : rows)
        EXPECT_EQ(Saturation(row.c), row.expected) << std::hex << row.c;
}

TEST(Ramp, EntriesPerChannel) {
    EXPECT_THAT(
        ComputeRamp(4, RGBColor(0, 0, 0), RGBColor(10, 0, 0)),
        ElementsAre(RGBColor(0, 0, 0), RGBColor(3, 0, 0), RGBColor(7, 0, 0), RGBColor(10, 0, 0)));
    // A falling channel stops one step short: 10, 7, 4, 1.
    EXPECT_THAT(
        ComputeRamp(4, RGBColor(0, 10, 0), RGBColor(0, 0, 0)),
        ElementsAre(RGBColor(0, 10, 0), RGBColor(0, 7, 0), RGBColor(0, 4, 0), RGBColor(0, 1, 0)));
    EXPECT_THAT(ComputeRamp(1, RGBColor(10, 20, 30), RGBColor(20, 0, 30)),
                ElementsAre(RGBColor(15, 10, 30)));
    EXPECT_THAT(ComputeRamp(2, kBlack, kWhite), ElementsAre(kBlack, kWhite));
}

TEST(RampCache, FindsRisingRampsAndRecomputesFallingOnes) {
    TColorRampCache cache;
    const std::vector<TColor>& rising = cache.Ramp(4, RGBColor(0, 0, 0), RGBColor(10, 0, 0));
    EXPECT_EQ(cache.NextSlot(), 1);
    EXPECT_EQ(&cache.Ramp(4, RGBColor(0, 0, 0), RGBColor(10, 0, 0)), &rising);
    EXPECT_EQ(cache.NextSlot(), 1);
    // Same ends but another length is another ramp.
    cache.Ramp(5, RGBColor(0, 0, 0), RGBColor(10, 0, 0));
    EXPECT_EQ(cache.NextSlot(), 2);

    for (int i = 0; i < 3; ++i)
        cache.Ramp(4, RGBColor(10, 0, 0), RGBColor(0, 0, 0));
    EXPECT_EQ(cache.NextSlot(), 5);
}

TEST(RampCache, SlotsAreReusedRoundRobin) {
    TColorRampCache cache;
    const std::vector<TColor>& first = cache.Ramp(3, kBlack, kWhite);
    for (int i = 1; i < TColorRampCache::kSlots; ++i)
        cache.Ramp(3 + i, kBlack, kWhite);
    EXPECT_EQ(cache.NextSlot(), 0);
    EXPECT_EQ(&cache.Ramp(3, kBlack, kWhite), &first); // still cached
    cache.Ramp(100, kBlack, kWhite);                   // overwrites slot 0
    EXPECT_EQ(cache.NextSlot(), 1);
    EXPECT_EQ(cache.Ramp(3, kBlack, kWhite).size(), 3u);
    EXPECT_EQ(cache.NextSlot(), 2);
}

TEST(RampCache, NonPositiveLengthIsAnAssertion) {
    TColorRampCache cache;
    EXPECT_THROW(cache.Ramp(0, kBlack, kWhite), std::invalid_argument);
    EXPECT_THROW(cache.Ramp(-3, kBlack, kWhite), std::invalid_argument);
}

} // namespace
