// The GDI side of a skin data component's elements: every element picture (`Image`, and
// `Image2`, `CheckImage` and `RadioImage` where the element has them) as a DIB section with its
// key mask, made once per load. Painters ask for a picture's bitmap on every paint; a load that
// replaces the elements is noticed there and the bitmaps are made again, so painters never need
// to hear about loads.
#pragma once

#include "strip_bitmap.h"

#include "skin_catalogue.h"

#include <cstdint>
#include <unordered_map>

class TSkinBitmaps {
public:
    // `elements` (a skin data component's Elements()) must outlive this.
    explicit TSkinBitmaps(const TSkinElements& elements);
    TSkinBitmaps(const TSkinBitmaps&) = delete;
    TSkinBitmaps& operator=(const TSkinBitmaps&) = delete;

    // The bitmap of `picture`, one of the elements' pictures: a look-up, after every bitmap has
    // been made again when a load has replaced the elements since the last call. An empty picture
    // gives an empty bitmap. Throws std::invalid_argument for a picture of no element.
    const TStripBitmap& Of(const TPixelImage& picture);

    // How many times the bitmaps have been made (once per load that was painted from).
    int Builds() const { return builds_; }

private:
    void Build();

    const TSkinElements& elements_;
    std::uint64_t serial_ = 0; // no elements have serial 0
    std::unordered_map<const TPixelImage*, TStripBitmap> bitmaps_;
    int builds_ = 0;
};
