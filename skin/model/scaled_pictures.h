// The skin's pictures at a display density: the larger copy a skin gives (Image2x) where it fits,
// else a picture scaled by the rules of picture_scale.h. Made once for each picture and density
// while a set of elements lasts, so a paint only looks one up.
#pragma once

#include "skin/model/skin_catalogue.h"
#include "skin/pictures/picture_scale.h"

#include <cstdint>
#include <map>
#include <tuple>

// The density a larger copy is drawn for.
inline constexpr int kLargeDpi = 2 * kBaseDpi;

// `picture` (drawn at kBaseDpi, cut by `cut`) at `dpi`, given its larger copy `large` (drawn at
// kLargeDpi with the same frames, its margins twice `cut`'s; empty when there is none):
// - at kBaseDpi (or no density), `picture` as it is, and so where the result would have more
//   pixels than a skin bitmap may (kMaxBmpPixels): no density makes a picture larger than that;
// - where there is a larger copy: at kLargeDpi that copy as it is, at any other density that
//   copy scaled from kLargeDpi (it holds more of the drawing than `picture` for every density
//   above kBaseDpi);
// - else `picture` scaled from kBaseDpi.
TPixelImage PictureAtDpi(const TPixelImage& picture, const TLargePicture& large,
                         const TPictureCut& cut, int dpi);

// A picture at a density with the margins that cut it there.
struct TScaledPicture {
    const TPixelImage* Picture = nullptr;
    TMargins Margins;
};

// Each picture of one set of elements at each density it is asked for, made the first time.
class TScaledPictures {
public:
    // `elements` must outlive this.
    explicit TScaledPictures(const TSkinElements& elements) : elements_(elements) {}
    TScaledPictures(const TScaledPictures&) = delete;
    TScaledPictures& operator=(const TScaledPictures&) = delete;

    // PictureAtDpi of `picture`, one of the elements' pictures, and its larger copy `large`. At
    // kBaseDpi that is `picture` itself; otherwise it is kept until the elements are replaced by
    // a load (their Serial changes), and stays where it is until then.
    const TPixelImage& At(const TPixelImage& picture, const TLargePicture& large,
                          const TPictureCut& cut, int dpi);
    // At() with the cut's margins as they cut the picture there: scaled as the picture's cells
    // were (ScaleMargins of a cell), or as they are where the picture stayed as it is.
    TScaledPicture Cut(const TPixelImage& picture, const TLargePicture& large, const TPictureCut& cut,
                       int dpi);

    // How many scaled pictures have been made for the current elements.
    int Made() const { return static_cast<int>(scaled_.size()); }

private:
    using TKey = std::tuple<const TPixelImage*, int, int, bool, int, int, int, int>;

    const TSkinElements& elements_;
    std::uint64_t serial_ = 0; // no elements have serial 0
    std::map<TKey, TPixelImage> scaled_;
};
