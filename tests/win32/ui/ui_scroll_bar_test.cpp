// The stand-alone scroll bar: its range and position kept in the window, scroll requests of the
// bar turned into positions, the handler's say, and a real click on its arrow.
#include "tests/win32/ui/ui_test_app.h"
#include "ui/properties.h"
#include "ui/scroll_bar.h"

#include <vector>

namespace {

using namespace ui;
using ui_test::AppTest;

class UiScrollBar : public AppTest {
protected:
    void SetUp() override {
        AppTest::SetUp();
        form_ = app_->CreateForm<TForm>();
        form_->SetBounds(120, 120, 300, 200);
        bar_ = new TScrollBar(form_);
        bar_->SetParent(form_);
        bar_->SetKind(TScrollBarKind::sbVertical);
        bar_->SetBounds(10, 10, 17, 150);
        bar_->SetMax(99);
        bar_->SetPageSize(10);
        bar_->SetSmallChange(2);
        bar_->SetLargeChange(9);
        bar_->OnChange = [this](TPersistent*) { changes_.push_back(bar_->Position()); };
    }
    SCROLLINFO WindowInfo() {
        SCROLLINFO si{};
        si.cbSize = sizeof(si);
        si.fMask = SIF_ALL;
        GetScrollInfo(bar_->Handle(), SB_CTL, &si);
        return si;
    }
    // What the system sends the parent for a request of the bar; the library reflects it.
    void Request(int code) {
        SendMessageW(form_->Handle(), WM_VSCROLL, static_cast<WPARAM>(code),
                     reinterpret_cast<LPARAM>(bar_->Handle()));
    }
    TForm* form_ = nullptr;
    TScrollBar* bar_ = nullptr;
    std::vector<int> changes_;
};

TEST_F(UiScrollBar, PositionStaysInTheRangeAndReachesTheWindow) {
    struct Row {
        int set, kept;
    };
    const Row rows[] = {{50, 50}, {-5, 0}, {95, 90}, {90, 90}};
    for (const Row& r : rows) {
        bar_->SetPosition(r.set);
        EXPECT_EQ(bar_->Position(), r.kept) << r.set;
        EXPECT_EQ(WindowInfo().nPos, r.kept) << r.set;
    }
    EXPECT_EQ(changes_, (std::vector<int>{50, 0, 90})); // no change, no event
    const SCROLLINFO si = WindowInfo();
    EXPECT_EQ(si.nMax, 99);
    EXPECT_EQ(si.nPage, 10u);
    EXPECT_EQ(GetWindowLongW(bar_->Handle(), GWL_STYLE) & SBS_VERT, SBS_VERT);
}

TEST_F(UiScrollBar, RequestsMoveThePosition) {
    bar_->SetPosition(40);
    struct Row {
        int code, position;
    };
    const Row rows[] = {
        {SB_LINEDOWN, 42}, {SB_LINEUP, 40},    {SB_PAGEDOWN, 49}, {SB_PAGEUP, 40},
        {SB_BOTTOM, 90},   {SB_ENDSCROLL, 90}, {SB_TOP, 0},       {SB_LINEUP, 0},
    };
    for (const Row& r : rows) {
        Request(r.code);
        EXPECT_EQ(bar_->Position(), r.position) << "request " << r.code;
    }
}

TEST_F(UiScrollBar, TheScrollHandlerHasTheLastWord) {
    std::vector<int> codes;
    bar_->OnScroll = [&](TPersistent*, int code, int& position) {
        codes.push_back(code);
        position = 7;
    };
    Request(SB_PAGEDOWN);
    EXPECT_EQ(codes, std::vector<int>{SB_PAGEDOWN});
    EXPECT_EQ(bar_->Position(), 7);
}

TEST_F(UiScrollBar, PropertiesByName) {
    EXPECT_EQ(GetEnumProp(bar_, L"Kind"), L"sbVertical");
    EXPECT_TRUE(SetOrdProp(bar_, L"Position", 30));
    EXPECT_EQ(GetOrdProp(bar_, L"Position"), 30);
    EXPECT_TRUE(SetEnumProp(bar_, L"Kind", L"sbHorizontal"));
    EXPECT_EQ(GetWindowLongW(bar_->Handle(), GWL_STYLE) & SBS_VERT, 0);
    EXPECT_EQ(WindowInfo().nPos, 30); // the new window took the old state
}

TEST_F(UiScrollBar, ClickOnTheDownArrowStepsOnce) {
    form_->Show();
    bar_->SetPosition(10);
    POINT arrow{10 + 8, 10 + 150 - 8};
    ClientToScreen(form_->Handle(), &arrow);
    ClickAt(arrow);
    EXPECT_EQ(bar_->Position(), 12);
}

} // namespace
