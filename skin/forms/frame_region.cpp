// The window region's rules.
#include "skin/forms/frame_region.h"

#include "skin/model/skin_geometry.h"
#include "skin/pictures/key_pixels.h"
#include "skin/pictures/pixel_draw.h"

namespace {

// Where the edges come from: the elements' pictures at the window's density.
struct TEdgeSource {
    TScaledPictures& pictures;
    int dpi;
};

// Appends the opaque runs of an edge rendered to width x height at (dx, dy).
void AddCut(std::vector<TPixelRect>& out, const TDataSkinBorder& border, int width, int height,
            bool stacked, bool active, const TEdgeSource& source, int dx, int dy) {
    const std::vector<TPixelRect> runs =
        OpaqueRuns(RenderFrameEdge(border, width, height, stacked, active, source.pictures,
                                   source.dpi),
                   dx, dy, kFrameRegionKey);
    out.insert(out.end(), runs.begin(), runs.end());
}

} // namespace

bool RegionWanted(const TRegionQuery& q) {
    if (q.skinState == TFormSkinState::Destroyed || !q.frameSkinning) return false;
    if (q.size.width <= 0 || q.size.height <= 0) return false;
    const bool mdiChild = q.form == TFormKind::MdiChild;
    if (mdiChild && q.state != TWindowState::Normal) return false;
    return mdiChild || q.skinState == TFormSkinState::Refreshing || !(q.size == q.lastSize);
}

bool FrameCutsRegion(const TSkinElements& skin) {
    return skin.BorderLeft.Trans == 1 || skin.BorderRight.Trans == 1 || skin.BorderTop.Trans == 1 ||
           skin.BorderBottom.Trans == 1;
}

int EdgeFrame(bool active, int frames) {
    return active || frames <= 1 ? 1 : 2;
}

TPixelImage RenderFrameEdge(const TDataSkinBorder& border, int width, int height, bool stacked,
                            bool active, TScaledPictures& pictures, int dpi) {
    const TScaledPicture edge =
        pictures.Cut(border.Image, border.Image2x, {border.Frame, stacked, MarginsOf(border)}, dpi);
    return RenderNineGrid(width, height, *edge.Picture, edge.Margins, stacked, border.Tile == 1,
                          border.Frame, EdgeFrame(active, border.Frame));
}

std::vector<TPixelRect> FrameRegionRects(const TSkinElements& skin, TFrameSizes f, TFrameSize size,
                                         bool captionless, bool active, TScaledPictures& pictures,
                                         int dpi) {
    const TEdgeSource source{pictures, dpi};
    const int w = size.width, h = size.height;
    if (!FrameCutsRegion(skin)) return {{0, 0, w, h}};
    std::vector<TPixelRect> out{{f.left, f.title, w - f.right, h - f.bottom}};
    if (captionless) return out;
    const int middle = w - f.left - f.right;
    if (skin.BorderLeft.Trans == 1 && h > 1) {
        AddCut(out, skin.BorderLeft, f.left, h, false, active, source, 0, 0);
    } else {
        out.push_back({0, 0, f.left, h});
    }
    if (skin.BorderRight.Trans == 1 && h > 1) {
        AddCut(out, skin.BorderRight, f.right, h, false, active, source, w - f.right, 0);
    } else {
        out.push_back({w - f.right, 0, w, h});
    }
    if (skin.BorderBottom.Trans == 1 && f.bottom >= 2) {
        AddCut(out, skin.BorderBottom, middle, f.bottom, true, active, source, f.left,
               h - f.bottom);
    } else {
        out.push_back({f.left, h - f.bottom, w - f.right, h});
    }
    if (skin.BorderTop.Trans == 1 && f.title > 1 && middle > 0) {
        AddCut(out, skin.BorderTop, middle, f.title, true, active, source, f.left, 0);
    } else {
        out.push_back({f.left, 0, w - f.right, f.title});
    }
    // Rectangles a narrow window turns inside out cover nothing.
    std::erase_if(out, [](const TPixelRect& r) { return r.Right <= r.Left || r.Bottom <= r.Top; });
    return out;
}
