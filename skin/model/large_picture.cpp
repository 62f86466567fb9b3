#include "skin/model/large_picture.h"

#include "skin/model/skin_archive.h"
#include "skin/model/skin_images.h"

TLargePictureSource::TLargePictureSource(std::shared_ptr<const TSkinReader> archive,
                                         std::int64_t pixelBudget, std::vector<TRequest> requests)
    : archive_(std::move(archive)), budget_(pixelBudget), requests_(std::move(requests)) {}

const TPixelImage& TLargePictureSource::At(std::size_t index) {
    if (archive_) ReadAll();
    return pictures_.at(index);
}

void TLargePictureSource::ReadAll() {
    TSkinImages images(*archive_, budget_);
    pictures_.resize(requests_.size());
    for (std::size_t i = 0; i < requests_.size(); ++i) {
        TPixelImage large = images.Get(requests_[i].Name);
        if (large.Width == requests_[i].Width && large.Height == requests_[i].Height)
            pictures_[i] = std::move(large);
    }
    archive_.reset();
}
