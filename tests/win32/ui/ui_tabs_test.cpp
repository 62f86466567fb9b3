// Tab controls, page controls and tab sets of the class library, read from a description: the
// tabs shown in the window, the selection kept across the window and changed by a real click
// (OnChange for the user's changes only), pages shown one at a time over the display area, a
// sheet that goes taking its tab with it, the side and style of the tabs, and the tab set's own
// row of tabs.
#include "tests/win32/ui/ui_test_app.h"
#include "ui/page_control.h"
#include "ui/properties.h"
#include "ui/stdctrls.h"
#include "ui/tab_set.h"

#include <commctrl.h>

namespace {

using namespace ui;
using ui_test::AppTest;
using namespace std::chrono_literals;

const char* const kDescription = R"(object TabsForm: TTabsForm
  Left = 200
  Top = 150
  Caption = 'Tabs'
  ClientHeight = 300
  ClientWidth = 500
  object TabControl1: TTabControl
    Left = 10
    Top = 10
    Width = 260
    Height = 120
    TabIndex = 1
    OnChange = Changed
    Tabs.Strings = (
      'One'
      'Two'
      'Three')
  end
  object PageControl1: TPageControl
    Left = 280
    Top = 10
    Width = 200
    Height = 150
    ActivePageIndex = 1
    OnChange = Changed
    object TabSheet1: TTabSheet
      Caption = 'First'
    end
    object TabSheet2: TTabSheet
      Caption = 'Second'
    end
    object TabSheet3: TTabSheet
      Caption = 'Third'
    end
  end
  object TabSet1: TTabSet
    Left = 10
    Top = 200
    Width = 250
    Height = 22
    TabIndex = 0
    OnChange = Changed
    Tabs.Strings = (
      'Red'
      'Green'
      'Blue')
  end
end
)";

class TTabsForm : public ui_test::TTestForm<L"TTabsForm"> {
public:
    explicit TTabsForm(TComponent* owner) : TTestForm(owner) {
        RegisterMethod(L"Changed", TNotifyEvent([this](TPersistent* sender) {
                           changes.push_back(dynamic_cast<TComponent*>(sender)->Name());
                       }));
        LoadDescription(kDescription);
    }
    std::vector<std::wstring> changes;
};

std::vector<std::wstring> WindowTabs(HWND tab) {
    std::vector<std::wstring> texts;
    const int count = static_cast<int>(SendMessageW(tab, TCM_GETITEMCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        wchar_t buffer[64]{};
        TCITEMW item{};
        item.mask = TCIF_TEXT;
        item.pszText = buffer;
        item.cchTextMax = 64;
        SendMessageW(tab, TCM_GETITEMW, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item));
        texts.emplace_back(buffer);
    }
    return texts;
}

// The screen point at the middle of tab `index` of a tab control.
POINT TabCentre(TCustomTabControl& c, int index) {
    RECT r{};
    SendMessageW(c.Handle(), TCM_GETITEMRECT, static_cast<WPARAM>(index),
                 reinterpret_cast<LPARAM>(&r));
    POINT p{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    ClientToScreen(c.Handle(), &p);
    return p;
}

class UiTabs : public AppTest {
protected:
    void SetUp() override {
        AppTest::SetUp();
        RegisterStandardClasses();
        form_ = new TTabsForm(app_.get());
        form_->Show();
        SetForegroundWindow(form_->Handle());
        Pump(300ms);
    }
    TTabsForm* form_ = nullptr;
};

TEST_F(UiTabs, TabControlShowsItsTabsAndTheUsersChoice) {
    auto* tabs = form_->Get<TTabControl>(L"TabControl1");
    HWND wnd = tabs->Handle();
    EXPECT_EQ(WindowTabs(wnd), (std::vector<std::wstring>{L"One", L"Two", L"Three"}));
    EXPECT_EQ(SendMessageW(wnd, TCM_GETCURSEL, 0, 0), 1);
    EXPECT_EQ(GetEnumProp(tabs, L"Style"), L"tsTabs");

    // The program's own changes: no OnChange; an index out of range is refused.
    tabs->SetTabIndex(2);
    EXPECT_EQ(SendMessageW(wnd, TCM_GETCURSEL, 0, 0), 2);
    tabs->SetTabIndex(7);
    EXPECT_EQ(tabs->TabIndex(), 2);
    tabs->Tabs()->Put(0, L"Uno");
    tabs->Tabs()->Add(L"Four");
    EXPECT_EQ(WindowTabs(wnd), (std::vector<std::wstring>{L"Uno", L"Two", L"Three", L"Four"}));
    EXPECT_EQ(SendMessageW(wnd, TCM_GETCURSEL, 0, 0), 2);
    EXPECT_TRUE(form_->changes.empty());

    ClickAt(TabCentre(*tabs, 0));
    EXPECT_EQ(tabs->TabIndex(), 0);
    EXPECT_EQ(form_->changes, std::vector<std::wstring>{L"TabControl1"});

    // Removing the selected last tab keeps a tab selected; the window made again keeps both.
    tabs->SetTabIndex(3);
    tabs->Tabs()->Delete(3);
    EXPECT_EQ(tabs->TabIndex(), 2);
    tabs->SetTabPosition(TTabPosition::tpBottom);
    EXPECT_TRUE(GetWindowLongW(tabs->Handle(), GWL_STYLE) & TCS_BOTTOM);
    EXPECT_EQ(WindowTabs(tabs->Handle()).size(), 3u);
    EXPECT_EQ(SendMessageW(tabs->Handle(), TCM_GETCURSEL, 0, 0), 2);
}

TEST_F(UiTabs, TabPositionAndStyleGiveTheWindowsStyle) {
    auto* tabs = form_->Get<TTabControl>(L"TabControl1");
    struct Row {
        const wchar_t* position;
        const wchar_t* style;
        DWORD set, clear;
    };
    const Row rows[] = {
        {L"tpTop", L"tsTabs", 0, TCS_BOTTOM | TCS_VERTICAL | TCS_BUTTONS},
        {L"tpBottom", L"tsTabs", TCS_BOTTOM, TCS_VERTICAL},
        {L"tpLeft", L"tsTabs", TCS_VERTICAL | TCS_MULTILINE, TCS_RIGHT},
        {L"tpRight", L"tsTabs", TCS_VERTICAL | TCS_RIGHT | TCS_MULTILINE, 0},
        {L"tpTop", L"tsButtons", TCS_BUTTONS, TCS_FLATBUTTONS},
        {L"tpTop", L"tsFlatButtons", TCS_BUTTONS | TCS_FLATBUTTONS, 0},
    };
    for (const Row& r : rows) {
        ASSERT_TRUE(SetPropValue(tabs, L"TabPosition", r.position));
        ASSERT_TRUE(SetPropValue(tabs, L"Style", r.style));
        const auto style = static_cast<DWORD>(GetWindowLongW(tabs->Handle(), GWL_STYLE));
        EXPECT_EQ(style & r.set, r.set) << r.position << " " << r.style;
        EXPECT_EQ(style & r.clear, 0u) << r.position << " " << r.style;
    }
}

TEST_F(UiTabs, PageControlShowsOnePageOverItsDisplayArea) {
    auto* pages = form_->Get<TPageControl>(L"PageControl1");
    auto* first = form_->Get<TTabSheet>(L"TabSheet1");
    auto* second = form_->Get<TTabSheet>(L"TabSheet2");
    auto* third = form_->Get<TTabSheet>(L"TabSheet3");
    ASSERT_EQ(pages->PageCount(), 3);
    EXPECT_EQ(WindowTabs(pages->Handle()),
              (std::vector<std::wstring>{L"First", L"Second", L"Third"}));
    EXPECT_EQ(pages->ActivePage(), second);
    EXPECT_EQ(third->PageIndex(), 2);
    EXPECT_EQ(third->Parent(), pages);
    EXPECT_TRUE(IsWindowVisible(second->Handle()));
    EXPECT_FALSE(IsWindowVisible(first->Handle()));
    EXPECT_FALSE(IsWindowVisible(third->Handle()));
    const RECT display = pages->DisplayRect();
    EXPECT_EQ(second->BoundsRect().left, display.left);
    EXPECT_EQ(second->BoundsRect().top, display.top);
    EXPECT_EQ(second->BoundsRect().right, display.right);
    EXPECT_EQ(second->BoundsRect().bottom, display.bottom);

    ClickAt(TabCentre(*pages, 2));
    EXPECT_EQ(pages->ActivePage(), third);
    EXPECT_TRUE(IsWindowVisible(third->Handle()));
    EXPECT_FALSE(IsWindowVisible(second->Handle()));
    EXPECT_EQ(form_->changes, std::vector<std::wstring>{L"PageControl1"});
    EXPECT_EQ(third->BoundsRect().top, display.top);

    // A resize lays the active page out again.
    pages->SetBounds(280, 10, 200, 200);
    Pump(50ms);
    EXPECT_EQ(third->BoundsRect().bottom, pages->DisplayRect().bottom);

    // A page's caption is its tab's text.
    first->SetCaption(L"Eins");
    EXPECT_EQ(WindowTabs(pages->Handle())[0], L"Eins");
    pages->SetActivePage(first);
    EXPECT_EQ(pages->ActivePageIndex(), 0);
    EXPECT_EQ(SendMessageW(pages->Handle(), TCM_GETCURSEL, 0, 0), 0);
    EXPECT_TRUE(IsWindowVisible(first->Handle()));
}

TEST_F(UiTabs, ASheetThatGoesTakesItsTab) {
    auto* pages = form_->Get<TPageControl>(L"PageControl1");
    auto* first = form_->Get<TTabSheet>(L"TabSheet1");
    auto* third = form_->Get<TTabSheet>(L"TabSheet3");
    // The active page goes: the one after it comes in its place.
    Free(form_->Get<TTabSheet>(L"TabSheet2"));
    EXPECT_EQ(pages->PageCount(), 2);
    EXPECT_EQ(WindowTabs(pages->Handle()), (std::vector<std::wstring>{L"First", L"Third"}));
    EXPECT_EQ(pages->ActivePage(), third);
    EXPECT_TRUE(IsWindowVisible(third->Handle()));
    // A page before the active one goes: the active page stays active.
    Free(first);
    EXPECT_EQ(pages->ActivePage(), third);
    EXPECT_EQ(SendMessageW(pages->Handle(), TCM_GETCURSEL, 0, 0), 0);
    // A new page joins at the end; the last page goes: none is left to show.
    auto* added = new TTabSheet(form_);
    added->SetCaption(L"New");
    added->SetPageControl(pages);
    EXPECT_EQ(WindowTabs(pages->Handle()), (std::vector<std::wstring>{L"Third", L"New"}));
    EXPECT_EQ(pages->ActivePage(), third);
    Free(third);
    Free(added);
    EXPECT_EQ(pages->PageCount(), 0);
    EXPECT_EQ(pages->ActivePage(), nullptr);
    EXPECT_EQ(SendMessageW(pages->Handle(), TCM_GETITEMCOUNT, 0, 0), 0);
}

TEST_F(UiTabs, PageControlGoesBeforeItsSheets) {
    // The sheets go with the page control's window; none tells the control it left.
    Free(form_->Get<TPageControl>(L"PageControl1"));
    EXPECT_EQ(form_->FindComponent(L"TabSheet1"), nullptr);
    EXPECT_TRUE(errors_.empty());
}

TEST_F(UiTabs, TabSetDrawsItsTabsAndTakesAClick) {
    auto* set = form_->Get<TTabSet>(L"TabSet1");
    EXPECT_EQ(set->Tabs()->Count(), 3);
    const RECT a = set->TabRect(0), b = set->TabRect(1);
    EXPECT_EQ(a.right, b.left);
    EXPECT_GT(a.right - a.left, 16);
    EXPECT_EQ(a.top, 0);
    // The selected tab joins the pages above it in the window's colour; the others do not.
    EXPECT_EQ(ui_test::ScreenPixel(*set, a.left + 3, 0), ColorRef(ColorToRGB(clWindow)));
    EXPECT_EQ(ui_test::ScreenPixel(*set, b.left + 3, 3), ColorRef(ColorToRGB(clBtnFace)));

    POINT p{(b.left + b.right) / 2, (b.top + b.bottom) / 2};
    ClientToScreen(set->Handle(), &p);
    ClickAt(p);
    EXPECT_EQ(set->TabIndex(), 1);
    EXPECT_EQ(form_->changes, std::vector<std::wstring>{L"TabSet1"});
    set->SetTabIndex(5);
    EXPECT_EQ(set->TabIndex(), 1);
    set->Tabs()->Clear();
    EXPECT_EQ(set->TabIndex(), -1);
}

} // namespace
