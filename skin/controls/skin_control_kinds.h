// The one place that turns a kind into a skin control object. A kind whose class is not built
// leaves its control unskinned (no object).
#pragma once

#include "skin_control.h"
#include "skin_control_kind.h"

#include <memory>

// Frees a skin control the way its owner would.
struct TSkinControlFree {
    void operator()(TSkinControl* control) const { ui::Free(control); }
};
using TSkinControlPtr = std::unique_ptr<TSkinControl, TSkinControlFree>;

// A new, unattached skin control of the order's class owned by `owner` (the control it skins, or
// none for a bare window); none when that class is not available.
TSkinControlPtr MakeSkinControl(const TSkinControlOrder& order, ui::TComponent* owner);
