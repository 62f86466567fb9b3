// Regions from runs of pixels.
#include "skin/gdi/skin_region.h"

#include "skin/model/skin_geometry.h"

#include <algorithm>
#include <cstring>
#include <stdexcept>
#include <vector>

namespace {

// One ExtCreateRegion call for up to kRegionBatch rectangles.
ui::TRegion Batch(std::span<const TPixelRect> rects) {
    std::vector<std::uint8_t> buffer(sizeof(RGNDATAHEADER) + rects.size() * sizeof(RECT));
    RGNDATAHEADER header{};
    header.dwSize = sizeof(RGNDATAHEADER);
    header.iType = RDH_RECTANGLES;
    header.nCount = static_cast<DWORD>(rects.size());
    header.nRgnSize = static_cast<DWORD>(rects.size() * sizeof(RECT));
    header.rcBound = {rects[0].Left, rects[0].Top, rects[0].Right, rects[0].Bottom};
    std::uint8_t* at = buffer.data() + sizeof(RGNDATAHEADER);
    for (const TPixelRect& r : rects) {
        const RECT rect = ToRect(r);
        std::memcpy(at, &rect, sizeof rect);
        at += sizeof rect;
        header.rcBound.left = std::min(header.rcBound.left, rect.left);
        header.rcBound.top = std::min(header.rcBound.top, rect.top);
        header.rcBound.right = std::max(header.rcBound.right, rect.right);
        header.rcBound.bottom = std::max(header.rcBound.bottom, rect.bottom);
    }
    std::memcpy(buffer.data(), &header, sizeof header);
    ui::TRegion region(ExtCreateRegion(nullptr, static_cast<DWORD>(buffer.size()),
                                       reinterpret_cast<const RGNDATA*>(buffer.data())));
    if (!region.Handle()) throw std::runtime_error("Out of system resources creating a region");
    return region;
}

} // namespace

ui::TRegion RegionFromRects(std::span<const TPixelRect> rects) {
    ui::TRegion region = ui::TRegion::Rect(0, 0, 0, 0);
    for (std::size_t at = 0; at < rects.size(); at += kRegionBatch) {
        region.Combine(Batch(rects.subspan(at, std::min(kRegionBatch, rects.size() - at))), RGN_OR);
    }
    return region;
}

ui::TRegion BuildRegion(const TPixelImage& picture, int dx, int dy, const TKeyRange& key) {
    return RegionFromRects(OpaqueRuns(picture, dx, dy, key));
}
