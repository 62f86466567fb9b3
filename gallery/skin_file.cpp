#include "gallery/skin_file.h"

#include "skin/model/skin_archive.h"

#include <exception>
#include <utility>
#include <vector>

namespace gallery {

namespace {

std::wstring Widen(const char* text) {
    const std::string narrow(text);
    return {narrow.begin(), narrow.end()};
}

} // namespace

std::optional<std::wstring> LoadSkinFile(TSkinData& skin, const std::filesystem::path& path) {
    std::optional<std::vector<std::uint8_t>> bytes = ReadSkinFile(path);
    if (!bytes) return L"the file is missing, cannot be read or is too large to be a skin.";
    // Opened once on its own first, so a damaged archive is reported with its reason and
    // nothing is replaced.
    try {
        TSkinReader().Open(*bytes);
    } catch (const std::exception& e) {
        return L"it is not a skin archive: " + Widen(e.what());
    }
    std::vector<std::uint8_t> previous = skin.SkinStream();
    skin.SetSkinStream(std::move(*bytes));
    std::wstring reason = L"its description could not be read.";
    try {
        if (skin.LoadSkin()) {
            skin.ApplySkin();
            return std::nullopt;
        }
    } catch (const std::exception& e) {
        reason = L"its description could not be read: " + Widen(e.what());
    }
    skin.SetSkinStream(std::move(previous));
    skin.LoadSkin();
    return reason;
}

} // namespace gallery
