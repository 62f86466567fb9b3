// Panels, group boxes and status bars of the class library on a form: bevels and captions
// painted by the panel, the group box's frame with its children without a window painted in it,
// a status bar's panels handed to the status window (edges, texts, looks, the simple panel) and
// its owner-drawn panels drawn by OnDrawPanel, and all three read from a description.
#include "tests/win32/ui/ui_test_app.h"
#include "ui/form_binding.h"
#include "ui/group_box.h"
#include "ui/panel.h"
#include "ui/properties.h"
#include "ui/status_bar.h"

#include <commctrl.h>

#include <string>
#include <vector>

namespace {

using namespace ui;
using ui_test::AppTest;
using namespace std::chrono_literals;

class UiContainers : public AppTest {
protected:
    void SetUp() override {
        AppTest::SetUp();
        form_ = new TForm(app_.get());
        form_->SetBounds(200, 150, 360, 260);
        form_->SetCaption(L"Containers");
    }
    template <class T> T* Add(TWinControl* parent, int left, int top, int width, int height) {
        auto* c = new T(form_);
        c->SetParent(parent);
        c->SetBounds(left, top, width, height);
        return c;
    }
    void ShowForm() {
        form_->Show();
        SetForegroundWindow(form_->Handle());
        Pump(300ms);
    }
    static COLORREF Pixel(TControl& c, int x, int y) { return ui_test::ScreenPixel(c, x, y); }
    // A panel's text as the status window holds it, and its look (the high word).
    static std::pair<std::wstring, int> WindowPanel(TStatusBar& bar, int index) {
        const auto info =
            static_cast<DWORD>(SendMessageW(bar.Handle(), SB_GETTEXTLENGTHW, index, 0));
        std::wstring text(LOWORD(info) + 1, L'\0');
        SendMessageW(bar.Handle(), SB_GETTEXTW, index, reinterpret_cast<LPARAM>(text.data()));
        text.resize(LOWORD(info));
        return {text, HIWORD(info)};
    }

    TForm* form_ = nullptr;
};

TEST_F(UiContainers, APanelPaintsItsColourBevelsAndCaption) {
    auto* raised = Add<TPanel>(form_, 10, 10, 100, 40);
    auto* sunk = Add<TPanel>(form_, 120, 10, 100, 40);
    sunk->SetBevelOuter(TBevelCut::bvLowered);
    sunk->SetBevelInner(TBevelCut::bvRaised);
    sunk->SetColor(0x3060A0);
    sunk->SetCaption(L"Sunk");
    ShowForm();
    const COLORREF light = GetSysColor(COLOR_BTNHIGHLIGHT), dark = GetSysColor(COLOR_BTNSHADOW);
    EXPECT_EQ(Pixel(*raised, 0, 20), light);
    EXPECT_EQ(Pixel(*raised, 99, 20), dark);
    EXPECT_EQ(Pixel(*raised, 50, 5), GetSysColor(COLOR_BTNFACE));
    EXPECT_EQ(Pixel(*sunk, 0, 20), dark) << "outer lowered";
    EXPECT_EQ(Pixel(*sunk, 1, 20), light) << "inner raised";
    EXPECT_EQ(Pixel(*sunk, 98, 20), dark);
    EXPECT_EQ(Pixel(*sunk, 5, 5), ColorRef(0x3060A0));
    // The caption in the middle, in the font's colour.
    int text = 0;
    for (int x = 30; x < 70; ++x)
        for (int y = 12; y < 28; ++y)
            if (Pixel(*sunk, x, y) != ColorRef(0x3060A0)) ++text;
    EXPECT_GT(text, 10);

    sunk->SetBevelOuter(TBevelCut::bvNone);
    sunk->SetBevelInner(TBevelCut::bvNone);
    Pump(100ms);
    EXPECT_EQ(Pixel(*sunk, 0, 20), ColorRef(0x3060A0));
}

TEST_F(UiContainers, AGroupBoxFramesItsChildrenAndPaintsItsLabels) {
    auto* box = Add<TGroupBox>(form_, 10, 10, 150, 90);
    box->SetCaption(L"Group");
    auto* label = Add<TLabel>(box, 10, 40, 60, 17);
    label->SetCaption(L"Inside");
    ShowForm();
    TEXTMETRICW tm{};
    HDC screen = GetDC(nullptr);
    const HGDIOBJ old = SelectObject(screen, box->Font()->Handle());
    GetTextMetricsW(screen, &tm);
    SelectObject(screen, old);
    ReleaseDC(nullptr, screen);
    const int y = tm.tmHeight / 2;
    const COLORREF dark = GetSysColor(COLOR_BTNSHADOW);
    EXPECT_EQ(Pixel(*box, 0, 50), dark) << "the etched frame's left side";
    EXPECT_EQ(Pixel(*box, 100, y), dark) << "its top runs through the caption's middle";
    EXPECT_NE(Pixel(*box, 12, y), dark) << "the caption covers it";
    EXPECT_EQ(Pixel(*box, 70, 5), GetSysColor(COLOR_BTNFACE)) << "above the frame";
    int text = 0;
    for (int x = 0; x < label->Width(); ++x)
        for (int dy = 0; dy < label->Height(); ++dy)
            if (Pixel(*label, x, dy) != GetSysColor(COLOR_BTNFACE)) ++text;
    EXPECT_GT(text, 5) << "the label without a window is painted";
    EXPECT_TRUE(GetWindowLongW(box->Handle(), GWL_STYLE) & WS_CLIPCHILDREN);

    // Right to left: the caption moves to the right, and the window says so.
    box->SetBiDiMode(TBiDiMode::bdRightToLeft);
    Pump(100ms);
    EXPECT_TRUE(GetWindowLongW(box->Handle(), GWL_EXSTYLE) & WS_EX_RIGHT);
    EXPECT_EQ(Pixel(*box, 12, y), dark);
    EXPECT_NE(Pixel(*box, box->Width() - 12, y), dark);
}

TEST_F(UiContainers, StatusBarPanelsReachTheStatusWindow) {
    auto* bar = Add<TStatusBar>(form_, 0, 200, 360, 22);
    TStatusPanel* first = bar->Panels()->Add();
    first->SetText(L"Ready");
    first->SetWidth(100);
    TStatusPanel* second = bar->Panels()->Add();
    second->SetBevel(TStatusPanelBevel::pbRaised);
    second->SetAlignment(TAlignment::taCenter);
    second->SetText(L"Mid");
    second->SetWidth(80);
    TStatusPanel* third = bar->Panels()->Add();
    third->SetBevel(TStatusPanelBevel::pbNone);
    third->SetAlignment(TAlignment::taRightJustify);
    third->SetText(L"End");
    ShowForm();

    int edges[4]{};
    ASSERT_EQ(SendMessageW(bar->Handle(), SB_GETPARTS, 4, reinterpret_cast<LPARAM>(edges)), 3);
    EXPECT_EQ(edges[0], 100);
    EXPECT_EQ(edges[1], 180);
    EXPECT_EQ(edges[2], -1) << "the last panel reaches the bar's end";
    struct Row {
        int index;
        const wchar_t* text;
        int look;
    };
    const Row rows[] = {
        {0, L"Ready", 0},
        {1, L"\tMid", SBT_POPOUT},
        {2, L"\t\tEnd", SBT_NOBORDERS},
    };
    for (const Row& r : rows) {
        const auto [text, look] = WindowPanel(*bar, r.index);
        EXPECT_EQ(text, r.text) << r.index;
        EXPECT_EQ(look & (SBT_POPOUT | SBT_NOBORDERS), r.look) << r.index;
    }
    EXPECT_TRUE(GetWindowLongW(bar->Handle(), GWL_STYLE) & SBARS_SIZEGRIP);

    first->SetWidth(60);
    second->SetText(L"Changed");
    SendMessageW(bar->Handle(), SB_GETPARTS, 4, reinterpret_cast<LPARAM>(edges));
    EXPECT_EQ(edges[0], 60);
    EXPECT_EQ(WindowPanel(*bar, 1).first, L"\tChanged");

    bar->SetSimplePanel(true);
    bar->SetSimpleText(L"Simple");
    EXPECT_TRUE(SendMessageW(bar->Handle(), SB_ISSIMPLE, 0, 0));
    bar->SetSizeGrip(false);
    EXPECT_FALSE(GetWindowLongW(bar->Handle(), GWL_STYLE) & SBARS_SIZEGRIP);
    EXPECT_EQ(bar->Panels()->Count(), 3) << "the panels outlive a new window";
    int again[4]{};
    bar->SetSimplePanel(false);
    EXPECT_EQ(SendMessageW(bar->Handle(), SB_GETPARTS, 4, reinterpret_cast<LPARAM>(again)), 3);
}

TEST_F(UiContainers, TheStatusWindowAsksOnDrawPanelForOwnerDrawnPanels) {
    auto* bar = Add<TStatusBar>(form_, 0, 200, 360, 22);
    bar->Panels()->Add()->SetText(L"Text");
    TStatusPanel* drawn = bar->Panels()->Add();
    drawn->SetStyle(TStatusPanelStyle::psOwnerDraw);
    drawn->SetWidth(120);
    bar->Panels()->Item(0)->SetWidth(100);
    std::vector<TStatusPanel*> asked;
    bar->OnDrawPanel = [&](TPersistent* sender, TStatusPanel* panel, TCanvas& canvas,
                           const RECT& rect) {
        EXPECT_EQ(sender, bar);
        asked.push_back(panel);
        canvas.Brush.SetColor(0x00A050);
        canvas.FillRect(rect);
    };
    ShowForm();
    ASSERT_FALSE(asked.empty());
    for (TStatusPanel* p : asked)
        EXPECT_EQ(p, drawn) << "only the owner-drawn panel";
    EXPECT_EQ(Pixel(*bar, 160, 11), ColorRef(0x00A050));
}

TEST_F(UiContainers, ContainersAreReadFromADescription) {
    RegisterStandardClasses();
    form_->LoadDescription(R"(object Form1: TForm
  Caption = 'Containers'
  object Panel1: TPanel
    Left = 8
    Top = 8
    Width = 100
    Height = 40
    BevelOuter = bvNone
    BevelInner = bvLowered
    BevelWidth = 2
    Caption = 'Panel'
    Alignment = taLeftJustify
    object GroupBox1: TGroupBox
      Caption = 'Group'
    end
  end
  object StatusBar1: TStatusBar
    SimplePanel = True
    SimpleText = 'Simple'
    SizeGrip = False
    Panels = <
      item
        Text = 'One'
        Width = 70
        Bevel = pbRaised
        Alignment = taCenter
      end
      item
        Style = psOwnerDraw
      end>
  end
end
)");
    auto* panel = dynamic_cast<TPanel*>(form_->FindComponent(L"Panel1"));
    auto* group = dynamic_cast<TGroupBox*>(form_->FindComponent(L"GroupBox1"));
    auto* bar = dynamic_cast<TStatusBar*>(form_->FindComponent(L"StatusBar1"));
    ASSERT_TRUE(panel && group && bar);
    EXPECT_EQ(panel->BevelOuter(), TBevelCut::bvNone);
    EXPECT_EQ(panel->BevelInner(), TBevelCut::bvLowered);
    EXPECT_EQ(panel->BevelWidth(), 2);
    EXPECT_EQ(panel->Alignment(), TAlignment::taLeftJustify);
    EXPECT_EQ(group->Parent(), panel);
    EXPECT_TRUE(bar->SimplePanel());
    EXPECT_EQ(bar->SimpleText(), L"Simple");
    EXPECT_FALSE(bar->SizeGrip());
    ASSERT_EQ(bar->Panels()->Count(), 2);
    EXPECT_EQ(bar->Panels()->Item(0)->Text(), L"One");
    EXPECT_EQ(bar->Panels()->Item(0)->Width(), 70);
    EXPECT_EQ(bar->Panels()->Item(0)->Bevel(), TStatusPanelBevel::pbRaised);
    EXPECT_EQ(bar->Panels()->Item(0)->Alignment(), TAlignment::taCenter);
    EXPECT_EQ(bar->Panels()->Item(1)->Style(), TStatusPanelStyle::psOwnerDraw);
    // The class ancestry the skin engine's discovery reads.
    for (const auto& [control, kind] :
         {std::pair<TControl*, const wchar_t*>{panel, L"TCustomPanel"},
          {group, L"TCustomGroupBox"},
          {bar, L"TCustomStatusBar"}})
        EXPECT_EQ(control->ClassType().Parent()->Name(), kind);
}

} // namespace
