#include "tests/win32/collector/test_window.h"

#include "ui/win_handles.h"

#include <cstring>
#include <string>

#include "tests/support/desktop.h"

namespace collector_test {

namespace {

constexpr wchar_t kClass[] = L"CollectorTestWindow";

void RegisterOnce() {
    static const bool registered = [] {
        WNDCLASSW wc{};
        wc.lpfnWndProc = DefWindowProcW;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.lpszClassName = kClass;
        return RegisterClassW(&wc) != 0;
    }();
    (void)registered;
}

} // namespace

TestWindow::TestWindow(Handler handler) : handler_(std::move(handler)) {
    RegisterOnce();
    wnd_ = CreateWindowExW(0, kClass, L"collector test", WS_OVERLAPPEDWINDOW, 10, 10, 200, 100,
                           nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    SetWindowLongPtrW(wnd_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    SetWindowLongPtrW(wnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(Proc));
}

TestWindow::~TestWindow() {
    SetWindowLongPtrW(wnd_, GWLP_USERDATA, 0);
    DestroyWindow(wnd_);
}

std::vector<Message> TestWindow::Received(UINT msg) const {
    std::vector<Message> out;
    for (const auto& m : messages_) {
        if (m.msg == msg) out.push_back(m);
    }
    return out;
}

LRESULT CALLBACK TestWindow::Proc(HWND wnd, UINT msg, WPARAM wp, LPARAM lp) {
    auto* self = reinterpret_cast<TestWindow*>(GetWindowLongPtrW(wnd, GWLP_USERDATA));
    if (self) {
        self->messages_.push_back({msg, wp, lp});
        if (self->handler_) {
            if (auto result = self->handler_(msg, wp, lp)) return *result;
        }
    }
    return DefWindowProcW(wnd, msg, wp, lp);
}

void CleanClipboard::Empty() {
    for (int i = 0; i < 50; ++i) {
        if (OpenClipboard(nullptr)) {
            EmptyClipboard();
            CloseClipboard();
            return;
        }
        testing_desktop::Pump(std::chrono::milliseconds(20));
    }
}

void PlaceOnClipboard(HWND opener, const std::vector<Format>& formats) {
    if (!OpenClipboard(opener)) return;
    EmptyClipboard();
    for (const auto& f : formats) {
        if (f.format == CF_BITMAP) {
            SetClipboardData(CF_BITMAP, CreateBitmap(4, 4, 1, 32, nullptr));
            continue;
        }
        ui::OwnedGlobal block(GlobalAlloc(GMEM_MOVEABLE, f.bytes.size()));
        {
            const ui::GlobalLockScope lock(block.get());
            if (!f.bytes.empty()) std::memcpy(lock.data(), f.bytes.data(), f.bytes.size());
        }
        if (SetClipboardData(f.format, block.get())) block.release();
    }
    CloseClipboard();
}

collector::Collection CollectedTexts(const std::vector<std::wstring>& texts) {
    struct Source : collector::ClipboardSource {
        std::wstring text;
        bool IsOwnWrite() override { return false; }
        bool IsExcluded() override { return false; }
        std::wstring CapturedText() override { return text; }
    } source;
    collector::Collection list;
    for (const auto& t : texts) {
        source.text = t;
        list.Capture(1, source);
    }
    return list;
}

std::vector<unsigned char> WideBytes(const std::wstring& text) {
    std::vector<unsigned char> bytes((text.size() + 1) * sizeof(wchar_t));
    std::memcpy(bytes.data(), text.c_str(), bytes.size());
    return bytes;
}

} // namespace collector_test
