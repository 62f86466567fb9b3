// One case per skin control class; kinds without a case are not built.
#include "skin_control_kinds.h"

TSkinControlPtr MakeSkinControl(const TSkinControlSpec& spec,
                                [[maybe_unused]] ui::TComponent* owner) {
    switch (spec.kind) {
    default:
        return nullptr;
    }
}
