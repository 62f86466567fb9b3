// One case per skin control class; kinds without a case are not built.
#include "skin_control_kinds.h"

#include "skin_adv_page.h"
#include "skin_bit_button.h"
#include "skin_box.h"
#include "skin_check_box.h"
#include "skin_combo.h"
#include "skin_date_time.h"
#include "skin_edit.h"
#include "skin_group_box.h"
#include "skin_header.h"
#include "skin_list_view.h"
#include "skin_media_player.h"
#include "skin_obj_image.h"
#include "skin_progress.h"
#include "skin_scrollbar.h"
#include "skin_sizer.h"
#include "skin_status_bar.h"
#include "skin_tab.h"
#include "skin_tab31.h"
#include "skin_tab_btn.h"
#include "skin_tab_sheet.h"
#include "skin_trackbar.h"
#include "skin_updown.h"

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
    case TSkinControlKind::ScrollbarH:
        return TSkinControlPtr(Make<TSkinScrollbarH>(order, owner));
    case TSkinControlKind::ScControl:
        return TSkinControlPtr(Make<TSkinScControl>(order, owner));
    case TSkinControlKind::Header:
        return TSkinControlPtr(Make<TSkinHeader>(order, owner));
    case TSkinControlKind::ListView:
        return TSkinControlPtr(Make<TSkinListView>(order, owner));
    case TSkinControlKind::Sizer:
        return TSkinControlPtr(Make<TSkinSizer>(order, owner));
    case TSkinControlKind::ComboBox: {
        auto* combo = Make<TSkinComBox>(order, owner);
        combo->SetExtended(order.extended);
        return TSkinControlPtr(combo);
    }
    case TSkinControlKind::Progress:
        return TSkinControlPtr(Make<TSkinProgress>(order, owner));
    case TSkinControlKind::TrackBar:
        return TSkinControlPtr(Make<TSkinTrackBar>(order, owner));
    case TSkinControlKind::UpDown:
        return TSkinControlPtr(Make<TSkinUpDown>(order, owner));
    case TSkinControlKind::Tab:
        return TSkinControlPtr(Make<TSkinTab>(order, owner));
    case TSkinControlKind::TabBtn:
        return TSkinControlPtr(Make<TSkinTabBtn>(order, owner));
    case TSkinControlKind::Tab31:
        return TSkinControlPtr(Make<TSkinTab31>(order, owner));
    case TSkinControlKind::TabSheet:
        return TSkinControlPtr(Make<TSkinTabSheet>(order, owner));
    case TSkinControlKind::AdvPage:
        return TSkinControlPtr(Make<TSkinAdvPage>(order, owner));
    case TSkinControlKind::Edit:
        return TSkinControlPtr(Make<TSkinEdit>(order, owner));
    case TSkinControlKind::GroupBox:
        return TSkinControlPtr(Make<TSkinGroupBox>(order, owner));
    case TSkinControlKind::Box:
        return TSkinControlPtr(Make<TSkinBox>(order, owner));
    case TSkinControlKind::BoxH:
        return TSkinControlPtr(Make<TSkinBoxH>(order, owner));
    case TSkinControlKind::StatusBar:
        return TSkinControlPtr(Make<TSkinStatusBar>(order, owner));
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
