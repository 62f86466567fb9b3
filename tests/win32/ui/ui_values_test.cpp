// The value controls read from a description: the progress bar's range, position and steps, the
// track bar moved by the keyboard, the up-down stepping its associate with real clicks.
#include "tests/win32/ui/ui_test_app.h"
#include "ui/form_binding.h"
#include "ui/progress_bar.h"
#include "ui/properties.h"
#include "ui/stdctrls.h"
#include "ui/track_bar.h"
#include "ui/up_down.h"

#include <commctrl.h>

#include <vector>

namespace {

using namespace ui;
using ui_test::AppTest;

const char* const kDescription = R"(object ValuesForm: TValuesForm
  Left = 160
  Top = 140
  Caption = 'Values'
  ClientHeight = 220
  ClientWidth = 320
  object ProgressBar1: TProgressBar
    Left = 10
    Top = 10
    Width = 20
    Height = 150
    Position = 70
    Min = 20
    Max = 120
    Step = 25
    Orientation = pbVertical
    Smooth = True
  end
  object TrackBar1: TTrackBar
    Left = 50
    Top = 10
    Width = 45
    Height = 150
    Max = 20
    Position = 5
    Frequency = 5
    Orientation = trVertical
    TickMarks = tmBoth
    OnChange = Changed
  end
  object Edit1: TEdit
    Left = 120
    Top = 10
    Width = 100
    Height = 24
  end
  object UpDown1: TUpDown
    Left = 220
    Top = 10
    Width = 17
    Height = 24
    Associate = Edit1
    Max = 10
    Position = 3
    OnChange = Changed
  end
end
)";

class TValuesForm : public ui_test::TTestForm<L"TValuesForm"> {
public:
    explicit TValuesForm(TComponent* owner) : TTestForm(owner) {
        RegisterMethod(L"Changed", TNotifyEvent([this](TPersistent* sender) {
                           changes.push_back(dynamic_cast<TComponent*>(sender)->Name());
                       }));
        LoadDescription(kDescription);
    }

    std::vector<std::wstring> changes;
};

class UiValues : public AppTest {
protected:
    void SetUp() override {
        AppTest::SetUp();
        RegisterStandardClasses();
        form_ = app_->CreateForm<TValuesForm>();
        form_->Show();
        SetForegroundWindow(form_->Handle());
        Pump(std::chrono::milliseconds(100));
    }
    static DWORD StyleOf(TWinControl& c) {
        return static_cast<DWORD>(GetWindowLongW(c.Handle(), GWL_STYLE));
    }
    TValuesForm* form_ = nullptr;
};

TEST_F(UiValues, TheProgressBarKeepsItsPositionInTheRangeAndSteps) {
    auto& bar = *form_->Get<TProgressBar>(L"ProgressBar1");
    const HWND w = bar.Handle();
    EXPECT_EQ(SendMessageW(w, PBM_GETRANGE, TRUE, 0), 20);
    EXPECT_EQ(SendMessageW(w, PBM_GETRANGE, FALSE, 0), 120);
    EXPECT_EQ(SendMessageW(w, PBM_GETPOS, 0, 0), 70);
    EXPECT_EQ(StyleOf(bar) & (PBS_VERTICAL | PBS_SMOOTH), DWORD{PBS_VERTICAL | PBS_SMOOTH});

    struct Row {
        const char* what;
        void (*act)(TProgressBar&);
        int position;
    };
    const Row rows[] = {
        {"a step", [](TProgressBar& b) { b.StepIt(); }, 95},
        {"a step to max", [](TProgressBar& b) { b.StepIt(); }, 120},
        {"no step past max", [](TProgressBar& b) { b.StepIt(); }, 120},
        {"back by a negative step", [](TProgressBar& b) { b.StepBy(-30); }, 90},
        {"below min", [](TProgressBar& b) { b.SetPosition(-5); }, 20},
        {"min raised past the position", [](TProgressBar& b) { b.SetMin(40); }, 40},
    };
    for (const Row& r : rows) {
        r.act(bar);
        EXPECT_EQ(bar.Position(), r.position) << r.what;
        EXPECT_EQ(SendMessageW(w, PBM_GETPOS, 0, 0), r.position) << r.what;
    }

    // Laid down, the bar keeps its length and thickness and the new window keeps the state.
    EXPECT_TRUE(SetEnumProp(&bar, L"Orientation", L"pbHorizontal"));
    EXPECT_EQ(bar.Width(), 150);
    EXPECT_EQ(bar.Height(), 20);
    EXPECT_EQ(StyleOf(bar) & PBS_VERTICAL, 0u);
    EXPECT_EQ(SendMessageW(bar.Handle(), PBM_GETPOS, 0, 0), 40);
}

TEST_F(UiValues, TheTrackBarFollowsTheKeyboardAndReportsChanges) {
    auto& track = *form_->Get<TTrackBar>(L"TrackBar1");
    const HWND w = track.Handle();
    EXPECT_EQ(SendMessageW(w, TBM_GETPOS, 0, 0), 5);
    EXPECT_EQ(SendMessageW(w, TBM_GETRANGEMAX, 0, 0), 20);
    EXPECT_EQ(StyleOf(track) & (TBS_VERT | TBS_AUTOTICKS | TBS_BOTH),
              DWORD{TBS_VERT | TBS_AUTOTICKS | TBS_BOTH});
    // A tick every 5 positions over 0..20, the ends included.
    EXPECT_EQ(SendMessageW(w, TBM_GETNUMTICS, 0, 0), 5);

    track.SetFocus();
    ui_test::PressKey(VK_DOWN);
    ASSERT_TRUE(PumpUntil([&] { return track.Position() == 6; }));
    ui_test::PressKey(VK_END);
    ASSERT_TRUE(PumpUntil([&] { return track.Position() == 20; }));
    EXPECT_EQ(form_->changes, (std::vector<std::wstring>{L"TrackBar1", L"TrackBar1"}));

    track.SetPosition(-3);
    EXPECT_EQ(track.Position(), 0);
    EXPECT_EQ(SendMessageW(w, TBM_GETPOS, 0, 0), 0);
    track.SetPosition(0);
    EXPECT_EQ(form_->changes.size(), 3u) << "no change, no event";

    EXPECT_TRUE(SetEnumProp(&track, L"TickStyle", L"tsNone"));
    EXPECT_EQ(StyleOf(track) & TBS_NOTICKS, DWORD{TBS_NOTICKS});
    EXPECT_EQ(SendMessageW(track.Handle(), TBM_GETPOS, 0, 0), 0);
}

TEST_F(UiValues, TheUpDownStepsItsAssociateWithRealClicks) {
    auto& updown = *form_->Get<TUpDown>(L"UpDown1");
    auto& edit = *form_->Get<TEdit>(L"Edit1");
    const HWND w = updown.Handle();
    EXPECT_EQ(reinterpret_cast<HWND>(SendMessageW(w, UDM_GETBUDDY, 0, 0)), edit.Handle());
    EXPECT_EQ(edit.GetText(), L"3");

    RECT r{};
    GetWindowRect(w, &r);
    const POINT up{(r.left + r.right) / 2, r.top + 3}, down{(r.left + r.right) / 2, r.bottom - 3};
    ClickAt(up);
    EXPECT_EQ(updown.Position(), 4);
    EXPECT_EQ(edit.GetText(), L"4");
    ClickAt(down);
    ClickAt(down);
    EXPECT_EQ(updown.Position(), 2);
    EXPECT_EQ(form_->changes, (std::vector<std::wstring>{L"UpDown1", L"UpDown1", L"UpDown1"}));

    updown.SetPosition(99);
    EXPECT_EQ(updown.Position(), 10);
    EXPECT_EQ(SendMessageW(w, UDM_GETPOS32, 0, 0), 10);

    EXPECT_TRUE(SetEnumProp(&updown, L"Orientation", L"udHorizontal"));
    EXPECT_EQ(StyleOf(updown) & UDS_HORZ, DWORD{UDS_HORZ});
    EXPECT_EQ(SendMessageW(updown.Handle(), UDM_GETPOS32, 0, 0), 10);

    // The associate goes: the up-down forgets it.
    Free(&edit);
    EXPECT_EQ(updown.Associate(), nullptr);
}

} // namespace
