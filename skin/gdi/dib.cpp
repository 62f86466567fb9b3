// DIB sections with their memory DCs.
#include "skin/gdi/dib.h"

#include "skin/pictures/key_pixels.h"

#include <algorithm>
#include <atomic>
#include <span>
#include <stdexcept>
#include <utility>

namespace {

// Each surface holds two GDI objects: its bitmap and its memory DC.
constexpr int kObjectsPerSurface = 2;
std::atomic<int> liveGdiObjects{0};

} // namespace

int TDibSurface::LiveGdiObjects() {
    return liveGdiObjects.load();
}

TDibSurface::TDibSurface(int width, int height, int bitsPerPixel) {
    if (width <= 0 || height <= 0) return;
    struct {
        BITMAPINFOHEADER header;
        RGBQUAD colours[2];
    } info{};
    info.header.biSize = sizeof(BITMAPINFOHEADER);
    info.header.biWidth = width;
    info.header.biHeight = -height; // rows from the top
    info.header.biPlanes = 1;
    info.header.biBitCount = static_cast<WORD>(bitsPerPixel);
    info.header.biCompression = BI_RGB;
    info.colours[1] = {255, 255, 255, 0}; // used by one-bit surfaces only
    void* bits = nullptr;
    bitmap_.reset(CreateDIBSection(nullptr, reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS,
                                   &bits, nullptr, 0));
    if (!bitmap_) throw std::runtime_error("Out of system resources creating a bitmap");
    dc_ = ui::OwnedDC(CreateCompatibleDC(nullptr));
    if (!dc_.get()) throw std::runtime_error("Out of system resources creating a device context");
    selection_ = ui::Selection(dc_.get(), bitmap_.get());
    SetStretchBltMode(dc_.get(), COLORONCOLOR);
    // A fresh DIB section is zero-filled by the system.
    bits_ = static_cast<std::uint8_t*>(bits);
    width_ = width;
    height_ = height;
    stride_ = (width * bitsPerPixel + 31) / 32 * 4;
    liveGdiObjects += kObjectsPerSurface;
}

TDibSurface::~TDibSurface() {
    // A moved-from surface holds nothing; only a complete one was counted.
    if (width_ > 0) liveGdiObjects -= kObjectsPerSurface;
}

TDibSurface::TDibSurface(TDibSurface&& o) noexcept {
    Swap(o);
}

TDibSurface& TDibSurface::operator=(TDibSurface&& o) noexcept {
    // What this held goes with `old`, which lets go of it in the right order.
    TDibSurface old(std::move(o));
    Swap(old);
    return *this;
}

void TDibSurface::Swap(TDibSurface& o) noexcept {
    std::swap(width_, o.width_);
    std::swap(height_, o.height_);
    std::swap(stride_, o.stride_);
    std::swap(bits_, o.bits_);
    std::swap(bitmap_, o.bitmap_);
    std::swap(dc_, o.dc_);
    std::swap(selection_, o.selection_);
}

std::uint8_t* TDibSurface::Bytes(int y) const {
    GdiFlush();
    return bits_ + static_cast<std::size_t>(y) * static_cast<std::size_t>(stride_);
}

TDib::TDib(const TPixelImage& image) : TDib(image.Width, image.Height) {
    if (Empty()) return;
    // The top byte of a pixel is unused: cleared, so GDI's colour operations see the colour only.
    std::transform(image.Pixels.begin(), image.Pixels.end(), Row(0),
                   [](TPixel p) { return p & 0xFFFFFF; });
}

TPixelImage TDib::Pixels() const {
    TPixelImage image(Width(), Height());
    if (Empty()) return image;
    const TPixel* bits = Row(0);
    std::transform(bits, bits + image.Pixels.size(), image.Pixels.begin(),
                   [](TPixel p) { return p & 0xFFFFFF; });
    return image;
}

TKeyMask::TKeyMask(const TDib& picture, TColor key) : TKeyMask(picture.Width(), picture.Height()) {
    Fill(picture, Width(), Height(), key);
}

void TKeyMask::Fill(const TDib& picture, int width, int height, TColor key) {
    if (Empty() || width <= 0 || height <= 0) return;
    const TPixel* pixels = picture.Row(0);
    std::uint8_t* rows = Bytes(0);
    const auto stride = static_cast<std::size_t>(Stride());
    const auto pictureStride = static_cast<std::size_t>(picture.Width());
    for (std::size_t y = 0; y < static_cast<std::size_t>(height); ++y) {
        KeyMaskRow({pixels + y * pictureStride, static_cast<std::size_t>(width)}, key,
                   {rows + y * stride, static_cast<std::size_t>(MaskStride(width))});
    }
}
