// Rebuilding an icon file from a group icon resource.
#include "tray/icon_resource.h"

#include "ui/image_format.h"
#include "ui/le_bytes.h"

namespace tray {

namespace {

constexpr std::size_t kDirHeader = 6;
constexpr std::size_t kGroupEntry = 14; // the file entry's offset is a 16-bit id here
constexpr std::size_t kFileEntry = 16;

using ui::GetU16;

} // namespace

std::vector<std::uint8_t> IcoFromGroup(std::span<const std::uint8_t> group,
                                       const IconImageLookup& image) {
    if (group.size() < kDirHeader || GetU16(group, 0) != 0 || GetU16(group, 2) != 1)
        throw ui::EInvalidGraphic("Icon resource directory is not valid");
    const std::size_t count = GetU16(group, 4);
    if (count == 0 || group.size() < kDirHeader + count * kGroupEntry)
        throw ui::EInvalidGraphic("Icon resource directory is not valid");

    std::vector<std::span<const std::uint8_t>> images;
    for (std::size_t i = 0; i < count; ++i) {
        const auto bytes = image(GetU16(group, kDirHeader + i * kGroupEntry + 12));
        if (bytes.empty()) throw ui::EInvalidGraphic("Icon resource image is missing");
        images.push_back(bytes);
    }

    std::vector<std::uint8_t> out(group.begin(), group.begin() + kDirHeader);
    std::uint32_t offset = static_cast<std::uint32_t>(kDirHeader + count * kFileEntry);
    for (std::size_t i = 0; i < count; ++i) {
        const auto entry = group.subspan(kDirHeader + i * kGroupEntry, kGroupEntry);
        // Width, height, colours, reserved, planes and bit count as they are; the size is the
        // image's real size, and the id becomes the image's offset in the file.
        out.insert(out.end(), entry.begin(), entry.begin() + 8);
        const auto size = static_cast<std::uint32_t>(images[i].size());
        ui::PutU32(out, size);
        ui::PutU32(out, offset);
        offset += size;
    }
    for (const auto& bytes : images)
        out.insert(out.end(), bytes.begin(), bytes.end());
    return out;
}

} // namespace tray
