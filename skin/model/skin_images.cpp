// Skin images of one load: decoded once per archive entry, within one pixel budget.
#include "skin/model/skin_images.h"

#include "skin/model/bmp_image.h"
#include "skin/model/skin_archive.h"

TSkinImages::TSkinImages(const TSkinReader& archive, std::int64_t pixelBudget)
    : archive_(archive), budget_(pixelBudget), entries_(archive.Names().size()) {}

TPixelImage TSkinImages::Get(std::string_view value) {
    const std::size_t slash = value.find_last_of("\\/:");
    const std::string_view file = slash == std::string_view::npos ? value : value.substr(slash + 1);
    const std::size_t dot = file.rfind('.');
    // The extension is compared as written: "skin.BMP" is not an image of the skin.
    if (file.empty() || dot == std::string_view::npos || file.substr(dot) != ".bmp") return {};
    const std::optional<std::size_t> index = archive_.IndexOf(file);
    if (!index) return {};

    Entry& entry = entries_[*index];
    if (entry.status == Status::Unread) {
        // The budget only shrinks, so a bitmap refused once is refused for the whole load.
        entry.status = Status::Refused;
        const std::span<const std::uint8_t> bytes = archive_.EntryBytes(*index);
        const std::optional<std::int64_t> pixels = BmpPixels(bytes);
        if (!pixels || *pixels > budget_) return {};
        ++decodes_;
        std::optional<TPixelImage> image = DecodeBmp(bytes);
        if (!image) return {};
        decodedPixels_ += static_cast<std::int64_t>(image->Pixels.size());
        entry.image = std::move(*image);
        entry.status = Status::Decoded;
    }
    if (entry.status != Status::Decoded) return {};
    const auto pixels = static_cast<std::int64_t>(entry.image.Pixels.size());
    if (pixels > budget_) return {};
    budget_ -= pixels;
    return entry.image;
}
