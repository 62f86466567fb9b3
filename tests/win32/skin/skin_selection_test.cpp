// The selection of skinned lists in the skin's colours under Wine, with the system's scheme set
// to other highlight colours: a list box's selected item wherever it is selected from (a click,
// a key, a selection message), its drawing held back while the selection changes so the
// system's colours never reach the screen, the combo box's dropped list and its field, the list
// view's selected row, and the track bar's ticks. A skin that leaves the colours out keeps the
// system's.
#include "tests/win32/skin/active_skinner.h"
#include "skin/controls/base/skin_control_factory.h"
#include "tests/support/skin_fixture.h"
#include "tests/win32/skinned_scroll_pixels.h"

#include "tests/support/desktop.h"
#include "skin/gdi/dib.h"
#include "ui/color.h"
#include "ui/list_view.h"
#include "ui/stdctrls.h"

#include <gtest/gtest.h>

#include <commctrl.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

using namespace std::chrono_literals;

class TSelectionTestForm : public ui::TForm {
public:
    using ui::TForm::TForm;
    static const ui::TClassInfo& StaticClass() {
        static const ui::TClassInfo info(L"TSelectionTestForm", &ui::TForm::StaticClass());
        return info;
    }
    const ui::TClassInfo& ClassType() const override { return StaticClass(); }
    template <class T> T* Find(const wchar_t* name) const {
        return dynamic_cast<T*>(FindComponent(name));
    }
};

std::vector<std::uint8_t> DefaultSkin() {
    std::ifstream in(std::filesystem::path(testing_desktop::WindowsPath(DEFAULT_SKIN)),
                     std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// A skin that gives its face but leaves the selection and the text to the system.
std::vector<std::uint8_t> SkinWithoutSelection() {
    return skin_fixture::FramedSkin("", "[Colours]\nButtonFace=238,240,244\nScrollbar=232,235,240\n")
        .Pack();
}

const char* const kForm = R"(object SelectionTestForm: TSelectionTestForm
  Left = 200
  Top = 120
  BorderIcons = [biSystemMenu]
  BorderStyle = bsDialog
  Caption = 'Selection'
  ClientHeight = 260
  ClientWidth = 420
  object ListBox1: TListBox
    Left = 8
    Top = 8
    Width = 150
    Height = 120
  end
  object ComboBox1: TComboBox
    Left = 8
    Top = 140
    Width = 150
    Height = 24
    Style = csDropDownList
  end
  object ListView1: TListView
    Left = 170
    Top = 8
    Width = 240
    Height = 120
    ViewStyle = vsReport
    Columns = <
      item
        Caption = 'Entry'
        Width = 120
      end
      item
        Caption = 'Length'
        Width = 80
      end>
  end
  object TrackBar1: TTrackBar
    Left = 170
    Top = 140
    Width = 200
    Height = 40
    Max = 10
    Position = 3
  end
)";

// Other highlight colours for a while, as another Windows colour scheme has them.
class OtherHighlight {
public:
    OtherHighlight() {
        for (const int i : kIndexes)
            saved_.push_back(GetSysColor(i));
        const COLORREF colours[] = {RGB(0, 150, 0), RGB(255, 255, 160)};
        SetSysColors(2, kIndexes, colours);
    }
    ~OtherHighlight() { SetSysColors(2, kIndexes, saved_.data()); }

private:
    static constexpr int kIndexes[2] = {COLOR_HIGHLIGHT, COLOR_HIGHLIGHTTEXT};
    std::vector<COLORREF> saved_;
};

TPixel SystemPixel(int index) {
    const COLORREF c = GetSysColor(index);
    return PixelFromColor(ui::RGBColor(GetRValue(c), GetGValue(c), GetBValue(c)));
}

class SkinSelection : public SkinnedFormTest, public testing::WithParamInterface<bool> {
protected:
    // With the parameter, the default skin (which gives the selection colours); without, a skin
    // that leaves them to the system.
    bool SkinGivesColours() const { return GetParam(); }

    void SetUp() override {
        SkinnedFormTest::SetUp();
        const std::vector<std::uint8_t> skin =
            SkinGivesColours() ? DefaultSkin() : SkinWithoutSelection();
        ASSERT_FALSE(skin.empty()) << DEFAULT_SKIN;
        form_ = new TSelectionTestForm(app_.get());
        form_->LoadDescription(std::string(kForm) + "  object SkinData1: TSkinData\n" +
                               "    Active = True\n" + skin_fixture::StreamLine(skin) +
                               "  end\nend\n");
        list_ = form_->Find<ui::TListBox>(L"ListBox1");
        combo_ = form_->Find<ui::TComboBox>(L"ComboBox1");
        for (int i = 0; i < 12; ++i) {
            list_->Items()->Add(L"entry " + std::to_wstring(i));
            combo_->Items()->Add(L"choice " + std::to_wstring(i));
        }
        auto* view = form_->Find<ui::TListView>(L"ListView1");
        for (int i = 0; i < 4; ++i) {
            ui::TListItem& item = view->Items()->Add();
            item.SetCaption(L"row " + std::to_wstring(i));
            item.SubItems()->Add(std::to_wstring(i * 7));
        }
        skinner_ = ShowSkinned(*form_);
        ASSERT_TRUE(skinner_);
        MoveTo({900, 700});
        Pump(300ms);
    }

    // The colour the selection's back shows in: the skin's, or the system's where it leaves it.
    TPixel SelectionBack() const {
        if (!SkinGivesColours()) return SystemPixel(COLOR_HIGHLIGHT);
        return PixelFromColor(ui::ColorToRGB(Elements().Colors[kHilight]));
    }
    const TSkinElements& Elements() const {
        return form_->Find<TSkinData>(L"SkinData1")->Elements();
    }
    RECT ItemRect(HWND list, int i) const {
        RECT r{};
        SendMessageW(list, LB_GETITEMRECT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&r));
        return r;
    }
    // What the list shows near the right end of item `i`, where no text goes: read through its
    // own DC, which holds what was drawn the moment it was drawn (the screen is brought up to
    // date from it a little later).
    static TPixel ItemBack(HWND list, int i) {
        RECT r{};
        SendMessageW(list, LB_GETITEMRECT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&r));
        HDC dc = GetDC(list);
        const COLORREF c = GetPixel(dc, r.right - 4, (r.top + r.bottom) / 2);
        ReleaseDC(list, dc);
        return PixelFromColor(ui::RGBColor(GetRValue(c), GetGValue(c), GetBValue(c)));
    }
    POINT ItemOnScreen(HWND list, int i) const {
        const RECT r = ItemRect(list, i);
        POINT p{r.left + 20, (r.top + r.bottom) / 2};
        ClientToScreen(list, &p);
        return p;
    }

    TSelectionTestForm* form_ = nullptr;
    TWinSkinForm* skinner_ = nullptr;
    ui::TListBox* list_ = nullptr;
    ui::TComboBox* combo_ = nullptr;
};

TEST_P(SkinSelection, AListBoxShowsItsSelectionInTheSkinsColoursHoweverItIsSelected) {
    const OtherHighlight scheme;
    HWND list = list_->Handle();
    ASSERT_TRUE(SkinControlOf(*skinner_, *list_)) << "the list box is skinned";
    const TPixel unselected = ItemBack(list, 5);

    // A selection message: the list draws the change at once, and so must the skin.
    SendMessageW(list, LB_SETCURSEL, 2, 0);
    EXPECT_EQ(ItemBack(list, 2), SelectionBack()) << "set, at once";
    EXPECT_EQ(ItemBack(list, 1), unselected);

    ClickAt(ItemOnScreen(list, 4));
    EXPECT_EQ(ItemBack(list, 4), SelectionBack()) << "clicked";
    EXPECT_EQ(ItemBack(list, 2), unselected) << "the item selected before";

    ui_test::PressKey(VK_DOWN);
    Pump(100ms);
    EXPECT_EQ(ItemBack(list, 5), SelectionBack()) << "moved with a key";
    EXPECT_EQ(ItemBack(list, 4), unselected);

    // Printed into another DC (as Windows prints a dropped list for its opening animation).
    RECT client{};
    GetClientRect(list, &client);
    TDib print(client.right, client.bottom);
    SendMessageW(list, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(print.Dc()), PRF_CLIENT);
    const RECT printedItem = ItemRect(list, 5);
    EXPECT_EQ(print.Pixels().At(printedItem.right - 4, (printedItem.top + printedItem.bottom) / 2) &
                  0xFFFFFF,
              SelectionBack())
        << "printed";

    // A paint of the whole list shows the same, its text included: no pixel of the item is left
    // in the system's back colour, and its text is in the selection's text colour.
    RedrawWindow(list, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    EXPECT_EQ(ItemBack(list, 5), SelectionBack()) << "painted again";
    EXPECT_EQ(ItemBack(list, 4), unselected);
    if (SkinGivesColours()) {
        RECT item = ItemRect(list, 5);
        MapWindowPoints(list, nullptr, reinterpret_cast<POINT*>(&item), 2);
        Pump(200ms); // the screen catches up with the window
        HDC screen = GetDC(nullptr);
        const TPixelImage shown = ReadPixels(screen, item);
        ReleaseDC(nullptr, screen);
        const TPixel text = PixelFromColor(ui::ColorToRGB(Elements().Colors[kHilightText]));
        EXPECT_EQ(std::count(shown.Pixels.begin(), shown.Pixels.end(),
                             SystemPixel(COLOR_HIGHLIGHT)),
                  0);
        EXPECT_GT(std::count(shown.Pixels.begin(), shown.Pixels.end(), text), 10) << "its text";
    }
}

// The list asks its owner for its colours each time it draws: what it shows at those moments must
// never be the system's selection colour, or that would flash before the skin's.
TEST_P(SkinSelection, TheSystemsColoursNeverReachTheScreenWhileTheSelectionChanges) {
    if (!SkinGivesColours()) GTEST_SKIP() << "the system's colours are the ones shown";
    const OtherHighlight scheme;
    HWND list = list_->Handle();
    std::vector<TPixel> seen;
    Hook(form_, [&](ui::TMessage& m) {
        if (m.Msg == WM_CTLCOLORLISTBOX && reinterpret_cast<HWND>(m.LParam) == list)
            for (const int i : {2, 3})
                seen.push_back(ItemBack(list, i));
    });
    SendMessageW(list, LB_SETCURSEL, 2, 0);
    ClickAt(ItemOnScreen(list, 3));
    ASSERT_FALSE(seen.empty()) << "the list drew";
    for (const TPixel p : seen)
        EXPECT_NE(p, SystemPixel(COLOR_HIGHLIGHT));
    EXPECT_EQ(ItemBack(list, 3), SelectionBack());
}

TEST_P(SkinSelection, TheComboBoxsDroppedListShowsItsSelectionInTheSkinsColours) {
    const OtherHighlight scheme;
    combo_->SetItemIndex(3);
    combo_->SetDroppedDown(true);
    Pump(300ms);
    COMBOBOXINFO info{};
    info.cbSize = sizeof(info);
    ASSERT_TRUE(GetComboBoxInfo(combo_->Handle(), &info));
    const TPixel atOpen = ItemBack(info.hwndList, 3);
    // The mouse over another item selects it.
    MoveTo(ItemOnScreen(info.hwndList, 6));
    Pump(100ms);
    const TPixel hovered = ItemBack(info.hwndList, 6);
    const TPixel left = ItemBack(info.hwndList, 3);
    combo_->SetDroppedDown(false);
    MoveTo({900, 700});
    EXPECT_EQ(atOpen, SelectionBack()) << "the selected choice as the list opens";
    EXPECT_EQ(hovered, SelectionBack()) << "the choice under the mouse";
    EXPECT_NE(left, SelectionBack()) << "the choice it left";
}

// The combo box shows its chosen text highlighted while it has the focus: in the skin's colours,
// whether the focus or the choice changed, and not a moment in the system's.
TEST_P(SkinSelection, TheComboBoxsFieldShowsItsSelectionInTheSkinsColours) {
    const OtherHighlight scheme;
    HWND box = combo_->Handle();
    COMBOBOXINFO info{};
    info.cbSize = sizeof(info);
    ASSERT_TRUE(GetComboBoxInfo(box, &info));
    // Right of the text, inside the field's highlight.
    const POINT at{info.rcItem.right - 4, (info.rcItem.top + info.rcItem.bottom) / 2};
    const auto field = [&] {
        HDC dc = GetDC(box);
        const COLORREF c = GetPixel(dc, at.x, at.y);
        ReleaseDC(box, dc);
        return PixelFromColor(ui::RGBColor(GetRValue(c), GetGValue(c), GetBValue(c)));
    };
    std::vector<TPixel> seen;
    Hook(form_, [&](ui::TMessage& m) {
        if ((m.Msg == WM_CTLCOLOREDIT || m.Msg == WM_CTLCOLORLISTBOX) &&
            reinterpret_cast<HWND>(m.LParam) == box)
            seen.push_back(field());
    });
    combo_->SetItemIndex(2);
    const TPixel unfocused = field();
    combo_->SetFocus();
    Pump(100ms);
    const TPixel focusedLook = field();
    ui_test::PressKey(VK_DOWN);
    Pump(100ms);
    const TPixel afterKey = field();
    const LRESULT chosen = SendMessageW(box, CB_GETCURSEL, 0, 0);
    list_->SetFocus();
    Pump(100ms);
    EXPECT_NE(unfocused, SelectionBack()) << "no highlight without the focus";
    EXPECT_EQ(focusedLook, SelectionBack()) << "focused";
    EXPECT_EQ(afterKey, SelectionBack()) << "another choice by key";
    EXPECT_EQ(chosen, 3);
    EXPECT_EQ(field(), unfocused) << "the focus gone";
    if (SkinGivesColours()) {
        for (const TPixel p : seen)
            EXPECT_NE(p, SystemPixel(COLOR_HIGHLIGHT)) << "the system's colours shown a moment";
    }
}

TEST_P(SkinSelection, AListViewShowsItsSelectedRowInTheSkinsColours) {
    const OtherHighlight scheme;
    auto* view = form_->Find<ui::TListView>(L"ListView1");
    HWND window = view->Handle();
    ASSERT_TRUE(SkinControlOf(*skinner_, *view)) << "the list view is skinned";
    const auto at = [&](int item, int column) {
        RECT r{};
        r.top = column;
        r.left = LVIR_LABEL;
        SendMessageW(window, LVM_GETSUBITEMRECT, static_cast<WPARAM>(item),
                     reinterpret_cast<LPARAM>(&r));
        HDC dc = GetDC(window);
        // Left of the text: the highlight there is as wide as the text.
        const COLORREF c = GetPixel(dc, r.left + 2, (r.top + r.bottom) / 2);
        ReleaseDC(window, dc);
        return PixelFromColor(ui::RGBColor(GetRValue(c), GetGValue(c), GetBValue(c)));
    };
    SendMessageW(window, WM_SYSCOLORCHANGE, 0, 0); // the list view keeps the scheme's colours
    const TPixel plain = at(2, 0);
    view->SetFocus();
    LVITEMW state{};
    state.stateMask = state.state = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageW(window, LVM_SETITEMSTATE, 1, reinterpret_cast<LPARAM>(&state));
    Pump(200ms);
    EXPECT_EQ(at(1, 0), SelectionBack()) << "the selected row's caption";
    EXPECT_EQ(at(2, 0), plain) << "a row not selected";
    EXPECT_EQ(at(1, 1), plain) << "the selected row's other column, which no highlight covers";

    SendMessageW(window, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
    Pump(200ms);
    EXPECT_EQ(at(1, 1), SelectionBack()) << "the other column of a row selected whole";
    EXPECT_EQ(at(2, 1), plain);
}

// The tics are drawn in a colour of the scheme (the dark shadow here): in the skin's where it
// gives one.
TEST_P(SkinSelection, TheTrackBarsTicsAreInTheSkinsColour) {
    auto* bar = form_->Find<ui::TWinControl>(L"TrackBar1");
    HWND window = bar->Handle();
    const int index = COLOR_3DDKSHADOW;
    const COLORREF saved = GetSysColor(index);
    const COLORREF other = RGB(200, 0, 200);
    SetSysColors(1, &index, &other);
    SendMessageW(window, WM_SYSCOLORCHANGE, 0, 0); // the track bar keeps the scheme's colours
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    Pump(200ms);
    RECT client{}, channel{}, thumb{};
    GetClientRect(window, &client);
    SendMessageW(window, TBM_GETCHANNELRECT, 0, reinterpret_cast<LPARAM>(&channel));
    SendMessageW(window, TBM_GETTHUMBRECT, 0, reinterpret_cast<LPARAM>(&thumb));
    const TPixel skinShadow = PixelFromColor(ui::ColorToRGB(Elements().Colors[kButtonDkShadow]));
    const TPixel systemShadow = PixelFromColor(ui::RGBColor(200, 0, 200));
    int ownColour = 0, systemColour = 0;
    HDC dc = GetDC(window);
    for (int y = 0; y < client.bottom; ++y) {
        for (int x = 0; x < client.right; ++x) {
            const POINT p{x, y};
            if (PtInRect(&channel, p) || PtInRect(&thumb, p)) continue;
            const COLORREF c = GetPixel(dc, x, y);
            const TPixel pixel =
                PixelFromColor(ui::RGBColor(GetRValue(c), GetGValue(c), GetBValue(c)));
            ownColour += pixel == skinShadow;
            systemColour += pixel == systemShadow;
        }
    }
    ReleaseDC(window, dc);
    SetSysColors(1, &index, &saved);
    SendMessageW(window, WM_SYSCOLORCHANGE, 0, 0);
    if (SkinGivesColours()) {
        EXPECT_GT(ownColour, 10) << "the tics in the skin's colour";
        EXPECT_EQ(systemColour, 0) << "none in the scheme's";
    } else {
        EXPECT_GT(systemColour, 10) << "the tics in the scheme's colour";
    }
}

INSTANTIATE_TEST_SUITE_P(, SkinSelection, testing::Bool(), [](const auto& info) {
    return info.param ? std::string("SkinColours") : std::string("SystemColours");
});

} // namespace
