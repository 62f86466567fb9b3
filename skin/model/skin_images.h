// The images of one skin load, fetched by the names the ini description gives them. Every archive
// entry is decoded at most once however many sections name it, and the images handed out stay
// within one pixel budget, checked against each bitmap's header before it is decoded: a small
// hostile skin cannot make a load decode or hold more than that.
#pragma once

#include "skin/pictures/pixel_image.h"

#include <cstdint>
#include <string_view>
#include <vector>

class TSkinReader;

class TSkinImages {
public:
    TSkinImages(const TSkinReader& archive, std::int64_t pixelBudget);

    // The image a key value names: its file-name part, which must end in ".bmp" exactly, looked
    // up in the archive and decoded. Empty for anything else, for a bitmap that does not decode,
    // and for one larger than what is left of the budget (which each image handed out uses up).
    TPixelImage Get(std::string_view value);

    // Work done so far, for tests and benchmarks.
    int Decodes() const { return decodes_; }
    // What is left of the budget.
    std::int64_t BudgetLeft() const { return budget_; }
    std::int64_t DecodedPixels() const { return decodedPixels_; }

private:
    enum class Status { Unread, Refused, Decoded };
    struct Entry {
        Status status = Status::Unread;
        TPixelImage image;
    };

    const TSkinReader& archive_;
    std::int64_t budget_;
    std::vector<Entry> entries_; // one per archive entry, in archive order
    int decodes_ = 0;
    std::int64_t decodedPixels_ = 0;
};
