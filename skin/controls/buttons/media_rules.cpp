// The skinned media player's buttons.
#include "skin/controls/buttons/media_rules.h"

#include "skin/pictures/strip_layout.h"

int MediaButtonFrame(bool pressed, bool enabled) {
    if (pressed) return 2;
    return enabled ? 1 : 3;
}

TPixelRect MediaGlyphRect(TPixelRect button, int width, int height, bool pressed) {
    TPixelRect r = CentredRect(button, width, height);
    if (pressed) r = {r.Left + 1, r.Top + 1, r.Right + 1, r.Bottom + 1};
    return r;
}
