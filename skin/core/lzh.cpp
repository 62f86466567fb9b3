// LZH decoder and the container around its bit stream.
#include "lzh.h"

#include "lzh_bits.h"
#include "lzh_tree.h"
#include "skin_error.h"
#include "ui/le_bytes.h"

#include <algorithm>
#include <array>
#include <new>
#include <string>

using namespace lzh;

std::vector<std::uint8_t> TLZH::Decode(std::uint32_t S, std::span<const std::uint8_t> bits,
                                       std::uint32_t limit) {
    if (S > limit) {
        throw ElzhException("LZH : Decoded size " + std::to_string(S) + " exceeds the limit of " +
                            std::to_string(limit) + " bytes");
    }
    std::vector<std::uint8_t> out;
    try {
        out.resize(S);
    } catch (const std::bad_alloc&) {
        throw ElzhException("LZH : Cannot get memory for " + std::to_string(S) + " decoded bytes");
    }
    if (S == 0) return out;

    HuffmanTree tree;
    BitReader in(bits);
    // Matches may point before the first byte written: those positions read as spaces.
    std::array<std::uint8_t, N> ring{};
    std::fill_n(ring.begin(), N - F, ' ');
    unsigned r = N - F;

    std::uint32_t count = 0;
    while (count < S) {
        const unsigned c = tree.DecodeChar([&in] { return in.GetBit(); });
        if (c < 256) {
            out[count++] = static_cast<std::uint8_t>(c);
            ring[r] = static_cast<std::uint8_t>(c);
            r = (r + 1) & RING_MASK;
        } else {
            const unsigned from = (r - DecodePosition(in) - 1) & RING_MASK;
            const unsigned length = c - 255 + THRESHOLD;
            for (unsigned k = 0; k < length && count < S; ++k) {
                const std::uint8_t byte = ring[(from + k) & RING_MASK];
                out[count++] = byte;
                ring[r] = byte;
                r = (r + 1) & RING_MASK;
            }
        }
    }
    return out;
}

std::vector<std::uint8_t> LzhDecodeContainer(std::span<const std::uint8_t> container,
                                             std::uint32_t limit) {
    if (container.size() < 4) throw ElzhException("LZH : Stream too short for its size field");
    const std::uint32_t S = ui::GetU32(container, 0);
    return TLZH::Decode(S, container.subspan(4), limit);
}

std::vector<std::uint8_t> LzhEncodeContainer(std::span<const std::uint8_t> data) {
    // A stream no decoder here would accept is of no use to anyone.
    if (data.size() > kMaxDecodedSize) {
        throw ElzhException("LZH : Input larger than " + std::to_string(kMaxDecodedSize) +
                            " bytes");
    }
    const auto S = static_cast<std::uint32_t>(data.size());
    std::vector<std::uint8_t> out;
    ui::PutU32(out, S);
    const std::vector<std::uint8_t> bits = TLZH::Encode(data);
    out.insert(out.end(), bits.begin(), bits.end());
    return out;
}
