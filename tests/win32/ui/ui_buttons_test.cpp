// Radio buttons, radio groups, glyph buttons and speed buttons of the class library on a form:
// radio buttons let go of each other, a group's choice follows its buttons, glyphs are drawn
// beside the caption (embossed when a single glyph is disabled), and a speed button clicks only
// when released over it.
#include "tests/win32/ui/ui_test_app.h"
#include "ui/extctrls.h"
#include "ui/form_binding.h"
#include "ui/image_list.h"
#include "ui/properties.h"

namespace {

using namespace ui;
using ui_test::AppTest;
using namespace std::chrono_literals;

constexpr TColor kGlyph = 0x2080E0;
constexpr TColor kKey = 0xFF00FF;

class UiButtons : public AppTest {
protected:
    void SetUp() override {
        AppTest::SetUp();
        form_ = new TForm(app_.get());
        form_->SetBounds(200, 150, 320, 240);
        form_->SetCaption(L"Buttons");
    }
    template <class T> T* Add(int left, int top, int width, int height) {
        auto* c = new T(form_);
        c->SetParent(form_);
        c->SetBounds(left, top, width, height);
        c->OnClick = [this, c](TPersistent*) { clicks_.push_back(c); };
        return c;
    }
    void ShowForm() {
        form_->Show();
        SetForegroundWindow(form_->Handle());
        Pump(300ms);
    }
    static void MakeGlyph(TBitmap& glyph, int count) {
        ui_test::SquareGlyphs(glyph, count, kGlyph);
    }
    static COLORREF Pixel(TControl& c, int x, int y) { return ui_test::ScreenPixel(c, x, y); }

    TForm* form_ = nullptr;
    std::vector<TControl*> clicks_;
};

TEST_F(UiButtons, RadioButtonsLetGoOfEachOther) {
    auto* a = Add<TRadioButton>(10, 10, 120, 17);
    auto* b = Add<TRadioButton>(10, 30, 120, 17);
    a->SetCaption(L"A");
    b->SetCaption(L"B");
    ASSERT_TRUE(SetPropValue(b, L"Alignment", L"taLeftJustify"));
    ShowForm();
    EXPECT_TRUE(GetWindowLongW(b->Handle(), GWL_STYLE) & BS_LEFTTEXT);

    a->SetChecked(true);
    EXPECT_EQ(clicks_, std::vector<TControl*>{a});
    ClickAt(ui_test::ScreenCentre(*b));
    EXPECT_TRUE(b->Checked());
    EXPECT_FALSE(a->Checked());
    EXPECT_EQ(SendMessageW(a->Handle(), BM_GETCHECK, 0, 0), BST_UNCHECKED);
    EXPECT_EQ(SendMessageW(b->Handle(), BM_GETCHECK, 0, 0), BST_CHECKED);
    EXPECT_EQ(GetEnumProp(b, L"Checked"), L"True");
    EXPECT_EQ(clicks_, (std::vector<TControl*>{a, b}));
    // Clicking the checked one again changes nothing.
    ClickAt(ui_test::ScreenCentre(*b));
    EXPECT_EQ(clicks_.size(), 2u);
}

TEST_F(UiButtons, RadioGroupChoiceFollowsItsButtons) {
    auto* group = Add<TRadioGroup>(10, 10, 150, 90);
    group->Items()->SetLines({L"One", L"Two", L"Three"});
    group->SetItemIndex(2);
    ShowForm();
    ASSERT_EQ(group->ControlCount(), 3);
    EXPECT_EQ(group->Button(1)->Caption(), L"Two");
    EXPECT_TRUE(group->Button(2)->Checked());

    ClickAt(ui_test::ScreenCentre(*group->Button(0)));
    EXPECT_EQ(group->ItemIndex(), 0);
    EXPECT_FALSE(group->Button(2)->Checked());

    group->Items()->Delete(2);
    EXPECT_EQ(group->ControlCount(), 2);
    group->SetItemIndex(5);
    EXPECT_EQ(group->ItemIndex(), -1);
    EXPECT_FALSE(group->Button(0)->Checked());
}

TEST_F(UiButtons, GlyphButtonDrawsItsGlyphAndEmbossesASingleDisabledOne) {
    auto* bit = Add<TBitBtn>(10, 10, 100, 30);
    bit->SetCaption(L"Go");
    MakeGlyph(*bit->Glyph(), 1);
    ASSERT_TRUE(SetPropValue(bit, L"Margin", L"5"));
    ASSERT_TRUE(SetPropValue(bit, L"Kind", L"bkOK"));
    EXPECT_TRUE(bit->Default());
    ShowForm();
    EXPECT_TRUE((GetWindowLongW(bit->Handle(), GWL_STYLE) & BS_TYPEMASK) == BS_OWNERDRAW);
    // The glyph 5 pixels in, centred down: (5, 7) to (21, 23); its square from (7, 9).
    EXPECT_EQ(Pixel(*bit, 12, 15), ColorRef(kGlyph));
    EXPECT_NE(Pixel(*bit, 6, 8), ColorRef(kKey)) << "the key colour is left out";
    ClickAt(ui_test::ScreenCentre(*bit));
    EXPECT_EQ(clicks_, std::vector<TControl*>{bit});

    bit->SetEnabled(false);
    Pump(200ms);
    // Embossed: the shape in the shadow colour over its highlight one pixel right and down.
    EXPECT_EQ(Pixel(*bit, 12, 15), GetSysColor(COLOR_BTNSHADOW));
    EXPECT_EQ(Pixel(*bit, 19, 21), GetSysColor(COLOR_BTNHIGHLIGHT));
    // Stays owner-drawn when it shows itself as the default button.
    bit->SetEnabled(true);
    bit->SetDefault(true);
    EXPECT_TRUE((GetWindowLongW(bit->Handle(), GWL_STYLE) & BS_TYPEMASK) == BS_OWNERDRAW);
}

// Without a glyph a glyph button shows the picture of its image list, a component of the
// description it names by name: `ImageIndex` while enabled, `DisabledIndex` embossed while
// disabled; a list that goes is forgotten.
TEST_F(UiButtons, GlyphButtonWithoutGlyphDrawsFromItsImageList) {
    RegisterStandardClasses();
    auto* form = new TForm(app_.get());
    form->LoadDescription("object Form1: TForm\n  Left = 200\n  Top = 150\n"
                          "  ClientHeight = 120\n  ClientWidth = 300\n"
                          "  object ImageList1: TImageList\n    Width = 16\n    Height = 16\n"
                          "  end\n"
                          "  object BitBtn1: TBitBtn\n    Left = 10\n    Top = 10\n"
                          "    Width = 100\n    Height = 30\n    Caption = 'Go'\n"
                          "    Margin = 5\n    Images = ImageList1\n    ImageIndex = 1\n"
                          "    DisabledIndex = 0\n  end\nend\n");
    auto* list = dynamic_cast<TImageListComponent*>(form->FindComponent(L"ImageList1"));
    auto* bit = dynamic_cast<TBitBtn*>(form->FindComponent(L"BitBtn1"));
    ASSERT_TRUE(list && bit);
    EXPECT_EQ(bit->Images(), list);
    // Two pictures: a square of another colour, then one of the glyph colour.
    TBitmap pictures;
    ui_test::SquareGlyphs(pictures, 2, kGlyph);
    pictures.Canvas().Brush.SetColor(0x40A040);
    pictures.Canvas().FillRect({2, 2, 14, 14});
    list->AddMasked(pictures, kKey);
    ASSERT_EQ(list->Count(), 2);
    form->Show();
    SetForegroundWindow(form->Handle());
    Pump(300ms);
    // Picture 1, 5 pixels in and centred down, as a glyph would be; the key colour left out.
    EXPECT_EQ(Pixel(*bit, 12, 15), ColorRef(kGlyph));
    EXPECT_NE(Pixel(*bit, 6, 8), ColorRef(kKey));

    bit->SetEnabled(false);
    Pump(200ms);
    // Picture 0 embossed: its shape in the shadow colour over the highlight.
    EXPECT_EQ(Pixel(*bit, 12, 15), GetSysColor(COLOR_BTNSHADOW));
    EXPECT_EQ(Pixel(*bit, 19, 21), GetSysColor(COLOR_BTNHIGHLIGHT));

    delete list;
    EXPECT_EQ(bit->Images(), nullptr);
    bit->SetEnabled(true);
    Pump(200ms);
    EXPECT_NE(Pixel(*bit, 12, 15), ColorRef(kGlyph)) << "drawn from a freed list";
}

TEST_F(UiButtons, SpeedButtonClicksOnlyWhenReleasedOverIt) {
    auto* a = Add<TSpeedButton>(10, 10, 60, 30);
    auto* b = Add<TSpeedButton>(80, 10, 60, 30);
    a->SetCaption(L"A");
    MakeGlyph(*a->Glyph(), 1);
    ASSERT_TRUE(SetPropValue(a, L"Layout", L"blGlyphTop"));
    ASSERT_TRUE(SetPropValue(a, L"GroupIndex", L"1"));
    ASSERT_TRUE(SetPropValue(b, L"GroupIndex", L"1"));
    ShowForm();
    // The glyph sits centred at the top: x (60 - 16 + 1) / 2 = 22.
    EXPECT_EQ(Pixel(*a, 22 + 8, a->Height() / 2 - 4), ColorRef(kGlyph));

    ClickAt(ui_test::ScreenCentre(*a));
    EXPECT_EQ(clicks_, std::vector<TControl*>{a});
    EXPECT_TRUE(a->Down());

    // Pressed on b, released away from it.
    MoveTo(ui_test::ScreenCentre(*b));
    MouseButton(MOUSEEVENTF_LEFTDOWN);
    Pump(100ms);
    MoveTo({ui_test::ScreenCentre(*b).x, ui_test::ScreenCentre(*b).y + 100});
    MouseButton(MOUSEEVENTF_LEFTUP);
    Pump(200ms);
    EXPECT_EQ(clicks_.size(), 1u);

    ClickAt(ui_test::ScreenCentre(*b));
    EXPECT_TRUE(b->Down());
    EXPECT_FALSE(a->Down()) << "one of a group is down";
}

} // namespace
