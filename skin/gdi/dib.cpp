// Top-down 32-bit DIB sections with their memory DCs.
#include "dib.h"

#include <algorithm>
#include <stdexcept>
#include <utility>

TDib::TDib(int width, int height) {
    if (width <= 0 || height <= 0) return;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height; // rows from the top
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    bitmap_.reset(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!bitmap_) throw std::runtime_error("Out of system resources creating a bitmap");
    // A fresh DIB section is zero-filled by the system.
    bits_ = static_cast<TPixel*>(bits);
    width_ = width;
    height_ = height;
    dc_ = TMemoryDc::Create();
    if (!dc_.get()) throw std::runtime_error("Out of system resources creating a device context");
    selection_ = TSelection(dc_.get(), bitmap_.get());
    SetStretchBltMode(dc_.get(), COLORONCOLOR);
}

TDib::TDib(const TPixelImage& image) : TDib(image.Width, image.Height) {
    if (Empty()) return;
    // The top byte of a pixel is unused: cleared, so GDI's colour comparisons see the colour only.
    std::transform(image.Pixels.begin(), image.Pixels.end(), bits_,
                   [](TPixel p) { return p & 0xFFFFFF; });
}

TDib::TDib(TDib&& o) noexcept {
    Swap(o);
}

TDib& TDib::operator=(TDib&& o) noexcept {
    // What this held goes with `old`, which lets go of it in the right order.
    TDib old(std::move(o));
    Swap(old);
    return *this;
}

void TDib::Swap(TDib& o) noexcept {
    std::swap(width_, o.width_);
    std::swap(height_, o.height_);
    std::swap(bits_, o.bits_);
    std::swap(bitmap_, o.bitmap_);
    std::swap(dc_, o.dc_);
    std::swap(selection_, o.selection_);
}

TPixel* TDib::Row(int y) {
    GdiFlush();
    return bits_ + static_cast<std::size_t>(y) * static_cast<std::size_t>(width_);
}

const TPixel* TDib::Row(int y) const {
    GdiFlush();
    return bits_ + static_cast<std::size_t>(y) * static_cast<std::size_t>(width_);
}

TPixelImage TDib::Pixels() const {
    TPixelImage image(width_, height_);
    if (Empty()) return image;
    const TPixel* bits = Row(0);
    std::transform(bits, bits + image.Pixels.size(), image.Pixels.begin(),
                   [](TPixel p) { return p & 0xFFFFFF; });
    return image;
}
