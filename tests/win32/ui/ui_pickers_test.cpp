// The date-time picker and the media player of the class library: read from a description,
// their values and sets in the window and by name, the picker's value across a new window and
// its change event, the player's buttons painted as a strip and clicked with the real mouse.
#include "tests/win32/ui/ui_test_app.h"
#include "ui/date_time_picker.h"
#include "ui/form_binding.h"
#include "ui/media_glyphs.h"
#include "ui/media_player.h"
#include "ui/properties.h"
#include "ui/stdctrls.h"

#include <commctrl.h>

#include <vector>

namespace {

using namespace ui;
using ui_test::AppTest;

const char* const kForm = R"(object PickerForm: TForm
  Left = 150
  Top = 150
  Caption = 'Pickers'
  ClientHeight = 160
  ClientWidth = 320
  object DatePicker: TDateTimePicker
    Left = 10
    Top = 10
    Width = 140
    Height = 24
    Date = '2026-12-10'
    Time = '14:30:00'
  end
  object UpDownPicker: TDateTimePicker
    Left = 160
    Top = 10
    Width = 140
    Height = 24
    DateMode = dmUpDown
    Date = '2024-02-29'
  end
  object TimePicker: TDateTimePicker
    Left = 160
    Top = 40
    Width = 140
    Height = 24
    Kind = dtkTime
    Time = '08:05'
  end
  object Player: TMediaPlayer
    Left = 10
    Top = 80
    Width = 150
    Height = 30
    VisibleButtons = [btPlay, btStop, btEject]
    EnabledButtons = [btPlay, btStop]
    ColoredButtons = [btStop]
    OnClick = PlayerClick
  end
end
)";

class UiPickers : public AppTest {
protected:
    void SetUp() override {
        AppTest::SetUp();
        RegisterStandardClasses();
        form_ = app_->CreateForm<TForm>();
        form_->RegisterMethod(L"PlayerClick", TMPBtnClick([this](TPersistent*, TMPBtnType b) {
                                  clicks_.push_back(b);
                              }));
        form_->LoadDescription(kForm);
        form_->Show();
        Pump(std::chrono::milliseconds(150));
    }
    template <class T> T& Get(const wchar_t* name) {
        return *dynamic_cast<T*>(form_->FindComponent(name));
    }
    static SYSTEMTIME WindowTime(TDateTimePicker& p) {
        SYSTEMTIME t{};
        SendMessageW(p.Handle(), DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&t));
        return t;
    }
    POINT OnPlayer(int x, int y) {
        auto& player = Get<TMediaPlayer>(L"Player");
        POINT p{player.Left() + x, player.Top() + y};
        ClientToScreen(form_->Handle(), &p);
        return p;
    }
    TForm* form_ = nullptr;
    std::vector<TMPBtnType> clicks_;
};

TEST_F(UiPickers, ThePickersKindModeAndValueReachTheWindow) {
    struct Row {
        const wchar_t* name;
        DWORD styles; // DTS_UPDOWN and DTS_TIMEFORMAT as they should be
        const wchar_t* date;
        const wchar_t* time;
    };
    const Row rows[] = {
        {L"DatePicker", 0, L"2026-12-10", L"14:30:00"},
        {L"UpDownPicker", DTS_UPDOWN, L"2024-02-29", nullptr},
        {L"TimePicker", DTS_TIMEFORMAT, nullptr, L"08:05:00"},
    };
    for (const Row& r : rows) {
        auto& picker = Get<TDateTimePicker>(r.name);
        const auto style = static_cast<DWORD>(GetWindowLongW(picker.Handle(), GWL_STYLE));
        EXPECT_EQ(style & (DTS_UPDOWN | DTS_TIMEFORMAT), r.styles) << r.name;
        if (r.date) {
            EXPECT_EQ(GetStrProp(&picker, L"Date"), r.date) << r.name;
        }
        if (r.time) {
            EXPECT_EQ(GetStrProp(&picker, L"Time"), r.time) << r.name;
        }
    }
    const SYSTEMTIME t = WindowTime(Get<TDateTimePicker>(L"DatePicker"));
    EXPECT_EQ(t.wYear, 2026);
    EXPECT_EQ(t.wMonth, 12);
    EXPECT_EQ(t.wDay, 10);
    EXPECT_EQ(t.wHour, 14);
    EXPECT_EQ(GetEnumProp(&Get<TDateTimePicker>(L"UpDownPicker"), L"DateMode"), L"dmUpDown");
}

TEST_F(UiPickers, TextThatIsNoDateIsRefusedAndTheValueStays) {
    auto& picker = Get<TDateTimePicker>(L"DatePicker");
    for (const wchar_t* text : {L"2026-02-30", L"2025-02-29", L"1600-01-01", L"2026-13-01",
                                L"10.12.2026", L"2026-12-1x", L""})
        EXPECT_FALSE(SetPropValue(&picker, L"Date", text)) << testing::PrintToString(text);
    EXPECT_FALSE(SetPropValue(&picker, L"Time", L"24:00:00"));
    EXPECT_EQ(picker.Date(), L"2026-12-10");
    EXPECT_EQ(picker.Time(), L"14:30:00");
    auto* other = app_->CreateForm<TForm>();
    EXPECT_THROW(other->LoadDescription("object Other: TForm\n object P2: TDateTimePicker\n"
                                        "  Date = '2026-02-30'\n end\nend\n"),
                 EDescriptionError);
}

TEST_F(UiPickers, TheValueSurvivesANewWindowAndAChangeInTheWindowIsReported) {
    auto& picker = Get<TDateTimePicker>(L"DatePicker");
    int changes = 0;
    picker.OnChange = [&](TPersistent*) { ++changes; };
    picker.SetKind(TDateTimeKind::dtkTime); // a style of the window: made again
    EXPECT_EQ(GetWindowLongW(picker.Handle(), GWL_STYLE) & DTS_TIMEFORMAT, DTS_TIMEFORMAT);
    EXPECT_EQ(picker.Date(), L"2026-12-10");
    EXPECT_EQ(picker.Time(), L"14:30:00");
    EXPECT_EQ(changes, 0);

    // The user picks the first field (the hours) and steps it.
    POINT hours{4 + 6, picker.Height() / 2};
    ClientToScreen(picker.Handle(), &hours);
    ClickAt(hours);
    ui_test::PressKey(VK_UP);
    EXPECT_TRUE(PumpUntil([&] { return changes > 0; }));
    EXPECT_NE(picker.Date() + L" " + picker.Time(), L"2026-12-10 14:30:00");
}

TEST_F(UiPickers, ThePlayersSetsByNameAsText) {
    auto& player = Get<TMediaPlayer>(L"Player");
    EXPECT_EQ(GetSetProp(&player, L"VisibleButtons"), L"[btPlay,btStop,btEject]");
    EXPECT_EQ(GetSetProp(&player, L"ColoredButtons"), L"[btStop]");
    EXPECT_TRUE(SetPropValue(&player, L"EnabledButtons", L"[btEject,btPlay]"));
    EXPECT_EQ(player.EnabledButtons(),
              MPButtonBit(TMPBtnType::btPlay) | MPButtonBit(TMPBtnType::btEject));
    EXPECT_FALSE(SetPropValue(&player, L"VisibleButtons", L"[btRewind]"));
}

TEST_F(UiPickers, ThePlayerPaintsItsVisibleButtonsAsThirds) {
    auto& player = Get<TMediaPlayer>(L"Player");
    HDC screen = GetDC(nullptr);
    auto pixel = [&](int x, int y) {
        const POINT p = OnPlayer(x, y);
        return GetPixel(screen, p.x, p.y);
    };
    // Each third shows its glyph at its centre, in the look the sets give it: play plain, stop
    // coloured (a red square), eject disabled.
    EXPECT_EQ(pixel(25, 15), RGB(0, 0, 0)) << "play";
    EXPECT_EQ(pixel(75, 15), RGB(208, 0, 0)) << "stop";
    EXPECT_EQ(pixel(125, 13), RGB(128, 128, 128)) << "eject";
    // The key colour of the glyphs is left out.
    EXPECT_NE(pixel(75 - 7, 15), ui::kMediaGlyphKey);
    ReleaseDC(nullptr, screen);
    EXPECT_EQ(player.PressedButton(), -1);
}

TEST_F(UiPickers, APressAndReleaseOverAButtonClicksIt) {
    ClickAt(OnPlayer(75, 15));
    EXPECT_EQ(clicks_, std::vector<TMPBtnType>{TMPBtnType::btStop});
    // A disabled button takes no press.
    ClickAt(OnPlayer(125, 15));
    EXPECT_EQ(clicks_.size(), 1u);
    // Pressed on play, released on stop: nothing.
    MoveTo(OnPlayer(25, 15));
    MouseButton(MOUSEEVENTF_LEFTDOWN);
    Pump(std::chrono::milliseconds(100));
    EXPECT_EQ(Get<TMediaPlayer>(L"Player").PressedButton(), static_cast<int>(TMPBtnType::btPlay));
    MoveTo(OnPlayer(75, 15));
    MouseButton(MOUSEEVENTF_LEFTUP);
    Pump(std::chrono::milliseconds(100));
    EXPECT_EQ(clicks_.size(), 1u);
    EXPECT_EQ(Get<TMediaPlayer>(L"Player").PressedButton(), -1);
}

} // namespace
