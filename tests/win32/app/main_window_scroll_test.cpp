// The main window's list box and key combo box skinned: a long list shows the skin's scroll bar
// over the list box's own and scrolls through it, the hidden memo (without a window until one is
// asked for, then skinned) shows none, the combo's button
// turns hot under the mouse and its list drops down. Screenshots of the window with a long list
// and with the open list are saved for people to look at.
#include "tests/win32/app/skinned_main_window.h"

#include "skin/controls/pickers/skin_combo.h"
#include "skin/controls/scroll/skin_scrollbar.h"
#include "tests/support/desktop.h"
#include "tests/win32/skinned_scroll_pixels.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using namespace std::chrono_literals;

class MainWindowScroll : public SkinnedMainWindowTest {
protected:
    template <class T> static T* Companion(ui::TControl* control) {
        for (ui::TComponent* c : control->Components())
            if (auto* found = dynamic_cast<T*>(c)) return found;
        return nullptr;
    }
    static POINT OnScreen(HWND window, POINT p) {
        ClientToScreen(window, &p);
        return p;
    }
};

TEST_F(MainWindowScroll, LongListShowsTheSkinsScrollBar) {
    ASSERT_NO_FATAL_FAILURE(ShowSkinned());
    auto* skinned = Companion<TSkinScrollbar>(form_->ListBox1);
    ASSERT_NE(skinned, nullptr);
    TWScrollbar* overlay = skinned->Overlays().Vertical();
    EXPECT_FALSE(overlay->Shown()) << "an empty list has no bar";
    EXPECT_FALSE(form_->Memo1->HandleAllocated()) << "the hidden memo has no window yet";
    EXPECT_EQ(Companion<TSkinScrollbar>(form_->Memo1), nullptr);
    form_->Memo1->HandleNeeded();
    auto* memo = Companion<TSkinScrollbar>(form_->Memo1);
    ASSERT_NE(memo, nullptr);

    for (int i = 0; i < 60; ++i)
        form_->ListBox1->Items()->Add(L"第 " + std::to_wstring(i + 1) + L" 条复制的文字");
    ASSERT_TRUE(PumpUntil([&] { return overlay->Shown(); }, 3s));
    EXPECT_FALSE(memo->Overlays().Vertical()->Shown()) << "the memo is hidden";
    EXPECT_FALSE(memo->Overlays().Horizontal()->Shown());

    HWND list = form_->ListBox1->Handle();
    MoveTo(OnScreen(window_, {120, 330}));
    Pump(300ms);
    EXPECT_EQ(FirstDifference(ScreenOf(overlay->Window()),
                              ExpectedBar(form_->SkinData1->Elements(),
                                          VerticalBarLook(list, form_->SkinData1->Elements(),
                                                          kScrollPartNone, false))),
              "");
    testing_desktop::SaveScreenshot(L"main_window_long_list");

    RECT bar{};
    GetWindowRect(overlay->Window(), &bar);
    ClickAt({(bar.left + bar.right) / 2, bar.bottom - 5});
    EXPECT_EQ(SendMessageW(list, LB_GETTOPINDEX, 0, 0), 1);
}

TEST_F(MainWindowScroll, ComboButtonTurnsHotAndItsListDropsDown) {
    ASSERT_NO_FATAL_FAILURE(ShowSkinned());
    auto* skinned = Companion<TSkinComBox>(form_->ComboBox1);
    ASSERT_NE(skinned, nullptr);
    HWND box = form_->ComboBox1->Handle();
    const RECT button = skinned->ButtonRect();
    ASSERT_FALSE(IsRectEmpty(&button));
    const POINT on_button =
        OnScreen(box, {(button.left + button.right) / 2, (button.top + button.bottom) / 2});
    MoveTo(OnScreen(box, {8, 8}));
    EXPECT_FALSE(skinned->Hot());
    MoveTo(on_button);
    EXPECT_TRUE(PumpUntil([&] { return skinned->Hot(); }, 2s));

    ClickAt(on_button);
    ASSERT_TRUE(PumpUntil([&] { return form_->ComboBox1->DroppedDown(); }, 2s));
    Pump(300ms);
    testing_desktop::SaveScreenshot(L"main_window_drop_down");
    form_->ComboBox1->SetDroppedDown(false);
    Pump(200ms);
}

} // namespace
