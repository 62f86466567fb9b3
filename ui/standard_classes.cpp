// The classes a description may name without the program registering them itself.
#include "date_time_picker.h"
#include "extctrls.h"
#include "form_binding.h"
#include "group_box.h"
#include "header_control.h"
#include "image_list.h"
#include "list_view.h"
#include "media_player.h"
#include "page_control.h"
#include "panel.h"
#include "progress_bar.h"
#include "scroll_bar.h"
#include "status_bar.h"
#include "stdctrls.h"
#include "tab_set.h"
#include "timer.h"
#include "track_bar.h"
#include "up_down.h"

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
    RegisterComponentClass<TImageListComponent>();
    RegisterComponentClass<TProgressBar>();
    RegisterComponentClass<TTrackBar>();
    RegisterComponentClass<TUpDown>();
    RegisterComponentClass<THeaderControl>();
    RegisterComponentClass<TListView>();
    RegisterComponentClass<TTabControl>();
    RegisterComponentClass<TPageControl>();
    RegisterComponentClass<TTabSheet>();
    RegisterComponentClass<TTabSet>();
    RegisterComponentClass<TDateTimePicker>();
    RegisterComponentClass<TMediaPlayer>();
}

} // namespace ui
