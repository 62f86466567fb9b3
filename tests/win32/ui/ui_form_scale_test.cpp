// A form at another display density: laid out again from its description's density (bounds by
// their edges, fonts, item heights, columns, the client size), before its window exists and
// after, by hand and by the system's WM_DPICHANGED; whoever hooks the form hears of it once.
#include "tests/win32/ui/ui_test_app.h"
#include "ui/extctrls.h"
#include "ui/image_list.h"
#include "ui/list_view.h"
#include "ui/stdctrls.h"
#include "ui/text_codec.h"
#include "ui/win_handles.h"

#include <cstdint>
#include <string>
#include <vector>

namespace {

using namespace ui;
using ui_test::AppTest;

using TScaleForm = ui_test::TTestForm<L"TScaleForm">;

// Two buttons that touch, a label in points, a label sized to its text in the form's font, a
// list with its own font and item height, a check box in a panel (both following the form's
// font) and a list view's columns.
std::string Description(int pixelsPerInch) {
    return R"(object ScaleForm: TScaleForm
  Left = 100
  Top = 100
  BorderStyle = bsDialog
  ClientHeight = 160
  ClientWidth = 250
  Font.Height = -12
  Font.Name = 'Tahoma'
  PixelsPerInch = )" +
           std::to_string(pixelsPerInch) + R"(
  TextHeight = 13
  object Button1: TButton
    Left = 10
    Top = 10
    Width = 60
    Height = 25
    Caption = 'One'
  end
  object Button2: TButton
    Left = 70
    Top = 10
    Width = 60
    Height = 25
    Caption = 'Two'
  end
  object Label1: TLabel
    Left = 10
    Top = 40
    Width = 100
    Height = 15
    AutoSize = False
    Caption = 'Points'
    Font.Name = 'Tahoma'
    Font.Size = 8
    ParentFont = False
  end
  object Label2: TLabel
    Left = 130
    Top = 40
    Caption = 'Follows the form'
  end
  object List1: TListBox
    Left = 10
    Top = 60
    Width = 110
    Height = 50
    Font.Height = -14
    Font.Name = 'Tahoma'
    ItemHeight = 14
    ParentFont = False
  end
  object Panel1: TPanel
    Left = 130
    Top = 60
    Width = 110
    Height = 50
    object Check1: TCheckBox
      Left = 5
      Top = 5
      Width = 100
      Height = 20
      Caption = 'Inside'
    end
  end
  object View1: TListView
    Left = 10
    Top = 115
    Width = 230
    Height = 40
    ViewStyle = vsReport
    Columns = <
      item
        Caption = 'Entry'
        Width = 150
      end
      item
        Caption = 'Size'
        Width = 61
      end>
  end
end
)";
}

struct TBounds {
    const wchar_t* name;
    RECT at; // left, top, right, bottom in the parent's client area
};

class UiFormScale : public AppTest {
protected:
    void SetUp() override {
        AppTest::SetUp();
        RegisterStandardClasses();
    }
    // The form read from a description designed at `pixelsPerInch`, its density changes
    // recorded from then on. Forms stay until the test ends, as their hooks do.
    void Make(int pixelsPerInch) {
        form_ = new TScaleForm(app_.get());
        form_->LoadDescription(Description(pixelsPerInch));
        Hook(form_, [this](TMessage& m) {
            if (m.Msg == CM_DPICHANGED)
                changes_.emplace_back(static_cast<int>(m.WParam), static_cast<int>(m.LParam));
        });
    }
    template <class T> T* Get(const wchar_t* name) const { return form_->Get<T>(name); }

    // Every control where the layout at 1.5 times puts it, and the window's children there too
    // once they exist.
    void ExpectLayoutAt144() {
        const TBounds expected[] = {
            {L"Button1", {15, 15, 105, 53}},  {L"Button2", {105, 15, 195, 53}},
            {L"Label1", {15, 60, 165, 83}},   {L"List1", {15, 90, 180, 165}},
            {L"Panel1", {195, 90, 360, 165}}, {L"Check1", {8, 8, 158, 38}},
            {L"View1", {15, 173, 360, 233}},
        };
        for (const TBounds& b : expected) {
            auto* c = Get<TControl>(b.name);
            ASSERT_NE(c, nullptr) << b.name;
            const RECT r = c->BoundsRect();
            EXPECT_TRUE(EqualRect(&r, &b.at)) << ui::WideToUtf8(b.name) << ": " << r.left << ","
                                              << r.top << "," << r.right << "," << r.bottom;
            auto* w = dynamic_cast<TWinControl*>(c);
            if (!w || !w->HandleAllocated()) continue;
            RECT window{};
            GetWindowRect(w->Handle(), &window);
            MapWindowPoints(nullptr, GetParent(w->Handle()), reinterpret_cast<POINT*>(&window), 2);
            // A combo box's window would hold its list; these hold only themselves.
            EXPECT_TRUE(EqualRect(&window, &b.at)) << ui::WideToUtf8(b.name) << " window";
        }
        EXPECT_EQ(form_->ClientWidth(), 375);
        EXPECT_EQ(form_->ClientHeight(), 240);
        EXPECT_EQ(form_->PixelsPerInch(), 144);
        EXPECT_EQ(form_->TextHeight(), 20);
        // Pixels scale; the label's 8 points are 16 pixels at 144 dpi.
        EXPECT_EQ(form_->Font()->Height(), -18);
        EXPECT_EQ(Get<TLabel>(L"Label1")->Font()->Height(), -16);
        EXPECT_EQ(Get<TLabel>(L"Label1")->Font()->Size(), 8);
        EXPECT_EQ(Get<TListBox>(L"List1")->Font()->Height(), -21);
        EXPECT_EQ(Get<TListBox>(L"List1")->ItemHeight(), 21);
        // Controls that follow the form's font have the scaled font and still follow it.
        for (const wchar_t* name : {L"Button1", L"Panel1", L"Check1"}) {
            EXPECT_EQ(Get<TControl>(name)->Font()->Height(), -18) << ui::WideToUtf8(name);
            EXPECT_TRUE(Get<TControl>(name)->ParentFont()) << ui::WideToUtf8(name);
        }
        // A label that follows the form's font and sizes itself to its text: at its scaled
        // place, as large as its text in the scaled font (not that size scaled once more).
        auto* follows = Get<TLabel>(L"Label2");
        EXPECT_EQ(follows->Left(), 195);
        EXPECT_EQ(follows->Top(), 60);
        {
            const WindowDC screen(nullptr);
            const Selection font(screen.dc(), follows->Font()->Handle());
            SIZE text{};
            GetTextExtentPoint32W(screen.dc(), L"Follows the form", 16, &text);
            EXPECT_EQ(follows->Width(), text.cx);
            EXPECT_EQ(follows->Height(), text.cy);
        }
        EXPECT_EQ((*Get<TListView>(L"View1")->Columns())[0].Width(), 225);
        EXPECT_EQ((*Get<TListView>(L"View1")->Columns())[1].Width(), 92);
        if (!form_->HandleAllocated()) return;
        RECT client{};
        GetClientRect(form_->Handle(), &client);
        EXPECT_EQ(client.right, 375);
        EXPECT_EQ(client.bottom, 240);
        // What the windows were told: the fonts they draw with and the list's item height.
        LOGFONTW font{};
        GetObjectW(reinterpret_cast<HFONT>(
                       SendMessageW(Get<TButton>(L"Button1")->Handle(), WM_GETFONT, 0, 0)),
                   sizeof font, &font);
        EXPECT_EQ(font.lfHeight, -18);
        EXPECT_EQ(SendMessageW(Get<TListBox>(L"List1")->Handle(), LB_GETITEMHEIGHT, 0, 0), 21);
        EXPECT_EQ(SendMessageW(Get<TListView>(L"View1")->Handle(), LVM_GETCOLUMNWIDTH, 0, 0), 225);
    }

    TScaleForm* form_ = nullptr;
    std::vector<std::pair<int, int>> changes_;
};

// The stored layout is at the density it names; in the test desktop (96 dpi) one designed at
// 96 stays as it is and one designed at 120 comes down to 96, its points font taking its
// points' pixels at 96.
TEST_F(UiFormScale, ADescriptionIsLaidOutFromTheDensityItWasDesignedAt) {
    Make(96);
    EXPECT_EQ(form_->PixelsPerInch(), 96);
    EXPECT_EQ(form_->ClientWidth(), 250);
    EXPECT_EQ(Get<TButton>(L"Button2")->BoundsRect().left, 70);
    EXPECT_EQ(Get<TLabel>(L"Label1")->Font()->Height(), -11);

    Make(120);
    EXPECT_EQ(form_->PixelsPerInch(), 96);
    EXPECT_EQ(form_->ClientWidth(), 200);
    EXPECT_EQ(form_->ClientHeight(), 128);
    const RECT button2 = Get<TButton>(L"Button2")->BoundsRect();
    EXPECT_EQ(button2.left, 56);
    EXPECT_EQ(button2.right, 104);
    EXPECT_EQ(Get<TButton>(L"Button1")->BoundsRect().right, 56);
    EXPECT_EQ(form_->Font()->Height(), -10);
    EXPECT_EQ(Get<TLabel>(L"Label1")->Font()->Height(), -11);
    EXPECT_EQ(Get<TListBox>(L"List1")->ItemHeight(), 11);
}

// Laid out at 144 dpi before the window exists and once it does: the same layout, and the
// windows made or moved to it.
TEST_F(UiFormScale, ScaledBeforeOrAfterTheWindowIsMade) {
    for (const bool window : {false, true}) {
        SCOPED_TRACE(window ? "with its window" : "before its window");
        Make(96);
        if (window) {
            form_->Show();
            Pump(std::chrono::milliseconds(100));
        }
        changes_.clear();
        form_->ScaleForDpi(144);
        ExpectLayoutAt144();
        EXPECT_EQ(changes_, (std::vector<std::pair<int, int>>{{144, 96}}));
        if (!window) {
            form_->Show();
            Pump(std::chrono::milliseconds(100));
            ExpectLayoutAt144();
        }
        // Asking again for the density it is at changes nothing and tells nobody.
        form_->ScaleForDpi(144);
        ExpectLayoutAt144();
        EXPECT_EQ(changes_.size(), 1u);
        form_->Hide();
    }
}

// The system moves the window to a 144-dpi monitor: the form lays itself out once, takes the
// rectangle the system suggests and keeps its client size scaled; a change that arrives while
// it is sizing itself to that rectangle is left to the first.
TEST_F(UiFormScale, TheSystemsDensityChangeTakesTheSuggestedRectangle) {
    Make(96);
    form_->Show();
    Pump(std::chrono::milliseconds(100));
    RECT before{};
    GetWindowRect(form_->Handle(), &before);
    // As Windows suggests it: the window's size scaled, somewhere on the new monitor.
    const RECT suggested{300, 200, 300 + MulDiv(before.right - before.left, 3, 2),
                         200 + MulDiv(before.bottom - before.top, 3, 2)};
    bool nested = false;
    Hook(form_, [&](TMessage& m) {
        if (m.Msg == WM_WINDOWPOSCHANGED && !nested) {
            nested = true;
            RECT elsewhere{0, 0, 100, 100};
            SendMessageW(form_->Handle(), WM_DPICHANGED, MAKEWPARAM(192, 192),
                         reinterpret_cast<LPARAM>(&elsewhere));
        }
    });
    changes_.clear();
    RECT message = suggested;
    EXPECT_EQ(SendMessageW(form_->Handle(), WM_DPICHANGED, MAKEWPARAM(144, 144),
                           reinterpret_cast<LPARAM>(&message)),
              0);
    EXPECT_TRUE(nested);
    ExpectLayoutAt144();
    EXPECT_EQ(changes_, (std::vector<std::pair<int, int>>{{144, 96}}));
    RECT after{};
    GetWindowRect(form_->Handle(), &after);
    EXPECT_EQ(after.left, suggested.left);
    EXPECT_EQ(after.top, suggested.top);
    EXPECT_EQ(form_->Left(), suggested.left);
    EXPECT_EQ(form_->Top(), suggested.top);
}

// A 24-bit BMP file of `width` x `height`, the colour of pixel (x, y) from `at`.
template <class F> std::vector<std::uint8_t> BmpFile(int width, int height, F at) {
    const int stride = (width * 3 + 3) / 4 * 4;
    const auto size = static_cast<std::uint32_t>(54 + stride * height);
    std::vector<std::uint8_t> b(size, 0);
    auto put = [&](std::size_t at, std::uint32_t v, int bytes) {
        for (int i = 0; i < bytes; ++i) b[at + i] = static_cast<std::uint8_t>(v >> (8 * i));
    };
    b[0] = 'B', b[1] = 'M';
    put(2, size, 4), put(10, 54, 4), put(14, 40, 4), put(18, static_cast<std::uint32_t>(width), 4);
    put(22, static_cast<std::uint32_t>(height), 4), put(26, 1, 2), put(28, 24, 2);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const COLORREF c = at(x, y);
            const std::size_t p = 54 + static_cast<std::size_t>(height - 1 - y) * stride + x * 3;
            b[p] = GetBValue(c), b[p + 1] = GetGValue(c), b[p + 2] = GetRValue(c);
        }
    return b;
}

// The pictures follow the form's density: its image list's cells and pictures, a glyph button's
// glyph strip and its given margin and spacing, each a measure at the density; the transparent
// colour stays exact, never mixed into the shapes' edges, at whole and at fractional factors.
TEST_F(UiFormScale, PicturesAndGlyphMeasuresFollowTheFormsDensity) {
    constexpr COLORREF kKey = RGB(255, 0, 255), kShape = RGB(224, 128, 32);
    // Two 16 x 16 pictures: a square 2 in from every side on the key colour.
    const auto bmp = BmpFile(32, 16, [&](int x, int y) {
        const int cx = x % 16;
        return cx >= 2 && cx < 14 && y >= 2 && y < 14 ? kShape : kKey;
    });
    std::string hex;
    for (const std::uint8_t byte : bmp) {
        constexpr char kDigits[] = "0123456789ABCDEF";
        hex += kDigits[byte >> 4];
        hex += kDigits[byte & 15];
    }
    RegisterStandardClasses();
    // The form comes up at the display's density, then moves to each of these. Measures scale
    // from the display's density, pictures from their stored density.
    const int display = GetDeviceCaps(WindowDC(nullptr).dc(), LOGPIXELSX);
    const int densities[] = {display, 144, 192, 120};
    for (const int dpi : densities) {
        SCOPED_TRACE(dpi);
        auto at = [&](int v) { return ScaleMeasure(ScaleMeasure(v, display), dpi, display); };
        auto* form = new TForm(app_.get());
        form->LoadDescription("object Form1: TForm\n  ClientHeight = 80\n  ClientWidth = 200\n"
                              "  PixelsPerInch = 96\n"
                              "  object ImageList1: TImageList\n    Bitmap = {" +
                              hex +
                              "}\n  end\n"
                              "  object BitBtn1: TBitBtn\n    Left = 10\n    Top = 10\n"
                              "    Width = 100\n    Height = 30\n    Caption = 'Go'\n"
                              "    Margin = 5\n    Spacing = 6\n    NumGlyphs = 2\n"
                              "    Glyph.Data = {" +
                              hex +
                              "}\n  end\n"
                              "  object SpeedButton1: TSpeedButton\n    Spacing = -1\n  end\n"
                              "end\n");
        auto* list = dynamic_cast<TImageListComponent*>(form->FindComponent(L"ImageList1"));
        auto* bit = dynamic_cast<TBitBtn*>(form->FindComponent(L"BitBtn1"));
        auto* speed = dynamic_cast<TSpeedButton*>(form->FindComponent(L"SpeedButton1"));
        ASSERT_TRUE(list && bit && speed);
        form->ScaleForDpi(dpi);

        const int cell = at(16);
        EXPECT_EQ(list->Width(), cell);
        EXPECT_EQ(list->Height(), cell);
        EXPECT_EQ(list->Count(), 2);
        EXPECT_EQ(bit->Glyph()->Width(), 2 * cell);
        EXPECT_EQ(bit->Glyph()->Height(), cell);
        EXPECT_EQ(bit->Margin(), at(5));
        EXPECT_EQ(bit->Spacing(), at(6));
        EXPECT_EQ(speed->Spacing(), -1) << "spread over the room left at every density";

        // Every pixel of the glyph is the shape's or the key's; scaled once, the square's edges
        // are where the scaled measures put them.
        TCanvas& glyph = bit->Glyph()->Canvas();
        for (int y = 0; y < cell; ++y)
            for (int x = 0; x < 2 * cell; ++x) {
                const COLORREF p = glyph.Pixel(x, y);
                ASSERT_TRUE(p == kKey || p == kShape) << x << "," << y << ": " << std::hex << p;
            }
        const int inner = ScaleMeasure(2, dpi), outer = ScaleMeasure(14, dpi), mid = cell / 2;
        if (display == kBaseDpi || dpi == display) {
            EXPECT_EQ(glyph.Pixel(cell + inner - 1, mid), kKey);
            EXPECT_EQ(glyph.Pixel(cell + inner, mid), kShape);
            EXPECT_EQ(glyph.Pixel(cell + outer - 1, mid), kShape);
            EXPECT_EQ(glyph.Pixel(cell + outer, mid), kKey);
            EXPECT_EQ(glyph.Pixel(mid, outer), kKey);
        }

        // The list draws its scaled picture 1 whole, the key left out.
        const WindowDC screen(nullptr);
        const OwnedDC dc(CreateCompatibleDC(screen.dc()));
        const GdiHandle<HBITMAP> target(CreateCompatibleBitmap(screen.dc(), 64, 64));
        const Selection selection(dc.get(), target.get());
        const RECT all{0, 0, 64, 64};
        const GdiHandle<HBRUSH> white(CreateSolidBrush(RGB(255, 255, 255)));
        FillRect(dc.get(), &all, white.get());
        list->Draw(dc.get(), 0, 0, 1, true);
        EXPECT_EQ(GetPixel(dc.get(), 0, 0), RGB(255, 255, 255));
        EXPECT_EQ(GetPixel(dc.get(), outer - 1, outer - 1), kShape);
        EXPECT_EQ(GetPixel(dc.get(), outer, outer), RGB(255, 255, 255));
        delete form;
    }
}

} // namespace
