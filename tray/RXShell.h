// The notification-area icon: one icon with a tooltip in the taskbar's notification area,
// whose mouse notifications become component events. It can cycle through a list of frames
// and pop up a menu on a right click.
#pragma once
#include "tray/rxIcoList.h"
#include "tray/timer_thread.h"
#include "tray/tray_rules.h"
#include "ui/component.h"
#include "ui/control.h"
#include "ui/message_window.h"

#include <windows.h>

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

namespace tray {

// What the tray icon needs of a popup menu. The class library has no popup menu of its own;
// a menu component derives from this to be shown on a right click.
class TTrayPopupMenu : public ui::TComponent {
public:
    using ui::TComponent::TComponent;
    virtual bool AutoPopup() const = 0;
    // Shows the menu at a screen position and returns when it closes.
    virtual void Popup(int x, int y) = 0;
    // Clicks the menu's enabled default item; false when it has none.
    virtual bool ClickDefaultItem() = 0;
};

using TMouseMoveEvent =
    std::function<void(ui::TPersistent* sender, ui::TShiftState shift, int x, int y)>;

// The shell call, replaceable so that a test can watch (or fake) what the shell is told.
using ShellNotifyCall = std::function<bool(DWORD message, const NotifyIconRecord& record)>;
bool RealShellNotify(DWORD message, const NotifyIconRecord& record);

class TRxTrayIcon : public ui::TComponent {
public:
    explicit TRxTrayIcon(ui::TComponent* owner);
    ~TRxTrayIcon() override;
    static const ui::TClassInfo& StaticClass();
    const ui::TClassInfo& ClassType() const override { return StaticClass(); }

    bool Active() const { return active_; }
    void SetActive(bool value);
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool value) { enabled_ = value; }
    std::wstring Hint() const { return hint_; }
    void SetHint(const std::wstring& value);
    // The single icon and the animation frames, both owned; the setters copy.
    ui::TIcon* Icon() const { return icon_.get(); }
    void SetIcon(const ui::TIcon* value);
    TIconList* Icons() const { return icons_.get(); }
    void SetIcons(const TIconList* value);
    bool Animated() const { return animated_; }
    void SetAnimated(bool value);
    std::uint16_t Interval() const { return interval_; }
    void SetInterval(std::uint16_t value) { interval_ = value; }
    TTrayPopupMenu* PopupMenu() const { return popup_menu_; }
    void SetPopupMenu(TTrayPopupMenu* value);
    bool ShowDesign() const { return show_design_; }
    void SetShowDesign(bool value);

    ui::TMouseEvent OnClick;
    ui::TNotifyEvent OnDblClick;
    TMouseMoveEvent OnMouseMove;
    ui::TMouseEvent OnMouseDown;
    ui::TMouseEvent OnMouseUp;

    // The hidden window the shell reports to.
    HWND Handle() const { return window_->Handle(); }
    // The icon is in the notification area.
    bool Added() const { return added_; }
    // The record as last filled.
    const NotifyIconRecord& NotifyData() const { return record_; }
    ShellNotifyCall ShellNotify = RealShellNotify;

    void Loaded() override;
    void Notification(ui::TComponent* component, ui::TOperation operation) override;
    // The stored "Icons" property.
    bool ReadBinary(std::wstring_view name, std::span<const std::uint8_t> data) override;

protected:
    virtual void FillNotifyData();
    virtual void DblClick();
    virtual void Click(ui::TMouseButton button, ui::TShiftState shift, int x, int y);
    virtual void MouseDown(ui::TMouseButton button, ui::TShiftState shift, int x, int y);
    virtual void MouseMove(ui::TShiftState shift, int x, int y);
    virtual void MouseUp(ui::TMouseButton button, ui::TShiftState shift, int x, int y);

private:
    // There is no form designer in this program: the component always runs for real.
    static constexpr bool kDesigning = false;

    void AddTrayIcon();
    void RemoveTrayIcon();
    // The timer's end of Loaded: the icon shown as the component stands now.
    void ShowLoadedIcon();
    void RefreshTrayIcon();
    // The icon to show: a frame while animating, else the single icon; none for an empty slot.
    ui::TIcon* CurrentIcon() const;
    bool Usable(const ui::TIcon* icon) const { return icon && !icon->Empty(); }
    void ConnectIcon();
    void HandleCallback(std::uint32_t mouse_message);
    void AdvanceFrame(WPARAM generation);
    std::optional<LRESULT> WndProc(UINT message, WPARAM wparam, LPARAM lparam);

    std::unique_ptr<ui::TMessageWindow> window_;
    bool active_ = true;
    bool enabled_ = true;
    bool animated_ = false;
    bool show_design_ = false;
    bool added_ = false;
    // Read from a description, the icon waits for the thread's message loop to have painted
    // what waits to be painted (the program's first window), then is shown (see Loaded).
    bool show_pending_ = false;
    std::wstring hint_;
    std::unique_ptr<ui::TIcon> icon_;
    std::unique_ptr<TIconList> icons_;
    TTrayPopupMenu* popup_menu_ = nullptr;
    unsigned clicked_ = 0;
    int frame_ = -1;
    NotifyIconRecord record_{};

    // Shared with the animation thread, which only reads the interval and asks for the next
    // frame by posting to the hidden window; every other member is the UI thread's alone.
    std::atomic<std::uint16_t> interval_{150};
    std::atomic<bool> frame_pending_{false};
    // Tells a frame request from an earlier animation thread apart from the current one's.
    WPARAM thread_generation_ = 0;
    std::unique_ptr<TTimerThread> thread_;
};

} // namespace tray
