// The one place that turns an order into a skin control object, one class per row of the kind
// table (skin_control_kind.h).
#pragma once

#include "skin/controls/base/skin_control.h"
#include "skin/controls/base/skin_control_kind.h"

#include <memory>

// Frees a skin control the way its owner would.
struct TSkinControlFree {
    void operator()(TSkinControl* control) const { ui::Free(control); }
};
using TSkinControlPtr = std::unique_ptr<TSkinControl, TSkinControlFree>;

// A new, unattached skin control of the order's class owned by `owner` (the control it skins, or
// none for a bare window); none for the kind None.
TSkinControlPtr MakeSkinControl(const TSkinControlOrder& order, ui::TComponent* owner);
