// The classes a description may name without the program registering them itself.
#include "form_binding.h"
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
    RegisterComponentClass<TTimer>();
}

} // namespace ui
