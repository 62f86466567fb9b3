// Icon file writer.
#include "tools/skinart/ico.h"

#include "tools/skinart/bmp.h"

#include "ui/le_bytes.h"

#include <stdexcept>

namespace skinart {

namespace {

using ui::PutU16;
using ui::PutU32;

constexpr std::uint32_t kDirHeader = 6, kDirEntry = 16, kInfoHeader = 40;

std::size_t mask_stride(int width) {
    return (static_cast<std::size_t>(width) + 31) / 32 * 4;
}

std::uint32_t image_bytes(const Image& img) {
    const auto w = static_cast<std::size_t>(img.width()),
               h = static_cast<std::size_t>(img.height());
    return static_cast<std::uint32_t>(kInfoHeader + w * h * 4 + mask_stride(img.width()) * h);
}

void put_image(std::vector<std::uint8_t>& out, const Image& img) {
    const int w = img.width(), h = img.height();
    PutU32(out, kInfoHeader);
    PutU32(out, static_cast<std::uint32_t>(w));
    PutU32(out, static_cast<std::uint32_t>(2 * h)); // colour rows and mask rows
    PutU16(out, 1);
    PutU16(out, 32);
    PutU32(out, 0);
    PutU32(out, image_bytes(img) - kInfoHeader);
    PutU32(out, 0);
    PutU32(out, 0);
    PutU32(out, 0);
    PutU32(out, 0);
    for (int y = h - 1; y >= 0; --y)
        for (int x = 0; x < w; ++x) {
            const Rgba p = img.at(x, y);
            out.push_back(p.b);
            out.push_back(p.g);
            out.push_back(p.r);
            out.push_back(p.a);
        }
    for (int y = h - 1; y >= 0; --y) {
        std::vector<std::uint8_t> row(mask_stride(w), 0);
        for (int x = 0; x < w; ++x)
            if (img.at(x, y).a < 128) row[static_cast<std::size_t>(x) / 8] |= 0x80 >> (x % 8);
        out.insert(out.end(), row.begin(), row.end());
    }
}

} // namespace

std::vector<std::uint8_t> encode_ico(const std::vector<Image>& images) {
    for (const Image& img : images)
        if (img.width() != img.height() || img.width() < 1 || img.width() > 256)
            throw std::invalid_argument("icon pictures must be square, 1 to 256 pixels");
    std::vector<std::uint8_t> out;
    PutU16(out, 0);
    PutU16(out, 1); // icon, not cursor
    PutU16(out, static_cast<std::uint32_t>(images.size()));
    auto offset = static_cast<std::uint32_t>(kDirHeader + kDirEntry * images.size());
    for (const Image& img : images) {
        const auto side = static_cast<std::uint8_t>(img.width() == 256 ? 0 : img.width());
        out.push_back(side);
        out.push_back(side);
        out.push_back(0); // no palette
        out.push_back(0);
        PutU16(out, 1);
        PutU16(out, 32);
        PutU32(out, image_bytes(img));
        PutU32(out, offset);
        offset += image_bytes(img);
    }
    for (const Image& img : images)
        put_image(out, img);
    return out;
}

bool write_ico(const std::string& path, const std::vector<Image>& images) {
    return write_file(path, encode_ico(images));
}

} // namespace skinart
