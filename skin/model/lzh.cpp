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

// A decode in progress: the output so far (its room is the whole decoded size from the start, so
// bytes handed out never move), the adaptive tree and the reader's place in the bit stream.
struct TLzhStream::State {
    State(std::uint32_t size, std::span<const std::uint8_t> bits) : in(bits) {
        try {
            out.resize(size);
        } catch (const std::bad_alloc&) {
            throw ElzhException("LZH : Cannot get memory for " + std::to_string(size) +
                                " decoded bytes");
        }
    }

    // Decodes until at least `end` bytes are out; a match may run past `end` (never past the
    // decoded size), and the next call goes on from there.
    void DecodeTo(std::uint32_t end);

    std::vector<std::uint8_t> owned; // the container, when the stream keeps its own copy
    std::vector<std::uint8_t> out;
    std::uint32_t count = 0;
    HuffmanTree tree;
    BitReader in;
};

void TLzhStream::State::DecodeTo(std::uint32_t end) {
    const auto S = static_cast<std::uint32_t>(out.size());
    // The output is the sliding window: a match copies from `distance` bytes back. Matches that
    // reach back before the first byte read the ring's first contents: spaces, and zeros in the
    // last F positions, which the first bytes written overwrite.
    std::uint8_t* const data = out.data();
    std::uint32_t n = count;
    // The reader works on a copy of its place: bytes written to the output cannot alias it.
    BitReader bits = in;
    while (n < end) {
        const unsigned c = tree.DecodeChar(bits);
        if (c < 256) {
            data[n++] = static_cast<std::uint8_t>(c);
            continue;
        }
        const std::uint32_t distance = DecodePosition(bits) + 1;
        const std::uint32_t length = std::min<std::uint32_t>(c - 255 + THRESHOLD, S - n);
        std::uint8_t* to = data + n;
        if (distance >= 8 && distance <= n && S - n >= kChunkRoom) {
            // Eight bytes a step: each step reads bytes already final, since the source starts
            // at least eight bytes back, and whatever a step writes past the match the next
            // symbols overwrite; kChunkRoom keeps it inside the output.
            const std::uint8_t* from = to - distance;
            for (std::uint32_t k = 0; k < length; k += 8)
                std::memcpy(to + k, from + k, 8);
        } else if (distance <= n) {
            const std::uint8_t* from = to - distance;
            for (std::uint32_t k = 0; k < length; ++k)
                to[k] = from[k];
        } else {
            for (std::uint32_t k = 0; k < length; ++k) {
                const std::int64_t back = static_cast<std::int64_t>(n + k) - distance;
                to[k] = back >= 0 ? data[back] : back >= -(N - F) ? ' ' : 0;
            }
        }
        n += length;
    }
    in = bits;
    count = n;
}

namespace {

void CheckDecodedSize(std::uint32_t S, std::uint32_t limit) {
    if (S > limit) {
        throw ElzhException("LZH : Decoded size " + std::to_string(S) + " exceeds the limit of " +
                            std::to_string(limit) + " bytes");
    }
}

std::uint32_t ContainerSize(std::span<const std::uint8_t> container, std::uint32_t limit) {
    if (container.size() < 4) throw ElzhException("LZH : Stream too short for its size field");
    const std::uint32_t S = ui::GetU32(container, 0);
    CheckDecodedSize(S, limit);
    return S;
}

} // namespace

std::vector<std::uint8_t> TLZH::Decode(std::uint32_t S, std::span<const std::uint8_t> bits,
                                       std::uint32_t limit) {
    CheckDecodedSize(S, limit);
    TLzhStream::State state(S, bits);
    state.DecodeTo(S);
    return std::move(state.out);
}

TLzhStream::TLzhStream(std::span<const std::uint8_t> container, std::uint32_t limit) {
    const std::uint32_t S = ContainerSize(container, limit);
    std::vector<std::uint8_t> copy(container.begin() + 4, container.end());
    state_ = std::make_unique<State>(S, std::span<const std::uint8_t>());
    state_->owned = std::move(copy);
    state_->in = BitReader(state_->owned);
}

TLzhStream::~TLzhStream() = default;

std::uint32_t TLzhStream::Size() const {
    return static_cast<std::uint32_t>(state_->out.size());
}

std::uint32_t TLzhStream::Progress() const {
    return state_->count;
}

std::span<const std::uint8_t> TLzhStream::Decoded(std::uint32_t end) {
    end = std::min(end, Size());
    if (state_->count < end) state_->DecodeTo(end);
    return std::span<const std::uint8_t>(state_->out).first(end);
}

std::vector<std::uint8_t> LzhDecodeContainer(std::span<const std::uint8_t> container,
                                             std::uint32_t limit) {
    const std::uint32_t S = ContainerSize(container, limit);
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
