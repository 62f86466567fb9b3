// The factory: each row of the kind table makes its class.
#include "skin/controls/base/skin_control_factory.h"

#include "skin/controls/buttons/skin_bit_button.h"
#include "skin/controls/buttons/skin_check_box.h"
#include "skin/controls/buttons/skin_media_player.h"
#include "skin/controls/buttons/skin_obj_image.h"
#include "skin/controls/frames/skin_box.h"
#include "skin/controls/frames/skin_edit.h"
#include "skin/controls/frames/skin_group_box.h"
#include "skin/controls/frames/skin_status_bar.h"
#include "skin/controls/headers/skin_header.h"
#include "skin/controls/headers/skin_list_view.h"
#include "skin/controls/pickers/skin_combo.h"
#include "skin/controls/pickers/skin_date_time.h"
#include "skin/controls/scroll/skin_scrollbar.h"
#include "skin/controls/scroll/skin_sizer.h"
#include "skin/controls/tabs/skin_adv_page.h"
#include "skin/controls/tabs/skin_tab.h"
#include "skin/controls/tabs/skin_tab31.h"
#include "skin/controls/tabs/skin_tab_btn.h"
#include "skin/controls/tabs/skin_tab_sheet.h"
#include "skin/controls/values/skin_progress.h"
#include "skin/controls/values/skin_trackbar.h"
#include "skin/controls/values/skin_updown.h"

#include <type_traits>

namespace {

// A new object of class T told what the order says: its variant, and where the class has them,
// the glyph property and whether it is an extended combo box.
template <class T> TSkinControl* Make(const TSkinControlOrder& order, ui::TComponent* owner) {
    T* made = new T(owner);
    made->SetVariant(order.variant);
    if constexpr (std::is_base_of_v<TSkinBitButton, T>) made->SetGlyphProperty(order.glyphProperty);
    if constexpr (std::is_same_v<TSkinComBox, T>) made->SetExtended(order.extended);
    return made;
}

} // namespace

TSkinControlPtr MakeSkinControl(const TSkinControlOrder& order, ui::TComponent* owner) {
    switch (order.kind) {
    case TSkinControlKind::None:
        return nullptr;
#define PELLICO_KIND_MAKE(kind, cls)                                                               \
    case TSkinControlKind::kind:                                                                   \
        return TSkinControlPtr(Make<cls>(order, owner));
        PELLICO_SKIN_CONTROL_KINDS(PELLICO_KIND_MAKE)
#undef PELLICO_KIND_MAKE
    }
    return nullptr;
}
