#include "tests/win32/collector/paste_target.h"

#include "tests/support/desktop.h"

namespace collector_test {

PasteTarget::PasteTarget(Kind kind, HWND program) : kind_(kind), program_(program) {
    thread_ = std::thread([this] { Run(); });
    WaitForSingleObject(ready_, 10000);
    // The user was working in the target before pasting: it is in front with the focus.
    SetForegroundWindow(edit_);
    testing_desktop::PumpUntil([this] {
        GUITHREADINFO info{};
        info.cbSize = sizeof(info);
        return GetGUIThreadInfo(thread_id_, &info) && info.hwndFocus == edit_ &&
               GetForegroundWindow() == edit_;
    });
}

PasteTarget::~PasteTarget() {
    PostThreadMessageW(thread_id_, WM_QUIT, 0, 0);
    thread_.join();
    CloseHandle(ready_);
}

std::wstring PasteTarget::Text() const {
    wchar_t buf[1024] = {};
    GetWindowTextW(edit_, buf, 1024);
    return buf;
}

void PasteTarget::Run() {
    thread_id_ = GetCurrentThreadId();
    edit_ = CreateWindowExW(0, L"EDIT", L"",
                            WS_OVERLAPPEDWINDOW | WS_VISIBLE | ES_MULTILINE | ES_WANTRETURN |
                                ES_AUTOVSCROLL,
                            400, 200, 300, 200, nullptr, nullptr, nullptr, nullptr);
    SetWindowLongPtrW(edit_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    edit_proc_ = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(edit_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(Proc)));
    SetEvent(ready_);
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    DestroyWindow(edit_);
}

LRESULT CALLBACK PasteTarget::Proc(HWND wnd, UINT msg, WPARAM wp, LPARAM lp) {
    auto* self = reinterpret_cast<PasteTarget*>(GetWindowLongPtrW(wnd, GWLP_USERDATA));
    if (msg == WM_PASTE) {
        if (self->kind_ == Kind::asks_first) SendMessageW(self->program_, WM_APP, 0, 0);
        if (self->kind_ == Kind::slow) Sleep(300);
    }
    return CallWindowProcW(self->edit_proc_, wnd, msg, wp, lp);
}

} // namespace collector_test
