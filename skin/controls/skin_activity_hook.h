// A second hook in front of a companion's own, for the companions whose windows of their own
// must hide while skinning is off: the base handles SM_SKINACTIVE before any virtual operation
// runs, so only a hook in front of it hears the switch.
#pragma once

#include "control_hook.h"

#include <functional>

class TSkinActivityHook {
public:
    // `changed` runs after the control (and the companion) had the message.
    explicit TSkinActivityHook(std::function<void()> changed);
    void Install(ui::TControl& control) { hook_.Install(control); }
    void Release() { hook_.Release(); }

private:
    TControlHook hook_;
};
