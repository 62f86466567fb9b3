// The skinned media player's buttons.
#include "media_rules.h"

#include "strip_layout.h"

int MediaButtonFrame(bool pressed, bool enabled) {
    if (pressed) return 2;
    return enabled ? 1 : 3;
}

TPixelRect MediaGlyphRect(TPixelRect button, int width, int height, bool pressed) {
    TPixelRect r = CentredRect(button, width, height);
    if (pressed) r = {r.Left + 1, r.Top + 1, r.Right + 1, r.Bottom + 1};
    return r;
}
