// Skin images through the class library's bitmap reader, and the 24-bit writer.
#include "bmp_image.h"

#include "ui/image_format.h"

namespace {

constexpr std::uint32_t kFileHeaderSize = 14;
constexpr std::uint32_t kInfoHeaderSize = 40;

std::uint32_t U32(std::span<const std::uint8_t> b, std::size_t at) {
    return static_cast<std::uint32_t>(b[at] | (b[at + 1] << 8) | (b[at + 2] << 16)) |
           (static_cast<std::uint32_t>(b[at + 3]) << 24);
}

std::optional<TPixelImage> Decode(std::span<const std::uint8_t> data, bool fileHeader) {
    // The size first, before the reader allocates for it.
    const std::size_t info = fileHeader ? kFileHeaderSize : 0;
    if (data.size() < info + 12) return std::nullopt;
    const std::int64_t width = static_cast<std::int32_t>(U32(data, info + 4));
    const std::int64_t height = static_cast<std::int32_t>(U32(data, info + 8));
    if (width * (height < 0 ? -height : height) > kMaxBmpPixels) return std::nullopt;
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
    put32(0); // uncompressed
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
