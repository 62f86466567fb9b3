// Any bytes as a description's stored icon list: decoded or refused with EIconListFormat, and a
// decoded list encodes back to the bytes it was read from. The same bytes then go through the
// icon-resource rebuild: as a group directory whose image ids name the decoded icons (or, when
// the list was refused, pieces of the input), giving an icon file or EInvalidGraphic.
#include "tray/icon_list_stream.h"
#include "tray/icon_resource.h"
#include "ui/image_format.h"

#include <algorithm>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::span<const std::uint8_t> bytes(data, size);
    std::vector<tray::IconBytes> icons;
    try {
        icons = tray::DecodeIconList(bytes);
        const std::vector<std::uint8_t> again = tray::EncodeIconList(icons);
        if (again.size() > size || !std::equal(again.begin(), again.end(), data)) std::abort();
    } catch (const tray::EIconListFormat&) {
    }

    std::span<const std::uint8_t> group = bytes;
    if (!icons.empty()) group = icons.front();
    const tray::IconImageLookup image = [&](std::uint16_t id) -> std::span<const std::uint8_t> {
        if (!icons.empty())
            return id < icons.size() ? std::span<const std::uint8_t>(icons[id])
                                     : std::span<const std::uint8_t>();
        return id < size ? bytes.subspan(id) : std::span<const std::uint8_t>();
    };
    try {
        const std::vector<std::uint8_t> ico = tray::IcoFromGroup(group, image);
        // What the rebuild gives is read back by the icon reader the program uses on it.
        ui::ReadIcoDirectory(ico);
    } catch (const ui::EInvalidGraphic&) {
    }
    return 0;
}
