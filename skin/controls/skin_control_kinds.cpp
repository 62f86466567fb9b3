// One case per skin control class; kinds without a case are not built.
#include "skin_control_kinds.h"

#include "skin_combo.h"
#include "skin_scrollbar.h"
#include "skin_sizer.h"

namespace {

template <class T> TSkinControlPtr Make(const TSkinControlSpec& spec, ui::TComponent* owner) {
    TSkinControlPtr made(new T(owner));
    made->SetVariant(spec.variant);
    return made;
}

} // namespace

TSkinControlPtr MakeSkinControl(const TSkinControlSpec& spec, ui::TComponent* owner) {
    switch (spec.kind) {
    case TSkinControlKind::Scrollbar:
        return Make<TSkinScrollbar>(spec, owner);
    case TSkinControlKind::ScControl:
        return Make<TSkinScControl>(spec, owner);
    case TSkinControlKind::Sizer:
        return Make<TSkinSizer>(spec, owner);
    case TSkinControlKind::ComboBox: {
        TSkinControlPtr made = Make<TSkinComBox>(spec, owner);
        static_cast<TSkinComBox&>(*made).SetExtended(spec.extended);
        return made;
    }
    default:
        return nullptr;
    }
}
