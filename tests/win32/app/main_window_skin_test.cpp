// The main window drawn by its skin: the skin's frame around the client area, a region cut by
// the frame pictures' key colour, the frame and caption buttons on the screen pixel for pixel
// as the skin's pictures give them (active and inactive), the close button closing the window,
// and the skinned system menu from a right click on the caption and from Alt+Space. Screenshots
// of the active and inactive window are saved for people to look at.
#include "skinned_main_window.h"

#include "dc_pixels.h"
#include "frame_region.h"
#include "image_ops.h"
#include "pixel_draw.h"
#include "skin_data.h"
#include "skin_form.h"
#include "skin_manager.h"
#include "ui/menus.h"
#include "ui_test_app.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace {

using namespace std::chrono_literals;

constexpr TPixel kKey = PixelFromColor(kKeyColor);

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
    // What the screen shows of the window.
    TPixelImage Screen() const {
        const RECT r = WindowRect();
        HDC screen = GetDC(nullptr);
        TPixelImage pixels = ReadPixels(screen, r);
        ReleaseDC(nullptr, screen);
        return pixels;
    }
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
        EXPECT_EQ(Compare(shot, RenderFrameEdge(e.BorderLeft, f.left, h, false, active), 0, 0,
                          "left edge"),
                  "");
        EXPECT_EQ(Compare(shot, RenderFrameEdge(e.BorderRight, f.right, h, false, active),
                          w - f.right, 0, "right edge"),
                  "");
        EXPECT_EQ(
            Compare(shot,
                    RenderFrameEdge(e.BorderBottom, w - f.left - f.right, f.bottom, true, active),
                    f.left, h - f.bottom, "bottom edge"),
            "");
        int buttonsLeft = w;
        for (const auto& b : skinner_->CaptionButtons())
            if (b->Visible) buttonsLeft = std::min<int>(buttonsLeft, b->Bounds.left);
        const TPixelImage top =
            RenderFrameEdge(e.BorderTop, w - f.left - f.right, f.title, true, active);
        const int from = skinner_->CaptionRect().right;
        ASSERT_LT(from, buttonsLeft - 4) << "room between the caption and the buttons";
        EXPECT_EQ(Compare(shot, Crop(top, {from - f.left, 0, buttonsLeft - f.left, f.title}), from,
                          0, "title"),
                  "");
        int shown = 0;
        for (const auto& b : skinner_->CaptionButtons()) {
            if (!b->Visible) continue;
            const TDataSkinSysButton* element = skinner_->ElementOf(*b);
            const int cell = PaintAllCell(active, b->Enabled, element->Frame);
            const TPixelImage picture =
                Crop(element->Image, StripCell(element->Image, element->Frame, cell, false));
            EXPECT_EQ(Compare(shot, picture, b->Bounds.left, b->Bounds.top,
                              "button " + std::to_string(element->Action)),
                      "");
            ++shown;
        }
        EXPECT_EQ(shown, 3);
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
    EXPECT_EQ(skinner_->CaptionRect().left, 4 + Skin().Title.LeftWidth - 16);

    // A resize to the same size keeps the region.
    const int builds = skinner_->RegionBuilds();
    SetWindowPos(window_, nullptr, 0, 0, w, h, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    SendMessageW(window_, WM_SIZE, SIZE_RESTORED, MAKELPARAM(263, 354));
    EXPECT_EQ(skinner_->RegionBuilds(), builds);
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
    const RECT r = WindowRect();
    const TWinSysButton* close = nullptr;
    for (const auto& b : skinner_->CaptionButtons())
        if (b->Visible && skinner_->ElementOf(*b)->Action == 0) close = b.get();
    ASSERT_NE(close, nullptr);
    // Minimise is disabled: a click on it does nothing.
    for (const auto& b : skinner_->CaptionButtons()) {
        if (!b->Visible || skinner_->ElementOf(*b)->Action != 2) continue;
        ClickAt({r.left + (b->Bounds.left + b->Bounds.right) / 2,
                 r.top + (b->Bounds.top + b->Bounds.bottom) / 2});
    }
    EXPECT_FALSE(IsIconic(window_));
    EXPECT_EQ(closes_, 0);
    ClickAt({r.left + (close->Bounds.left + close->Bounds.right) / 2,
             r.top + (close->Bounds.top + close->Bounds.bottom) / 2});
    EXPECT_TRUE(PumpUntil([&] { return closes_ == 1; }));
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
            INPUT in[2]{};
            in[0].type = in[1].type = INPUT_MOUSE;
            in[0].mi.dwFlags = MOUSEEVENTF_RIGHTDOWN;
            in[1].mi.dwFlags = MOUSEEVENTF_RIGHTUP;
            SendInput(2, in, sizeof(INPUT));
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

} // namespace
