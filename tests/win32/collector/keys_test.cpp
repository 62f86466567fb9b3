// The key events a paste sends, as the system's input stream carries them: recorded with a
// low-level keyboard hook while a focused edit box of ours takes the keys.
#include <gtest/gtest.h>

#include <ostream>
#include <vector>

#include "collector/KeyMouse.h"
#include "tests/support/desktop.h"

using namespace collector;
using testing_desktop::PumpUntil;

namespace {

struct KeyRecord {
    DWORD vk;
    DWORD scan;
    DWORD flags; // LLKHF_EXTENDED, LLKHF_UP
    bool operator==(const KeyRecord&) const = default;
    friend void PrintTo(const KeyRecord& k, std::ostream* os) {
        *os << "{vk " << k.vk << ", scan " << k.scan << ", flags " << k.flags << "}";
    }
};

std::vector<KeyRecord>* recording = nullptr;

LRESULT CALLBACK Record(int code, WPARAM wp, LPARAM lp) {
    if (code == HC_ACTION && recording) {
        const auto* k = reinterpret_cast<const KBDLLHOOKSTRUCT*>(lp);
        // Windows names an extended Ctrl the right Ctrl key; Wine keeps the key as sent.
        const DWORD vk = k->vkCode == VK_RCONTROL ? VK_CONTROL : k->vkCode;
        recording->push_back({vk, k->scanCode, k->flags & (LLKHF_EXTENDED | LLKHF_UP)});
    }
    return CallNextHookEx(nullptr, code, wp, lp);
}

// Records every key event of the system while it exists, into an edit box that has the focus.
class KeyRecorder {
public:
    KeyRecorder() {
        edit_ = CreateWindowExW(0, L"EDIT", L"", WS_OVERLAPPEDWINDOW | WS_VISIBLE | ES_MULTILINE,
                                300, 300, 200, 100, nullptr, nullptr, nullptr, nullptr);
        SetForegroundWindow(edit_);
        SetFocus(edit_);
        recording = &events_;
        hook_ = SetWindowsHookExW(WH_KEYBOARD_LL, Record, GetModuleHandleW(nullptr), 0);
    }
    ~KeyRecorder() {
        UnhookWindowsHookEx(hook_);
        recording = nullptr;
        DestroyWindow(edit_);
    }
    KeyRecorder(const KeyRecorder&) = delete;
    KeyRecorder& operator=(const KeyRecorder&) = delete;

    const std::vector<KeyRecord>& Wait(std::size_t n) {
        PumpUntil([&] { return events_.size() >= n; });
        testing_desktop::Pump(std::chrono::milliseconds(100)); // and nothing more comes
        return events_;
    }

private:
    std::vector<KeyRecord> events_;
    HWND edit_ = nullptr;
    HHOOK hook_ = nullptr;
};

DWORD Scan(WORD vk) {
    return MapVirtualKeyW(vk, MAPVK_VK_TO_VSC);
}

} // namespace

TEST(KeyMouse, CtrlVIsFourExtendedEventsCtrlReleasedFirst) {
    KeyRecorder keys;
    SendCtrlV();
    const std::vector<KeyRecord> expected = {
        {VK_CONTROL, Scan(VK_CONTROL), LLKHF_EXTENDED},
        {'V', Scan('V'), LLKHF_EXTENDED},
        {VK_CONTROL, Scan(VK_CONTROL), LLKHF_EXTENDED | LLKHF_UP},
        {'V', Scan('V'), LLKHF_EXTENDED | LLKHF_UP},
    };
    EXPECT_EQ(keys.Wait(4), expected);
}

TEST(KeyMouse, PressAndReleaseCarryTheScanCodeAndTheExtendedFlag) {
    for (WORD vk : {VK_TAB, VK_RETURN, VK_SPACE, VK_LEFT, VK_DOWN}) {
        KeyRecorder keys;
        PressKey(vk);
        ReleaseKey(vk);
        const std::vector<KeyRecord> expected = {
            {vk, Scan(vk), LLKHF_EXTENDED},
            {vk, Scan(vk), LLKHF_EXTENDED | LLKHF_UP},
        };
        EXPECT_EQ(keys.Wait(2), expected) << vk;
    }
}
