// Skinned header controls and list views on a test form under Wine: every header item painted
// from the skin's `Headerbar` strip (each frame a colour of its own, so a pixel tells the frame),
// the hot item following the real mouse and going back when it leaves, the room after the last
// item filled, a list view whose header and scroll bars are skinned, and a header whose skin has
// no `Headerbar` keeping its standard look.
#include "skin/controls/headers/skin_header.h"
#include "skin/controls/headers/skin_list_view.h"
#include "tests/support/skin_fixture.h"
#include "tests/win32/skinned_scroll_pixels.h"

#include "skin/forms/skin_form.h"
#include "skin/runtime/skin_data.h"
#include "skin/runtime/skin_manager.h"
#include "skin/runtime/skin_messages.h"
#include "tests/support/desktop.h"
#include "tests/win32/skin/active_skinner.h"
#include "tests/win32/ui/ui_test_app.h"
#include "ui/form_binding.h"
#include "ui/header_control.h"
#include "ui/list_view.h"
#include "ui/scale_measure.h"
#include "ui/window_dpi.h"

#include <gtest/gtest.h>

#include <commctrl.h>
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

constexpr int kHeaderStrip = 8, kScrollStrip = 9, kTrackStrip = 10, kThumbStrip = 11;

// The frame the other skinner tests have, and a header strip and scroll-bar pictures whose
// every frame is a solid colour of its own. `header` leaves the header strip out when false.
Skin HeaderSkin(bool header) {
    std::string sections = "[Scrollbar]\nImage=scroll.bmp\nFrame=23\nTrans=1\n"
                           "[VertScroll]\nImage=track.bmp\nFrame=4\n"
                           "[HorzScroll]\nImage=track.bmp\nFrame=4\n"
                           "[VertScrollThumb]\nImage=thumb.bmp\nFrameCount=3\n"
                           "[HorzScrollThumb]\nImage=thumb.bmp\nFrameCount=3\n"
                           "[Colours]\nButtonFace=10 20 30\n";
    if (header) sections += "[Headerbar]\nImage=header.bmp\nFrame=5\n";
    Skin s = skin_fixture::FramedSkin("", sections);
    s.Image("scroll.bmp", Strip(kScrollStrip, 23, 16, 16));
    s.Image("track.bmp", Strip(kTrackStrip, 4, 16, 16));
    s.Image("thumb.bmp", Strip(kThumbStrip, 3, 16, 16));
    if (header) s.Image("header.bmp", Strip(kHeaderStrip, 5, 12, 12));
    return s;
}

class THeaderTestForm : public ui_test::TTestForm<L"THeaderTestForm"> {
public:
    explicit THeaderTestForm(ui::TComponent* owner) : TTestForm(owner) {
        RegisterMethod(L"SectionClicked",
                       ui::TSectionNotifyEvent([this](ui::TPersistent*, ui::THeaderSection* s) {
                           clicked.push_back(s->Text());
                       }));
    }
    std::vector<std::wstring> clicked;
};

const char* const kForm = R"(object HeaderTestForm: THeaderTestForm
  Left = 200
  Top = 150
  BorderIcons = [biSystemMenu]
  BorderStyle = bsDialog
  Caption = 'Headers'
  ClientHeight = 250
  ClientWidth = 340
  object HeaderControl1: THeaderControl
    Left = 10
    Top = 10
    Width = 320
    Height = 22
    Sections = <
      item
        Text = 'Name'
        Width = 120
      end
      item
        Alignment = taCenter
        Text = 'Size'
        Width = 80
      end
      item
        Alignment = taRightJustify
        Text = 'Date'
        Width = 80
      end>
    OnSectionClick = SectionClicked
  end
  object HeaderControl2: THeaderControl
    Tag = 99
    Left = 10
    Top = 40
    Width = 320
    Height = 22
    Sections = <
      item
        Text = 'Plain'
        Width = 150
      end>
  end
  object ListView1: TListView
    Left = 10
    Top = 75
    Width = 320
    Height = 160
    ViewStyle = vsReport
    Columns = <
      item
        Caption = 'Entry'
        Width = 180
      end
      item
        Caption = 'Length'
        Width = 80
      end>
    Items = <
      item
        Caption = 'first'
        SubItems.Strings = (
          '5')
      end>
  end
)";

class SkinHeadersTest : public SkinnedFormFixture<THeaderTestForm> {
protected:
    void SetUp() override {
        SkinnedFormTest::SetUp();
        form_ = new THeaderTestForm(app_.get());
        form_->LoadDescription(std::string(kForm) + "  object SkinData1: TSkinData\n" +
                               "    Active = True\n" + StreamLine(HeaderSkin(true).Pack()) +
                               "  end\nend\n");
        // Enough rows for a vertical scroll bar.
        auto* list = Get<ui::TListView>(L"ListView1");
        for (int i = 2; i <= 30; ++i) {
            ui::TListItem& item = list->Items()->Add();
            item.SetCaption(L"entry " + std::to_wstring(i));
            item.SubItems()->Add(std::to_wstring(i * 7));
        }
        skinner_ = ShowSkinned(*form_);
        ASSERT_TRUE(skinner_);
        ParkMouse();
        Pump(300ms);
    }

    static COLORREF Header(int frame) { return ui::ColorRef(FrameColour(kHeaderStrip, frame)); }
    static COLORREF ScreenAt(HWND window, int x, int y) {
        POINT p{x, y};
        ClientToScreen(window, &p);
        HDC screen = GetDC(nullptr);
        const COLORREF colour = GetPixel(screen, p.x, p.y);
        ReleaseDC(nullptr, screen);
        return colour;
    }
    // A pixel near the top-left corner of header item `i`, where no text goes.
    static COLORREF ItemCorner(HWND header, int i) {
        RECT r{};
        Header_GetItemRect(header, i, &r);
        return ScreenAt(header, r.left + 2, r.top + 2);
    }
    static POINT ItemPoint(HWND header, int i, int dx) {
        RECT r{};
        Header_GetItemRect(header, i, &r);
        POINT p{r.left + dx, (r.top + r.bottom) / 2};
        ClientToScreen(header, &p);
        return p;
    }
};

TEST_F(SkinHeadersTest, HeaderItemsAndTheRoomAfterThemArePaintedFromTheStrip) {
    auto& header = *Get<ui::THeaderControl>(L"HeaderControl1");
    auto* skin = dynamic_cast<TSkinHeader*>(SkinOf(header));
    ASSERT_TRUE(skin) << "the discovery gives a header control its header skinner";
    const HWND window = header.Handle();
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(ItemCorner(window, i), Header(1)) << "item " << i;
    // The sections end at 280 of 320.
    EXPECT_EQ(ScreenAt(window, 300, 2), Header(1)) << "the room after the last item";
    EXPECT_EQ(ScreenAt(window, 318, 20), Header(1));
    // A text is drawn over the frame, aligned as its section says: the right-aligned one ends
    // near its item's right edge and leaves its left part bare.
    const TPixelImage shot = ScreenOf(window);
    const TPixel frame = PixelFromColor(FrameColour(kHeaderStrip, 1));
    auto textPixels = [&](int left, int right) {
        int count = 0;
        for (int y = 0; y < shot.Height; ++y)
            for (int x = left; x < right; ++x)
                count += (shot.At(x, y) & 0xFFFFFF) != frame;
        return count;
    };
    EXPECT_GT(textPixels(200 + 40, 280), 10) << "'Date' at the right of its item";
    EXPECT_EQ(textPixels(200, 200 + 40), 0);
    EXPECT_GT(textPixels(0, 40), 10) << "'Name' at the left of its item";
    EXPECT_EQ(textPixels(80, 120), 0);
    testing_desktop::SaveScreenshot(L"skin_headers_form");
}

TEST_F(SkinHeadersTest, TheHotItemFollowsTheMouseAndGoesWhenItLeaves) {
    auto& header = *Get<ui::THeaderControl>(L"HeaderControl1");
    auto* skin = dynamic_cast<TSkinHeader*>(SkinOf(header));
    ASSERT_TRUE(skin);
    const HWND window = header.Handle();

    MoveTo(ItemPoint(window, 1, 40));
    ASSERT_TRUE(PumpUntil([&] { return skin->HotItem() == 1; }));
    Pump(100ms);
    EXPECT_EQ(ItemCorner(window, 1), Header(2)) << "hot";
    EXPECT_EQ(ItemCorner(window, 0), Header(1));
    EXPECT_EQ(ItemCorner(window, 2), Header(1));
    testing_desktop::SaveScreenshot(L"skin_headers_hot");

    MoveTo(ItemPoint(window, 2, 40));
    ASSERT_TRUE(PumpUntil([&] { return skin->HotItem() == 2; }));
    Pump(100ms);
    EXPECT_EQ(ItemCorner(window, 2), Header(2));
    EXPECT_EQ(ItemCorner(window, 1), Header(1)) << "the last hot item let go";

    // Beside a divider the mouse resizes: no item is hot there.
    MoveTo(ItemPoint(window, 2, 1));
    ASSERT_TRUE(PumpUntil([&] { return skin->HotItem() == -1; }));

    MoveTo(ItemPoint(window, 0, 40));
    ASSERT_TRUE(PumpUntil([&] { return skin->HotItem() == 0; }));
    ParkMouse();
    ASSERT_TRUE(PumpUntil([&] { return skin->HotItem() == -1; })) << "left";
    Pump(100ms);
    EXPECT_EQ(ItemCorner(window, 0), Header(1));

    // The header still does its own work: a click reports its section.
    ClickAt(ItemPoint(window, 1, 40));
    EXPECT_EQ(form_->clicked, std::vector<std::wstring>{L"Size"});
}

TEST_F(SkinHeadersTest, AListViewHasItsHeaderSkinnedAndItsScrollBarsOverlaid) {
    auto& list = *Get<ui::TListView>(L"ListView1");
    auto* skin = dynamic_cast<TSkinListView*>(SkinOf(list));
    ASSERT_TRUE(skin) << "the discovery gives a list view the list-view skinner";
    const HWND header = ListView_GetHeader(list.Handle());
    ASSERT_TRUE(header);
    ASSERT_TRUE(skin->Header());
    EXPECT_EQ(skin->Header()->Handle(), header);
    EXPECT_EQ(SendMessageW(header, SM_ISSKINNED, 0, 0), 1);
    EXPECT_EQ(ItemCorner(header, 0), Header(1));
    EXPECT_EQ(ItemCorner(header, 1), Header(1));
    RECT client{};
    GetClientRect(header, &client);
    EXPECT_EQ(ScreenAt(header, client.right - 3, 2), Header(1)) << "after the last column";

    // The vertical bar is covered by its overlay, painted from the skin: the up arrow is
    // frame 9 of the scroll strip.
    ASSERT_TRUE(skin->Overlays().Vertical());
    EXPECT_TRUE(skin->Overlays().Vertical()->Shown());
    SCROLLBARINFO bar{};
    bar.cbSize = sizeof(bar);
    ASSERT_TRUE(GetScrollBarInfo(list.Handle(), OBJID_VSCROLL, &bar));
    const int thickness = bar.rcScrollBar.right - bar.rcScrollBar.left;
    HDC screen = GetDC(nullptr);
    const COLORREF arrow =
        GetPixel(screen, bar.rcScrollBar.left + thickness / 2, bar.rcScrollBar.top + thickness / 2);
    ReleaseDC(nullptr, screen);
    EXPECT_EQ(arrow, ui::ColorRef(FrameColour(kScrollStrip, 9)));

    // The header of a bare window follows the real mouse too.
    MoveTo(ItemPoint(header, 1, 30));
    ASSERT_TRUE(PumpUntil([&] { return skin->Header()->HotItem() == 1; }));
    Pump(100ms);
    EXPECT_EQ(ItemCorner(header, 1), Header(2));
    ParkMouse();
    ASSERT_TRUE(PumpUntil([&] { return skin->Header()->HotItem() == -1; }));

    // Skinning off for the list view takes its header along: the standard look shows.
    SendMessageW(list.Handle(), SM_SKINACTIVE, 0, 0);
    RedrawWindow(header, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    Pump(200ms);
    EXPECT_FALSE(skin->Header()->SkinActive());
    EXPECT_NE(ItemCorner(header, 0), Header(1));
    SendMessageW(list.Handle(), SM_SKINACTIVE, 1, 0);
    Pump(200ms);
    EXPECT_EQ(ItemCorner(header, 0), Header(1));

    // A new view makes the window again, and the form a new skinner with the new header.
    list.SetViewStyle(ui::TViewStyle::vsList);
    list.SetViewStyle(ui::TViewStyle::vsReport);
    const HWND again = ListView_GetHeader(list.Handle());
    ASSERT_TRUE(PumpUntil([&] {
        auto* now = dynamic_cast<TSkinListView*>(SkinOf(list));
        return now && now->Header() && now->Header()->Handle() == again;
    }));
    Pump(200ms);
    EXPECT_EQ(ItemCorner(again, 0), Header(1));
}

// At the form's density (the process's: the suite runs this at 96, 144 and 192 dpi), with its
// columns laid out for it: the list view's header shows each column's text whole, inside the
// item's padding and within the header's height; its scroll bar shows the skin's arrows as
// large as the bar is thick.
TEST_F(SkinHeadersTest, DensityAListViewsHeaderTextIsWholeAndItsBarFits) {
    const int dpi = skinner_->Dpi();
    auto& list = *Get<ui::TListView>(L"ListView1");
    const HWND header = ListView_GetHeader(list.Handle());
    ASSERT_TRUE(header);
    // The first column narrower than the form has it, so the second stays in the list view.
    ListView_SetColumnWidth(list.Handle(), 0, ScaleMeasure(60, dpi));
    ListView_SetColumnWidth(list.Handle(), 1, ScaleMeasure(80, dpi));
    RedrawWindow(list.Handle(), nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    Pump(200ms);

    RECT item{};
    Header_GetItemRect(header, 1, &item);
    SIZE text{};
    {
        const HDC dc = GetDC(header);
        const HGDIOBJ old =
            SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(header, WM_GETFONT, 0, 0)));
        GetTextExtentPoint32W(dc, L"Length", 6, &text);
        SelectObject(dc, old);
        ReleaseDC(header, dc);
    }
    const TPixelImage shot = ScreenOf(header);
    const TPixel frame = PixelFromColor(FrameColour(kHeaderStrip, 1));
    int left = item.right, right = -1, top = item.bottom, bottom = -1;
    for (int y = item.top; y < item.bottom; ++y)
        for (int x = item.left; x < item.right; ++x)
            if ((shot.At(x, y) & 0xFFFFFF) != frame) {
                left = std::min(left, x), right = std::max(right, x);
                top = std::min(top, y), bottom = std::max(bottom, y);
            }
    const int padding = ScaleMeasure(6, dpi);
    ASSERT_GE(right, left) << "a text";
    EXPECT_GE(left, item.left + padding) << "inside the padding";
    EXPECT_LE(right, item.right - padding) << "inside the padding";
    // The ink is the extent less the glyphs' side bearings, which grow with the font.
    EXPECT_GE(right - left + 1, text.cx - ScaleMeasure(2, dpi)) << "the whole text, not cut";
    EXPECT_GT(top, item.top) << "within the header's height";
    EXPECT_LT(bottom, item.bottom - 1) << "within the header's height";

    SCROLLBARINFO bar{};
    bar.cbSize = sizeof(bar);
    ASSERT_TRUE(GetScrollBarInfo(list.Handle(), OBJID_VSCROLL, &bar));
    const int thickness = bar.rcScrollBar.right - bar.rcScrollBar.left;
    EXPECT_EQ(thickness, ui::MetricAtDpi(SM_CXVSCROLL, dpi));
    const HDC screen = GetDC(nullptr);
    // The up arrow fills a square as large as the bar is thick, the track starts after it.
    const COLORREF last =
        GetPixel(screen, bar.rcScrollBar.left + thickness / 2, bar.rcScrollBar.top + thickness - 1);
    const COLORREF after =
        GetPixel(screen, bar.rcScrollBar.left + thickness / 2, bar.rcScrollBar.top + thickness);
    ReleaseDC(nullptr, screen);
    EXPECT_EQ(last, ui::ColorRef(FrameColour(kScrollStrip, 9)));
    EXPECT_NE(after, ui::ColorRef(FrameColour(kScrollStrip, 9)));
    testing_desktop::SaveScreenshot(L"skin_headers_density_" + std::to_wstring(dpi));
}

TEST_F(SkinHeadersTest, AHeaderWhoseSkinHasNoHeaderbarKeepsItsStandardLook) {
    // The tagged header is left alone by the form; its skinner is attached here with a skin
    // that has no header strip.
    auto& plain = *Get<ui::THeaderControl>(L"HeaderControl2");
    ASSERT_FALSE(SkinOf(plain));
    const HWND window = plain.Handle();
    // Scribbled over first, so a paint that draws nothing shows.
    auto shot = [&] {
        HDC dc = GetDC(window);
        RECT all{};
        GetClientRect(window, &all);
        FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
        ReleaseDC(window, dc);
        RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
        Pump(150ms);
        return ScreenOf(window);
    };
    // The skin takes the visual style of what it skins: the header's standard look is the
    // classic one then.
    SetWindowTheme(window, L" ", L" ");
    const TPixelImage standard = shot();
    TSkinData noHeader(nullptr);
    noHeader.SetSkinStream(HeaderSkin(false).Pack());
    ASSERT_TRUE(noHeader.LoadSkin());
    ASSERT_FALSE(noHeader.Elements().Headerbar);
    auto* skin = new TSkinHeader(&plain);
    skin->AttachControl(nullptr, &noHeader, false, nullptr);
    const TPixelImage skinned = shot();
    EXPECT_TRUE(skinned.Pixels == standard.Pixels) << "the header paints itself as before";
    ui::Free(skin);
}

} // namespace
