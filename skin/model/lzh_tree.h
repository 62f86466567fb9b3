// The adaptive Huffman tree of the LZH codec, coding literals and match lengths. Encoder and
// decoder apply the same updates after every symbol, so both always hold the same tree.
#pragma once

#include "skin/model/lzh_bits.h"

#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>

namespace lzh {

class HuffmanTree {
public:
    HuffmanTree() { StartHuff(); }

    // Every symbol with count 1, paired bottom-up into a balanced tree.
    void StartHuff();

    // Counts symbol c once more, rebuilding the tree first when the root count is full: every
    // node from the leaf up gains one, and a node whose count passes the next node's swaps
    // with the last node of its old count so that the counts stay sorted. The walk stops at
    // node 0 as well as past the root; that is how the scheme has always counted, and both
    // ends must agree on it.
    void Update(unsigned c) {
        if (freq[R] == MAX_FREQ) [[unlikely]]
            Reconstruct();
        // Indices the width of a pointer spare the compiler a widening at every level.
        std::size_t node = prnt[c + T];
        do {
            const std::uint32_t k = ++freq[node];
            if (k > freq[node + 1]) [[unlikely]]
                node = MoveUp(node, k);
            node = prnt[node];
        } while (node != 0);
    }

    // Walks from the root following the reader's bits until a leaf; returns its symbol,
    // already counted. The walk reads a copy of the reader's buffer, which holds at least 32
    // bits: paths are far shorter (the counts stay below MAX_FREQ, which keeps the tree
    // shallower than 23 levels), and a longer one is walked again bit by bit. A marker bit
    // below the pending bits counts the steps: after n shifts it stands at bit n.
    unsigned DecodeChar(BitReader& in) {
        in.Fill();
        std::uint64_t bits = in.Peek() | 1;
        std::size_t c = son[R];
        while (c < T) {
            c = son[c + static_cast<std::size_t>(bits >> 63)];
            bits <<= 1;
        }
        const int used = std::countr_zero(bits);
        if (used <= 32) [[likely]] {
            in.Skip(used);
        } else {
            for (c = son[R]; c < T;)
                c = son[c + in.GetBit()];
        }
        const auto symbol = static_cast<unsigned>(c - T);
        Update(symbol);
        return symbol;
    }

    // Writes the code of symbol c (root first) and counts it.
    void EncodeChar(BitWriter& out, unsigned c);

private:
    // Node `node`, whose count has just grown to k, trades places with the last node still
    // below k; returns where it now is.
    std::size_t MoveUp(std::size_t node, std::uint32_t k);
    void Reconstruct();

    // How far MoveUp looks ahead along a run of equal counts.
    static constexpr std::size_t kStride = 4;

    // Node counts, then sentinels above any count (no count passes the root's, and the tree is
    // rebuilt when the root's reaches MAX_FREQ): the root's count is compared with the first,
    // and MoveUp looks ahead across as many as its stride.
    std::array<std::uint32_t, T + kStride> freq{};
    std::array<std::uint32_t, T + N_CHAR> prnt{}; // parent of each node; leaves at T + symbol
    std::array<std::uint32_t, T> son{};           // left child of each node, or T + symbol
};

} // namespace lzh
