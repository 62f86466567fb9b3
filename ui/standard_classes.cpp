// The classes a description may name without the program registering them itself.
#include "form_binding.h"
#include "scroll_bar.h"
#include "stdctrls.h"
#include "timer.h"

namespace ui {

void RegisterStandardClasses() {
    RegisterComponentClass<TLabel>();
    RegisterComponentClass<TButton>();
    RegisterComponentClass<TCheckBox>();
    RegisterComponentClass<TComboBox>();
    RegisterComponentClass<TListBox>();
    RegisterComponentClass<TMemo>();
    RegisterComponentClass<TEdit>();
    RegisterComponentClass<TScrollBar>();
    RegisterComponentClass<TTimer>();
}

} // namespace ui
