// Skin pictures at a display density, made once per set of elements.
#include "skin/model/scaled_pictures.h"

#include "skin/model/bmp_image.h"

namespace {

// Whether `picture`, drawn at `fromDpi`, would have more pixels at `dpi` than a bitmap may.
bool TooLargeAt(const TPixelImage& picture, int dpi, int fromDpi) {
    const std::int64_t w = ScaleMeasure(picture.Width, dpi, fromDpi);
    const std::int64_t h = ScaleMeasure(picture.Height, dpi, fromDpi);
    return w * h > kMaxBmpPixels;
}

} // namespace

TPixelImage PictureAtDpi(const TPixelImage& picture, const TLargePicture& copy,
                         const TPictureCut& cut, int dpi) {
    if (dpi <= 0 || dpi == kBaseDpi || TooLargeAt(picture, dpi, kBaseDpi)) return picture;
    const TPixelImage& large = copy.Get();
    if (large.Empty()) return ScalePicture(picture, cut, dpi, kBaseDpi);
    if (dpi == kLargeDpi) return large;
    TPictureCut largeCut = cut;
    for (int* m : {&largeCut.Margins.Left, &largeCut.Margins.Top, &largeCut.Margins.Right,
                   &largeCut.Margins.Bottom})
        *m = ScaleMeasure(*m, kLargeDpi);
    return ScalePicture(large, largeCut, dpi, kLargeDpi);
}

const TPixelImage& TScaledPictures::At(const TPixelImage& picture, const TLargePicture& large,
                                       const TPictureCut& cut, int dpi) {
    if (dpi <= 0 || dpi == kBaseDpi) return picture;
    if (elements_.Serial != serial_) {
        scaled_.clear();
        serial_ = elements_.Serial;
    }
    const TMargins& m = cut.Margins;
    const TKey key{&picture, dpi, cut.Frames, cut.Stacked, m.Left, m.Top, m.Right, m.Bottom};
    auto found = scaled_.find(key);
    if (found == scaled_.end())
        found = scaled_.emplace(key, PictureAtDpi(picture, large, cut, dpi)).first;
    return found->second;
}

TScaledPicture TScaledPictures::Cut(const TPixelImage& picture, const TLargePicture& large,
                                    const TPictureCut& cut, int dpi) {
    const TPixelImage& scaled = At(picture, large, cut, dpi);
    // A picture too large to scale stays as it is, and so do its margins.
    if (scaled.Width == picture.Width && scaled.Height == picture.Height)
        return {&scaled, cut.Margins};
    const TPixelRect cell = StripCell(picture, cut.Frames, 1, cut.Stacked);
    return {&scaled, ScaleMargins(cut.Margins, cell.Right - cell.Left, cell.Bottom - cell.Top, dpi)};
}
