// Bit-level pieces of the LZH codec: the MSB-first bit reader and writer and the prefix code of
// the upper six bits of a match position. Shared by the decoder, the encoder and their tests.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <utility>
#include <vector>

namespace lzh {

inline constexpr int N = 4096;                     // ring buffer size
inline constexpr int F = 60;                       // longest match
inline constexpr int THRESHOLD = 2;                // a match is at least THRESHOLD + 1 bytes
inline constexpr int N_CHAR = 256 - THRESHOLD + F; // literals and match lengths
inline constexpr int T = 2 * N_CHAR - 1;           // Huffman tree size
inline constexpr int R = T - 1;                    // root position
inline constexpr unsigned MAX_FREQ = 0x8000;       // root count that forces a rebuild
inline constexpr unsigned RING_MASK = N - 1;

// The position prefix code: the upper six bits u of a position are sent as a code of len[u]
// bits; the decoder looks at a whole byte first, so its tables map every byte that starts with
// the code of u to u and len[u]. Value u has 2^(8 - len) byte patterns: 32 for 0, 16 each for
// 1..3, 8 each for 4..11, 4 each for 12..23, 2 each for 24..47 and 1 each for 48..63.
struct PositionTables {
    std::array<std::uint8_t, 256> d_code{}; // byte -> upper six bits
    std::array<std::uint8_t, 256> d_len{};  // byte -> code length in bits
    std::array<std::uint8_t, 64> p_code{};  // upper six bits -> code, left-aligned in a byte
    std::array<std::uint8_t, 64> p_len{};   // upper six bits -> code length in bits
};

constexpr PositionTables MakePositionTables() {
    PositionTables t;
    int value = 0;
    int byte = 0;
    // {code length, how many values have it}
    constexpr std::array<std::array<int, 2>, 6> groups{
        {{3, 1}, {4, 3}, {5, 8}, {6, 12}, {7, 24}, {8, 16}}};
    for (const auto& [len, values] : groups) {
        for (int v = 0; v < values; ++v, ++value) {
            t.p_code[value] = static_cast<std::uint8_t>(byte);
            t.p_len[value] = static_cast<std::uint8_t>(len);
            for (int k = 0; k < (1 << (8 - len)); ++k, ++byte) {
                t.d_code[byte] = static_cast<std::uint8_t>(value);
                t.d_len[byte] = static_cast<std::uint8_t>(len);
            }
        }
    }
    return t;
}

inline constexpr PositionTables kPositionTables = MakePositionTables();

// Reads bits most significant first. Past the end of the input every byte reads as 0, which is
// how streams that were cut short (or carry no padding) have always been decoded. The decoder
// looks at up to 32 bits at once (Fill, Peek, Skip) instead of asking bit by bit.
class BitReader {
public:
    explicit BitReader(std::span<const std::uint8_t> input) : input_(input) {}

    // Makes at least 32 bits available to Peek.
    void Fill() {
        if (count_ < 32) Refill();
    }
    // The pending bits, left-aligned: the next bit of the stream is bit 63.
    std::uint64_t Peek() const { return buffer_; }
    // Drops `n` bits (n <= the bits available since the last Fill).
    void Skip(int n) {
        buffer_ <<= n;
        count_ -= n;
    }

    unsigned GetBit() {
        Fill();
        const auto bit = static_cast<unsigned>(buffer_ >> 63);
        Skip(1);
        return bit;
    }

    unsigned GetByte() {
        Fill();
        const auto byte = static_cast<unsigned>(buffer_ >> 56);
        Skip(8);
        return byte;
    }

private:
    void Refill() {
        // Four bytes at once where the input has them; the tail a byte at a time.
        if (input_.size() - position_ >= 4) {
            const std::uint8_t* p = input_.data() + position_;
            const std::uint64_t word = static_cast<std::uint64_t>(p[0]) << 24 |
                                       static_cast<std::uint64_t>(p[1]) << 16 |
                                       static_cast<std::uint64_t>(p[2]) << 8 | p[3];
            buffer_ |= word << (32 - count_);
            count_ += 32;
            position_ += 4;
            return;
        }
        while (count_ <= 56) {
            const std::uint64_t byte = position_ < input_.size() ? input_[position_++] : 0;
            buffer_ |= byte << (56 - count_);
            count_ += 8;
        }
    }

    std::span<const std::uint8_t> input_;
    std::size_t position_ = 0;
    std::uint64_t buffer_ = 0; // pending bits, left-aligned
    int count_ = 0;
};

// Writes bits most significant first; the last byte is padded with zero bits.
class BitWriter {
public:
    // Appends the low `count` bits of `bits` (count <= 24).
    void Put(std::uint32_t bits, int count) {
        pending_ = (pending_ << count) | (bits & ((1u << count) - 1));
        count_ += count;
        while (count_ >= 8) {
            count_ -= 8;
            out_.push_back(static_cast<std::uint8_t>(pending_ >> count_));
        }
        pending_ &= (1u << count_) - 1;
    }

    std::vector<std::uint8_t> Finish() {
        if (count_ > 0) out_.push_back(static_cast<std::uint8_t>(pending_ << (8 - count_)));
        count_ = 0;
        pending_ = 0;
        return std::move(out_);
    }

private:
    std::vector<std::uint8_t> out_;
    std::uint32_t pending_ = 0;
    int count_ = 0;
};

// Reads a match position: its first byte selects the upper six bits and the code length, and
// the code's remaining bits end with the low six bits of the position, so one look at the
// next 14 bits decodes it.
inline unsigned DecodePosition(BitReader& in) {
    in.Fill();
    const std::uint64_t bits = in.Peek();
    const auto first = static_cast<unsigned>(bits >> 56);
    const int length = kPositionTables.d_len[first] + 6;
    in.Skip(length);
    return static_cast<unsigned>(kPositionTables.d_code[first]) << 6 |
           (static_cast<unsigned>(bits >> (64 - length)) & 0x3F);
}

inline void EncodePosition(BitWriter& out, unsigned position) {
    const unsigned upper = position >> 6;
    const int len = kPositionTables.p_len[upper];
    out.Put(kPositionTables.p_code[upper] >> (8 - len), len);
    out.Put(position & 0x3F, 6);
}

} // namespace lzh
