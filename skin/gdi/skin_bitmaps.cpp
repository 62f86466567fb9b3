// The per-load bitmaps of the skin elements.
#include "skin_bitmaps.h"

#include <stdexcept>

TSkinBitmaps::TSkinBitmaps(const TSkinElements& elements) : elements_(elements) {}

const TStripBitmap& TSkinBitmaps::Of(const TPixelImage& picture) {
    if (serial_ != elements_.Serial) Build();
    const auto found = bitmaps_.find(&picture);
    if (found == bitmaps_.end()) {
        throw std::invalid_argument("The picture is not one of the skin's elements");
    }
    return found->second;
}

void TSkinBitmaps::Build() {
    std::unordered_map<const TPixelImage*, TStripBitmap> bitmaps;
    const auto add = [&bitmaps](const TPixelImage& picture) {
        bitmaps.try_emplace(&picture, picture);
    };
    for (const TNamedElement& named : ListSkinElements(elements_)) {
        const TDataSkinObject& element = *named.Element;
        add(element.Image);
        if (const auto* border = dynamic_cast<const TDataSkinBorder*>(&element)) {
            add(border->Image2);
        }
        if (const auto* button = dynamic_cast<const TDataSkinButton*>(&element)) {
            add(button->CheckImage);
            add(button->RadioImage);
        }
    }
    // Only once every bitmap is made: a failure leaves the cache to try again next time.
    bitmaps_ = std::move(bitmaps);
    serial_ = elements_.Serial;
    ++builds_;
}
