// BMP decoding and ICO directory reading with bounds checks.
#include "image_format.h"

#include "le_bytes.h"

#include <algorithm>
#include <cstdlib>
#include <limits>

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

} // namespace

DecodedImage DecodeBmp(std::span<const std::uint8_t> d, bool file_header) {
    const auto bad = [](const char* why) { return EInvalidGraphic(why); };
    std::size_t info = 0;
    std::size_t pixel_offset = 0;
    if (file_header) {
        if (d.size() < 14 || d[0] != 'B' || d[1] != 'M') throw bad("Bitmap image is not valid");
        info = 14;
        pixel_offset = U32(d, 10);
    }
    const std::uint32_t header_size = U32(d, info);
    if (header_size < 40 || header_size > d.size() - info) throw bad("Bitmap image is not valid");
    const auto width = static_cast<std::int32_t>(U32(d, info + 4));
    const auto raw_height = static_cast<std::int32_t>(U32(d, info + 8));
    const std::uint32_t bits = U16(d, info + 14);
    const std::uint32_t compression = U32(d, info + 16);
    std::uint32_t colors_used = U32(d, info + 32);
    if (width <= 0 || width > kMaxSide || raw_height == 0 ||
        raw_height == std::numeric_limits<std::int32_t>::min() || std::abs(raw_height) > kMaxSide)
        throw bad("Bitmap image has an invalid size");
    const bool top_down = raw_height < 0;
    const int height = std::abs(raw_height);

    std::uint32_t masks[3] = {0x7C00, 0x03E0, 0x001F};
    if (bits == 32) masks[0] = 0xFF0000, masks[1] = 0xFF00, masks[2] = 0xFF;
    std::size_t table = info + header_size;
    if (compression == 3 && (bits == 16 || bits == 32)) {
        if (header_size == 40) {
            masks[0] = U32(d, table), masks[1] = U32(d, table + 4), masks[2] = U32(d, table + 8);
            table += 12;
        } else {
            masks[0] = U32(d, info + 40), masks[1] = U32(d, info + 44),
            masks[2] = U32(d, info + 48);
        }
    } else if (compression != 0) {
        throw bad("Bitmap compression is not supported");
    }
    if (bits != 1 && bits != 4 && bits != 8 && bits != 16 && bits != 24 && bits != 32)
        throw bad("Bitmap colour depth is not supported");

    std::vector<std::uint32_t> palette;
    if (bits <= 8) {
        const std::uint32_t max_colors = 1u << bits;
        if (colors_used == 0 || colors_used > max_colors) colors_used = max_colors;
        if (table + std::size_t{colors_used} * 4 > d.size())
            throw bad("Bitmap palette is truncated");
        for (std::uint32_t i = 0; i < colors_used; ++i)
            palette.push_back(0xFF000000u | (U32(d, table + i * 4) & 0xFFFFFF));
        palette.resize(max_colors, 0xFF000000u);
        table += std::size_t{colors_used} * 4;
    }
    if (!file_header) pixel_offset = table;
    const std::size_t stride = ((static_cast<std::size_t>(width) * bits + 31) / 32) * 4;
    if (pixel_offset > d.size() ||
        stride * static_cast<std::size_t>(height) > d.size() - pixel_offset)
        throw bad("Bitmap pixel data is truncated");

    DecodedImage img;
    img.width = width;
    img.height = height;
    img.source_bits = static_cast<int>(bits);
    img.pixels.resize(static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
    for (int y = 0; y < height; ++y) {
        const std::size_t src_row = static_cast<std::size_t>(top_down ? y : height - 1 - y);
        const std::uint8_t* row = d.data() + pixel_offset + src_row * stride;
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
