// Bitmap file decoder and 24-bit encoder.
#include "bmp_image.h"

#include <algorithm>
#include <bit>

namespace {

constexpr std::uint32_t kFileHeaderSize = 14;
constexpr std::uint32_t kCoreHeaderSize = 12;
constexpr std::uint32_t kInfoHeaderSize = 40;
constexpr std::uint32_t kBiRgb = 0;
constexpr std::uint32_t kBiBitfields = 3;

// Little-endian reads that never leave the buffer: callers check the range first.
std::uint32_t U16(std::span<const std::uint8_t> b, std::size_t at) {
    return static_cast<std::uint32_t>(b[at] | (b[at + 1] << 8));
}
std::uint32_t U32(std::span<const std::uint8_t> b, std::size_t at) {
    return U16(b, at) | (U16(b, at + 2) << 16);
}

// One channel taken out of a packed pixel by its mask and scaled to 8 bits.
struct Channel {
    int shift = 0;
    std::uint32_t max = 0; // largest value of the channel

    explicit Channel(std::uint32_t mask) {
        if (mask == 0) return;
        shift = std::countr_zero(mask);
        max = mask >> shift;
    }
    std::uint32_t Get(std::uint32_t v) const {
        if (max == 0) return 0;
        const std::uint64_t value = (v >> shift) & max;
        return static_cast<std::uint32_t>((value * 255 + max / 2) / max);
    }
};

struct Header {
    std::int64_t width = 0;
    std::int64_t height = 0; // negative: rows stored top first
    std::uint32_t bits = 0;
    std::uint32_t compression = kBiRgb;
    std::uint32_t colorsUsed = 0;
    std::uint32_t masks[3] = {0, 0, 0};
    std::uint32_t paletteAt = 0;
    std::uint32_t paletteEntrySize = 4;
};

std::optional<Header> ReadHeader(std::span<const std::uint8_t> file) {
    if (file.size() < kFileHeaderSize + 4 || file[0] != 'B' || file[1] != 'M') return std::nullopt;
    const std::uint32_t size = U32(file, kFileHeaderSize);
    if (size < kCoreHeaderSize || file.size() - kFileHeaderSize < size) return std::nullopt;
    Header h;
    const std::size_t at = kFileHeaderSize;
    if (size == kCoreHeaderSize) {
        h.width = U16(file, at + 4);
        h.height = U16(file, at + 6);
        if (U16(file, at + 8) != 1) return std::nullopt;
        h.bits = U16(file, at + 10);
        h.paletteEntrySize = 3;
    } else {
        if (size < kInfoHeaderSize) return std::nullopt;
        h.width = static_cast<std::int32_t>(U32(file, at + 4));
        h.height = static_cast<std::int32_t>(U32(file, at + 8));
        if (U16(file, at + 12) != 1) return std::nullopt;
        h.bits = U16(file, at + 14);
        h.compression = U32(file, at + 16);
        h.colorsUsed = U32(file, at + 32);
        if (h.compression == kBiBitfields) {
            // The masks follow the info header, or are part of a longer header.
            const std::size_t masksAt = at + kInfoHeaderSize;
            if (file.size() < masksAt + 12) return std::nullopt;
            for (int i = 0; i < 3; ++i)
                h.masks[i] = U32(file, masksAt + 4 * i);
            if (size == kInfoHeaderSize) h.paletteAt += 12;
        }
    }
    h.paletteAt += kFileHeaderSize + size;
    return h;
}

} // namespace

std::optional<TPixelImage> DecodeBmp(std::span<const std::uint8_t> file) {
    const std::optional<Header> header = ReadHeader(file);
    if (!header) return std::nullopt;
    Header h = *header;
    const bool topDown = h.height < 0;
    const std::int64_t width = h.width;
    const std::int64_t height = topDown ? -h.height : h.height;
    if (width <= 0 || height <= 0 || width * height > kMaxBmpPixels) return std::nullopt;

    const bool paletted = h.bits == 1 || h.bits == 4 || h.bits == 8;
    if (paletted || h.bits == 24) {
        if (h.compression != kBiRgb) return std::nullopt;
    } else if (h.bits == 16 || h.bits == 32) {
        if (h.compression == kBiRgb) {
            h.masks[0] = h.bits == 16 ? 0x7C00 : 0xFF0000;
            h.masks[1] = h.bits == 16 ? 0x03E0 : 0x00FF00;
            h.masks[2] = h.bits == 16 ? 0x001F : 0x0000FF;
        } else if (h.compression != kBiBitfields) {
            return std::nullopt;
        }
    } else {
        return std::nullopt;
    }

    // The palette: as many entries as declared (all 2^bits when none are), only those present.
    std::vector<TPixel> palette;
    if (paletted) {
        const std::uint32_t full = 1u << h.bits;
        const std::uint32_t declared =
            h.colorsUsed == 0 || h.colorsUsed > full ? full : h.colorsUsed;
        for (std::uint32_t i = 0; i < declared; ++i) {
            const std::size_t at = std::size_t{h.paletteAt} + std::size_t{i} * h.paletteEntrySize;
            if (at + 3 > file.size()) break;
            palette.push_back(
                static_cast<TPixel>(file[at] | (file[at + 1] << 8) | (file[at + 2] << 16)));
        }
    }

    const std::uint32_t offBits = U32(file, 10);
    const std::int64_t stride = (width * h.bits + 31) / 32 * 4;
    if (offBits < kFileHeaderSize ||
        std::int64_t{offBits} + stride * height > static_cast<std::int64_t>(file.size())) {
        return std::nullopt;
    }

    const Channel red(h.masks[0]), green(h.masks[1]), blue(h.masks[2]);
    TPixelImage image(static_cast<int>(width), static_cast<int>(height));
    for (std::int64_t row = 0; row < height; ++row) {
        const std::size_t line = static_cast<std::size_t>(offBits + stride * row);
        const int y = static_cast<int>(topDown ? row : height - 1 - row);
        for (int x = 0; x < image.Width; ++x) {
            TPixel p = 0;
            const std::size_t bit = static_cast<std::size_t>(x) * h.bits;
            if (paletted) {
                const std::uint32_t byte = file[line + bit / 8];
                const std::uint32_t shift = 8 - h.bits - static_cast<std::uint32_t>(bit % 8);
                const std::uint32_t index = (byte >> shift) & ((1u << h.bits) - 1);
                // An index past the palette reads as black, as the system draws it.
                p = index < palette.size() ? palette[index] : 0;
            } else if (h.bits == 24) {
                const std::size_t at = line + bit / 8;
                p = static_cast<TPixel>(file[at] | (file[at + 1] << 8) | (file[at + 2] << 16));
            } else {
                const std::size_t at = line + bit / 8;
                const std::uint32_t v = h.bits == 16 ? U16(file, at) : U32(file, at);
                p = blue.Get(v) | (green.Get(v) << 8) | (red.Get(v) << 16);
            }
            image.At(x, y) = p;
        }
    }
    return image;
}

std::vector<std::uint8_t> EncodeBmp24(const TPixelImage& image) {
    const std::uint32_t stride = (static_cast<std::uint32_t>(image.Width) * 3 + 3) / 4 * 4;
    const std::uint32_t dataSize = stride * static_cast<std::uint32_t>(image.Height);
    const std::uint32_t offBits = kFileHeaderSize + kInfoHeaderSize;
    std::vector<std::uint8_t> out;
    out.reserve(offBits + dataSize);
    const auto put16 = [&](std::uint32_t v) {
        out.push_back(static_cast<std::uint8_t>(v));
        out.push_back(static_cast<std::uint8_t>(v >> 8));
    };
    const auto put32 = [&](std::uint32_t v) {
        put16(v & 0xFFFF);
        put16(v >> 16);
    };
    out.push_back('B');
    out.push_back('M');
    put32(offBits + dataSize);
    put32(0);
    put32(offBits);
    put32(kInfoHeaderSize);
    put32(static_cast<std::uint32_t>(image.Width));
    put32(static_cast<std::uint32_t>(image.Height));
    put16(1);
    put16(24);
    put32(kBiRgb);
    put32(dataSize);
    put32(2835); // 72 dpi
    put32(2835);
    put32(0);
    put32(0);
    for (int y = image.Height - 1; y >= 0; --y) {
        for (int x = 0; x < image.Width; ++x) {
            const TPixel p = image.At(x, y);
            out.push_back(static_cast<std::uint8_t>(p));
            out.push_back(static_cast<std::uint8_t>(p >> 8));
            out.push_back(static_cast<std::uint8_t>(p >> 16));
        }
        out.insert(out.end(), stride - static_cast<std::uint32_t>(image.Width) * 3, 0);
    }
    return out;
}

std::optional<TPixelImage> DecodeDib(std::span<const std::uint8_t> dib) {
    if (dib.size() < 16) return std::nullopt;
    const std::uint32_t size = U32(dib, 0);
    if (size < kCoreHeaderSize || size > dib.size()) return std::nullopt;
    // Where the pixels start: after the header, the masks of a bit-field info header and the
    // palette (every entry of the bit depth unless the header says how many).
    std::uint64_t offset = size;
    if (size == kCoreHeaderSize) {
        const std::uint32_t bits = U16(dib, 10);
        if (bits <= 8) offset += 3u << bits;
    } else {
        if (dib.size() < kInfoHeaderSize) return std::nullopt;
        const std::uint32_t bits = U16(dib, 14);
        const std::uint32_t compression = U32(dib, 16);
        const std::uint32_t used = U32(dib, 32);
        if (size == kInfoHeaderSize && compression == kBiBitfields) offset += 12;
        if (bits <= 8) offset += 4ull * (used != 0 && used < (1u << bits) ? used : 1u << bits);
    }
    if (offset > dib.size()) return std::nullopt;
    std::vector<std::uint8_t> file(kFileHeaderSize + dib.size());
    const auto put32 = [&file](std::size_t at, std::uint64_t v) {
        for (int i = 0; i < 4; ++i)
            file[at + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(v >> (8 * i));
    };
    file[0] = 'B';
    file[1] = 'M';
    put32(2, file.size());
    put32(10, kFileHeaderSize + offset);
    std::copy(dib.begin(), dib.end(), file.begin() + kFileHeaderSize);
    return DecodeBmp(file);
}
