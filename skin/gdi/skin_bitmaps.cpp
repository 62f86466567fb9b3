// The per-load bitmaps of the skin elements.
#include "skin/gdi/skin_bitmaps.h"

#include <stdexcept>

TSkinBitmaps::TSkinBitmaps(const TSkinElements& elements) : elements_(elements), scaled_(elements) {}

std::optional<TStripBitmap>& TSkinBitmaps::SlotOf(const TPixelImage& picture) {
    if (serial_ != elements_.Serial) Forget();
    const auto found = bitmaps_.find(&picture);
    if (found == bitmaps_.end()) {
        throw std::invalid_argument("The picture is not one of the skin's elements");
    }
    return found->second;
}

const TStripBitmap& TSkinBitmaps::Of(const TPixelImage& picture) {
    std::optional<TStripBitmap>& slot = SlotOf(picture);
    if (!slot) {
        slot.emplace(picture);
        ++made_;
    }
    return *slot;
}

const TStripBitmap& TSkinBitmaps::AtDpi(const TPixelImage& picture, const TLargePicture& large,
                                        const TPictureCut& cut, int dpi) {
    SlotOf(picture);
    const TPixelImage& scaled = scaled_.At(picture, large, cut, dpi);
    if (&scaled == &picture) return Of(picture);
    auto found = scaled_bitmaps_.find(&scaled);
    if (found == scaled_bitmaps_.end()) {
        found = scaled_bitmaps_.emplace(&scaled, TStripBitmap(scaled)).first;
        ++made_;
    }
    return found->second;
}

TSkinBitmaps::TScaledStrip TSkinBitmaps::CutAtDpi(const TPixelImage& picture,
                                                  const TLargePicture& large, const TPictureCut& cut,
                                                  int dpi) {
    return {&AtDpi(picture, large, cut, dpi), scaled_.Cut(picture, large, cut, dpi).Margins};
}

const TStripBitmap&
TSkinBitmaps::Derived(const TPixelImage& picture, int variant,
                      const std::function<TPixelImage(const TPixelImage&)>& make) {
    SlotOf(picture);
    return DerivedOf(picture, variant, make);
}

const TStripBitmap&
TSkinBitmaps::Derived(const TPixelImage& picture, const TLargePicture& large, const TPictureCut& cut,
                      int dpi, int variant,
                      const std::function<TPixelImage(const TPixelImage&)>& make) {
    SlotOf(picture);
    // A scaled picture stays where it is until the next load, so it keys its variants as the
    // picture keys its own (at kBaseDpi it is the picture).
    return DerivedOf(scaled_.At(picture, large, cut, dpi), variant, make);
}

const TStripBitmap&
TSkinBitmaps::DerivedOf(const TPixelImage& source, int variant,
                        const std::function<TPixelImage(const TPixelImage&)>& make) {
    const auto key = std::make_pair(&source, variant);
    auto found = derived_.find(key);
    if (found == derived_.end()) {
        found = derived_.emplace(key, TStripBitmap(make(source))).first;
        ++made_;
    }
    return found->second;
}

void TSkinBitmaps::Forget() {
    // The bitmaps of the elements a load replaced, and the places their pictures were at, go.
    bitmaps_.clear();
    derived_.clear();
    scaled_bitmaps_.clear();
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
