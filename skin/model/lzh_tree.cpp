// Adaptive Huffman tree: set-up, update and rebuild, as the LZHUF scheme keeps it.
#include "skin/model/lzh_tree.h"

#include <algorithm>

namespace lzh {

void HuffmanTree::StartHuff() {
    for (unsigned i = 0; i < N_CHAR; ++i) {
        freq[i] = 1;
        son[i] = i + T;
        prnt[i + T] = i;
    }
    for (unsigned i = 0, j = N_CHAR; j <= R; i += 2, ++j) {
        freq[j] = freq[i] + freq[i + 1];
        son[j] = i;
        prnt[i] = prnt[i + 1] = j;
    }
    std::fill(freq.begin() + T, freq.end(), 0xFFFF);
    prnt[R] = 0;
}

void HuffmanTree::Reconstruct() {
    // Gather the leaves at the front, halving their counts (never to zero).
    unsigned j = 0;
    for (unsigned i = 0; i < T; ++i) {
        if (son[i] >= T) {
            freq[j] = (freq[i] + 1) / 2;
            son[j] = son[i];
            ++j;
        }
    }
    // Pair them again; each new node goes where the counts stay sorted, after every node of
    // the same count. The nodes so far are sorted, so a binary search finds that place.
    for (unsigned i = 0, j = N_CHAR; j < T; i += 2, ++j) {
        const std::uint32_t f = freq[i] + freq[i + 1];
        const auto k = static_cast<unsigned>(
            std::upper_bound(freq.begin(), freq.begin() + j, f) - freq.begin());
        std::copy_backward(freq.begin() + k, freq.begin() + j, freq.begin() + j + 1);
        freq[k] = f;
        std::copy_backward(son.begin() + k, son.begin() + j, son.begin() + j + 1);
        son[k] = i;
    }
    for (unsigned i = 0; i < T; ++i) {
        const unsigned k = son[i];
        if (k >= T) {
            prnt[k] = i;
        } else {
            prnt[k] = prnt[k + 1] = i;
        }
    }
}

std::size_t HuffmanTree::MoveUp(std::size_t node, std::uint32_t k) {
    // The counts are sorted, so the nodes after `node` still at its old count k - 1 form one
    // run, which can be long (early on, or on data of many equally frequent bytes). Look
    // kStride nodes ahead at a time, then one by one. The sentinels past the root stop both
    // steps inside the array.
    std::size_t l = node + 1;
    while (freq[l + kStride] < k)
        l += kStride;
    while (freq[l + 1] < k)
        ++l;
    freq[node] = freq[l];
    freq[l] = k;

    const unsigned i = son[node];
    prnt[i] = static_cast<std::uint32_t>(l);
    if (i < T) prnt[i + 1] = static_cast<std::uint32_t>(l);

    const unsigned j = son[l];
    son[l] = i;
    prnt[j] = static_cast<std::uint32_t>(node);
    if (j < T) prnt[j + 1] = static_cast<std::uint32_t>(node);
    son[node] = j;
    return l;
}

void HuffmanTree::EncodeChar(BitWriter& out, unsigned c) {
    // A node's index parity is the bit that leads to it from its parent. The path is found leaf
    // to root, so collect it first and send it root first.
    std::array<std::uint8_t, T> path;
    int len = 0;
    for (unsigned k = prnt[c + T]; k != R; k = prnt[k])
        path[len++] = k & 1;
    while (len > 0)
        out.Put(path[--len], 1);
    Update(c);
}

} // namespace lzh
