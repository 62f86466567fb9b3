// The form skinner at its window's display density, under Wine in the test desktop. The same
// tests run at the tree's density and, through PELLICO_LOG_PIXELS, at 144 and 192 dpi: the
// frame's sizes and the title's height, the caption buttons where their scaled coordinates put
// them and drawn from the picture at that density (a skin's larger copy where it has one), the
// caption text's place and font, the window region cut at the scaled corners, the skinned
// system menu's frame and glyphs, and a move to a
// display of another density (WM_DPICHANGED sent by hand, as Wine sends none): the frame, the
// menu bar, the caption and the region follow, and come back exactly on the way back. The
// default skin's window is saved as a screenshot at each density.
#include "tests/win32/skin/active_skinner.h"

#include "skin/forms/frame_region.h"
#include "skin/gdi/dc_pixels.h"
#include "skin/gdi/dib.h"
#include "skin/model/skin_geometry.h"
#include "skin/model/scaled_pictures.h"
#include "skin/pictures/dpi_scale.h"
#include "skin/pictures/pixel_draw.h"
#include "skin/runtime/skin_platform.h"
#include "tests/support/desktop.h"
#include "tests/support/skin_fixture.h"
#include "ui/menus.h"
#include "ui/win_handles.h"
#include "ui/window_dpi.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

using namespace std::chrono_literals;
using skin_fixture::FrameColour;
using skin_fixture::Strip;

class TDpiTestForm : public ui_test::TTestForm<L"TDpiTestForm"> {
public:
    using TTestForm::TTestForm;
};

constexpr TPixel kKey = PixelFromColor(kKeyColor);
// Strip numbers of the test skin's close button and of its larger copy.
constexpr int kCloseStrip = 5, kCloseLargeStrip = 6;

// A strip of two frames with the key colour at `keys` of each.
TPixelImage Keyed(TPixelImage image, int frameWidth, std::initializer_list<std::pair<int, int>> keys) {
    for (int k = 0; k < 2; ++k)
        for (auto [x, y] : keys)
            image.At(k * frameWidth + x, y) = kKey;
    return image;
}

// A frame whose every measure scales to whole pixels at 1.5 and 2 times: 4-pixel sides and
// bottom, a 24-row title; the left edge's top-left corner is cut by the key colour. A close
// button 18 x 14 at Xcoord 26, Ycoord 4, with a larger copy in other colours; the caption text
// 30 pixels in from the frame's left edge.
std::vector<std::uint8_t> DensitySkin() {
    skin_fixture::Skin s = skin_fixture::FramedSkin(
        "LeftTopHeight=24\nLeftBotHeight=4\nRightTopHeight=24\nRightBotHeight=4\n"
        "TextShift=30\nTextRightClip=40\nTextAlignment=0\n",
        "[Button.Close]\nAction=0\nAlign=1\nXcoord=26\nYcoord=4\nVisibility=0\n"
        "ButtonImage=close.bmp\nFrame=3\n",
        4, 24, 4, 4);
    s.files.clear();
    s.Image("left.bmp", Keyed(Strip(1, 2, 4, 60), 4, {{0, 0}, {1, 0}, {0, 1}}));
    s.Image("right.bmp", Strip(2, 2, 4, 60));
    s.Image("top.bmp", Strip(3, 2, 40, 24, true));
    s.Image("bottom.bmp", Strip(4, 2, 40, 4, true));
    s.Image("close.bmp", Strip(kCloseStrip, 3, 18, 14));
    s.Image("close@2x.bmp", Strip(kCloseLargeStrip, 3, 36, 28));
    return s.Pack();
}

class SkinnedFormDpi : public SkinnedFormFixture<TDpiTestForm> {
protected:
    // A form of `borderStyle` skinned with `skin`, with a main menu when `menu`, its client area
    // `clientWidth` x `clientHeight` at 96 dpi.
    void Show(const std::vector<std::uint8_t>& skin, const char* borderStyle, bool menu = false,
              int clientWidth = 320, int clientHeight = 200) {
        form_ = new TDpiTestForm(app_.get());
        form_->LoadDescription(std::string("object DpiTestForm: TDpiTestForm\n"
                                           "  Left = 160\n  Top = 100\n"
                                           "  BorderIcons = [biSystemMenu]\n  BorderStyle = ") +
                               borderStyle +
                               "\n  Caption = 'Density'\n  ClientHeight = " +
                               std::to_string(clientHeight) + "\n  ClientWidth = " +
                               std::to_string(clientWidth) + "\n"
                               "  object SkinData1: TSkinData\n    Active = True\n" +
                               skin_fixture::StreamLine(skin) + "  end\nend\n");
        if (menu) {
            auto* main = new ui::TMainMenu(form_);
            ui::TMenuItem file;
            file.Caption = L"&File";
            file.Items.resize(1);
            file.Items[0].Caption = L"&Open";
            main->Items = {file};
            form_->SetMenu(main);
        }
        skinner_ = ShowSkinned(*form_);
        ASSERT_TRUE(skinner_);
        window_ = form_->Handle();
        Pump(300ms);
    }

    int Scaled(int pixels) const { return ScaleMeasure(pixels, skinner_->Dpi()); }
    RECT WindowRect() const {
        RECT r{};
        GetWindowRect(window_, &r);
        return r;
    }
    // Where the client area starts in the window.
    POINT ClientOffset() const {
        POINT origin{0, 0};
        ClientToScreen(window_, &origin);
        const RECT r = WindowRect();
        return {origin.x - r.left, origin.y - r.top};
    }
    TPixelImage Screen() const {
        const ui::WindowDC screen(nullptr);
        return ReadPixels(screen.dc(), WindowRect());
    }
    const TWinSysButton* ButtonOf(int action) const {
        for (const auto& b : skinner_->CaptionButtons())
            if (b->Visible && skinner_->ElementOf(*b)->Action == action) return b.get();
        return nullptr;
    }
    // The window's region as pixels in or out, over the window's top-left `w` x `h`.
    std::vector<std::vector<bool>> RegionCorner(int w, int h) const {
        const ui::GdiHandle<HRGN> region(CreateRectRgn(0, 0, 0, 0));
        GetWindowRgn(window_, region.get());
        std::vector<std::vector<bool>> in(h, std::vector<bool>(w));
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
                in[y][x] = PtInRegion(region.get(), x, y) != FALSE;
        return in;
    }

    HWND window_ = nullptr;
};

// The run's density: the one PELLICO_LOG_PIXELS asked for, else the system's.
int RunDensity() {
    const char* asked = std::getenv("PELLICO_LOG_PIXELS");
    return asked && *asked ? std::atoi(asked) : ui::SystemDpi();
}

TEST_F(SkinnedFormDpi, TheFrameTheCaptionAndTheButtonsAtTheWindowsDensity) {
    ASSERT_NO_FATAL_FAILURE(Show(DensitySkin(), "bsSingle"));
    const int dpi = skinner_->Dpi();
    EXPECT_EQ(dpi, ui::WindowDpi(window_));
    EXPECT_EQ(dpi, RunDensity());

    // The frame and the client area inside it.
    EXPECT_EQ(skinner_->FrameSizes(), (TFrameSizes{Scaled(4), Scaled(24), Scaled(4), Scaled(4)}));
    const POINT client = ClientOffset();
    EXPECT_EQ(client.x, Scaled(4));
    EXPECT_EQ(client.y, Scaled(24));

    // The close button where Xcoord and Ycoord put it at this density, as large as its cell
    // there, drawn from the larger copy above kBaseDpi.
    const TWinSysButton* close = ButtonOf(0);
    ASSERT_TRUE(close);
    const RECT r = WindowRect();
    const int w = r.right - r.left;
    const RECT want{w - Scaled(26), Scaled(4), w - Scaled(26) + Scaled(18), Scaled(4) + Scaled(14)};
    EXPECT_TRUE(EqualRect(&close->Bounds, &want))
        << close->Bounds.left << "," << close->Bounds.top << " " << close->Bounds.right << ","
        << close->Bounds.bottom;
    const TPixelImage shot = Screen();
    const TPixel colour =
        PixelFromColor(FrameColour(dpi == kBaseDpi ? kCloseStrip : kCloseLargeStrip, 1)) & 0xFFFFFF;
    for (auto [x, y] : {std::pair{want.left, want.top}, {want.right - 1, want.bottom - 1}})
        EXPECT_EQ(shot.At(x, y) & 0xFFFFFF, colour) << "button at " << x << "," << y;
    EXPECT_NE(shot.At(want.right, want.top) & 0xFFFFFF, colour) << "right of the button";
    EXPECT_NE(shot.At(want.left, want.bottom) & 0xFFFFFF, colour) << "under the button";

    // The caption text at the scaled TextShift, in the caption font of this density.
    EXPECT_EQ(skinner_->CaptionRect().Left, Scaled(4) + Scaled(30));
    LOGFONTW font{};
    GetObjectW(skinner_->CaptionFont().Handle(), sizeof(font), &font);
    EXPECT_EQ(font.lfHeight, CaptionLogFont(dpi).lfHeight);
    EXPECT_EQ(font.lfHeight, ui::NonClientMetricsAtDpi(dpi).lfCaptionFont.lfHeight);

    // The region's corner: the left edge's key pixels (0, 0), (1, 0), (0, 1) become their
    // rectangles scaled, and nothing else of the corner is cut.
    std::vector<std::vector<bool>> want_in(Scaled(24), std::vector<bool>(Scaled(4), true));
    for (auto [x, y] : {std::pair{0, 0}, {1, 0}, {0, 1}}) {
        const TPixelRect hole = ScaleRect({x, y, x + 1, y + 1}, dpi);
        for (int j = hole.Top; j < hole.Bottom; ++j)
            for (int i = hole.Left; i < hole.Right; ++i)
                want_in[j][i] = false;
    }
    EXPECT_EQ(RegionCorner(Scaled(4), Scaled(24)), want_in);
}

TEST_F(SkinnedFormDpi, TheDefaultSkinsFrameAndButtonsFromItsPicturesAtTheDensity) {
    const std::vector<std::uint8_t> skin = testing_desktop::ReadFileBytes(DEFAULT_SKIN);
    ASSERT_FALSE(skin.empty()) << DEFAULT_SKIN;
    ASSERT_NO_FATAL_FAILURE(Show(skin, "bsSizeable", true));
    const int dpi = skinner_->Dpi();
    const TSkinElements& e = form_->Get<TSkinData>(L"SkinData1")->Elements();
    EXPECT_EQ(skinner_->FrameSizes(), (TFrameSizes{Scaled(4), Scaled(26), Scaled(4), Scaled(4)}));
    EXPECT_EQ(skinner_->MenuBarHeight(), ui::MetricAtDpi(SM_CYMENU, dpi));
    EXPECT_EQ(ClientOffset().y, Scaled(26) + ui::MetricAtDpi(SM_CYMENU, dpi));

    // Every caption button shows its picture at this density, cell for cell, where its
    // coordinates put it.
    const TPixelImage shot = Screen();
    const int w = shot.Width;
    int shown = 0;
    for (const auto& b : skinner_->CaptionButtons()) {
        const TDataSkinSysButton& element = *skinner_->ElementOf(*b);
        if (!b->Visible || IsSystemMenuButton(element.Action)) continue;
        ++shown;
        EXPECT_EQ(b->Bounds.left, w - Scaled(element.Xcoord)) << element.Action;
        EXPECT_EQ(b->Bounds.top, Scaled(element.Ycoord)) << element.Action;
        const TPixelImage picture =
            PictureAtDpi(element.Image, element.Image2x, {element.Frame, false, {}}, dpi);
        const int cell = PaintAllCell(true, b->Enabled, element.Frame);
        const TPixelImage want = Crop(picture, StripCell(picture, element.Frame, cell, false));
        ASSERT_EQ(b->Bounds.right - b->Bounds.left, want.Width);
        int differ = 0;
        for (int y = 0; y < want.Height; ++y)
            for (int x = 0; x < want.Width; ++x)
                if ((want.At(x, y) & 0xFFFFFF) != kKey &&
                    (want.At(x, y) & 0xFFFFFF) != (shot.At(b->Bounds.left + x, b->Bounds.top + y) &
                                                   0xFFFFFF))
                    ++differ;
        EXPECT_EQ(differ, 0) << "button " << element.Action;
    }
    EXPECT_EQ(shown, 3);

    // The rounded corner: the region's top-left is cut where the left edge's picture at this
    // density has its key colour.
    TScaledPictures pictures(e);
    const TPixelImage left = RenderFrameEdge(e.BorderLeft, Scaled(4), WindowRect().bottom -
                                                                          WindowRect().top,
                                             false, true, pictures, dpi);
    const auto in = RegionCorner(Scaled(4), Scaled(26));
    int cut = 0;
    for (int y = 0; y < Scaled(26); ++y) {
        for (int x = 0; x < Scaled(4); ++x) {
            const bool key = (left.At(x, y) & 0xFFFFFF) == kKey;
            cut += key;
            EXPECT_EQ(in[y][x], !key) << x << "," << y;
        }
    }
    EXPECT_GT(cut, 0);
    testing_desktop::SaveScreenshot(L"skinned_form_dpi_" + std::to_wstring(dpi));
}

// What a timer finds while the skinned system menu is open (a menu's loop runs timers): the
// menu window's pixels and rectangle and its items' rectangles (screen coordinates).
struct TOpenMenu {
    TPixelImage pixels;
    RECT window{};
    std::vector<RECT> items;
    std::vector<ui::TMenuItem> shown;
};
TWinSkinForm* menuSkinner = nullptr;
TOpenMenu* openMenu = nullptr;
int menuTicks = 0;
void CALLBACK ReadOpenMenu(HWND, UINT, UINT_PTR, DWORD) {
    const ui::TPopupMenu* popup = menuSkinner->SystemMenuPopup();
    const HWND window = FindWindowW(L"#32768", nullptr);
    // A few ticks once it shows, so the menu's loop has painted it.
    if (!popup || !window || !IsWindowVisible(window) || ++menuTicks < 4 || !openMenu->shown.empty())
        return;
    GetWindowRect(window, &openMenu->window);
    const ui::WindowDC screen(nullptr);
    openMenu->pixels = ReadPixels(screen.dc(), openMenu->window);
    for (int i = 0; i < GetMenuItemCount(popup->Handle()); ++i) {
        RECT r{};
        GetMenuItemRect(nullptr, popup->Handle(), static_cast<UINT>(i), &r);
        openMenu->items.push_back(r);
    }
    openMenu->shown = popup->Items;
    testing_desktop::SaveScreenshot(L"skinned_form_dpi_system_menu_" +
                                    std::to_wstring(menuSkinner->Dpi()));
    EndMenu();
}

TEST_F(SkinnedFormDpi, TheSystemMenuAtTheDensity) {
    const std::vector<std::uint8_t> skin = testing_desktop::ReadFileBytes(DEFAULT_SKIN);
    ASSERT_FALSE(skin.empty()) << DEFAULT_SKIN;
    ASSERT_NO_FATAL_FAILURE(Show(skin, "bsSizeable"));
    const int dpi = skinner_->Dpi();
    const TSkinElements& e = form_->Get<TSkinData>(L"SkinData1")->Elements();
    ASSERT_TRUE(e.MenuBackground && e.MenuItem);
    TOpenMenu menu;
    menuSkinner = skinner_;
    openMenu = &menu;
    menuTicks = 0;
    const UINT_PTR timer = SetTimer(nullptr, 0, 50, ReadOpenMenu);
    const RECT r = WindowRect();
    skinner_->ShowSystemMenu({r.left + Scaled(60), r.top + Scaled(13)});
    KillTimer(nullptr, timer);
    openMenu = nullptr;
    ASSERT_FALSE(menu.shown.empty()) << "the system menu never showed";
    ASSERT_EQ(menu.items.size(), menu.shown.size());

    // The glyphs at the density.
    const ui::TImageList* glyphs = skinner_->SystemMenuPopup()->Images;
    ASSERT_TRUE(glyphs);
    EXPECT_EQ(glyphs->Width(), Scaled(16));
    EXPECT_EQ(glyphs->Height(), Scaled(16));

    // The menu's frame: the MenuBackground picture's top-left corner at the density, as it is
    // there.
    const TDataSkinObject& back = *e.MenuBackground;
    TScaledPictures pictures(e);
    const TScaledPicture picture =
        pictures.Cut(back.Image, back.Image2x, {1, false, MarginsOf(back)}, dpi);
    int differ = 0;
    for (int y = 0; y < std::min(picture.Margins.Top, Scaled(3)); ++y)
        for (int x = 0; x < picture.Margins.Left; ++x)
            differ += (picture.Picture->At(x, y) & 0xFFFFFF) != (menu.pixels.At(x, y) & 0xFFFFFF);
    EXPECT_EQ(differ, 0) << "the menu's top-left corner";

    // Each enabled item with a glyph shows it in the glyph column: the MenuItem's margin and
    // the item's edge scaled in from the item's left, centred on its height.
    int glyphsSeen = 0;
    for (std::size_t i = 0; i < menu.shown.size(); ++i) {
        const ui::TMenuItem& item = menu.shown[i];
        if (item.ImageIndex < 0 || !item.Enabled) continue;
        const int side = Scaled(16);
        TDib expected(side, side);
        const RECT all{0, 0, side, side};
        const ui::GdiHandle<HBRUSH> key(CreateSolidBrush(RGB(255, 0, 255)));
        FillRect(expected.Dc(), &all, key.get());
        glyphs->Draw(expected.Dc(), 0, 0, item.ImageIndex);
        const TPixelImage glyph = expected.Pixels();
        const RECT& ir = menu.items[i];
        const int x = ir.left - menu.window.left + Scaled(1 + e.MenuItem->LeftWidth);
        const int y = ir.top - menu.window.top + (ir.bottom - ir.top - side) / 2;
        EXPECT_GE(ir.bottom - ir.top, side) << "item " << i;
        int wrong = 0;
        for (int j = 0; j < side; ++j)
            for (int k = 0; k < side; ++k)
                if ((glyph.At(k, j) & 0xFFFFFF) != kKey)
                    wrong += (glyph.At(k, j) & 0xFFFFFF) != (menu.pixels.At(x + k, y + j) & 0xFFFFFF);
        EXPECT_EQ(wrong, 0) << "glyph " << item.ImageIndex;
        ++glyphsSeen;
    }
    EXPECT_GE(glyphsSeen, 1) << "close is enabled and has a glyph";
}

TEST_F(SkinnedFormDpi, AMoveToAnotherDensityTakesTheFrameAlongAndBack) {
    // Small enough to fit the test desktop at twice its density, as the system keeps a window
    // within the screen.
    ASSERT_NO_FATAL_FAILURE(Show(DensitySkin(), "bsSizeable", true, 160, 100));
    const int dpi = skinner_->Dpi(), twice = 2 * dpi;
    const TFrameSizes frame = skinner_->FrameSizes();
    const int bar = skinner_->MenuBarHeight();
    RECT before = WindowRect();
    RECT client{};
    GetClientRect(window_, &client);
    LOGFONTW font{};
    GetObjectW(skinner_->CaptionFont().Handle(), sizeof(font), &font);
    const LONG fontHeight = font.lfHeight;
    const int builds = skinner_->RegionBuilds();

    // The size the window asks for there: its client area twice as large, in the frame at twice
    // the density.
    SIZE size{};
    ASSERT_TRUE(SendMessageW(window_, 0x02E4 /* WM_GETDPISCALEDSIZE */, twice,
                             reinterpret_cast<LPARAM>(&size)));
    const TSkinElements& e = form_->Get<TSkinData>(L"SkinData1")->Elements();
    const TFrameSizes there = FrameSizesOf(e, TFrameKind::Sizeable, twice);
    EXPECT_EQ(there, (TFrameSizes{2 * frame.left, 2 * frame.title, 2 * frame.right, 2 * frame.bottom}));
    const int barThere = ui::MetricAtDpi(SM_CYMENU, twice);
    EXPECT_EQ(size.cx, 2 * client.right + there.left + there.right);
    EXPECT_EQ(size.cy, 2 * client.bottom + there.title + there.bottom + barThere);

    // Windows sends the new density and the rectangle it suggests, which the window takes.
    const auto move = [&](int to, const RECT& suggested) {
        SendMessageW(window_, WM_DPICHANGED, MAKEWPARAM(to, to),
                     reinterpret_cast<LPARAM>(&suggested));
        SetWindowPos(window_, nullptr, suggested.left, suggested.top,
                     suggested.right - suggested.left, suggested.bottom - suggested.top,
                     SWP_NOZORDER | SWP_NOACTIVATE);
        Pump(200ms);
    };
    move(twice, {before.left, before.top, before.left + size.cx, before.top + size.cy});
    EXPECT_EQ(skinner_->Dpi(), twice);
    EXPECT_EQ(skinner_->FrameSizes(), there);
    EXPECT_EQ(skinner_->MenuBarHeight(), barThere);
    EXPECT_EQ(ClientOffset().x, there.left);
    EXPECT_EQ(ClientOffset().y, there.title + barThere);
    RECT clientThere{};
    GetClientRect(window_, &clientThere);
    EXPECT_EQ(clientThere.right, 2 * client.right);
    EXPECT_EQ(clientThere.bottom, 2 * client.bottom);
    GetObjectW(skinner_->CaptionFont().Handle(), sizeof(font), &font);
    EXPECT_EQ(font.lfHeight, CaptionLogFont(twice).lfHeight);
    EXPECT_GT(skinner_->RegionBuilds(), builds);
    const TWinSysButton* close = ButtonOf(0);
    ASSERT_TRUE(close);
    const int w = size.cx;
    EXPECT_EQ(close->Bounds.left, w - ScaleMeasure(26, twice));
    EXPECT_EQ(close->Bounds.bottom - close->Bounds.top, ScaleMeasure(14, twice));
    // The corner cut at twice the density: the key pixel (0, 0) covers (1, 1) there.
    EXPECT_FALSE(RegionCorner(2, 2)[1][1]);

    // And back: everything as it was.
    move(dpi, before);
    EXPECT_EQ(skinner_->Dpi(), dpi);
    EXPECT_EQ(skinner_->FrameSizes(), frame);
    EXPECT_EQ(skinner_->MenuBarHeight(), bar);
    RECT clientBack{};
    GetClientRect(window_, &clientBack);
    EXPECT_TRUE(EqualRect(&clientBack, &client));
    GetObjectW(skinner_->CaptionFont().Handle(), sizeof(font), &font);
    EXPECT_EQ(font.lfHeight, fontHeight);
    EXPECT_EQ(RegionCorner(2, 2)[1][1], ScaleMeasure(1, dpi) == 1);
}

} // namespace
