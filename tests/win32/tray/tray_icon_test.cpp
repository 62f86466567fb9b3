// The tray icon in the test desktop's notification area: read from a description, shown with
// its tooltip, clicked through the shell's callback and with the real mouse, back after the
// shell restarts, gone after it is destroyed; its animation and its popup menu hook.
#include "tests/support/desktop.h"
#include "tests/win32/tray/shell_tray_view.h"
#include "tests/win32/tray/tray_fixture.h"
#include "tray/RXShell.h"
#include "ui/application.h"
#include "ui/form_binding.h"
#include "ui/form_text_binary.h"
#include "ui/image_format.h"
#include "ui/properties.h"

#include <gtest/gtest.h>

#include <shellapi.h>

#include <fstream>
#include <iterator>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

using namespace tray;
using namespace tray_test;
using testing_desktop::Pump;
using testing_desktop::PumpUntil;
using ui::TMouseButton;

constexpr wchar_t kTip[] = L"多次复制剪贴板";

struct Click {
    TMouseButton button;
    unsigned shift;
    int x, y;
};

std::string IconDescription(const std::vector<std::uint8_t>& ico, const std::string& extra) {
    return "object Host: TTrayHost\n"
           "  object RxTrayIcon1: TRxTrayIcon\n"
           "    Hint = '多次复制剪贴板'\n"
           "    Icon.Data = " +
           form_text::FormatBinary(ico, "      ") + "\n" + extra +
           "    OnClick = RxTrayIcon1Click\n"
           "  end\n"
           "end\n";
}

// Handles every message already waiting for this thread (posted callbacks among them).
void DeliverPosted() {
    PumpUntil([] { return true; });
}

void PostCallbacks(HWND window, std::initializer_list<UINT> mouse_messages) {
    for (UINT m : mouse_messages)
        PostMessageW(window, kTrayCallbackMessage, 0, static_cast<LPARAM>(m));
    DeliverPosted();
}

class TrayIcon : public testing::Test {
protected:
    void SetUp() override {
        ui::RegisterComponentClass<TRxTrayIcon>();
        host_.RegisterMethod(L"RxTrayIcon1Click",
                             ui::TMouseEvent([this](ui::TPersistent* sender, TMouseButton button,
                                                    unsigned shift, int x, int y) {
                                 EXPECT_EQ(sender, tray_);
                                 clicks_.push_back({button, shift, x, y});
                             }));
    }
    void TearDown() override {
        // Nothing of one test may stay in the notification area for the next.
        ui::Free(tray_);
        tray_ = nullptr;
        EXPECT_FALSE(FindShownIcon(kTip));
    }

    // The main window's tray icon as its description makes it.
    void Load(const std::string& extra = {},
              const std::vector<std::uint8_t>& ico = MakeTestIco(0x3060E0)) {
        ui::ReadDescription(&host_, IconDescription(ico, extra));
        tray_ = dynamic_cast<TRxTrayIcon*>(host_.FindComponent(L"RxTrayIcon1"));
        ASSERT_NE(tray_, nullptr);
        // It is shown once the messages waiting are handled.
        if (tray_->Active()) {
            ASSERT_TRUE(PumpUntil([this] { return tray_->Added(); }));
        }
    }

    // Records every shell call (and makes it).
    void Record() {
        tray_->ShellNotify = [this](DWORD message, const NotifyIconRecord& record) {
            calls_.push_back({message, record});
            threads_.insert(GetCurrentThreadId());
            return RealShellNotify(message, record);
        };
    }

    TTrayHost host_{nullptr};
    TRxTrayIcon* tray_ = nullptr;
    std::vector<Click> clicks_;
    std::vector<std::pair<DWORD, NotifyIconRecord>> calls_;
    std::set<DWORD> threads_;
};

TEST_F(TrayIcon, DescriptionShowsTheIconWithItsTooltip) {
    Load();
    EXPECT_TRUE(tray_->Added());
    EXPECT_EQ(ui::GetStrProp(tray_, L"Hint"), kTip);
    // The defaults of everything the description does not set.
    EXPECT_TRUE(tray_->Active());
    EXPECT_TRUE(tray_->Enabled());
    EXPECT_FALSE(tray_->Animated());
    EXPECT_EQ(tray_->Interval(), 150);
    EXPECT_FALSE(tray_->ShowDesign());
    EXPECT_EQ(tray_->PopupMenu(), nullptr);

    const NotifyIconRecord& r = tray_->NotifyData();
    EXPECT_EQ(r.cbSize, NOTIFYICONDATAA_V1_SIZE);
    EXPECT_EQ(r.hWnd, reinterpret_cast<std::uintptr_t>(tray_->Handle()));
    EXPECT_EQ(r.uFlags, 7u);
    EXPECT_EQ(r.uCallbackMessage, 0xB054u);
    EXPECT_EQ(r.hIcon, reinterpret_cast<std::uintptr_t>(tray_->Icon()->Handle()));
    if (GetACP() == 936) {
        EXPECT_STREQ(r.szTip, "\xB6\xE0\xB4\xCE\xB8\xB4\xD6\xC6\xBC\xF4\xCC\xF9\xB0\xE5");
    }

    // The shell has it: a modify for our window and id succeeds, and its tooltip is ours.
    NOTIFYICONDATAA probe{};
    probe.cbSize = NOTIFYICONDATAA_V1_SIZE;
    probe.hWnd = tray_->Handle();
    probe.uFlags = NIF_TIP;
    lstrcpyA(probe.szTip, r.szTip);
    EXPECT_TRUE(Shell_NotifyIconA(NIM_MODIFY, &probe));
    const auto shown = FindShownIcon(kTip);
    ASSERT_TRUE(shown);

    // Hover over it long enough for the tooltip, for people to look at.
    SetCursorPos((shown->screen_rect.left + shown->screen_rect.right) / 2,
                 (shown->screen_rect.top + shown->screen_rect.bottom) / 2);
    Pump(std::chrono::milliseconds(1500));
    testing_desktop::SaveScreenshot(L"tray_icon_tooltip");
    SetCursorPos(400, 300);
}

// Reading a description tells the shell once, with everything read: the icon, its tooltip and
// its frames; not once per property, which would cost a round trip to the shell's process each.
// And not while the description is read: once the message loop runs and the thread's windows
// have painted, as the program's first window would.
TEST_F(TrayIcon, ADescriptionShowsTheIconOnceAfterThePaintsWaiting) {
    TIconList frames;
    ui::TIcon frame;
    frame.LoadFromBytes(MakeTestIco(0xE03030));
    frames.Add(&frame);
    const std::string animated =
        "    Animated = True\n    Icons = " + form_text::FormatBinary(frames.SaveToBytes(), "      ") +
        "\n";
    const struct {
        const char* what;
        std::string extra;
        std::vector<DWORD> calls;
    } cases[] = {
        {"one icon", "", {NIM_ADD}},
        {"animated", animated, {NIM_ADD}},
        {"switched off", "    Active = False\n", {}},
    };
    const HWND waiting = CreateWindowExW(0, L"Static", L"painted first", WS_POPUP | WS_VISIBLE, 10,
                                         10, 120, 40, nullptr, nullptr, nullptr, nullptr);
    ASSERT_TRUE(waiting);
    std::vector<DWORD> calls;
    bool added_before_paint = false;
    ui::RegisterComponentClass(L"TRxTrayIcon", [&](ui::TComponent* owner) {
        auto* icon = new TRxTrayIcon(owner);
        icon->ShellNotify = [&](DWORD message, const NotifyIconRecord& record) {
            calls.push_back(message);
            if (message == NIM_ADD) {
                added_before_paint |= GetUpdateRect(waiting, nullptr, FALSE) != FALSE;
                // The one add carries the tooltip and an icon.
                EXPECT_EQ(record.uFlags, 7u);
                EXPECT_NE(record.hIcon, 0u);
            }
            return RealShellNotify(message, record);
        };
        return icon;
    });
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        calls.clear();
        InvalidateRect(waiting, nullptr, TRUE);
        ui::ReadDescription(&host_, IconDescription(MakeTestIco(0x3060E0), c.extra));
        tray_ = dynamic_cast<TRxTrayIcon*>(host_.FindComponent(L"RxTrayIcon1"));
        ASSERT_NE(tray_, nullptr);
        EXPECT_TRUE(calls.empty()) << "nothing told the shell while reading";
        EXPECT_FALSE(tray_->Added());
        if (c.calls.empty()) {
            Pump(std::chrono::milliseconds(200));
        } else {
            EXPECT_TRUE(PumpUntil([&] { return tray_->Added(); }));
        }
        EXPECT_EQ(calls, c.calls);
        EXPECT_FALSE(added_before_paint);
        EXPECT_EQ(tray_->Added(), !c.calls.empty());
        ui::Free(tray_);
        tray_ = nullptr;
        EXPECT_FALSE(FindShownIcon(kTip));
    }
    DestroyWindow(waiting);
    ui::RegisterComponentClass<TRxTrayIcon>();
}

TEST_F(TrayIcon, CallbackMessagesBecomeEvents) {
    Load();
    int dbl = 0;
    std::vector<unsigned> downs;
    tray_->OnDblClick = [&](ui::TPersistent*) { ++dbl; };
    tray_->OnMouseDown = [&](ui::TPersistent*, TMouseButton, unsigned shift, int, int) {
        downs.push_back(shift);
    };
    struct Case {
        const char* what;
        std::initializer_list<UINT> messages;
        std::vector<TMouseButton> clicks;
        int double_clicks;
        std::vector<unsigned> downs;
    } cases[] = {
        {"left click", {WM_LBUTTONDOWN, WM_LBUTTONUP}, {TMouseButton::mbLeft}, 0, {ssLeft}},
        {"right click", {WM_RBUTTONDOWN, WM_RBUTTONUP}, {TMouseButton::mbRight}, 0, {ssRight}},
        {"double click",
         {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP},
         {TMouseButton::mbLeft},
         1,
         {ssLeft, ssDouble}},
        {"release without a press", {WM_LBUTTONUP, WM_RBUTTONUP}, {}, 0, {}},
        {"middle button", {WM_MBUTTONDOWN, WM_MBUTTONUP}, {}, 0, {ssMiddle}},
    };
    for (const auto& c : cases) {
        clicks_.clear();
        downs.clear();
        dbl = 0;
        PostCallbacks(tray_->Handle(), c.messages);
        std::vector<TMouseButton> buttons;
        for (const Click& k : clicks_)
            buttons.push_back(k.button);
        EXPECT_EQ(buttons, c.clicks) << c.what;
        EXPECT_EQ(dbl, c.double_clicks) << c.what;
        EXPECT_EQ(downs, c.downs) << c.what;
    }

    // The click carries the cursor's screen position.
    SetCursorPos(321, 234);
    clicks_.clear();
    PostCallbacks(tray_->Handle(), {WM_LBUTTONDOWN, WM_LBUTTONUP});
    ASSERT_EQ(clicks_.size(), 1u);
    EXPECT_EQ(clicks_[0].x, 321);
    EXPECT_EQ(clicks_[0].y, 234);
    EXPECT_EQ(clicks_[0].shift, unsigned{ssLeft});

    // Switched off, notifications are ignored; a press made then does not count later.
    ui::SetEnumProp(tray_, L"Enabled", L"False");
    clicks_.clear();
    downs.clear();
    PostCallbacks(tray_->Handle(), {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_RBUTTONDOWN});
    EXPECT_TRUE(clicks_.empty());
    EXPECT_TRUE(downs.empty());
    tray_->SetEnabled(true);
    PostCallbacks(tray_->Handle(), {WM_RBUTTONUP});
    EXPECT_TRUE(clicks_.empty());
}

TEST_F(TrayIcon, PropertiesByName) {
    Load();
    EXPECT_TRUE(ui::SetPropValue(tray_, L"Enabled", L"False"));
    EXPECT_FALSE(tray_->Enabled());
    EXPECT_TRUE(ui::SetPropValue(tray_, L"Interval", L"500"));
    EXPECT_EQ(tray_->Interval(), 500);
    EXPECT_TRUE(ui::SetPropValue(tray_, L"ShowDesign", L"True"));
    EXPECT_TRUE(tray_->ShowDesign());
    // Animating needs frames: with none the icon stays as it is.
    EXPECT_TRUE(ui::SetPropValue(tray_, L"Animated", L"True"));
    EXPECT_FALSE(tray_->Animated());
    EXPECT_TRUE(ui::SetPropValue(tray_, L"Active", L"False"));
    EXPECT_FALSE(tray_->Added());
    EXPECT_FALSE(FindShownIcon(kTip));
    EXPECT_TRUE(ui::SetPropValue(tray_, L"Active", L"True"));
    EXPECT_TRUE(FindShownIcon(kTip));
    EXPECT_EQ(ui::GetObjectProp<ui::TIcon>(tray_, L"Icon"), tray_->Icon());
    EXPECT_EQ(ui::GetObjectProp<TIconList>(tray_, L"Icons"), tray_->Icons());
}

TEST_F(TrayIcon, AnErrorInAHandlerGoesToTheApplication) {
    ui::TApplication application;
    std::vector<std::wstring> shown;
    application.ErrorBox = [&](const std::wstring& message) { shown.push_back(message); };
    Load();
    tray_->OnClick = [](ui::TPersistent*, TMouseButton, unsigned, int, int) {
        throw std::runtime_error("no window to show");
    };
    PostCallbacks(tray_->Handle(), {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_RBUTTONDOWN, WM_RBUTTONUP});
    EXPECT_EQ(shown, (std::vector<std::wstring>{L"no window to show", L"no window to show"}));
}

TEST_F(TrayIcon, RealMouseClicksOnTheTaskbar) {
    Load();
    const auto shown = FindShownIcon(kTip);
    ASSERT_TRUE(shown);
    const int x = (shown->screen_rect.left + shown->screen_rect.right) / 2;
    const int y = (shown->screen_rect.top + shown->screen_rect.bottom) / 2;
    const std::pair<DWORD, DWORD> buttons[] = {{MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP},
                                               {MOUSEEVENTF_RIGHTDOWN, MOUSEEVENTF_RIGHTUP}};
    for (auto [down, up] : buttons) {
        clicks_.clear();
        SetCursorPos(x, y);
        Pump(std::chrono::milliseconds(100));
        mouse_event(down, 0, 0, 0, 0);
        mouse_event(up, 0, 0, 0, 0);
        ASSERT_TRUE(PumpUntil([&] { return !clicks_.empty(); }, std::chrono::seconds(5)));
        // Let anything else the shell sends arrive: still one click.
        Pump(std::chrono::milliseconds(300));
        ASSERT_EQ(clicks_.size(), 1u);
        EXPECT_EQ(clicks_[0].button,
                  down == MOUSEEVENTF_LEFTDOWN ? TMouseButton::mbLeft : TMouseButton::mbRight);
        EXPECT_EQ(clicks_[0].x, x);
        EXPECT_EQ(clicks_[0].y, y);
        // Far enough apart that the second press is no double click.
        Pump(std::chrono::milliseconds(GetDoubleClickTime() + 100));
    }
    SetCursorPos(400, 300);
}

TEST_F(TrayIcon, BackAfterTheShellRestarts) {
    Load();
    Record();
    // A restarted shell knows no icons: forget ours behind the component's back.
    NOTIFYICONDATAA gone{};
    gone.cbSize = NOTIFYICONDATAA_V1_SIZE;
    gone.hWnd = tray_->Handle();
    ASSERT_TRUE(Shell_NotifyIconA(NIM_DELETE, &gone));
    ASSERT_FALSE(FindShownIcon(kTip));

    const UINT created = RegisterWindowMessageW(L"TaskbarCreated");
    SendMessageTimeoutW(HWND_BROADCAST, created, 0, 0, SMTO_ABORTIFHUNG, 5000, nullptr);
    EXPECT_TRUE(tray_->Added());
    EXPECT_TRUE(FindShownIcon(kTip));
    ASSERT_FALSE(calls_.empty());
    EXPECT_EQ(calls_.back().first, DWORD{NIM_ADD});

    // An icon switched off stays off when the shell comes back.
    tray_->SetActive(false);
    EXPECT_FALSE(FindShownIcon(kTip));
    SendMessageTimeoutW(HWND_BROADCAST, created, 0, 0, SMTO_ABORTIFHUNG, 5000, nullptr);
    EXPECT_FALSE(tray_->Active());
    EXPECT_FALSE(FindShownIcon(kTip));
    tray_->SetActive(true);
    EXPECT_TRUE(FindShownIcon(kTip));
}

TEST_F(TrayIcon, AFailedAddWaitsForTheShell) {
    Load();
    tray_->SetActive(false);
    tray_->ShellNotify = [](DWORD message, const NotifyIconRecord& record) {
        return message != NIM_ADD && RealShellNotify(message, record);
    };
    tray_->SetActive(true);
    EXPECT_FALSE(tray_->Added());
    EXPECT_FALSE(FindShownIcon(kTip));
    tray_->ShellNotify = RealShellNotify;
    PostMessageW(tray_->Handle(), RegisterWindowMessageW(L"TaskbarCreated"), 0, 0);
    DeliverPosted();
    EXPECT_TRUE(tray_->Added());
    EXPECT_TRUE(FindShownIcon(kTip));
}

TEST_F(TrayIcon, DestroyingRemovesTheIcon) {
    Load();
    Record();
    const HWND window = tray_->Handle();
    ui::Free(tray_);
    tray_ = nullptr;
    ASSERT_FALSE(calls_.empty());
    EXPECT_EQ(calls_.back().first, DWORD{NIM_DELETE});
    EXPECT_EQ(calls_.back().second.hWnd, reinterpret_cast<std::uintptr_t>(window));
    EXPECT_FALSE(IsWindow(window));
    NOTIFYICONDATAA probe{};
    probe.cbSize = NOTIFYICONDATAA_V1_SIZE;
    probe.hWnd = window;
    probe.uFlags = NIF_TIP;
    EXPECT_FALSE(Shell_NotifyIconA(NIM_MODIFY, &probe));
    EXPECT_FALSE(FindShownIcon(kTip));
}

TEST_F(TrayIcon, TooltipIsTheShortHintInAtMost63Bytes) {
    Load();
    if (GetACP() != 936) GTEST_SKIP() << "needs the GBK code page";
    const std::wstring han40(40, L'中');
    struct Case {
        std::wstring hint;
        std::wstring shown;
    } cases[] = {
        {std::wstring(70, L'x'), std::wstring(63, L'x')},
        {L"多次复制剪贴板|收集复制过的每一段文字", kTip},
        // 31 double-byte characters are 62 bytes; the 32nd would be cut in half.
        {han40, han40.substr(0, 31)},
        {L"a" + han40, L"a" + han40.substr(0, 31)},
        // 亅 is 0x81 0x7C in GBK: its second byte is no bar.
        {L"亅亅|x", L"亅亅"},
    };
    for (const auto& c : cases) {
        ui::SetStrProp(tray_, L"Hint", c.hint);
        EXPECT_LE(std::string(tray_->NotifyData().szTip).size(), 63u);
        EXPECT_TRUE(FindShownIcon(c.shown)) << std::string(tray_->NotifyData().szTip);
    }
    tray_->SetHint(kTip);
}

TEST_F(TrayIcon, AnimationRunsFramesOnTheUserInterfaceThread) {
    TIconList frames;
    for (std::uint32_t colour : {0xE03030u, 0x30E030u, 0x3030E0u}) {
        ui::TIcon icon;
        icon.LoadFromBytes(MakeTestIco(colour));
        frames.Add(&icon);
    }
    // Animated comes before the frames it needs: it still starts once everything is read.
    Load("    Animated = True\n    Interval = 20\n    Icons = " +
         form_text::FormatBinary(frames.SaveToBytes(), "      ") + "\n");
    ASSERT_TRUE(tray_->Animated());
    ASSERT_EQ(tray_->Icons()->Count(), 3);
    Record();
    std::set<std::uint32_t> handles;
    for (int i = 0; i < 3; ++i)
        handles.insert(static_cast<std::uint32_t>(
            reinterpret_cast<std::uintptr_t>(tray_->Icons()->Icons(i)->Handle())));
    std::set<std::uint32_t> seen;
    EXPECT_TRUE(PumpUntil([&] {
        for (const auto& [message, record] : calls_)
            if (message == NIM_MODIFY && handles.count(record.hIcon)) seen.insert(record.hIcon);
        return seen == handles;
    }));
    // Every shell call came from this thread: the animation thread only asks for frames.
    EXPECT_EQ(threads_, std::set<DWORD>{GetCurrentThreadId()});

    // Stopping goes back to the single icon; an animation with an empty list stops itself.
    tray_->SetAnimated(false);
    EXPECT_EQ(tray_->NotifyData().hIcon, reinterpret_cast<std::uintptr_t>(tray_->Icon()->Handle()));
    tray_->SetAnimated(true);
    tray_->Icons()->Clear();
    EXPECT_FALSE(tray_->Animated());

    // A thread asleep in a long interval is woken when the component goes away.
    tray_->SetIcons(&frames);
    tray_->SetInterval(60000);
    tray_->SetAnimated(true);
    ui::Free(tray_);
    tray_ = nullptr;
}

class TFakePopup : public TTrayPopupMenu {
public:
    using TTrayPopupMenu::TTrayPopupMenu;
    bool AutoPopup() const override { return auto_popup; }
    void Popup(int x, int y) override { shown_at.push_back({x, y}); }
    bool ClickDefaultItem() override {
        if (has_default) ++default_clicks;
        return has_default;
    }
    bool auto_popup = true;
    bool has_default = false;
    int default_clicks = 0;
    std::vector<POINT> shown_at;
};

TEST_F(TrayIcon, PopupMenuTakesTheRightClick) {
    Load();
    int dbl = 0;
    tray_->OnDblClick = [&](ui::TPersistent*) { ++dbl; };
    auto* menu = new TFakePopup(&host_);
    tray_->SetPopupMenu(menu);

    PostCallbacks(tray_->Handle(), {WM_RBUTTONDOWN, WM_RBUTTONUP, WM_LBUTTONDOWN, WM_LBUTTONUP});
    EXPECT_EQ(menu->shown_at.size(), 1u);
    ASSERT_EQ(clicks_.size(), 1u);
    EXPECT_EQ(clicks_[0].button, TMouseButton::mbLeft);

    menu->auto_popup = false;
    PostCallbacks(tray_->Handle(), {WM_RBUTTONDOWN, WM_RBUTTONUP});
    EXPECT_EQ(menu->shown_at.size(), 1u);
    EXPECT_EQ(clicks_.size(), 2u);

    // A double click clicks the menu's default item when there is one.
    menu->has_default = true;
    PostCallbacks(tray_->Handle(), {WM_LBUTTONDBLCLK});
    menu->has_default = false;
    PostCallbacks(tray_->Handle(), {WM_LBUTTONDBLCLK});
    EXPECT_EQ(menu->default_clicks, 1);
    EXPECT_EQ(dbl, 1);

    // A menu that goes away is forgotten.
    ui::Free(menu);
    EXPECT_EQ(tray_->PopupMenu(), nullptr);
    PostCallbacks(tray_->Handle(), {WM_RBUTTONDOWN, WM_RBUTTONUP});
    EXPECT_EQ(clicks_.size(), 3u);
}

TEST_F(TrayIcon, ShowsTheProgramIcon) {
    std::ifstream file(testing_desktop::WindowsPath(PELLICO_ICON).c_str(), std::ios::binary);
    ASSERT_TRUE(file) << PELLICO_ICON;
    const std::vector<std::uint8_t> ico((std::istreambuf_iterator<char>(file)),
                                        std::istreambuf_iterator<char>());
    ASSERT_EQ(ui::ReadIcoDirectory(ico).size(), 8u);
    Load({}, ico);
    EXPECT_TRUE(tray_->Added());
    const auto shown = FindShownIcon(kTip);
    ASSERT_TRUE(shown);
    SetCursorPos(400, 300);
    Pump(std::chrono::milliseconds(300));
    testing_desktop::SaveScreenshot(L"tray_program_icon");
}

TEST_F(TrayIcon, AnEmptyIconIsNeverShown) {
    Load();
    tray_->SetIcon(nullptr);
    EXPECT_FALSE(tray_->Added());
    EXPECT_FALSE(FindShownIcon(kTip));
    ui::TIcon icon;
    icon.LoadFromBytes(MakeTestIco(0x30A0A0));
    tray_->SetIcon(&icon);
    EXPECT_TRUE(tray_->Added());
    EXPECT_TRUE(FindShownIcon(kTip));
}

} // namespace
