// What the paste actions, the information box and the shell helper ask of the system, in
// order, recorded; and the information box as it really appears.
#include <gtest/gtest.h>

#include <thread>

#include "collector/KivUseDll.h"
#include "collector/application_window.h"
#include "collector/clipboard.h"
#include "collector/kivDialogs.h"
#include "collector/paste.h"
#include "tests/support/desktop.h"
#include "tests/win32/collector/test_window.h"

using namespace collector;
using namespace collector_test;

namespace {

// Writes down every effect as one line of text; clipboard writes can be made to fail.
class RecordedEffects final : public Effects {
public:
    std::vector<std::wstring> log;
    bool clipboard_busy = false;
    INT_PTR shell_result = 42;

    void WriteClipboard(const std::wstring& text) override {
        if (clipboard_busy) throw ClipboardError();
        log.push_back(L"write " + text);
    }
    void WriteClipboardOnRequest(const std::wstring& text) override {
        log.push_back(L"write on request " + text);
    }
    void WaitForPaste() override { log.push_back(L"wait"); }
    void BringToFront(HWND target) override {
        log.push_back(L"front " + std::to_wstring(reinterpret_cast<UINT_PTR>(target)));
    }
    void KeyEvent(BYTE vk, BYTE scan, DWORD flags) override {
        log.push_back(L"key " + std::to_wstring(vk) + L" " + std::to_wstring(scan) + L" " +
                      std::to_wstring(flags));
    }
    int ShowMessage(HWND owner, const std::wstring& text, const std::wstring& caption,
                    UINT style) override {
        log.push_back(L"box " + std::to_wstring(reinterpret_cast<UINT_PTR>(owner)) + L" " + text +
                      L" " + caption + L" " + std::to_wstring(style));
        return IDOK;
    }
    INT_PTR OpenShell(HWND owner, const std::wstring& file, const std::wstring& params,
                      const std::wstring& directory, int show) override {
        log.push_back(L"shell " + std::to_wstring(reinterpret_cast<UINT_PTR>(owner)) + L" " + file +
                      L"|" + params + L"|" + directory + L"|" + std::to_wstring(show));
        return shell_result;
    }
};

std::wstring Key(WORD vk, DWORD flags) {
    return L"key " + std::to_wstring(vk) + L" " +
           std::to_wstring(MapVirtualKeyW(vk, MAPVK_VK_TO_VSC)) + L" " + std::to_wstring(flags);
}

const HWND kTarget = reinterpret_cast<HWND>(0x1234);

std::vector<std::wstring> CtrlV() {
    return {Key(VK_CONTROL, 1), Key('V', 1), Key(VK_CONTROL, 3), Key('V', 3)};
}

std::vector<std::wstring> Concat(std::vector<std::vector<std::wstring>> parts) {
    std::vector<std::wstring> all;
    for (auto& p : parts)
        all.insert(all.end(), p.begin(), p.end());
    return all;
}

} // namespace

TEST(PasteActions, AskForTheirEffectsInOrder) {
    struct Case {
        const char* name;
        std::function<void(Collection&, Effects&)> action;
        std::vector<std::wstring> log;
    };
    const std::wstring front = L"front " + std::to_wstring(0x1234);
    const Case cases[] = {
        {"paste entry 1", [](Collection& l, Effects& e) { PasteEntry(l, 1, kTarget, e); },
         Concat({{L"write b\r\n", front}, CtrlV()})},
        {"paste all", [](Collection& l, Effects& e) { PasteAll(l, kTarget, e); },
         Concat({{L"write a\r\nb\r\nc", front}, CtrlV()})},
        {"paste in turn, Enter after",
         [](Collection& l, Effects& e) { PasteInTurn(l, 2, kTarget, VK_RETURN, e); },
         Concat({{L"write on request c", front},
                 CtrlV(),
                 {Key(VK_RETURN, 1), Key(VK_RETURN, 3), L"wait"}})},
        {"paste in turn, no key after",
         [](Collection& l, Effects& e) { PasteInTurn(l, 0, kTarget, std::nullopt, e); },
         Concat({{L"write on request a\r\n", front}, CtrlV(), {L"wait"}})},
        {"after-paste Tab",
         [](Collection&, Effects& e) { TypeKey(VK_TAB, e); },
         {Key(VK_TAB, 1), Key(VK_TAB, 3)}},
    };
    for (const auto& c : cases) {
        Collection list = CollectedTexts({L"a\r\n", L"b\r\n", L"c"});
        RecordedEffects effects;
        c.action(list, effects);
        EXPECT_EQ(effects.log, c.log) << c.name;
        if (c.log.size() > 2) {
            EXPECT_TRUE(list.SuppressNextCapture()) << c.name;
        }
    }
}

TEST(PasteActions, PasteAllOfNothingStillPastesAndABusyClipboardStopsThePaste) {
    Collection empty;
    RecordedEffects effects;
    PasteAll(empty, kTarget, effects);
    EXPECT_EQ(effects.log, Concat({{L"write ", L"front " + std::to_wstring(0x1234)}, CtrlV()}));

    Collection list = CollectedTexts({L"a"});
    RecordedEffects busy;
    busy.clipboard_busy = true;
    EXPECT_THROW(PasteEntry(list, 0, kTarget, busy), ClipboardError);
    EXPECT_TRUE(busy.log.empty()) << "no window brought up, no keys";
    EXPECT_TRUE(list.SuppressNextCapture());
}

TEST(ShowTopInfo, IsATopmostInformationBoxOwnedByTheApplicationWindow) {
    TestWindow app;
    SetApplicationWindow(app.get());
    RecordedEffects effects;
    ShowTopInfo(L"已经复制最后一条", effects);
    EXPECT_EQ(effects.log, (std::vector<std::wstring>{
                               L"box " + std::to_wstring(reinterpret_cast<UINT_PTR>(app.get())) +
                               L" 已经复制最后一条 提示 " + std::to_wstring(0x40040)}));

    // And the real box: found, checked and dismissed from another thread. (Wine does not make
    // a box topmost for MB_TOPMOST, so that part rests on the style asked for, above.)
    HWND box = nullptr;
    HWND owner = nullptr;
    std::wstring text;
    std::thread dismiss([&] {
        for (int i = 0; i < 200 && !(box && IsWindowVisible(box)); ++i) {
            box = FindWindowW(L"#32770", L"提示");
            Sleep(25);
        }
        if (!box) return;
        owner = GetWindow(box, GW_OWNER);
        wchar_t buf[256] = {};
        GetDlgItemTextW(box, 0xFFFF, buf, 256);
        text = buf;
        PostMessageW(box, WM_COMMAND, IDOK, 0);
    });
    EXPECT_EQ(ShowTopInfo(L"已经复制最后一条"), IDOK);
    dismiss.join();
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(owner, app.get());
    EXPECT_EQ(text, L"已经复制最后一条");
    SetApplicationWindow(nullptr);
}

TEST(OpenWithShell, PassesThePathPartAndReportsSuccessAbove32) {
    RecordedEffects effects;
    EXPECT_TRUE(OpenWithShell(L"https://pellico.example.org/more", L"", effects));
    EXPECT_EQ(effects.log.back(),
              L"shell " + std::to_wstring(reinterpret_cast<UINT_PTR>(GetActiveWindow())) +
                  L" https://pellico.example.org/more||https:|1");
    for (INT_PTR result : {0, 2, 32}) {
        effects.shell_result = result;
        EXPECT_FALSE(OpenWithShell(L"C:\\x\\y.txt", L"-a", effects)) << result;
    }
    EXPECT_EQ(effects.log.back().substr(effects.log.back().find(L' ', 6)),
              L" C:\\x\\y.txt|-a|C:\\x\\|1");
    // The real shell on a file that is not there.
    EXPECT_FALSE(OpenWithShell(L"C:\\no such folder\\no such file.txt", L""));
}
