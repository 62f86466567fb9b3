// Skinned scroll bars and combo boxes under Wine, on a skinned test form with a list box,
// scroll-bar controls and combo boxes: the overlays placed over the bars and painted pixel for
// pixel as the skin's pictures give them, presses handed back to the controls (arrows that
// repeat while held, the thumb dragged), the combo's hot button, the drop-down list's own thumb
// drag, skinning switched off and on. A screenshot of the form is saved for people to look at.
#include "tests/win32/skin/active_skinner.h"
#include "skin/controls/pickers/combo_list_scrollbar.h"
#include "skin/controls/base/skin_control_rules.h"
#include "skin/controls/scroll/scroll_rules.h"
#include "skin/controls/pickers/skin_combo.h"
#include "skin/controls/base/skin_control_factory.h"
#include "tests/support/skin_fixture.h"
#include "skin/controls/scroll/skin_scrollbar.h"
#include "tests/win32/skinned_scroll_pixels.h"

#include "tests/win32/skin/active_skinner.h"
#include "skin/gdi/dc_pixels.h"
#include "tests/support/desktop.h"
#include "skin/gdi/dib.h"
#include "skin/pictures/image_ops.h"
#include "skin/pictures/pixel_draw.h"
#include "skin/runtime/skin_data.h"
#include "skin/forms/skin_form.h"
#include "skin/runtime/skin_manager.h"
#include "skin/runtime/skin_messages.h"
#include "ui/color.h"
#include "ui/form_binding.h"
#include "ui/hint_window.h"
#include "ui/scroll_bar.h"
#include "ui/stdctrls.h"
#include "ui/win_handles.h"
#include "ui/window_dpi.h"
#include "tests/win32/ui/ui_test_app.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <string>
#include <thread>
#include <vector>

namespace {

using namespace std::chrono_literals;
using ui_test::AppTest;

class TScrollTestForm : public ui_test::TTestForm<L"TScrollTestForm"> {
public:
    using TTestForm::TTestForm;
};

// The scroll requests a list receives, recorded in front of everything else.
struct ListRequests {
    static inline std::vector<int> codes;
    static inline WNDPROC previous = nullptr;
    static LRESULT CALLBACK Proc(HWND w, UINT m, WPARAM wp, LPARAM lp) {
        if (m == WM_VSCROLL) codes.push_back(LOWORD(wp));
        return CallWindowProcW(previous, w, m, wp, lp);
    }
};

class SkinScroll : public SkinnedFormFixture<TScrollTestForm> {
protected:
    void SetUp() override {
        SkinnedFormTest::SetUp();
        const std::vector<std::uint8_t> skin = testing_desktop::ReadFileBytes(DEFAULT_SKIN);
        ASSERT_FALSE(skin.empty()) << DEFAULT_SKIN;
        form_ = new TScrollTestForm(app_.get());
        form_->LoadDescription(
            "object ScrollTestForm: TScrollTestForm\n"
            "  Left = 200\n  Top = 120\n"
            "  BorderIcons = [biSystemMenu]\n  BorderStyle = bsDialog\n"
            "  Caption = 'Scroll bars'\n  ClientHeight = 260\n  ClientWidth = 330\n"
            "  object ListBox1: TListBox\n    Left = 8\n    Top = 8\n    Width = 150\n"
            "    Height = 120\n  end\n"
            "  object ScrollBar1: TScrollBar\n    Left = 170\n    Top = 8\n    Width = 17\n"
            "    Height = 150\n    Kind = sbVertical\n    Max = 99\n    PageSize = 10\n"
            "    LargeChange = 10\n  end\n"
            "  object ScrollBar2: TScrollBar\n    Left = 8\n    Top = 140\n    Width = 150\n"
            "    Height = 17\n    Max = 50\n  end\n"
            "  object ScrollBar3: TScrollBar\n    Left = 200\n    Top = 8\n    Width = 17\n"
            "    Height = 150\n    Kind = sbVertical\n    Enabled = False\n  end\n"
            "  object ComboBox1: TComboBox\n    Left = 8\n    Top = 170\n    Width = 150\n"
            "    Height = 24\n  end\n"
            "  object ComboBox2: TComboBox\n    Left = 8\n    Top = 205\n    Width = 150\n"
            "    Height = 24\n    Enabled = False\n  end\n"
            "  object ListBox2: TListBox\n    Tag = 99\n    Left = 230\n    Top = 8\n"
            "    Width = 90\n    Height = 120\n  end\n"
            "  object SkinData1: TSkinData\n    Active = True\n" +
            skin_fixture::StreamLine(skin) + "  end\nend\n");
        list_ = form_->Get<ui::TListBox>(L"ListBox1");
        combo_ = form_->Get<ui::TComboBox>(L"ComboBox1");
        for (int i = 0; i < 5; ++i)
            list_->Items()->Add(L"entry " + std::to_wstring(i));
        // Common Controls 6 drops down 30 items at least: many more, so its list scrolls far.
        for (int i = 0; i < 120; ++i)
            combo_->Items()->Add(L"choice " + std::to_wstring(i));
        for (int i = 0; i < 30; ++i)
            form_->Get<ui::TListBox>(L"ListBox2")->Items()->Add(L"left " + std::to_wstring(i));
        skinner_ = ShowSkinned(*form_);
        ASSERT_TRUE(skinner_);
        Pump(300ms);
        // The form's own walk gives its controls their skin controls; what it has not taken
        // (yet) is attached here the same way.
        Skin(list_, TSkinControlKind::Scrollbar, TSkinAttach::ScrollHost);
        for (const wchar_t* name : {L"ScrollBar1", L"ScrollBar2", L"ScrollBar3"})
            Skin(form_->Get<ui::TControl>(name), TSkinControlKind::ScControl, TSkinAttach::Control);
        Skin(combo_, TSkinControlKind::ComboBox, TSkinAttach::Control);
        Skin(form_->Get<ui::TControl>(L"ComboBox2"), TSkinControlKind::ComboBox,
             TSkinAttach::Control);
        Pump(300ms);
    }
    void TearDown() override {
        if (grabber_.joinable()) grabber_.join();
        for (auto& made : made_)
            made.release(); // owned by their controls, freed with them
        SkinnedFormTest::TearDown();
    }

    void Skin(ui::TControl* control, TSkinControlKind kind, TSkinAttach attach) {
        auto* windowed = dynamic_cast<ui::TWinControl*>(control);
        if (SendMessageW(windowed->Handle(), SM_ISSKINNED, 0, 0) == 1) return;
        TSkinControlPtr made = MakeSkinControl({kind, attach}, control);
        ASSERT_TRUE(made);
        TSkinData* skin = form_->Get<TSkinData>(L"SkinData1");
        if (attach == TSkinAttach::ScrollHost)
            made->AttachScrollHost(control, skin, skinner_, nullptr);
        else
            made->AttachControl(skinner_, skin, false, nullptr);
        made_.push_back(std::move(made));
    }
    template <class T> T* Companion(ui::TControl* control) const {
        for (ui::TComponent* c : control->Components())
            if (auto* found = dynamic_cast<T*>(c)) return found;
        return nullptr;
    }
    const TSkinElements& Elements() const {
        return form_->Get<TSkinData>(L"SkinData1")->Elements();
    }
    static SCROLLBARINFO BarInfo(HWND window, LONG object) {
        SCROLLBARINFO info{};
        info.cbSize = sizeof(info);
        GetScrollBarInfo(window, object, &info);
        return info;
    }
    // A screen point of a window's client area.
    static POINT OnScreen(HWND window, POINT p) {
        ClientToScreen(window, &p);
        return p;
    }
    int TopIndex() const {
        return static_cast<int>(SendMessageW(list_->Handle(), LB_GETTOPINDEX, 0, 0));
    }
    void FillList(int count) {
        for (int i = list_->Items()->Count(); i < count; ++i)
            list_->Items()->Add(L"entry " + std::to_wstring(i));
        Pump(300ms);
    }
    // The look of a scroll-bar control's skinned bar, from the control's values.
    TScrollLook ControlBarLook(const ui::TScrollBar& b, bool enabled) const {
        TScrollLook look;
        look.Vertical = b.Kind() == ui::TScrollBarKind::sbVertical;
        look.Width = b.Width();
        look.Height = b.Height();
        look.Arrow = GetSystemMetrics(SM_CXHSCROLL);
        look.StripSize = Elements().Scrollbar->Image.Height;
        const TScrollAxis axis =
            ScrollControlAxis(look.Vertical ? b.Height() : b.Width(), look.Arrow,
                              {b.Min(), b.Max(), b.PageSize(), b.Position()});
        look.ThumbStart = axis.ThumbStart;
        look.ThumbEnd = axis.ThumbEnd;
        look.Enabled = enabled;
        return look;
    }
    TScrollLook BarLook(HWND window, int hitPart, bool pressed) const {
        return VerticalBarLook(window, Elements(), hitPart, pressed);
    }
    TScrollLook ListBarLook(int hitPart, bool pressed) const {
        return BarLook(list_->Handle(), hitPart, pressed);
    }
    // Runs `during` on this thread's timer while the system's tracking holds the thread, and
    // `input` on another thread (the tracking waits for the button to come up).
    void WhileTracking(std::function<void()> input, std::function<void()> during,
                       std::chrono::milliseconds at) {
        std::function<void()> once = std::move(during);
        pending_ = &once;
        const UINT_PTR timer = SetTimer(nullptr, 0, static_cast<UINT>(at.count()), &RunPending);
        std::atomic<bool> done{false};
        grabber_ = std::thread([&] {
            input();
            done = true;
        });
        PumpUntil([&] { return done.load(); }, 10s);
        grabber_.join();
        Pump(300ms);
        KillTimer(nullptr, timer);
        pending_ = nullptr;
    }

    // What the timer of WhileTracking runs, once.
    static inline std::function<void()>* pending_ = nullptr;
    static void CALLBACK RunPending(HWND, UINT, UINT_PTR id, DWORD) {
        KillTimer(nullptr, id);
        if (pending_ && *pending_) (*pending_)();
        pending_ = nullptr;
    }

    ui::TListBox* list_ = nullptr;
    ui::TComboBox* combo_ = nullptr;
    std::vector<TSkinControlPtr> made_;
    std::thread grabber_;
};

TEST_F(SkinScroll, ListBoxOverlayAppearsWithTheFirstScrollBarAndShowsTheSkin) {
    auto* skinned = Companion<TSkinScrollbar>(list_);
    ASSERT_NE(skinned, nullptr);
    TWScrollbar* overlay = skinned->Overlays().Vertical();
    ASSERT_NE(overlay, nullptr);
    EXPECT_FALSE(overlay->Shown()) << "five entries need no scroll bar";
    EXPECT_EQ(overlay->Window(), nullptr) << "nor a window for one";

    FillList(40);
    ASSERT_TRUE(PumpUntil([&] { return overlay->Shown(); }, 3s));
    EXPECT_EQ(skinned->Overlays().Horizontal()->Window(), nullptr) << "no horizontal bar";
    const SCROLLBARINFO info = BarInfo(list_->Handle(), OBJID_VSCROLL);
    RECT placed{};
    GetWindowRect(overlay->Window(), &placed);
    EXPECT_TRUE(EqualRect(&placed, &info.rcScrollBar));
    EXPECT_TRUE(IsWindowVisible(overlay->Window()));
    EXPECT_EQ(GetWindow(list_->Handle(), GW_HWNDPREV), overlay->Window()) << "directly above";

    MoveTo(OnScreen(form_->Handle(), {300, 250})); // away from the bar: nothing hot
    Pump(200ms);
    EXPECT_EQ(FirstDifference(ScreenOf(overlay->Window()),
                              ExpectedBar(Elements(), ListBarLook(kScrollPartNone, false))),
              "");
}

// The overlay's window, made when the bar first shows, takes the state its list had meanwhile.
TEST_F(SkinScroll, AnOverlayMadeWhileItsListIsDisabledIsDisabled) {
    TWScrollbar* overlay = Companion<TSkinScrollbar>(list_)->Overlays().Vertical();
    ASSERT_EQ(overlay->Window(), nullptr);
    list_->SetEnabled(false);
    FillList(40);
    ASSERT_TRUE(PumpUntil([&] { return overlay->Shown(); }, 3s));
    EXPECT_FALSE(IsWindowEnabled(overlay->Window()));
    list_->SetEnabled(true);
    EXPECT_TRUE(IsWindowEnabled(overlay->Window()));
}

TEST_F(SkinScroll, ArrowPressScrollsThroughTheListsOwnTrackingAndRepeatsWhileHeld) {
    FillList(60);
    auto* skinned = Companion<TSkinScrollbar>(list_);
    TWScrollbar* overlay = skinned->Overlays().Vertical();
    ASSERT_TRUE(PumpUntil([&] { return overlay->Shown(); }, 3s));
    std::vector<int> codes;
    Hook(list_, [&](ui::TMessage& m) {
        if (m.Msg == WM_VSCROLL) codes.push_back(LOWORD(m.WParam));
    });
    RECT bar{};
    GetWindowRect(overlay->Window(), &bar);
    const POINT down_arrow{(bar.left + bar.right) / 2, bar.bottom - 5};

    // One click: one line.
    const int top = TopIndex();
    ClickAt(down_arrow);
    EXPECT_EQ(TopIndex(), top + 1);
    ASSERT_FALSE(codes.empty());
    EXPECT_EQ(codes.front(), SB_LINEDOWN);
    EXPECT_EQ(codes.back(), SB_ENDSCROLL);

    // Held: the system repeats, and the arrow shows pressed until the button comes up.
    MoveTo(down_arrow);
    codes.clear();
    std::string pressed_look = "not seen";
    WhileTracking(
        [] { MouseButton(MOUSEEVENTF_LEFTDOWN), Sleep(1200), MouseButton(MOUSEEVENTF_LEFTUP); },
        [&] {
            pressed_look =
                FirstDifference(ScreenOf(overlay->Window()),
                                ExpectedBar(Elements(), ListBarLook(kScrollSecondArrow, true)));
        },
        800ms);
    EXPECT_EQ(pressed_look, "");
    EXPECT_GE(std::count(codes.begin(), codes.end(), SB_LINEDOWN), 3);
    EXPECT_GE(TopIndex(), top + 4);
    ASSERT_FALSE(codes.empty());
    EXPECT_EQ(codes.back(), SB_ENDSCROLL);
    // Released: the arrow under the mouse is hot, no longer pressed.
    Pump(200ms);
    EXPECT_EQ(FirstDifference(ScreenOf(overlay->Window()),
                              ExpectedBar(Elements(), ListBarLook(kScrollSecondArrow, false))),
              "");
}

TEST_F(SkinScroll, DraggedThumbFollowsTheMouseAndStaysAnArrowFromTheEnds) {
    FillList(60);
    TWScrollbar* overlay = Companion<TSkinScrollbar>(list_)->Overlays().Vertical();
    ASSERT_TRUE(PumpUntil([&] { return overlay->Shown(); }, 3s));
    RECT bar{};
    GetWindowRect(overlay->Window(), &bar);
    const SCROLLBARINFO before = BarInfo(list_->Handle(), OBJID_VSCROLL);
    const int x = (bar.left + bar.right) / 2;
    const POINT thumb{x, bar.top + (before.xyThumbTop + before.xyThumbBottom) / 2};
    MoveTo(thumb);
    // The mouse goes past the bottom (not so far that the system gives the thumb up): the thumb
    // is drawn an arrow away from the end.
    const int arrow = GetSystemMetrics(SM_CXHSCROLL);
    const int length = before.xyThumbBottom - before.xyThumbTop;
    std::string dragged_look = "not seen";
    WhileTracking(
        [&] {
            MouseButton(MOUSEEVENTF_LEFTDOWN);
            Sleep(200);
            for (int dy = 10; dy <= 100; dy += 10) {
                ui_test::MoveMouse({x, thumb.y + dy});
                Sleep(40);
            }
            Sleep(700);
            MouseButton(MOUSEEVENTF_LEFTUP);
        },
        [&] {
            TScrollLook look = ListBarLook(kScrollThumb, true);
            look.ThumbStart = look.Height - arrow - length;
            look.ThumbEnd = look.Height - arrow;
            dragged_look =
                FirstDifference(ScreenOf(overlay->Window()), ExpectedBar(Elements(), look));
        },
        1100ms);
    EXPECT_EQ(dragged_look, "");
    // Scrolled to the end by the list's own tracking.
    const SCROLLBARINFO after = BarInfo(list_->Handle(), OBJID_VSCROLL);
    EXPECT_EQ(after.xyThumbBottom, (bar.bottom - bar.top) - arrow);
}

TEST_F(SkinScroll, ScrollBarControlsShowTheSkinAndTakePresses) {
    auto* bar = form_->Get<ui::TScrollBar>(L"ScrollBar1");
    auto* disabled = form_->Get<ui::TScrollBar>(L"ScrollBar3");
    TWScrollbar* overlay = Companion<TSkinScControl>(bar)->Overlay();
    TWScrollbar* disabled_overlay = Companion<TSkinScControl>(disabled)->Overlay();
    ASSERT_TRUE(overlay && disabled_overlay);
    ASSERT_TRUE(overlay->Shown());
    RECT placed{}, control{};
    GetWindowRect(overlay->Window(), &placed);
    GetWindowRect(bar->Handle(), &control);
    EXPECT_TRUE(EqualRect(&placed, &control));

    bar->SetPosition(20);
    Pump(200ms);
    const int arrow = GetSystemMetrics(SM_CXHSCROLL);
    MoveTo(OnScreen(form_->Handle(), {300, 250}));
    Pump(200ms);
    EXPECT_EQ(FirstDifference(ScreenOf(overlay->Window()),
                              ExpectedBar(Elements(), ControlBarLook(*bar, true))),
              "");
    // Disabled: the track's disabled frame and no thumb.
    EXPECT_EQ(FirstDifference(ScreenOf(disabled_overlay->Window()),
                              ExpectedBar(Elements(), ControlBarLook(*disabled, false))),
              "");

    // A click on the overlay's arrow is a click on the control's arrow.
    ClickAt({(control.left + control.right) / 2, control.bottom - 4});
    EXPECT_EQ(bar->Position(), 21);
    ClickAt({(control.left + control.right) / 2, control.bottom - arrow - 3});
    EXPECT_EQ(bar->Position(), 31) << "a press on the track pages";
}

// At the form's density (the process's: the suite runs this at 96, 144 and 192 dpi), a bar laid
// out for that density and one laid out for 96 dpi both show the skin's pieces in proportion:
// square arrows whose glyph keeps its rows, a thumb inside the bar with its grip, everything
// drawn from the strip at the density that fits the bar, pixel for pixel.
TEST_F(SkinScroll, DensityScrollBarsKeepTheirPiecesInProportion) {
    const int dpi = skinner_->Dpi();
    auto* fitted = form_->Get<ui::TScrollBar>(L"ScrollBar1");
    auto* classic = form_->Get<ui::TScrollBar>(L"ScrollBar2");
    // One laid out for the density, one a classic 16 pixels thick: the thinnest bar a system
    // draws.
    fitted->SetBounds(fitted->Left(), fitted->Top(), ui::MetricAtDpi(SM_CXVSCROLL, dpi),
                      ScaleMeasure(120, dpi));
    classic->SetBounds(classic->Left(), classic->Top(), 150, 16);
    // Pages long enough for a thumb that carries a grip.
    fitted->SetPageSize(40);
    classic->SetPageSize(15);
    fitted->SetPosition(30);
    classic->SetPosition(20);
    MoveTo(OnScreen(form_->Handle(), {300, 250}));
    Pump(300ms);
    const TPixelImage& strip96 = Elements().Scrollbar->Image;
    struct Row {
        const char* what;
        ui::TScrollBar* bar;
    };
    for (const Row& r : {Row{"laid out for the density", fitted}, Row{"16 pixels", classic}}) {
        TWScrollbar* overlay = Companion<TSkinScControl>(r.bar)->Overlay();
        ASSERT_TRUE(overlay && overlay->Shown()) << r.what;
        TScrollLook look = ControlBarLook(*r.bar, true);
        const int across = look.Vertical ? look.Width : look.Height;
        const int at = FittingPictureDpi(dpi, across, strip96.Height);
        const TPixelImage strip = PictureAtDpi(strip96, Elements().Scrollbar->Image2x,
                                               {Elements().Scrollbar->Frame, false, {}}, at);
        look.Arrow = ui::MetricAtDpi(SM_CXHSCROLL, at);
        look.StripSize = strip.Height;
        const TScrollAxis axis =
            ScrollControlAxis(look.Vertical ? look.Height : look.Width, look.Arrow,
                              {r.bar->Min(), r.bar->Max(), r.bar->PageSize(), r.bar->Position()});
        look.ThumbStart = axis.ThumbStart;
        look.ThumbEnd = axis.ThumbEnd;
        if (r.bar == fitted) {
            EXPECT_EQ(at, dpi) << "a bar laid out for the density";
        }

        const TScrollPaint paint = ScrollPaintLayout(look);
        const TPixelRect whole{0, 0, look.Width, look.Height};
        auto inside = [&](TPixelRect p) {
            return p.Left >= whole.Left && p.Top >= whole.Top && p.Right <= whole.Right &&
                   p.Bottom <= whole.Bottom;
        };
        for (const TScrollCell* arrow : {&paint.FirstArrow, &paint.SecondArrow}) {
            const TPixelRect t = arrow->Target;
            EXPECT_EQ(t.Right - t.Left, t.Bottom - t.Top) << r.what << ": a square arrow";
            EXPECT_EQ(t.Right - t.Left, strip.Height) << r.what << ": the cell at its size";
            EXPECT_TRUE(inside(arrow->Clip.value_or(t))) << r.what;
        }
        ASSERT_TRUE(paint.Thumb) << r.what;
        EXPECT_TRUE(inside(paint.Thumb->Target)) << r.what << ": the thumb inside the bar";
        EXPECT_TRUE(paint.Grip) << r.what << ": the thumb keeps its grip";
        EXPECT_EQ(FirstDifference(ScreenOf(overlay->Window()), ExpectedBar(Elements(), look, at)),
                  "")
            << r.what;
    }
    testing_desktop::SaveScreenshot(L"skin_scroll_density_" + std::to_wstring(dpi));
}

TEST_F(SkinScroll, SkinningOffGivesThePlainLookAndTheSameMessages) {
    FillList(40);
    TWScrollbar* overlay = Companion<TSkinScrollbar>(list_)->Overlays().Vertical();
    ASSERT_TRUE(PumpUntil([&] { return overlay->Shown(); }, 3s));
    HWND window = list_->Handle();
    EXPECT_EQ(SendMessageW(window, SM_ISSKINNED, 0, 0), 1);

    SendMessageW(window, SM_SKINACTIVE, 0, 0);
    Pump(200ms);
    EXPECT_FALSE(IsWindowVisible(overlay->Window())) << "the system's own bar shows";
    EXPECT_EQ(SendMessageW(window, SM_ISSKINNED, 0, 0), 0) << "the control hears it unchanged";
    EXPECT_EQ(SendMessageW(window, LB_GETCOUNT, 0, 0), 40);
    const int top = TopIndex();
    const SCROLLBARINFO info = BarInfo(window, OBJID_VSCROLL);
    ClickAt({(info.rcScrollBar.left + info.rcScrollBar.right) / 2, info.rcScrollBar.bottom - 4});
    EXPECT_EQ(TopIndex(), top + 1) << "the system's bar scrolls by itself";

    SendMessageW(window, SM_SKINACTIVE, 1, 0);
    ASSERT_TRUE(PumpUntil([&] { return IsWindowVisible(overlay->Window()) != FALSE; }, 3s));
    EXPECT_EQ(SendMessageW(window, SM_ISSKINNED, 0, 0), 1);
}

TEST_F(SkinScroll, ComboButtonTurnsHotUnderTheMouse) {
    auto* skinned = Companion<TSkinComBox>(combo_);
    auto* disabled = Companion<TSkinComBox>(form_->Get<ui::TControl>(L"ComboBox2"));
    ASSERT_TRUE(skinned && disabled);
    const RECT button = skinned->ButtonRect();
    ASSERT_FALSE(IsRectEmpty(&button));
    HWND box = combo_->Handle();
    MoveTo(OnScreen(box, {10, 10})); // the text area
    EXPECT_FALSE(skinned->Hot());
    MoveTo(OnScreen(box, {(button.left + button.right) / 2, (button.top + button.bottom) / 2}));
    EXPECT_TRUE(PumpUntil([&] { return skinned->Hot(); }, 2s));
    // The whole box from the skin's composed combo picture, its hot frame.
    const TDataSkinBorder& picture = *Elements().ComboButton;
    RECT r{};
    GetWindowRect(box, &r);
    const TPixelImage expected = RenderNineGrid(
        r.right - r.left, r.bottom - r.top, picture.Image,
        {picture.LeftWidth, picture.TopHeight, picture.RightWidth, picture.BottomHeight}, false,
        false, picture.Frame, kComboHot);
    const TPixelImage shot = ScreenOf(box);
    std::string difference;
    for (int y = 0; y < shot.Height && difference.empty(); ++y)
        for (int x = 0; x < shot.Width; ++x)
            if (expected.At(x, y) != kKey && expected.At(x, y) != shot.At(x, y)) {
                difference = "pixel (" + std::to_string(x) + ", " + std::to_string(y) + ")";
                break;
            }
    EXPECT_EQ(difference, "");
    MoveTo(OnScreen(box, {10, 10}));
    EXPECT_TRUE(PumpUntil([&] { return !skinned->Hot(); }, 2s));

    // A disabled box never turns hot.
    HWND off = form_->Get<ui::TWinControl>(L"ComboBox2")->Handle();
    const RECT off_button = disabled->ButtonRect();
    MoveTo(OnScreen(off, {(off_button.left + off_button.right) / 2, 10}));
    Pump(300ms);
    EXPECT_FALSE(disabled->Hot());
}

// The combo's look is composed from what the combo paints of itself, never from the pixels its
// DC holds: those may be another window's lying over it (a window DC without composition), or
// anything at all in a DC handed to it. With a foreign window over half of the box and the box
// repainting meanwhile, drawn into a DC full of a foreign colour, it is the box on the screen.
TEST_F(SkinScroll, TheComboIsComposedFromItsOwnPaintNotFromWhatCoversIt) {
    auto* skinned = Companion<TSkinComBox>(combo_);
    ASSERT_TRUE(skinned);
    const HWND box = combo_->Handle();
    const TPixelImage shown = ScreenOf(box);
    RECT r{}, edit{};
    GetWindowRect(box, &r);
    GetWindowRect(GetTopWindow(box), &edit);
    OffsetRect(&edit, -r.left, -r.top);

    constexpr COLORREF kForeign = RGB(0, 255, 0);
    const ui::GdiHandle<HBRUSH> green(CreateSolidBrush(kForeign));
    WNDCLASSW cls{};
    cls.lpfnWndProc = DefWindowProcW;
    cls.hInstance = GetModuleHandleW(nullptr);
    cls.hbrBackground = green.get();
    cls.lpszClassName = L"ForeignCover";
    RegisterClassW(&cls);
    const HWND cover = CreateWindowExW(WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE | WS_EX_TOPMOST,
                                       L"ForeignCover", L"", WS_POPUP | WS_VISIBLE, r.left - 5,
                                       r.top - 5, (r.right - r.left) / 2, r.bottom - r.top + 10,
                                       nullptr, nullptr, cls.hInstance, nullptr);
    ASSERT_TRUE(cover);
    Pump(200ms);
    skinned->Refresh();
    Pump(200ms);

    const int w = r.right - r.left, h = r.bottom - r.top;
    TDib target(w, h);
    const RECT all{0, 0, w, h};
    FillRect(target.Dc(), &all, green.get());
    skinned->PaintWindow(target.Dc());
    const TPixelImage drawn = ReadPixels(target.Dc(), all);
    DestroyWindow(cover);
    UnregisterClassW(L"ForeignCover", cls.hInstance);
    Pump(300ms);

    // The edit field is a window of its own, which the combo's paint leaves alone.
    std::string difference;
    for (int y = 0; y < h && difference.empty(); ++y)
        for (int x = 0; x < w; ++x) {
            const POINT p{x, y};
            if (!PtInRect(&edit, p) && drawn.At(x, y) != shown.At(x, y)) {
                difference = "pixel (" + std::to_string(x) + ", " + std::to_string(y) + ")";
                break;
            }
        }
    EXPECT_EQ(difference, "");
    EXPECT_TRUE(ScreenOf(box) == shown) << "the box after the window over it has gone";
}

TEST_F(SkinScroll, ARepaintComposesTheComboOnceForItsOwnPaint) {
    ASSERT_TRUE(Companion<TSkinComBox>(combo_));
    const HWND box = combo_->Handle();
    const TPixelImage shown = ScreenOf(box);
    // What the combo is asked to print of itself, seen in front of its skin.
    int prints = 0;
    const auto skinned = combo_->WindowProc;
    combo_->WindowProc = [&](ui::TMessage& m) {
        if (m.Msg == WM_PRINTCLIENT) ++prints;
        skinned(m);
    };
    // Its frame and client to paint, and its paint asked for, which asks for the frame first.
    RedrawWindow(box, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
    UpdateWindow(box);
    combo_->WindowProc = skinned;
    // Once for its paint: its frame paint, which the paint asks for first, adds none, and so
    // does its edit field's paint, inside a window of its own that the face leaves out. And its
    // look is drawn whole, frame included.
    EXPECT_EQ(prints, 1);
    EXPECT_TRUE(ScreenOf(box) == shown);
}

// Other system colours for a while, as another Windows colour scheme has them.
class OtherScheme {
public:
    OtherScheme(std::vector<int> indexes, std::vector<COLORREF> colours) : indexes_(indexes) {
        for (const int i : indexes_)
            saved_.push_back(GetSysColor(i));
        SetSysColors(static_cast<int>(indexes_.size()), indexes_.data(), colours.data());
    }
    ~OtherScheme() {
        SetSysColors(static_cast<int>(indexes_.size()), indexes_.data(), saved_.data());
    }

private:
    std::vector<int> indexes_;
    std::vector<COLORREF> saved_;
};

// The skin gives the colours the system's scheme would: a disabled box is filled in the skin's
// face and the list that drops down is framed in its border colour, whatever the scheme says.
TEST_F(SkinScroll, TheDisabledComboAndTheDroppedListKeepTheSkinsColoursOnAnyScheme) {
    const OtherScheme scheme({COLOR_BTNFACE, COLOR_WINDOWFRAME},
                             {RGB(0, 160, 0), RGB(200, 0, 0)});
    Pump(200ms);
    const COLORREF face = ui::ColorRef(ui::ColorToRGB(Elements().Colors[kButtonFace]));
    const COLORREF border = ui::ColorRef(ui::ColorToRGB(Elements().Colors[kButtonShadow]));
    ASSERT_NE(face, RGB(0, 160, 0));

    auto& disabled = *form_->Get<ui::TWinControl>(L"ComboBox2");
    RedrawWindow(disabled.Handle(), nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    Pump(200ms);
    const TPixelImage box = ScreenOf(disabled.Handle());
    EXPECT_EQ(box.At(box.Width / 3, box.Height / 2), PixelFromColor(ui::RGBColor(
                                                        GetRValue(face), GetGValue(face),
                                                        GetBValue(face))))
        << "the disabled box's fill";

    combo_->SetDroppedDown(true);
    Pump(300ms);
    COMBOBOXINFO info{};
    info.cbSize = sizeof(info);
    ASSERT_TRUE(GetComboBoxInfo(combo_->Handle(), &info));
    const TPixelImage list = ScreenOf(info.hwndList);
    combo_->SetDroppedDown(false);
    const TPixel frame = PixelFromColor(
        ui::RGBColor(GetRValue(border), GetGValue(border), GetBValue(border)));
    EXPECT_EQ(list.At(0, list.Height / 2), frame) << "the list's border";
    EXPECT_EQ(list.At(list.Width / 2, list.Height - 1), frame) << "the list's border";
}

TEST_F(SkinScroll, DropDownListThumbDragEndsWithOnePositionAndOneEnd) {
    HWND box = combo_->Handle();
    combo_->SetDroppedDown(true);
    Pump(300ms);
    COMBOBOXINFO info{};
    info.cbSize = sizeof(info);
    ASSERT_TRUE(GetComboBoxInfo(box, &info));
    HWND list = info.hwndList;
    ASSERT_TRUE(IsWindowVisible(list));
    ASSERT_NE(Companion<TSkinComBox>(combo_)->DropDownList(), nullptr);

    std::vector<int>& codes = ListRequests::codes;
    codes.clear();
    ListRequests::previous = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(list, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&ListRequests::Proc)));
    const SCROLLBARINFO bar = BarInfo(list, OBJID_VSCROLL);
    const int x = (bar.rcScrollBar.left + bar.rcScrollBar.right) / 2;
    const int y = bar.rcScrollBar.top + (bar.xyThumbTop + bar.xyThumbBottom) / 2;
    MoveTo({x, y});
    const int top = static_cast<int>(SendMessageW(list, LB_GETTOPINDEX, 0, 0));
    std::string drawn = "not seen";
    WhileTracking(
        [&] {
            MouseButton(MOUSEEVENTF_LEFTDOWN);
            Sleep(200);
            for (int dy = 5; dy <= 60; dy += 5) {
                ui_test::MoveMouse({x, y + dy});
                Sleep(40);
            }
            Sleep(300);
            MouseButton(MOUSEEVENTF_LEFTUP);
        },
        [&] {
            // Painted into the list's frame as the overlays paint, the thumb pressed.
            const SCROLLBARINFO now = BarInfo(list, OBJID_VSCROLL);
            HDC screen = GetDC(nullptr);
            const TPixelImage shot = ReadPixels(screen, now.rcScrollBar);
            ReleaseDC(nullptr, screen);
            const TScrollLook look = BarLook(list, kScrollThumb, true);
            drawn = FirstDifference(shot, ExpectedBar(Elements(), look));
        },
        600ms);
    SetWindowLongPtrW(list, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(ListRequests::previous));
    EXPECT_EQ(drawn, "");
    EXPECT_GT(std::count(codes.begin(), codes.end(), SB_THUMBTRACK), 1) << "scrolls as it moves";
    EXPECT_EQ(std::count(codes.begin(), codes.end(), SB_THUMBPOSITION), 1);
    EXPECT_EQ(std::count(codes.begin(), codes.end(), SB_ENDSCROLL), 1);
    ASSERT_FALSE(codes.empty());
    EXPECT_EQ(codes.back(), SB_ENDSCROLL);
    EXPECT_GT(SendMessageW(list, LB_GETTOPINDEX, 0, 0), top);
}

TEST_F(SkinScroll, ASimpleCombosListKeepsTextOutsideTheCodePage) {
    auto* simple = new ui::TComboBox(form_);
    simple->SetStyle(ui::TComboBoxStyle::csSimple);
    simple->SetBounds(230, 140, 90, 100);
    simple->SetParent(form_);
    Skin(simple, TSkinControlKind::ComboBox, TSkinAttach::Control);
    auto* companion = Companion<TSkinComBox>(simple);
    ASSERT_TRUE(companion);
    ASSERT_TRUE(companion->SimpleList()) << "the list is skinned";
    const HWND list = companion->SimpleList()->Handle();
    EXPECT_TRUE(IsWindowUnicode(list));
    // Devanagari and Hebrew: neither is in code page 936.
    const std::wstring text = L"\x0915\x093E-\x05E9";
    SendMessageW(simple->Handle(), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
    SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
    for (int i : {0, 1}) {
        wchar_t read[32] = {};
        SendMessageW(list, LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(read));
        EXPECT_EQ(std::wstring(read), text) << i;
    }
}

TEST_F(SkinScroll, ATaggedListBoxKeepsItsOwnScrollBar) {
    auto* tagged = form_->Get<ui::TListBox>(L"ListBox2");
    EXPECT_EQ(SendMessageW(tagged->Handle(), SM_ISSKINNED, 0, 0), 0);
    EXPECT_EQ(Companion<TSkinScrollbar>(tagged), nullptr);
    const SCROLLBARINFO info = BarInfo(tagged->Handle(), OBJID_VSCROLL);
    ASSERT_FALSE(info.rgstate[0] & STATE_SYSTEM_INVISIBLE);
    const POINT centre{(info.rcScrollBar.left + info.rcScrollBar.right) / 2,
                       (info.rcScrollBar.top + info.rcScrollBar.bottom) / 2};
    EXPECT_EQ(WindowFromPoint(centre), tagged->Handle()) << "nothing lies over its bar";
}

TEST_F(SkinScroll, ItsOwnBorderUnlessTheFormDrawsIt) {
    const TPixel border = PixelFromColor(ui::ColorToRGB(Elements().Colors[kButtonShadow]));
    const TPixel face = Face(Elements());
    auto edge = [&](HWND window) {
        RedrawWindow(window, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
        Pump(200ms);
        const TPixelImage shot = ScreenOf(window);
        return std::pair{shot.At(0, shot.Height / 2), shot.At(1, shot.Height / 2)};
    };
    EXPECT_EQ(edge(list_->Handle()), std::pair(border, face));
    // Variant 1: the form draws that border itself, the companion leaves the control's own.
    auto* single = form_->Get<ui::TListBox>(L"ListBox2");
    TSkinControlPtr made =
        MakeSkinControl({TSkinControlKind::Scrollbar, TSkinAttach::ScrollHost, false, 1}, single);
    made->AttachScrollHost(single, form_->Get<TSkinData>(L"SkinData1"), skinner_, nullptr);
    made_.push_back(std::move(made));
    EXPECT_NE(edge(single->Handle()).second, face);
}

// The overlay lies over the whole scroll-bar control, which never hears the mouse: the hint of
// the control shows when the mouse rests on the overlay, and goes when it leaves.
TEST_F(SkinScroll, AScrollBarControlsHintShowsOverItsOverlay) {
    auto* bar = form_->Get<ui::TScrollBar>(L"ScrollBar2");
    bar->SetHint(L"Scrolls the list|and more");
    bar->SetShowHint(true);
    app_->SetHintPause(50);
    ui::THintWindow* hint = app_->HintWindow();
    MoveTo(OnScreen(form_->Handle(), {300, 250}));
    MoveTo(OnScreen(bar->Handle(), {bar->Width() / 2, bar->Height() / 2}));
    ASSERT_TRUE(PumpUntil([&] { return hint->Showing(); }, 3s)) << "no hint over the skinned bar";
    EXPECT_EQ(hint->Caption(), L"Scrolls the list");
    MoveTo(OnScreen(form_->Handle(), {300, 250}));
    EXPECT_TRUE(PumpUntil([&] { return !hint->Showing(); }, 3s)) << "the hint stays";
}

TEST_F(SkinScroll, AHorizontalScrollBarControlShowsTheSkinAtItsPosition) {
    FillList(40);
    auto* bar = form_->Get<ui::TScrollBar>(L"ScrollBar2");
    bar->SetPosition(25);
    MoveTo(OnScreen(form_->Handle(), {300, 250}));
    Pump(500ms);
    TWScrollbar* overlay = Companion<TSkinScControl>(bar)->Overlay();
    ASSERT_TRUE(overlay && overlay->Shown());
    const TScrollLook look = ControlBarLook(*bar, true);
    ASSERT_FALSE(look.Vertical);
    EXPECT_GT(look.ThumbStart, look.Arrow) << "the thumb has left the start";
    EXPECT_EQ(FirstDifference(ScreenOf(overlay->Window()), ExpectedBar(Elements(), look)), "");
    testing_desktop::SaveScreenshot(L"skin_scroll_test_form");
}

} // namespace
