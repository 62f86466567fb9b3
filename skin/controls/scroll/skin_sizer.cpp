// The skinned size box.
#include "skin/controls/scroll/skin_sizer.h"

const ui::TClassInfo& TSkinSizer::StaticClass() {
    static const ui::TClassInfo info(L"TSkinSizer", &TSkinControl::StaticClass());
    return info;
}
