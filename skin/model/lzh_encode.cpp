// LZH encoder: the LZHUF binary-tree match finder over the same ring the decoder keeps, feeding
// the adaptive Huffman tree and the position code.
#include "skin/model/lzh.h"

#include "skin/model/lzh_bits.h"
#include "skin/model/lzh_tree.h"

#include <array>
#include <memory>

using namespace lzh;

namespace {

// Keeps every string of F bytes that starts in the window in binary search trees, one tree per
// first byte, and finds the longest (then nearest) match for the string at the current position.
class MatchFinder {
public:
    static constexpr unsigned NIL = N; // no node

    MatchFinder() {
        rson.fill(NIL); // tree roots N + 1 .. N + 256 are empty
        dad.fill(NIL);  // no position is in a tree
    }

    // Ring of N bytes plus a copy of its first F - 1 bytes, so strings need no wrapping.
    std::array<std::uint8_t, N + F - 1> text{};
    unsigned match_position = 0; // as sent: distance back from r, minus one
    unsigned match_length = 0;

    void InsertNode(unsigned r) {
        const std::uint8_t* key = &text[r];
        unsigned p = N + 1 + key[0];
        int cmp = 1;
        rson[r] = lson[r] = NIL;
        match_length = 0;
        for (;;) {
            if (cmp >= 0) {
                if (rson[p] == NIL) {
                    rson[p] = r;
                    dad[r] = p;
                    return;
                }
                p = rson[p];
            } else {
                if (lson[p] == NIL) {
                    lson[p] = r;
                    dad[r] = p;
                    return;
                }
                p = lson[p];
            }
            unsigned i = 1;
            for (; i < F; ++i) {
                cmp = key[i] - text[p + i];
                if (cmp != 0) break;
            }
            if (i > THRESHOLD) {
                const unsigned distance = ((r - p) & RING_MASK) - 1;
                if (i > match_length) {
                    match_position = distance;
                    match_length = i;
                    if (match_length >= F) break;
                } else if (i == match_length && distance < match_position) {
                    match_position = distance;
                }
            }
        }
        // A full-length match: the new string takes the old node's place.
        dad[r] = dad[p];
        lson[r] = lson[p];
        rson[r] = rson[p];
        dad[lson[p]] = r;
        dad[rson[p]] = r;
        if (rson[dad[p]] == p) {
            rson[dad[p]] = r;
        } else {
            lson[dad[p]] = r;
        }
        dad[p] = NIL;
    }

    void DeleteNode(unsigned p) {
        if (dad[p] == NIL) return;
        unsigned q;
        if (rson[p] == NIL) {
            q = lson[p];
        } else if (lson[p] == NIL) {
            q = rson[p];
        } else {
            q = lson[p];
            if (rson[q] != NIL) {
                do {
                    q = rson[q];
                } while (rson[q] != NIL);
                rson[dad[q]] = lson[q];
                dad[lson[q]] = dad[q];
                lson[q] = lson[p];
                dad[lson[p]] = q;
            }
            rson[q] = rson[p];
            dad[rson[p]] = q;
        }
        dad[q] = dad[p];
        if (rson[dad[p]] == p) {
            rson[dad[p]] = q;
        } else {
            lson[dad[p]] = q;
        }
        dad[p] = NIL;
    }

private:
    std::array<unsigned, N + 1> lson{};
    std::array<unsigned, N + 257> rson{};
    std::array<unsigned, N + 1> dad{};
};

} // namespace

std::vector<std::uint8_t> TLZH::Encode(std::span<const std::uint8_t> data) {
    BitWriter out;
    if (data.empty()) return out.Finish();

    HuffmanTree tree;
    auto finder = std::make_unique<MatchFinder>(); // about 70 KiB: keep it off the stack
    auto& text = finder->text;
    std::size_t next = 0; // next input byte to read into the ring

    unsigned s = 0;
    unsigned r = N - F;
    std::fill_n(text.begin(), r, ' ');
    unsigned len = 0;
    while (len < F && next < data.size())
        text[r + len++] = data[next++];
    for (unsigned i = 1; i <= F; ++i)
        finder->InsertNode(r - i);
    finder->InsertNode(r);

    do {
        if (finder->match_length > len) finder->match_length = len;
        unsigned advance;
        if (finder->match_length <= THRESHOLD) {
            advance = 1;
            tree.EncodeChar(out, text[r]);
        } else {
            advance = finder->match_length;
            tree.EncodeChar(out, 255 - THRESHOLD + advance);
            EncodePosition(out, finder->match_position);
        }
        unsigned i = 0;
        for (; i < advance && next < data.size(); ++i) {
            finder->DeleteNode(s);
            text[s] = data[next];
            if (s < F - 1) text[s + N] = data[next];
            ++next;
            s = (s + 1) & RING_MASK;
            r = (r + 1) & RING_MASK;
            finder->InsertNode(r);
        }
        // Input exhausted: slide the rest of the way, the look-ahead shrinking.
        for (; i < advance; ++i) {
            finder->DeleteNode(s);
            s = (s + 1) & RING_MASK;
            r = (r + 1) & RING_MASK;
            if (--len) finder->InsertNode(r);
        }
    } while (len > 0);
    return out.Finish();
}
