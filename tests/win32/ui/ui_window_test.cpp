// Windowed controls under Wine: window classes named after the control classes, the
// control-object property, the WindowProc hook chain, the library's notifications, the
// reflected control messages, paints counted per part, mouse enter and leave, and exceptions
// escaping handlers.
#include "tests/win32/ui/ui_test_app.h"
#include "ui/hint_window.h"
#include "ui/paint_timing.h"
#include "ui/stdctrls.h"
#include "ui/timer.h"
#include "ui/win_handles.h"

#include <array>
#include <cstdio>
#include <functional>
#include <map>
#include <stdexcept>
#include <utility>

namespace {

using namespace ui;
using ui_test::AppTest;

class TForm1 : public ui_test::TTestForm<L"TForm1"> {
public:
    using TTestForm::TTestForm;
};

std::wstring WindowClass(HWND wnd) {
    wchar_t name[100] = {};
    GetClassNameW(wnd, name, 100);
    return name;
}

class UiWindow : public AppTest {
protected:
    void SetUp() override {
        AppTest::SetUp();
        form_ = app_->CreateForm<TForm1>();
        form_->SetBounds(100, 100, 300, 200);
        form_->SetCaption(L"UiWindow");
    }
    template <class T> T* Add(int left, int top, int width, int height) {
        auto* c = new T(form_);
        c->SetParent(form_);
        c->SetBounds(left, top, width, height);
        return c;
    }
    TForm1* form_ = nullptr;
};

TEST_F(UiWindow, WindowsCarryTheirClassNameAndTheirControlObject) {
    std::vector<TWinControl*> controls = {
        form_,
        Add<TButton>(5, 5, 60, 25),
        Add<TCheckBox>(5, 35, 90, 20),
        Add<TComboBox>(5, 60, 90, 24),
        Add<TListBox>(100, 5, 90, 80),
        Add<TMemo>(100, 90, 90, 60),
        Add<TEdit>(200, 5, 80, 22),
    };
    const wchar_t* names[] = {L"TForm1",   L"TButton", L"TCheckBox", L"TComboBox",
                              L"TListBox", L"TMemo",   L"TEdit"};
    wchar_t atom_name[40];
    std::swprintf(
        atom_name, 40, L"ControlOfs%.8X%.8X",
        static_cast<unsigned>(reinterpret_cast<std::uintptr_t>(GetModuleHandleW(nullptr))),
        static_cast<unsigned>(GetCurrentThreadId()));
    EXPECT_EQ(ControlAtomName(), atom_name);
    for (std::size_t i = 0; i < controls.size(); ++i) {
        HWND wnd = controls[i]->Handle();
        EXPECT_EQ(WindowClass(wnd), names[i]);
        // Read back the way the skin engine does: by the atom's name, with GetProp.
        EXPECT_EQ(GetPropW(wnd, atom_name), static_cast<TControl*>(controls[i])) << i;
        EXPECT_EQ(FindControl(wnd), controls[i]);
    }
    // The superclassed windows keep the system's behaviour.
    auto* list = static_cast<TListBox*>(controls[4]);
    list->Items()->Add(L"一");
    list->Items()->Add(L"二");
    EXPECT_EQ(SendMessageW(list->Handle(), LB_GETCOUNT, 0, 0), 2);
    // The application window is the owner of the form.
    EXPECT_EQ(GetWindow(form_->Handle(), GW_OWNER), app_->Handle());
    EXPECT_EQ(WindowClass(app_->Handle()), L"TApplication");
}

// A subclass that keeps a window's last message from the library.
LRESULT CALLBACK SwallowLastMessage(HWND wnd, UINT msg, WPARAM wp, LPARAM lp) {
    const auto previous = reinterpret_cast<WNDPROC>(GetPropW(wnd, L"previous"));
    if (msg == WM_NCDESTROY) return 0;
    return CallWindowProcW(previous, wnd, msg, wp, lp);
}

TEST_F(UiWindow, AGoneWindowNamesNoControl) {
    // Freed with its window.
    auto* button = Add<TButton>(5, 5, 60, 25);
    HWND wnd = button->Handle();
    Free(button);
    EXPECT_EQ(FindControl(wnd), nullptr);

    // Freed after its window went without the library hearing of it.
    button = Add<TButton>(5, 5, 60, 25);
    wnd = button->Handle();
    SetPropW(wnd, L"previous", reinterpret_cast<HANDLE>(GetWindowLongPtrW(wnd, GWLP_WNDPROC)));
    SetWindowLongPtrW(wnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(SwallowLastMessage));
    DestroyWindow(wnd);
    ASSERT_FALSE(IsWindow(wnd));
    Free(button);
    EXPECT_EQ(FindControl(wnd), nullptr);
}

TEST_F(UiWindow, WindowProcHookIsReplacedChainedAndRestored) {
    auto* button = Add<TButton>(5, 5, 60, 25);
    std::vector<std::string> log;
    constexpr UINT kProbe = WM_APP + 1;
    button->OnMessage(kProbe, [&](TMessage& m) {
        log.push_back("own");
        m.Result = 7;
    });
    const TWndMethod original = button->WindowProc;
    const TWndMethod after_a = [&, original](TMessage& m) {
        if (m.Msg == kProbe) log.push_back("a");
        original(m);
    };
    button->WindowProc = after_a;
    button->WindowProc = [&, after_a](TMessage& m) {
        if (m.Msg == kProbe) log.push_back("b");
        after_a(m);
    };
    // Real window messages go through the hook chain as Perform does.
    EXPECT_EQ(SendMessageW(button->Handle(), kProbe, 0, 0), 7);
    EXPECT_EQ(log, (std::vector<std::string>{"b", "a", "own"}));
    log.clear();
    button->WindowProc = after_a; // the last hook restores what it found
    EXPECT_EQ(button->Perform(kProbe), 7);
    EXPECT_EQ(log, (std::vector<std::string>{"a", "own"}));
    log.clear();
    button->WindowProc = original;
    button->Perform(kProbe);
    EXPECT_EQ(log, (std::vector<std::string>{"own"}));
}

TEST_F(UiWindow, NotificationsReachTheHook) {
    auto* first = Add<TEdit>(5, 5, 80, 22);
    auto* second = Add<TButton>(5, 35, 80, 25);
    form_->Show();
    SetForegroundWindow(form_->Handle());
    second->SetFocus();
    ASSERT_TRUE(PumpUntil([&] { return form_->ActiveControl() == second; }));
    std::vector<std::pair<TControl*, std::uint32_t>> seen;
    std::intptr_t focus_param = 0;
    for (TControl* c : {static_cast<TControl*>(first), static_cast<TControl*>(second)}) {
        Hook(c, [&, c](TMessage& m) {
            if (m.Msg >= CM_BASE && m.Msg < CM_BASE + 0x100) seen.emplace_back(c, m.Msg);
            if (m.Msg == CM_FOCUSCHANGED && c == first) focus_param = m.LParam;
        });
    }
    auto saw = [&](TControl* c, std::uint32_t msg) {
        return std::find(seen.begin(), seen.end(), std::make_pair(c, msg)) != seen.end();
    };
    second->SetEnabled(false);
    EXPECT_TRUE(saw(second, 0xB00C));
    EXPECT_FALSE(IsWindowEnabled(second->Handle()));
    second->SetEnabled(true);
    second->SetVisible(false);
    EXPECT_TRUE(saw(second, 0xB00B));
    EXPECT_FALSE(IsWindowVisible(second->Handle()));
    second->SetVisible(true);

    first->SetFocus();
    ASSERT_TRUE(PumpUntil([&] { return saw(first, CM_ENTER); }));
    EXPECT_TRUE(saw(second, 0xB01B)); // exit on the control that lost the focus
    EXPECT_TRUE(saw(second, 0xB007)); // focus changed, to every control of the form
    EXPECT_TRUE(saw(first, 0xB007));
    EXPECT_EQ(focus_param, reinterpret_cast<std::intptr_t>(static_cast<TControl*>(first)));
    EXPECT_EQ(form_->ActiveControl(), first);

    // Recreating gives a new window of the same class, tagged again.
    HWND old_wnd = second->Handle();
    second->RecreateWnd();
    EXPECT_TRUE(saw(second, 0xB033));
    EXPECT_NE(second->Handle(), old_wnd);
    EXPECT_FALSE(IsWindow(old_wnd));
    EXPECT_EQ(FindControl(old_wnd), nullptr);
    EXPECT_EQ(FindControl(second->Handle()), second);
    EXPECT_EQ(GetParent(second->Handle()), form_->Handle());

    // What only the windows held survives a new window for the form and all inside it.
    auto* memo = Add<TMemo>(100, 5, 100, 60);
    auto* list = Add<TListBox>(100, 70, 100, 60);
    memo->Lines()->SetText(L"typed\r\ntext");
    list->Items()->Add(L"a");
    list->Items()->Add(L"b");
    list->SetItemIndex(1);
    form_->RecreateWnd();
    EXPECT_EQ(memo->Text(), L"typed\r\ntext");
    EXPECT_EQ(list->ItemIndex(), 1);
    EXPECT_EQ(SendMessageW(list->Handle(), LB_GETCOUNT, 0, 0), 2);

    bool menu_changed = false;
    Hook(form_, [&](TMessage& m) { menu_changed |= m.Msg == 0xB015; });
    form_->MenuChanged();
    EXPECT_TRUE(menu_changed);
}

// List and combo box items are kept by the control until its window exists; from then on the
// window alone holds them, and they are kept again while a new window replaces the old one.
TEST_F(UiWindow, ListItemsLiveInTheWindowOnceItExists) {
    struct Kind {
        const char* name;
        std::function<TCustomListControl*()> make;
        UINT add, count, text;
    };
    const Kind kinds[] = {
        {"list box", [&] { return new TListBox(form_); }, LB_ADDSTRING, LB_GETCOUNT, LB_GETTEXT},
        {"combo box", [&] { return new TComboBox(form_); }, CB_ADDSTRING, CB_GETCOUNT,
         CB_GETLBTEXT},
    };
    for (const Kind& k : kinds) {
        SCOPED_TRACE(k.name);
        TCustomListControl* c = k.make();
        TStrings& items = *c->Items();
        auto in_window = [&] {
            std::vector<std::wstring> out;
            const auto n = SendMessageW(c->Handle(), k.count, 0, 0);
            for (WPARAM i = 0; i < static_cast<WPARAM>(n); ++i) {
                wchar_t text[64] = {};
                SendMessageW(c->Handle(), k.text, i, reinterpret_cast<LPARAM>(text));
                out.emplace_back(text);
            }
            return out;
        };

        items.SetText(L"one\r\ntwo\r\nthree");
        items.Delete(1);
        c->SetItemIndex(1);
        EXPECT_THROW(items.Get(2), std::out_of_range);
        ASSERT_FALSE(c->HandleAllocated());
        c->SetParent(form_);
        c->SetBounds(5, 5, 90, 80);
        EXPECT_EQ(in_window(), (std::vector<std::wstring>{L"one", L"three"}));
        EXPECT_EQ(c->ItemIndex(), 1);

        // What the window holds is what the items are, however it got there.
        SendMessageW(c->Handle(), k.add, 0, reinterpret_cast<LPARAM>(L"four"));
        EXPECT_EQ(items.Count(), 3);
        EXPECT_EQ(items.Get(2), L"four");
        EXPECT_EQ(items.Add(L"five"), 3);
        items.Insert(0, L"zero");
        items.Delete(3);
        c->SetItemIndex(2);
        items.Put(2, L"drei"); // the selected item, replaced, stays selected
        const std::vector<std::wstring> now{L"zero", L"one", L"drei", L"five"};
        EXPECT_EQ(in_window(), now);
        EXPECT_EQ(c->ItemIndex(), 2);
        for (auto bad : std::vector<std::function<void()>>{
                 [&] { items.Get(4); }, [&] { items.Get(-1); }, [&] { items.Insert(5, L"x"); },
                 [&] { items.Delete(4); }, [&] { items.Put(-1, L"x"); }})
            EXPECT_THROW(bad(), std::out_of_range);
        EXPECT_EQ(in_window(), now);

        HWND old_wnd = c->Handle();
        c->RecreateWnd();
        EXPECT_NE(c->Handle(), old_wnd);
        EXPECT_EQ(in_window(), now);
        EXPECT_EQ(c->ItemIndex(), 2);

        items.Clear();
        EXPECT_EQ(SendMessageW(c->Handle(), k.count, 0, 0), 0);
        EXPECT_EQ(items.Count(), 0);
    }
}

TEST_F(UiWindow, ControlNotificationsAreReflectedToTheChild) {
    auto* button = Add<TButton>(5, 5, 60, 25);
    std::vector<std::pair<std::uint32_t, unsigned>> reflected;
    Hook(button, [&](TMessage& m) {
        if (m.Msg >= CN_BASE && m.Msg < CN_BASE + 0x400)
            reflected.emplace_back(m.Msg, HIWORD(m.WParam));
    });
    int clicks = 0;
    button->OnClick = [&](TPersistent* sender) {
        EXPECT_EQ(sender, button);
        ++clicks;
    };
    SendMessageW(button->Handle(), BM_CLICK, 0, 0);
    EXPECT_EQ(clicks, 1);
    ASSERT_FALSE(reflected.empty());
    EXPECT_EQ(reflected[0], std::make_pair(0xBC00u + WM_COMMAND, unsigned{BN_CLICKED}));
}

TEST_F(UiWindow, OwnerDrawnChildrenAreMeasuredAndDrawnAsThemselves) {
    auto* first = Add<TComboBox>(5, 5, 90, 24);
    auto* second = Add<TComboBox>(100, 5, 90, 24);
    std::map<TControl*, std::vector<UINT>> measured, drawn;
    const std::map<TControl*, UINT> heights = {{first, 20}, {second, 31}};
    for (TComboBox* c : {first, second}) {
        c->SetStyle(TComboBoxStyle::csOwnerDrawFixed);
        c->Items()->Add(L"item");
        c->SetItemIndex(0);
        // A combo box is measured while its window is being made: the hook is there before.
        Hook(c, [&, c](TMessage& m) {
            if (m.Msg == CN_MEASUREITEM) {
                auto* mis = reinterpret_cast<MEASUREITEMSTRUCT*>(m.LParam);
                measured[c].push_back(mis->CtlID);
                mis->itemHeight = heights.at(c);
            } else if (m.Msg == CN_DRAWITEM) {
                const auto* dis = reinterpret_cast<const DRAWITEMSTRUCT*>(m.LParam);
                drawn[c].push_back(dis->CtlID);
                FillRect(dis->hDC, &dis->rcItem, GetSysColorBrush(COLOR_WINDOW));
                m.Result = TRUE;
            }
        });
    }
    form_->Show();
    ASSERT_TRUE(PumpUntil([&] { return !drawn[first].empty() && !drawn[second].empty(); }));
    for (TComboBox* c : {first, second}) {
        SCOPED_TRACE(testing::PrintToString(c == first ? "first" : "second"));
        const UINT id = static_cast<UINT>(GetDlgCtrlID(c->Handle()));
        EXPECT_NE(id, 0u);
        EXPECT_EQ(id, static_cast<UINT>(c->ControlId()));
        ASSERT_FALSE(measured[c].empty());
        EXPECT_EQ(measured[c], std::vector<UINT>(measured[c].size(), id));
        EXPECT_EQ(drawn[c], std::vector<UINT>(drawn[c].size(), id));
        EXPECT_EQ(SendMessageW(c->Handle(), CB_GETITEMHEIGHT, 0, 0), heights.at(c));
    }
    EXPECT_NE(first->ControlId(), second->ControlId());

    // A new window for the control keeps its identifier, and is measured as itself again.
    const int id = second->ControlId();
    measured.clear();
    second->RecreateWnd();
    EXPECT_EQ(GetDlgCtrlID(second->Handle()), id);
    EXPECT_TRUE(measured[first].empty());
    EXPECT_FALSE(measured[second].empty());
    EXPECT_EQ(SendMessageW(second->Handle(), CB_GETITEMHEIGHT, 0, 0), heights.at(second));
}

TEST_F(UiWindow, CommandsReachTheButtonThatSentThem) {
    auto* first = Add<TButton>(5, 5, 60, 25);
    auto* second = Add<TButton>(5, 40, 60, 25);
    std::vector<std::string> clicks;
    first->OnClick = [&](TPersistent*) { clicks.push_back("first"); };
    second->OnClick = [&](TPersistent*) { clicks.push_back("second"); };
    SendMessageW(second->Handle(), BM_CLICK, 0, 0);
    // As a skinned button of a foreign window reports a click: its identifier and its window.
    SendMessageW(form_->Handle(), WM_COMMAND, MAKEWPARAM(first->ControlId(), BN_CLICKED),
                 reinterpret_cast<LPARAM>(first->Handle()));
    EXPECT_EQ(clicks, (std::vector<std::string>{"second", "first"}));
    EXPECT_NE(GetDlgCtrlID(first->Handle()), GetDlgCtrlID(second->Handle()));
}

// A hidden control asked for its window gets one, hidden, with the text it was given, between
// its siblings' windows and with an identifier no other window of the form has: asked before the
// form has a window (the form's is made with it), and asked after a window someone else put in
// the form took the identifier it was given with the form's window.
TEST_F(UiWindow, AHiddenControlGetsItsWindowWhenAskedFor) {
    for (const bool form_first : {false, true}) {
        SCOPED_TRACE(form_first ? "form's window first" : "asked first");
        auto* form = app_->CreateForm<TForm1>();
        auto add = [form](TWinControl* c, int top) {
            c->SetParent(form);
            c->SetBounds(5, top, 80, 24);
            return c;
        };
        TWinControl* first = add(new TButton(form), 5);
        TWinControl* hidden = add(new TEdit(form), 35);
        TWinControl* last = add(new TButton(form), 65);
        hidden->SetVisible(false);
        hidden->SetText(L"kept");
        OwnedWindow foreign;
        if (form_first) {
            form->HandleNeeded();
            EXPECT_FALSE(hidden->HandleAllocated());
            ASSERT_NE(hidden->ControlId(), 0);
            foreign.reset(CreateWindowExW(
                0, L"STATIC", L"", WS_CHILD, 0, 0, 10, 10, form->Handle(),
                reinterpret_cast<HMENU>(static_cast<UINT_PTR>(hidden->ControlId())),
                GetModuleHandleW(nullptr), nullptr));
            ASSERT_TRUE(foreign);
        }
        const HWND window = hidden->Handle();
        ASSERT_TRUE(form->HandleAllocated() && first->HandleAllocated() && last->HandleAllocated());
        auto shows = [](HWND w) { return (GetWindowLongW(w, GWL_STYLE) & WS_VISIBLE) != 0; };
        EXPECT_FALSE(shows(window));
        EXPECT_TRUE(shows(first->Handle()));
        EXPECT_EQ(GetParent(window), form->Handle());
        EXPECT_EQ(hidden->GetText(), L"kept");
        EXPECT_EQ(GetWindow(first->Handle(), GW_HWNDNEXT), window);
        EXPECT_EQ(GetWindow(window, GW_HWNDNEXT), last->Handle());
        const int id = GetDlgCtrlID(window);
        EXPECT_EQ(id, hidden->ControlId());
        EXPECT_EQ(GetDlgItem(form->Handle(), id), window);
        EXPECT_NE(id, first->ControlId());
        EXPECT_NE(id, last->ControlId());
        // Shown, the same window shows.
        hidden->Show();
        EXPECT_EQ(hidden->Handle(), window);
        EXPECT_TRUE(shows(window));
        foreign.reset();
        Free(form);
    }
}

// A thread hook that makes another control of ours while a window is being created, before
// that window has seen a single message: as the skin manager's creation hook may.
HHOOK nested_hook = nullptr;
std::function<void(HWND)> on_create;

LRESULT CALLBACK CreationHook(int code, WPARAM wp, LPARAM lp) {
    if (code == HCBT_CREATEWND && on_create) {
        auto make = std::exchange(on_create, nullptr); // once
        make(reinterpret_cast<HWND>(wp));
    }
    return CallNextHookEx(nested_hook, code, wp, lp);
}

TEST_F(UiWindow, ControlsMadeWhileAnotherIsBeingMadeKeepTheirOwnWindows) {
    form_->HandleNeeded();
    // The hook makes a control of another class, then one of the same class.
    const std::function<TWinControl*()> makers[] = {
        [&] { return Add<TEdit>(5, 40, 80, 22); },
        [&] { return Add<TButton>(5, 70, 80, 22); },
    };
    for (const auto& make_inner : makers) {
        auto* outer = new TButton(form_);
        TWinControl* inner = nullptr;
        HWND outer_window = nullptr;
        on_create = [&](HWND being_created) {
            outer_window = being_created;
            inner = make_inner();
            inner->HandleNeeded();
        };
        nested_hook = SetWindowsHookExW(WH_CBT, CreationHook, nullptr, GetCurrentThreadId());
        ASSERT_NE(nested_hook, nullptr);
        outer->SetParent(form_); // makes its window
        UnhookWindowsHookEx(nested_hook);
        ASSERT_NE(inner, nullptr);
        SCOPED_TRACE(testing::PrintToString(inner->ClassName()));
        ASSERT_TRUE(outer->HandleAllocated());
        EXPECT_EQ(outer->Handle(), outer_window);
        EXPECT_NE(outer->Handle(), inner->Handle());
        EXPECT_EQ(FindControl(outer->Handle()), outer);
        EXPECT_EQ(FindControl(inner->Handle()), inner);
        EXPECT_EQ(WindowClass(inner->Handle()), inner->ClassName());
    }

    // A form that makes a control of its own class while its window is being created.
    auto* other = app_->CreateForm<TForm1>();
    TForm1* made = nullptr;
    other->OnMessage(WM_CREATE, [&](TMessage& m) {
        made = app_->CreateForm<TForm1>();
        made->HandleNeeded();
        other->Inherited(m);
    });
    other->HandleNeeded();
    ASSERT_NE(made, nullptr);
    EXPECT_NE(other->Handle(), made->Handle());
    EXPECT_EQ(FindControl(other->Handle()), other);
    EXPECT_EQ(FindControl(made->Handle()), made);
}

TEST_F(UiWindow, APainterThatThrowsStillEndsItsPaint) {
    struct Failing : TGraphicControl {
        using TGraphicControl::TGraphicControl;
        int paints = 0;
        HDC dc = nullptr;
        void Paint(TCanvas& canvas) override {
            ++paints;
            dc = canvas.Handle();
            throw std::runtime_error("paint failed");
        }
    };
    auto* failing = Add<Failing>(10, 10, 50, 20);
    form_->Show();
    UpdateWindow(form_->Handle());
    ASSERT_TRUE(PumpUntil([&] { return failing->paints > 0; }));
    Pump(std::chrono::milliseconds(300));
    // Painted once, reported once; the window is valid again.
    EXPECT_EQ(failing->paints, 1);
    EXPECT_EQ(errors_, std::vector<std::wstring>{L"paint failed"});
    EXPECT_FALSE(GetUpdateRect(form_->Handle(), nullptr, FALSE));
    // The paint's DC went back to the system's cache: the next one asked for is that DC (a
    // paint left open keeps it, and every failing paint would take one more).
    const WindowDC next(form_->Handle());
    EXPECT_EQ(next.dc(), failing->dc);
}

TEST_F(UiWindow, EachPaintIsCountedForItsOwnPartOnly) {
    // A graphic control painted inside its form's paint takes 100 ms a paint.
    struct Slow : TGraphicControl {
        using TGraphicControl::TGraphicControl;
        int paints = 0;
        void Paint(TCanvas&) override {
            ++paints;
            Sleep(100);
        }
    };
    auto* slow = Add<Slow>(10, 10, 50, 20);
    const auto totals = [] {
        return std::array{PaintTotals(L"TGraphicControl", TPaintSide::Client),
                          PaintTotals(L"TForm1", TPaintSide::Client),
                          PaintTotals(L"TForm1", TPaintSide::Frame)};
    };
    const auto before = totals();
    form_->Show();
    UpdateWindow(form_->Handle());
    ASSERT_TRUE(PumpUntil([&] { return slow->paints > 0; }));
    Pump(std::chrono::milliseconds(100));
    const auto after = totals();
    const auto paints = [&](std::size_t i) { return after[i].paints - before[i].paints; };
    const auto ms = [&](std::size_t i) {
        return (after[i].microseconds - before[i].microseconds) / 1000;
    };
    EXPECT_EQ(paints(0), slow->paints);
    EXPECT_GE(ms(0), 100 * slow->paints);
    // The form's paints held the control's, and are counted without them; its frame apart.
    EXPECT_GE(paints(1), slow->paints);
    EXPECT_LT(ms(1), 100 * slow->paints);
    EXPECT_GE(paints(2), 1);
}

TEST_F(UiWindow, MouseEnterAndLeaveForWindowedAndPaintedControls) {
    auto* button = Add<TButton>(10, 10, 80, 30);
    auto* label = Add<TLabel>(10, 100, 80, 20);
    label->SetAutoSize(false);
    label->SetCaption(L"label");
    form_->Show();
    SetForegroundWindow(form_->Handle());
    // What each control heard; the leave of one control may come after the enter of the
    // next (the system reports leaving late), so each is checked on its own. A cursor that
    // bounces under the X server may add pairs, but enter and leave always alternate.
    std::map<TControl*, std::vector<std::string>> log;
    for (TControl* c : {static_cast<TControl*>(button), static_cast<TControl*>(label)}) {
        Hook(c, [&, c](TMessage& m) {
            if (m.Msg == 0xB013) log[c].push_back("enter");
            if (m.Msg == 0xB014) log[c].push_back("leave");
        });
    }
    Pump(std::chrono::milliseconds(100));
    log.clear();
    MoveTo(ui_test::ScreenCentre(*button));
    ASSERT_TRUE(PumpUntil([&] { return button->MouseInControl(); }));
    EXPECT_FALSE(label->MouseInControl());
    MoveTo(ui_test::ScreenCentre(*label));
    ASSERT_TRUE(PumpUntil([&] { return label->MouseInControl() && !button->MouseInControl(); }))
        << label->MouseInControl() << button->MouseInControl()
        << testing::PrintToString(log[button]) << testing::PrintToString(log[label]);
    POINT outside{form_->Left() + form_->Width() + 50, form_->Top() + form_->Height() + 50};
    MoveTo(outside);
    ASSERT_TRUE(PumpUntil([&] { return !label->MouseInControl(); }));
    Pump(std::chrono::milliseconds(100));
    for (TControl* c : {static_cast<TControl*>(button), static_cast<TControl*>(label)}) {
        const auto& heard = log[c];
        ASSERT_GE(heard.size(), 2u) << testing::PrintToString(c->Name());
        EXPECT_EQ(heard.size() % 2, 0u);
        for (std::size_t i = 0; i < heard.size(); ++i)
            EXPECT_EQ(heard[i], i % 2 ? "leave" : "enter");
    }
}

TEST_F(UiWindow, MouseEventsCarryTheLibrarysShiftState) {
    std::vector<TShiftState> seen;
    form_->OnMouseDown = [&](TPersistent*, TMouseButton, TShiftState shift, int, int) {
        seen.push_back(shift);
    };
    const LPARAM at = MAKELPARAM(20, 20);
    SendMessageW(form_->Handle(), WM_LBUTTONDOWN, MK_LBUTTON | MK_SHIFT, at);
    SendMessageW(form_->Handle(), WM_LBUTTONUP, 0, at);
    SendMessageW(form_->Handle(), WM_RBUTTONDOWN, MK_RBUTTON | MK_CONTROL, at);
    SendMessageW(form_->Handle(), WM_RBUTTONUP, 0, at);
    SendMessageW(form_->Handle(), WM_LBUTTONDBLCLK, MK_LBUTTON | MK_MBUTTON, at);
    SendMessageW(form_->Handle(), WM_LBUTTONUP, 0, at);
    EXPECT_EQ(seen, (std::vector<TShiftState>{ssLeft | ssShift, ssRight | ssCtrl,
                                              ssLeft | ssMiddle | ssDouble}));
}

TEST_F(UiWindow, HintShowsAfterItsPauseAndGoesOnLeaving) {
    auto* button = Add<TButton>(10, 10, 80, 30);
    button->SetHint(L"粘贴选中的一条|the long part is not shown");
    button->SetShowHint(true);
    app_->SetHintPause(50);
    form_->Show();
    SetForegroundWindow(form_->Handle());
    MoveTo(ui_test::ScreenCentre(*button));
    THintWindow* hint = app_->HintWindow();
    ASSERT_TRUE(PumpUntil([&] { return hint->Showing(); }));
    EXPECT_EQ(hint->Caption(), L"粘贴选中的一条");
    EXPECT_EQ(WindowClass(hint->Handle()), L"THintWindow");
    RECT r;
    GetWindowRect(hint->Handle(), &r);
    EXPECT_GT(r.top, ui_test::ScreenCentre(*button).y); // below the cursor
    MoveTo({form_->Left() + form_->Width() + 50, form_->Top() + form_->Height() + 50});
    ASSERT_TRUE(PumpUntil([&] { return !hint->Showing(); }));

    // Long texts wrap at the width asked for.
    const RECT wrapped =
        hint->CalcHintRect(200, std::wstring(300, L'x') + L" " + std::wstring(10, L'y') + L" z");
    EXPECT_LE(wrapped.right, 200 + 6);
    EXPECT_GT(wrapped.bottom, hint->CalcHintRect(200, L"z").bottom);
}

TEST_F(UiWindow, ExceptionInAHandlerReachesTheErrorBoxAndTheLoopGoesOn) {
    constexpr UINT kThrow = WM_APP + 5;
    constexpr UINT kAfter = WM_APP + 6;
    form_->OnMessage(kThrow, [](TMessage&) { throw std::runtime_error("无法打开剪贴板"); });
    bool after = false;
    form_->OnMessage(kAfter, [&](TMessage&) { after = true; });
    PostMessageW(form_->Handle(), kThrow, 0, 0);
    PostMessageW(form_->Handle(), kAfter, 0, 0);
    ASSERT_TRUE(PumpUntil([&] { return after; }));
    EXPECT_EQ(errors_, std::vector<std::wstring>{L"无法打开剪贴板"});

    // A timer's handler is guarded the same way.
    auto* timer = new TTimer(form_);
    timer->SetInterval(10);
    int ticks = 0;
    timer->OnTimer = [&](TPersistent*) {
        if (++ticks == 1) throw std::runtime_error("tick");
    };
    ASSERT_TRUE(PumpUntil([&] { return ticks >= 2; }));
    EXPECT_EQ(errors_.back(), L"tick");
}

TEST_F(UiWindow, TimersTickEachTheirOwnUntilStoppedOrFreed) {
    std::map<TTimer*, int> ticks;
    auto make = [&](unsigned interval) {
        auto* timer = new TTimer(form_);
        timer->SetInterval(interval);
        timer->OnTimer = [&ticks](TPersistent* sender) { ++ticks[static_cast<TTimer*>(sender)]; };
        return timer;
    };
    TTimer* stopped = make(10);
    TTimer* running = make(10);
    TTimer* freed = make(10);
    // One that frees itself in its own handler, and another one with it.
    TTimer* self_freeing = make(10);
    TTimer* freed_by_other = make(1000);
    int self_ticks = 0;
    self_freeing->OnTimer = [&](TPersistent*) {
        ++self_ticks;
        Free(freed_by_other);
        Free(self_freeing);
    };
    ASSERT_TRUE(PumpUntil([&] { return ticks[stopped] >= 2 && ticks[freed] >= 2; }));
    stopped->SetEnabled(false);
    Free(freed);
    const int stopped_at = ticks[stopped];
    const int freed_at = ticks[freed];
    const int running_at = ticks[running];
    ASSERT_TRUE(PumpUntil([&] { return ticks[running] >= running_at + 3; }));
    EXPECT_EQ(ticks[stopped], stopped_at);
    EXPECT_EQ(ticks[freed], freed_at);
    EXPECT_EQ(self_ticks, 1);
    // A timer ticks on at a new interval, and one switched on again ticks again.
    running->SetInterval(20);
    stopped->SetEnabled(true);
    const int restarted_at = ticks[running];
    ASSERT_TRUE(PumpUntil(
        [&] { return ticks[stopped] > stopped_at && ticks[running] > restarted_at; }));
    running->SetInterval(0); // no interval: no ticks
    const int halted_at = ticks[running];
    Pump(std::chrono::milliseconds(100));
    EXPECT_EQ(ticks[running], halted_at);
}

TEST_F(UiWindow, FailingCreationHandlerIsReportedAndTheFormStays) {
    auto* form = app_->CreateForm<TForm>();
    form->RegisterMethod(L"FormCreate", TNotifyEvent([](TPersistent*) {
                             throw std::runtime_error("无法打开剪贴板");
                         }));
    form->LoadDescription("object Form2: TForm\n  OnCreate = FormCreate\n  Caption = 'x'\nend\n");
    EXPECT_EQ(errors_, std::vector<std::wstring>{L"无法打开剪贴板"});
    EXPECT_EQ(form->Caption(), L"x");
    EXPECT_NE(form->Handle(), nullptr);
}

TEST_F(UiWindow, ReleaseFreesTheFormAfterItsMessages) {
    auto* other = app_->CreateForm<TForm>();
    struct Watch : TComponent {
        using TComponent::TComponent;
        bool gone = false;
        void Notification(TComponent*, TOperation op) override {
            gone |= op == TOperation::opRemove;
        }
    } watch(nullptr);
    other->FreeNotification(&watch);
    other->HandleNeeded();
    EXPECT_EQ(app_->Forms().size(), 2u);
    other->Release();
    EXPECT_FALSE(watch.gone);
    ASSERT_TRUE(PumpUntil([&] { return watch.gone; }));
    EXPECT_EQ(app_->Forms().size(), 1u);
}

TEST_F(UiWindow, ActiveFollowsActivateApp) {
    bool activated = false;
    app_->OnActivate = [&](TPersistent*) { activated = true; };
    SendMessageW(app_->Handle(), WM_ACTIVATEAPP, FALSE, 0);
    EXPECT_FALSE(app_->Active());
    SendMessageW(form_->Handle(), WM_ACTIVATEAPP, TRUE, 0);
    EXPECT_TRUE(app_->Active());
    EXPECT_TRUE(activated);
    SendMessageW(app_->Handle(), WM_ACTIVATEAPP, FALSE, 0);
    EXPECT_FALSE(app_->Active());
}

TEST_F(UiWindow, MemoFollowsTheMultiLineEditLineRules) {
    auto* memo = Add<TMemo>(5, 5, 200, 100);
    memo->SetScrollBars(TScrollStyle::ssBoth);
    memo->SetVisible(false);
    struct Case {
        const wchar_t* text;
        int count;
        const wchar_t* line0;
    };
    const Case table[] = {
        {L"", 0, L""},
        {L"one", 1, L"one"},
        {L"one\r\n", 1, L"one"},
        {L"one\r\ntwo", 2, L"one"},
        {L"\r\nsecond", 2, L""},
        {L"first line that is long enough to pass the memo's width without wrapping\r\nx", 2,
         L"first line that is long enough to pass the memo's width without wrapping"},
        {L"a\tb\r\n\r\n", 2, L"a\tb"},
    };
    for (const auto& c : table) {
        memo->Lines()->SetText(c.text);
        EXPECT_EQ(memo->Lines()->Count(), c.count) << testing::PrintToString(std::wstring(c.text));
        if (c.count > 0) {
            EXPECT_EQ(memo->Lines()->Get(0), c.line0);
        }
    }
    // A text far beyond the edit's default limit is kept whole.
    std::wstring big(100000, L'x');
    memo->Lines()->SetText(big + L"\r\nend");
    EXPECT_EQ(memo->Lines()->Count(), 2);
    EXPECT_EQ(memo->Lines()->Get(0).size(), big.size());
}

} // namespace
