// The per-load bitmaps of the skin elements.
#include "skin_bitmaps.h"

#include <stdexcept>

TSkinBitmaps::TSkinBitmaps(const TSkinElements& elements) : elements_(elements) {}

const TStripBitmap& TSkinBitmaps::Of(const TPixelImage& picture) {
    if (serial_ != elements_.Serial) Forget();
    const auto found = bitmaps_.find(&picture);
    if (found == bitmaps_.end()) {
        throw std::invalid_argument("The picture is not one of the skin's elements");
    }
    if (!found->second) {
        found->second.emplace(picture);
        ++made_;
    }
    return *found->second;
}

void TSkinBitmaps::Forget() {
    // The bitmaps of the elements a load replaced, and the places their pictures were at, go.
    bitmaps_.clear();
    made_ = 0;
    for (const TNamedElement& named : ListSkinElements(elements_)) {
        const TDataSkinObject& element = *named.Element;
        bitmaps_[&element.Image];
        if (const auto* border = dynamic_cast<const TDataSkinBorder*>(&element)) {
            bitmaps_[&border->Image2];
        }
        if (const auto* button = dynamic_cast<const TDataSkinButton*>(&element)) {
            bitmaps_[&button->CheckImage];
            bitmaps_[&button->RadioImage];
        }
    }
    serial_ = elements_.Serial;
    ++loads_;
}
