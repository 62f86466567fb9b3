// A form read from its description with every standard control: it comes up in the test
// desktop (a screenshot is saved), and its controls work by mouse and keyboard.
#include "tests/support/desktop.h"
#include "tests/win32/ui/ui_test_app.h"
#include "ui/stdctrls.h"
#include "ui/timer.h"

namespace {

using namespace ui;
using ui_test::AppTest;

constexpr char kDescription[] = R"(object Sample1: TSample1
  Left = 200
  Top = 150
  BorderIcons = [biSystemMenu]
  BorderStyle = bsDialog
  Caption = 'Pellico'#21098#36148#26495' sample'
  ClientHeight = 354
  ClientWidth = 263
  Color = clBtnFace
  Font.Charset = DEFAULT_CHARSET
  Font.Color = clWindowText
  Font.Height = -16
  Font.Name = #23435#20307
  Font.Style = []
  FormStyle = fsStayOnTop
  OldCreateOrder = False
  OnClose = FormClose
  OnCreate = FormCreate
  PixelsPerInch = 96
  TextHeight = 16
  object Label1: TLabel
    Left = 1
    Top = 333
    Width = 10
    Height = 10
    Cursor = crHandPoint
    Caption = 'Korvane'#36719#20214#24037#20316#23460' '#20986#21697
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clFuchsia
    Font.Height = -14
    Font.Name = #23435#20307
    Font.Style = []
    ParentFont = False
    OnClick = Label1Click
  end
  object Label3: TLabel
    Left = 3
    Top = 298
    Width = 249
    Height = 16
    Caption = #25353'F4'#31896#36148#19979#19968#26465
  end
  object Memo1: TMemo
    Left = 7
    Top = 6
    Width = 234
    Height = 200
    ScrollBars = ssBoth
    TabOrder = 3
    Visible = False
  end
  object Button1: TButton
    Left = 9
    Top = 209
    Width = 59
    Height = 38
    Caption = #31896'  '#36148
    Default = True
    Font.Height = -12
    ParentFont = False
    TabOrder = 0
    OnClick = Button1Click
  end
  object ListBox1: TListBox
    Left = 8
    Top = 8
    Width = 234
    Height = 195
    Font.Height = -14
    ItemHeight = 14
    ParentFont = False
    TabOrder = 1
    Items.Strings = (
      'first'
      #31532#20108#34892)
  end
  object Edit1: TEdit
    Left = 94
    Top = 209
    Width = 150
    Height = 24
    TabOrder = 2
    Text = 'edit me'
  end
  object CheckBox1: TCheckBox
    Left = 8
    Top = 255
    Width = 141
    Height = 26
    Caption = #31896#36148#21518#33258#21160#36755#20837
    TabOrder = 4
  end
  object ComboBox1: TComboBox
    Left = 158
    Top = 256
    Width = 94
    Height = 24
    ItemHeight = 16
    ItemIndex = 0
    TabOrder = 5
    Text = 'Tab'#38190
    Items.Strings = (
      'Tab'#38190
      #22238#36710#38190
      #31354#26684#38190)
  end
  object Timer1: TTimer
    Interval = 100
    OnTimer = Timer1Timer
  end
end
)";

class TSample1 : public ui_test::TTestForm<L"TSample1"> {
public:
    explicit TSample1(TComponent* owner) : TTestForm(owner) {
        RegisterMethod(L"FormCreate",
                       TNotifyEvent([this](TPersistent*) { log.push_back("create"); }));
        RegisterMethod(L"FormClose", TCloseEvent([this](TPersistent*, TCloseAction&) {
                           log.push_back("close");
                       }));
        RegisterMethod(L"Button1Click",
                       TNotifyEvent([this](TPersistent*) { log.push_back("button"); }));
        RegisterMethod(L"Label1Click",
                       TNotifyEvent([this](TPersistent*) { log.push_back("label"); }));
        RegisterMethod(L"Timer1Timer", TNotifyEvent([this](TPersistent*) { ++ticks; }));
        LoadDescription(kDescription);
    }

    std::vector<std::string> log;
    int ticks = 0;
};

class UiForm : public AppTest {
protected:
    void SetUp() override {
        AppTest::SetUp();
        form_ = app_->CreateForm<TSample1>();
    }
    TSample1* form_ = nullptr;
};

TEST_F(UiForm, DescriptionBuildsTheFormInStoredOrder) {
    EXPECT_EQ(form_->log, std::vector<std::string>{"create"});
    std::vector<std::wstring> names;
    for (TComponent* c : form_->Components())
        names.push_back(c->Name());
    EXPECT_EQ(names,
              (std::vector<std::wstring>{L"Label1", L"Label3", L"Memo1", L"Button1", L"ListBox1",
                                         L"Edit1", L"CheckBox1", L"ComboBox1", L"Timer1"}));
    EXPECT_EQ(form_->Caption(), L"Pellico剪贴板 sample");
    EXPECT_EQ(form_->Font()->Name(), L"宋体");
    EXPECT_EQ(form_->ClientWidth(), 263);
    EXPECT_EQ(form_->ClientHeight(), 354);
    auto* label1 = form_->Get<TLabel>(L"Label1");
    auto* label3 = form_->Get<TLabel>(L"Label3");
    ASSERT_TRUE(label1 && label3);
    EXPECT_EQ(label1->Font()->Color(), 0xFF00FF);
    EXPECT_EQ(label1->Cursor(), crHandPoint);
    EXPECT_EQ(label3->Font()->Height(), -16); // the form's font
    // Labels size themselves to their text in their font.
    TBitmap probe;
    probe.SetSize(1, 1);
    probe.Canvas().Font.Assign(*label1->Font());
    const SIZE text = probe.Canvas().TextExtent(label1->Caption());
    EXPECT_EQ(label1->Width(), text.cx);
    EXPECT_EQ(label1->Height(), text.cy);
    auto* combo = form_->Get<TComboBox>(L"ComboBox1");
    ASSERT_TRUE(combo);
    EXPECT_EQ(combo->Items()->Count(), 3);
    EXPECT_EQ(combo->ItemHeight(), 16);
    EXPECT_EQ(combo->ItemIndex(), 0);
    EXPECT_EQ(combo->Text(), L"Tab键");
    // Tab order as stored, whatever the order of creation.
    std::vector<TWinControl*> tab_list;
    form_->GetTabOrderList(tab_list);
    std::vector<std::wstring> tab_names;
    for (TWinControl* c : tab_list)
        tab_names.push_back(c->Name());
    EXPECT_EQ(tab_names, (std::vector<std::wstring>{L"Button1", L"ListBox1", L"Edit1", L"Memo1",
                                                    L"CheckBox1", L"ComboBox1"}));
    EXPECT_FALSE(form_->Get<TMemo>(L"Memo1")->Visible());
    // Window styles of the frame the description asks for.
    HWND wnd = form_->Handle();
    EXPECT_TRUE(GetWindowLongW(wnd, GWL_EXSTYLE) & WS_EX_TOPMOST);
    EXPECT_FALSE(GetWindowLongW(wnd, GWL_STYLE) &
                 (WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX));
    EXPECT_TRUE(GetWindowLongW(wnd, GWL_STYLE) & WS_SYSMENU);
}

TEST_F(UiForm, ShowsUpAndWorksByMouseAndKeyboard) {
    form_->Show();
    SetForegroundWindow(form_->Handle());
    ASSERT_TRUE(PumpUntil([&] { return GetForegroundWindow() == form_->Handle(); }));
    auto* button = form_->Get<TButton>(L"Button1");
    auto* list = form_->Get<TListBox>(L"ListBox1");
    auto* edit = form_->Get<TEdit>(L"Edit1");
    auto* check = form_->Get<TCheckBox>(L"CheckBox1");
    auto* combo = form_->Get<TComboBox>(L"ComboBox1");
    auto* label = form_->Get<TLabel>(L"Label1");
    ASSERT_TRUE(PumpUntil([&] { return form_->ticks > 0; })); // the timer runs
    // The first control in tab order has the focus.
    EXPECT_TRUE(PumpUntil([&] { return button->Focused(); }));
    Pump(std::chrono::milliseconds(300));
    testing_desktop::SaveScreenshot(L"ui_form");

    // Mouse.
    ClickAt(ui_test::ScreenCentre(*check));
    EXPECT_TRUE(PumpUntil([&] { return check->Checked(); }));
    ClickAt(ui_test::ScreenCentre(*button));
    EXPECT_TRUE(PumpUntil([&] { return form_->log.size() == 2; }));
    POINT second_item{list->Left() + 20, list->Top() + 14 + 7};
    ClientToScreen(form_->Handle(), &second_item);
    ClickAt(second_item);
    EXPECT_TRUE(PumpUntil([&] { return list->ItemIndex() == 1; }));
    ClickAt(ui_test::ScreenCentre(*label));
    EXPECT_TRUE(PumpUntil([&] { return form_->log.size() == 3; }));
    EXPECT_EQ(form_->log, (std::vector<std::string>{"create", "button", "label"}));

    // Keyboard: tab order Button1, ListBox1, Edit1, (Memo1 hidden), CheckBox1, ComboBox1.
    button->SetFocus();
    ui_test::PressKey(VK_TAB);
    EXPECT_TRUE(PumpUntil([&] { return list->Focused(); }));
    ui_test::PressKey(VK_UP);
    EXPECT_TRUE(PumpUntil([&] { return list->ItemIndex() == 0; }));
    ui_test::PressKey(VK_TAB);
    EXPECT_TRUE(PumpUntil([&] { return edit->Focused(); }));
    ui_test::PressKey('Z');
    EXPECT_TRUE(PumpUntil([&] { return edit->Text().find(L'z') != std::wstring::npos; }));
    ui_test::PressKey(VK_TAB);
    EXPECT_TRUE(PumpUntil([&] { return check->Focused(); }));
    ui_test::PressKey(VK_SPACE);
    EXPECT_TRUE(PumpUntil([&] { return !check->Checked(); }));
    ui_test::PressKey(VK_TAB);
    EXPECT_TRUE(PumpUntil([&] { return combo->Focused(); }));
    ui_test::PressKey(VK_DOWN);
    EXPECT_TRUE(PumpUntil([&] { return combo->ItemIndex() == 1; }));
    EXPECT_EQ(combo->Text(), L"回车键");
    ui_test::PressKey(VK_TAB, true);
    EXPECT_TRUE(PumpUntil([&] { return check->Focused(); }));
    // With the focus off the buttons, the Default one shows as the default.
    EXPECT_EQ(GetWindowLongW(button->Handle(), GWL_STYLE) & 0xF, BS_DEFPUSHBUTTON);
    // Return presses the default button while the focus is not on a button.
    ui_test::PressKey(VK_RETURN);
    EXPECT_TRUE(PumpUntil([&] { return form_->log.size() == 4; }));
    Pump(std::chrono::milliseconds(200));
    testing_desktop::SaveScreenshot(L"ui_form_after_input");

    // Closing the main form runs its close handler and ends the loop.
    app_->SetMainForm(form_);
    PostMessageW(form_->Handle(), WM_CLOSE, 0, 0);
    EXPECT_TRUE(PumpUntil([&] { return app_->Terminated(); }));
    EXPECT_EQ(form_->log.back(), "close");
}

// The stored hidden memo has no window once the form has one; shown, it gets its window with the
// text, font and bounds it was given meanwhile, the identifier it took with the form's window, its
// place among the other windows and its place in the tab order.
TEST_F(UiForm, AHiddenControlGetsItsWindowWhenShown) {
    auto* memo = form_->Get<TMemo>(L"Memo1");
    auto* edit = form_->Get<TEdit>(L"Edit1");
    auto* check = form_->Get<TCheckBox>(L"CheckBox1");
    const HWND form = form_->Handle();
    EXPECT_FALSE(memo->HandleAllocated());
    // Each windowed child's identifier as if every window were made: in stored order from 1.
    std::vector<int> ids;
    std::vector<TWinControl*> windowed;
    for (TControl* c : form_->Controls()) {
        if (auto* w = dynamic_cast<TWinControl*>(c)) {
            windowed.push_back(w);
            ids.push_back(w->ControlId());
        }
    }
    EXPECT_EQ(ids, (std::vector<int>{1, 2, 3, 4, 5, 6}));
    for (TWinControl* w : windowed) {
        if (w != memo) {
            EXPECT_EQ(GetDlgCtrlID(w->Handle()), w->ControlId()) << w->Name();
        }
    }

    memo->SetText(L"备忘\r\n第二行");
    memo->Font()->SetHeight(-20);
    memo->SetBounds(11, 12, 200, 150);
    form_->Show();
    SetForegroundWindow(form);
    ASSERT_TRUE(PumpUntil([&] { return GetForegroundWindow() == form; }));
    edit->SetFocus();
    memo->Show();
    ASSERT_TRUE(memo->HandleAllocated());
    const HWND window = memo->Handle();
    EXPECT_TRUE(IsWindowVisible(window));
    EXPECT_EQ(GetDlgCtrlID(window), 1);
    wchar_t text[64] = {};
    GetWindowTextW(window, text, 64);
    EXPECT_STREQ(text, L"备忘\r\n第二行");
    LOGFONTW font{};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(window, WM_GETFONT, 0, 0)), sizeof(font), &font);
    EXPECT_EQ(font.lfHeight, -20);
    RECT r{};
    GetWindowRect(window, &r);
    MapWindowPoints(nullptr, form, reinterpret_cast<POINT*>(&r), 2);
    EXPECT_EQ(r.left, 11);
    EXPECT_EQ(r.top, 12);
    EXPECT_EQ(r.right - r.left, 200);
    EXPECT_EQ(r.bottom - r.top, 150);
    // The windows run from the top down in the controls' order, the memo's first (it lies over
    // the list box).
    std::vector<HWND> stacked;
    for (HWND w = GetTopWindow(form); w; w = GetWindow(w, GW_HWNDNEXT))
        stacked.push_back(w);
    std::vector<HWND> expected;
    for (TWinControl* w : windowed)
        expected.push_back(w->Handle());
    EXPECT_EQ(stacked, expected);

    // Tab order as stored: Edit1, Memo1, CheckBox1 (the memo itself takes Tab as text).
    ASSERT_TRUE(PumpUntil([&] { return edit->Focused(); }));
    ui_test::PressKey(VK_TAB);
    EXPECT_TRUE(PumpUntil([&] { return memo->Focused(); }));
    check->SetFocus();
    ASSERT_TRUE(PumpUntil([&] { return check->Focused(); }));
    ui_test::PressKey(VK_TAB, true);
    EXPECT_TRUE(PumpUntil([&] { return memo->Focused(); }));
    Pump(std::chrono::milliseconds(200));
    testing_desktop::SaveScreenshot(L"ui_form_memo_shown");
}

} // namespace
