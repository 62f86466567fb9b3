// A picture's larger copy (drawn for twice the base density) as the skin's elements hold it. A
// load leaves the copies in the skin's archive: the first time a display density asks for one,
// every copy of that load is read at once, in the load's order and within what the load left of
// its pixel budget, as if the load had read them itself. A display at the base density never
// decompresses or decodes any of them.
#pragma once

#include "skin/pictures/pixel_image.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class TSkinReader;

// The copies one load asked for, read when first wanted.
class TLargePictureSource {
public:
    struct TRequest {
        std::string Name;  // the copy's archive entry
        std::int64_t Width; // the size it must have: twice its picture's
        std::int64_t Height;
    };

    TLargePictureSource(std::shared_ptr<const TSkinReader> archive, std::int64_t pixelBudget,
                        std::vector<TRequest> requests);

    // The copy for request `index`: empty where the archive has none, where it does not decode,
    // is not exactly the size asked for, or finds no room left in the budget.
    const TPixelImage& At(std::size_t index);

private:
    void ReadAll();

    std::shared_ptr<const TSkinReader> archive_; // let go once the copies are read
    std::int64_t budget_;
    std::vector<TRequest> requests_;
    std::vector<TPixelImage> pictures_;
};

class TLargePicture {
public:
    TLargePicture() = default;
    // A copy already at hand.
    TLargePicture(TPixelImage picture) : picture_(std::move(picture)) {}
    TLargePicture(std::shared_ptr<TLargePictureSource> source, std::size_t index)
        : source_(std::move(source)), index_(index) {}

    // The copy; empty when there is none.
    const TPixelImage& Get() const { return source_ ? source_->At(index_) : picture_; }

private:
    std::shared_ptr<TLargePictureSource> source_;
    std::size_t index_ = 0;
    TPixelImage picture_;
};
