// Bitmap files of generated pictures: the colour keying is skinart's, the file format the skin
// engine's.
#include "tools/skinart/bmp.h"

#include "skin/model/bmp_image.h"

#include <fstream>
#include <iterator>

namespace skinart {

std::vector<std::uint8_t> encode_bmp(const Image& img) {
    TPixelImage pixels(img.width(), img.height());
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) {
            const Rgb c = img.keyed(x, y);
            pixels.At(x, y) = static_cast<TPixel>(c.b | c.g << 8 | c.r << 16);
        }
    return EncodeBmp24(pixels);
}

bool write_file(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    std::ofstream file(path, std::ios::binary);
    file.write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(file);
}

std::optional<std::vector<std::uint8_t>> read_file(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) return std::nullopt;
    return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(file), {});
}

bool write_bmp(const std::string& path, const Image& img) {
    return write_file(path, encode_bmp(img));
}

std::optional<Image> read_bmp(const std::string& path) {
    const auto bytes = read_file(path);
    const auto pixels = bytes ? DecodeBmp(*bytes) : std::nullopt;
    if (!pixels) return std::nullopt;
    Image img(pixels->Width, pixels->Height);
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) {
            const TPixel p = pixels->At(x, y);
            img.set(x, y,
                    Rgb{static_cast<std::uint8_t>(p >> 16), static_cast<std::uint8_t>(p >> 8),
                        static_cast<std::uint8_t>(p)});
        }
    return img;
}

} // namespace skinart
