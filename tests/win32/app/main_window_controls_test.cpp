// The controls of the main window as the control discovery finds them once the window is
// skinned: which skin control class each is given, and a control tagged to stay plain.
#include "tests/win32/app/skinned_main_window.h"

#include "skin/runtime/skin_messages.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using K = TSkinControlKind;

class MainWindowControls : public SkinnedMainWindowTest {
protected:
    K KindOf(ui::TWinControl* control) const { return skinner_->AssignedKind(control->Handle()); }
};

TEST_F(MainWindowControls, EachControlGetsItsSkinControlClass) {
    ASSERT_NO_FATAL_FAILURE(ShowSkinned());
    EXPECT_EQ(KindOf(form_->Button1), K::Button);
    EXPECT_EQ(KindOf(form_->Button2), K::Button);
    EXPECT_EQ(KindOf(form_->Button3), K::Button);
    EXPECT_EQ(KindOf(form_->CheckBox1), K::CheckBox);
    EXPECT_EQ(KindOf(form_->ComboBox1), K::ComboBox);
    // The list box: its scroll bars.
    EXPECT_EQ(KindOf(form_->ListBox1), K::Scrollbar);
    // The labels and the timer get nothing, nor the hidden memo, which has no window yet: six
    // controls in all.
    EXPECT_FALSE(form_->Memo1->HandleAllocated());
    EXPECT_EQ(skinner_->ControlAssignments().size(), 6u);
    // Its window asked for, the memo gets its scroll bars too.
    EXPECT_EQ(KindOf(form_->Memo1), K::Scrollbar);
    EXPECT_EQ(skinner_->ControlAssignments().size(), 7u);
    for (const auto& a : skinner_->ControlAssignments())
        EXPECT_TRUE(a.control != form_->Label1 && a.control != form_->Label2 &&
                    a.control != form_->Label3);
    // Every skin control made is one the form holds, bound to one of them.
    for (const TSkinControl* c : skinner_->SkinControls())
        EXPECT_NE(skinner_->AssignedKind(c->Handle()), K::None);
}

TEST_F(MainWindowControls, ATaggedControlStaysPlain) {
    // Button2 is the one control stored with tab order 2.
    const std::size_t at = description_.find("TabOrder = 2");
    ASSERT_NE(at, std::string::npos);
    description_.insert(description_.find('\n', at) + 1, "    Tag = 99\n");
    ASSERT_NO_FATAL_FAILURE(ShowSkinned());
    EXPECT_EQ(form_->Button2->Tag(), 99);
    EXPECT_EQ(KindOf(form_->Button2), K::None);
    EXPECT_EQ(KindOf(form_->Button1), K::Button);
    EXPECT_EQ(SendMessageW(form_->Button2->Handle(), SM_ISSKINNED, 0, 0), 0);
}

} // namespace
