// The notification-area icon: its hidden window, the shell calls and the mouse events.
#include "tray/RXShell.h"

#include "ui/application.h"
#include "ui/prop_builders.h"
#include "ui/shell_functions.h"
#include "ui/text_codec.h"

#include <cstring>
#include <stdexcept>
#include <utility>

namespace tray {

namespace {

// The animation thread asks for the next frame with this; wParam tells which thread asked.
constexpr UINT kFrameMessage = WM_APP;
// The hidden window's timer that shows an icon read from a description.
constexpr UINT_PTR kShowTimer = 1;

static_assert(sizeof(NotifyIconRecord::hWnd) == sizeof(HWND), "the record keeps whole handles");

std::uintptr_t HandleValue(const void* handle) {
    return reinterpret_cast<std::uintptr_t>(handle);
}

// The shell broadcasts this when the taskbar comes (back): every icon must be added again.
UINT TaskbarCreatedMessage() {
    static const UINT message = RegisterWindowMessageA("TaskbarCreated");
    return message;
}

ui::TMouseButton LibraryButton(TrayButton button) {
    switch (button) {
    case TrayButton::Right:
        return ui::TMouseButton::mbRight;
    case TrayButton::Middle:
        return ui::TMouseButton::mbMiddle;
    case TrayButton::Left:
        break;
    }
    return ui::TMouseButton::mbLeft;
}

} // namespace

bool RealShellNotify(DWORD message, const NotifyIconRecord& record) {
    // The record is the first layout of NOTIFYICONDATAA; cbSize tells the shell so.
    static_assert(sizeof(NotifyIconRecord) == NOTIFYICONDATAA_V1_SIZE);
    NOTIFYICONDATAA data{};
    std::memcpy(&data, &record, sizeof(record));
    return ui::ShellNotifyIconA(message, &data) != FALSE;
}

TRxTrayIcon::TRxTrayIcon(ui::TComponent* owner)
    : ui::TComponent(owner), icon_(std::make_unique<ui::TIcon>()),
      icons_(std::make_unique<TIconList>()) {
    ConnectIcon();
    icons_->OnChange = [this] { RefreshTrayIcon(); };
    TaskbarCreatedMessage();
    // A top-level window, though never shown: message-only windows miss the shell's
    // "TaskbarCreated" broadcast.
    window_ = std::make_unique<ui::TMessageWindow>(
        ui::TMessageWindowParams{.class_name = L"TRxTrayIconWindow",
                                 .message_only = false,
                                 .ex_style = WS_EX_TOOLWINDOW},
        [this](UINT message, WPARAM wparam, LPARAM lparam) {
            return WndProc(message, wparam, lparam);
        });
    // Even before the first add, a removal must name our window and nothing else.
    record_ = MakeNotifyRecord(HandleValue(Handle()), kNoIcon, {});
}

TRxTrayIcon::~TRxTrayIcon() {
    Destroying();
    enabled_ = false;
    icons_->OnChange = nullptr;
    icon_->OnChange = nullptr;
    SetAnimated(false);
    RemoveTrayIcon();
    window_.reset();
}

const ui::TClassInfo& TRxTrayIcon::StaticClass() {
    using C = TRxTrayIcon;
    namespace props = ui::props;
    static const ui::TClassInfo info(
        L"TRxTrayIcon", &ui::TComponent::StaticClass(),
        {
            props::Boolean(L"Active", &C::Active, &C::SetActive),
            props::Boolean(L"Enabled", &C::Enabled, &C::SetEnabled),
            props::String(L"Hint", &C::Hint, &C::SetHint),
            props::Object(L"Icon", &C::Icon),
            props::Object(L"Icons", &C::Icons),
            props::Boolean(L"Animated", &C::Animated, &C::SetAnimated),
            props::Integer(L"Interval", &C::Interval, &C::SetInterval),
            props::Reference(L"PopupMenu", &C::PopupMenu, &C::SetPopupMenu),
            props::Boolean(L"ShowDesign", &C::ShowDesign, &C::SetShowDesign),
            props::Event(L"OnClick", &C::OnClick),
            props::Event(L"OnDblClick", &C::OnDblClick),
            props::Event(L"OnMouseMove", &C::OnMouseMove),
            props::Event(L"OnMouseDown", &C::OnMouseDown),
            props::Event(L"OnMouseUp", &C::OnMouseUp),
        });
    return info;
}

// ---- properties

void TRxTrayIcon::SetActive(bool value) {
    if (active_ == value) return;
    active_ = value;
    // While a description is read nothing is shown: Loaded has the icon shown once all is read.
    if (kDesigning || (ComponentState() & ui::csLoading)) return;
    if (value)
        AddTrayIcon();
    else
        RemoveTrayIcon();
}

void TRxTrayIcon::SetHint(const std::wstring& value) {
    if (hint_ == value) return;
    hint_ = value;
    RefreshTrayIcon();
}

void TRxTrayIcon::SetIcon(const ui::TIcon* value) {
    icon_ = CopyIcon(value);
    ConnectIcon();
    RefreshTrayIcon();
}

void TRxTrayIcon::ConnectIcon() {
    icon_->OnChange = [this] { RefreshTrayIcon(); };
}

void TRxTrayIcon::SetIcons(const TIconList* value) {
    if (value)
        icons_->Assign(*value);
    else
        icons_->Clear();
}

void TRxTrayIcon::SetAnimated(bool value) {
    if (animated_ == value) return;
    animated_ = value;
    // A description may name Animated before Icons: the animation starts once all is read.
    if (ComponentState() & ui::csLoading) return;
    if (value && icons_->Count() > 0) {
        const WPARAM generation = ++thread_generation_;
        const HWND window = Handle();
        thread_ = std::make_unique<TTimerThread>(
            [this] { return static_cast<unsigned>(interval_.load()); },
            // From the animation thread: ask the UI thread for the next frame, one request
            // at a time, so a short interval cannot flood the message queue.
            [this, window, generation] {
                if (!frame_pending_.exchange(true))
                    PostMessageW(window, kFrameMessage, generation, 0);
            },
            !added_);
    } else if (!value) {
        thread_.reset(); // stops the thread and waits for it
    }
    frame_ = 0;
    RefreshTrayIcon();
}

void TRxTrayIcon::SetPopupMenu(TTrayPopupMenu* value) {
    if (popup_menu_ == value) return;
    if (popup_menu_) popup_menu_->RemoveFreeNotification(this);
    popup_menu_ = value;
    if (value) value->FreeNotification(this);
}

void TRxTrayIcon::SetShowDesign(bool value) {
    if (show_design_ == value) return;
    show_design_ = value;
    if (kDesigning) RefreshTrayIcon();
}

void TRxTrayIcon::Loaded() {
    ui::TComponent::Loaded();
    // Telling the shell is a round trip to its process, and the icon is not part of the
    // program's first window: it is shown once the message loop runs and has nothing left to
    // paint. A timer message is the last a thread gets, after every paint message, and no
    // sooner than its interval.
    show_pending_ = !kDesigning;
    if (animated_) {
        animated_ = false;
        SetAnimated(true);
    }
    if (show_pending_) SetTimer(Handle(), kShowTimer, USER_TIMER_MINIMUM, nullptr);
}

void TRxTrayIcon::ShowLoadedIcon() {
    KillTimer(Handle(), kShowTimer);
    if (!std::exchange(show_pending_, false) || added_) return;
    RefreshTrayIcon();
}

void TRxTrayIcon::Notification(ui::TComponent* component, ui::TOperation operation) {
    ui::TComponent::Notification(component, operation);
    if (operation == ui::TOperation::opRemove && component == popup_menu_) popup_menu_ = nullptr;
}

bool TRxTrayIcon::ReadBinary(std::wstring_view name, std::span<const std::uint8_t> data) {
    if (ui::LowerCase(name) != L"icons") return false;
    icons_->LoadFromBytes(data);
    return true;
}

// ---- the shell

ui::TIcon* TRxTrayIcon::CurrentIcon() const {
    const int index = CurrentIconIndex(icons_->Count(), animated_, frame_);
    return index == kSingleIcon ? icon_.get() : icons_->Icons(index);
}

void TRxTrayIcon::FillNotifyData() {
    const ui::TIcon* icon = CurrentIcon();
    const std::uintptr_t handle = Usable(icon) ? HandleValue(icon->Handle()) : kNoIcon;
    record_ = MakeNotifyRecord(
        HandleValue(Handle()), handle,
        FitTip(ShortHint(hint_), [](std::wstring_view piece) { return ui::WideToAnsi(piece); }));
}

void TRxTrayIcon::AddTrayIcon() {
    // Each shell call is a round trip to the shell's process: none for an icon not there.
    if (added_) RemoveTrayIcon();
    if (!Usable(CurrentIcon())) return;
    clicked_ = 0;
    FillNotifyData();
    added_ = ShellNotify(NIM_ADD, record_);
    if (ShortHint(hint_).empty() && added_) ShellNotify(NIM_MODIFY, record_);
    if (animated_ && thread_) thread_->Resume();
}

void TRxTrayIcon::RemoveTrayIcon() {
    ShellNotify(NIM_DELETE, record_);
    added_ = false;
    clicked_ = 0;
    if (animated_ && thread_ && !thread_->Paused()) thread_->Pause();
}

void TRxTrayIcon::RefreshTrayIcon() {
    // While a description is read, the icon, tooltip and frames come one by one: the icon is
    // shown once after Loaded, with all of them.
    if (ComponentState() & ui::csLoading) return;
    if (icons_->Count() == 0) SetAnimated(false);
    if (show_pending_ && !added_) return;
    // Going away: the destructor removes the icon, nothing may add it again.
    if (ComponentState() & ui::csDestroying) return;
    if (added_) {
        if (Usable(CurrentIcon())) {
            FillNotifyData();
            ShellNotify(NIM_MODIFY, record_);
        } else {
            RemoveTrayIcon();
        }
    } else if (WantShown(kDesigning, show_design_, active_)) {
        AddTrayIcon();
    }
}

void TRxTrayIcon::AdvanceFrame(WPARAM generation) {
    frame_pending_ = false;
    // A request from a thread since stopped, or one that arrives as the program ends.
    if (generation != thread_generation_ || !animated_ || !thread_) return;
    if (ui::Application && ui::Application->Terminated()) return;
    frame_ = NextFrame(frame_, icons_->Count());
    RefreshTrayIcon();
}

// ---- messages and events

std::optional<LRESULT> TRxTrayIcon::WndProc(UINT message, WPARAM wparam, LPARAM lparam) {
    if (message == TaskbarCreatedMessage()) {
        // Remove and add again; an icon switched off stays off.
        if (active_) {
            SetActive(false);
            SetActive(true);
        }
        return 0;
    }
    if (message == kTrayCallbackMessage && enabled_) {
        HandleCallback(static_cast<std::uint32_t>(lparam));
        return 0;
    }
    if (message == kFrameMessage) {
        AdvanceFrame(wparam);
        return 0;
    }
    if (message == WM_TIMER && wparam == kShowTimer) {
        ShowLoadedIcon();
        return 0;
    }
    return std::nullopt;
}

void TRxTrayIcon::HandleCallback(std::uint32_t mouse_message) {
    POINT at{};
    GetCursorPos(&at);
    const CallbackOutcome outcome = TrayCallback(mouse_message, clicked_, ui::KeyboardShiftState());
    clicked_ = outcome.clicked;
    for (const TrayEvent& e : outcome.events) {
        const ui::TMouseButton button = LibraryButton(e.button);
        switch (e.kind) {
        case TrayEventKind::DblClick:
            DblClick();
            break;
        case TrayEventKind::Click:
            Click(button, e.shift, at.x, at.y);
            break;
        case TrayEventKind::MouseDown:
            MouseDown(button, e.shift, at.x, at.y);
            break;
        case TrayEventKind::MouseMove:
            MouseMove(e.shift, at.x, at.y);
            break;
        case TrayEventKind::MouseUp:
            MouseUp(button, e.shift, at.x, at.y);
            break;
        }
    }
}

void TRxTrayIcon::DblClick() {
    if (popup_menu_ && popup_menu_->ClickDefaultItem()) return;
    if (OnDblClick) OnDblClick(this);
}

void TRxTrayIcon::Click(ui::TMouseButton button, ui::TShiftState shift, int x, int y) {
    if (button == ui::TMouseButton::mbRight && popup_menu_ && popup_menu_->AutoPopup() && active_ &&
        !kDesigning) {
        // The menu only closes on a click elsewhere when our window is in front.
        SetForegroundWindow(Handle());
        if (ui::Application) ui::Application->ProcessMessages();
        popup_menu_->Popup(x, y);
        SetForegroundWindow(Handle());
        return;
    }
    if (OnClick) OnClick(this, button, shift, x, y);
}

void TRxTrayIcon::MouseDown(ui::TMouseButton button, ui::TShiftState shift, int x, int y) {
    if (OnMouseDown) OnMouseDown(this, button, shift, x, y);
}

void TRxTrayIcon::MouseMove(ui::TShiftState shift, int x, int y) {
    if (OnMouseMove) OnMouseMove(this, shift, x, y);
}

void TRxTrayIcon::MouseUp(ui::TMouseButton button, ui::TShiftState shift, int x, int y) {
    if (OnMouseUp) OnMouseUp(this, button, shift, x, y);
}

} // namespace tray
