// LZH codec of skin streams: LZ77 over a 4096-byte ring with adaptive Huffman coding of
// literals and match lengths (the LZHUF scheme). A skin stream is a container: the decoded size
// as 32-bit little-endian, then the bit stream.
#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <vector>

// Largest decoded size accepted by default: far above any real skin, small enough that a
// corrupt size field cannot make us allocate without bound.
inline constexpr std::uint32_t kMaxDecodedSize = 64u << 20;

class TLZH {
public:
    // Decodes `bits` until S bytes are produced and returns exactly those S bytes. Input that
    // ends early reads as zero bits; a match that runs past S is cut at S. S above `limit`
    // raises ElzhException before anything is allocated.
    static std::vector<std::uint8_t> Decode(std::uint32_t S, std::span<const std::uint8_t> bits,
                                            std::uint32_t limit = kMaxDecodedSize);

    // The bit stream that Decode turns back into `data`.
    static std::vector<std::uint8_t> Encode(std::span<const std::uint8_t> data);
};

// A container decoded as far as it is asked, keeping its place between requests: what a reader
// needs first is there without decoding what comes after it.
class TLzhStream {
public:
    // Reads the container's size field (ElzhException when it is missing or above `limit`) and
    // keeps a copy of the container.
    explicit TLzhStream(std::span<const std::uint8_t> container,
                        std::uint32_t limit = kMaxDecodedSize);
    ~TLzhStream();
    TLzhStream(const TLzhStream&) = delete;
    TLzhStream& operator=(const TLzhStream&) = delete;

    // The decoded size the container declares, and how much of it is decoded so far.
    std::uint32_t Size() const;
    std::uint32_t Progress() const;
    // The first `end` decoded bytes (at most Size()), decoding those still missing. The bytes
    // stay where they are for the stream's life.
    std::span<const std::uint8_t> Decoded(std::uint32_t end);

private:
    friend class TLZH; // decodes a whole stream with the same state
    struct State;
    std::unique_ptr<State> state_;
};

// Container = 4-byte little-endian decoded size + bit stream.
std::vector<std::uint8_t> LzhDecodeContainer(std::span<const std::uint8_t> container,
                                             std::uint32_t limit = kMaxDecodedSize);
std::vector<std::uint8_t> LzhEncodeContainer(std::span<const std::uint8_t> data);
