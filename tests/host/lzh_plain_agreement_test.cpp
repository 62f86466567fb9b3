// The decoder against the plain one of the codec benchmark, which follows the format step by
// step (a bit at a time, every byte through the ring, the rebuild shifting entry by entry):
// whatever the bits, both must give the same bytes.
#include "bench/plain_lzh.h"
#include "skin/model/lzh.h"
#include "tests/host/test_data.h"
#include "ui/le_bytes.h"

#include <gtest/gtest.h>

#include <random>

namespace {

std::vector<std::uint8_t> Container(std::uint32_t size, const std::vector<std::uint8_t>& bits) {
    std::vector<std::uint8_t> out;
    ui::PutU32(out, size);
    out.insert(out.end(), bits.begin(), bits.end());
    return out;
}

// Random bits read as symbols spread over the whole alphabet: long runs of equal counts to move
// through, matches at every distance (also before the first byte and overlapping their own
// output), streams that end early and read on as zeros, and final matches cut at the size.
TEST(LzhPlainAgreement, TwentyThousandRandomStreams) {
    std::mt19937 random(4242);
    for (int i = 0; i < 20000; ++i) {
        const auto size = static_cast<std::uint32_t>(random() % 1500);
        const std::vector<std::uint8_t> container =
            Container(size, RandomBytes(random() % 500, static_cast<std::uint32_t>(random())));
        ASSERT_EQ(LzhDecodeContainer(container), PlainLzhDecode(container)) << "stream " << i;
    }
}

// Streams long enough for the root count to reach its limit several times, so the tree is
// rebuilt with halved counts and decoding goes on with the rebuilt tree.
TEST(LzhPlainAgreement, StreamsThroughTreeRebuilds) {
    const struct {
        const char* name;
        std::vector<std::uint8_t> container;
    } rows[] = {
        // About 150,000 symbols of every kind: four rebuilds.
        {"random bits", Container(2'000'000, RandomBytes(256 << 10, 99))},
        // Text the encoder packed: few distinct symbols, the rest of the counts at one.
        {"packed text", LzhEncodeContainer(IniLikeText(400'000))},
        // One symbol over and over, then random bits: a rebuild with one dominant count.
        {"run, then random bits",
         [] {
             std::vector<std::uint8_t> bits(6000, 0xFF);
             const std::vector<std::uint8_t> tail = RandomBytes(64 << 10, 5);
             bits.insert(bits.end(), tail.begin(), tail.end());
             return Container(600'000, bits);
         }()},
    };
    for (const auto& row : rows)
        EXPECT_EQ(LzhDecodeContainer(row.container), PlainLzhDecode(row.container)) << row.name;
}

} // namespace
