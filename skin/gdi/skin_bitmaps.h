// The GDI side of a skin data component's elements: each element picture (`Image`, and `Image2`,
// `CheckImage` and `RadioImage` where the element has them) as a DIB section with its key mask,
// made the first time it is painted after a load and kept until the next one, and so are the
// pictures made from them (the tabs' turned strips). The skin data component keeps one set for
// every painter of its skin, so a form of many controls holds each picture once. Painters ask for
// a picture's bitmap on every paint; a load that replaced the elements is noticed there, so
// painters never need to hear about loads.
#pragma once

#include "skin/gdi/strip_bitmap.h"

#include "skin/model/scaled_pictures.h"
#include "skin/model/skin_catalogue.h"

#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <unordered_map>
#include <utility>

class TSkinBitmaps {
public:
    // `elements` (a skin data component's Elements()) must outlive this.
    explicit TSkinBitmaps(const TSkinElements& elements);
    TSkinBitmaps(const TSkinBitmaps&) = delete;
    TSkinBitmaps& operator=(const TSkinBitmaps&) = delete;

    // The bitmap of `picture`, one of the elements' pictures: a look-up once it is made. An empty
    // picture gives an empty bitmap. Throws std::invalid_argument for a picture of no element.
    const TStripBitmap& Of(const TPixelImage& picture);
    // The bitmap of `picture`, one of the elements' pictures cut by `cut`, at the display density
    // `dpi`: Of(picture) at kBaseDpi, else the bitmap of PictureAtDpi with the picture's larger
    // copy `large` (scaled_pictures.h), made once a load and density.
    const TStripBitmap& AtDpi(const TPixelImage& picture, const TLargePicture& large,
                              const TPictureCut& cut, int dpi);
    // AtDpi() with the cut's margins as they cut that bitmap (TScaledPictures::Cut).
    struct TScaledStrip {
        const TStripBitmap* Strip = nullptr;
        TMargins Margins;
    };
    TScaledStrip CutAtDpi(const TPixelImage& picture, const TLargePicture& large,
                          const TPictureCut& cut, int dpi);
    // The pictures at a density themselves, for what is composed on pixels (window regions).
    TScaledPictures& Pictures() { return scaled_; }
    // The bitmap of what `make` makes of `picture` (turned, say), one of the elements' pictures:
    // made once a load for each `variant`, and shared like the pictures' own.
    const TStripBitmap& Derived(const TPixelImage& picture, int variant,
                                const std::function<TPixelImage(const TPixelImage&)>& make);
    // The same at the display density `dpi`: what `make` makes of the picture at that density
    // (as AtDpi takes it, from `large` where given), made once a load for each variant and
    // density. Derived(picture, variant, make) at kBaseDpi.
    const TStripBitmap& Derived(const TPixelImage& picture, const TLargePicture& large,
                                const TPictureCut& cut, int dpi, int variant,
                                const std::function<TPixelImage(const TPixelImage&)>& make);

    // How many sets of elements (loads) bitmaps have been made for.
    int Loads() const { return loads_; }
    // How many bitmaps have been made for the current elements.
    int Made() const { return made_; }

private:
    // What `make` makes of `source` (a picture of the elements or one scaled from it).
    const TStripBitmap& DerivedOf(const TPixelImage& source, int variant,
                                  const std::function<TPixelImage(const TPixelImage&)>& make);
    // The place of `picture` among the current elements' pictures; throws for another picture.
    std::optional<TStripBitmap>& SlotOf(const TPixelImage& picture);
    void Forget();

    const TSkinElements& elements_;
    std::uint64_t serial_ = 0; // no elements have serial 0
    // Every picture of the current elements, with its bitmap once made.
    std::unordered_map<const TPixelImage*, std::optional<TStripBitmap>> bitmaps_;
    std::map<std::pair<const TPixelImage*, int>, TStripBitmap> derived_;
    TScaledPictures scaled_;
    // The bitmaps of the scaled pictures, by the scaled picture.
    std::unordered_map<const TPixelImage*, TStripBitmap> scaled_bitmaps_;
    int loads_ = 0;
    int made_ = 0;
};
