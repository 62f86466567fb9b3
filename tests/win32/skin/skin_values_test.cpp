// Skinned progress bars, track bars and up-down controls on a test form under Wine: each painted
// from the skin's strips (every frame a solid colour of its own, so a pixel tells the frame),
// the up-down's halves following the real mouse, the line-drawn up-down where the skin has no
// strip, and the standard track bar and progress bar where it has no pictures for them.
#include "skin/controls/values/skin_progress.h"
#include "skin/controls/values/skin_trackbar.h"
#include "skin/controls/values/skin_updown.h"
#include "skin/controls/values/value_rules.h"
#include "skin/forms/skin_form.h"
#include "skin/gdi/dc_pixels.h"
#include "skin/runtime/skin_data.h"
#include "skin/runtime/skin_manager.h"
#include "skin/runtime/skin_messages.h"
#include "tests/support/skin_fixture.h"
#include "tests/win32/skin/active_skinner.h"

#include "tests/support/desktop.h"
#include "tests/win32/ui/ui_test_app.h"
#include "ui/form_binding.h"
#include "ui/progress_bar.h"
#include "ui/stdctrls.h"
#include "ui/track_bar.h"
#include "ui/up_down.h"

#include <commctrl.h>
#include <gtest/gtest.h>
#include <uxtheme.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

using namespace std::chrono_literals;
using skin_fixture::FrameColour;
using skin_fixture::Skin;
using skin_fixture::StreamLine;
using skin_fixture::Strip;

constexpr int kProgressStrip = 5, kTrackStrip = 6, kTrackVertStrip = 7, kThumbStrip = 8,
              kThumbVertStrip = 9, kUpDownStrip = 10, kGlyphStrip = 11, kChunkStrip = 12;
const ui::TColor kFace = RGBColor(10, 20, 30), kShadow = RGBColor(200, 100, 50),
                 kDkShadow = RGBColor(5, 60, 90), kText = RGBColor(250, 250, 0);

// `frames` 8 x 8 cells, each a 4 x 4 square of its frame's colour on magenta.
TPixelImage GlyphStrip(int strip, int frames) {
    TPixelImage image(8 * frames, 8, PixelFromColor(RGBColor(255, 0, 255)));
    for (int k = 1; k <= frames; ++k)
        for (int y = 2; y < 6; ++y)
            for (int x = 2; x < 6; ++x)
                image.At(8 * (k - 1) + x, y) = PixelFromColor(FrameColour(strip, k));
    return image;
}

const char* const kColours = "[Colours]\nButtonFace=10 20 30\nButtonShadow=200 100 50\n"
                             "ButtonDkShadow=5 60 90\nButtonText=250 250 0\n";

// A frame as the other skinner tests have it, and the value controls' strips: a 2-frame
// progress strip, channel pictures lying and standing, 5-frame thumbs and the 8-frame vertical
// up-down strip with its glyphs. No left/right up-down strip: those draw their own arrows.
std::vector<std::uint8_t> ValueSkin() {
    Skin s = skin_fixture::FramedSkin(
        "", std::string("[Progress]\nBitmap=progress.bmp\n"
                        "[Track]\nImage=track.bmp\nLeftWidth=2\nRightWidth=2\n"
                        "[TRACKVERT]\nImage=trackvert.bmp\nTopHeight=2\nBottomHeight=2\n"
                        "[Trackbar.ThumbHorz]\nImage=thumbh.bmp\n"
                        "[Trackbar.ThumbVert]\nImage=thumbv.bmp\n"
                        "[UpDown.Vert]\nImage=updown.bmp\nGlyphImage=glyph.bmp\n") +
                kColours);
    s.Image("progress.bmp", Strip(kProgressStrip, 2, 10, 10));
    s.Image("track.bmp", Strip(kTrackStrip, 1, 12, 4));
    s.Image("trackvert.bmp", Strip(kTrackVertStrip, 1, 4, 12));
    s.Image("thumbh.bmp", Strip(kThumbStrip, 5, 11, 21));
    s.Image("thumbv.bmp", Strip(kThumbVertStrip, 5, 21, 11));
    s.Image("updown.bmp", Strip(kUpDownStrip, 8, 16, 12));
    s.Image("glyph.bmp", GlyphStrip(kGlyphStrip, 8));
    return s.Pack();
}

// A progress bar of chunks (its `Progress` one frame of style 1, 6 x 8 chunks side by side).
std::vector<std::uint8_t> ChunkSkin() {
    Skin s =
        skin_fixture::FramedSkin("", std::string("[Progress]\nBitmap=progress.bmp\nStyle=1\n"
                                                 "[Progress.Chunk]\nImage=chunk.bmp\nTile=1\n") +
                                         kColours);
    s.Image("progress.bmp", Strip(kProgressStrip, 1, 10, 10));
    s.Image("chunk.bmp", Strip(kChunkStrip, 1, 6, 8));
    return s.Pack();
}

// A filling bar whose `Progress` has a style of neither kind the loader knows (2): still
// background and fill.
std::vector<std::uint8_t> OtherStyleSkin() {
    Skin s = skin_fixture::FramedSkin(
        "", std::string("[Progress]\nBitmap=progress.bmp\nStyle=2\n") + kColours);
    s.Image("progress.bmp", Strip(kProgressStrip, 2, 10, 10));
    return s.Pack();
}

// The same frame and colours without any of the value controls' pictures.
std::vector<std::uint8_t> BareSkin() {
    return skin_fixture::FramedSkin("", kColours).Pack();
}

class TValuesTestForm : public ui_test::TTestForm<L"TValuesTestForm"> {
public:
    using TTestForm::TTestForm;
};

// The edit comes first so it has the focus: a focused track bar would draw a focus rectangle.
// Track bars and progress bars tagged 99 stay unskinned: the standard look to compare with.
const char* const kForm = R"(object ValuesTestForm: TValuesTestForm
  Left = 200
  Top = 120
  BorderIcons = [biSystemMenu]
  BorderStyle = bsDialog
  Caption = 'Values'
  ClientHeight = 330
  ClientWidth = 480
  object Edit1: TEdit
    Left = 250
    Top = 290
    Width = 100
    Height = 24
  end
  object Progress0: TProgressBar
    Left = 10
    Top = 10
    Width = 200
    Height = 20
  end
  object ProgressMax: TProgressBar
    Left = 10
    Top = 40
    Width = 200
    Height = 20
    Position = 100
  end
  object ProgressAcrossZero: TProgressBar
    Left = 10
    Top = 70
    Width = 200
    Height = 20
    Min = -100
    Max = 100
    Position = 0
  end
  object ProgressVertical: TProgressBar
    Left = 220
    Top = 10
    Width = 20
    Height = 100
    Position = 25
    Orientation = pbVertical
  end
  object TrackBar1: TTrackBar
    Left = 10
    Top = 110
    Width = 200
    Height = 40
    Max = 10
  end
  object TrackBarVertical: TTrackBar
    Left = 250
    Top = 10
    Width = 40
    Height = 150
    Max = 10
    Orientation = trVertical
  end
  object UpDown1: TUpDown
    Left = 310
    Top = 10
    Width = 17
    Height = 30
  end
  object UpDownOff: TUpDown
    Left = 340
    Top = 10
    Width = 17
    Height = 30
    Enabled = False
  end
  object UpDownHorizontal: TUpDown
    Left = 310
    Top = 60
    Width = 30
    Height = 17
    Orientation = udHorizontal
  end
  object TrackBarPlain: TTrackBar
    Left = 10
    Top = 170
    Width = 200
    Height = 40
    Max = 10
    Tag = 99
  end
  object ProgressPlain: TProgressBar
    Left = 10
    Top = 220
    Width = 200
    Height = 20
    Position = 30
    Tag = 99
  end
  object ProgressBare: TProgressBar
    Left = 10
    Top = 250
    Width = 200
    Height = 20
    Position = 30
  end
)";

// A point of a control and the colour the screen shows there.
struct PixelRow {
    const char* what;
    const wchar_t* name;
    int x, y;
    COLORREF expected;
};

class SkinValuesTest : public SkinnedFormFixture<TValuesTestForm> {
protected:
    void SetUp() override { Start(ValueSkin()); }
    void Start(const std::vector<std::uint8_t>& skin) {
        SkinnedFormTest::SetUp();
        form_ = new TValuesTestForm(app_.get());
        form_->LoadDescription(std::string(kForm) + "  object SkinData1: TSkinData\n" +
                               "    Active = True\n" + StreamLine(skin) + "  end\nend\n");
        skinner_ = ShowSkinned(*form_);
        ASSERT_TRUE(skinner_);
        Get<ui::TEdit>(L"Edit1")->SetFocus();
        ParkMouse();
        Pump(200ms);
    }

    ui::TWinControl& Control(const wchar_t* name) const { return *Get<ui::TWinControl>(name); }
    static COLORREF Pixel(ui::TControl& c, int x, int y) { return ui_test::ScreenPixel(c, x, y); }
    static COLORREF Colour(ui::TColor c) { return ui::ColorRef(c); }
    template <std::size_t N> void ExpectPixels(const PixelRow (&rows)[N]) const {
        for (const PixelRow& r : rows)
            EXPECT_EQ(Pixel(Control(r.name), r.x, r.y), r.expected) << r.what;
    }
    // The filling bars of the form, background and fill from the skin's two progress frames.
    void ExpectFillingBars() const {
        const COLORREF back = Frame(kProgressStrip, 1), fill = Frame(kProgressStrip, 2);
        const PixelRow rows[] = {
            {"at 0: the background at the start", L"Progress0", 2, 10, back},
            {"at 0: the background at the end", L"Progress0", 197, 10, back},
            {"at max: filled at the start", L"ProgressMax", 2, 10, fill},
            {"at max: filled to the end", L"ProgressMax", 197, 10, fill},
            {"0 of -100..100: filled below half", L"ProgressAcrossZero", 95, 10, fill},
            {"0 of -100..100: empty past half", L"ProgressAcrossZero", 105, 10, back},
            {"vertical at 25: filled from the bottom", L"ProgressVertical", 10, 97, fill},
            {"vertical at 25: a quarter up", L"ProgressVertical", 10, 77, fill},
            {"vertical at 25: empty above", L"ProgressVertical", 10, 70, back},
            {"vertical at 25: empty at the top", L"ProgressVertical", 10, 3, back},
        };
        ExpectPixels(rows);
    }
    static COLORREF Frame(int strip, int frame) { return Colour(FrameColour(strip, frame)); }
    // A point of a rectangle the control reports about itself, as the screen shows it.
    static COLORREF Centre(ui::TControl& c, const RECT& r) {
        return Pixel(c, (r.left + r.right) / 2, (r.top + r.bottom) / 2);
    }
    // The whole control as the screen shows it.
    static TPixelImage Shot(ui::TWinControl& c) {
        RECT r{};
        GetWindowRect(c.Handle(), &r);
        return ScreenShot(r);
    }
    // A part of it (client coordinates).
    static TPixelImage Shot(ui::TWinControl& c, RECT r) {
        MapWindowPoints(c.Handle(), nullptr, reinterpret_cast<POINT*>(&r), 2);
        return ScreenShot(r);
    }
    static TPixelImage ScreenShot(const RECT& r) {
        HDC screen = GetDC(nullptr);
        TPixelImage shot = ReadPixels(screen, r);
        ReleaseDC(nullptr, screen);
        return shot;
    }
    static POINT ScreenAt(ui::TWinControl& c, int x, int y) {
        POINT p{x, y};
        ClientToScreen(c.Handle(), &p);
        return p;
    }
};

// The frames of the up-down strip its two halves show: a corner of each, where no glyph goes.
struct Halves {
    COLORREF first, second;
    bool operator==(const Halves&) const = default;
};
void PrintTo(const Halves& h, std::ostream* os) {
    *os << std::hex << "{" << h.first << ", " << h.second << "}";
}

TEST_F(SkinValuesTest, EachControlGetsItsSkinControl) {
    struct Row {
        const wchar_t* name;
        const ui::TClassInfo* cls; // none: left alone
    };
    const Row rows[] = {
        {L"Progress0", &TSkinProgress::StaticClass()},
        {L"ProgressVertical", &TSkinProgress::StaticClass()},
        {L"TrackBar1", &TSkinTrackBar::StaticClass()},
        {L"TrackBarVertical", &TSkinTrackBar::StaticClass()},
        {L"UpDown1", &TSkinUpDown::StaticClass()},
        {L"UpDownHorizontal", &TSkinUpDown::StaticClass()},
        {L"TrackBarPlain", nullptr},
        {L"ProgressPlain", nullptr},
    };
    for (const Row& r : rows) {
        const TSkinControl* c = SkinOf(Control(r.name));
        EXPECT_EQ(c ? &c->ClassType() : nullptr, r.cls) << testing::PrintToString(r.name);
    }
}

TEST_F(SkinValuesTest, ProgressBarsShowTheirShareFromTheSkin) {
    ExpectFillingBars();

    // A new position repaints at once.
    Get<ui::TProgressBar>(L"Progress0")->SetPosition(100);
    Settle();
    EXPECT_EQ(Pixel(Control(L"Progress0"), 197, 10), Frame(kProgressStrip, 2));
}

TEST_F(SkinValuesTest, TrackBarsDrawChannelAndThumbFromTheSkin) {
    struct Row {
        const char* what;
        const wchar_t* name;
        int track, thumb;
    };
    const Row rows[] = {
        {"lying", L"TrackBar1", kTrackStrip, kThumbStrip},
        {"standing", L"TrackBarVertical", kTrackVertStrip, kThumbVertStrip},
    };
    for (const Row& r : rows) {
        ui::TWinControl& bar = Control(r.name);
        RECT thumb{}, channel{};
        SendMessageW(bar.Handle(), TBM_GETTHUMBRECT, 0, reinterpret_cast<LPARAM>(&thumb));
        SendMessageW(bar.Handle(), TBM_GETCHANNELRECT, 0, reinterpret_cast<LPARAM>(&channel));
        const bool vertical = std::string_view(r.what) == "standing";
        const TPixelRect c =
            TrackChannelRect({channel.left, channel.top, channel.right, channel.bottom}, vertical);
        // Three quarters along the channel, away from the thumb at position 0.
        const int x = vertical ? (c.Left + c.Right) / 2 : c.Left + (c.Right - c.Left) * 3 / 4;
        const int y = vertical ? c.Top + (c.Bottom - c.Top) * 3 / 4 : (c.Top + c.Bottom) / 2;
        EXPECT_EQ(Pixel(bar, x, y), Frame(r.track, 1)) << r.what << ": channel";
        EXPECT_EQ(Centre(bar, thumb), Frame(r.thumb, 2)) << r.what << ": thumb";
        EXPECT_EQ(Pixel(bar, 1, 1), Colour(kFace)) << r.what << ": background";
    }

    // A slide repaints the thumb at its new place.
    auto& bar = *Get<ui::TTrackBar>(L"TrackBar1");
    bar.SetPosition(10);
    Settle();
    RECT thumb{};
    SendMessageW(bar.Handle(), TBM_GETTHUMBRECT, 0, reinterpret_cast<LPARAM>(&thumb));
    EXPECT_EQ(Centre(bar, thumb), Frame(kThumbStrip, 2));
    testing_desktop::SaveScreenshot(L"skin_values_form");
}

TEST_F(SkinValuesTest, UpDownHalvesShowTheirStates) {
    auto corners = [&](const wchar_t* name) {
        ui::TWinControl& c = Control(name);
        return Halves{Pixel(c, 1, 1), Pixel(c, 1, c.Height() - 2)};
    };
    const COLORREF up = Frame(kUpDownStrip, 1), down = Frame(kUpDownStrip, 5);
    EXPECT_EQ(corners(L"UpDown1"), (Halves{up, down}));
    // The glyph of the same frame, centred in the half.
    EXPECT_EQ(Pixel(Control(L"UpDown1"), 8, 7), Frame(kGlyphStrip, 1));
    EXPECT_EQ(Pixel(Control(L"UpDown1"), 8, 22), Frame(kGlyphStrip, 5));
    // Disabled: frame 3 above, 7 below.
    EXPECT_EQ(corners(L"UpDownOff"), (Halves{Frame(kUpDownStrip, 3), Frame(kUpDownStrip, 7)}));
    EXPECT_EQ(Pixel(Control(L"UpDownOff"), 8, 7), Frame(kGlyphStrip, 3));

    // Enabled again: the normal frames.
    Control(L"UpDownOff").SetEnabled(true);
    Settle();
    EXPECT_EQ(corners(L"UpDownOff"), (Halves{up, down}));
}

TEST_F(SkinValuesTest, APressedHalfFollowsTheRealMouse) {
    auto& updown = *Get<ui::TUpDown>(L"UpDown1");
    auto* skin = dynamic_cast<TSkinUpDown*>(SkinOf(updown));
    ASSERT_TRUE(skin);
    auto corners = [&] { return Halves{Pixel(updown, 1, 1), Pixel(updown, 1, 28)}; };
    auto frames = [](int first, int second) {
        return Halves{Frame(kUpDownStrip, first), Frame(kUpDownStrip, second)};
    };

    MoveTo(ScreenAt(updown, 8, 7));
    EXPECT_TRUE(PumpUntil([&] { return skin->Hot(); }));
    EXPECT_EQ(corners(), frames(4, 5)) << "hot over the upper half";
    MouseButton(MOUSEEVENTF_LEFTDOWN);
    Settle();
    EXPECT_TRUE(skin->Pressed());
    EXPECT_EQ(corners(), frames(2, 5)) << "upper half pressed";
    EXPECT_EQ(updown.Position(), 1) << "the arrow still steps";
    testing_desktop::SaveScreenshot(L"skin_values_pressed");

    // Held and moved down: the lower half shows the press.
    MoveTo(ScreenAt(updown, 8, 22));
    EXPECT_TRUE(PumpUntil([&] { return corners() == frames(1, 6); })) << "lower half pressed";
    MouseButton(MOUSEEVENTF_LEFTUP);
    Settle();
    EXPECT_FALSE(skin->Pressed());
    EXPECT_EQ(corners(), frames(1, 8)) << "hot over the lower half";

    ParkMouse();
    EXPECT_TRUE(PumpUntil([&] { return !skin->Hot(); }));
    EXPECT_EQ(corners(), frames(1, 5));
}

TEST_F(SkinValuesTest, AnUpDownWithoutItsStripDrawsItsOwnArrows) {
    // Left and right halves of 15 x 17, each outlined in the dark frame colour on the face
    // colour, with an arrow of 4 lines whose tip is 2 pixels left (right) of the half's centre.
    ui::TWinControl& c = Control(L"UpDownHorizontal");
    struct Row {
        const char* what;
        int x, y;
        ui::TColor expected;
    };
    const Row rows[] = {
        {"outline of the left half", 0, 0, kDkShadow},
        {"outline between the halves", 14, 8, kDkShadow},
        {"outline of the right half", 15, 8, kDkShadow},
        {"face", 2, 2, kFace},
        {"tip of the left arrow", 5, 8, kText},
        {"before the left tip", 4, 8, kFace},
        {"base of the left arrow", 8, 5, kText},
        {"tip of the right arrow", 15 + 8, 8, kText},
        {"after the right tip", 15 + 9, 8, kFace},
    };
    for (const Row& r : rows)
        EXPECT_EQ(Pixel(c, r.x, r.y), Colour(r.expected)) << r.what;

    // Pressed: the half under the mouse turns to the border colour.
    MoveTo(ScreenAt(c, 22, 8));
    MouseButton(MOUSEEVENTF_LEFTDOWN);
    Settle();
    EXPECT_EQ(Pixel(c, 17, 2), Colour(kShadow)) << "right half pressed";
    EXPECT_EQ(Pixel(c, 2, 2), Colour(kFace)) << "left half as it was";
    MouseButton(MOUSEEVENTF_LEFTUP);
    ParkMouse();
}

TEST_F(SkinValuesTest, ANewSkinMakesTheTrackBarDrawAgainAndGivesTheFocusBack) {
    auto& bar = Control(L"TrackBar1");
    std::vector<UINT> seen;
    Hook(&bar, [&](ui::TMessage& m) {
        if (m.Msg == WM_SETFOCUS || m.Msg == WM_KILLFOCUS) seen.push_back(m.Msg);
    });
    SkinOf(bar)->SkinChanged();
    Settle();
    EXPECT_EQ(seen, (std::vector<UINT>{WM_SETFOCUS, WM_KILLFOCUS}));
    EXPECT_EQ(GetFocus(), Control(L"Edit1").Handle());
}

TEST_F(SkinValuesTest, AnUpDownInsideAnEditKeepsClearOfItsBorder) {
    // As an edit's companion attaches one to the up-down it finds among the edit's children.
    auto& edit = Control(L"Edit1");
    RECT client{};
    GetClientRect(edit.Handle(), &client);
    const HWND window =
        CreateWindowExW(0, UPDOWN_CLASSW, L"", WS_CHILD | WS_VISIBLE, client.right - 16, 0, 16,
                        client.bottom, edit.Handle(), nullptr, GetModuleHandleW(nullptr), nullptr);
    ASSERT_TRUE(window);
    auto* updown = new TSkinUpDown(nullptr);
    updown->SetEmbedded(true);
    updown->AttachWindow(window, Get<TSkinData>(L"SkinData1"), nullptr, nullptr);
    Settle();

    RECT outer{}, own{};
    GetWindowRect(edit.Handle(), &outer);
    GetWindowRect(window, &own);
    // How far the up-down's drawing keeps from its own top, bottom and right edges.
    const int top = std::max(0, 3 - static_cast<int>(own.top - outer.top));
    const int bottom = std::max(0, 3 - static_cast<int>(outer.bottom - own.bottom));
    const int right = std::max(0, 3 - static_cast<int>(outer.right - own.right));
    ASSERT_GT(top + bottom + right, 0) << "the edit's border is thinner than 3 pixels";
    auto at = [&](int x, int y) {
        HDC screen = GetDC(nullptr);
        const COLORREF c = GetPixel(screen, own.left + x, own.top + y);
        ReleaseDC(nullptr, screen);
        return c;
    };
    const int width = own.right - own.left, height = own.bottom - own.top;
    EXPECT_EQ(at(1, top), Frame(kUpDownStrip, 1)) << "the first row drawn";
    EXPECT_EQ(at(1, height - bottom - 1), Frame(kUpDownStrip, 5)) << "the last row drawn";
    const COLORREF white = RGB(255, 255, 255);
    if (top) {
        EXPECT_EQ(at(1, top - 1), white) << "above: the edit's white";
    }
    if (bottom) {
        EXPECT_EQ(at(1, height - bottom), white) << "below";
    }
    if (right) {
        EXPECT_EQ(at(width - right, top + 2), white) << "right of it";
    }
    EXPECT_EQ(SendMessageW(window, SM_ISSKINNED, 0, 0), 1);
    ui::Free(updown);
    DestroyWindow(window);
}

class SkinValuesChunkTest : public SkinValuesTest {
protected:
    void SetUp() override { Start(ChunkSkin()); }
};

TEST_F(SkinValuesChunkTest, ChunksFillTheShareBetweenTheBorders) {
    const COLORREF back = Frame(kProgressStrip, 1), chunk = Frame(kChunkStrip, 1);
    // Chunks 8 high centred down a 20-high bar (rows 6 to 13), from x = 2 to 2 pixels short of
    // the end.
    const PixelRow rows[] = {
        {"at 0: no chunks", L"Progress0", 100, 10, back},
        {"at max: a chunk in the middle", L"ProgressMax", 100, 10, chunk},
        {"at max: the first chunk", L"ProgressMax", 2, 10, chunk},
        {"at max: the last chunk ends inside the border", L"ProgressMax", 197, 10, chunk},
        {"at max: the border stays", L"ProgressMax", 198, 10, back},
        {"at max: above the chunks", L"ProgressMax", 100, 5, back},
        {"0 of -100..100: half", L"ProgressAcrossZero", 95, 10, chunk},
        {"0 of -100..100: not past half", L"ProgressAcrossZero", 105, 10, back},
        {"vertical at 25: from the bottom", L"ProgressVertical", 10, 95, chunk},
        {"vertical at 25: not above a quarter", L"ProgressVertical", 10, 65, back},
    };
    ExpectPixels(rows);
}

class SkinValuesOtherStyleTest : public SkinValuesTest {
protected:
    void SetUp() override { Start(OtherStyleSkin()); }
};

TEST_F(SkinValuesOtherStyleTest, AnotherStyleFillsLikeStyleZero) {
    ExpectFillingBars();
}

class SkinValuesBareTest : public SkinValuesTest {
protected:
    void SetUp() override { Start(BareSkin()); }
};

TEST_F(SkinValuesBareTest, WithoutPicturesTrackAndProgressBarsKeepTheirStandardLook) {
    // The skinned bar looks exactly like its untouched twin with the same values on the skin's
    // face colour: the standard channel and thumb, the tics in the skin's dark shadow where the
    // twin has the scheme's. The skin took the visual style of what it skins, so the twin has the
    // classic look too.
    EXPECT_TRUE(SkinOf(Control(L"TrackBar1")));
    auto& plain = *Get<ui::TTrackBar>(L"TrackBarPlain");
    for (const wchar_t* twin : {L"TrackBarPlain", L"ProgressPlain"})
        SetWindowTheme(Control(twin).Handle(), L" ", L" ");
    plain.SetColor(kFace);
    plain.Invalidate();
    Settle();
    TPixelImage twin = Shot(plain);
    RECT channel{}, thumb{};
    SendMessageW(plain.Handle(), TBM_GETCHANNELRECT, 0, reinterpret_cast<LPARAM>(&channel));
    SendMessageW(plain.Handle(), TBM_GETTHUMBRECT, 0, reinterpret_cast<LPARAM>(&thumb));
    RECT client{};
    GetClientRect(plain.Handle(), &client);
    RECT window{};
    GetWindowRect(plain.Handle(), &window);
    POINT origin{0, 0}; // of the client area in the shot
    ClientToScreen(plain.Handle(), &origin);
    origin = {origin.x - window.left, origin.y - window.top};
    const TPixel schemeTic = PixelFromColor(ui::ColorToRGB(ui::cl3DDkShadow));
    int tics = 0;
    for (int y = 0; y < client.bottom; ++y) {
        for (int x = 0; x < client.right; ++x) {
            const POINT p{x, y};
            TPixel& pixel = twin.At(origin.x + x, origin.y + y);
            if (PtInRect(&channel, p) || PtInRect(&thumb, p) || pixel != schemeTic) continue;
            pixel = PixelFromColor(kDkShadow);
            ++tics;
        }
    }
    EXPECT_GT(tics, 10) << "the twin's tics";
    EXPECT_TRUE(Shot(Control(L"TrackBar1")) == twin);
    EXPECT_EQ(Pixel(plain, 2, 2), Colour(kFace)) << "the twin's background";
    EXPECT_TRUE(SkinOf(Control(L"ProgressBare")));
    EXPECT_TRUE(Shot(Control(L"ProgressBare")) == Shot(Control(L"ProgressPlain")));
    testing_desktop::SaveScreenshot(L"skin_values_bare");
}

class SkinValuesDefaultSkinTest : public SkinValuesTest {
protected:
    void SetUp() override {
        const std::vector<std::uint8_t> skin = testing_desktop::ReadFileBytes(DEFAULT_SKIN);
        ASSERT_FALSE(skin.empty()) << DEFAULT_SKIN;
        Start(skin);
    }
};

TEST_F(SkinValuesDefaultSkinTest, TheProgramsOwnSkinDrawsEveryValueControl) {
    for (const wchar_t* name : {L"ProgressBare", L"TrackBar1", L"UpDown1", L"UpDownHorizontal"})
        EXPECT_TRUE(SkinOf(Control(name))) << testing::PrintToString(name);
    // Drawn from the skin, not as its untouched twin with the same position.
    EXPECT_FALSE(Shot(Control(L"ProgressBare")) == Shot(Control(L"ProgressPlain")));
    EXPECT_FALSE(Shot(Control(L"TrackBar1")) == Shot(Control(L"TrackBarPlain")));
    testing_desktop::SaveScreenshot(L"skin_values_default");
}

} // namespace
