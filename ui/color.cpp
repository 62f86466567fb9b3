// System colours resolved through the installed source.
#include "ui/color.h"

namespace ui {

namespace {
SysColorSource sys_color_source = nullptr;
}

void SetSysColorSource(SysColorSource source) {
    sys_color_source = source;
}

TColor ColorToRGB(TColor c) {
    if (!IsSystemColor(c)) return c;
    return sys_color_source ? static_cast<TColor>(sys_color_source(SystemColorIndex(c))) : 0;
}

} // namespace ui
