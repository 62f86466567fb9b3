// The skin manager and the form skinner under Wine: forms read from descriptions with a skin
// data component are skinned at their first activation and only once; the filters (tag 99,
// foreign windows, dialogs); the skinned frame around an unchanged client area; the caption
// drags the window; the deferred actions switch skinning off and on, take up a new skin and
// re-skin one window; a damaged skin leaves the window as it was; popup menus; MDI frames.
#include "skin/controls/base/skin_control.h"
#include "skin/forms/skin_form.h"
#include "skin/runtime/skin_data.h"
#include "skin/runtime/skin_manager.h"
#include "skin/runtime/skin_messages.h"
#include "tests/support/skin_fixture.h"
#include "tests/win32/skin/compositor_recorder.h"

#include "tests/support/desktop.h"
#include "tests/win32/ui/sent_messages.h"
#include "tests/win32/ui/ui_test_app.h"
#include "ui/form_binding.h"
#include "ui/panel.h"
#include "ui/stdctrls.h"
#include "ui/text_codec.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <thread>
#include <vector>

namespace {

using namespace std::chrono_literals;
using skin_fixture::Skin;
using skin_fixture::StreamLine;
using skin_fixture::Strip;

// A skin whose frame is `left`, `title`, `right` and `bottom` pixels wide, face colour 10 20 30.
std::vector<std::uint8_t> FrameSkin(int left = 5, int title = 24, int right = 6, int bottom = 7) {
    return skin_fixture::FramedSkin("", "[Colours]\nButtonFace=10 20 30\n", left, title, right,
                                    bottom)
        .Pack();
}

class TSkinTestForm : public ui_test::TTestForm<L"TSkinTestForm"> {
public:
    explicit TSkinTestForm(ui::TComponent* owner) : TTestForm(owner) {
        RegisterMethod(L"Button1Click", ui::TNotifyEvent([this](ui::TPersistent*) { ++clicks; }));
        RegisterMethod(L"FormClose",
                       ui::TCloseEvent([this](ui::TPersistent*, ui::TCloseAction&) { ++closes; }));
    }
    TSkinData* Skin() const { return dynamic_cast<TSkinData*>(FindComponent(L"SkinData1")); }

    int clicks = 0;
    int closes = 0;
};

// A radio group of another library, as far as its class name tells.
class TOtherRadioGroup : public ui::TWinControl {
public:
    using ui::TWinControl::TWinControl;
    static const ui::TClassInfo& StaticClass() {
        static const ui::TClassInfo info(L"TOtherRadioGroup", &ui::TWinControl::StaticClass());
        return info;
    }
    const ui::TClassInfo& ClassType() const override { return StaticClass(); }
};

// A dialog template of the given style, without controls.
std::vector<WORD> DialogTemplate(DWORD style) {
    std::vector<WORD> t(sizeof(DLGTEMPLATE) / sizeof(WORD) + 3, 0);
    auto* d = reinterpret_cast<DLGTEMPLATE*>(t.data());
    d->style = style;
    d->x = 10;
    d->y = 10;
    d->cx = 120;
    d->cy = 80;
    for (const wchar_t c : std::wstring(L"Dlg"))
        t.push_back(static_cast<WORD>(c));
    t.push_back(0);
    return t;
}

INT_PTR CALLBACK QuietDialog(HWND, UINT msg, WPARAM, LPARAM) {
    return msg == WM_INITDIALOG;
}

// A module that is not this program, for foreign windows.
HINSTANCE Foreign() {
    return GetModuleHandleW(L"user32.dll");
}

class SkinManagerTest : public ui_test::AppTest {
protected:
    void SetUp() override {
        AppTest::SetUp();
        ui::RegisterComponentClass<TSkinData>();
        ui::RegisterComponentClass<ui::TButton>();
        ui::RegisterComponentClass<TOtherRadioGroup>();
        // No message box may stop an unattended run.
        SetSkinMessageSink([](const std::string&) {});
        UseFormSkinning();
    }
    void TearDown() override {
        for (HWND w : windows_)
            if (IsWindow(w)) DestroyWindow(w);
        AppTest::TearDown();
        FreeSkinManage();
        SetSkinMessageSink(nullptr);
    }

    // A form like the main window (263 x 354 client area, dialog frame) with a button and a
    // skin data component holding `skin`.
    TSkinTestForm* NewForm(const std::string& properties = "",
                           const std::vector<std::uint8_t>& skin = FrameSkin()) {
        auto* form = new TSkinTestForm(app_.get());
        form->LoadDescription("object SkinTestForm: TSkinTestForm\n"
                              "  Left = 200\n  Top = 150\n"
                              "  BorderIcons = [biSystemMenu]\n  BorderStyle = bsDialog\n"
                              "  Caption = 'Skinned'\n  ClientHeight = 354\n  ClientWidth = 263\n"
                              "  OnClose = FormClose\n" +
                              properties +
                              "  object Button1: TButton\n    Left = 9\n    Top = 209\n"
                              "    Width = 59\n    Height = 38\n    Caption = 'Go'\n"
                              "    OnClick = Button1Click\n  end\n"
                              "  object SkinData1: TSkinData\n    Active = True\n" +
                              StreamLine(skin) + "  end\nend\n");
        return form;
    }
    // A new form, shown, whose skin data counts its events.
    TSkinTestForm* ShownForm(const std::string& properties = "") {
        TSkinTestForm* form = NewForm(properties);
        form->Skin()->OnSkinChanged = [this](TSkinDataCore&) { ++changed_; };
        form->Skin()->OnAfterSkinForm = [this, form](TSkinDataCore&, TWindowHandle w,
                                                     const std::string& name) {
            EXPECT_EQ(reinterpret_cast<HWND>(w), form->Handle());
            EXPECT_EQ(name, "TSkinTestForm");
            ++afterSkin_;
        };
        form->Show();
        return form;
    }
    TSkinManage& Manager() { return *SkinManage(); }
    TWinSkinForm* Skinner(HWND window) {
        return SkinManage() ? dynamic_cast<TWinSkinForm*>(SkinManage()->FindSkinForm(window))
                            : nullptr;
    }
    bool Skinned(HWND window) {
        return PumpUntil([&] {
            const TWinSkinForm* s = Skinner(window);
            return s && s->SkinState() == TFormSkinState::Active;
        });
    }
    TFrameSize ClientSize(HWND window) {
        RECT r{};
        GetClientRect(window, &r);
        return {r.right, r.bottom};
    }
    TFrameSize WindowSize(HWND window) {
        RECT r{};
        GetWindowRect(window, &r);
        return {r.right - r.left, r.bottom - r.top};
    }
    // A window of another module, shown and activated.
    HWND ForeignWindow() {
        HWND w = CreateWindowExW(0, L"Static", L"Foreign", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 50, 50,
                                 200, 150, nullptr, nullptr, Foreign(), nullptr);
        windows_.push_back(w);
        return w;
    }

    // A modeless dialog of another module with a caption, not shown yet.
    HWND ForeignDialog() {
        const std::vector<WORD> t =
            DialogTemplate(WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME);
        const HWND dialog = CreateDialogIndirectParamW(
            Foreign(), reinterpret_cast<const DLGTEMPLATE*>(t.data()), nullptr, QuietDialog, 0);
        if (dialog) windows_.push_back(dialog);
        return dialog;
    }

    std::vector<HWND> windows_;
    int changed_ = 0;   // OnSkinChanged
    int afterSkin_ = 0; // OnAfterSkinForm
};

TEST_F(SkinManagerTest, AFormIsSkinnedOnceFromItsFirstActivation) {
    TSkinTestForm* form = NewForm();
    // Loaded switched skinning on; with no window activated yet there is nothing to time.
    ASSERT_TRUE(SkinManage());
    EXPECT_TRUE(Manager().SkinningOn);
    EXPECT_EQ(Manager().State(), TSkinManagerState::NotStarted);
    EXPECT_FALSE(Manager().TimerEnabled());
    EXPECT_EQ(Manager().SkinDatas().size(), 1u);

    const HWND h = form->Handle();
    const TFrameSize before = WindowSize(h);
    form->Show();
    ASSERT_TRUE(Skinned(h));
    EXPECT_EQ(Manager().State(), TSkinManagerState::Running);
    EXPECT_EQ(Manager().Forms().size(), 1u);
    EXPECT_EQ(SendMessageW(h, SM_ISSKINNED, 0, 0), 1);
    EXPECT_EQ(SendMessageW(h, kSkinCheckMessage, 0, kSkinCheck), kSkinCheck);

    // The client area stays, the window takes on the skin's frame.
    TWinSkinForm* skinner = Skinner(h);
    EXPECT_EQ(skinner->FrameSizes(), (TFrameSizes{5, 24, 6, 7}));
    EXPECT_EQ(skinner->FrameKind(), TFrameKind::Dialog);
    EXPECT_EQ(ClientSize(h), (TFrameSize{263, 354}));
    EXPECT_EQ(WindowSize(h), (TFrameSize{263 + 11, 354 + 31}))
        << "system frame was " << before.width << "x" << before.height;
    RECT outer{};
    GetWindowRect(h, &outer);
    POINT origin{0, 0};
    ClientToScreen(h, &origin);
    EXPECT_EQ(origin.x - outer.left, 5);
    EXPECT_EQ(origin.y - outer.top, 24);
    EXPECT_EQ(outer.left, 200) << "the window keeps its place";
    EXPECT_EQ(form->Color(), RGBColor(10, 20, 30));
    // The system's caption buttons and system menu stay away.
    Pump(100ms);
    EXPECT_FALSE(GetWindowLongW(h, GWL_STYLE) & WS_SYSMENU);

    // Activated again, after another window was: nothing new.
    const HWND other = ForeignWindow();
    SetActiveWindow(other);
    Pump(100ms);
    SetActiveWindow(h);
    Pump(400ms);
    EXPECT_EQ(Manager().Forms().size(), 1u);
    EXPECT_EQ(Skinner(h), skinner);
    EXPECT_FALSE(Manager().SkinWindow(h));
    EXPECT_FALSE(Skinner(other)) << "a foreign window that is no dialog";

    // The form still works through the skinner.
    SendMessageW(dynamic_cast<ui::TButton*>(form->FindComponent(L"Button1"))->Handle(), BM_CLICK, 0,
                 0);
    EXPECT_EQ(form->clicks, 1);
    ui_test::AppTest::Pump(100ms);
    testing_desktop::SaveScreenshot(L"skin_manager_form");
}

// A program's main form is skinned before it shows: it comes up in the skin's frame, already
// started, and its first activation neither makes another skinner nor starts this one again.
TEST_F(SkinManagerTest, AFormSkinnedBeforeItShowsComesUpInTheSkinsFrame) {
    TSkinTestForm* form = NewForm();
    form->Skin()->OnAfterSkinForm = [this](TSkinDataCore&, TWindowHandle, const std::string&) {
        ++afterSkin_;
    };
    const HWND h = form->Handle();
    ASSERT_TRUE(Manager().SkinFormBeforeShow(*form));
    // At once, without a message handled in between, and still hidden.
    EXPECT_FALSE(IsWindowVisible(h));
    ASSERT_TRUE(Skinner(h));
    EXPECT_EQ(Skinner(h)->SkinState(), TFormSkinState::Active);
    EXPECT_EQ(afterSkin_, 1);
    EXPECT_EQ(WindowSize(h), (TFrameSize{263 + 11, 354 + 31}));
    EXPECT_EQ(ClientSize(h), (TFrameSize{263, 354}));
    EXPECT_FALSE(Manager().SkinFormBeforeShow(*form)) << "skinned already";

    TWinSkinForm* skinner = Skinner(h);
    form->Show();
    Pump(300ms);
    EXPECT_EQ(Manager().Forms().size(), 1u);
    EXPECT_EQ(Skinner(h), skinner);
    EXPECT_EQ(afterSkin_, 1) << "started once";
    EXPECT_EQ(WindowSize(h), (TFrameSize{263 + 11, 354 + 31}));
    EXPECT_EQ(SendMessageW(h, SM_ISSKINNED, 0, 0), 1);

    // A form already on screen is left to its activation, as any window.
    TSkinTestForm* shown = NewForm();
    ShowWindow(shown->Handle(), SW_SHOWNOACTIVATE);
    EXPECT_FALSE(Manager().SkinFormBeforeShow(*shown));
    EXPECT_FALSE(Skinner(shown->Handle()));
}

// Showing a window activates it on the way, before the system asks for its frame (WM_NCACTIVATE
// comes before the first WM_NCPAINT): the frame is painted once, when the system asks, and not
// for the activation. A frame paint asked with an update region of the client area alone (Wine
// asks so again at the window's first paint) has nothing of the frame to paint. Once the frame
// is up, an activation change repaints it at once.
TEST_F(SkinManagerTest, AFormBeingShownPaintsItsFrameOnlyWhenTheSystemAsks) {
    TSkinTestForm* form = NewForm();
    const HWND h = form->Handle();
    ASSERT_TRUE(Manager().SkinFormBeforeShow(*form));
    TWinSkinForm* skinner = Skinner(h);
    ASSERT_TRUE(skinner);
    EXPECT_EQ(skinner->FramePaints(), 0) << "nothing painted while hidden";

    const ui_test::TSentMessages sent;
    ASSERT_TRUE(sent.Counting());
    form->Show();
    SetForegroundWindow(h);
    Pump(300ms);
    EXPECT_GE(sent.Count(h, WM_NCACTIVATE), 1);
    EXPECT_GE(sent.Count(h, WM_NCPAINT), 1);
    EXPECT_EQ(skinner->FramePaints(), 1);

    RECT client{};
    GetClientRect(h, &client);
    MapWindowPoints(h, nullptr, reinterpret_cast<POINT*>(&client), 2);
    const struct {
        const char* update;
        RECT rect; // screen coordinates; empty: the whole window (1)
        int paints;
    } cases[] = {
        {"the client area", client, 0},
        {"a corner of the client area", {client.left, client.top, client.left + 9, client.top + 9},
         0},
        {"across the title's edge", {client.left, client.top - 2, client.left + 9, client.top + 2},
         1},
        {"the left edge", {client.left - 1, client.top, client.left, client.top + 1}, 1},
        {"the whole window", {}, 1},
    };
    for (const auto& c : cases) {
        const int before = skinner->FramePaints();
        HRGN region = IsRectEmpty(&c.rect) ? nullptr : CreateRectRgnIndirect(&c.rect);
        SendMessageW(h, WM_NCPAINT, region ? reinterpret_cast<WPARAM>(region) : 1, 0);
        if (region) DeleteObject(region);
        EXPECT_EQ(skinner->FramePaints() - before, c.paints) << c.update;
    }

    for (const BOOL active : {FALSE, TRUE}) {
        const int before = skinner->FramePaints();
        SendMessageW(h, WM_NCACTIVATE, active, 0);
        EXPECT_EQ(skinner->ActiveFlag(), active != FALSE);
        EXPECT_EQ(skinner->FramePaints() - before, 1) << "the frame for the change, at once";
    }
}

TEST_F(SkinManagerTest, Tag99IsNeverSkinnedWhateverDisableTagSays) {
    TSkinTestForm* tagged = NewForm("  Tag = 99\n");
    tagged->Skin()->DisableTag = 5;
    tagged->Show();
    TSkinTestForm* disabled = NewForm("  Tag = 5\n");
    disabled->Show();
    ASSERT_TRUE(Skinned(disabled->Handle()));
    SetActiveWindow(tagged->Handle());
    Pump(400ms);
    EXPECT_FALSE(Skinner(tagged->Handle()));
    EXPECT_EQ(SendMessageW(tagged->Handle(), SM_ISSKINNED, 0, 0), 0);
    EXPECT_EQ(Manager().Forms().size(), 1u);
}

TEST_F(SkinManagerTest, ForeignDialogsAreSkinnedUnlessStyle0x200) {
    NewForm();
    const DWORD style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
    for (const DWORD extra : {DWORD{0}, DWORD{0x200}}) {
        const std::vector<WORD> t = DialogTemplate(style | extra);
        HWND dialog = CreateDialogIndirectParamW(
            Foreign(), reinterpret_cast<const DLGTEMPLATE*>(t.data()), nullptr, QuietDialog, 0);
        ASSERT_TRUE(dialog);
        windows_.push_back(dialog);
        const TFrameSize client = ClientSize(dialog);
        ShowWindow(dialog, SW_SHOW);
        SetActiveWindow(dialog);
        if (extra) {
            Pump(400ms);
            EXPECT_FALSE(Skinner(dialog));
            continue;
        }
        ASSERT_TRUE(Skinned(dialog));
        const TWinSkinForm* skinner = Skinner(dialog);
        EXPECT_TRUE(skinner->DialogClass());
        EXPECT_EQ(skinner->FrameKind(), TFrameKind::Dialog);
        EXPECT_EQ(ClientSize(dialog), client);
        EXPECT_EQ(WindowSize(dialog), (TFrameSize{client.width + 11, client.height + 31}));
        // A foreign window's background is the skin's face.
        RedrawWindow(dialog, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
        HDC dc = GetDC(dialog);
        EXPECT_EQ(GetPixel(dc, 10, 10), RGB(10, 20, 30));
        ReleaseDC(dialog, dc);
    }
}

TEST_F(SkinManagerTest, ADisabledGroupTakesItsButtonsAlong) {
    TSkinTestForm* form =
        NewForm("  object Group1: TOtherRadioGroup\n"
                "    Left = 10\n    Top = 10\n    Width = 120\n    Height = 80\n"
                "    Tag = 99\n"
                "    object Button2: TButton\n"
                "      Left = 5\n      Top = 5\n      Width = 60\n      Height = 24\n"
                "    end\n"
                "  end\n");
    form->Show();
    ASSERT_TRUE(Skinned(form->Handle()));
    const TWinSkinForm* skinner = Skinner(form->Handle());
    auto* inside = dynamic_cast<ui::TButton*>(form->FindComponent(L"Button2"));
    auto* outside = dynamic_cast<ui::TButton*>(form->FindComponent(L"Button1"));
    EXPECT_EQ(inside->Tag(), 99);
    EXPECT_EQ(skinner->AssignedKind(inside->Handle()), TSkinControlKind::None);
    EXPECT_EQ(skinner->AssignedKind(outside->Handle()), TSkinControlKind::Button);
}

// The form's window is made without the windows of hidden controls, and the skinner makes none:
// a control whose window is made later (shown, asked for, or shown with a panel around it) is
// taken up then, as the skinner's start would have, and once.
TEST_F(SkinManagerTest, AControlIsSkinnedWhenItsWindowIsMadeLater) {
    ui::RegisterComponentClass<ui::TPanel>();
    auto button = [](const char* name, int top, const char* extra) {
        return std::string("  object ") + name + ": TButton\n    Left = 90\n    Top = " +
               std::to_string(top) + "\n    Width = 60\n    Height = 24\n" + extra + "  end\n";
    };
    TSkinTestForm* form = NewForm(
        button("Hidden1", 10, "    Visible = False\n") +
        button("Hidden2", 40, "    Visible = False\n") +
        "  object Panel1: TPanel\n    Left = 10\n    Top = 80\n    Width = 160\n"
        "    Height = 60\n    Visible = False\n" +
        button("Button3", 5, "") + "  end\n");
    form->Show();
    ASSERT_TRUE(Skinned(form->Handle()));
    TWinSkinForm* skinner = Skinner(form->Handle());
    auto control = [form](const wchar_t* name) {
        return dynamic_cast<ui::TWinControl*>(form->FindComponent(name));
    };
    for (const wchar_t* name : {L"Hidden1", L"Hidden2", L"Panel1", L"Button3"})
        EXPECT_FALSE(control(name)->HandleAllocated()) << ui::WideToUtf8(name);
    EXPECT_EQ(skinner->ControlAssignments().size(), 1u) << "Button1 alone";

    using K = TSkinControlKind;
    const struct {
        const wchar_t* name;
        bool show; // else its window is asked for
        std::vector<std::pair<const wchar_t*, K>> skinned;
    } rows[] = {
        {L"Hidden1", true, {{L"Hidden1", K::Button}}},
        {L"Hidden2", false, {{L"Hidden2", K::Button}}},
        {L"Panel1", true, {{L"Panel1", K::Box}, {L"Button3", K::Button}}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(ui::WideToUtf8(row.name));
        ui::TWinControl* made = control(row.name);
        if (row.show) {
            made->Show();
        } else {
            made->HandleNeeded();
        }
        EXPECT_EQ(IsWindowVisible(made->Handle()) != FALSE, row.show);
        for (const auto& [name, kind] : row.skinned)
            EXPECT_EQ(skinner->AssignedKind(control(name)->Handle()), kind) << ui::WideToUtf8(name);
    }
    EXPECT_EQ(SendMessageW(control(L"Hidden1")->Handle(), SM_ISSKINNED, 0, 0), 1);
    EXPECT_EQ(SendMessageW(control(L"Button3")->Handle(), SM_ISSKINNED, 0, 0), 1);
    EXPECT_EQ(skinner->ControlAssignments().size(), 5u);
    // One skin control for each, however often the controls' windows were announced.
    std::map<const ui::TControl*, int> companions;
    for (const TSkinControl* c : skinner->SkinControls())
        ++companions[c->Control()];
    for (const auto& [skinned, count] : companions)
        EXPECT_EQ(count, 1) << ui::WideToUtf8(skinned->Name());
}

TEST_F(SkinManagerTest, TheSkinDataMayChooseAControlsSkinner) {
    TSkinTestForm* form = NewForm();
    auto* button = dynamic_cast<ui::TButton*>(form->FindComponent(L"Button1"));
    TSkinControl* chosen = nullptr;
    form->Skin()->OnSkinControl = [&](ui::TComponent*, TSkinData*, ui::TControl*,
                                      ui::TControl* control, const std::wstring& cls,
                                      ui::TComponent*& result) {
        if (cls != L"TBUTTON") return;
        chosen = new TSkinControl(control);
        result = chosen;
    };
    form->Show();
    ASSERT_TRUE(Skinned(form->Handle()));
    const TWinSkinForm* skinner = Skinner(form->Handle());
    ASSERT_NE(chosen, nullptr);
    EXPECT_EQ(skinner->SkinControls(), std::vector<TSkinControl*>{chosen});
    EXPECT_TRUE(chosen->Attached());
    EXPECT_EQ(SendMessageW(button->Handle(), SM_ISSKINNED, 0, 0), 1);
    // The rules were not asked.
    EXPECT_EQ(skinner->AssignedKind(button->Handle()), TSkinControlKind::None);
}

TEST_F(SkinManagerTest, AForeignDialogsChildWindowsByClassAndStyle) {
    NewForm();
    const HWND dialog = ForeignDialog();
    ASSERT_TRUE(dialog);
    using K = TSkinControlKind;
    const struct {
        const wchar_t* cls;
        DWORD style;
        K kind;
    } children[] = {
        {L"Button", BS_PUSHBUTTON, K::Button},
        {L"Button", BS_AUTOCHECKBOX, K::CheckBox},
        {L"Button", BS_AUTORADIOBUTTON, K::RadioButton},
        {L"Button", BS_GROUPBOX, K::None},
        {L"Button", BS_OWNERDRAW, K::None},
        {L"Button", BS_COMMANDLINK, K::None},
        {L"ComboBox", CBS_SIMPLE, K::None},
        {L"ComboBox", CBS_DROPDOWNLIST, K::ComboBox},
        {L"Edit", WS_BORDER, K::Edit},
        {L"ListBox", WS_BORDER | WS_VSCROLL | LBS_NOTIFY, K::ScrollbarH},
        {L"Static", SS_LEFT, K::None},
    };
    std::vector<HWND> made;
    int y = 0;
    for (const auto& c : children) {
        made.push_back(CreateWindowExW(0, c.cls, L"x", WS_CHILD | WS_VISIBLE | c.style, 5, y, 80,
                                       20, dialog, nullptr, Foreign(), nullptr));
        ASSERT_TRUE(made.back());
        y += 22;
    }
    ShowWindow(dialog, SW_SHOW);
    SetActiveWindow(dialog);
    ASSERT_TRUE(Skinned(dialog));
    const TWinSkinForm* skinner = Skinner(dialog);
    for (std::size_t i = 0; i < made.size(); ++i)
        EXPECT_EQ(skinner->AssignedKind(made[i]), children[i].kind)
            << i << ": " << std::hex << children[i].style;
}

TEST_F(SkinManagerTest, AForeignDialogsButtonHearsTheMouseLeaveIt) {
    NewForm();
    const HWND dialog = ForeignDialog();
    ASSERT_TRUE(dialog);
    const HWND button = CreateWindowExW(0, L"Button", L"x", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON,
                                        5, 5, 80, 20, dialog, nullptr, Foreign(), nullptr);
    ShowWindow(dialog, SW_SHOW);
    SetForegroundWindow(dialog);
    ASSERT_TRUE(Skinned(dialog));
    const TWinSkinForm* skinner = Skinner(dialog);
    const auto& controls = skinner->SkinControls();
    const auto found = std::find_if(controls.begin(), controls.end(),
                                    [&](const TSkinControl* c) { return c->Handle() == button; });
    ASSERT_NE(found, controls.end());
    const TSkinControl& skinned = **found;
    ParkMouse();
    // A move the button heard with the cursor elsewhere: the system tracks no leave for it, as
    // when another window took the system's tracking over.
    SendMessageW(button, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    ASSERT_TRUE(skinned.Hot());
    EXPECT_TRUE(PumpUntil([&] { return !skinned.Hot(); }, 2s));
}

TEST_F(SkinManagerTest, TheSkinnedCaptionDragsTheWindow) {
    TSkinTestForm* form = NewForm();
    const HWND h = form->Handle();
    form->Show();
    ASSERT_TRUE(Skinned(h));
    RECT r{};
    GetWindowRect(h, &r);
    auto hit = [&](int x, int y) {
        return SendMessageW(h, WM_NCHITTEST, 0, MAKELPARAM(r.left + x, r.top + y));
    };
    EXPECT_EQ(hit(60, 12), HTCAPTION);
    EXPECT_EQ(hit(60, 4), HTCAPTION);
    EXPECT_EQ(hit(60, 30), HTCLIENT);
    EXPECT_NE(hit(60, 2), HTCLIENT);

    // Real input from another thread: the window moves in a loop of its own meanwhile.
    const POINT grab{r.left + 60, r.top + 12};
    MoveTo(grab);
    SetForegroundWindow(h);
    Pump(200ms);
    ASSERT_EQ(WindowFromPoint(grab), h);
    std::thread mouse([grab] {
        auto send = [](DWORD flags, POINT p = {}) {
            INPUT in{};
            in.type = INPUT_MOUSE;
            in.mi.dx = MulDiv(p.x, 65535, GetSystemMetrics(SM_CXSCREEN) - 1);
            in.mi.dy = MulDiv(p.y, 65535, GetSystemMetrics(SM_CYSCREEN) - 1);
            in.mi.dwFlags = flags;
            SendInput(1, &in, sizeof(INPUT));
            Sleep(100);
        };
        send(MOUSEEVENTF_LEFTDOWN);
        for (int step = 1; step <= 7; ++step)
            send(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE,
                 {grab.x + 10 * step, grab.y + 40 * step / 7});
        send(MOUSEEVENTF_LEFTUP);
    });
    const bool moved = PumpUntil([&] {
        RECT now{};
        GetWindowRect(h, &now);
        return now.left == r.left + 70 && now.top == r.top + 40;
    });
    mouse.join();
    EXPECT_TRUE(moved);
    EXPECT_EQ(ClientSize(h), (TFrameSize{263, 354}));
}

TEST_F(SkinManagerTest, ADamagedSkinLeavesTheWindowUnskinnedAndWorking) {
    std::vector<std::uint8_t> damaged = FrameSkin();
    for (std::uint8_t& b : damaged)
        b ^= 0x5A;
    TSkinTestForm* form = NewForm("", damaged);
    EXPECT_FALSE(form->Skin()->SkinLoaded());
    EXPECT_FALSE(form->Skin()->Active());
    const HWND h = form->Handle();
    const TFrameSize before = WindowSize(h);
    form->Show();
    Pump(500ms);
    EXPECT_TRUE(Manager().Forms().empty());
    EXPECT_EQ(SendMessageW(h, SM_ISSKINNED, 0, 0), 0);
    EXPECT_EQ(WindowSize(h), before);
    EXPECT_EQ(ClientSize(h), (TFrameSize{263, 354}));
    EXPECT_TRUE(GetWindowLongW(h, GWL_STYLE) & WS_SYSMENU);
    SendMessageW(dynamic_cast<ui::TButton*>(form->FindComponent(L"Button1"))->Handle(), BM_CLICK, 0,
                 0);
    EXPECT_EQ(form->clicks, 1);
}

TEST_F(SkinManagerTest, SkinningSwitchedOffAndOnAgain) {
    TSkinTestForm* form = ShownForm();
    const HWND h = form->Handle();
    ASSERT_TRUE(Skinned(h));
    EXPECT_EQ(afterSkin_, 1);
    TSkinData* skin = form->Skin();

    skin->SetActive(false);
    EXPECT_TRUE(Manager().TimerEnabled());
    EXPECT_EQ(Manager().TimerInterval(), 250u);
    ASSERT_TRUE(PumpUntil([&] { return changed_ == 1; }));
    EXPECT_TRUE(Manager().Forms().empty());
    EXPECT_FALSE(Manager().SkinningOn);
    EXPECT_EQ(Manager().PendingSkinData, nullptr);
    EXPECT_EQ(SendMessageW(h, SM_ISSKINNED, 0, 0), 0);
    // Back on the system's frame around the same client area.
    EXPECT_EQ(ClientSize(h), (TFrameSize{263, 354}));
    RECT system{0, 0, 263, 354};
    AdjustWindowRectEx(&system, static_cast<DWORD>(GetWindowLongW(h, GWL_STYLE)), FALSE,
                       static_cast<DWORD>(GetWindowLongW(h, GWL_EXSTYLE)));
    EXPECT_EQ(WindowSize(h), (TFrameSize{system.right - system.left, system.bottom - system.top}));
    EXPECT_TRUE(GetWindowLongW(h, GWL_STYLE) & WS_SYSMENU);
    // A window activated meanwhile stays as it is.
    SetActiveWindow(ForeignWindow());
    SetActiveWindow(h);
    Pump(300ms);
    EXPECT_TRUE(Manager().Forms().empty());

    skin->SetActive(true);
    ASSERT_TRUE(PumpUntil([&] { return changed_ == 2; }));
    ASSERT_TRUE(Skinned(h));
    EXPECT_EQ(ClientSize(h), (TFrameSize{263, 354}));
    EXPECT_EQ(WindowSize(h), (TFrameSize{263 + 11, 354 + 31}));
    EXPECT_EQ(afterSkin_, 2);
}

TEST_F(SkinManagerTest, ANewSkinIsTakenUpByTheSkinnedForms) {
    TSkinTestForm* form = ShownForm();
    const HWND h = form->Handle();
    ASSERT_TRUE(Skinned(h));

    TSkinData* skin = form->Skin();
    skin->SetSkinStream(FrameSkin(8, 30, 9, 10));
    ASSERT_TRUE(skin->LoadSkin());
    skin->ApplySkin();
    ASSERT_TRUE(PumpUntil([&] { return changed_ == 1; }));
    EXPECT_EQ(Skinner(h)->FrameSizes(), (TFrameSizes{8, 30, 9, 10}));
    EXPECT_EQ(ClientSize(h), (TFrameSize{263, 354}));
    EXPECT_EQ(WindowSize(h), (TFrameSize{263 + 17, 354 + 40}));
    EXPECT_EQ(afterSkin_, 2);
    EXPECT_EQ(Skinner(h)->SkinState(), TFormSkinState::Active);
}

TEST_F(SkinManagerTest, ReskinningOneWindowMakesAFreshSkinnerAndNoEvent) {
    TSkinTestForm* form = ShownForm();
    const HWND h = form->Handle();
    ASSERT_TRUE(Skinned(h));

    Manager().ReskinWindow = h;
    Manager().PendingSkinData = form->Skin();
    Manager().ScheduleAction(TSkinAction::Reskin, 10);
    ASSERT_TRUE(PumpUntil([&] { return afterSkin_ == 2; }));
    ASSERT_TRUE(Skinned(h));
    EXPECT_EQ(Manager().Forms().size(), 1u);
    EXPECT_EQ(changed_, 0);
    EXPECT_EQ(Manager().PendingSkinData, form->Skin());
    EXPECT_EQ(WindowSize(h), (TFrameSize{263 + 11, 354 + 31}));
}

TEST_F(SkinManagerTest, ASystemCommandFromAMenuItemBecomesASystemCommand) {
    TSkinTestForm* form = NewForm();
    const HWND h = form->Handle();
    form->Show();
    ASSERT_TRUE(Skinned(h));
    SendMessageW(h, WM_COMMAND, SC_CLOSE, 0);
    EXPECT_EQ(form->closes, 0) << "posted, not sent";
    EXPECT_TRUE(PumpUntil([&] { return form->closes == 1; }));
}

TEST_F(SkinManagerTest, ACaptionlessWindowKeepsItsSize) {
    TSkinTestForm* form = NewForm("  BorderStyle = bsNone\n");
    const HWND h = form->Handle();
    const TFrameSize before = WindowSize(h);
    form->Show();
    ASSERT_TRUE(Skinned(h));
    EXPECT_EQ(Skinner(h)->FrameKind(), TFrameKind::Captionless);
    EXPECT_EQ(Skinner(h)->FrameSizes(), TFrameSizes{});
    EXPECT_EQ(WindowSize(h), before);
    EXPECT_EQ(ClientSize(h), before);
}

TEST_F(SkinManagerTest, TheSkinnerGoesWithItsForm) {
    TSkinTestForm* form = NewForm();
    const HWND h = form->Handle();
    form->Show();
    ASSERT_TRUE(Skinned(h));
    form->Release();
    ASSERT_TRUE(PumpUntil([&] { return !IsWindow(h); }));
    EXPECT_TRUE(Manager().Forms().empty());
}

// The compositor draws no frame of its own around a skinned window and, where the skin draws
// the corners, leaves them square; skinning switched off gives both back. A captionless window
// keeps the corners the system gives it.
TEST_F(SkinManagerTest, TheCompositorLeavesTheFrameToTheSkinWhileItIsSkinned) {
    using Call = TCompositorRecorder::Call;
    const Call noFrame{kDwmNcRenderingPolicy, kDwmNcRenderingDisabled},
        square{kDwmWindowCornerPreference, kDwmCornerDoNotRound},
        frameBack{kDwmNcRenderingPolicy, kDwmNcRenderingUseStyle},
        cornersBack{kDwmWindowCornerPreference, kDwmCornerDefault};
    TCompositorRecorder compositor;
    TSkinTestForm* form = ShownForm();
    TSkinTestForm* captionless = NewForm("  BorderStyle = bsNone\n");
    captionless->Show();
    const HWND h = form->Handle(), bare = captionless->Handle();
    ASSERT_TRUE(Skinned(h) && Skinned(bare));
    EXPECT_EQ(compositor.calls[h], (std::vector<Call>{noFrame, square}));
    EXPECT_EQ(compositor.calls[bare], (std::vector<Call>{noFrame}));

    form->Skin()->SetActive(false);
    ASSERT_TRUE(PumpUntil([&] { return changed_ == 1; }));
    EXPECT_EQ(compositor.calls[h], (std::vector<Call>{noFrame, square, frameBack, cornersBack}));
}

// Popup-menu skinners, as the menus will make them.
class TFakePopup final : public TPopupSkinnerLink {
public:
    explicit TFakePopup(HWND window, std::vector<TFakePopup*>& alive)
        : window_(window), alive_(alive) {
        alive_.push_back(this);
    }
    HWND Window() const override { return window_; }
    void SetFromMenuBar(bool v) override { fromMenuBar = v; }
    HMENU Menu() const override { return menu_; }
    void SetMenu(HMENU menu) override { menu_ = menu; }
    HDC Background() const override { return nullptr; }
    POINT ClientOffset() const override { return {}; }
    void FreeSkinner() override {
        std::erase(alive_, this);
        delete this;
    }
    bool fromMenuBar = false;

private:
    HWND window_;
    HMENU menu_ = nullptr;
    std::vector<TFakePopup*>& alive_;
};

std::vector<TFakePopup*>* openPopups = nullptr;
std::size_t seenWhileOpen = 0;

void CALLBACK CloseMenu(HWND, UINT, UINT_PTR id, DWORD) {
    KillTimer(nullptr, id);
    seenWhileOpen = openPopups->size();
    EndMenu();
}

TEST_F(SkinManagerTest, PopupMenusAreSkinnedWhileTheyExistByTheirFamily) {
    std::vector<TFakePopup*> alive;
    std::vector<HWND> made;
    openPopups = &alive;
    UseSkinManage(CreateWinSkinForm, [&](TSkinData&, HWND window) -> TPopupSkinnerLink* {
        made.push_back(window);
        return new TFakePopup(window, alive);
    });
    TSkinTestForm* form = NewForm();
    form->Show();
    ASSERT_TRUE(Skinned(form->Handle()));
    HMENU menu = CreatePopupMenu();
    AppendMenuW(menu, MF_STRING, 1, L"One");
    auto track = [&] {
        seenWhileOpen = 0;
        SetTimer(nullptr, 0, 200, CloseMenu);
        // Without notifications: the form would name the menu's family itself.
        TrackPopupMenu(menu, TPM_RETURNCMD | TPM_NONOTIFY, 300, 300, 0, form->Handle(), nullptr);
        Pump(100ms);
    };

    track();
    EXPECT_EQ(made.size(), 1u);
    EXPECT_EQ(seenWhileOpen, 1u);
    EXPECT_TRUE(alive.empty());
    EXPECT_TRUE(Manager().PopupMenus().empty());

    // A system menu needs the system-menu switch; the family is forgotten once it is closed.
    TSkinData* skin = form->Skin();
    skin->SkinControls &= ~SetOf<TSkinControls>(xcSystemMenu);
    Manager().PopupKind = 2;
    track();
    EXPECT_EQ(made.size(), 1u);
    EXPECT_EQ(Manager().PopupKind, 0);

    skin->SkinControls |= SetOf<TSkinControls>(xcSystemMenu);
    Manager().PopupKind = 2;
    Manager().PopupFromMenuBar = true;
    track();
    EXPECT_EQ(made.size(), 2u);
    EXPECT_EQ(seenWhileOpen, 1u);
    EXPECT_EQ(Manager().PopupKind, 0);
    EXPECT_FALSE(Manager().PopupFromMenuBar);
    DestroyMenu(menu);
    openPopups = nullptr;
}

TEST_F(SkinManagerTest, AnMdiFrameLeavesTheManagerWithItsSkinner) {
    struct TCase {
        const char* name;
        bool freeForm; // else skinning off
    };
    for (const TCase c : {TCase{"form freed", true}, TCase{"skinning off", false}}) {
        SCOPED_TRACE(c.name);
        // A form of the class library with an MDI client of its own.
        TSkinTestForm* form = NewForm();
        const HWND frame = form->Handle();
        CLIENTCREATESTRUCT ccs{};
        const HWND client =
            CreateWindowExW(0, L"MDICLIENT", nullptr, WS_CHILD | WS_CLIPCHILDREN | WS_VISIBLE, 0, 0,
                            100, 100, frame, nullptr, GetModuleHandleW(nullptr), &ccs);
        ASSERT_TRUE(client);
        form->Show();
        ASSERT_TRUE(Skinned(frame));
        EXPECT_EQ(Skinner(frame)->FormKind(), TFormKind::MdiFrame);
        EXPECT_EQ(Manager().MdiClient, client);
        EXPECT_EQ(Manager().MdiMainForm, form);
        if (c.freeForm) {
            ui::Free(form);
            Manager().PurgeForms();
        } else {
            form->Skin()->SetActive(false);
            EXPECT_TRUE(PumpUntil([&] { return !Skinner(frame); }));
        }
        EXPECT_EQ(Manager().MdiClient, nullptr);
        EXPECT_EQ(Manager().MdiMainForm, nullptr);
        if (!c.freeForm) ui::Free(form);
    }
}

LRESULT CALLBACK MdiFrameProc(HWND wnd, UINT msg, WPARAM wp, LPARAM lp) {
    static HWND client = nullptr;
    if (msg == WM_CREATE) {
        CLIENTCREATESTRUCT ccs{};
        client = CreateWindowExW(0, L"MDICLIENT", nullptr, WS_CHILD | WS_CLIPCHILDREN | WS_VISIBLE,
                                 0, 0, 0, 0, wnd, nullptr, GetModuleHandleW(nullptr), &ccs);
    }
    return DefFrameProcW(wnd, client, msg, wp, lp);
}

LRESULT CALLBACK MdiChildProc(HWND wnd, UINT msg, WPARAM wp, LPARAM lp) {
    return DefMDIChildProcW(wnd, msg, wp, lp);
}

TEST_F(SkinManagerTest, MdiFramesAndTheirChildren) {
    static const bool registered = [] {
        WNDCLASSW wc{};
        wc.lpfnWndProc = MdiFrameProc;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.lpszClassName = L"SkinTestMdiFrame";
        wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_APPWORKSPACE + 1);
        WNDCLASSW child = wc;
        child.lpfnWndProc = MdiChildProc;
        child.lpszClassName = L"SkinTestMdiChild";
        return RegisterClassW(&wc) && RegisterClassW(&child);
    }();
    ASSERT_TRUE(registered);
    NewForm();
    HWND frame = CreateWindowExW(0, L"SkinTestMdiFrame", L"Frame", WS_OVERLAPPEDWINDOW, 100, 100,
                                 500, 400, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    windows_.push_back(frame);
    ShowWindow(frame, SW_SHOWNORMAL);
    ASSERT_TRUE(Skinned(frame));
    const TWinSkinForm* frameSkinner = Skinner(frame);
    EXPECT_EQ(frameSkinner->FormKind(), TFormKind::MdiFrame);
    const HWND client = FindWindowExW(frame, nullptr, L"MDIClient", nullptr);
    EXPECT_EQ(Manager().MdiClient, client);
    EXPECT_EQ(frameSkinner->FrameKind(), TFrameKind::Sizeable);

    // A child is skinned as it is created.
    HWND child = CreateMDIWindowW(L"SkinTestMdiChild", L"Child", WS_VISIBLE | WS_OVERLAPPEDWINDOW,
                                  10, 10, 200, 150, client, GetModuleHandleW(nullptr), 0);
    ASSERT_TRUE(child);
    ASSERT_TRUE(Skinned(child));
    const TWinSkinForm* childSkinner = Skinner(child);
    EXPECT_TRUE(childSkinner->IsMdiChild());
    EXPECT_EQ(childSkinner->FormKind(), TFormKind::MdiChild);
    // It keeps a caption strip of the system's height below the skin's title.
    const int systemTitle = GetSystemMetrics(SM_CYCAPTION) + GetSystemMetrics(SM_CXFRAME);
    EXPECT_EQ(childSkinner->MenuBarHeight(), std::max(systemTitle - 24, 0));
    RECT outer{};
    GetWindowRect(child, &outer);
    POINT origin{0, 0};
    ClientToScreen(child, &origin);
    EXPECT_EQ(origin.x - outer.left, 5);
    EXPECT_EQ(origin.y - outer.top, 24 + childSkinner->MenuBarHeight());

    // Maximised, the child leaves its frame to the system.
    SendMessageW(client, WM_MDIMAXIMIZE, reinterpret_cast<WPARAM>(child), 0);
    Pump(100ms);
    EXPECT_EQ(childSkinner->WindowState(), TWindowState::Maximised);
    RECT r{};
    GetClientRect(client, &r);
    EXPECT_GE(ClientSize(child).width, r.right) << "the system's maximised client area";

    SendMessageW(client, WM_MDIDESTROY, reinterpret_cast<WPARAM>(child), 0);
    EXPECT_FALSE(IsWindow(child));
    EXPECT_FALSE(Manager().MdiMaximized);
    EXPECT_EQ(Manager().Forms().size(), 2u) << "marked, freed at the next purge";
    Manager().PurgeForms();
    EXPECT_EQ(Manager().Forms().size(), 1u);
    EXPECT_EQ(Skinner(frame), frameSkinner);
}

} // namespace
