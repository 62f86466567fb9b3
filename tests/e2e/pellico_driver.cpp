#include "tests/e2e/pellico_driver.h"

#include "tests/support/desktop.h"
#include "tests/win32/collector/test_window.h"
#include "ui/win_handles.h"

namespace e2e {

using namespace std::chrono_literals;
using testing_desktop::PumpUntil;

PellicoDriver::PellicoDriver() : PellicoDriver(testing_desktop::PellicoExe()) {}

PellicoDriver::PellicoDriver(const std::string& exe)
    : process_(std::make_unique<testing_desktop::Process>(exe)) {}

PellicoDriver::~PellicoDriver() {
    if (main_ && IsWindow(main_)) Close();
}

bool PellicoDriver::WaitUntilUp() {
    if (!process_->Started()) return false;
    main_ = process_->WaitForWindow(L"TForm1");
    if (!main_) return false;
    list_ = FindWindowExW(main_, nullptr, L"TListBox", nullptr);
    check_ = FindWindowExW(main_, nullptr, L"TCheckBox", nullptr);
    combo_ = FindWindowExW(main_, nullptr, L"TComboBox", nullptr);
    return list_ && check_ && combo_;
}

HWND PellicoDriver::Button(const std::wstring& caption) const {
    return FindWindowExW(main_, nullptr, L"TButton", caption.c_str());
}

std::vector<std::wstring> PellicoDriver::Items() const {
    std::vector<std::wstring> items;
    const auto count = SendMessageW(list_, LB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        const auto length = SendMessageW(list_, LB_GETTEXTLEN, static_cast<WPARAM>(i), 0);
        std::wstring text(static_cast<std::size_t>(std::max<LRESULT>(length, 0)) + 1, L'\0');
        const auto got = SendMessageW(list_, LB_GETTEXT, static_cast<WPARAM>(i),
                                      reinterpret_cast<LPARAM>(text.data()));
        text.resize(static_cast<std::size_t>(std::max<LRESULT>(got, 0)));
        items.push_back(text);
    }
    return items;
}

int PellicoDriver::Selected() const {
    return static_cast<int>(SendMessageW(list_, LB_GETCURSEL, 0, 0));
}

bool PellicoDriver::WaitForCount(int count, std::chrono::milliseconds timeout) {
    return PumpUntil([&] { return SendMessageW(list_, LB_GETCOUNT, 0, 0) == count; }, timeout);
}

void PellicoDriver::Select(int index) {
    SendMessageW(list_, LB_SETCURSEL, static_cast<WPARAM>(index), 0);
    SendMessageW(main_, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(list_), LBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(list_));
}

void PellicoDriver::Click(const std::wstring& caption) {
    PostMessageW(Button(caption), BM_CLICK, 0, 0);
}

void PellicoDriver::ClickAndWait(const std::wstring& caption) {
    SendMessageW(Button(caption), BM_CLICK, 0, 0);
}

std::optional<DWORD> PellicoDriver::Close() {
    PostMessageW(main_, WM_CLOSE, 0, 0);
    main_ = nullptr;
    return process_->WaitForExit();
}

namespace {

struct WindowSearch {
    DWORD pid;
    const wchar_t* class_name;
    bool visible_only;
    HWND found;
};

BOOL CALLBACK MatchWindow(HWND wnd, LPARAM param) {
    auto* search = reinterpret_cast<WindowSearch*>(param);
    DWORD pid = 0;
    GetWindowThreadProcessId(wnd, &pid);
    if (pid != search->pid || (search->visible_only && !IsWindowVisible(wnd)) ||
        testing_desktop::ClassName(wnd) != search->class_name)
        return TRUE;
    search->found = wnd;
    return FALSE;
}

} // namespace

HWND FindProcessWindow(DWORD process_id, const wchar_t* class_name, bool visible_only) {
    WindowSearch search{process_id, class_name, visible_only, nullptr};
    EnumWindows(MatchWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

std::optional<DialogBox> WaitForDialog(DWORD process_id, std::chrono::milliseconds timeout) {
    HWND found = nullptr;
    PumpUntil([&] { return (found = FindProcessWindow(process_id, L"#32770", true)) != nullptr; },
              timeout);
    if (!found) return std::nullopt;
    // The message box's text is the static control with the id 0xFFFF.
    wchar_t text[512] = {};
    GetDlgItemTextW(found, 0xFFFF, text, 512);
    return DialogBox{found, testing_desktop::WindowText(found), text};
}

void Dismiss(const DialogBox& box) {
    PostMessageW(box.wnd, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    PumpUntil([&] { return !IsWindow(box.wnd); }, 5s);
}

HWND DriverWindow() {
    static HWND wnd = CreateWindowExW(0, L"STATIC", L"driver", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                      nullptr, nullptr);
    return wnd;
}

void CopyText(const std::wstring& text) {
    collector_test::PlaceOnClipboard(DriverWindow(),
                                     {{CF_UNICODETEXT, collector_test::WideBytes(text)}});
}

std::optional<std::wstring> ClipboardText() {
    if (!OpenClipboard(DriverWindow())) return std::nullopt;
    std::optional<std::wstring> text;
    if (HANDLE block = GetClipboardData(CF_UNICODETEXT)) {
        const ui::GlobalLockScope lock(block);
        if (auto* p = static_cast<const wchar_t*>(lock.data()))
            text = std::wstring(p, wcsnlen(p, GlobalSize(block) / sizeof(wchar_t)));
    }
    CloseClipboard();
    return text;
}

void TapKey(WORD vk, bool shift) {
    std::vector<INPUT> in;
    auto key = [&](WORD k, DWORD flags) {
        INPUT i{};
        i.type = INPUT_KEYBOARD;
        i.ki.wVk = k;
        i.ki.dwFlags = flags;
        in.push_back(i);
    };
    if (shift) key(VK_SHIFT, 0);
    key(vk, 0);
    key(vk, KEYEVENTF_KEYUP);
    if (shift) key(VK_SHIFT, KEYEVENTF_KEYUP);
    SendInput(static_cast<UINT>(in.size()), in.data(), sizeof(INPUT));
}

} // namespace e2e
