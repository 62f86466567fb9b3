// The adaptive Huffman tree of the LZH codec, coding literals and match lengths. Encoder and
// decoder apply the same updates after every symbol, so both always hold the same tree.
#pragma once

#include "lzh_bits.h"

#include <array>
#include <cstdint>

namespace lzh {

class HuffmanTree {
public:
    HuffmanTree() { StartHuff(); }

    // Every symbol with count 1, paired bottom-up into a balanced tree.
    void StartHuff();

    // Counts symbol c once more, rebuilding the tree first when the root count is full.
    void Update(unsigned c);

    // Walks from the root following bits until a leaf; returns its symbol, already counted.
    template <typename NextBit> unsigned DecodeChar(NextBit&& nextBit) {
        unsigned c = son[R];
        while (c < T)
            c = son[c + nextBit()];
        c -= T;
        Update(c);
        return c;
    }

    // Writes the code of symbol c (root first) and counts it.
    void EncodeChar(BitWriter& out, unsigned c);

private:
    void Reconstruct();

    std::array<std::uint32_t, T + 1> freq{};      // node counts, freq[T] a sentinel
    std::array<std::uint32_t, T + N_CHAR> prnt{}; // parent of each node; leaves at T + symbol
    std::array<std::uint32_t, T> son{};           // left child of each node, or T + symbol
};

} // namespace lzh
