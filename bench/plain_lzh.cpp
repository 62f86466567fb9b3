#include "bench/plain_lzh.h"

#include <array>

namespace {

constexpr unsigned N = 4096, F = 60, THRESHOLD = 2, N_CHAR = 256 - THRESHOLD + F;
constexpr unsigned T = N_CHAR * 2 - 1, R = T - 1, MAX_FREQ = 0x8000;

struct Tables {
    std::array<std::uint8_t, 256> code{}, len{};
    Tables() {
        // {code length, how many upper-six-bit values have it}
        const unsigned groups[6][2] = {{3, 1}, {4, 3}, {5, 8}, {6, 12}, {7, 24}, {8, 16}};
        unsigned value = 0, byte = 0;
        for (const auto& g : groups)
            for (unsigned v = 0; v < g[1]; ++v, ++value)
                for (unsigned k = 0; k < (1u << (8 - g[0])); ++k, ++byte) {
                    code[byte] = static_cast<std::uint8_t>(value);
                    len[byte] = static_cast<std::uint8_t>(g[0]);
                }
    }
};

class Decoder {
public:
    explicit Decoder(std::span<const std::uint8_t> in) : in_(in) {}

    std::vector<std::uint8_t> Run(std::uint32_t size) {
        std::vector<std::uint8_t> out;
        out.reserve(size);
        StartHuff();
        std::array<std::uint8_t, N + F - 1> ring{};
        for (unsigned i = 0; i < N - F; ++i)
            ring[i] = ' ';
        unsigned r = N - F;
        std::uint32_t count = 0;
        while (count < size) {
            const unsigned c = DecodeChar();
            if (c < 256) {
                out.push_back(static_cast<std::uint8_t>(c));
                ring[r++] = static_cast<std::uint8_t>(c);
                r &= N - 1;
                ++count;
            } else {
                const unsigned i = (r - DecodePosition() - 1) & (N - 1);
                const unsigned j = c - 255 + THRESHOLD;
                for (unsigned k = 0; k < j; ++k) {
                    const std::uint8_t b = ring[(i + k) & (N - 1)];
                    out.push_back(b);
                    ring[r++] = b;
                    r &= N - 1;
                    ++count;
                }
            }
        }
        out.resize(size);
        return out;
    }

private:
    int ReadByte() { return position_ < in_.size() ? in_[position_++] : 0; }

    void Refill() {
        while (length_ <= 8) {
            buffer_ |= static_cast<unsigned>(ReadByte()) << (8 - length_);
            length_ += 8;
        }
    }

    unsigned GetBit() {
        Refill();
        const unsigned bit = (buffer_ >> 15) & 1;
        buffer_ = (buffer_ << 1) & 0xFFFF;
        --length_;
        return bit;
    }

    unsigned GetByte() {
        Refill();
        const unsigned byte = (buffer_ >> 8) & 0xFF;
        buffer_ = (buffer_ << 8) & 0xFFFF;
        length_ -= 8;
        return byte;
    }

    void StartHuff() {
        for (unsigned i = 0; i < N_CHAR; ++i) {
            freq_[i] = 1;
            son_[i] = static_cast<std::uint16_t>(i + T);
            prnt_[i + T] = static_cast<std::uint16_t>(i);
        }
        for (unsigned i = 0, j = N_CHAR; j <= R; i += 2, ++j) {
            freq_[j] = static_cast<std::uint16_t>(freq_[i] + freq_[i + 1]);
            son_[j] = static_cast<std::uint16_t>(i);
            prnt_[i] = prnt_[i + 1] = static_cast<std::uint16_t>(j);
        }
        freq_[T] = 0xFFFF;
        prnt_[R] = 0;
    }

    void Reconstruct() {
        unsigned j = 0;
        for (unsigned i = 0; i < T; ++i)
            if (son_[i] >= T) {
                freq_[j] = static_cast<std::uint16_t>((freq_[i] + 1) / 2);
                son_[j] = son_[i];
                ++j;
            }
        for (unsigned i = 0, j2 = N_CHAR; j2 < T; i += 2, ++j2) {
            const unsigned f = freq_[i] + freq_[i + 1];
            freq_[j2] = static_cast<std::uint16_t>(f);
            unsigned k = j2 - 1;
            while (f < freq_[k])
                --k;
            ++k;
            for (unsigned m = j2; m > k; --m) {
                freq_[m] = freq_[m - 1];
                son_[m] = son_[m - 1];
            }
            freq_[k] = static_cast<std::uint16_t>(f);
            son_[k] = static_cast<std::uint16_t>(i);
        }
        for (unsigned i = 0; i < T; ++i) {
            const unsigned k = son_[i];
            if (k >= T) {
                prnt_[k] = static_cast<std::uint16_t>(i);
            } else {
                prnt_[k] = prnt_[k + 1] = static_cast<std::uint16_t>(i);
            }
        }
    }

    void Update(unsigned c) {
        if (freq_[R] == MAX_FREQ) Reconstruct();
        c = prnt_[c + T];
        do {
            const unsigned k = ++freq_[c];
            unsigned l = c + 1;
            if (k > freq_[l]) {
                while (k > freq_[++l]) {
                }
                --l;
                freq_[c] = freq_[l];
                freq_[l] = static_cast<std::uint16_t>(k);
                const unsigned i = son_[c];
                prnt_[i] = static_cast<std::uint16_t>(l);
                if (i < T) prnt_[i + 1] = static_cast<std::uint16_t>(l);
                const unsigned j = son_[l];
                son_[l] = static_cast<std::uint16_t>(i);
                prnt_[j] = static_cast<std::uint16_t>(c);
                if (j < T) prnt_[j + 1] = static_cast<std::uint16_t>(c);
                son_[c] = static_cast<std::uint16_t>(j);
                c = l;
            }
        } while ((c = prnt_[c]) != 0);
    }

    unsigned DecodeChar() {
        unsigned c = son_[R];
        while (c < T)
            c = son_[c + GetBit()];
        c -= T;
        Update(c);
        return c;
    }

    unsigned DecodePosition() {
        static const Tables tables;
        unsigned i = GetByte();
        const unsigned c = static_cast<unsigned>(tables.code[i]) << 6;
        for (unsigned j = tables.len[i] - 2u; j > 0; --j)
            i = (i << 1) + GetBit();
        return c | (i & 0x3F);
    }

    std::span<const std::uint8_t> in_;
    std::size_t position_ = 0;
    unsigned buffer_ = 0, length_ = 0;
    std::array<std::uint16_t, T + 1> freq_{};
    std::array<std::uint16_t, T + N_CHAR> prnt_{};
    std::array<std::uint16_t, T> son_{};
};

} // namespace

std::vector<std::uint8_t> PlainLzhDecode(std::span<const std::uint8_t> container) {
    if (container.size() < 4) return {};
    const std::uint32_t size = container[0] | container[1] << 8 | container[2] << 16 |
                               static_cast<std::uint32_t>(container[3]) << 24;
    return Decoder(container.subspan(4)).Run(size);
}
