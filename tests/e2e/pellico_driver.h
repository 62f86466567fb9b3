// Drives a running Pellico.exe from another process: its windows found by class, the list box
// read across processes, buttons clicked, error and information boxes read and dismissed.
#pragma once
#include "tests/support/child_process.h"

#include <windows.h>

#include <chrono>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace e2e {

class PellicoDriver {
public:
    // Starts the Pellico.exe of this build tree, or the program `exe`.
    PellicoDriver();
    explicit PellicoDriver(const std::string& exe);
    // Closes the program if it is still running.
    ~PellicoDriver();
    PellicoDriver(const PellicoDriver&) = delete;
    PellicoDriver& operator=(const PellicoDriver&) = delete;

    // Waits for the main window and its controls; false when they do not come up.
    bool WaitUntilUp();
    DWORD ProcessId() const { return process_->Id(); }
    HWND Main() const { return main_; }
    HWND ListBox() const { return list_; }
    HWND CheckBox() const { return check_; }
    HWND ComboBox() const { return combo_; }
    // The push button with this caption.
    HWND Button(const std::wstring& caption) const;

    std::vector<std::wstring> Items() const;
    int Selected() const;
    // Pumps until the list box holds `count` items.
    bool WaitForCount(int count, std::chrono::milliseconds timeout = std::chrono::seconds(10));
    // Selects an item as a click on it would: the selection, then the owner's notification.
    void Select(int index);
    // Clicks a button without waiting for its handler (which may show a box).
    void Click(const std::wstring& caption);
    // Clicks a button and returns once its handler has run.
    void ClickAndWait(const std::wstring& caption);
    // Closes the main window; the exit code once the process ended.
    std::optional<DWORD> Close();

private:
    std::unique_ptr<testing_desktop::Process> process_;
    HWND main_ = nullptr;
    HWND list_ = nullptr;
    HWND check_ = nullptr;
    HWND combo_ = nullptr;
};

// A top-level window of the process with the class (a visible one when asked), or none.
HWND FindProcessWindow(DWORD process_id, const wchar_t* class_name, bool visible_only);

// A message box (class "#32770") shown by the process, as it reads.
struct DialogBox {
    HWND wnd = nullptr;
    std::wstring caption;
    std::wstring text;
};
std::optional<DialogBox>
WaitForDialog(DWORD process_id, std::chrono::milliseconds timeout = std::chrono::seconds(10));
// Presses the box's OK button and waits until it is gone.
void Dismiss(const DialogBox& box);

// Puts text on the clipboard as another program would, opened by the driver's own window.
void CopyText(const std::wstring& text);
// The clipboard's Unicode text, or nothing when it holds none.
std::optional<std::wstring> ClipboardText();
// A hidden window of the driver, the opener of its clipboard writes.
HWND DriverWindow();

// One key pressed and released by real key events, with Shift held when asked.
void TapKey(WORD vk, bool shift = false);

} // namespace e2e
