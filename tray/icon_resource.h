// Icon files from icon resources: a module stores an icon as a group directory (RT_GROUP_ICON)
// whose entries name separate image resources (RT_ICON); an icon file holds the same
// directory with file offsets and the images after it.
#pragma once
#include <cstdint>
#include <functional>
#include <span>
#include <vector>

namespace tray {

// The image bytes of the RT_ICON resource with that id; empty when there is none.
using IconImageLookup = std::function<std::span<const std::uint8_t>(std::uint16_t id)>;

// The icon file for a group directory. Throws ui::EInvalidGraphic when the directory is
// malformed or names an image that is missing.
std::vector<std::uint8_t> IcoFromGroup(std::span<const std::uint8_t> group,
                                       const IconImageLookup& image);

} // namespace tray
