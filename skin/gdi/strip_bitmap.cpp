// Skin pictures as DIB sections with their key masks.
#include "strip_bitmap.h"

#include "key_pixels.h"

#include <span>
#include <stdexcept>

ui::GdiHandle<HBITMAP> KeyMask(const TDib& picture, TColor key) {
    if (picture.Empty()) return {};
    const int w = picture.Width(), h = picture.Height();
    struct {
        BITMAPINFOHEADER header;
        RGBQUAD colours[2];
    } info{};
    info.header.biSize = sizeof(BITMAPINFOHEADER);
    info.header.biWidth = w;
    info.header.biHeight = -h;
    info.header.biPlanes = 1;
    info.header.biBitCount = 1;
    info.header.biCompression = BI_RGB;
    info.colours[1] = {255, 255, 255, 0};
    void* bits = nullptr;
    ui::GdiHandle<HBITMAP> mask(CreateDIBSection(nullptr, reinterpret_cast<BITMAPINFO*>(&info),
                                                 DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!mask) throw std::runtime_error("Out of system resources creating a bitmap");
    const auto stride = static_cast<std::size_t>(MaskStride(w));
    auto* rows = static_cast<std::uint8_t*>(bits);
    const TPixel* pixels = picture.Row(0);
    for (std::size_t y = 0; y < static_cast<std::size_t>(h); ++y) {
        KeyMaskRow({pixels + y * static_cast<std::size_t>(w), static_cast<std::size_t>(w)}, key,
                   {rows + y * stride, stride});
    }
    return mask;
}

TStripBitmap::TStripBitmap(const TPixelImage& image)
    : colour_(image), mask_(KeyMask(colour_, kKeyColor)) {}
