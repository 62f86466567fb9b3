// Skinned tab controls, page controls, tab sheets, tab sets and page controls with tab pictures
// on a test form under Wine. The skin's tab frames are two-toned (each frame's upper and lower
// halves a colour of their own) so a pixel tells both the frame and whether it is upside down or
// turned; the pane is a ring around a centre of another colour. Close boxes are pressed with the
// real mouse.
#include "skin/controls/base/skin_control_factory.h"
#include "skin/controls/tabs/skin_adv_page.h"
#include "skin/controls/tabs/skin_tab.h"
#include "skin/controls/tabs/skin_tab31.h"
#include "skin/controls/tabs/skin_tab_btn.h"
#include "skin/controls/tabs/skin_tab_sheet.h"
#include "skin/forms/skin_form.h"
#include "skin/pictures/strip_layout.h"
#include "skin/runtime/skin_data.h"
#include "skin/runtime/skin_manager.h"
#include "skin/runtime/skin_messages.h"
#include "tests/support/skin_fixture.h"
#include "tests/win32/skin/active_skinner.h"

#include "tests/support/desktop.h"
#include "tests/win32/ui/ui_test_app.h"
#include "ui/form_binding.h"
#include "ui/page_control.h"
#include "ui/prop_builders.h"
#include "ui/stdctrls.h"
#include "ui/tab_set.h"

#include <commctrl.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using namespace std::chrono_literals;
using skin_fixture::FrameColour;
using skin_fixture::Skin;
using skin_fixture::StreamLine;
using skin_fixture::Strip;

constexpr int kTabUpper = 5, kTabLower = 6, kButtonStrip = 7;
constexpr TColor kPaneRing = RGBColor(0, 160, 40), kPaneInside = RGBColor(240, 220, 0);
constexpr TColor kFace = RGBColor(10, 20, 30);
constexpr TColor kTabText = RGBColor(200, 0, 0), kActiveTabText = RGBColor(0, 0, 200);

// Five 16 x 16 tab frames, each with its upper half in FrameColour(kTabUpper, k) and its lower
// half in FrameColour(kTabLower, k).
TPixelImage TwoToneTabs() {
    TPixelImage image(16 * 5, 16);
    for (int k = 1; k <= 5; ++k)
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 16; ++x)
                image.At((k - 1) * 16 + x, y) =
                    PixelFromColor(FrameColour(y < 8 ? kTabUpper : kTabLower, k));
    return image;
}

// A 16 x 16 pane: a ring 4 pixels wide around its centre.
TPixelImage Pane() {
    TPixelImage image(16, 16, PixelFromColor(kPaneRing));
    for (int y = 4; y < 12; ++y)
        for (int x = 4; x < 12; ++x)
            image.At(x, y) = PixelFromColor(kPaneInside);
    return image;
}

std::vector<std::uint8_t> TabSkin(bool withTabs) {
    std::string sections = "[Buttons]\nBitmap=button.bmp\n[Colours]\nButtonFace=10 20 30\n";
    if (withTabs)
        // The upper half of each frame keeps its 8 rows; the lower half is stretched.
        sections += "[Tabs]\nImage=tabs.bmp\nBorder=border.bmp\nStyle=0\nTile=0\nTrans=0\n"
                    "TopHeight=8\n"
                    "NormalColour2=200,0,0\nMouseOverColour2=0,0,200\n";
    Skin s = skin_fixture::FramedSkin("", sections);
    s.Image("button.bmp", Strip(kButtonStrip, 5, 12, 12));
    if (withTabs) {
        s.Image("tabs.bmp", TwoToneTabs());
        s.Image("border.bmp", Pane());
    }
    return s.Pack();
}

// A page control that draws its tabs from two pictures of its own.
class TPicturePageControl : public ui::TPageControl {
public:
    using ui::TPageControl::TPageControl;
    static const ui::TClassInfo& StaticClass() {
        using C = TPicturePageControl;
        static const ui::TClassInfo info(
            L"TPicturePageControl", &ui::TPageControl::StaticClass(),
            {
                ui::props::Object(L"TabBackGround", &C::TabBackGround),
                ui::props::Object(L"TabBackGroundActive", &C::TabBackGroundActive),
            });
        return info;
    }
    const ui::TClassInfo& ClassType() const override { return StaticClass(); }
    ui::TBitmap* TabBackGround() const { return normal_.get(); }
    ui::TBitmap* TabBackGroundActive() const { return active_.get(); }

private:
    std::unique_ptr<ui::TBitmap> normal_ = std::make_unique<ui::TBitmap>();
    std::unique_ptr<ui::TBitmap> active_ = std::make_unique<ui::TBitmap>();
};

class TTabTestForm : public ui_test::TTestForm<L"TTabTestForm"> {
public:
    using TTestForm::TTestForm;
};

const char* const kForm = R"(object TabTestForm: TTabTestForm
  Left = 150
  Top = 100
  BorderIcons = [biSystemMenu]
  BorderStyle = bsDialog
  Caption = 'Tabs'
  ClientHeight = 390
  ClientWidth = 560
  object PageControl1: TPageControl
    Left = 10
    Top = 10
    Width = 200
    Height = 110
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
  object PageControl2: TPageControl
    Left = 220
    Top = 10
    Width = 200
    Height = 110
    TabPosition = tpBottom
    object TabSheet4: TTabSheet
      Caption = 'Down'
    end
    object TabSheet5: TTabSheet
      Caption = 'Under'
    end
  end
  object PageControl3: TPageControl
    Left = 10
    Top = 130
    Width = 260
    Height = 100
    Tag = 7777
    object TabSheet6: TTabSheet
      Caption = 'Alpha'
    end
    object TabSheet7: TTabSheet
      Caption = 'Beta'
    end
    object TabSheet8: TTabSheet
      Caption = 'Gamma'
    end
  end
  object PageControl4: TPageControl
    Left = 280
    Top = 130
    Width = 200
    Height = 100
    Style = tsButtons
    object TabSheet9: TTabSheet
      Caption = 'Left'
    end
    object TabSheet10: TTabSheet
      Caption = 'Right'
    end
  end
  object TabControl1: TTabControl
    Left = 10
    Top = 240
    Width = 160
    Height = 110
    TabPosition = tpLeft
    Tabs.Strings = (
      'One'
      'Two')
    TabIndex = 0
    object Label1: TLabel
      Left = 60
      Top = 40
      Width = 30
      Height = 14
      AutoSize = False
      Caption = ' '
      Color = clRed
    end
  end
  object TabControl2: TTabControl
    Left = 180
    Top = 240
    Width = 160
    Height = 110
    TabPosition = tpRight
    Tabs.Strings = (
      'One'
      'Two')
    TabIndex = 1
  end
  object TabControl3: TTabControl
    Left = 10
    Top = 356
    Width = 160
    Height = 30
    Tabs.Strings = (
      'January'
      'February'
      'March'
      'April'
      'May')
    TabIndex = 0
  end
  object TabSet1: TTabSet
    Left = 350
    Top = 240
    Width = 200
    Height = 22
    TabIndex = 1
    Tabs.Strings = (
      'Red'
      'Green'
      'Blue')
  end
  object PicturePages1: TPicturePageControl
    Left = 350
    Top = 280
    Width = 200
    Height = 100
    object TabSheet11: TTabSheet
      Caption = 'Pictures'
    end
  end
)";

class SkinTabsTest : public SkinnedFormFixture<TTabTestForm> {
protected:
    void SetUp() override {
        SkinnedFormTest::SetUp();
        ui::RegisterComponentClass<TPicturePageControl>();
    }
    void Start(bool withTabs) { Start(TabSkin(withTabs)); }
    void Start(const std::vector<std::uint8_t>& skin) {
        form_ = new TTabTestForm(app_.get());
        form_->LoadDescription(std::string(kForm) + "  object SkinData1: TSkinData\n" +
                               "    Active = True\n" + "    Skin3rd.Strings = (\n" +
                               "      'TPicturePageControl=advpagecontrol')\n" + StreamLine(skin) +
                               "  end\nend\n");
        skinner_ = ShowSkinned(*form_);
        ASSERT_TRUE(skinner_);
        ParkMouse();
        Pump(200ms);
    }

    static COLORREF Colour(TColor c) { return ui::ColorRef(c); }
    static COLORREF Upper(int frame) { return Colour(FrameColour(kTabUpper, frame)); }
    static COLORREF Lower(int frame) { return Colour(FrameColour(kTabLower, frame)); }
    static RECT TabRect(ui::TWinControl& c, int index) {
        RECT r{};
        SendMessageW(c.Handle(), TCM_GETITEMRECT, static_cast<WPARAM>(index),
                     reinterpret_cast<LPARAM>(&r));
        return r;
    }
    static COLORREF Pixel(ui::TControl& c, int x, int y) { return ui_test::ScreenPixel(c, x, y); }
};

TEST_F(SkinTabsTest, EachTabbedControlGetsItsSkinControl) {
    Start(true);
    struct Row {
        const wchar_t* name;
        const ui::TClassInfo* cls;
        int variant;
    };
    const Row rows[] = {
        {L"PageControl1", &TSkinTab::StaticClass(), 0},
        {L"PageControl4", &TSkinTabBtn::StaticClass(), 0},
        {L"TabControl1", &TSkinTab::StaticClass(), 2},
        {L"TabSheet1", &TSkinTabSheet::StaticClass(), 0},
        {L"TabSet1", &TSkinTab31::StaticClass(), 0},
        {L"PicturePages1", &TSkinAdvPage::StaticClass(), 4},
    };
    for (const Row& r : rows) {
        const TSkinControl* c = SkinOf(*Get<ui::TControl>(r.name));
        ASSERT_TRUE(c) << testing::PrintToString(r.name);
        EXPECT_EQ(&c->ClassType(), r.cls) << testing::PrintToString(r.name);
        EXPECT_EQ(c->Variant(), r.variant) << testing::PrintToString(r.name);
    }
    EXPECT_TRUE(static_cast<TSkinTab*>(SkinOf(*Get<ui::TControl>(L"PageControl3")))->CloseBoxes());
    EXPECT_FALSE(static_cast<TSkinTab*>(SkinOf(*Get<ui::TControl>(L"PageControl1")))->CloseBoxes());
    EXPECT_EQ(static_cast<TSkinTab*>(SkinOf(*Get<ui::TControl>(L"PageControl2")))->Side(),
              TTabSide::Bottom);
}

TEST_F(SkinTabsTest, PageControlIsPaintedFromTheSkin) {
    Start(true);
    auto& pages = *Get<ui::TPageControl>(L"PageControl1");
    testing_desktop::SaveScreenshot(L"skin_tabs_form");
    // Tabs are drawn one pixel lower than the control puts them: frame 2 for the focused tab,
    // frame 1 for the others, upper half up.
    for (int i = 0; i < 3; ++i) {
        const RECT r = TabRect(pages, i);
        const int frame = i == 0 ? 2 : 1;
        EXPECT_EQ(Pixel(pages, r.left + 2, r.top + 2), Upper(frame)) << i;
        // The pane's top edge covers the tabs' last rows.
        EXPECT_EQ(Pixel(pages, r.left + 2, r.bottom - 5), Lower(frame)) << i;
    }
    // The pane's ring shows around the sheet, which has the skin colour.
    auto& sheet = *Get<ui::TTabSheet>(L"TabSheet1");
    const RECT s = sheet.BoundsRect();
    EXPECT_EQ(Pixel(pages, s.left - 1, s.top + 20), Colour(kPaneRing));
    EXPECT_EQ(Pixel(pages, s.right, s.top + 20), Colour(kPaneRing));
    EXPECT_EQ(Pixel(pages, s.left + 20, s.bottom), Colour(kPaneRing));
    EXPECT_EQ(Pixel(sheet, 5, 5), Colour(kFace));
    EXPECT_EQ(Pixel(sheet, sheet.Width() - 3, sheet.Height() - 3), Colour(kFace));
    // What the pane leaves at the control's edge has the parent's colour, not the control's own
    // background.
    EXPECT_EQ(Pixel(pages, 1, pages.Height() - 1), Colour(kFace));

    // Another page chosen: the frames follow the focus.
    pages.SetActivePageIndex(2);
    Pump(100ms);
    EXPECT_EQ(Pixel(pages, TabRect(pages, 2).left + 2, TabRect(pages, 2).top + 2), Upper(2));
    EXPECT_EQ(Pixel(pages, TabRect(pages, 0).left + 2, TabRect(pages, 0).top + 2), Upper(1));
}

TEST_F(SkinTabsTest, BottomTabsAreUpsideDownAndThePaneKeepsItsMargins) {
    Start(true);
    auto& pages = *Get<ui::TPageControl>(L"PageControl2");
    for (int i = 0; i < 2; ++i) {
        const RECT r = TabRect(pages, i);
        const int frame = i == 0 ? 2 : 1;
        EXPECT_EQ(Pixel(pages, r.left + 2, r.top + 4), Lower(frame)) << i;
        EXPECT_EQ(Pixel(pages, r.left + 2, r.bottom - 2), Upper(frame)) << i;
        // The kept 8 rows are at the bottom now: the margins turned with the picture.
        EXPECT_EQ(Pixel(pages, r.left + 2, r.bottom - 8), Upper(frame)) << i;
        EXPECT_EQ(Pixel(pages, r.left + 2, r.bottom - 9), Lower(frame)) << i;
    }
    RECT display = pages.DisplayRect();
    InflateRect(&display, 4, 4);
    OffsetRect(&display, 0, 1);
    // The ring on every side where it shows beside the sheet (the control cuts the pane where it
    // reaches past its edges), whichever way up the picture is; the sheet in the skin colour.
    const int left = std::max<int>(display.left, 0), top = std::max<int>(display.top, 0);
    const int right = std::min<int>(display.right, pages.Width()) - 1;
    const int bottom = std::min<int>(display.bottom, pages.Height()) - 1;
    const int midX = (left + right) / 2, midY = (top + bottom) / 2;
    struct Row {
        int x, y;
        COLORREF colour;
    };
    const Row rows[] = {
        {left, midY, Colour(kPaneRing)}, {right, midY, Colour(kPaneRing)},
        {midX, top, Colour(kPaneRing)},  {midX, bottom, Colour(kPaneRing)},
        {midX, midY, Colour(kFace)},
    };
    for (const Row& r : rows)
        EXPECT_EQ(Pixel(pages, r.x, r.y), r.colour) << r.x << "," << r.y;
}

TEST_F(SkinTabsTest, SideTabsAreTurnedAndTheTabControlPaintsItsLabel) {
    Start(true);
    // Left tabs: the frame's upper half turned to the left; right tabs: to the right.
    auto& left = *Get<ui::TTabControl>(L"TabControl1");
    const RECT l = TabRect(left, 0);
    EXPECT_EQ(Pixel(left, l.left + 1, (l.top + l.bottom) / 2 + 8), Upper(2));
    EXPECT_EQ(Pixel(left, l.right - 5, (l.top + l.bottom) / 2 + 8), Lower(2));
    auto& right = *Get<ui::TTabControl>(L"TabControl2");
    const RECT r = TabRect(right, 0);
    EXPECT_EQ(Pixel(right, r.right - 2, (r.top + r.bottom) / 2 + 8), Upper(1));
    EXPECT_EQ(Pixel(right, r.left + 4, (r.top + r.bottom) / 2 + 8), Lower(1));
    // The tab control's label, which has no window, is painted with it.
    auto& label = *Get<ui::TLabel>(L"Label1");
    EXPECT_EQ(Pixel(label, 5, 5), Colour(RGBColor(255, 0, 0)));
}

TEST_F(SkinTabsTest, CloseBoxClosesThePageWhenTheFormLetsIt) {
    Start(true);
    auto& pages = *Get<ui::TPageControl>(L"PageControl3");
    auto* tab = static_cast<TSkinTab*>(SkinOf(pages));
    ASSERT_EQ(tab->CloseBoxRects().size(), 3u);
    for (int i = 0; i < 3; ++i) {
        const RECT r = TabRect(pages, i);
        const TPixelRect box = tab->CloseBoxRects()[static_cast<std::size_t>(i)];
        EXPECT_EQ(box, (TPixelRect{r.right - 8, r.top + 3, r.right - 2, r.top + 9})) << i;
        // Its outline in the tab's text colour.
        EXPECT_EQ(Pixel(pages, box.Left, box.Top), Colour(i == 0 ? kActiveTabText : kTabText));
    }
    auto boxCentre = [&](int index) {
        const TPixelRect b = tab->CloseBoxRects()[static_cast<std::size_t>(index)];
        POINT p{(b.Left + b.Right) / 2, (b.Top + b.Bottom) / 2};
        ClientToScreen(pages.Handle(), &p);
        return p;
    };
    std::vector<std::pair<WPARAM, LPARAM>> asked;

    // The form does not answer: the page closes.
    ClickAt(boxCentre(1));
    EXPECT_EQ(pages.PageCount(), 2);
    EXPECT_EQ(form_->FindComponent(L"TabSheet7"), nullptr);
    EXPECT_EQ(SendMessageW(pages.Handle(), TCM_GETITEMCOUNT, 0, 0), 2);

    // The form answers 1: the page stays.
    form_->OnMessage(SM_CLOSETAB, [&](ui::TMessage& m) {
        asked.emplace_back(m.WParam, m.LParam);
        m.Result = 1;
    });
    Pump(100ms);
    ClickAt(boxCentre(1));
    EXPECT_EQ(pages.PageCount(), 2);
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_EQ(asked[0].first, reinterpret_cast<WPARAM>(pages.Handle()));
    EXPECT_EQ(asked[0].second, 1);

    // The form's answer frees the page control itself: nothing is touched afterwards.
    form_->OnMessage(SM_CLOSETAB, [&](ui::TMessage& m) {
        ui::Free(&pages);
        m.Result = 0;
    });
    ClickAt(boxCentre(0));
    EXPECT_EQ(form_->FindComponent(L"PageControl3"), nullptr);
    EXPECT_TRUE(errors_.empty());
}

TEST_F(SkinTabsTest, ButtonTabsAreDrawnFromTheButtonsStrip) {
    Start(true);
    auto& pages = *Get<ui::TPageControl>(L"PageControl4");
    EXPECT_EQ(Pixel(pages, TabRect(pages, 0).left + 2, TabRect(pages, 0).top + 3),
              Colour(FrameColour(kButtonStrip, 2)));
    EXPECT_EQ(Pixel(pages, TabRect(pages, 1).left + 2, TabRect(pages, 1).top + 3),
              Colour(FrameColour(kButtonStrip, 1)));
    // Between the buttons, the skin colour.
    EXPECT_EQ(Pixel(pages, TabRect(pages, 1).right + 1, TabRect(pages, 1).top + 1), Colour(kFace));
}

TEST_F(SkinTabsTest, TabSetHangsItsTabsUpsideDown) {
    Start(true);
    auto& set = *Get<ui::TTabSet>(L"TabSet1");
    const RECT a = set.TabRect(0), b = set.TabRect(1);
    EXPECT_EQ(Pixel(set, a.left + 2, a.top + 1), Lower(1));
    EXPECT_EQ(Pixel(set, a.left + 2, a.bottom - 2), Upper(1));
    EXPECT_EQ(Pixel(set, b.left + 2, b.top + 1), Lower(2));
    EXPECT_EQ(Pixel(set, b.left + 2, b.bottom - 2), Upper(2));
}

TEST_F(SkinTabsTest, ATabSetThatOwnsItsColourGetsItBackWhenSkinningEnds) {
    Start(true);
    constexpr TColor kOwn = 0x00336699;
    auto* set = new ui::TTabSet(form_);
    set->SetColor(kOwn);
    set->SetBounds(350, 270, 200, 22);
    set->SetParent(form_);
    TSkinControlOrder order{TSkinControlKind::Tab31};
    order.ownsColor = true;
    TSkinControlPtr made = MakeSkinControl(order, set);
    ASSERT_TRUE(made);
    made->AttachControl(skinner_, Get<TSkinData>(L"SkinData1"), true, nullptr);
    made->SkinChanged();
    EXPECT_EQ(set->Color(), kFace);
    made->Detach();
    EXPECT_EQ(set->Color(), kOwn);
    made.release(); // the tab set's, freed with it
}

TEST_F(SkinTabsTest, PicturePageControlGetsTheTabFramesAndGivesThemBack) {
    Start(true);
    auto& pages = *Get<TPicturePageControl>(L"PicturePages1");
    struct Row {
        ui::TBitmap* picture;
        int frame;
    };
    const Row rows[] = {{pages.TabBackGround(), 1}, {pages.TabBackGroundActive(), 2}};
    for (const Row& r : rows) {
        ASSERT_EQ(r.picture->Width(), TSkinAdvPage::kPictureWidth);
        ASSERT_EQ(r.picture->Height(), TSkinAdvPage::kPictureHeight);
        EXPECT_EQ(r.picture->Canvas().Pixel(50, 2), Upper(r.frame));
        EXPECT_EQ(r.picture->Canvas().Pixel(50, 18), Lower(r.frame));
    }
    EXPECT_EQ(pages.Color(), kFace); // it owns its colour
    SkinOf(pages)->Detach();
    EXPECT_TRUE(pages.TabBackGround()->Empty());
    EXPECT_TRUE(pages.TabBackGroundActive()->Empty());
    EXPECT_NE(pages.Color(), kFace);
}

// A tab control window of no class-library control (as a foreign dialog has them), skinned
// through its window.
TEST_F(SkinTabsTest, BareTabWindowIsPaintedFromTheSkin) {
    Start(true);
    HWND bare =
        CreateWindowExW(0, WC_TABCONTROLW, L"", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, 10, 240,
                        200, 80, form_->Handle(), nullptr, GetModuleHandleW(nullptr), nullptr);
    ASSERT_TRUE(bare);
    SetWindowPos(bare, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    for (const wchar_t* text : {L"Raw", L"Window"}) {
        TCITEMW item{};
        item.mask = TCIF_TEXT;
        item.pszText = const_cast<wchar_t*>(text);
        SendMessageW(bare, TCM_INSERTITEMW, 9, reinterpret_cast<LPARAM>(&item));
    }
    SendMessageW(bare, TCM_SETCURSEL, 1, 0);
    auto* skinData = dynamic_cast<TSkinData*>(form_->FindComponent(L"SkinData1"));
    ASSERT_TRUE(skinData);
    std::unique_ptr<TSkinTab> tab(new TSkinTab(nullptr));
    tab->AttachWindow(bare, skinData, skinner_, nullptr);
    UpdateWindow(bare);
    Pump(100ms);
    auto pixel = [&](int x, int y) {
        POINT p{x, y};
        ClientToScreen(bare, &p);
        HDC screen = GetDC(nullptr);
        const COLORREF c = GetPixel(screen, p.x, p.y);
        ReleaseDC(nullptr, screen);
        return c;
    };
    RECT r0{}, r1{};
    SendMessageW(bare, TCM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&r0));
    SendMessageW(bare, TCM_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&r1));
    EXPECT_EQ(pixel(r0.left + 2, r0.top + 2), Upper(1));
    EXPECT_EQ(pixel(r1.left + 2, r1.top + 2), Upper(2));
    EXPECT_FALSE(tab->CloseBoxes());
    EXPECT_EQ(SendMessageW(bare, SM_ISSKINNED, 0, 0), 1);
    tab.reset();
    DestroyWindow(bare);
}

// A skin without tabs taken up while the control is skinned: the control paints itself again.
TEST_F(SkinTabsTest, ASkinWithoutTabsLeavesTheControlToItself) {
    Start(true);
    auto& pages = *Get<ui::TPageControl>(L"PageControl1");
    TSkinControl* tab = SkinOf(pages);
    ASSERT_TRUE(tab);
    auto* skinData = dynamic_cast<TSkinData*>(form_->FindComponent(L"SkinData1"));
    skinData->SetSkinStream(TabSkin(false));
    ASSERT_TRUE(skinData->LoadSkin());
    tab->SkinChanged();
    Pump(100ms);
    const RECT r = TabRect(pages, 1);
    EXPECT_EQ(Pixel(pages, r.left + 4, r.top + 4), GetSysColor(COLOR_BTNFACE));
}

// The default skin's tabs, to look at.
TEST_F(SkinTabsTest, TheScrollArrowsOfTabsThatDoNotFitAreSkinned) {
    Start(true);
    auto& tabs = *Get<ui::TWinControl>(L"TabControl3");
    const HWND arrows = FindWindowExW(tabs.Handle(), nullptr, UPDOWN_CLASSW, nullptr);
    ASSERT_TRUE(arrows) << "five tabs in 160 pixels make no scroll arrows";
    tabs.Invalidate();
    ASSERT_TRUE(PumpUntil([&] { return SendMessageW(arrows, SM_ISSKINNED, 0, 0) == 1; }));
    RedrawWindow(tabs.Handle(), nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    Pump(100ms);
    // The skin has no up-down strip: each half is a box in the skin's face colour, drawn over
    // the band, not under it.
    RECT r{};
    GetWindowRect(arrows, &r);
    const HDC screen = GetDC(nullptr);
    const COLORREF inside = GetPixel(screen, r.left + 3, r.top + 3);
    ReleaseDC(nullptr, screen);
    EXPECT_EQ(inside, Colour(kFace));
}

// At the form's density (the process's: the suite runs this at 96, 144 and 192 dpi) the scroll
// arrows of tabs that do not fit keep to the row of tabs, square, and leave the second tab
// uncovered, whatever size the system's metrics would give them; the tabs and the pane are
// drawn from the skin's pictures at the density.
TEST_F(SkinTabsTest, DensityScrollArrowsKeepToTheRowOfTabs) {
    const std::vector<std::uint8_t> skin = testing_desktop::ReadFileBytes(DEFAULT_SKIN);
    ASSERT_FALSE(skin.empty()) << DEFAULT_SKIN;
    Start(skin);
    auto& tabs = *Get<ui::TWinControl>(L"TabControl3");
    const HWND arrows = FindWindowExW(tabs.Handle(), nullptr, UPDOWN_CLASSW, nullptr);
    ASSERT_TRUE(arrows) << "five tabs in 160 pixels make scroll arrows";
    RedrawWindow(tabs.Handle(), nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    Pump(200ms);
    RECT placed{};
    GetWindowRect(arrows, &placed);
    MapWindowPoints(nullptr, tabs.Handle(), reinterpret_cast<POINT*>(&placed), 2);
    const RECT first = TabRect(tabs, 0), second = TabRect(tabs, 1);
    EXPECT_GE(placed.top, first.top) << "inside the row";
    EXPECT_LE(placed.bottom, first.bottom) << "inside the row";
    EXPECT_EQ(placed.right - placed.left, 2 * (placed.bottom - placed.top)) << "square arrows";
    EXPECT_GE(placed.left, second.right) << "the second tab uncovered";
    testing_desktop::SaveScreenshot(L"skin_tabs_density_" + std::to_wstring(skinner_->Dpi()));
}

TEST_F(SkinTabsTest, DefaultSkinScreenshot) {
    const std::vector<std::uint8_t> skin = testing_desktop::ReadFileBytes(DEFAULT_SKIN);
    ASSERT_FALSE(skin.empty()) << DEFAULT_SKIN;
    Start(skin);
    auto& pages = *Get<ui::TPageControl>(L"PageControl1");
    pages.SetActivePageIndex(1);
    Pump(100ms);
    ASSERT_NE(SkinOf(pages), nullptr);
    // The tabs' corners come unstretched from the skin's strip, one pixel lower: the chosen
    // tab's from frame 2 (the default skin's blue top line), the others' from frame 1.
    const TDataSkinObject& tabs = *Get<TSkinData>(L"SkinData1")->Elements().Tabs;
    auto corner = [&](int frame) {
        const TPixelRect cell = StripCell(tabs.Image, tabs.Frame, frame, false);
        return Colour(ColorFromPixel(tabs.Image.At(cell.Left + 2, cell.Top + 1)));
    };
    ASSERT_NE(corner(1), corner(2));
    for (int i = 0; i < 3; ++i) {
        const RECT r = TabRect(pages, i);
        EXPECT_EQ(Pixel(pages, r.left + 2, r.top + 2), corner(i == 1 ? 2 : 1)) << i;
    }
    testing_desktop::SaveScreenshot(L"skin_tabs_default");
}

TEST_F(SkinTabsTest, WithoutTabsInTheSkinTabsKeepTheirStandardLook) {
    Start(false);
    for (const wchar_t* name :
         {L"PageControl1", L"PageControl4", L"TabControl1", L"TabSet1", L"TabSheet1"})
        EXPECT_EQ(SkinOf(*Get<ui::TControl>(name)), nullptr) << testing::PrintToString(name);
    auto& pages = *Get<ui::TPageControl>(L"PageControl1");
    const RECT r = TabRect(pages, 1);
    EXPECT_EQ(Pixel(pages, r.left + 4, r.top + 4), GetSysColor(COLOR_BTNFACE));
    testing_desktop::SaveScreenshot(L"skin_tabs_plain");
}

} // namespace
