// The classes a description may name without the program registering them itself.
#include "date_time_picker.h"
#include "extctrls.h"
#include "form_binding.h"
#include "media_player.h"
#include "scroll_bar.h"
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
    RegisterComponentClass<TTimer>();
    RegisterComponentClass<TDateTimePicker>();
    RegisterComponentClass<TMediaPlayer>();
}

} // namespace ui
