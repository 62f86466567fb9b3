// Skinned push, glyph, speed, check and radio buttons on a test form under Wine: every state
// painted from the skin's strips (each frame a colour of its own, so a pixel tells the frame),
// hot and pressed following the real mouse, clicks only on a release over the button, Space on
// a focused button, and skinning switched off (the plain look, the same messages) and on again.
#include "skin/controls/buttons/skin_bit_button.h"
#include "skin/controls/base/skin_control_rules.h"
#include "skin/controls/buttons/skin_check_box.h"
#include "skin/forms/skin_form.h"
#include "skin/gdi/dc_pixels.h"
#include "skin/gdi/strip_bitmap.h"
#include "skin/runtime/skin_data.h"
#include "skin/runtime/skin_manager.h"
#include "skin/runtime/skin_messages.h"
#include "tests/support/skin_fixture.h"
#include "tests/win32/skin/active_skinner.h"

#include "tests/support/desktop.h"
#include "tests/win32/ui/ui_test_app.h"
#include "ui/extctrls.h"
#include "ui/form_binding.h"
#include "ui/image_list.h"
#include "ui/scale_measure.h"

#include <gtest/gtest.h>

#include <uxtheme.h>

#include <algorithm>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

using namespace std::chrono_literals;
using skin_fixture::FrameColour;
using skin_fixture::Skin;
using skin_fixture::StreamLine;
using skin_fixture::Strip;

constexpr int kButtonStrip = 5, kCheckStrip = 6, kRadioStrip = 7;
// The check and radio strips' copies twice the size, in colours of their own.
constexpr int kCheck2xStrip = 8, kRadio2xStrip = 9;

// A frame as the other skinner tests have it, and buttons, check boxes and radio buttons whose
// every frame is a solid colour of its own: 5 button frames, 4 check frames, 8 radio frames.
std::vector<std::uint8_t> ButtonSkin() {
    Skin s = skin_fixture::FramedSkin(
        "", "[Buttons]\nBitmap=button.bmp\nCheckButton=check.bmp\nRadioButton=radio.bmp\n"
            "CheckButtonFrame=4\nRadioButtonFrame=8\n"
            "[Colours]\nButtonFace=10 20 30\n");
    s.Image("button.bmp", Strip(kButtonStrip, 5, 12, 12));
    s.Image("check.bmp", Strip(kCheckStrip, 4, 13, 13));
    s.Image("radio.bmp", Strip(kRadioStrip, 8, 13, 13));
    s.Image("check@2x.bmp", Strip(kCheck2xStrip, 4, 26, 26));
    s.Image("radio@2x.bmp", Strip(kRadio2xStrip, 8, 26, 26));
    return s.Pack();
}

// A push button of a class the skin's class-name table maps to the menu button's skin control.
class TMenuButton : public ui::TButton {
public:
    using ui::TButton::TButton;
    static const ui::TClassInfo& StaticClass() {
        static const ui::TClassInfo info(L"TMenuButton", &ui::TButton::StaticClass());
        return info;
    }
    const ui::TClassInfo& ClassType() const override { return StaticClass(); }
};

class TButtonTestForm : public ui_test::TTestForm<L"TButtonTestForm"> {
public:
    explicit TButtonTestForm(ui::TComponent* owner) : TTestForm(owner) {
        RegisterMethod(L"Clicked", ui::TNotifyEvent([this](ui::TPersistent* sender) {
                           clicks.push_back(dynamic_cast<ui::TComponent*>(sender)->Name());
                       }));
    }
    std::vector<std::wstring> clicks;
};

const char* const kForm = R"(object ButtonTestForm: TButtonTestForm
  Left = 200
  Top = 150
  BorderIcons = [biSystemMenu]
  BorderStyle = bsDialog
  Caption = 'Buttons'
  ClientHeight = 260
  ClientWidth = 300
  object ImageList1: TImageList
  end
  object Button1: TButton
    Left = 10
    Top = 10
    Width = 80
    Height = 30
    Caption = 'OK'
    Default = True
    OnClick = Clicked
  end
  object Button2: TButton
    Left = 100
    Top = 10
    Width = 80
    Height = 40
    Caption = 'Two||lines'
    OnClick = Clicked
  end
  object Button3: TButton
    Left = 190
    Top = 10
    Width = 80
    Height = 30
    Caption = 'Off'
    Enabled = False
  end
  object Button4: TMenuButton
    Left = 205
    Top = 60
    Width = 80
    Height = 30
  end
  object Button5: TButton
    Left = 10
    Top = 200
    Width = 80
    Height = 30
    Caption = 'Plain'
    Tag = 99
  end
  object BitBtn1: TBitBtn
    Left = 10
    Top = 60
    Width = 100
    Height = 34
    Caption = 'Glyph'
    Margin = 6
    Spacing = 4
    OnClick = Clicked
  end
  object BitBtn2: TBitBtn
    Left = 95
    Top = 200
    Width = 50
    Height = 30
    Images = ImageList1
    ImageIndex = 1
    DisabledIndex = 0
  end
  object SpeedButton1: TSpeedButton
    Left = 120
    Top = 60
    Width = 70
    Height = 30
    Caption = 'Speed'
    OnClick = Clicked
  end
  object CheckBox1: TCheckBox
    Left = 10
    Top = 110
    Width = 120
    Height = 17
    Caption = 'Unchecked'
    OnClick = Clicked
  end
  object CheckBox2: TCheckBox
    Left = 10
    Top = 130
    Width = 120
    Height = 17
    Caption = 'Checked'
    Checked = True
  end
  object CheckBox3: TCheckBox
    Left = 10
    Top = 150
    Width = 120
    Height = 17
    Caption = 'Grayed'
    AllowGrayed = True
    State = cbGrayed
  end
  object CheckBox4: TCheckBox
    Left = 10
    Top = 170
    Width = 120
    Height = 17
    Caption = 'Checked, off'
    Checked = True
    Enabled = False
  end
  object RadioButton1: TRadioButton
    Left = 150
    Top = 110
    Width = 120
    Height = 17
    Caption = 'One'
    Checked = True
  end
  object RadioButton2: TRadioButton
    Left = 150
    Top = 130
    Width = 120
    Height = 17
    Caption = 'Two'
  end
  object RadioButton3: TRadioButton
    Left = 150
    Top = 150
    Width = 120
    Height = 17
    Caption = 'Off'
    Enabled = False
  end
  object RadioGroup1: TRadioGroup
    Left = 150
    Top = 175
    Width = 130
    Height = 70
    Caption = 'Group'
    ItemIndex = 1
    Items.Strings = (
      'Left'
      'Right')
  end
)";

class SkinButtonsTest : public SkinnedFormFixture<TButtonTestForm> {
protected:
    void SetUp() override {
        SkinnedFormTest::SetUp();
        ui::RegisterComponentClass<TMenuButton>();
        form_ = new TButtonTestForm(app_.get());
        form_->LoadDescription(std::string(kForm) + "  object SkinData1: TSkinData\n" +
                               "    Active = True\n" +
                               "    Skin3rd.Strings = (\n      'TMenuButton=menubtn')\n" +
                               StreamLine(ButtonSkin()) + "  end\nend\n");
        // A glyph of two pictures.
        ui_test::SquareGlyphs(*Get<ui::TBitBtn>(L"BitBtn1")->Glyph(), 2, kGlyphColour);
        Get<ui::TBitBtn>(L"BitBtn1")->SetNumGlyphs(2);
        // Two pictures for the button without a glyph: another colour, then the glyph colour.
        ui::TBitmap pictures;
        ui_test::SquareGlyphs(pictures, 2, kGlyphColour);
        pictures.Canvas().Brush.SetColor(0x40A040);
        pictures.Canvas().FillRect({2, 2, 14, 14});
        Get<ui::TImageListComponent>(L"ImageList1")->AddMasked(pictures, 0xFF00FF);
        skinner_ = ShowSkinned(*form_);
        ASSERT_TRUE(skinner_);
        ParkMouse();
        Pump(200ms);
    }

    static COLORREF Pixel(ui::TControl& c, int x, int y) { return ui_test::ScreenPixel(c, x, y); }
    static COLORREF Button(int frame) { return ui::ColorRef(FrameColour(kButtonStrip, frame)); }
    static COLORREF Check(int frame) { return ui::ColorRef(FrameColour(kCheckStrip, frame)); }
    static COLORREF Radio(int frame) { return ui::ColorRef(FrameColour(kRadioStrip, frame)); }
    // The frame a button shows at its corner, where no caption goes.
    static COLORREF Corner(ui::TControl& c) { return Pixel(c, 3, 3); }
    // The middle of a check box's or radio button's box (at the left edge).
    static COLORREF Box(ui::TControl& c) { return Pixel(c, 6, c.Height() / 2); }
    static POINT Centre(ui::TControl& c) { return ui_test::ScreenCentre(c); }
    static void Key(WORD vk, bool up) {
        INPUT in{};
        in.type = INPUT_KEYBOARD;
        in.ki.wVk = vk;
        in.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
        SendInput(1, &in, sizeof(in));
    }

    static constexpr ui::TColor kGlyphColour = 0x2080E0;
};

TEST_F(SkinButtonsTest, EachButtonGetsItsSkinControlAndATaggedOneStaysPlain) {
    struct Row {
        const wchar_t* name;
        const ui::TClassInfo* cls; // none: left alone
    };
    const Row rows[] = {
        {L"Button1", &TSkinButton::StaticClass()},
        {L"Button4", &TSkinMenuButton::StaticClass()},
        {L"Button5", nullptr},
        {L"BitBtn1", &TSkinBitButton::StaticClass()},
        {L"SpeedButton1", &TSkinSpeedButton::StaticClass()},
        {L"CheckBox1", &TSkinCheckBox::StaticClass()},
        {L"RadioButton1", &TSkinRadioButton::StaticClass()},
    };
    for (const Row& r : rows) {
        const TSkinControl* c = SkinOf(*Get<ui::TControl>(r.name));
        EXPECT_EQ(c ? &c->ClassType() : nullptr, r.cls) << testing::PrintToString(r.name);
    }
    auto* group = Get<ui::TRadioGroup>(L"RadioGroup1");
    for (int i = 0; i < group->Items()->Count(); ++i) {
        const TSkinControl* c = SkinOf(*group->Button(i));
        EXPECT_TRUE(c && &c->ClassType() == &TSkinRadioButton::StaticClass()) << i;
    }
    // The tagged button keeps the system's look, its visual style included.
    auto& plain = *Get<ui::TButton>(L"Button5");
    EXPECT_EQ(SendMessageW(plain.Handle(), SM_ISSKINNED, 0, 0), 0);
    ASSERT_TRUE(IsThemeActive()) << "the test desktop runs with a visual style";
    EXPECT_NE(GetWindowTheme(plain.Handle()), nullptr);
}

TEST_F(SkinButtonsTest, EveryStateIsPaintedFromTheSkin) {
    auto& ok = *Get<ui::TButton>(L"Button1");
    auto& two = *Get<ui::TButton>(L"Button2");
    auto& off = *Get<ui::TButton>(L"Button3");
    two.SetFocus();
    Settle();
    struct Row {
        const char* what;
        ui::TControl& control;
        COLORREF expected;
    };
    const Row rows[] = {
        {"default button without focus", ok, Button(5)},
        {"focused button", two, Button(5)},
        {"disabled button", off, Button(3)},
        {"glyph button", *Get<ui::TControl>(L"BitBtn1"), Button(1)},
        {"speed button", *Get<ui::TControl>(L"SpeedButton1"), Button(1)},
    };
    for (const Row& r : rows)
        EXPECT_EQ(Corner(r.control), r.expected) << r.what;
    const Row boxes[] = {
        {"unchecked", *Get<ui::TControl>(L"CheckBox1"), Check(1)},
        {"checked", *Get<ui::TControl>(L"CheckBox2"), Check(2)},
        {"grayed", *Get<ui::TControl>(L"CheckBox3"), Check(4)},
        {"checked and disabled", *Get<ui::TControl>(L"CheckBox4"), Check(4)},
        {"radio checked (8 frames)", *Get<ui::TControl>(L"RadioButton1"), Radio(5)},
        {"radio unchecked", *Get<ui::TControl>(L"RadioButton2"), Radio(1)},
        {"radio disabled", *Get<ui::TControl>(L"RadioButton3"), Radio(4)},
        {"radio group's unchosen", *Get<ui::TRadioGroup>(L"RadioGroup1")->Button(0), Radio(1)},
        {"radio group's choice", *Get<ui::TRadioGroup>(L"RadioGroup1")->Button(1), Radio(5)},
    };
    for (const Row& r : boxes)
        EXPECT_EQ(Box(r.control), r.expected) << r.what;

    // The caption is drawn on the frame, in the font's colour.
    auto& bit = *Get<ui::TControl>(L"BitBtn1");
    EXPECT_EQ(Pixel(bit, 6 + 8, bit.Height() / 2), ui::ColorRef(kGlyphColour)) << "glyph";
    EXPECT_EQ(Pixel(bit, 6 + 1, 9 + 1), Button(1)) << "the glyph's key colour left out";
    testing_desktop::SaveScreenshot(L"skin_buttons_form");
}

// At the form's density (the process's: the suite runs this at 96, 144 and 192 dpi) the boxes of
// check boxes and radio buttons laid out for it are 13 pixels at 96 dpi scaled, and drawn from
// the strips' larger copies above 96 dpi (as they are at 192, scaled from them between).
TEST_F(SkinButtonsTest, DensityCheckAndRadioBoxesAreSizedAndDrawnForIt) {
    const int dpi = skinner_->Dpi();
    const int size = ScaleMeasure(13, dpi);
    struct Row {
        const char* what;
        ui::TControl& control;
        int strip, strip2x;
    };
    const Row rows[] = {
        {"check box", *Get<ui::TControl>(L"CheckBox1"), kCheckStrip, kCheck2xStrip},
        {"radio button", *Get<ui::TControl>(L"RadioButton2"), kRadioStrip, kRadio2xStrip},
    };
    // Room below them for their larger size.
    Get<ui::TControl>(L"CheckBox2")->SetVisible(false);
    Get<ui::TControl>(L"RadioButton3")->SetVisible(false);
    for (const Row& r : rows) {
        // As tall as the form's own scaling lays it out (as wide as it is: they sit side by
        // side).
        r.control.SetBounds(r.control.Left(), r.control.Top(), r.control.Width(),
                            ScaleMeasure(17, dpi));
    }
    Pump(200ms);
    for (const Row& r : rows) {
        const COLORREF box =
            ui::ColorRef(FrameColour(dpi > kBaseDpi ? r.strip2x : r.strip, 1));
        const int middle = r.control.Height() / 2;
        int width = 0, top = middle, bottom = middle;
        while (width < r.control.Width() && Pixel(r.control, width, middle) == box)
            ++width;
        while (top > 0 && Pixel(r.control, 1, top - 1) == box)
            --top;
        while (bottom < r.control.Height() && Pixel(r.control, 1, bottom) == box)
            ++bottom;
        EXPECT_EQ(width, size) << r.what << " at " << dpi << " dpi";
        EXPECT_EQ(bottom - top, size) << r.what << " at " << dpi << " dpi";
        EXPECT_EQ(top, (r.control.Height() - size) / 2) << r.what << ": centred down";
    }

    // One laid out for 96 dpi shows the whole box, from the strip at the density it fits.
    auto& small = *Get<ui::TControl>(L"CheckBox3");
    const int fits = FittingPictureDpi(dpi, small.Height(), 13);
    EXPECT_LE(ScaleMeasure(13, fits), small.Height());
    int top = small.Height(), bottom = -1;
    const COLORREF grayed = ui::ColorRef(FrameColour(fits > kBaseDpi ? kCheck2xStrip : kCheckStrip, 4));
    for (int y = 0; y < small.Height(); ++y)
        if (Pixel(small, 1, y) == grayed) top = std::min(top, y), bottom = std::max(bottom, y);
    EXPECT_EQ(bottom - top + 1, ScaleMeasure(13, fits)) << "the whole box";
    testing_desktop::SaveScreenshot(L"skin_buttons_density_" + std::to_wstring(dpi));
}

TEST_F(SkinButtonsTest, ACheckBoxShowsItsNewStateAtOnce) {
    auto& box = *Get<ui::TCheckBox>(L"CheckBox1");
    ClickAt(Centre(box));
    EXPECT_TRUE(box.Checked());
    EXPECT_EQ(Box(box), Check(2));
    box.SetChecked(false);
    Settle();
    EXPECT_EQ(Box(box), Check(1));
    // Space: the box keeps its skinned look while the key is down, and checks on its release.
    box.SetFocus();
    Key(VK_SPACE, false);
    Settle();
    EXPECT_EQ(Box(box), Check(1));
    Key(VK_SPACE, true);
    Settle();
    EXPECT_EQ(Box(box), Check(2));
    box.SetEnabled(false);
    Settle();
    EXPECT_EQ(Box(box), Check(4));

    auto& two = *Get<ui::TRadioButton>(L"RadioButton2");
    ClickAt(Centre(two));
    EXPECT_EQ(Box(two), Radio(5));
    EXPECT_EQ(Box(*Get<ui::TControl>(L"RadioButton1")), Radio(1)) << "its neighbour let go";
}

TEST_F(SkinButtonsTest, HotAndPressedFollowTheMouseAndOnlyAReleaseOverTheButtonClicks) {
    auto& ok = *Get<ui::TButton>(L"Button1");
    auto* skin = dynamic_cast<TSkinButton*>(SkinOf(ok));
    ASSERT_TRUE(skin);
    const POINT inside = Centre(ok);
    const POINT outside{inside.x, inside.y + 80};

    MoveTo(inside);
    EXPECT_TRUE(skin->Hot());
    EXPECT_EQ(Corner(ok), Button(4)) << "hot";
    MouseButton(MOUSEEVENTF_LEFTDOWN);
    Settle();
    EXPECT_TRUE(skin->Pressed());
    EXPECT_EQ(Corner(ok), Button(2)) << "pressed";
    testing_desktop::SaveScreenshot(L"skin_buttons_pressed");

    // Out with the button held: no longer pressed; released there: no click.
    MoveTo(outside);
    EXPECT_TRUE(PumpUntil([&] { return !skin->Hot(); }));
    EXPECT_EQ(Corner(ok), Button(5)) << "the focused default again";
    MouseButton(MOUSEEVENTF_LEFTUP);
    Settle();
    EXPECT_TRUE(form_->clicks.empty());

    // Pressed, out and back in with the button held, released over it: one click.
    MoveTo(inside);
    MouseButton(MOUSEEVENTF_LEFTDOWN);
    Settle();
    MoveTo(outside);
    EXPECT_TRUE(PumpUntil([&] { return !skin->Pressed(); }));
    MoveTo(inside);
    EXPECT_TRUE(skin->Pressed());
    EXPECT_EQ(Corner(ok), Button(2)) << "pressed again";
    MouseButton(MOUSEEVENTF_LEFTUP);
    Settle();
    EXPECT_EQ(form_->clicks, std::vector<std::wstring>{L"Button1"});
    EXPECT_EQ(Corner(ok), Button(4)) << "hot after the click";

    ParkMouse();
    EXPECT_TRUE(PumpUntil([&] { return !skin->Hot(); }));
    EXPECT_EQ(Corner(ok), Button(5));
}

TEST_F(SkinButtonsTest, AFailingClickHandlerReachesTheErrorBox) {
    auto& ok = *Get<ui::TButton>(L"Button1");
    ok.OnClick = [](ui::TPersistent*) { throw std::runtime_error("the handler failed"); };
    ClickAt(Centre(ok));
    EXPECT_EQ(errors_, std::vector<std::wstring>{L"the handler failed"});
}

TEST_F(SkinButtonsTest, TheSpeedButtonTracksTheMouseThroughItsParent) {
    auto& speed = *Get<ui::TSpeedButton>(L"SpeedButton1");
    MoveTo(Centre(speed));
    EXPECT_TRUE(PumpUntil([&] { return Corner(speed) == Button(4); })) << "hot";
    MouseButton(MOUSEEVENTF_LEFTDOWN);
    Settle();
    EXPECT_EQ(Corner(speed), Button(2)) << "pressed";
    MouseButton(MOUSEEVENTF_LEFTUP);
    Settle();
    EXPECT_EQ(form_->clicks, std::vector<std::wstring>{L"SpeedButton1"});
    EXPECT_EQ(Corner(speed), Button(4));

    // Released away from it: the parent had captured the mouse, so no click.
    MouseButton(MOUSEEVENTF_LEFTDOWN);
    Settle();
    MoveTo({Centre(speed).x, Centre(speed).y + 90});
    MouseButton(MOUSEEVENTF_LEFTUP);
    Settle();
    EXPECT_EQ(form_->clicks.size(), 1u);
    EXPECT_TRUE(PumpUntil([&] { return Corner(speed) == Button(1); }));

    speed.SetDown(true);
    Settle();
    EXPECT_EQ(Corner(speed), Button(2)) << "held down";
}

// A glyph button without a glyph shows its image list's picture on the skin's face, as the
// class library's own button does: `ImageIndex` enabled, `DisabledIndex` embossed when disabled.
TEST_F(SkinButtonsTest, AGlyphButtonWithoutGlyphShowsItsImageList) {
    auto& bit = *Get<ui::TBitBtn>(L"BitBtn2");
    ASSERT_TRUE(SkinOf(bit));
    // The picture centred: 16 x 16 from (17, 7), its square from (19, 9).
    EXPECT_EQ(Pixel(bit, 25, 15), ui::ColorRef(kGlyphColour));
    EXPECT_EQ(Corner(bit), Button(1));
    bit.SetEnabled(false);
    Settle();
    EXPECT_EQ(Pixel(bit, 25, 15), GetSysColor(COLOR_BTNSHADOW)) << "picture 0, embossed";
    EXPECT_EQ(Corner(bit), Button(3));
}

TEST_F(SkinButtonsTest, SpaceOnAFocusedButtonPressesAndClicksIt) {
    auto& two = *Get<ui::TButton>(L"Button2");
    two.SetFocus();
    Settle();
    Key(VK_SPACE, false);
    Settle();
    EXPECT_EQ(Corner(two), Button(2));
    Key(VK_SPACE, true);
    Settle();
    EXPECT_EQ(Corner(two), Button(5));
    EXPECT_EQ(form_->clicks, std::vector<std::wstring>{L"Button2"});
}

TEST_F(SkinButtonsTest, SkinningOffGivesThePlainLookAndTheSameMessages) {
    auto& ok = *Get<ui::TButton>(L"Button1");
    auto& box = *Get<ui::TCheckBox>(L"CheckBox1");
    for (ui::TControl* c : {static_cast<ui::TControl*>(&ok), static_cast<ui::TControl*>(&box)})
        SendMessageW(static_cast<ui::TWinControl*>(c)->Handle(), SM_SKINACTIVE, 0, 0);
    ok.Invalidate();
    box.Invalidate();
    Settle();
    EXPECT_NE(Corner(ok), Button(5));
    EXPECT_NE(Box(box), Check(1));
    // The standard button clicks by itself now.
    ClickAt(Centre(ok));
    EXPECT_EQ(form_->clicks, std::vector<std::wstring>{L"Button1"});
    ClickAt(Centre(box));
    EXPECT_TRUE(box.Checked());
    ParkMouse();

    SendMessageW(ok.Handle(), SM_SKINACTIVE, 1, 0);
    SendMessageW(box.Handle(), SM_SKINACTIVE, 1, 0);
    Settle();
    EXPECT_EQ(Corner(ok), Button(5));
    EXPECT_EQ(Box(box), Check(2));
}

TEST_F(SkinButtonsTest, TheMenuButtonsArrowAndTheFocusRectangleOption) {
    // No caption: the arrow (8 x 3) a quarter of the free room from the right edge, centred
    // down, its tip's row in the middle of the three.
    auto& menu = *Get<ui::TButton>(L"Button4");
    const int quarter = (80 - 8) / 4, x = 80 - quarter - 8 + 4, y = (30 - 3 + 1) / 2 + 1;
    EXPECT_EQ(Pixel(menu, x, y), GetSysColor(COLOR_WINDOWTEXT));
    EXPECT_EQ(Pixel(menu, x + 4, y), Button(1)) << "the arrow is no wider than 7 pixels";
    menu.SetEnabled(false);
    Settle();
    EXPECT_EQ(Pixel(menu, x, y), GetSysColor(COLOR_BTNSHADOW));
    EXPECT_EQ(Corner(menu), Button(3));

    // How many pixels of the focused button are not its frame: the caption and the focus
    // rectangle, or the caption alone when the skin asks for no focus rectangles.
    auto& two = *Get<ui::TButton>(L"Button2");
    two.SetFocus();
    Settle();
    auto marked = [&] {
        RECT r{};
        GetWindowRect(two.Handle(), &r);
        HDC screen = GetDC(nullptr);
        const TPixelImage shot = ReadPixels(screen, r);
        ReleaseDC(nullptr, screen);
        const TPixel frame = PixelFromColor(FrameColour(kButtonStrip, 5));
        return std::count_if(shot.Pixels.begin(), shot.Pixels.end(),
                             [&](TPixel p) { return (p & 0xFFFFFF) != frame; });
    };
    const auto withFocusRect = marked();
    form_->Get<TSkinData>(L"SkinData1")->Options |= static_cast<TSkinOptions>(1u << xoNoFocusRect);
    two.Invalidate();
    Settle();
    EXPECT_LT(marked(), withFocusRect - 40);
}

TEST_F(SkinButtonsTest, ABareButtonWindowClicksThroughItsParent) {
    // A system button the class library knows nothing of, as foreign dialogs have them.
    const HWND bare = CreateWindowExW(0, L"BUTTON", L"Bare", WS_CHILD | WS_VISIBLE, 100, 225, 80,
                                      30, form_->Handle(), reinterpret_cast<HMENU>(77),
                                      GetModuleHandleW(nullptr), nullptr);
    ASSERT_TRUE(bare);
    auto* skin = new TSkinButton(nullptr);
    skin->AttachWindow(bare, form_->Get<TSkinData>(L"SkinData1"), skinner_, nullptr);
    std::vector<std::pair<WPARAM, LPARAM>> commands;
    Hook(form_, [&](ui::TMessage& m) {
        if (m.Msg == WM_COMMAND) commands.emplace_back(m.WParam, m.LParam);
    });
    Settle();
    RECT r{};
    GetWindowRect(bare, &r);
    HDC screen = GetDC(nullptr);
    const COLORREF corner = GetPixel(screen, r.left + 3, r.top + 3);
    ReleaseDC(nullptr, screen);
    EXPECT_EQ(corner, Button(1));

    ClickAt({(r.left + r.right) / 2, (r.top + r.bottom) / 2});
    // Posted by the skin control alone: the button never saw its press, so it sends nothing.
    EXPECT_EQ(commands,
              (std::vector<std::pair<WPARAM, LPARAM>>{{77, reinterpret_cast<LPARAM>(bare)}}));
    ui::Free(skin);
    DestroyWindow(bare);
}

// A form of `count` push buttons, check boxes and radio buttons painted from the skin: the GDI
// objects the skin's pictures hold while it is shown, counted from before it was made.
class SkinPicturesPerForm : public SkinnedFormTest {
protected:
    int PictureObjectsWith(int count) {
        const int before = TStripBitmap::LiveGdiObjects();
        std::string text = "object ButtonTestForm: TButtonTestForm\n  Left = 200\n  Top = 150\n"
                           "  Caption = 'Many'\n  ClientHeight = 300\n  ClientWidth = 400\n";
        for (int i = 0; i < count; ++i) {
            const std::string n = std::to_string(i + 1), top = std::to_string(5 + 22 * i);
            text += "  object Button" + n + ": TButton\n    Left = 5\n    Top = " + top +
                    "\n    Width = 80\n    Height = 20\n    Caption = 'B" + n + "'\n  end\n";
            text += "  object CheckBox" + n + ": TCheckBox\n    Left = 100\n    Top = " + top +
                    "\n    Width = 90\n    Height = 17\n    Caption = 'C" + n + "'\n  end\n";
            text += "  object RadioButton" + n +
                    ": TRadioButton\n    Left = 200\n    Top = " + top +
                    "\n    Width = 90\n    Height = 17\n    Caption = 'R" + n + "'\n  end\n";
        }
        auto* form = new TButtonTestForm(app_.get());
        form->LoadDescription(text + "  object SkinData1: TSkinData\n    Active = True\n" +
                              StreamLine(ButtonSkin()) + "  end\nend\n");
        TWinSkinForm* skinner = ShowSkinned(*form);
        if (!skinner) {
            ADD_FAILURE() << "the form of " << count << " is never skinned";
            return -1;
        }
        EXPECT_EQ(skinner->SkinControls().size(), static_cast<std::size_t>(3 * count));
        RedrawWindow(form->Handle(), nullptr, nullptr,
                     RDW_INVALIDATE | RDW_FRAME | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
        Pump(200ms);
        const int held = TStripBitmap::LiveGdiObjects() - before;
        delete form;
        Pump(100ms);
        return held;
    }
};

// Every skinned control paints from the pictures of its form's skin: one set of GDI bitmaps
// per skin, not one per control, so the process's GDI handles do not run out on a big form.
TEST_F(SkinPicturesPerForm, GdiObjectsOfTheSkinsPicturesDoNotGrowWithTheControls) {
    const int one = PictureObjectsWith(1);
    ASSERT_GT(one, 0) << "the pictures were never painted";
    for (const int count : {2, 12})
        EXPECT_EQ(PictureObjectsWith(count), one) << count << " of each control";
    EXPECT_EQ(TStripBitmap::LiveGdiObjects(), 0) << "the pictures outlive their skin";
}

} // namespace
