// The classes a description may name without the program registering them itself.
#include "extctrls.h"
#include "form_binding.h"
#include "group_box.h"
#include "panel.h"
#include "scroll_bar.h"
#include "status_bar.h"
#include "stdctrls.h"
#include "timer.h"

namespace ui {

void RegisterStandardClasses() {
    RegisterComponentClass<TLabel>();
    RegisterComponentClass<TButton>();
    RegisterComponentClass<TCheckBox>();
    RegisterComponentClass<TRadioButton>();
    RegisterComponentClass<TRadioGroup>();
    RegisterComponentClass<TBitBtn>();
    RegisterComponentClass<TSpeedButton>();
    RegisterComponentClass<TComboBox>();
    RegisterComponentClass<TListBox>();
    RegisterComponentClass<TMemo>();
    RegisterComponentClass<TEdit>();
    RegisterComponentClass<TScrollBar>();
    RegisterComponentClass<TGroupBox>();
    RegisterComponentClass<TPanel>();
    RegisterComponentClass<TStatusBar>();
    RegisterComponentClass<TTimer>();
}

} // namespace ui
