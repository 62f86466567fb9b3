// The application object: the hidden application window that owns the forms and stands for
// the program on the taskbar, the message loop, the forms list, the active state and the
// error box for exceptions that escape a message handler.
#pragma once
#include "ui/component.h"
#include "ui/message_window.h"

#include <windows.h>

#include <exception>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace ui {

class TControl;
class TForm;
class THintWindow;
class TWinControl;

class TApplication : public TComponent {
public:
    TApplication();
    ~TApplication() override;
    static const TClassInfo& StaticClass();
    const TClassInfo& ClassType() const override { return StaticClass(); }

    // The hidden application window (class "TApplication").
    HWND Handle() const { return window_->Handle(); }
    void Initialize() {}
    // Creates a form owned by the application; the first one becomes the main form.
    template <class F> F* CreateForm() {
        F* form = new F(this);
        if (!main_form_) main_form_ = form;
        return form;
    }
    TForm* MainForm() const { return main_form_; }
    void SetMainForm(TForm* form) { main_form_ = form; }
    const std::vector<TForm*>& Forms() const { return forms_; }

    // Shows the main form and runs the message loop until Terminate.
    void Run();
    // Handles every message waiting; returns at once when there is none.
    void ProcessMessages();
    // Handles one message, waiting for it; false when WM_QUIT arrived.
    bool HandleMessage();
    void Terminate();
    bool Terminated() const { return terminated_; }

    bool Active() const { return active_; }
    std::wstring Title() const { return title_; }
    void SetTitle(const std::wstring& title);

    // Pauses of the hint machinery, in milliseconds.
    int HintPause() const { return hint_pause_; }
    void SetHintPause(int v) { hint_pause_ = v; }
    int HintShortPause() const { return hint_short_pause_; }
    void SetHintShortPause(int v) { hint_short_pause_ = v; }
    int HintHidePause() const { return hint_hide_pause_; }
    void SetHintHidePause(int v) { hint_hide_pause_ = v; }
    bool ShowHint() const { return show_hint_; }
    void SetShowHint(bool v) { show_hint_ = v; }

    // Shows an error to the user; the default is a message box with the application's
    // title. Tests replace it to record what would be shown.
    std::function<void(const std::wstring& message)> ErrorBox;
    // Reports the exception in flight (from a catch block) through ErrorBox.
    void HandleException(TPersistent* sender);

    TNotifyEvent OnActivate;
    TNotifyEvent OnDeactivate;

    // The mouse entered or left a control: its hint shows after HintPause (HintShortPause
    // when another hint was just showing) and goes after HintHidePause or on leaving.
    void HintMouseEnter(TControl* control);
    void HintMouseLeave(TControl* control);
    // The window control hints are shown in (made on first use).
    THintWindow* HintWindow();
    void Notification(TComponent* component, TOperation operation) override;

private:
    void ShowHintNow();
    void CancelHint();
    friend class TForm;
    void AddForm(TForm* f) { forms_.push_back(f); }
    void RemoveForm(TForm* f);
    void SetActive(bool active);
    // Keys a form treats as dialog keys (tab, return, escape, arrows) and alt-characters;
    // true when the form used the message.
    bool IsDialogMessage(MSG& msg);
    std::optional<LRESULT> WndProc(UINT msg, WPARAM wp, LPARAM lp);

    std::unique_ptr<TMessageWindow> window_;
    TForm* main_form_ = nullptr;
    std::vector<TForm*> forms_;
    bool terminated_ = false;
    bool active_ = false;
    std::wstring title_;
    int hint_pause_ = 500;
    int hint_short_pause_ = 50;
    int hint_hide_pause_ = 2500;
    bool show_hint_ = true;
    THintWindow* hint_window_ = nullptr;
    TControl* hint_control_ = nullptr;
};

// The one application object of the program (set while one exists).
extern TApplication* Application;

// Reports the exception in flight from a message handler: through the application's error
// box, or a plain message box when there is no application.
void HandleException(TPersistent* sender);

// Text of an exception for the user (UTF-8 messages become wide text).
std::wstring ExceptionMessage(std::exception_ptr e);

} // namespace ui
