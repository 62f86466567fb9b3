// Skinned edits, group boxes, panels and status bars on a test form under Wine: the edit's
// border lines, the group box's frame and caption, containers on the skin colour, status-bar
// panels framed by the skin's edges (every frame a colour of its own, so a pixel tells the
// frame) or by the thin 3-D frame without them, the size grip, owner-drawn panels.
#include "skin/controls/base/skin_control_factory.h"
#include "skin/controls/frames/skin_box.h"
#include "skin/controls/frames/skin_edit.h"
#include "skin/controls/frames/skin_group_box.h"
#include "skin/controls/frames/skin_status_bar.h"
#include "skin/forms/skin_form.h"
#include "skin/runtime/skin_data.h"
#include "skin/runtime/skin_manager.h"
#include "skin/runtime/skin_messages.h"
#include "tests/support/skin_fixture.h"
#include "tests/win32/skin/active_skinner.h"

#include "tests/support/desktop.h"
#include "tests/win32/ui/ui_test_app.h"
#include "ui/extctrls.h"
#include "ui/form_binding.h"
#include "ui/group_box.h"
#include "ui/panel.h"
#include "ui/status_bar.h"
#include "ui/win_handles.h"

#include <gtest/gtest.h>

#include <commctrl.h>
#include <uxtheme.h>

#include <string>
#include <vector>

namespace {

using namespace std::chrono_literals;
using skin_fixture::FrameColour;
using skin_fixture::Skin;
using skin_fixture::StreamLine;
using skin_fixture::Strip;

constexpr int kEdgeStrip = 8, kExtraStrip = 9;
constexpr COLORREF kFace = RGB(10, 20, 30), kBorder = RGB(200, 40, 40), kWhite = 0xFFFFFF;
constexpr COLORREF kOwnerDrawn = RGB(0, 160, 90);

// The framed skin of the other skinner tests with its own face and border colours; with
// `edges`, status-bar edges of three solid frames and extra images of five.
std::vector<std::uint8_t> FramesSkin(bool edges) {
    std::string sections = "[Colours]\nButtonFace=10 20 30\nButtonShadow=200 40 40\n";
    if (edges)
        sections += "[StatusBarEdges]\nImage=edges.bmp\nLeftWidth=2\nTopHeight=2\nRightWidth=2\n"
                    "BottomHeight=2\n[ExtraImages]\nImage=extra.bmp\n";
    Skin s = skin_fixture::FramedSkin("", sections);
    s.Image("edges.bmp", Strip(kEdgeStrip, 3, 8, 8));
    s.Image("extra.bmp", Strip(kExtraStrip, 5, 9, 9));
    return s.Pack();
}

class TFramesTestForm : public ui_test::TTestForm<L"TFramesTestForm"> {
public:
    explicit TFramesTestForm(ui::TComponent* owner) : TTestForm(owner) {
        RegisterMethod(L"DrawPanel",
                       ui::TDrawPanelEvent([this](ui::TPersistent*, ui::TStatusPanel* panel,
                                                  ui::TCanvas& canvas, const RECT& rect) {
                           drawn.push_back({panel, rect});
                           canvas.Brush.SetColor(kOwnerDrawn);
                           canvas.FillRect(rect);
                       }));
    }
    std::vector<std::pair<ui::TStatusPanel*, RECT>> drawn;
};

const char* const kForm = R"(object FramesTestForm: TFramesTestForm
  Left = 200
  Top = 150
  BorderIcons = [biSystemMenu]
  BorderStyle = bsDialog
  Caption = 'Frames'
  ClientHeight = 300
  ClientWidth = 400
  object Edit1: TEdit
    Left = 10
    Top = 10
    Width = 120
    Height = 21
    Text = 'Framed'
  end
  object Edit2: TEdit
    Left = 10
    Top = 40
    Width = 120
    Height = 21
    BorderStyle = bsNone
    Text = 'No border'
  end
  object GroupBox1: TGroupBox
    Left = 150
    Top = 10
    Width = 110
    Height = 70
    Caption = 'Group'
    object Label1: TLabel
      Left = 10
      Top = 30
      Caption = 'Inside'
    end
  end
  object GroupBox2: TGroupBox
    Left = 270
    Top = 10
    Width = 110
    Height = 70
  end
  object GroupBox3: TGroupBox
    Left = 270
    Top = 90
    Width = 110
    Height = 70
    BiDiMode = bdRightToLeft
    Caption = 'Right'
  end
  object Panel1: TPanel
    Left = 10
    Top = 90
    Width = 120
    Height = 50
    Caption = 'Panel'
    BevelOuter = bvLowered
  end
  object RadioGroup1: TRadioGroup
    Left = 150
    Top = 90
    Width = 110
    Height = 70
    Caption = 'Radio'
    ItemIndex = 0
    Items.Strings = (
      'One'
      'Two')
  end
  object StatusBar1: TStatusBar
    Left = 0
    Top = 200
    Width = 400
    Height = 22
    Panels = <
      item
        Text = 'Ready'
        Width = 100
      end
      item
        Bevel = pbRaised
        Width = 80
      end
      item
        Style = psOwnerDraw
        Width = 60
      end
      item
        Bevel = pbNone
        Width = 60
      end
      item
        Alignment = taRightJustify
        Text = 'Right'
      end>
    OnDrawPanel = DrawPanel
  end
  object StatusBar2: TStatusBar
    Left = 0
    Top = 240
    Width = 400
    Height = 22
    SimplePanel = True
    SimpleText = 'Simple'
  end
)";

class SkinFramesTest : public SkinnedFormFixture<TFramesTestForm> {
protected:
    // The form under the skin with or without status-bar edges and extra images.
    void Start(bool edges) {
        form_ = new TFramesTestForm(app_.get());
        form_->LoadDescription(std::string(kForm) + "  object SkinData1: TSkinData\n" +
                               "    Active = True\n" + StreamLine(FramesSkin(edges)) +
                               "  end\nend\n");
        skinner_ = ShowSkinned(*form_);
        ASSERT_TRUE(skinner_);
        Pump(300ms);
    }
    static COLORREF Pixel(ui::TControl& c, int x, int y) { return ui_test::ScreenPixel(c, x, y); }
    static COLORREF Edge(int frame) { return ui::ColorRef(FrameColour(kEdgeStrip, frame)); }
    static COLORREF Extra(int frame) { return ui::ColorRef(FrameColour(kExtraStrip, frame)); }
    // The rectangle the status window has for a panel.
    static RECT Part(ui::TStatusBar& bar, int index) {
        RECT r{};
        SendMessageW(bar.Handle(), SB_GETRECT, static_cast<WPARAM>(index),
                     reinterpret_cast<LPARAM>(&r));
        return r;
    }
    // The height of "0" in a control's font: where a group box's frame runs.
    static int ZeroHeight(ui::TControl& c) {
        HDC screen = GetDC(nullptr);
        const HGDIOBJ old = SelectObject(screen, c.Font()->Handle());
        SIZE size{};
        GetTextExtentPoint32W(screen, L"0", 1, &size);
        SelectObject(screen, old);
        ReleaseDC(nullptr, screen);
        return size.cy;
    }
};

TEST_F(SkinFramesTest, EachControlGetsItsSkinControl) {
    Start(true);
    struct Row {
        const wchar_t* name;
        const ui::TClassInfo* cls;
    };
    const Row rows[] = {
        {L"Edit1", &TSkinEdit::StaticClass()},
        {L"Edit2", &TSkinEdit::StaticClass()},
        {L"GroupBox1", &TSkinGroupBox::StaticClass()},
        {L"Panel1", &TSkinBox::StaticClass()},
        {L"RadioGroup1", &TSkinGroupBox::StaticClass()},
        {L"StatusBar1", &TSkinStatusBar::StaticClass()},
    };
    for (const Row& r : rows) {
        const TSkinControl* c = SkinOf(*Get<ui::TControl>(r.name));
        EXPECT_EQ(c ? &c->ClassType() : nullptr, r.cls) << testing::PrintToString(r.name);
    }
    EXPECT_EQ(SkinOf(*Get<ui::TControl>(L"GroupBox1"))->Variant(), 1);
}

TEST_F(SkinFramesTest, AnEditWithABorderGetsTheBorderLinesOneWithoutKeepsItsLook) {
    Start(true);
    auto& framed = *Get<ui::TControl>(L"Edit1");
    const int y = framed.Height() / 2;
    EXPECT_EQ(Pixel(framed, 0, y), kBorder);
    EXPECT_EQ(Pixel(framed, 1, y), kWhite);
    EXPECT_EQ(Pixel(framed, 2, y), kWhite);
    EXPECT_EQ(Pixel(framed, framed.Width() - 1, 3), kBorder);
    EXPECT_EQ(Pixel(framed, 5, framed.Height() - 1), kBorder);

    // Below its text, at its edge.
    auto& plain = *Get<ui::TControl>(L"Edit2");
    for (int x : {0, 1, 2})
        EXPECT_EQ(Pixel(plain, x, plain.Height() - 2), GetSysColor(COLOR_WINDOW)) << x;

    // The border comes back after the edit paints itself again (focus, typing).
    auto& edit = *Get<ui::TEdit>(L"Edit1");
    edit.SetFocus();
    edit.SetText(L"Typed");
    Pump(150ms);
    EXPECT_EQ(Pixel(framed, 0, y), kBorder);
    EXPECT_EQ(Pixel(framed, 1, y), kWhite);
}

TEST_F(SkinFramesTest, SpinButtonsInsideAnEditAreSkinnedWithIt) {
    Start(true);
    auto& edit = *Get<ui::TEdit>(L"Edit1");
    RECT client{};
    GetClientRect(edit.Handle(), &client);
    const HWND spin =
        CreateWindowExW(0, UPDOWN_CLASSW, L"", WS_CHILD | WS_VISIBLE, client.right - 14, 0, 14,
                        client.bottom, edit.Handle(), nullptr, GetModuleHandleW(nullptr), nullptr);
    ASSERT_TRUE(spin);
    EXPECT_NE(SendMessageW(spin, SM_ISSKINNED, 0, 0), 1);
    // The edit finds them the next time it paints.
    edit.Invalidate();
    EXPECT_TRUE(PumpUntil([&] { return SendMessageW(spin, SM_ISSKINNED, 0, 0) == 1; }));
    DestroyWindow(spin);
}

TEST_F(SkinFramesTest, AnEditPrintsItsBorderAndPaintsItsClientWhenAsked) {
    Start(true);
    auto& edit = *Get<ui::TEdit>(L"Edit1");
    const RECT r{0, 0, edit.Width(), edit.Height()};
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, r.right, r.bottom);
    ReleaseDC(nullptr, screen);
    const HGDIOBJ old = SelectObject(dc, bitmap);
    FillRect(dc, &r, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    SendMessageW(edit.Handle(), WM_PRINT, reinterpret_cast<WPARAM>(dc),
                 PRF_NONCLIENT | PRF_CLIENT | PRF_ERASEBKGND);
    EXPECT_EQ(GetPixel(dc, 0, r.bottom / 2), kBorder);
    EXPECT_EQ(GetPixel(dc, r.right - 1, r.bottom / 2), kBorder);

    FillRect(dc, &r, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    EXPECT_EQ(SendMessageW(edit.Handle(), SM_PAINTCLIENT, reinterpret_cast<WPARAM>(dc), kSkinCheck),
              kSkinCheck);
    EXPECT_EQ(GetPixel(dc, r.right - 10, 2), GetSysColor(COLOR_WINDOW))
        << "the edit's own client paint";
    SelectObject(dc, old);
    DeleteObject(bitmap);
    DeleteDC(dc);
}

TEST_F(SkinFramesTest, GroupBoxesShowTheirFrameAndCaptionOnTheSkinColour) {
    Start(true);
    auto& captioned = *Get<ui::TControl>(L"GroupBox1");
    auto& empty = *Get<ui::TControl>(L"GroupBox2");
    const int y = ZeroHeight(empty) / 2 - 1;
    // An empty caption leaves the top line whole; a caption covers it where its text goes.
    int covered = 0;
    for (int x = 6; x < empty.Width() - 6; ++x) {
        EXPECT_EQ(Pixel(empty, x, y), kBorder) << x;
        if (Pixel(captioned, x, y) != kBorder) ++covered;
    }
    EXPECT_GT(covered, 10);
    // A right-to-left box has its caption at the right.
    auto& right = *Get<ui::TControl>(L"GroupBox3");
    EXPECT_EQ(Pixel(right, 10, y), kBorder);
    EXPECT_NE(Pixel(right, right.Width() - 12, y), kBorder);
    for (ui::TControl* box : {&captioned, &empty}) {
        EXPECT_EQ(Pixel(*box, 1, box->Height() / 2), kBorder) << "left side";
        EXPECT_EQ(Pixel(*box, box->Width() - 2, box->Height() / 2), kBorder) << "right side";
        EXPECT_EQ(Pixel(*box, box->Width() / 2, box->Height() - 2), kBorder) << "bottom";
        EXPECT_EQ(Pixel(*box, 0, 0), kFace) << "outside the round corner";
        EXPECT_EQ(Pixel(*box, box->Width() - 6, box->Height() - 8), kFace) << "inside";
    }
    // Its label, which has no window, is painted with it.
    auto& label = *Get<ui::TControl>(L"Label1");
    int text = 0;
    for (int x = 0; x < label.Width(); ++x)
        for (int dy = 0; dy < label.Height(); ++dy)
            if (Pixel(label, x, dy) != kFace) ++text;
    EXPECT_GT(text, 5);

    auto& radio = *Get<ui::TControl>(L"RadioGroup1");
    EXPECT_EQ(Pixel(radio, 1, radio.Height() / 2), kBorder);
    EXPECT_EQ(Pixel(radio, radio.Width() - 6, radio.Height() - 6), kFace);
}

TEST_F(SkinFramesTest, APanelTakesTheSkinColourAndGetsItsOwnBackWhenDetached) {
    Start(true);
    auto& panel = *Get<ui::TPanel>(L"Panel1");
    EXPECT_EQ(Pixel(panel, 6, 6), kFace);
    EXPECT_EQ(Pixel(panel, 0, 6), GetSysColor(COLOR_BTNSHADOW)) << "its own bevel stays";
    auto* box = dynamic_cast<TSkinBox*>(SkinOf(panel));
    ASSERT_TRUE(box);
    EXPECT_EQ(SendMessageW(panel.Handle(), SM_ISSKINNED, 0, 0), 0)
        << "the panel paints itself: its messages are not taken over";
    box->Detach();
    EXPECT_EQ(panel.Color(), ui::clBtnFace);
    EXPECT_EQ(box->LifeState(), TSkinBox::kDetached);
}

TEST_F(SkinFramesTest, StatusBarPanelsAreFramedByTheSkinsEdges) {
    Start(true);
    auto& bar = *Get<ui::TStatusBar>(L"StatusBar1");
    const int mid = bar.Height() / 2;
    const RECT ready = Part(bar, 0), raised = Part(bar, 1), none = Part(bar, 3);
    EXPECT_EQ(Pixel(bar, ready.left, mid), Edge(1)) << "lowered";
    EXPECT_EQ(Pixel(bar, raised.left, mid), Edge(2)) << "raised";
    EXPECT_EQ(Pixel(bar, (raised.left + raised.right) / 2, mid), Edge(2))
        << "an empty panel is framed and filled all the same";
    EXPECT_EQ(Pixel(bar, raised.right + 1, mid), Edge(2)) << "widened over the gap";
    EXPECT_EQ(Pixel(bar, none.left, mid), Edge(3)) << "no bevel";
    EXPECT_EQ(Pixel(bar, bar.Width() - 20, 2), Edge(1)) << "the last panel reaches the end";

    // The size grip: the fifth extra image, one pixel in from the corner.
    EXPECT_EQ(Pixel(bar, bar.Width() - 2 - 4, bar.Height() - 2 - 4), Extra(5));
    EXPECT_NE(Pixel(bar, bar.Width() - 1, bar.Height() - 1), Extra(5));

    // The owner-drawn panel is drawn by the control, inside its frame.
    ASSERT_FALSE(form_->drawn.empty());
    EXPECT_EQ(form_->drawn.back().first, bar.Panels()->Item(2));
    const RECT owner = Part(bar, 2);
    const RECT given = form_->drawn.back().second;
    EXPECT_EQ(given.left, owner.left + 2);
    EXPECT_EQ(given.top, owner.top + 2);
    EXPECT_EQ(given.right, owner.right);
    EXPECT_EQ(Pixel(bar, (owner.left + owner.right) / 2, mid), kOwnerDrawn);
    EXPECT_EQ(Pixel(bar, owner.left, mid), Edge(1));

    auto& simple = *Get<ui::TStatusBar>(L"StatusBar2");
    EXPECT_EQ(Pixel(simple, 0, simple.Height() / 2), Edge(1)) << "one lowered panel";
    EXPECT_EQ(Pixel(simple, simple.Width() - 30, simple.Height() / 2), Edge(1));
    testing_desktop::SaveScreenshot(L"skin_frames_form");
}

TEST_F(SkinFramesTest, WithoutTheSkinsEdgesPanelsGetAThin3DFrameAndNoGrip) {
    Start(false);
    auto& bar = *Get<ui::TStatusBar>(L"StatusBar1");
    const RECT ready = Part(bar, 0), raised = Part(bar, 1), none = Part(bar, 3);
    const COLORREF shadow = GetSysColor(COLOR_BTNSHADOW), light = GetSysColor(COLOR_BTNHIGHLIGHT);
    EXPECT_EQ(Pixel(bar, ready.left, ready.top + 3), shadow) << "lowered: dark left";
    EXPECT_EQ(Pixel(bar, ready.right + 1, ready.top + 3), light) << "lowered: light right";
    EXPECT_EQ(Pixel(bar, ready.left + 3, ready.top), shadow) << "lowered: dark top";
    EXPECT_EQ(Pixel(bar, raised.left, raised.top + 3), light) << "raised, empty: light left";
    EXPECT_EQ(Pixel(bar, raised.left + 3, raised.bottom - 1), shadow) << "raised: dark bottom";
    EXPECT_EQ(Pixel(bar, raised.left + 5, raised.top + 5), kFace);
    EXPECT_EQ(Pixel(bar, none.left, none.top + 3), kFace) << "no bevel, no frame";
    // SBARS_SIZEGRIP without extra images: the corner stays the panel's inside.
    ASSERT_TRUE(GetWindowLongW(bar.Handle(), GWL_STYLE) & SBARS_SIZEGRIP);
    EXPECT_EQ(Pixel(bar, bar.Width() - 3, bar.Height() - 3), kFace);
    testing_desktop::SaveScreenshot(L"skin_frames_plain_form");
}

TEST_F(SkinFramesTest, ABareGroupBoxGetsTheRoundFrameOverTheSystemsOwn) {
    Start(true);
    const HWND group = CreateWindowExW(0, L"BUTTON", L"", WS_CHILD | WS_VISIBLE | BS_GROUPBOX, 10,
                                       150, 100, 40, form_->Handle(), nullptr, nullptr, nullptr);
    ASSERT_TRUE(group);
    TSkinControlOrder order;
    order.kind = TSkinControlKind::GroupBox;
    order.attach = TSkinAttach::Window;
    TSkinControlPtr skinned = MakeSkinControl(order, nullptr);
    ASSERT_TRUE(skinned);
    skinned->AttachWindow(group, Get<TSkinData>(L"SkinData1"), nullptr, nullptr);
    EXPECT_EQ(skinned->Variant(), 0) << "painted after the system";
    RedrawWindow(group, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    Pump(100ms);
    auto pixel = [&](int x, int y) {
        POINT p{x, y};
        ClientToScreen(group, &p);
        HDC screen = GetDC(nullptr);
        const COLORREF colour = GetPixel(screen, p.x, p.y);
        ReleaseDC(nullptr, screen);
        return colour;
    };
    EXPECT_EQ(pixel(0, 20), kFace) << "the system's etched line is covered";
    EXPECT_EQ(pixel(1, 20), kBorder);
    EXPECT_EQ(pixel(98, 20), kBorder);
    EXPECT_EQ(pixel(50, 38), kBorder);
    skinned.reset();
    DestroyWindow(group);
}

TEST_F(SkinFramesTest, ABareContainerWindowIsErasedInTheSkinColour) {
    Start(true);
    // A window of a class the discovery gives TSkinBoxH (a dialog inside a foreign window).
    const HWND dialog = CreateWindowExW(0, L"#32770", L"", WS_CHILD | WS_VISIBLE, 10, 170, 60, 20,
                                        form_->Handle(), nullptr, nullptr, nullptr);
    ASSERT_TRUE(dialog);
    TSkinControlOrder order;
    order.kind = TSkinControlKind::BoxH;
    order.attach = TSkinAttach::Window;
    TSkinControlPtr box = MakeSkinControl(order, nullptr);
    ASSERT_TRUE(box);
    auto* data = Get<TSkinData>(L"SkinData1");
    box->AttachWindow(dialog, data, nullptr, nullptr);
    EXPECT_EQ(&box->ClassType(), &TSkinBoxH::StaticClass());

    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, 60, 20);
    ReleaseDC(nullptr, screen);
    const HGDIOBJ old = SelectObject(dc, bitmap);
    EXPECT_EQ(SendMessageW(dialog, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0), 0);
    EXPECT_EQ(GetPixel(dc, 30, 10), kFace);
    EXPECT_EQ(SendMessageW(dialog, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc), 0),
              reinterpret_cast<LRESULT>(data->FaceBrush()));
    SelectObject(dc, old);
    DeleteObject(bitmap);
    DeleteDC(dc);
    box.reset();
    DestroyWindow(dialog);
}

// Windows draws an edit's border in the non-client paint alone (a frame change; with a visual
// style also when the mouse enters or leaves and at focus changes): the skin's border is back
// over it.
TEST_F(SkinFramesTest, AnEditsBorderSurvivesANonClientPaintOfItsOwn) {
    Start(true);
    auto& framed = *Get<ui::TWinControl>(L"Edit1");
    const int y = framed.Height() / 2;
    SendMessageW(framed.Handle(), WM_NCPAINT, 1, 0);
    EXPECT_EQ(Pixel(framed, 0, y), kBorder);
    EXPECT_EQ(Pixel(framed, 1, y), kWhite);
    EXPECT_EQ(Pixel(framed, framed.Width() - 2, 3), kWhite);
    SetWindowPos(framed.Handle(), nullptr, 0, 0, 0, 0,
                 SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    Pump(100ms);
    EXPECT_EQ(Pixel(framed, 0, y), kBorder);
    EXPECT_EQ(Pixel(framed, 2, y), kWhite);
}

// The visual style of a control goes while the skin paints it, and comes back whenever the skin
// lets go: switched off for a moment, or detached for good. Controls the skin only colours keep
// theirs.
TEST_F(SkinFramesTest, TheSkinTakesAControlsVisualStyleAndGivesItBack) {
    ASSERT_TRUE(IsThemeActive()) << "the test desktop runs with a visual style";
    Start(true);
    const HWND edit = Get<ui::TWinControl>(L"Edit1")->Handle();
    const HWND status = Get<ui::TWinControl>(L"StatusBar1")->Handle();
    EXPECT_EQ(GetWindowTheme(edit), nullptr);
    EXPECT_EQ(GetWindowTheme(status), nullptr);

    SendMessageW(edit, SM_SKINACTIVE, 0, 0);
    EXPECT_NE(GetWindowTheme(edit), nullptr) << "skinning off: the system's look";
    SendMessageW(edit, SM_SKINACTIVE, 1, 0);
    EXPECT_EQ(GetWindowTheme(edit), nullptr);

    skinner_->Detach();
    EXPECT_NE(GetWindowTheme(edit), nullptr);
    EXPECT_NE(GetWindowTheme(status), nullptr);
}

} // namespace
