// The main window drawn by its skin: the skin's frame around the client area, a region cut by
// the frame pictures' key colour, the frame and caption buttons on the screen pixel for pixel
// as the skin's pictures give them (active and inactive), a caption button drawn hot under the
// mouse and normal again once it leaves, no caption-button hints, the close button closing the
// window, the skinned system menu from a right click on the caption and from Alt+Space, a double
// right click on the caption, and the fixed system menu's commands; the carried skin's pictures
// with their copies twice the size; skinning the hidden window does each thing once. Screenshots
// of the active and inactive window are saved for people to look at.
#include "tests/win32/app/skinned_main_window.h"

#include "skin/forms/frame_region.h"
#include "skin/forms/skin_form.h"
#include "skin/gdi/dc_pixels.h"
#include "skin/gdi/dib.h"
#include "skin/pictures/image_ops.h"
#include "skin/pictures/pixel_draw.h"
#include "skin/runtime/skin_data.h"
#include "skin/runtime/skin_manager.h"
#include "skin/runtime/skin_messages.h"
#include "skin/runtime/skin_platform.h"
#include "tests/win32/ui/sent_messages.h"
#include "tests/win32/ui/ui_test_app.h"
#include "ui/menus.h"
#include "ui/stdctrls.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <map>
#include <optional>
#include <string>

namespace {

using namespace std::chrono_literals;

constexpr TPixel kKey = PixelFromColor(kKeyColor);

// A right click where the mouse is.
void RightClick() {
    INPUT in[2]{};
    in[0].type = in[1].type = INPUT_MOUSE;
    in[0].mi.dwFlags = MOUSEEVENTF_RIGHTDOWN;
    in[1].mi.dwFlags = MOUSEEVENTF_RIGHTUP;
    SendInput(2, in, sizeof(INPUT));
}

class SkinnedMainWindow : public SkinnedMainWindowTest {
protected:
    void SetUp() override {
        SkinnedMainWindowTest::SetUp();
        ASSERT_NO_FATAL_FAILURE(ShowSkinned());
        Pump(300ms);
    }

    RECT WindowRect() const {
        RECT r{};
        GetWindowRect(window_, &r);
        return r;
    }
    // What the screen shows of a window.
    static TPixelImage ScreenOf(HWND window) {
        RECT r{};
        GetWindowRect(window, &r);
        HDC screen = GetDC(nullptr);
        TPixelImage pixels = ReadPixels(screen, r);
        ReleaseDC(nullptr, screen);
        return pixels;
    }
    TPixelImage Screen() const { return ScreenOf(window_); }
    const TSkinElements& Skin() const { return form_->SkinData1->Elements(); }

    // The pixels of `expected` at (x, y) of `shot`, leaving out its key colour (cut by the
    // region, or the caption behind a button); the first mismatch, or "".
    static std::string Compare(const TPixelImage& shot, const TPixelImage& expected, int x, int y,
                               const std::string& what) {
        for (int j = 0; j < expected.Height; ++j) {
            for (int i = 0; i < expected.Width; ++i) {
                const TPixel want = expected.At(i, j) & 0xFFFFFF;
                if (want == kKey) continue;
                const TPixel got = shot.At(x + i, y + j) & 0xFFFFFF;
                if (got != want)
                    return what + " differs at (" + std::to_string(x + i) + ", " +
                           std::to_string(y + j) + ")";
            }
        }
        return {};
    }

    // The edges, the plain stretch of the title between the caption and the buttons, and every
    // caption button, as the skin's pictures give them for the window's activation.
    void ExpectPaintedFrame(bool active) {
        const TPixelImage shot = Screen();
        const int w = shot.Width, h = shot.Height;
        const TFrameSizes f = skinner_->FrameSizes();
        const TSkinElements& e = Skin();
        TScaledPictures pictures(e);
        const int dpi = skinner_->Dpi();
        EXPECT_EQ(Compare(shot,
                          RenderFrameEdge(e.BorderLeft, f.left, h, false, active, pictures, dpi), 0,
                          0, "left edge"),
                  "");
        EXPECT_EQ(Compare(shot,
                          RenderFrameEdge(e.BorderRight, f.right, h, false, active, pictures, dpi),
                          w - f.right, 0, "right edge"),
                  "");
        EXPECT_EQ(Compare(shot,
                          RenderFrameEdge(e.BorderBottom, w - f.left - f.right, f.bottom, true,
                                          active, pictures, dpi),
                          f.left, h - f.bottom, "bottom edge"),
                  "");
        int buttonsLeft = w;
        for (const auto& b : skinner_->CaptionButtons())
            if (b->Visible) buttonsLeft = std::min<int>(buttonsLeft, b->Bounds.left);
        const TPixelImage top = RenderFrameEdge(e.BorderTop, w - f.left - f.right, f.title, true,
                                                active, pictures, dpi);
        const int from = skinner_->CaptionRect().Right;
        ASSERT_LT(from, buttonsLeft - 4) << "room between the caption and the buttons";
        EXPECT_EQ(Compare(shot, Crop(top, {from - f.left, 0, buttonsLeft - f.left, f.title}), from,
                          0, "title"),
                  "");
        int shown = 0;
        for (const auto& b : skinner_->CaptionButtons()) {
            if (!b->Visible) continue;
            const int cell = PaintAllCell(active, b->Enabled, skinner_->ElementOf(*b)->Frame);
            EXPECT_EQ(ButtonShows(shot, *b, cell), "");
            ++shown;
        }
        EXPECT_EQ(shown, 3);
    }

    // The cell of a caption button's strip where the shot shows the button; the first
    // mismatch, or "".
    std::string ButtonShows(const TPixelImage& shot, const TWinSysButton& b, int cell) const {
        const TDataSkinSysButton* element = skinner_->ElementOf(b);
        // The picture at the window's density.
        const TPixelImage scaled = PictureAtDpi(element->Image, element->Image2x,
                                                {element->Frame, false, {}}, skinner_->Dpi());
        const TPixelImage picture =
            Crop(scaled, StripCell(scaled, element->Frame, cell, false));
        return Compare(shot, picture, b.Bounds.left, b.Bounds.top,
                       "button " + std::to_string(element->Action) + " cell " +
                           std::to_string(cell));
    }

    // The visible caption button with this Action.
    const TWinSysButton* ButtonOf(int action) const {
        for (const auto& b : skinner_->CaptionButtons())
            if (b->Visible && skinner_->ElementOf(*b)->Action == action) return b.get();
        return nullptr;
    }
    // A screen point inside a caption button, (dx, dy) from its centre.
    POINT OnButton(const TWinSysButton& b, int dx = 0, int dy = 0) const {
        const RECT r = WindowRect();
        return {r.left + (b.Bounds.left + b.Bounds.right) / 2 + dx,
                r.top + (b.Bounds.top + b.Bounds.bottom) / 2 + dy};
    }
    // A point of the caption's text, away from the buttons.
    POINT OnTitle() const {
        const RECT r = WindowRect();
        const TPixelRect c = skinner_->CaptionRect();
        return {r.left + (c.Left + c.Right) / 2, r.top + 13};
    }

    // Runs `inside` from a timer while the system menu is open (a menu's loop runs timers),
    // after `open` has opened it; false when the menu never showed.
    bool WhileSystemMenuOpen(const std::function<void()>& open,
                             const std::function<void(const ui::TPopupMenu&)>& inside) {
        menuTest_ = this;
        menuAction_ = inside;
        menuShown_ = false;
        const UINT_PTR timer = SetTimer(nullptr, 0, 100, MenuTimer);
        open();
        const bool ok = PumpUntil([] { return menuShown_; }, 5s);
        KillTimer(nullptr, timer);
        Pump(300ms);
        return ok;
    }
    static void CALLBACK MenuTimer(HWND, UINT, UINT_PTR, DWORD) {
        const ui::TPopupMenu* popup = menuTest_->skinner_->SystemMenuPopup();
        if (menuShown_ || !popup || !popup->Handle()) return;
        menuShown_ = true;
        menuAction_(*popup);
    }
    static inline SkinnedMainWindow* menuTest_ = nullptr;
    static inline std::function<void(const ui::TPopupMenu&)> menuAction_;
    static inline bool menuShown_ = false;

    // Records WM_CLOSE and keeps the window open.
    void CountCloses() {
        Hook(form_, [this](ui::TMessage& m) {
            if (m.Msg == WM_CLOSE) {
                ++closes_;
                m.Msg = WM_NULL;
            }
        });
    }

    int closes_ = 0;
};

TEST_F(SkinnedMainWindow, FrameRegionAndCaptionButtons) {
    EXPECT_EQ(skinner_->FrameSizes(), (TFrameSizes{4, 26, 4, 4}));
    const RECT r = WindowRect();
    const int w = r.right - r.left, h = r.bottom - r.top;
    EXPECT_EQ(w, 263 + 8);
    EXPECT_EQ(h, 354 + 30);

    // The rounded title corners are cut out of the window.
    const HRGN region = CreateRectRgn(0, 0, 0, 0);
    EXPECT_EQ(GetWindowRgn(window_, region), COMPLEXREGION);
    EXPECT_FALSE(PtInRegion(region, 0, 0));
    EXPECT_FALSE(PtInRegion(region, w - 1, 0));
    EXPECT_TRUE(PtInRegion(region, 0, h / 2));
    EXPECT_TRUE(PtInRegion(region, w / 2, 1));
    EXPECT_TRUE(PtInRegion(region, w - 1, h - 1));
    DeleteObject(region);

    // Close enabled; maximise and minimise shown disabled; no help, no icon on a dialog frame.
    std::vector<std::pair<int, bool>> shown;
    for (const auto& b : skinner_->CaptionButtons())
        if (b->Visible) shown.emplace_back(skinner_->ElementOf(*b)->Action, b->Enabled);
    EXPECT_EQ(shown, (std::vector<std::pair<int, bool>>{{0, true}, {1, false}, {2, false}}));

    // The caption starts 16 pixels left of TextShift: the dialog frame has no icon.
    EXPECT_EQ(skinner_->CaptionRect().Left, 4 + Skin().Title.LeftWidth - 16);

    // A resize to the same size keeps the region.
    const int builds = skinner_->RegionBuilds();
    SetWindowPos(window_, nullptr, 0, 0, w, h, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    SendMessageW(window_, WM_SIZE, SIZE_RESTORED, MAKELPARAM(263, 354));
    EXPECT_EQ(skinner_->RegionBuilds(), builds);
}

// The skin the program carries holds each picture's copy twice the size for denser displays,
// and its load keeps them: the pictures this window is drawn from each have theirs.
TEST_F(SkinnedMainWindow, TheCarriedSkinHasEachPicturesCopyTwiceTheSize) {
    const TSkinElements& e = Skin();
    auto expect_twice = [](const TPixelImage& picture, const TLargePicture& copy,
                           const std::string& what) {
        const TPixelImage& large = copy.Get();
        ASSERT_FALSE(picture.Empty()) << what;
        EXPECT_EQ(large.Width, 2 * picture.Width) << what;
        EXPECT_EQ(large.Height, 2 * picture.Height) << what;
    };
    for (const TDataSkinObject* o : std::initializer_list<const TDataSkinObject*>{
             &e.BorderLeft, &e.BorderTop, &e.BorderRight, &e.BorderBottom, &e.Title, &e.Buttons})
        expect_twice(o->Image, o->Image2x, o->Name);
    expect_twice(e.Buttons.CheckImage, e.Buttons.CheckImage2x, "CheckImage");
    for (int action : {0, 1, 2}) {
        const TWinSysButton* b = ButtonOf(action);
        ASSERT_NE(b, nullptr) << action;
        const TDataSkinObject& element = *skinner_->ElementOf(*b);
        expect_twice(element.Image, element.Image2x, element.Name);
    }
}

TEST_F(SkinnedMainWindow, PaintedFromTheSkinActiveAndInactive) {
    ExpectPaintedFrame(true);
    testing_desktop::SaveScreenshot(L"skinned_main_active");

    // Another window in front: the frame's second pictures and the buttons' inactive cells.
    const HWND other = CreateWindowExW(0, L"Static", L"Other", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 80,
                                       80, 300, 200, nullptr, nullptr, nullptr, nullptr);
    SetForegroundWindow(other);
    ASSERT_TRUE(PumpUntil([&] { return !skinner_->ActiveFlag(); }));
    Pump(300ms);
    ExpectPaintedFrame(false);
    testing_desktop::SaveScreenshot(L"skinned_main_inactive");
    DestroyWindow(other);
}

TEST_F(SkinnedMainWindow, CloseButtonCloses) {
    CountCloses();
    const TWinSysButton* close = ButtonOf(0);
    const TWinSysButton* minimise = ButtonOf(2);
    ASSERT_NE(close, nullptr);
    ASSERT_NE(minimise, nullptr);
    // Minimise is disabled: a click on it does nothing.
    ClickAt(OnButton(*minimise));
    EXPECT_FALSE(IsIconic(window_));
    EXPECT_EQ(closes_, 0);
    ClickAt(OnButton(*close));
    EXPECT_TRUE(PumpUntil([&] { return closes_ == 1; }));
}

TEST_F(SkinnedMainWindow, CloseButtonHotUnderTheMouseAndNormalOnceItLeaves) {
    const TWinSysButton* close = ButtonOf(0);
    ASSERT_NE(close, nullptr);
    const TDataSkinSysButton& element = *skinner_->ElementOf(*close);
    ASSERT_NE(Crop(element.Image, StripCell(element.Image, element.Frame, ncHot, false)),
              Crop(element.Image, StripCell(element.Image, element.Frame, ncNormal, false)))
        << "the hot cell looks like the normal one: the test would see nothing";
    const RECT r = WindowRect();
    const struct {
        const char* away;
        POINT at;
    } cases[] = {
        // Another part of the caption: the mouse's next move over the frame leaves the button.
        {"to the title", OnTitle()},
        // The client area sends no non-client move: the hover timer sees the mouse gone.
        {"into the client area", {r.left + 130, r.top + 200}},
    };
    for (const auto& c : cases) {
        MoveTo(OnButton(*close));
        ASSERT_TRUE(PumpUntil([&] { return skinner_->HotObject() == close; }, 2s)) << c.away;
        EXPECT_EQ(close->State, ncHot);
        EXPECT_EQ(ButtonShows(Screen(), *close, ncHot), "") << c.away;
        testing_desktop::SaveScreenshot(L"skinned_main_close_hot");
        MoveTo(c.at);
        EXPECT_TRUE(PumpUntil([&] { return skinner_->HotObject() == nullptr; }, 2s)) << c.away;
        EXPECT_EQ(close->State, ncNormal) << c.away;
        EXPECT_EQ(ButtonShows(Screen(), *close, ncNormal), "") << c.away;
    }
}

BOOL CALLBACK CollectVisibleHint(HWND w, LPARAM hints) {
    wchar_t name[64] = {};
    GetClassNameW(w, name, 64);
    if (IsWindowVisible(w) && std::wstring(name) == L"THintWindow")
        reinterpret_cast<std::vector<std::wstring>*>(hints)->push_back(
            testing_desktop::WindowText(w));
    return TRUE;
}

// Visible hint windows of this thread, with their texts.
std::vector<std::wstring> VisibleHints() {
    std::vector<std::wstring> hints;
    EnumThreadWindows(GetCurrentThreadId(), CollectVisibleHint, reinterpret_cast<LPARAM>(&hints));
    return hints;
}

TEST_F(SkinnedMainWindow, NoCaptionButtonHints) {
    const TWinSysButton* close = ButtonOf(0);
    ASSERT_NE(close, nullptr);
    // Hovered past the point where a hint would show (twice the hint pause), well before it
    // would hide again.
    const auto pastThePause = std::chrono::milliseconds(2 * app_->HintPause() + 600);
    ASSERT_LT(pastThePause.count(), 2 * app_->HintPause() + app_->HintHidePause());
    MoveTo(OnButton(*close));
    ASSERT_EQ(skinner_->HotObject(), close);
    Pump(pastThePause);
    EXPECT_EQ(skinner_->HotObject(), close);
    EXPECT_EQ(VisibleHints(), std::vector<std::wstring>{});

    // The same hover shows one where the skin asks for caption-button hints, so the look above
    // would have seen it.
    MoveTo(OnTitle());
    form_->SkinData1->Options |= SetOf<TSkinOptions>(xoCaptionButtonHint);
    MoveTo(OnButton(*close));
    Pump(pastThePause);
    EXPECT_EQ(VisibleHints(), std::vector<std::wstring>{L"Close"});
    MoveTo(OnTitle());
    EXPECT_TRUE(PumpUntil([] { return VisibleHints().empty(); }, 2s));
}

TEST_F(SkinnedMainWindow, SystemMenuFromTheCaptionAndAltSpace) {
    CountCloses();
    const RECT r = WindowRect();
    const POINT caption{r.left + 150, r.top + 13};
    std::vector<std::pair<std::intptr_t, bool>> items;
    // A right click on the caption opens it; Escape leaves it without a command.
    ASSERT_TRUE(WhileSystemMenuOpen(
        [&] {
            MoveTo(caption);
            RightClick();
        },
        [&](const ui::TPopupMenu& popup) {
            for (const ui::TMenuItem& item : popup.Items)
                items.emplace_back(item.Tag, item.Enabled);
            EndMenu();
        }));
    EXPECT_EQ(closes_, 0);
    // Move and close enabled; whatever sizes the window stays disabled.
    for (auto [tag, enabled] : items) {
        if (tag == SC_MOVE || tag == SC_CLOSE) {
            EXPECT_TRUE(enabled) << std::hex << tag;
        }
        if (tag == SC_MINIMIZE || tag == SC_MAXIMIZE || tag == SC_RESTORE) {
            EXPECT_FALSE(enabled) << std::hex << tag;
        }
    }
    EXPECT_TRUE(
        std::count(items.begin(), items.end(), std::pair<std::intptr_t, bool>{SC_CLOSE, true}));

    // Alt+Space opens it too; choosing Close with the keyboard closes the window.
    Pump(std::chrono::milliseconds(GetDoubleClickTime() + 50));
    SetForegroundWindow(window_);
    Pump(200ms);
    ASSERT_TRUE(WhileSystemMenuOpen(
        [] {
            INPUT in[4]{};
            const WORD keys[] = {VK_MENU, VK_SPACE, VK_SPACE, VK_MENU};
            for (int i = 0; i < 4; ++i) {
                in[i].type = INPUT_KEYBOARD;
                in[i].ki.wVk = keys[i];
                in[i].ki.dwFlags = i >= 2 ? KEYEVENTF_KEYUP : 0;
            }
            SendInput(4, in, sizeof(INPUT));
        },
        [this](const ui::TPopupMenu& popup) {
            // Down moves over the items that are no separators, from the first.
            for (const ui::TMenuItem& item : popup.Items) {
                if (item.Caption == L"-") continue;
                PostMessageW(window_, WM_KEYDOWN, VK_DOWN, 0);
                if (item.Tag == SC_CLOSE) break;
            }
            PostMessageW(window_, WM_KEYDOWN, VK_RETURN, 0);
        }));
    EXPECT_TRUE(PumpUntil([&] { return closes_ == 1; }));
}

// A double right click from a right click already sent: the second click is made from inside
// the menu the first one opened (a menu's loop runs timers), a few pixels above it and to the
// left of the first, so that it lands on the caption next to the menu. The cursor is moved there
// and the click sent only once the cursor has stayed put, as the X server can put it back for a
// moment with a late motion event. Counts the menus this thread enters meanwhile, and ends one
// still open after four seconds, so a test that leaves one open fails instead of waiting in it.
class SecondRightClick {
public:
    SecondRightClick()
        : hook_(SetWindowsHookExW(WH_CALLWNDPROC, Count, nullptr, GetCurrentThreadId())),
          step_(SetTimer(nullptr, 0, 20, Step)), end_(SetTimer(nullptr, 0, 4000, EndOpenMenu)) {
        entered_ = forcedEnds_ = stable_ = 0;
        open_ = sent_ = false;
        target_.reset();
    }
    ~SecondRightClick() {
        KillTimer(nullptr, end_);
        KillTimer(nullptr, step_);
        UnhookWindowsHookEx(hook_);
    }
    SecondRightClick(const SecondRightClick&) = delete;
    SecondRightClick& operator=(const SecondRightClick&) = delete;
    int Entered() const { return entered_; }
    int ForcedEnds() const { return forcedEnds_; }
    bool Sent() const { return sent_; }

private:
    static LRESULT CALLBACK Count(int code, WPARAM wp, LPARAM lp) {
        if (code == HC_ACTION) {
            const UINT msg = reinterpret_cast<const CWPSTRUCT*>(lp)->message;
            if (msg == WM_ENTERMENULOOP) {
                ++entered_;
                open_ = true;
            }
            if (msg == WM_EXITMENULOOP) open_ = false;
        }
        return CallNextHookEx(nullptr, code, wp, lp);
    }
    // Whether the cursor has been at `p` for the last few steps.
    static bool SettledAt(POINT p) {
        POINT at{};
        GetCursorPos(&at);
        const bool there = std::abs(at.x - p.x) <= 1 && std::abs(at.y - p.y) <= 1;
        stable_ = there ? stable_ + 1 : 0;
        if (!there) ui_test::MoveMouse(p);
        return stable_ >= 3;
    }
    static void CALLBACK Step(HWND, UINT, UINT_PTR, DWORD) {
        if (sent_ || !open_) return;
        const HWND menu = FindWindowW(L"#32768", nullptr);
        if (!menu || !IsWindowVisible(menu)) return;
        if (!target_) {
            RECT r{};
            GetWindowRect(menu, &r);
            POINT first{};
            GetCursorPos(&first);
            target_ = POINT{first.x - 3, r.top - 3};
            stable_ = 0;
        }
        if (!SettledAt(*target_)) return;
        RightClick();
        sent_ = true;
    }
    static void CALLBACK EndOpenMenu(HWND, UINT, UINT_PTR, DWORD) {
        if (!open_) return;
        ++forcedEnds_;
        EndMenu();
    }
    static inline int entered_ = 0;
    static inline int forcedEnds_ = 0;
    static inline int stable_ = 0;
    static inline bool open_ = false;
    static inline bool sent_ = false;
    static inline std::optional<POINT> target_;
    HHOOK hook_;
    UINT_PTR step_;
    UINT_PTR end_;
};

// The main window with a double-click time long enough for the second click to be placed with
// care under a loaded machine; the skinner reads it when it is made.
class SkinnedMainWindowSlowDoubleClick : public SkinnedMainWindow {
protected:
    void SetUp() override {
        SetDoubleClickTime(2000);
        SkinnedMainWindow::SetUp();
    }
    void TearDown() override {
        SkinnedMainWindow::TearDown();
        SetDoubleClickTime(saved_);
    }
    const UINT saved_ = GetDoubleClickTime();
};

TEST_F(SkinnedMainWindowSlowDoubleClick, DoubleRightClickOnTheCaption) {
    CountCloses();
    ASSERT_NE(ButtonOf(0), nullptr);
    const struct {
        const char* what;
        POINT at;
        int closes;
    } cases[] = {
        // Over the caption's text no caption object is under the mouse: the window stays.
        {"over the title", OnTitle(), 0},
        // Over a caption button the second click closes the window.
        {"over the close button", OnButton(*ButtonOf(0), 2, 2), 1},
    };
    for (const auto& c : cases) {
        closes_ = 0;
        MoveTo(c.at);
        SecondRightClick second;
        RightClick();
        EXPECT_TRUE(PumpUntil([&] { return second.Sent(); })) << c.what;
        Pump(500ms);
        EXPECT_EQ(second.Entered(), 1) << c.what;
        EXPECT_EQ(second.ForcedEnds(), 0) << c.what << ": the second click left the menu open";
        EXPECT_EQ(closes_, c.closes) << c.what;
        EXPECT_TRUE(IsWindowVisible(window_)) << c.what;
        // Apart from the next case's clicks.
        Pump(std::chrono::milliseconds(GetDoubleClickTime() + 50));
    }
}

// The popup window's pixels on the screen and where its items are.
struct TShownMenu {
    TPixelImage pixels;
    RECT window{};
    std::vector<RECT> items; // screen coordinates
};

TShownMenu ShownMenu(HMENU menu) {
    TShownMenu shown;
    const HWND popup = FindWindowW(L"#32768", nullptr);
    if (!popup) return shown;
    GetWindowRect(popup, &shown.window);
    HDC screen = GetDC(nullptr);
    shown.pixels = ReadPixels(screen, shown.window);
    ReleaseDC(nullptr, screen);
    for (int i = 0; i < GetMenuItemCount(menu); ++i) {
        RECT r{};
        GetMenuItemRect(nullptr, menu, static_cast<UINT>(i), &r);
        shown.items.push_back(r);
    }
    return shown;
}

TEST_F(SkinnedMainWindow, SystemMenuDrawnFromTheSkin) {
    const TDataSkinObject* background = Skin().MenuBackground.get();
    const TDataSkinObject* itemStrip = Skin().MenuItem.get();
    ASSERT_NE(background, nullptr);
    ASSERT_NE(itemStrip, nullptr);
    const ui::TImageList& glyphs = form_->SkinData1->MenuGlyphs;
    ASSERT_GE(glyphs.Count(), 4) << "the program's menu glyphs";
    TShownMenu shown;
    std::vector<ui::TMenuItem> items;
    const RECT r = WindowRect();
    ASSERT_TRUE(WhileSystemMenuOpen(
        [&] {
            MoveTo({r.left + 150, r.top + 13});
            RightClick();
        },
        [&](const ui::TPopupMenu& popup) {
            // Painted once the menu's loop has run a while.
            MSG m;
            for (int i = 0; i < 20; ++i) {
                while (PeekMessageW(&m, nullptr, WM_PAINT, WM_PAINT, PM_REMOVE))
                    DispatchMessageW(&m);
                Sleep(10);
            }
            shown = ShownMenu(popup.Handle());
            items = popup.Items;
            testing_desktop::SaveScreenshot(L"skinned_main_system_menu");
            EndMenu();
        }));
    ASSERT_EQ(shown.items.size(), items.size());
    ASSERT_GT(shown.pixels.Width, 0);

    // The frame: the MenuBackground picture's fixed corners, as they are.
    const int w = shown.pixels.Width, h = shown.pixels.Height;
    const TPixelImage& bg = background->Image;
    EXPECT_EQ(Compare(shown.pixels, Crop(bg, {0, 0, background->LeftWidth, background->TopHeight}),
                      0, 0, "top-left corner of the menu"),
              "");
    EXPECT_EQ(Compare(shown.pixels,
                      Crop(bg, {bg.Width - background->RightWidth,
                                bg.Height - background->BottomHeight, bg.Width, bg.Height}),
                      w - background->RightWidth, h - background->BottomHeight,
                      "bottom-right corner of the menu"),
              "");

    // The glyphs of restore, maximise, minimise and close, 16 x 16 in the glyph column.
    int glyphsSeen = 0;
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (items[i].ImageIndex < 0) continue;
        TDib expected(16, 16);
        const RECT all{0, 0, 16, 16};
        const ui::GdiHandle<HBRUSH> key(CreateSolidBrush(RGB(255, 0, 255)));
        FillRect(expected.Dc(), &all, key.get());
        glyphs.Draw(expected.Dc(), 0, 0, items[i].ImageIndex);
        TPixelImage glyph = expected.Pixels();
        // A disabled item shows its glyph greyed: only the enabled ones compare as they are.
        if (!items[i].Enabled) continue;
        const RECT& ir = shown.items[i];
        const int x = ir.left - shown.window.left + 1 + itemStrip->LeftWidth;
        const int y = ir.top - shown.window.top + (ir.bottom - ir.top - 16) / 2;
        EXPECT_EQ(
            Compare(shown.pixels, glyph, x, y, "glyph " + std::to_string(items[i].ImageIndex)), "");
        ++glyphsSeen;
    }
    EXPECT_GE(glyphsSeen, 1) << "close is enabled and has a glyph";

    // Items that are not selected: the item strip's normal cell fills their middle, left of the
    // text, or, where the cell leaves its key colour out, the menu's background shows.
    const TPixelImage normalCell = Crop(itemStrip->Image, StripCell(itemStrip->Image, 5, 1, false));
    TPixel cellMiddle = normalCell.At(normalCell.Width / 2, normalCell.Height / 2) & 0xFFFFFF;
    if (cellMiddle == kKey) cellMiddle = bg.At(bg.Width / 2, bg.Height / 2) & 0xFFFFFF;
    int itemsSeen = 0, textItems = 0;
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (items[i].IsSeparator()) continue;
        ++textItems;
        const RECT& ir = shown.items[i];
        const int y = (ir.top + ir.bottom) / 2 - shown.window.top;
        // Right of the glyph column and before the text: 16 + 3 from the column's left.
        const int x = ir.left - shown.window.left + 1 + itemStrip->LeftWidth + 17;
        if ((shown.pixels.At(x, y) & 0xFFFFFF) == cellMiddle) ++itemsSeen;
    }
    EXPECT_EQ(itemsSeen, textItems);
}

TEST_F(SkinnedMainWindow, FixedSystemMenuCommands) {
    // This system reads the window's own system menu; the fixed list's commands are run here
    // as its items would run them, on a window with both boxes listed.
    ASSERT_EQ(FixedSystemMenu({true, 10, 0}, skinner_->CaptionButtonFlags()), std::nullopt);
    CountCloses();
    const auto items =
        FixedSystemMenu({true, 4, 0}, cbHasSystemMenu | cbHasMaximiseBox | cbHasMinimiseBox);
    ASSERT_TRUE(items);
    const auto run = [&](TFixedMenuClick click) {
        for (const TFixedMenuItem& item : *items)
            if (item.click == click) skinner_->FixedSystemMenuClick(item.click);
        Pump(300ms);
    };
    run(TFixedMenuClick::MaximiseToggle);
    EXPECT_TRUE(PumpUntil([&] { return IsZoomed(window_) != FALSE; }, 2s));
    run(TFixedMenuClick::Restore);
    EXPECT_TRUE(PumpUntil([&] { return !IsZoomed(window_); }, 2s));
    run(TFixedMenuClick::MinimiseToggle);
    EXPECT_TRUE(PumpUntil([&] { return IsIconic(window_) != FALSE; }, 2s));
    run(TFixedMenuClick::MinimiseToggle);
    EXPECT_TRUE(PumpUntil([&] { return !IsIconic(window_); }, 2s));
    EXPECT_EQ(closes_, 0);
    run(TFixedMenuClick::Close);
    EXPECT_TRUE(PumpUntil([&] { return closes_ == 1; }, 2s));
}

// The main window's push buttons and check box as their skin controls draw them.
class SkinnedMainWindowButtons : public SkinnedMainWindow {
protected:
    void SetUp() override {
        SkinnedMainWindow::SetUp();
        MoveTo({20, 20});
        Pump(300ms);
    }
    TPixel Face() const { return PixelFromColor(ui::ColorToRGB(Skin().Colors[kButtonFace])); }
    // Frame `frame` of the skin's button strip fitted to the button on the skin colour, keyed
    // from 3 pixels in, where caption and focus rectangle may go, so only the edges of the
    // button are compared.
    TPixelImage ButtonEdges(ui::TControl& b, int frame) const {
        const TDataSkinButton& e = Skin().Buttons;
        TPixelImage face(b.Width(), b.Height(), Face());
        Blit(face, 0, 0,
             RenderNineGrid(b.Width(), b.Height(), e.Image,
                            {e.LeftWidth, e.TopHeight, e.RightWidth, e.BottomHeight}, false,
                            e.Tile == 1, e.Frame, frame),
             e.Trans == 1, kKey);
        FillRect(face, {3, 3, b.Width() - 3, b.Height() - 3}, kKey);
        return face;
    }
    std::string ExpectButton(ui::TWinControl& b, int frame, const std::string& what) {
        return Compare(ScreenOf(b.Handle()), ButtonEdges(b, frame), 0, 0, what);
    }
    // The check box's cell for `frame` at the left edge, vertically centred.
    std::string ExpectCheck(ui::TWinControl& c, int frame, const std::string& what) {
        const TDataSkinButton& e = Skin().Buttons;
        const TPixelImage cell =
            Crop(e.CheckImage, StripCell(e.CheckImage, e.CheckFrames, frame, false));
        return Compare(ScreenOf(c.Handle()), cell, 0, (c.Height() - cell.Height) / 2, what);
    }
};

TEST_F(SkinnedMainWindowButtons, ButtonsAndTheCheckBoxAreDrawnFromTheSkin) {
    ASSERT_EQ(Skin().Buttons.CheckFrames, 12);
    form_->Button2->SetFocus();
    Pump(200ms);
    EXPECT_EQ(ExpectButton(*form_->Button1, 1, "Button1 normal"), "");
    EXPECT_EQ(ExpectButton(*form_->Button2, 5, "Button2 focused"), "");
    EXPECT_EQ(ExpectButton(*form_->Button3, 1, "Button3 normal"), "");
    EXPECT_EQ(ExpectCheck(*form_->CheckBox1, 1, "unchecked"), "");
    form_->CheckBox1->SetChecked(true);
    Pump(200ms);
    EXPECT_EQ(ExpectCheck(*form_->CheckBox1, 5, "checked, 12 frames"), "");
    form_->CheckBox1->SetEnabled(false);
    Pump(200ms);
    EXPECT_EQ(ExpectCheck(*form_->CheckBox1, 8, "checked and disabled"), "");
    form_->CheckBox1->SetEnabled(true);
    form_->CheckBox1->SetChecked(false);

    // "清  空" hot, then pressed; let go away from it, so the list is not cleared.
    ui::TButton& clear = *form_->Button3;
    MoveTo(ui_test::ScreenCentre(clear));
    EXPECT_TRUE(PumpUntil([&] { return ExpectButton(clear, 4, "hot").empty(); }));
    testing_desktop::SaveScreenshot(L"main_window_button_hot");
    MouseButton(MOUSEEVENTF_LEFTDOWN);
    EXPECT_TRUE(PumpUntil([&] { return ExpectButton(clear, 2, "pressed").empty(); }));
    testing_desktop::SaveScreenshot(L"main_window_button_pressed");
    MoveTo({20, 20});
    MouseButton(MOUSEEVENTF_LEFTUP);
    EXPECT_TRUE(
        PumpUntil([&] { return ExpectButton(clear, 5, "focused after the press").empty(); }));
}

// A button that takes the focus is painted once for it: the focus change every button hears
// inside the focused one's WM_SETFOCUS leaves that one to the repaint at the message's end, which
// comes after the system's own drawing of the focus.
TEST_F(SkinnedMainWindowButtons, AButtonTakingTheFocusIsPaintedOnce) {
    form_->Button1->SetFocus();
    Pump(200ms);
    int paints = 0;
    {
        const ui_test::TSentMessages sent;
        ASSERT_TRUE(sent.Counting());
        form_->Button2->SetFocus();
        paints = sent.Count(form_->Button2->Handle(), WM_PAINT);
    }
    EXPECT_EQ(paints, 1);
    Pump(200ms);
    EXPECT_EQ(ExpectButton(*form_->Button2, 5, "Button2 focused"), "");
    EXPECT_EQ(ExpectButton(*form_->Button1, 1, "Button1 normal"), "");
}

// Skinning the main window while it is hidden, as the program does before it shows it, reads
// its icon once, asks each control once whether something skins it already, takes each
// control's visual style once (each a round of WM_THEMECHANGED), cuts the region once and
// paints nothing.
TEST_F(SkinnedMainWindowTest, SkinningTheHiddenWindowDoesEachThingOnce) {
    form_ = new TForm1(app_.get(), description_);
    window_ = form_->Handle();
    ASSERT_FALSE(IsWindowVisible(window_));
    int iconReads = 0;
    std::map<HWND, int> styleChanges, skinnedAsked;
    {
        const ui_test::TSentMessages sent;
        ASSERT_TRUE(sent.Counting());
        ASSERT_TRUE(SkinManage()->SkinFormBeforeShow(*form_));
        iconReads = sent.Count(window_, WM_GETICON);
        styleChanges = sent.Windows(WM_THEMECHANGED);
        skinnedAsked = sent.Windows(SM_ISSKINNED);
    }
    int oneRead = 0;
    {
        const ui_test::TSentMessages sent;
        (void)WindowIconPixels(window_, kBaseDpi);
        oneRead = sent.Count(window_, WM_GETICON);
    }
    EXPECT_GE(oneRead, 1);
    EXPECT_EQ(iconReads, oneRead);
    EXPECT_EQ(styleChanges[form_->Button1->Handle()], 1);
    for (const auto& [window, n] : styleChanges)
        EXPECT_EQ(n, 1) << testing_desktop::WindowText(window);
    EXPECT_EQ(skinnedAsked[form_->ListBox1->Handle()], 1);
    skinnedAsked.erase(window_); // the skin manager's question, before there is a skinner
    for (const auto& [window, n] : skinnedAsked)
        EXPECT_EQ(n, 1) << testing_desktop::WindowText(window);
    skinner_ = dynamic_cast<TWinSkinForm*>(SkinManage()->FindSkinForm(window_));
    ASSERT_TRUE(skinner_);
    EXPECT_EQ(skinner_->RegionBuilds(), 1);
    EXPECT_EQ(skinner_->FramePaints(), 0);
}

} // namespace
