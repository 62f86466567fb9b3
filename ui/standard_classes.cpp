// The classes a description may name without the program registering them itself.
#include "ui/date_time_picker.h"
#include "ui/extctrls.h"
#include "ui/form_binding.h"
#include "ui/group_box.h"
#include "ui/header_control.h"
#include "ui/image_list.h"
#include "ui/list_view.h"
#include "ui/media_player.h"
#include "ui/page_control.h"
#include "ui/panel.h"
#include "ui/progress_bar.h"
#include "ui/scroll_bar.h"
#include "ui/status_bar.h"
#include "ui/stdctrls.h"
#include "ui/tab_set.h"
#include "ui/timer.h"
#include "ui/track_bar.h"
#include "ui/up_down.h"

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
