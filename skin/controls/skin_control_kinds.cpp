// One case per skin control class; kinds without a case are not built.
#include "skin_control_kinds.h"

#include "skin_bit_button.h"
#include "skin_check_box.h"
#include "skin_combo.h"
#include "skin_date_time.h"
#include "skin_media_player.h"
#include "skin_obj_image.h"
#include "skin_scrollbar.h"
#include "skin_sizer.h"

namespace {

template <class T> T* Make(const TSkinControlOrder& order, ui::TComponent* owner) {
    T* made = new T(owner);
    made->SetVariant(order.variant);
    return made;
}

} // namespace

TSkinControlPtr MakeSkinControl(const TSkinControlOrder& order, ui::TComponent* owner) {
    switch (order.kind) {
    case TSkinControlKind::Button:
        return TSkinControlPtr(Make<TSkinButton>(order, owner));
    case TSkinControlKind::BitButton: {
        auto* button = Make<TSkinBitButton>(order, owner);
        button->SetGlyphProperty(order.glyphProperty);
        return TSkinControlPtr(button);
    }
    case TSkinControlKind::SpeedButton: {
        auto* button = Make<TSkinSpeedButton>(order, owner);
        button->SetGlyphProperty(order.glyphProperty);
        return TSkinControlPtr(button);
    }
    case TSkinControlKind::MenuButton:
        return TSkinControlPtr(Make<TSkinMenuButton>(order, owner));
    case TSkinControlKind::CheckBox:
        return TSkinControlPtr(Make<TSkinCheckBox>(order, owner));
    case TSkinControlKind::RadioButton:
        return TSkinControlPtr(Make<TSkinRadioButton>(order, owner));
    case TSkinControlKind::Scrollbar:
        return TSkinControlPtr(Make<TSkinScrollbar>(order, owner));
    case TSkinControlKind::ScControl:
        return TSkinControlPtr(Make<TSkinScControl>(order, owner));
    case TSkinControlKind::Sizer:
        return TSkinControlPtr(Make<TSkinSizer>(order, owner));
    case TSkinControlKind::ComboBox: {
        auto* combo = Make<TSkinComBox>(order, owner);
        combo->SetExtended(order.extended);
        return TSkinControlPtr(combo);
    }
    case TSkinControlKind::DateTime:
        return TSkinControlPtr(Make<TSkinDateTime>(order, owner));
    case TSkinControlKind::MP:
        return TSkinControlPtr(Make<TSkinMP>(order, owner));
    case TSkinControlKind::ObjImage:
        return TSkinControlPtr(Make<TSkinObjImage>(order, owner));
    default:
        return nullptr;
    }
}
