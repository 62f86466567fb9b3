// LZH decoder and the container around its bit stream.
#include "skin/model/lzh.h"

#include "skin/model/lzh_bits.h"
#include "skin/model/lzh_tree.h"
#include "skin/model/skin_error.h"
#include "ui/le_bytes.h"

#include <algorithm>
#include <cstring>
#include <new>
#include <string>

using namespace lzh;

namespace {

// Output room a match copied eight bytes at a time may write into: its length rounded up.
constexpr std::uint32_t kChunkRoom = (F + 7) / 8 * 8;

} // namespace

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
    // The output is the sliding window: a match copies from `distance` bytes back. Matches that
    // reach back before the first byte read the ring's first contents: spaces, and zeros in the
    // last F positions, which the first bytes written overwrite.
    std::uint8_t* const data = out.data();
    std::uint32_t count = 0;
    while (count < S) {
        const unsigned c = tree.DecodeChar(in);
        if (c < 256) {
            data[count++] = static_cast<std::uint8_t>(c);
            continue;
        }
        const std::uint32_t distance = DecodePosition(in) + 1;
        const std::uint32_t length = std::min<std::uint32_t>(c - 255 + THRESHOLD, S - count);
        std::uint8_t* to = data + count;
        if (distance >= 8 && distance <= count && S - count >= kChunkRoom) {
            // Eight bytes a step: each step reads bytes already final, since the source starts
            // at least eight bytes back, and whatever a step writes past the match the next
            // symbols overwrite; kChunkRoom keeps it inside the output.
            const std::uint8_t* from = to - distance;
            for (std::uint32_t k = 0; k < length; k += 8)
                std::memcpy(to + k, from + k, 8);
        } else if (distance <= count) {
            const std::uint8_t* from = to - distance;
            for (std::uint32_t k = 0; k < length; ++k)
                to[k] = from[k];
        } else {
            for (std::uint32_t k = 0; k < length; ++k) {
                const std::int64_t back = static_cast<std::int64_t>(count + k) - distance;
                to[k] = back >= 0 ? data[back] : back >= -(N - F) ? ' ' : 0;
            }
        }
        count += length;
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
