// Everything the collector does that leaves the process, behind one interface: the real calls
// by default, and a recorder in tests that want to see what was asked.
#pragma once

#include <windows.h>

#include <string>

namespace collector {

class Effects {
public:
    virtual ~Effects() = default;
    // Clipboard writes through the process-wide clipboard object (ClipboardError when it
    // cannot be opened).
    virtual void WriteClipboard(const std::wstring& text) = 0;
    virtual void WriteClipboardOnRequest(const std::wstring& text) = 0;
    // Waits, still answering messages sent to us, until the paste target took the text of
    // WriteClipboardOnRequest; see WaitForPaste.
    virtual void WaitForPaste() = 0;
    virtual void BringToFront(HWND target) = 0;
    // One synthesised key event (keybd_event).
    virtual void KeyEvent(BYTE vk, BYTE scan, DWORD flags) = 0;
    virtual int ShowMessage(HWND owner, const std::wstring& text, const std::wstring& caption,
                            UINT style) = 0;
    // ShellExecute with the default verb; its result.
    virtual INT_PTR OpenShell(HWND owner, const std::wstring& file, const std::wstring& params,
                              const std::wstring& directory, int show) = 0;
};

// The real calls.
Effects& RealEffects();

} // namespace collector
