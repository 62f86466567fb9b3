// Skinned date-time pickers, media players and the glyph strips handed to check boxes and radio
// buttons of another library, on a skinned test form under Wine: the picker's arrow button
// painted from the skin's combo arrow strip, hot under the real mouse, opening the calendar, at
// the left of a right-to-left picker; the media player's visible buttons as equal parts of its
// width painted from the skin's button frames, a press handed to the player as its own click.
#include "skin/controls/buttons/skin_media_player.h"
#include "skin/controls/buttons/skin_obj_image.h"
#include "skin/controls/pickers/skin_date_time.h"
#include "skin/forms/skin_form.h"
#include "skin/gdi/dc_pixels.h"
#include "skin/runtime/skin_data.h"
#include "skin/runtime/skin_manager.h"
#include "skin/runtime/skin_messages.h"
#include "tests/support/skin_fixture.h"
#include "tests/win32/skin/active_skinner.h"

#include "tests/support/desktop.h"
#include "tests/support/freed_memory.h"
#include "tests/win32/ui/ui_test_app.h"
#include "ui/date_time_picker.h"
#include "ui/form_binding.h"
#include "ui/media_player.h"
#include "ui/prop_builders.h"
#include "ui/properties.h"
#include "ui/scale_measure.h"
#include "ui/stdctrls.h"
#include "ui/window_dpi.h"

#include <gtest/gtest.h>

#include <commctrl.h>
#include <windowsx.h>

#include <cstdio>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

using namespace std::chrono_literals;
using skin_fixture::FrameColour;
using skin_fixture::Skin;
using skin_fixture::StreamLine;
using skin_fixture::Strip;

constexpr int kButtonStrip = 5, kCheckStrip = 6, kRadioStrip = 7, kArrowStrip = 8;

// Buttons (5 frames), check (4) and radio (8) strips and a combo button strip (4 frames, from
// which the loader derives the combo arrow), every frame a solid colour of its own.
std::vector<std::uint8_t> PickerSkin() {
    Skin s = skin_fixture::FramedSkin(
        "", "[Buttons]\nBitmap=button.bmp\nCheckButton=check.bmp\nRadioButton=radio.bmp\n"
            "CheckButtonFrame=4\nRadioButtonFrame=8\n"
            "[ComboButton]\nImage=combo.bmp\n"
            "[Colours]\nButtonFace=10 20 30\nButtonShadow=90 60 30\n");
    s.Image("button.bmp", Strip(kButtonStrip, 5, 12, 12));
    s.Image("check.bmp", Strip(kCheckStrip, 4, 13, 13));
    s.Image("radio.bmp", Strip(kRadioStrip, 8, 13, 13));
    s.Image("combo.bmp", Strip(kArrowStrip, 4, 16, 16));
    return s.Pack();
}

// A skin with neither button pictures nor a combo button.
std::vector<std::uint8_t> BareSkin() {
    return skin_fixture::FramedSkin("", "[Colours]\nButtonFace=10 20 30\n").Pack();
}

// What a check box or radio button of another library offers the companion: its custom glyphs
// and the two properties that make it take them up, each write remembered.
class TPictureProperties : public ui::TPersistent {
public:
    static const ui::TClassInfo& StaticClass() {
        using C = TPictureProperties;
        static const ui::TClassInfo info(L"TPictureProperties", &ui::TPersistent::StaticClass(),
                                         {ui::props::Object<C, ui::TBitmap>(L"Glyph", &C::Glyph)});
        return info;
    }
    const ui::TClassInfo& ClassType() const override { return StaticClass(); }
    ui::TBitmap* Glyph() const { return glyph_.get(); }

private:
    std::unique_ptr<ui::TBitmap> glyph_ = std::make_unique<ui::TBitmap>();
};

class TPictureButton : public ui::TWinControl {
public:
    explicit TPictureButton(ui::TComponent* owner) : ui::TWinControl(owner) {
        width_ = 80;
        height_ = 17;
    }
    static std::vector<ui::PropInfo> Props() {
        using C = TPictureButton;
        return {
            ui::props::Object<C, ui::TBitmap>(L"CustomGlyphs", &C::CustomGlyphs),
            ui::props::Integer(L"TransparentColor", &C::TransparentColor, &C::SetTransparentColor),
            ui::props::Boolean(L"UseCustomGlyphs", &C::UseCustomGlyphs, &C::SetUseCustomGlyphs),
            ui::props::Object<C, TPictureProperties>(L"Properties", &C::Properties),
        };
    }
    ui::TBitmap* CustomGlyphs() const { return glyphs_.get(); }
    int TransparentColor() const { return transparent_; }
    void SetTransparentColor(int v) { transparent_ = v; }
    bool UseCustomGlyphs() const { return writes.empty() ? false : writes.back(); }
    void SetUseCustomGlyphs(bool v) { writes.push_back(v); }
    TPictureProperties* Properties() const { return properties_.get(); }

    std::vector<bool> writes; // UseCustomGlyphs, in order

private:
    std::unique_ptr<ui::TBitmap> glyphs_ = std::make_unique<ui::TBitmap>();
    std::unique_ptr<TPictureProperties> properties_ = std::make_unique<TPictureProperties>();
    int transparent_ = 0;
};

// The same under the class names the class rules know.
template <const wchar_t* kClassName> class TGlyphButton : public TPictureButton {
public:
    using TPictureButton::TPictureButton;
    static const ui::TClassInfo& StaticClass() {
        static const ui::TClassInfo info(kClassName, &ui::TWinControl::StaticClass(),
                                         TPictureButton::Props());
        return info;
    }
    const ui::TClassInfo& ClassType() const override { return StaticClass(); }
};
constexpr wchar_t kRzRadio[] = L"TRzRadioButton";
constexpr wchar_t kRzCheck[] = L"TRzCheckBox";
constexpr wchar_t kCxCheck[] = L"TcxCheckBox";
using TRzRadioButton = TGlyphButton<kRzRadio>;
using TRzCheckBox = TGlyphButton<kRzCheck>;
using TcxCheckBox = TGlyphButton<kCxCheck>;

// A picker of a class the skin's class-name table lists as a date-time picker.
class TOtherPicker : public ui::TDateTimePicker {
public:
    using ui::TDateTimePicker::TDateTimePicker;
    static const ui::TClassInfo& StaticClass() {
        static const ui::TClassInfo info(L"TOtherPicker", &ui::TDateTimePicker::StaticClass());
        return info;
    }
    const ui::TClassInfo& ClassType() const override { return StaticClass(); }
};

class TPickerTestForm : public ui_test::TTestForm<L"TPickerTestForm"> {
public:
    explicit TPickerTestForm(ui::TComponent* owner) : TTestForm(owner) {
        RegisterMethod(L"PlayerClick", ui::TMPBtnClick([this](ui::TPersistent*, ui::TMPBtnType b) {
                           clicks.push_back(b);
                       }));
    }
    std::vector<ui::TMPBtnType> clicks;
};

const char* const kForm = R"(object PickerTestForm: TPickerTestForm
  Left = 200
  Top = 150
  BorderIcons = [biSystemMenu]
  BorderStyle = bsDialog
  Caption = 'Pickers'
  ClientHeight = 230
  ClientWidth = 330
  object DatePicker: TDateTimePicker
    Left = 10
    Top = 10
    Width = 140
    Height = 24
    Date = '2026-12-10'
  end
  object RtlPicker: TDateTimePicker
    Left = 170
    Top = 10
    Width = 140
    Height = 24
    BiDiMode = bdRightToLeft
    Date = '2026-12-10'
  end
  object UpDownPicker: TDateTimePicker
    Left = 10
    Top = 44
    Width = 140
    Height = 24
    DateMode = dmUpDown
  end
  object TimePicker: TDateTimePicker
    Left = 170
    Top = 44
    Width = 140
    Height = 24
    Kind = dtkTime
  end
  object ListedPicker: TOtherPicker
    Left = 10
    Top = 78
    Width = 140
    Height = 24
    DateMode = dmUpDown
  end
  object Player: TMediaPlayer
    Left = 10
    Top = 120
    Width = 150
    Height = 30
    VisibleButtons = [btPlay, btStop, btEject]
    EnabledButtons = [btPlay, btStop]
    ColoredButtons = [btStop]
    OnClick = PlayerClick
  end
  object RzRadio: TRzRadioButton
    Left = 10
    Top = 170
  end
  object RzCheck: TRzCheckBox
    Left = 100
    Top = 170
  end
  object CxCheck: TcxCheckBox
    Left = 190
    Top = 170
  end
)";

class SkinPickersTest : public SkinnedFormFixture<TPickerTestForm> {
protected:
    virtual std::vector<std::uint8_t> SkinBytes() const { return PickerSkin(); }
    void SetUp() override {
        SkinnedFormTest::SetUp();
        ui::RegisterComponentClass<TRzRadioButton>();
        ui::RegisterComponentClass<TRzCheckBox>();
        ui::RegisterComponentClass<TcxCheckBox>();
        ui::RegisterComponentClass<TOtherPicker>();
        form_ = new TPickerTestForm(app_.get());
        form_->LoadDescription(std::string(kForm) + "  object SkinData1: TSkinData\n" +
                               "    Active = True\n" +
                               "    Skin3rd.Strings = (\n      'TOtherPicker=datetimepicker')\n" +
                               StreamLine(SkinBytes()) + "  end\nend\n");
        skinner_ = ShowSkinned(*form_);
        ASSERT_TRUE(skinner_);
        ParkMouse();
        Pump(200ms);
    }

    // A point of a window's client area on the screen, and the pixel the screen shows there.
    static POINT ScreenPoint(HWND window, int x, int y) {
        POINT p{x, y};
        ClientToScreen(window, &p);
        return p;
    }
    static COLORREF ScreenPixel(POINT p) {
        HDC screen = GetDC(nullptr);
        const COLORREF c = GetPixel(screen, p.x, p.y);
        ReleaseDC(nullptr, screen);
        return c;
    }
    static COLORREF Arrow(int frame) { return ui::ColorRef(FrameColour(kArrowStrip, frame)); }
    static COLORREF Button(int frame) { return ui::ColorRef(FrameColour(kButtonStrip, frame)); }
    TArrowButton& ArrowOf(const wchar_t* picker) {
        auto* skin = dynamic_cast<TSkinDateTime*>(SkinOf(*Get<ui::TControl>(picker)));
        if (!skin || !skin->Arrow()) throw std::runtime_error("the picker has no arrow button");
        return *skin->Arrow();
    }
    // The centre of a picker's arrow button on the screen.
    POINT ArrowCentre(const wchar_t* picker) {
        const RECT r = ArrowOf(picker).Rect();
        return ScreenPoint(Get<ui::TDateTimePicker>(picker)->Handle(), (r.left + r.right) / 2,
                           (r.top + r.bottom) / 2);
    }
    static HWND Calendar(ui::TDateTimePicker& picker) {
        return reinterpret_cast<HWND>(SendMessageW(picker.Handle(), DTM_GETMONTHCAL, 0, 0));
    }
    // The picker's calendar as the user sees it: shown, with room, below the picker, wholly on
    // the screen and in front of everything there.
    static bool CalendarOnScreen(ui::TDateTimePicker& picker) {
        const HWND calendar = Calendar(picker);
        RECT r{}, p{};
        if (!calendar || !IsWindowVisible(calendar) || !GetWindowRect(calendar, &r) ||
            !GetWindowRect(picker.Handle(), &p))
            return false;
        const RECT screen{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
        RECT seen{};
        const POINT centre{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
        const HWND top = WindowFromPoint(centre);
        return r.right - r.left > 50 && r.bottom - r.top > 50 && r.top > (p.top + p.bottom) / 2 &&
               IntersectRect(&seen, &r, &screen) && EqualRect(&seen, &r) &&
               (top == calendar || IsChild(calendar, top));
    }
    static std::string Describe(ui::TDateTimePicker& picker) {
        const HWND calendar = Calendar(picker);
        RECT r{}, p{};
        GetWindowRect(calendar, &r);
        GetWindowRect(picker.Handle(), &p);
        const HWND top = WindowFromPoint({(r.left + r.right) / 2, (r.top + r.bottom) / 2});
        char name[64] = {};
        GetClassNameA(top, name, sizeof(name));
        char text[300];
        std::snprintf(
            text, sizeof(text),
            "calendar %p visible %d at %ld,%ld-%ld,%ld below the picker's %ld,%ld-%ld,%ld;"
            " the screen shows %s there",
            static_cast<void*>(calendar), IsWindowVisible(calendar), r.left, r.top, r.right,
            r.bottom, p.left, p.top, p.right, p.bottom, name);
        return text;
    }
    // A point of the player on the screen.
    POINT OnPlayer(int x, int y) {
        auto& player = *Get<ui::TMediaPlayer>(L"Player");
        return ScreenPoint(form_->Handle(), player.Left() + x, player.Top() + y);
    }
};

TEST_F(SkinPickersTest, EachControlGetsItsSkinControl) {
    struct Row {
        const wchar_t* name;
        TSkinControlKind kind;
        const ui::TClassInfo* cls; // none: no class of that kind on this branch
    };
    const Row rows[] = {
        {L"DatePicker", TSkinControlKind::DateTime, &TSkinDateTime::StaticClass()},
        {L"RtlPicker", TSkinControlKind::DateTime, &TSkinDateTime::StaticClass()},
        // Pickers with an up-down, and times, are edits.
        {L"UpDownPicker", TSkinControlKind::Edit, nullptr},
        {L"TimePicker", TSkinControlKind::Edit, nullptr},
        // The class-name table goes before the class rules.
        {L"ListedPicker", TSkinControlKind::DateTime, &TSkinDateTime::StaticClass()},
        {L"Player", TSkinControlKind::MP, &TSkinMP::StaticClass()},
        {L"RzRadio", TSkinControlKind::ObjImage, &TSkinObjImage::StaticClass()},
        {L"RzCheck", TSkinControlKind::ObjImage, &TSkinObjImage::StaticClass()},
        {L"CxCheck", TSkinControlKind::ObjImage, &TSkinObjImage::StaticClass()},
    };
    for (const Row& r : rows) {
        auto& control = *Get<ui::TWinControl>(r.name);
        EXPECT_EQ(skinner_->AssignedKind(control.Handle()), r.kind)
            << testing::PrintToString(r.name);
        const TSkinControl* c = SkinOf(control);
        if (r.cls) {
            EXPECT_EQ(c ? &c->ClassType() : nullptr, r.cls) << testing::PrintToString(r.name);
        }
    }
    // A listed picker with an up-down keeps its own arrows.
    EXPECT_EQ(dynamic_cast<TSkinDateTime*>(SkinOf(*Get<ui::TControl>(L"ListedPicker")))->Arrow(),
              nullptr);
}

TEST_F(SkinPickersTest, TheArrowIsPaintedFromTheSkinAndFramesThePicker) {
    auto& picker = *Get<ui::TDateTimePicker>(L"DatePicker");
    TArrowButton& arrow = ArrowOf(L"DatePicker");
    RECT client{};
    GetClientRect(picker.Handle(), &client);
    const int width = GetSystemMetrics(SM_CXHSCROLL);
    EXPECT_EQ(arrow.Rect().right, client.right) << "against the right end";
    EXPECT_EQ(arrow.Rect().right - arrow.Rect().left, width);
    EXPECT_EQ(arrow.Rect().bottom, client.bottom);
    EXPECT_NE(GetWindowLongW(picker.Handle(), GWL_STYLE) & WS_CLIPCHILDREN, 0);
    EXPECT_EQ(GetWindowLongW(arrow.Window(), GWL_STYLE) & WS_TABSTOP, 0);
    EXPECT_EQ(ScreenPixel(ArrowCentre(L"DatePicker")), Arrow(1));
    // The frame: a line in the border colour and a white one inside it.
    RECT outer{};
    GetWindowRect(picker.Handle(), &outer);
    EXPECT_EQ(ScreenPixel({outer.left + 20, outer.top}), RGB(90, 60, 30));
    EXPECT_EQ(ScreenPixel({outer.left + 20, outer.top + 1}), RGB(255, 255, 255));
    testing_desktop::SaveScreenshot(L"skin_pickers_form");
}

// At the form's density (the process's: the suite runs this at 96, 144 and 192 dpi) a picker laid
// out for it gets a button as wide as the system's there, inside the picker's border; the
// default skin's button shows its separator and its arrow in the middle.
TEST_F(SkinPickersTest, DensityTheArrowButtonIsSizedAndDrawnForIt) {
    const int dpi = skinner_->Dpi();
    const std::vector<std::uint8_t> bytes = testing_desktop::ReadFileBytes(DEFAULT_SKIN);
    ASSERT_FALSE(bytes.empty()) << DEFAULT_SKIN;
    auto& data = *Get<TSkinData>(L"SkinData1");
    data.SetSkinStream(bytes);
    ASSERT_TRUE(data.LoadSkin());
    auto& picker = *Get<ui::TDateTimePicker>(L"DatePicker");
    picker.SetBounds(picker.Left(), picker.Top(), ScaleMeasure(140, dpi), ScaleMeasure(24, dpi));
    SkinOf(picker)->SkinChanged();
    Pump(300ms);
    TArrowButton& arrow = ArrowOf(L"DatePicker");
    RECT client{};
    GetClientRect(picker.Handle(), &client);
    const RECT r = arrow.Rect();
    EXPECT_EQ(r.right - r.left, ui::MetricAtDpi(SM_CXHSCROLL, dpi));
    EXPECT_EQ(r.right, client.right) << "against the right end";
    EXPECT_EQ(r.bottom, client.bottom) << "inside the picker's border";

    // The arrow: the darkest pixels of the button, in its middle; the separator: a column of
    // the skin's separator colour near its left edge, and nowhere else.
    RECT on{};
    GetWindowRect(arrow.Window(), &on);
    const HDC screen = GetDC(nullptr);
    const TPixelImage shot = ReadPixels(screen, on);
    ReleaseDC(nullptr, screen);
    const TPixel glyph = PixelFromColor(RGBColor(88, 98, 114));
    auto darkness = [](TPixel p) {
        return 765 - int(p & 0xFF) - int((p >> 8) & 0xFF) - int((p >> 16) & 0xFF);
    };
    int left = shot.Width, right = -1, top = shot.Height, bottom = -1;
    for (int y = 0; y < shot.Height; ++y)
        for (int x = 0; x < shot.Width; ++x)
            if (darkness(shot.At(x, y)) * 2 > darkness(glyph)) {
                left = std::min(left, x), right = std::max(right, x);
                top = std::min(top, y), bottom = std::max(bottom, y);
            }
    ASSERT_GE(right, left) << "an arrow";
    // The skin's own picture has its arrow a pixel and a half right of the middle (centred on
    // the combo's button, border included): so it stays at every density.
    EXPECT_NEAR(left + right, shot.Width - 1, ScaleMeasure(3, dpi)) << "across the middle";
    EXPECT_NEAR(top + bottom, shot.Height - 1, ScaleMeasure(2, dpi)) << "down the middle";
    int separator = -1;
    for (int x = 0; x < shot.Width / 3 && separator < 0; ++x)
        if (darkness(shot.At(x, shot.Height / 2)) > 20) separator = x;
    EXPECT_GE(separator, 0) << "the separator beside the arrow";
    testing_desktop::SaveScreenshot(L"skin_pickers_density_" + std::to_wstring(dpi));
}

TEST_F(SkinPickersTest, TheArrowTurnsHotUnderTheMouse) {
    TArrowButton& arrow = ArrowOf(L"DatePicker");
    const POINT centre = ArrowCentre(L"DatePicker");
    MoveTo(centre);
    EXPECT_TRUE(PumpUntil([&] { return arrow.Hot(); }));
    Settle();
    EXPECT_EQ(ScreenPixel(centre), Arrow(4));
    ParkMouse();
    EXPECT_TRUE(PumpUntil([&] { return !arrow.Hot(); }));
    Settle();
    EXPECT_EQ(ScreenPixel(centre), Arrow(1));
    // A disabled picker's arrow stays cold.
    Get<ui::TDateTimePicker>(L"DatePicker")->SetEnabled(false);
    MoveTo(centre);
    Pump(300ms);
    EXPECT_FALSE(arrow.Hot());
}

TEST_F(SkinPickersTest, APressOnTheArrowOpensTheCalendarAndFocusesThePicker) {
    for (const wchar_t* name : {L"DatePicker", L"RtlPicker"}) {
        auto& picker = *Get<ui::TDateTimePicker>(name);
        ClickAt(ArrowCentre(name));
        EXPECT_TRUE(PumpUntil([&] { return CalendarOnScreen(picker); }))
            << testing::PrintToString(name) << " " << Describe(picker);
        // The keyboard is the picker's, or its open calendar's where that is a window that
        // takes it.
        const HWND focus = GetFocus();
        EXPECT_TRUE(focus == picker.Handle() || focus == Calendar(picker))
            << testing::PrintToString(name);
        testing_desktop::SaveScreenshot(std::wstring(L"skin_pickers_calendar_") + name);
        // Closed again by a second press on the arrow, and the picker has the keyboard.
        ClickAt(ArrowCentre(name));
        EXPECT_TRUE(PumpUntil([&] {
            const HWND calendar = Calendar(picker);
            return !calendar || !IsWindowVisible(calendar);
        })) << testing::PrintToString(name);
        EXPECT_EQ(GetFocus(), picker.Handle()) << testing::PrintToString(name);
    }
}

TEST_F(SkinPickersTest, APressLandsInTheButtonThePickerSaysItHas) {
    auto& picker = *Get<ui::TDateTimePicker>(L"DatePicker");
    // Wine's picker does not say (its button is its right end, a scroll bar wide); Windows'
    // does.
    RECT client{};
    GetClientRect(picker.Handle(), &client);
    const RECT rightEnd{client.right - GetSystemMetrics(SM_CXVSCROLL), 0, client.right,
                        client.bottom};
    DATETIMEPICKERINFO own{};
    own.cbSize = sizeof(own);
    SendMessageW(picker.Handle(), DTM_GETDATETIMEPICKERINFO, 0, reinterpret_cast<LPARAM>(&own));
    const RECT ownButton = IsRectEmpty(&own.rcButton) ? rightEnd : own.rcButton;
    struct Row {
        const char* what;
        std::optional<RECT> answer; // what the picker is made to say; none: its own answer
        RECT expected;
    };
    const Row rows[] = {
        {"the picker's own answer", std::nullopt, ownButton},
        // Where a picker laid out otherwise than Wine's would have it.
        {"a button at the left", RECT{0, 0, 18, 20}, RECT{0, 0, 18, 20}},
        {"an empty answer", RECT{}, rightEnd},
    };
    const ui::TWndMethod original = picker.WindowProc;
    for (const Row& r : rows) {
        std::optional<POINT> pressed;
        picker.WindowProc = [&r, &pressed, old = original](ui::TMessage& m) {
            if (m.Msg == DTM_GETDATETIMEPICKERINFO && r.answer) {
                reinterpret_cast<DATETIMEPICKERINFO*>(m.LParam)->rcButton = *r.answer;
                m.Result = 0;
                return;
            }
            if (m.Msg == WM_LBUTTONDOWN && !pressed)
                pressed = POINT{GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam)};
            old(m);
        };
        ClickAt(ArrowCentre(L"DatePicker"));
        EXPECT_TRUE(PumpUntil([&] { return pressed.has_value(); })) << r.what;
        SendMessageW(picker.Handle(), DTM_CLOSEMONTHCAL, 0, 0);
        picker.WindowProc = original;
        if (!pressed) continue;
        EXPECT_TRUE(PtInRect(&r.expected, *pressed))
            << r.what << ": pressed at " << pressed->x << "," << pressed->y;
        Settle();
    }
}

TEST_F(SkinPickersTest, ARightToLeftPickerHasItsArrowAtTheLeft) {
    auto& picker = *Get<ui::TDateTimePicker>(L"RtlPicker");
    EXPECT_NE(GetWindowLongW(picker.Handle(), GWL_EXSTYLE) & WS_EX_LEFTSCROLLBAR, 0);
    const RECT r = ArrowOf(L"RtlPicker").Rect();
    EXPECT_EQ(r.left, 2);
    EXPECT_EQ(ScreenPixel(ScreenPoint(picker.Handle(), 4, 10)), Arrow(1));
    // Resized: still at the left, and the left-to-right one follows its right end.
    picker.SetWidth(120);
    auto& ltr = *Get<ui::TDateTimePicker>(L"DatePicker");
    ltr.SetWidth(120);
    Settle();
    EXPECT_EQ(ArrowOf(L"RtlPicker").Rect().left, 2);
    RECT client{};
    GetClientRect(ltr.Handle(), &client);
    EXPECT_EQ(ArrowOf(L"DatePicker").Rect().right, client.right);
    EXPECT_EQ(ScreenPixel(ArrowCentre(L"DatePicker")), Arrow(1));
}

TEST_F(SkinPickersTest, SkinningOffHidesTheArrowAndTheOverlay) {
    auto& picker = *Get<ui::TDateTimePicker>(L"DatePicker");
    auto& player = *Get<ui::TMediaPlayer>(L"Player");
    TArrowButton& arrow = ArrowOf(L"DatePicker");
    TWMediaPlayer* overlay = dynamic_cast<TSkinMP*>(SkinOf(player))->Overlay();
    ASSERT_TRUE(overlay);
    SendMessageW(picker.Handle(), SM_SKINACTIVE, 0, 0);
    SendMessageW(player.Handle(), SM_SKINACTIVE, 0, 0);
    Settle();
    EXPECT_FALSE(IsWindowVisible(arrow.Window()));
    EXPECT_FALSE(IsWindowVisible(overlay->Window()));
    EXPECT_NE(ScreenPixel(OnPlayer(3, 3)), Button(1)) << "the player's own look";
    SendMessageW(picker.Handle(), SM_SKINACTIVE, 1, 0);
    SendMessageW(player.Handle(), SM_SKINACTIVE, 1, 0);
    Settle();
    EXPECT_TRUE(IsWindowVisible(arrow.Window()));
    EXPECT_EQ(ScreenPixel(ArrowCentre(L"DatePicker")), Arrow(1));
    EXPECT_EQ(ScreenPixel(OnPlayer(3, 3)), Button(1));
}

TEST_F(SkinPickersTest, ThreeVisibleButtonsAreThreeThirdsOfThePlayer) {
    struct Row {
        const char* what;
        int x, y;
        COLORREF expected;
    };
    const Row rows[] = {
        {"play, its left edge", 0, 3, Button(1)},
        {"play, its right edge", 49, 3, Button(1)},
        {"stop, its left edge", 50, 3, Button(1)},
        {"stop, its right edge", 99, 26, Button(1)},
        {"eject (disabled) from the second third on", 100, 3, Button(3)},
        {"eject, the last column", 149, 26, Button(3)},
        // Glyphs centred in their thirds: play plain, stop coloured, eject disabled.
        {"play's glyph", 25, 15, RGB(0, 0, 0)},
        {"stop's glyph", 75, 15, RGB(208, 0, 0)},
        {"eject's glyph", 125, 13, RGB(128, 128, 128)},
        {"olive left out", 75 - 7, 15, Button(1)},
    };
    for (const Row& r : rows)
        EXPECT_EQ(ScreenPixel(OnPlayer(r.x, r.y)), r.expected) << r.what;
}

TEST_F(SkinPickersTest, APressIsThePlayersOwnClickOnlyWhenReleasedOverItsButton) {
    auto& player = *Get<ui::TMediaPlayer>(L"Player");
    TWMediaPlayer* overlay = dynamic_cast<TSkinMP*>(SkinOf(player))->Overlay();
    ASSERT_TRUE(overlay);
    MoveTo(OnPlayer(75, 15));
    MouseButton(MOUSEEVENTF_LEFTDOWN);
    Settle();
    EXPECT_EQ(overlay->PressedButton(), static_cast<int>(ui::TMPBtnType::btStop));
    EXPECT_EQ(player.PressedButton(), static_cast<int>(ui::TMPBtnType::btStop)) << "forwarded";
    EXPECT_EQ(ScreenPixel(OnPlayer(53, 3)), Button(2)) << "pressed";
    // The glyph moved one pixel right and down: the square's corner is one beyond its place.
    EXPECT_EQ(ScreenPixel(OnPlayer(80, 20)), RGB(208, 0, 0));
    MouseButton(MOUSEEVENTF_LEFTUP);
    Settle();
    EXPECT_EQ(form_->clicks, std::vector<ui::TMPBtnType>{ui::TMPBtnType::btStop});
    EXPECT_EQ(ScreenPixel(OnPlayer(53, 3)), Button(1));
    EXPECT_EQ(ScreenPixel(OnPlayer(80, 20)), Button(1));

    // Pressed on play, released on stop: no click, and the player lets go of its press.
    MoveTo(OnPlayer(25, 15));
    MouseButton(MOUSEEVENTF_LEFTDOWN);
    Settle();
    MoveTo(OnPlayer(75, 15));
    MouseButton(MOUSEEVENTF_LEFTUP);
    Settle();
    EXPECT_EQ(form_->clicks.size(), 1u);
    EXPECT_EQ(player.PressedButton(), -1);
    EXPECT_EQ(overlay->PressedButton(), -1);

    // The disabled eject takes no press.
    ClickAt(OnPlayer(125, 15));
    EXPECT_EQ(form_->clicks.size(), 1u);
    EXPECT_EQ(ScreenPixel(OnPlayer(103, 3)), Button(3));
}

TEST_F(SkinPickersTest, APlayerFreedByItsOwnPressTakesTheOverlayWithIt) {
    auto& player = *Get<ui::TMediaPlayer>(L"Player");
    const HWND overlay = dynamic_cast<TSkinMP*>(SkinOf(player))->Overlay()->Window();
    // In front of everything the player does with a press, its companion included.
    ui::TMediaPlayer* doomed = &player;
    player.WindowProc = [doomed, old = player.WindowProc](ui::TMessage& m) {
        if (m.Msg != WM_LBUTTONDOWN) return old(m);
        ui::Free(doomed);
    };
    testing_memory::TFreedMemoryWatch watch;
    ClickAt(OnPlayer(75, 15));
    EXPECT_EQ(form_->FindComponent(L"Player"), nullptr);
    EXPECT_FALSE(IsWindow(overlay));
    EXPECT_GT(watch.Freed(), 0u);
    EXPECT_EQ(watch.Overwritten(), 0u);
    EXPECT_EQ(GetCapture(), nullptr);
    EXPECT_TRUE(form_->clicks.empty());
}

TEST_F(SkinPickersTest, FewerVisibleButtonsAreLaidOutAgain) {
    auto& player = *Get<ui::TMediaPlayer>(L"Player");
    ASSERT_TRUE(ui::SetPropValue(&player, L"VisibleButtons", L"[btPause,btEject]"));
    Settle();
    EXPECT_EQ(ScreenPixel(OnPlayer(74, 3)), Button(3)) << "pause is not enabled";
    EXPECT_EQ(ScreenPixel(OnPlayer(75, 3)), Button(3));
    ASSERT_TRUE(ui::SetPropValue(&player, L"VisibleButtons", L"[]"));
    Settle();
    EXPECT_EQ(ScreenPixel(OnPlayer(75, 15)), RGB(10, 20, 30)) << "the skin colour alone";
}

TEST_F(SkinPickersTest, GlyphStripsAreHandedToControlsThatDrawFromPictures) {
    const COLORREF key = RGB(255, 0, 255);
    struct Row {
        const wchar_t* name;
        int strip, width;
        std::vector<int> frames;
        bool properties; // the strip goes to Properties.Glyph
    };
    const Row rows[] = {
        {L"RzRadio", kRadioStrip, 13, {1, 5, 1, 5, 4, 8}, false},
        {L"RzCheck", kCheckStrip, 13, {1, 2, 1, 2, 3, 4}, false},
        {L"CxCheck", kCheckStrip, 13, {1, 2, 1, 2, 3, 4}, true},
    };
    for (const Row& r : rows) {
        auto& c = *Get<TPictureButton>(r.name);
        const std::string what = testing::PrintToString(r.name);
        ui::TBitmap& picture = r.properties ? *c.Properties()->Glyph() : *c.CustomGlyphs();
        ASSERT_EQ(picture.Width(), 6 * r.width) << what;
        ASSERT_EQ(picture.Height(), 13) << what;
        for (int i = 0; i < 6; ++i)
            EXPECT_EQ(picture.Canvas().Pixel(r.width * i + 6, 6),
                      ui::ColorRef(FrameColour(r.strip, r.frames[static_cast<std::size_t>(i)])))
                << what << " picture " << i;
        if (r.properties) {
            EXPECT_TRUE(c.writes.empty()) << what;
            continue;
        }
        EXPECT_EQ(c.TransparentColor(), static_cast<int>(key)) << what;
        EXPECT_EQ(c.writes, (std::vector<bool>{false, true})) << what;
        // Registered with the form, but the control's messages are not heard.
        EXPECT_EQ(SendMessageW(c.Handle(), SM_ISSKINNED, 0, 0), 0) << what;
    }
}

TEST_F(SkinPickersTest, WithoutTheSkinsPicturesBothKeepTheirOwnLook) {
    // A second skin data component, loaded but never switched on, lends its skin.
    auto* bareSkin = new TSkinData(form_);
    bareSkin->SetSkinStream(BareSkin());
    ASSERT_TRUE(bareSkin->LoadSkin());
    auto& bare = *bareSkin;
    auto* picker = new ui::TDateTimePicker(form_);
    picker->SetParent(form_);
    picker->SetBounds(170, 78, 140, 24);
    auto* player = new ui::TMediaPlayer(form_);
    player->SetParent(form_);
    player->SetBounds(170, 120, 150, 30);
    auto* pickerSkin = new TSkinDateTime(picker);
    pickerSkin->AttachControl(skinner_, &bare, false, nullptr);
    auto* playerSkin = new TSkinMP(player);
    playerSkin->AttachControl(skinner_, &bare, false, nullptr);
    Settle();
    EXPECT_EQ(pickerSkin->Arrow(), nullptr);
    EXPECT_EQ(playerSkin->Overlay(), nullptr);
    // The player's own face.
    EXPECT_EQ(ScreenPixel(ScreenPoint(form_->Handle(), 170 + 25, 120 + 3)),
              GetSysColor(COLOR_BTNFACE));
}

// The same form under the program's own skin, for people to look at.
class SkinPickersDefaultSkinTest : public SkinPickersTest {
protected:
    std::vector<std::uint8_t> SkinBytes() const override {
        return testing_desktop::ReadFileBytes(DEFAULT_SKIN);
    }
};

TEST_F(SkinPickersDefaultSkinTest, TheProgramsSkinDrawsArrowAndStrip) {
    auto& player = *Get<ui::TMediaPlayer>(L"Player");
    TWMediaPlayer* overlay = dynamic_cast<TSkinMP*>(SkinOf(player))->Overlay();
    ASSERT_TRUE(overlay);
    EXPECT_TRUE(IsWindowVisible(overlay->Window()));
    EXPECT_TRUE(IsWindowVisible(ArrowOf(L"DatePicker").Window()));
    MoveTo(ArrowCentre(L"DatePicker"));
    EXPECT_TRUE(PumpUntil([&] { return ArrowOf(L"DatePicker").Hot(); }));
    testing_desktop::SaveScreenshot(L"skin_pickers_default_skin");
}

} // namespace
