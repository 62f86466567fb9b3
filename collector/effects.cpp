#include "collector/effects.h"

#include "collector/clipboard.h"
#include "collector/paste_pause.h"
#include "ui/shell_functions.h"

namespace collector {

namespace {

class SystemEffects final : public Effects {
public:
    void WriteClipboard(const std::wstring& text) override {
        Clipboard::Instance().WriteText(text);
    }
    void WriteClipboardOnRequest(const std::wstring& text) override {
        Clipboard::Instance().WriteTextOnRequest(text);
    }
    void WaitForPaste() override { collector::WaitForPaste(Clipboard::Instance()); }
    void BringToFront(HWND target) override { SetForegroundWindow(target); }
    void KeyEvent(BYTE vk, BYTE scan, DWORD flags) override { keybd_event(vk, scan, flags, 0); }
    int ShowMessage(HWND owner, const std::wstring& text, const std::wstring& caption,
                    UINT style) override {
        return MessageBoxW(owner, text.c_str(), caption.c_str(), style);
    }
    INT_PTR OpenShell(HWND owner, const std::wstring& file, const std::wstring& params,
                      const std::wstring& directory, int show) override {
        return reinterpret_cast<INT_PTR>(
            ui::ShellExecuteFileW(owner, nullptr, file.c_str(), params.c_str(), directory.c_str(),
                                  show));
    }
};

} // namespace

Effects& RealEffects() {
    static SystemEffects effects;
    return effects;
}

} // namespace collector
