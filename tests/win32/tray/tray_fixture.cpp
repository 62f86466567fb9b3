// The test icons, built byte by byte as an icon file lays them out.
#include "tests/win32/tray/tray_fixture.h"

#include "ui/le_bytes.h"

namespace tray_test {

namespace {

using ui::PutU16;
using ui::PutU32;

// A DIB of `size` pixels square as an icon stores it: header with the doubled height, the
// colour rows bottom-up, then the AND mask (all opaque).
std::vector<std::uint8_t> Image(int size, std::uint32_t fill, std::uint32_t border) {
    std::vector<std::uint8_t> out;
    PutU32(out, 40);
    PutU32(out, static_cast<std::uint32_t>(size));
    PutU32(out, static_cast<std::uint32_t>(size * 2));
    PutU16(out, 1);
    PutU16(out, 32);
    for (int i = 0; i < 6; ++i)
        PutU32(out, 0);
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) {
            const bool edge = x < 2 || y < 2 || x >= size - 2 || y >= size - 2;
            PutU32(out, 0xFF000000u | (edge ? border : fill));
        }
    const int mask_stride = ((size + 31) / 32) * 4;
    out.insert(out.end(), static_cast<std::size_t>(mask_stride * size), 0);
    return out;
}

} // namespace

std::vector<std::uint8_t> MakeTestIco(std::uint32_t fill_rgb, std::uint32_t border_rgb) {
    const std::vector<std::uint8_t> images[] = {Image(16, fill_rgb, border_rgb),
                                                Image(32, fill_rgb, border_rgb)};
    std::vector<std::uint8_t> out;
    PutU16(out, 0);
    PutU16(out, 1);
    PutU16(out, 2);
    std::uint32_t offset = 6 + 2 * 16;
    for (int i = 0; i < 2; ++i) {
        const int size = i == 0 ? 16 : 32;
        out.push_back(static_cast<std::uint8_t>(size));
        out.push_back(static_cast<std::uint8_t>(size));
        out.push_back(0);
        out.push_back(0);
        PutU16(out, 1);
        PutU16(out, 32);
        PutU32(out, static_cast<std::uint32_t>(images[i].size()));
        PutU32(out, offset);
        offset += static_cast<std::uint32_t>(images[i].size());
    }
    for (const auto& image : images)
        out.insert(out.end(), image.begin(), image.end());
    return out;
}

} // namespace tray_test
