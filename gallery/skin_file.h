// A skin file named to the gallery: loaded into its skin data and applied, or the reason it
// could not be, in words for the skin's author.
#pragma once

#include "skin/runtime/skin_data.h"

#include <filesystem>
#include <optional>
#include <string>

namespace gallery {

// Nothing when the skin at `path` now dresses the gallery; otherwise why not. A skin that
// cannot be read leaves the one shown before in place.
std::optional<std::wstring> LoadSkinFile(TSkinData& skin, const std::filesystem::path& path);

} // namespace gallery
