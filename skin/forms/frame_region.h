// The window region of a skinned frame as plain rules: when it is built again, and the
// rectangles it is made of, cut from the key-colour pixels of the frame pictures rendered to
// the window's size (the same pixels the frame painter puts on the screen).
#pragma once

#include "skin/forms/skin_form_rules.h"

#include "skin/model/scaled_pictures.h"
#include "skin/pictures/pixel_image.h"

#include <vector>

struct TRegionQuery {
    TFormSkinState skinState = TFormSkinState::Active;
    bool frameSkinning = true;
    TFormKind form = TFormKind::Normal;
    TWindowState state = TWindowState::Normal;
    TFrameSize size;     // the window's size now
    TFrameSize lastSize; // the size the current region was cut for
};

// Whether the region is made again: not for a window gone, unskinned, empty or an MDI child
// that is not Normal, and not for the size it already has (unless an MDI child or a new skin).
bool RegionWanted(const TRegionQuery& q);

// Whether any of the four edges cuts the region with its key colour.
bool FrameCutsRegion(const TSkinElements& skin);

// The frame of an edge picture a window paints: the first while active or when it has one.
int EdgeFrame(bool active, int frames);

// The pixels of one frame edge rendered to width x height as it is painted at the density
// `dpi`: from the edge's picture at that density (one of `pictures`' elements) with its margins
// there.
TPixelImage RenderFrameEdge(const TDataSkinBorder& border, int width, int height, bool stacked,
                            bool active, TScaledPictures& pictures, int dpi);

// The rectangles of the region of a window of `size` (they may overlap): the inner rectangle and
// each edge, an edge with its Trans set cut by the key colour of its picture rendered at the
// window's density `dpi`, so the cut follows the corners as the window shows them there.
std::vector<TPixelRect> FrameRegionRects(const TSkinElements& skin, TFrameSizes frame,
                                         TFrameSize size, bool captionless, bool active,
                                         TScaledPictures& pictures, int dpi);
