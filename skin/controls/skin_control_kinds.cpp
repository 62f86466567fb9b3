// One case per skin control class; kinds without a case are not built.
#include "skin_control_kinds.h"

#include "skin_bit_button.h"
#include "skin_check_box.h"

TSkinControlPtr MakeSkinControl(const TSkinControlSpec& spec, ui::TComponent* owner) {
    switch (spec.kind) {
    case TSkinControlKind::Button:
        return TSkinControlPtr(new TSkinButton(owner));
    case TSkinControlKind::BitButton: {
        auto* button = new TSkinBitButton(owner);
        button->SetGlyphProperty(spec.glyphProperty);
        return TSkinControlPtr(button);
    }
    case TSkinControlKind::SpeedButton: {
        auto* button = new TSkinSpeedButton(owner);
        button->SetGlyphProperty(spec.glyphProperty);
        return TSkinControlPtr(button);
    }
    case TSkinControlKind::MenuButton:
        return TSkinControlPtr(new TSkinMenuButton(owner));
    case TSkinControlKind::CheckBox:
        return TSkinControlPtr(new TSkinCheckBox(owner));
    case TSkinControlKind::RadioButton:
        return TSkinControlPtr(new TSkinRadioButton(owner));
    default:
        return nullptr;
    }
}
