// Skin pictures as DIB sections with their key masks.
#include "skin/gdi/strip_bitmap.h"

#include "skin/pictures/image_ops.h"

#include <atomic>

namespace {

// The picture and its mask, each a bitmap with a DC.
constexpr int kObjectsPerStrip = 4;
std::atomic<int> liveGdiObjects{0};

} // namespace

TStripBitmap::TStripBitmap(const TPixelImage& image) : colour_(image), mask_(colour_, kKeyColor) {
    if (!Empty()) liveGdiObjects += kObjectsPerStrip;
}

TStripBitmap& TStripBitmap::operator=(TStripBitmap&& o) noexcept {
    if (this == &o) return *this;
    // What this held goes now; what `o` held was counted when it was made.
    Uncount();
    colour_ = std::move(o.colour_);
    mask_ = std::move(o.mask_);
    return *this;
}

TStripBitmap::~TStripBitmap() {
    Uncount();
}

void TStripBitmap::Uncount() {
    if (!Empty()) liveGdiObjects -= kObjectsPerStrip;
}

int TStripBitmap::LiveGdiObjects() {
    return liveGdiObjects.load();
}
