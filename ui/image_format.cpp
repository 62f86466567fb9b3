// BMP decoding and ICO directory reading with bounds checks.
#include "ui/image_format.h"

#include "ui/le_bytes.h"

#include <algorithm>
#include <cstdlib>

namespace ui {

namespace {

// The shared readers, with the bounds check they leave to their caller.
std::uint32_t U16(std::span<const std::uint8_t> d, std::size_t at) {
    if (at + 2 > d.size()) throw EInvalidGraphic("Bitmap image is not valid");
    return GetU16(d, at);
}

std::uint32_t U32(std::span<const std::uint8_t> d, std::size_t at) {
    if (at + 4 > d.size()) throw EInvalidGraphic("Bitmap image is not valid");
    return GetU32(d, at);
}

int Shift(std::uint32_t mask) {
    int s = 0;
    while (mask && !(mask & 1)) {
        mask >>= 1;
        ++s;
    }
    return s;
}

std::uint32_t Scale(std::uint32_t value, std::uint32_t mask) {
    const int s = Shift(mask);
    const std::uint32_t max = mask >> s;
    if (max == 0) return 0;
    return ((value & mask) >> s) * 255 / max;
}

constexpr int kMaxSide = 32768;
constexpr std::uint32_t kCoreHeaderSize = 12;
constexpr std::uint32_t kInfoHeaderSize = 40;
enum : std::uint32_t { kRgb = 0, kRle8 = 1, kRle4 = 2, kBitFields = 3 };

[[noreturn]] void Bad(const char* why) {
    throw EInvalidGraphic(why);
}

// Everything the headers say about how and where the pixels are stored.
struct Layout {
    BmpHeader header;
    bool top_down = false;
    std::uint32_t compression = kRgb;
    std::uint32_t masks[3] = {0x7C00, 0x03E0, 0x001F};
    std::vector<std::uint32_t> palette; // 1 << bits colours for indexed pictures
    std::size_t pixel_offset = 0;
    std::uint32_t image_size = 0; // of the pixel data, 0 when the header does not say
};

bool DepthFits(std::uint32_t compression, int bits, bool core, bool top_down) {
    switch (compression) {
    case kRgb:
        return bits == 1 || bits == 4 || bits == 8 || bits == 24 ||
               (!core && (bits == 16 || bits == 32));
    case kRle8: // run-length pictures are stored bottom-up only
        return bits == 8 && !top_down;
    case kRle4:
        return bits == 4 && !top_down;
    default:
        return bits == 16 || bits == 32;
    }
}

Layout ReadLayout(std::span<const std::uint8_t> d, bool file_header) {
    Layout l;
    std::size_t info = 0;
    if (file_header) {
        if (d.size() < 14 || d[0] != 'B' || d[1] != 'M') Bad("Bitmap image is not valid");
        info = 14;
        l.pixel_offset = U32(d, 10);
    }
    const std::uint32_t header_size = U32(d, info);
    const bool core = header_size == kCoreHeaderSize;
    if ((!core && header_size < kInfoHeaderSize) || header_size > d.size() - info)
        Bad("Bitmap image is not valid");
    std::int64_t width = 0, height = 0;
    std::uint32_t colors_used = 0;
    if (core) {
        // The OS/2 header: 16-bit unsigned sizes, rows always bottom-up, 3-byte palette entries.
        width = U16(d, info + 4);
        height = U16(d, info + 6);
        l.header.bits = static_cast<int>(U16(d, info + 10));
    } else {
        width = static_cast<std::int32_t>(U32(d, info + 4));
        height = static_cast<std::int32_t>(U32(d, info + 8));
        l.header.bits = static_cast<int>(U16(d, info + 14));
        l.compression = U32(d, info + 16);
        l.image_size = U32(d, info + 20);
        colors_used = U32(d, info + 32);
    }
    l.top_down = height < 0;
    height = std::abs(height);
    if (width <= 0 || width > kMaxSide || height == 0 || height > kMaxSide ||
        width * height > kMaxDecodedPixels)
        Bad("Bitmap image has an invalid size");
    l.header.width = static_cast<int>(width);
    l.header.height = static_cast<int>(height);
    const int bits = l.header.bits;
    if (l.compression > kBitFields) Bad("Bitmap compression is not supported");
    if (!DepthFits(l.compression, bits, core, l.top_down))
        Bad("Bitmap colour depth is not supported");

    if (bits == 32) l.masks[0] = 0xFF0000, l.masks[1] = 0xFF00, l.masks[2] = 0xFF;
    std::size_t table = info + header_size;
    if (l.compression == kBitFields) {
        // After a 40-byte header the masks follow it; longer headers hold them.
        const std::size_t at = header_size == kInfoHeaderSize ? table : info + 40;
        for (std::size_t i = 0; i < 3; ++i)
            l.masks[i] = U32(d, at + 4 * i);
        if (header_size == kInfoHeaderSize) table += 12;
    }
    if (bits <= 8) {
        const std::uint32_t max_colors = 1u << bits;
        const std::size_t entry = core ? 3 : 4;
        if (colors_used == 0 || colors_used > max_colors) colors_used = max_colors;
        if (table + std::size_t{colors_used} * entry > d.size()) Bad("Bitmap palette is truncated");
        for (std::uint32_t i = 0; i < colors_used; ++i) {
            const std::uint8_t* c = d.data() + table + i * entry;
            l.palette.push_back(0xFF000000u | std::uint32_t{c[2]} << 16 | std::uint32_t{c[1]} << 8 |
                                c[0]);
        }
        l.palette.resize(max_colors, 0xFF000000u);
        table += std::size_t{colors_used} * entry;
    }
    if (!file_header) l.pixel_offset = table;
    if (l.pixel_offset > d.size()) Bad("Bitmap pixel data is truncated");
    return l;
}

// Uncompressed rows, each padded to 4 bytes.
void DecodeRows(std::span<const std::uint8_t> data, const Layout& l, DecodedImage& img) {
    const int width = img.width, height = img.height, bits = l.header.bits;
    const std::size_t stride = ((static_cast<std::size_t>(width) * bits + 31) / 32) * 4;
    if (stride * static_cast<std::size_t>(height) > data.size())
        Bad("Bitmap pixel data is truncated");
    const auto& palette = l.palette;
    const auto& masks = l.masks;
    for (int y = 0; y < height; ++y) {
        const std::size_t src_row = static_cast<std::size_t>(l.top_down ? y : height - 1 - y);
        const std::uint8_t* row = data.data() + src_row * stride;
        std::uint32_t* out = img.pixels.data() + static_cast<std::size_t>(y) * width;
        for (int x = 0; x < width; ++x) {
            std::uint32_t px = 0;
            switch (bits) {
            case 1:
                px = palette[(row[x / 8] >> (7 - x % 8)) & 1];
                break;
            case 4:
                px = palette[(row[x / 2] >> (x % 2 ? 0 : 4)) & 0xF];
                break;
            case 8:
                px = palette[row[x]];
                break;
            case 16: {
                const std::uint32_t v = row[x * 2] | (row[x * 2 + 1] << 8);
                px = 0xFF000000u | (Scale(v, masks[0]) << 16) | (Scale(v, masks[1]) << 8) |
                     Scale(v, masks[2]);
                break;
            }
            case 24:
                px = 0xFF000000u | (row[x * 3 + 2] << 16) | (row[x * 3 + 1] << 8) | row[x * 3];
                break;
            default: {
                const std::uint32_t v = static_cast<std::uint32_t>(row[x * 4]) |
                                        (static_cast<std::uint32_t>(row[x * 4 + 1]) << 8) |
                                        (static_cast<std::uint32_t>(row[x * 4 + 2]) << 16) |
                                        (static_cast<std::uint32_t>(row[x * 4 + 3]) << 24);
                px = (v & 0xFF000000u) | (Scale(v, masks[0]) << 16) | (Scale(v, masks[1]) << 8) |
                     Scale(v, masks[2]);
            }
            }
            out[x] = px;
        }
    }
}

// Run-length data: two-byte commands from the bottom row up. A count above 0 repeats the next
// byte's index (RLE4: its two nibbles in turn). After a 0, the next byte says: 0 end of the row,
// 1 end of the picture, 2 move right and up by the two bytes that follow, 3 or more that many
// indexes stored as they are, padded to an even number of bytes. Data that runs out between two
// commands ends the picture; a command cut short is damage.
void DecodeRle(std::span<const std::uint8_t> rle, const Layout& l, DecodedImage& img) {
    const int width = img.width, height = img.height;
    const bool nibbles = l.compression == kRle4;
    std::fill(img.pixels.begin(), img.pixels.end(), l.palette[0]);
    int x = 0, y = 0; // y counts rows from the bottom
    std::size_t at = 0;
    const auto need = [&](std::size_t n) {
        if (n > rle.size() - at) Bad("Bitmap pixel data is truncated");
    };
    // `count` indexes from x on, the k-th being index(k); what passes the right edge is dropped.
    const auto put = [&](int count, auto index) {
        std::uint32_t* row = img.pixels.data() + static_cast<std::size_t>(height - 1 - y) * width;
        const int n = std::min(count, width - x);
        for (int k = 0; k < n; ++k)
            row[x + k] = l.palette[index(k)];
        x = std::min(x + count, width);
    };
    while (y < height && at < rle.size()) {
        need(2);
        const int count = rle[at];
        const unsigned code = rle[at + 1];
        at += 2;
        if (count > 0) {
            put(count, [&](int k) { return nibbles ? (k % 2 ? code & 0xF : code >> 4) : code; });
        } else if (code == 0) {
            x = 0;
            ++y;
        } else if (code == 1) {
            return;
        } else if (code == 2) {
            need(2);
            x = std::min(x + rle[at], width);
            y += rle[at + 1];
            at += 2;
        } else {
            const std::size_t bytes = nibbles ? (code + 1) / 2 : code;
            need(bytes);
            const std::uint8_t* src = rle.data() + at;
            put(static_cast<int>(code), [&](int k) -> unsigned {
                return nibbles ? (src[k / 2] >> (k % 2 ? 0 : 4)) & 0xF : src[k];
            });
            // The padding byte of the last run may be missing.
            at += std::min(bytes + bytes % 2, rle.size() - at);
        }
    }
}

} // namespace

BmpHeader ReadBmpHeader(std::span<const std::uint8_t> data, bool file_header) {
    return ReadLayout(data, file_header).header;
}

DecodedImage DecodeBmp(std::span<const std::uint8_t> d, bool file_header) {
    const Layout l = ReadLayout(d, file_header);
    DecodedImage img;
    img.width = l.header.width;
    img.height = l.header.height;
    img.source_bits = l.header.bits;
    img.pixels.resize(static_cast<std::size_t>(l.header.Pixels()));
    std::span<const std::uint8_t> data = d.subspan(l.pixel_offset);
    if (l.compression == kRle8 || l.compression == kRle4) {
        if (l.image_size != 0 && l.image_size < data.size()) data = data.first(l.image_size);
        DecodeRle(data, l, img);
    } else {
        DecodeRows(data, l, img);
    }
    return img;
}

std::vector<IcoEntry> ReadIcoDirectory(std::span<const std::uint8_t> d) {
    if (d.size() < 6 || U16(d, 0) != 0 || U16(d, 2) != 1)
        throw EInvalidGraphic("Icon image is not valid");
    const std::uint32_t count = U16(d, 4);
    if (count == 0 || 6 + std::size_t{count} * 16 > d.size())
        throw EInvalidGraphic("Icon image is not valid");
    std::vector<IcoEntry> out;
    for (std::uint32_t i = 0; i < count; ++i) {
        const std::size_t at = 6 + std::size_t{i} * 16;
        IcoEntry e;
        e.width = d[at] ? d[at] : 256;
        e.height = d[at + 1] ? d[at + 1] : 256;
        e.bit_count = static_cast<int>(U16(d, at + 6));
        e.size = U32(d, at + 8);
        e.offset = U32(d, at + 12);
        if (e.size < 40 || e.offset > d.size() || e.size > d.size() - e.offset)
            throw EInvalidGraphic("Icon image is not valid");
        out.push_back(e);
    }
    return out;
}

int ChooseIcoEntry(const std::vector<IcoEntry>& entries, int width, int height) {
    int best = -1;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const auto& e = entries[i];
        if (e.width == width && e.height == height &&
            (best < 0 || e.bit_count > entries[static_cast<std::size_t>(best)].bit_count))
            best = static_cast<int>(i);
    }
    if (best >= 0) return best;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const auto& e = entries[i];
        if (e.width >= width && e.height >= height &&
            (best < 0 || e.width < entries[static_cast<std::size_t>(best)].width))
            best = static_cast<int>(i);
    }
    if (best >= 0) return best;
    for (std::size_t i = 0; i < entries.size(); ++i)
        if (best < 0 || entries[i].width > entries[static_cast<std::size_t>(best)].width)
            best = static_cast<int>(i);
    return best;
}

} // namespace ui
