// The adaptive Huffman tree of the LZH codec, coding literals and match lengths. Encoder and
// decoder apply the same updates after every symbol, so both always hold the same tree.
#pragma once

#include "skin/model/lzh_bits.h"

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

    // Walks from the root following the reader's bits until a leaf; returns its symbol,
    // already counted. The walk reads a copy of the reader's buffer, which holds at least 32
    // bits: paths are far shorter (the counts stay below MAX_FREQ, which keeps the tree
    // shallower than 23 levels), and a longer one is walked again bit by bit.
    unsigned DecodeChar(BitReader& in) {
        in.Fill();
        std::uint64_t bits = in.Peek();
        int used = 0;
        unsigned c = son[R];
        while (c < T) {
            c = son[c + static_cast<unsigned>(bits >> 63)];
            bits <<= 1;
            ++used;
        }
        if (used <= 32) {
            in.Skip(used);
        } else {
            for (c = son[R]; c < T;)
                c = son[c + in.GetBit()];
        }
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
