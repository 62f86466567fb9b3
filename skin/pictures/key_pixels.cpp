// Key-colour masks and runs.
#include "skin/pictures/key_pixels.h"

#include <algorithm>

namespace {

bool Within(int channel, int key, int tolerance) {
    return channel >= key && channel <= std::min(255, key + std::max(tolerance, 0));
}

} // namespace

bool TKeyRange::Contains(TPixel p) const {
    const TColor c = ColorFromPixel(p);
    return Within(ColorRed(c), ColorRed(Key), RedTolerance) &&
           Within(ColorGreen(c), ColorGreen(Key), GreenTolerance) &&
           Within(ColorBlue(c), ColorBlue(Key), BlueTolerance);
}

void KeyMaskRow(std::span<const TPixel> row, TColor key, std::span<std::uint8_t> bits) {
    std::fill(bits.begin(), bits.end(), std::uint8_t{0});
    const TPixel k = PixelFromColor(key);
    for (std::size_t x = 0; x < row.size(); ++x) {
        if ((row[x] & 0xFFFFFF) == k) bits[x / 8] |= static_cast<std::uint8_t>(0x80 >> (x % 8));
    }
}

std::vector<TPixelRect> OpaqueRuns(const TPixelImage& image, int dx, int dy, const TKeyRange& key) {
    std::vector<TPixelRect> runs;
    for (int y = 0; y < image.Height; ++y) {
        int x = 0;
        while (x < image.Width) {
            while (x < image.Width && key.Contains(image.At(x, y)))
                ++x;
            const int start = x;
            while (x < image.Width && !key.Contains(image.At(x, y)))
                ++x;
            if (x > start) runs.push_back({start + dx, y + dy, x + dx, y + dy + 1});
        }
    }
    return runs;
}
