// Work surfaces kept per thread.
#include "skin/gdi/work_surfaces.h"

#include <algorithm>

namespace {

template <typename Surface> Surface& AtLeast(Surface& surface, int width, int height) {
    if (surface.Width() < width || surface.Height() < height) {
        surface = Surface(std::max(surface.Width(), width), std::max(surface.Height(), height));
    }
    return surface;
}

} // namespace

TDib& WorkDib(TWorkSurface which, int width, int height) {
    thread_local TDib picture, backdrop;
    return AtLeast(which == TWorkSurface::Picture ? picture : backdrop, width, height);
}

TKeyMask& WorkMask(int width, int height) {
    thread_local TKeyMask mask;
    return AtLeast(mask, width, height);
}
