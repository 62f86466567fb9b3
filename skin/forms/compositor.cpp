// The desktop compositor behind its seam.
#include "skin/forms/compositor.h"

#include "skin/runtime/skin_platform.h"

namespace {

class TSystemCompositor : public TCompositor {
public:
    bool SetAttribute(HWND window, DWORD attribute, DWORD value) override {
        const auto set = StyleFunctions().DwmSetWindowAttribute;
        return set && SUCCEEDED(set(window, attribute, &value, sizeof(value)));
    }
};

TSystemCompositor systemCompositor;
TCompositor* current = &systemCompositor;

} // namespace

TCompositor& Compositor() {
    return *current;
}

TCompositor* UseCompositor(TCompositor* compositor) {
    TCompositor* previous = current;
    current = compositor ? compositor : &systemCompositor;
    return previous;
}

void SetCompositorFrame(HWND window, TCompositorFrame frame, bool own) {
    if (frame.ownFrame)
        Compositor().SetAttribute(window, kDwmNcRenderingPolicy,
                                  own ? kDwmNcRenderingDisabled : kDwmNcRenderingUseStyle);
    if (frame.squareCorners)
        Compositor().SetAttribute(window, kDwmWindowCornerPreference,
                                  own ? kDwmCornerDoNotRound : kDwmCornerDefault);
}
