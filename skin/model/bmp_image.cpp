// Skin images through the class library's bitmap reader, and the 24-bit writer.
#include "skin/model/bmp_image.h"

#include "ui/image_format.h"
#include "ui/le_bytes.h"

namespace {

constexpr std::uint32_t kFileHeaderSize = 14;
constexpr std::uint32_t kInfoHeaderSize = 40;

std::optional<std::int64_t> Pixels(std::span<const std::uint8_t> data, bool fileHeader) {
    try {
        return ui::ReadBmpHeader(data, fileHeader).Pixels();
    } catch (const ui::EInvalidGraphic&) {
        return std::nullopt;
    }
}

std::optional<TPixelImage> Decode(std::span<const std::uint8_t> data, bool fileHeader) {
    // The size first, before the reader allocates for it.
    const std::optional<std::int64_t> pixels = Pixels(data, fileHeader);
    if (!pixels || *pixels > kMaxBmpPixels) return std::nullopt;
    try {
        ui::DecodedImage decoded = ui::DecodeBmp(data, fileHeader);
        TPixelImage image;
        image.Width = decoded.width;
        image.Height = decoded.height;
        image.Pixels = std::move(decoded.pixels);
        // Alpha means nothing to skins: magenta is their transparency.
        for (TPixel& p : image.Pixels)
            p &= 0xFFFFFF;
        return image;
    } catch (const ui::EInvalidGraphic&) {
        return std::nullopt;
    }
}

} // namespace

std::optional<std::int64_t> BmpPixels(std::span<const std::uint8_t> file) {
    return Pixels(file, true);
}

std::optional<TPixelImage> DecodeBmp(std::span<const std::uint8_t> file) {
    return Decode(file, true);
}

std::optional<TPixelImage> DecodeDib(std::span<const std::uint8_t> dib) {
    return Decode(dib, false);
}

std::vector<std::uint8_t> EncodeBmp24(const TPixelImage& image) {
    const std::uint32_t stride = (static_cast<std::uint32_t>(image.Width) * 3 + 3) / 4 * 4;
    const std::uint32_t dataSize = stride * static_cast<std::uint32_t>(image.Height);
    const std::uint32_t offBits = kFileHeaderSize + kInfoHeaderSize;
    std::vector<std::uint8_t> out;
    out.reserve(offBits + dataSize);
    out.push_back('B');
    out.push_back('M');
    ui::PutU32(out, offBits + dataSize);
    ui::PutU32(out, 0);
    ui::PutU32(out, offBits);
    ui::PutU32(out, kInfoHeaderSize);
    ui::PutU32(out, static_cast<std::uint32_t>(image.Width));
    ui::PutU32(out, static_cast<std::uint32_t>(image.Height));
    ui::PutU16(out, 1);
    ui::PutU16(out, 24);
    ui::PutU32(out, 0); // uncompressed
    ui::PutU32(out, dataSize);
    ui::PutU32(out, 2835); // 72 dpi
    ui::PutU32(out, 2835);
    ui::PutU32(out, 0);
    ui::PutU32(out, 0);
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
