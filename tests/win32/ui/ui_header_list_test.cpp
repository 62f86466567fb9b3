// The header control and the list view read from a description: sections, columns and items
// reach their windows and follow later changes, a click on a section reports it, a width the
// user drags is taken into its section, and a list view keeps its rows across a new view.
#include "tests/win32/ui/ui_test_app.h"
#include "ui/form_binding.h"
#include "ui/header_control.h"
#include "ui/list_view.h"

#include <commctrl.h>

#include <array>
#include <string>
#include <vector>

namespace {

using namespace ui;
using ui_test::AppTest;

class TListTestForm : public ui_test::TTestForm<L"TListTestForm"> {
public:
    explicit TListTestForm(TComponent* owner) : TTestForm(owner) {
        RegisterMethod(L"SectionClicked",
                       TSectionNotifyEvent([this](TPersistent* sender, THeaderSection* s) {
                           clicked.emplace_back(sender, s->Text());
                       }));
    }
    std::vector<std::pair<TPersistent*, std::wstring>> clicked;
};

const char* const kForm = R"(object ListTestForm: TListTestForm
  Left = 150
  Top = 150
  ClientHeight = 220
  ClientWidth = 320
  object Header1: THeaderControl
    Left = 0
    Top = 0
    Width = 320
    Height = 22
    Sections = <
      item
        Text = 'Name'
        Width = 120
      end
      item
        Alignment = taCenter
        Text = 'Size'
        Width = 70
      end
      item
        Alignment = taRightJustify
        Text = 'Date'
      end>
    OnSectionClick = SectionClicked
  end
  object List1: TListView
    Left = 0
    Top = 30
    Width = 320
    Height = 180
    ViewStyle = vsReport
    Columns = <
      item
        Caption = 'Entry'
        Width = 150
      end
      item
        Caption = 'Length'
        Width = 60
      end>
    Items = <
      item
        Caption = 'first'
        SubItems.Strings = (
          '5')
      end
      item
        Caption = 'second'
        SubItems.Strings = (
          '6'
          'extra')
      end>
  end
end
)";

class UiHeaderList : public AppTest {
protected:
    void SetUp() override {
        AppTest::SetUp();
        RegisterStandardClasses();
        form_ = new TListTestForm(app_.get());
        form_->LoadDescription(kForm);
        header_ = dynamic_cast<THeaderControl*>(form_->FindComponent(L"Header1"));
        list_ = dynamic_cast<TListView*>(form_->FindComponent(L"List1"));
        ASSERT_TRUE(header_ && list_);
        form_->Show();
        SetForegroundWindow(form_->Handle());
        Pump(std::chrono::milliseconds(200));
    }
    struct Item {
        std::wstring text;
        int width = 0;
        int format = 0;
        bool operator==(const Item&) const = default;
    };
    Item HeaderItem(int i) {
        std::array<wchar_t, 64> text{};
        HDITEMW item{};
        item.mask = HDI_TEXT | HDI_WIDTH | HDI_FORMAT;
        item.pszText = text.data();
        item.cchTextMax = static_cast<int>(text.size());
        SendMessageW(header_->Handle(), HDM_GETITEMW, static_cast<WPARAM>(i),
                     reinterpret_cast<LPARAM>(&item));
        return {text.data(), item.cxy, item.fmt & HDF_JUSTIFYMASK};
    }
    std::wstring Cell(int row, int column) {
        std::array<wchar_t, 64> text{};
        LVITEMW item{};
        item.iSubItem = column;
        item.pszText = text.data();
        item.cchTextMax = static_cast<int>(text.size());
        SendMessageW(list_->Handle(), LVM_GETITEMTEXTW, static_cast<WPARAM>(row),
                     reinterpret_cast<LPARAM>(&item));
        return text.data();
    }
    int Rows() { return static_cast<int>(SendMessageW(list_->Handle(), LVM_GETITEMCOUNT, 0, 0)); }

    TListTestForm* form_ = nullptr;
    THeaderControl* header_ = nullptr;
    TListView* list_ = nullptr;
};

TEST_F(UiHeaderList, SectionsReachTheHeaderAndFollowChanges) {
    ASSERT_EQ(SendMessageW(header_->Handle(), HDM_GETITEMCOUNT, 0, 0), 3);
    EXPECT_EQ(HeaderItem(0), (Item{L"Name", 120, HDF_LEFT}));
    EXPECT_EQ(HeaderItem(1), (Item{L"Size", 70, HDF_CENTER}));
    EXPECT_EQ(HeaderItem(2), (Item{L"Date", 50, HDF_RIGHT})) << "the default width";

    (*header_->Sections())[1].SetText(L"Bytes");
    header_->Sections()->Add().SetText(L"Kind");
    ASSERT_EQ(SendMessageW(header_->Handle(), HDM_GETITEMCOUNT, 0, 0), 4);
    EXPECT_EQ(HeaderItem(1).text, L"Bytes");
    EXPECT_EQ(HeaderItem(3).text, L"Kind");
    header_->Sections()->Delete(0);
    EXPECT_EQ(HeaderItem(0).text, L"Bytes");
}

TEST_F(UiHeaderList, AClickReportsItsSectionAndADraggedWidthIsKept) {
    RECT r{};
    Header_GetItemRect(header_->Handle(), 1, &r);
    POINT p{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    ClientToScreen(header_->Handle(), &p);
    ClickAt(p);
    ASSERT_EQ(form_->clicked.size(), 1u);
    EXPECT_EQ(form_->clicked[0].first, header_);
    EXPECT_EQ(form_->clicked[0].second, L"Size");

    // What the header reports when the user drags a divider.
    HDITEMW item{};
    item.mask = HDI_WIDTH;
    item.cxy = 95;
    SendMessageW(header_->Handle(), HDM_SETITEMW, 0, reinterpret_cast<LPARAM>(&item));
    EXPECT_EQ((*header_->Sections())[0].Width(), 95);
    EXPECT_EQ(HeaderItem(0).width, 95);
}

TEST_F(UiHeaderList, AReportShowsItsColumnsAndRowsAndKeepsThemAcrossViews) {
    const HWND header = ListView_GetHeader(list_->Handle());
    ASSERT_TRUE(header);
    EXPECT_EQ(SendMessageW(header, HDM_GETITEMCOUNT, 0, 0), 2);
    EXPECT_EQ(ListView_GetColumnWidth(list_->Handle(), 0), 150);
    EXPECT_EQ(ListView_GetColumnWidth(list_->Handle(), 1), 60);
    ASSERT_EQ(Rows(), 2);
    EXPECT_EQ(Cell(0, 0), L"first");
    EXPECT_EQ(Cell(0, 1), L"5");
    EXPECT_EQ(Cell(1, 0), L"second");
    EXPECT_EQ(Cell(1, 1), L"6");

    TListItem& third = list_->Items()->Add();
    third.SetCaption(L"third");
    third.SubItems()->Add(L"5");
    (*list_->Items())[0].SubItems()->Put(0, L"50");
    ASSERT_EQ(Rows(), 3);
    EXPECT_EQ(Cell(2, 0), L"third");
    EXPECT_EQ(Cell(2, 1), L"5");
    EXPECT_EQ(Cell(0, 1), L"50");

    list_->SetViewStyle(TViewStyle::vsList);
    EXPECT_EQ(GetWindowLongW(list_->Handle(), GWL_STYLE) & LVS_TYPEMASK, LVS_LIST);
    ASSERT_EQ(Rows(), 3);
    EXPECT_EQ(Cell(2, 0), L"third");
}

} // namespace
