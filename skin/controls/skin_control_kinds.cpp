// One case per skin control class; kinds without a case are not built.
#include "skin_control_kinds.h"

#include "skin_bit_button.h"
#include "skin_check_box.h"
#include "skin_combo.h"
#include "skin_scrollbar.h"
#include "skin_sizer.h"

namespace {

template <class T> T* Make(const TSkinControlSpec& spec, ui::TComponent* owner) {
    T* made = new T(owner);
    made->SetVariant(spec.variant);
    return made;
}

} // namespace

TSkinControlPtr MakeSkinControl(const TSkinControlSpec& spec, ui::TComponent* owner) {
    switch (spec.kind) {
    case TSkinControlKind::Button:
        return TSkinControlPtr(Make<TSkinButton>(spec, owner));
    case TSkinControlKind::BitButton: {
        auto* button = Make<TSkinBitButton>(spec, owner);
        button->SetGlyphProperty(spec.glyphProperty);
        return TSkinControlPtr(button);
    }
    case TSkinControlKind::SpeedButton: {
        auto* button = Make<TSkinSpeedButton>(spec, owner);
        button->SetGlyphProperty(spec.glyphProperty);
        return TSkinControlPtr(button);
    }
    case TSkinControlKind::MenuButton:
        return TSkinControlPtr(Make<TSkinMenuButton>(spec, owner));
    case TSkinControlKind::CheckBox:
        return TSkinControlPtr(Make<TSkinCheckBox>(spec, owner));
    case TSkinControlKind::RadioButton:
        return TSkinControlPtr(Make<TSkinRadioButton>(spec, owner));
    case TSkinControlKind::Scrollbar:
        return TSkinControlPtr(Make<TSkinScrollbar>(spec, owner));
    case TSkinControlKind::ScControl:
        return TSkinControlPtr(Make<TSkinScControl>(spec, owner));
    case TSkinControlKind::Sizer:
        return TSkinControlPtr(Make<TSkinSizer>(spec, owner));
    case TSkinControlKind::ComboBox: {
        auto* combo = Make<TSkinComBox>(spec, owner);
        combo->SetExtended(spec.extended);
        return TSkinControlPtr(combo);
    }
    default:
        return nullptr;
    }
}
