// 24-bit bitmap writer and a small reader for the contact sheet and the mock.
#include "bmp.h"

#include "le.h"

#include <fstream>
#include <iterator>

namespace skinart {

namespace {

constexpr std::uint32_t kFileHeader = 14, kInfoHeader = 40;

std::size_t row_stride(int width, int bytes_per_pixel) {
    return (static_cast<std::size_t>(width) * bytes_per_pixel + 3) / 4 * 4;
}

} // namespace

std::vector<std::uint8_t> encode_bmp(const Image& img) {
    const std::size_t stride = row_stride(img.width(), 3);
    const auto data_size = static_cast<std::uint32_t>(stride * img.height());
    std::vector<std::uint8_t> out;
    out.reserve(kFileHeader + kInfoHeader + data_size);
    out.push_back('B');
    out.push_back('M');
    le::put32(out, kFileHeader + kInfoHeader + data_size);
    le::put32(out, 0);
    le::put32(out, kFileHeader + kInfoHeader);
    le::put32(out, kInfoHeader);
    le::put32(out, static_cast<std::uint32_t>(img.width()));
    le::put32(out, static_cast<std::uint32_t>(img.height())); // positive: bottom-up rows
    le::put16(out, 1);
    le::put16(out, 24);
    le::put32(out, 0); // BI_RGB
    le::put32(out, data_size);
    le::put32(out, 3780); // 96 dpi in pixels per metre
    le::put32(out, 3780);
    le::put32(out, 0);
    le::put32(out, 0);
    for (int y = img.height() - 1; y >= 0; --y) {
        const std::size_t start = out.size();
        for (int x = 0; x < img.width(); ++x) {
            const Rgb c = img.keyed(x, y);
            out.push_back(c.b);
            out.push_back(c.g);
            out.push_back(c.r);
        }
        out.resize(start + stride, 0);
    }
    return out;
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

std::optional<Image> decode_bmp(const std::vector<std::uint8_t>& in) {
    if (in.size() < kFileHeader + kInfoHeader || in[0] != 'B' || in[1] != 'M') return std::nullopt;
    const std::uint32_t offset = le::get32(in, 10);
    const auto width = static_cast<std::int32_t>(le::get32(in, 18));
    const auto height = static_cast<std::int32_t>(le::get32(in, 22));
    const std::uint32_t bits = le::get16(in, 28);
    if (le::get32(in, 14) < kInfoHeader || le::get32(in, 30) != 0 || (bits != 24 && bits != 32))
        return std::nullopt;
    constexpr std::int32_t kLimit = 1 << 14;
    if (width <= 0 || height == 0 || width > kLimit || height > kLimit || height < -kLimit)
        return std::nullopt;
    const int rows = height < 0 ? -height : height;
    const int bpp = static_cast<int>(bits / 8);
    const std::size_t stride = row_stride(width, bpp);
    if (offset > in.size() || (in.size() - offset) / stride < static_cast<std::size_t>(rows))
        return std::nullopt;
    Image img(width, rows);
    for (int r = 0; r < rows; ++r) {
        const int y = height < 0 ? r : rows - 1 - r;
        const std::size_t base = offset + stride * static_cast<std::size_t>(r);
        for (int x = 0; x < width; ++x) {
            const std::size_t p = base + static_cast<std::size_t>(x) * bpp;
            img.set(x, y, Rgb{in[p + 2], in[p + 1], in[p]});
        }
    }
    return img;
}

std::optional<Image> read_bmp(const std::string& path) {
    const auto bytes = read_file(path);
    if (!bytes) return std::nullopt;
    return decode_bmp(*bytes);
}

} // namespace skinart
