// Skinned menus under Wine, on a test form with a main menu: the menu bar drawn in place of the
// native one, a menu opened by the mouse with its window and items drawn from the skin, the
// keyboard moving along the bar (the wrap at both ends, Right opening a submenu, Left closing
// it) with the menu's selection messages kept from the form as Windows does, a bar item
// without submenu that only sends its command, item ids the class library does not know left to
// the system, a popup menu tagged to be left alone, a menu that outlives its skinner, and a menu
// that looks the same whether or not its window prints itself, or fills its background first.
#include "tests/win32/skin/compositor_recorder.h"
#include "skin/runtime/skin_data.h"
#include "tests/support/skin_fixture.h"
#include "skin/forms/skin_form.h"
#include "skin/runtime/skin_manager.h"

#include "skin/gdi/dc_pixels.h"
#include "skin/gdi/dib.h"
#include "tests/support/desktop.h"
#include "tests/support/freed_memory.h"
#include "ui/form_binding.h"
#include "ui/menus.h"
#include "ui/win_handles.h"
#include "tests/win32/ui/ui_test_app.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <string>
#include <vector>

namespace {

using namespace std::chrono_literals;
using skin_fixture::FrameColour;
using skin_fixture::Skin;
using skin_fixture::StreamLine;
using skin_fixture::Strip;

// Strip numbers of the menu pictures, for their colours.
constexpr int kBarStrip = 7, kItemStrip = 8, kBackgroundStrip = 9;

std::vector<std::uint8_t> MenuSkin() {
    Skin s = skin_fixture::FramedSkin(
        "menuBar=menubar.bmp\nTileMenu=1\nTileLeftMenu=2\nTileRightMenu=2\n",
        "[MenuItem]\nImage=menuitem.bmp\n"
        "[MenuBackground]\nImage=menuback.bmp\nLeftWidth=3\nTopHeight=3\nRightWidth=3\n"
        "BottomHeight=3\n"
        "[Colours]\nButtonFace=10 20 30\nMenuBarText=0 0 0\nMenuText=0 0 0\n");
    s.Image("menubar.bmp", Strip(kBarStrip, 2, 20, 19, true));
    s.Image("menuitem.bmp", Strip(kItemStrip, 5, 10, 20));
    s.Image("menuback.bmp", Strip(kBackgroundStrip, 1, 12, 12));
    return s.Pack();
}

class TMenuTestForm : public ui_test::TTestForm<L"TMenuTestForm"> {
public:
    using TTestForm::TTestForm;
    TSkinData* Skin() const { return dynamic_cast<TSkinData*>(FindComponent(L"SkinData1")); }
};

ui::TMenuItem Item(const std::wstring& caption, std::vector<ui::TMenuItem> children = {},
                   std::function<void(ui::TMenuItem&)> click = nullptr) {
    ui::TMenuItem item;
    item.Caption = caption;
    item.Items = std::move(children);
    item.OnClick = std::move(click);
    return item;
}

// The bar: File (a menu), an item without caption, Go (no menu), Edit (a menu with a submenu).
enum Bar : std::size_t { kFile, kEmpty, kGo, kEdit };

// The menu windows on the screen, topmost first.
std::vector<HWND> MenuWindows() {
    std::vector<HWND> found;
    for (HWND w = FindWindowExW(nullptr, nullptr, L"#32768", nullptr); w;
         w = FindWindowExW(nullptr, w, L"#32768", nullptr))
        if (IsWindowVisible(w)) found.push_back(w);
    return found;
}

TPixel ScreenPixel(int x, int y) {
    HDC screen = GetDC(nullptr);
    const COLORREF c = GetPixel(screen, x, y);
    ReleaseDC(nullptr, screen);
    return PixelFromColor(static_cast<TColor>(c)) & 0xFFFFFF;
}

TPixel Colour(int strip, int frame) {
    return PixelFromColor(FrameColour(strip, frame)) & 0xFFFFFF;
}

// Steps run one after another from a timer, which a menu's loop keeps running: each waits for
// its condition, then acts.
struct TStep {
    std::function<bool()> ready;
    std::function<void()> act;
};
std::vector<TStep>* steps = nullptr;
std::size_t stepAt = 0;
void CALLBACK RunStep(HWND, UINT, UINT_PTR, DWORD) {
    if (!steps || stepAt >= steps->size()) return;
    TStep& step = (*steps)[stepAt];
    if (!step.ready()) return;
    ++stepAt;
    step.act();
}

class SkinnedMenus : public ui_test::AppTest {
protected:
    void SetUp() override {
        AppTest::SetUp();
        ui::RegisterComponentClass<TSkinData>();
        SetSkinMessageSink([](const std::string&) {});
        UseFormSkinning();
        MoveTo({5, 5});
    }
    void TearDown() override {
        steps = nullptr;
        AppTest::TearDown();
        FreeSkinManage();
        SetSkinMessageSink(nullptr);
    }

    // The test form with its main menu and two popup menus (the second tagged 99), skinned;
    // `controls` added to the skin's controls before it is.
    void MakeForm(TSkinControls controls = 0) {
        form_ = new TMenuTestForm(app_.get());
        form_->LoadDescription("object MenuTestForm: TMenuTestForm\n  Left = 200\n  Top = 150\n"
                               "  BorderIcons = [biSystemMenu]\n  BorderStyle = bsDialog\n"
                               "  Caption = 'Menus'\n  ClientHeight = 200\n  ClientWidth = 300\n"
                               "  object SkinData1: TSkinData\n    Active = True\n" +
                               StreamLine(MenuSkin()) + "  end\nend\n");
        form_->Skin()->SkinControls |= controls;
        auto* menu = new ui::TMainMenu(form_);
        const auto count = [](int& n) { return [&n](ui::TMenuItem&) { ++n; }; };
        menu->Items = {
            Item(L"&File", {Item(L"&Open", {}, count(opens_)), Item(L"-"), Item(L"E&xit")}),
            Item(L""),
            Item(L"&Go", {}, count(goes_)),
            Item(L"&Edit", {Item(L"&Copy"), Item(L"&More", {Item(L"Deep")})}),
        };
        form_->SetMenu(menu);
        menu_ = menu;
        for (int tag : {0, 99}) {
            auto* popup = new ui::TPopupMenu(form_);
            popup->SetTag(tag);
            popup->Items = {Item(L"One"), Item(L"Two")};
        }
        form_->Show();
        window_ = form_->Handle();
        SetForegroundWindow(window_);
        ASSERT_TRUE(PumpUntil([&] {
            skinner_ = SkinManage()
                           ? dynamic_cast<TWinSkinForm*>(SkinManage()->FindSkinForm(window_))
                           : nullptr;
            return skinner_ && skinner_->SkinState() == TFormSkinState::Active &&
                   skinner_->ActiveFlag();
        }));
        Pump(300ms);
        ASSERT_NE(skinner_->MenuBar(), nullptr);
    }

    // A screen point inside bar button `index`.
    POINT OnBarButton(std::size_t index) const {
        RECT r{};
        GetWindowRect(window_, &r);
        const RECT& b = skinner_->MenuBar()->Buttons()[index]->Bounds;
        return {r.left + (b.left + b.right) / 2, r.top + (b.top + b.bottom) / 2};
    }

    // Runs `run` until every step has run or the time is up; ends a menu left open.
    bool RunSteps(std::vector<TStep> list, const std::function<void()>& start) {
        steps = &list;
        stepAt = 0;
        const UINT_PTR timer = SetTimer(nullptr, 0, 50, RunStep);
        start();
        const bool done = PumpUntil([&] { return stepAt >= list.size(); }, 10s);
        if (!done) EndMenu();
        KillTimer(nullptr, timer);
        Pump(200ms);
        steps = nullptr;
        return done;
    }

    static bool OpenAt(std::size_t index) {
        return TWinSkinForm::OpenMenuBarIndex() == index && !MenuWindows().empty();
    }

    TMenuTestForm* form_ = nullptr;
    ui::TMainMenu* menu_ = nullptr;
    HWND window_ = nullptr;
    TWinSkinForm* skinner_ = nullptr;
    int opens_ = 0;
    int goes_ = 0;
};

TEST_F(SkinnedMenus, TheBarInPlaceOfTheNativeMenu) {
    MakeForm();
    EXPECT_EQ(GetMenu(window_), nullptr);
    const auto& buttons = skinner_->MenuBar()->Buttons();
    ASSERT_EQ(buttons.size(), 4u);
    std::vector<std::wstring> captions;
    for (const auto& b : buttons)
        captions.push_back(b->Caption);
    EXPECT_EQ(captions, (std::vector<std::wstring>{L"&File", L"", L"&Go", L"&Edit"}));
    // The empty caption takes no room.
    EXPECT_EQ(buttons[kEmpty]->Bounds.left, buttons[kEmpty]->Bounds.right);
    EXPECT_EQ(buttons[kGo]->Bounds.left, buttons[kFile]->Bounds.right);
    // The client area starts under the bar.
    RECT outer{};
    GetWindowRect(window_, &outer);
    POINT origin{0, 0};
    ClientToScreen(window_, &origin);
    EXPECT_EQ(origin.y - outer.top, 24 + GetSystemMetrics(SM_CYMENU));
    // The bar's picture (active frame) right of the last button.
    const RECT& last = buttons[kEdit]->Bounds;
    EXPECT_EQ(ScreenPixel(outer.left + last.right + 20, outer.top + last.top + 5),
              Colour(kBarStrip, 1));
}

TEST_F(SkinnedMenus, TheMouseOpensAMenuDrawnFromTheSkin) {
    MakeForm();
    RECT popupRect{};
    std::vector<RECT> items;
    TPixel corner = 0, selected = 0, normal = 0;
    const auto firstSelected = [this] {
        return (GetMenuState(menu_->Items[kFile].Handle(), 0, MF_BYPOSITION) & MF_HILITE) != 0;
    };
    ASSERT_TRUE(RunSteps(
        {// The menu opens with its first item selected; the next tick finds it painted so.
         {[&] { return OpenAt(kFile) && firstSelected(); }, [] {}},
         {[] { return true; },
          [&] {
              const HWND popup = MenuWindows().front();
              GetWindowRect(popup, &popupRect);
              const HMENU file = menu_->Items[kFile].Handle();
              for (int i = 0; i < GetMenuItemCount(file); ++i) {
                  RECT r{};
                  GetMenuItemRect(nullptr, file, static_cast<UINT>(i), &r);
                  items.push_back(r);
              }
              corner = ScreenPixel(popupRect.left + 1, popupRect.top + 1);
              // The first item is selected as the menu opens; the last is not.
              selected = ScreenPixel(items[0].right - 3, (items[0].top + items[0].bottom) / 2);
              normal = ScreenPixel(items[2].right - 3, (items[2].top + items[2].bottom) / 2);
              testing_desktop::SaveScreenshot(L"skinned_menus_file_open");
              EndMenu();
          }}},
        [&] { ClickAt(OnBarButton(kFile)); }));
    EXPECT_EQ(corner, Colour(kBackgroundStrip, 1));
    ASSERT_EQ(items.size(), 3u);
    EXPECT_EQ(selected, Colour(kItemStrip, 4));
    EXPECT_EQ(normal, Colour(kItemStrip, 1));
    EXPECT_EQ(TWinSkinForm::OpenMenuBarIndex(), std::nullopt);
    EXPECT_TRUE(PumpUntil([] { return SkinManage()->PopupMenus().empty(); }));
}

// Swallows WM_MENUSELECT on its way to a window, in front of its skinner: Windows sends none
// for a menu tracked with TPM_NONOTIFY, which Wine does not enforce.
class TMenuSelectFilter {
public:
    explicit TMenuSelectFilter(HWND window) : window_(window) {
        current = this;
        previous_ = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Proc)));
    }
    ~TMenuSelectFilter() {
        SetWindowLongPtrW(window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous_));
        current = nullptr;
    }
    TMenuSelectFilter(const TMenuSelectFilter&) = delete;
    TMenuSelectFilter& operator=(const TMenuSelectFilter&) = delete;
    int Swallowed() const { return swallowed_; }

private:
    static LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
        if (msg == WM_MENUSELECT) {
            ++current->swallowed_;
            return 0;
        }
        return CallWindowProcW(current->previous_, hwnd, msg, wp, lp);
    }
    static inline TMenuSelectFilter* current = nullptr;
    HWND window_;
    WNDPROC previous_ = nullptr;
    int swallowed_ = 0;
};

TEST_F(SkinnedMenus, TheKeyboardMovesAlongTheBar) {
    MakeForm();
    const TMenuSelectFilter filter(window_);
    const auto key = [this](WPARAM vk) {
        // Time for the menu to show before the key.
        Sleep(150);
        PostMessageW(window_, WM_KEYDOWN, vk, 0);
    };
    // Once `ready`, the keys.
    const auto keysWhen = [key](std::function<bool()> ready, std::vector<WPARAM> keys) {
        return TStep{std::move(ready), [key, keys] {
                         for (WPARAM vk : keys)
                             key(vk);
                     }};
    };
    // Once the menu of bar button `at` is open (with `windows` menu windows), the keys.
    const auto press = [&](std::size_t at, std::vector<WPARAM> keys, std::size_t windows = 1) {
        return keysWhen([at, windows] { return OpenAt(at) && MenuWindows().size() == windows; },
                        std::move(keys));
    };
    std::size_t deepest = 0;
    ASSERT_TRUE(RunSteps(
        {
            // Alt+F opened File; Left wraps to the last button.
            press(kFile, {VK_LEFT}),
            // Right on an item without submenu wraps to the first button.
            press(kEdit, {VK_RIGHT}),
            press(kFile, {VK_LEFT}),
            // Right on an item with a submenu opens the submenu and stays on the bar button.
            press(kEdit, {VK_DOWN, VK_RIGHT}),
            // Left in the submenu closes it and stays on the bar button too.
            {[] { return OpenAt(kEdit) && MenuWindows().size() == 2; },
             [&] {
                 deepest = MenuWindows().size();
                 key(VK_LEFT);
             }},
            // Right opens the submenu again; Right on its plain item moves along the bar.
            press(kEdit, {VK_RIGHT}),
            press(kEdit, {VK_RIGHT}, 2),
            {[] { return OpenAt(kFile); }, [] { EndMenu(); }},
        },
        [] {
            INPUT in[4]{};
            const WORD keys[] = {VK_MENU, 'F', 'F', VK_MENU};
            for (int i = 0; i < 4; ++i) {
                in[i].type = INPUT_KEYBOARD;
                in[i].ki.wVk = keys[i];
                in[i].ki.dwFlags = i >= 2 ? KEYEVENTF_KEYUP : 0;
            }
            SendInput(4, in, sizeof(INPUT));
        }))
        << "stopped at step " << stepAt;
    EXPECT_EQ(deepest, 2u);
    EXPECT_EQ(goes_, 0) << "no move landed on Go";
    // Wine sends them: the filter did take them away.
    EXPECT_GT(filter.Swallowed(), 0);
}

// What the menu windows made from now on do with WM_PRINTCLIENT, below their skinner: the
// system's menu window procedure is replaced for the class.
enum class TMenuPrint { Answers, Swallows, FillsFirst, FramesItself };
TMenuPrint menuPrint = TMenuPrint::Answers;
WNDPROC systemMenuProc = nullptr;
int menuWindowMessages = 0;
LRESULT CALLBACK MenuClassProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    ++menuWindowMessages;
    if (msg == WM_PRINT && menuPrint == TMenuPrint::FramesItself) {
        // As a menu window whose printing draws a frame of its own around the window.
        const LRESULT result = CallWindowProcW(systemMenuProc, hwnd, msg, wp, lp);
        RECT r{};
        GetWindowRect(hwnd, &r);
        OffsetRect(&r, -r.left, -r.top);
        const HBRUSH garish = CreateSolidBrush(RGB(255, 0, 255));
        FrameRect(reinterpret_cast<HDC>(wp), &r, garish);
        DeleteObject(garish);
        return result;
    }
    if (msg == WM_PRINTCLIENT && menuPrint != TMenuPrint::Answers &&
        menuPrint != TMenuPrint::FramesItself) {
        if (menuPrint == TMenuPrint::Swallows) return 0;
        // As a menu window that fills its background before its items.
        RECT r{};
        GetClientRect(hwnd, &r);
        const HBRUSH garish = CreateSolidBrush(RGB(255, 0, 255));
        FillRect(reinterpret_cast<HDC>(wp), &r, garish);
        DeleteObject(garish);
    }
    return CallWindowProcW(systemMenuProc, hwnd, msg, wp, lp);
}

TEST_F(SkinnedMenus, APopupLooksTheSameHoweverItsWindowPrints) {
    MakeForm();
    const auto firstSelected = [this] {
        return (GetMenuState(menu_->Items[kFile].Handle(), 0, MF_BYPOSITION) & MF_HILITE) != 0;
    };
    // The File menu as it shows with its first item selected, then `after` while it is open.
    const auto shown = [&](const char* what, const std::function<void(HWND)>& after) {
        TPixelImage pixels;
        const bool ran = RunSteps(
            {{[&] { return OpenAt(kFile) && firstSelected(); }, [] {}},
             {[] { return true; }, [] {}},
             {[] { return true; },
              [&] {
                  const HWND popup = MenuWindows().front();
                  RECT r{};
                  GetWindowRect(popup, &r);
                  const ui::WindowDC screen(nullptr);
                  pixels = ReadPixels(screen.dc(), r);
                  testing_desktop::SaveScreenshot(std::wstring(L"skinned_menus_print_") +
                                                  std::wstring(what, what + strlen(what)));
                  after(popup);
                  EndMenu();
              }}},
            [&] { ClickAt(OnBarButton(kFile)); });
        EXPECT_TRUE(ran) << what;
        Pump(200ms);
        return pixels;
    };
    const TPixelImage answered = shown("answers", [](HWND popup) {
        systemMenuProc = reinterpret_cast<WNDPROC>(SetClassLongPtrW(
            popup, GCLP_WNDPROC, reinterpret_cast<LONG_PTR>(&MenuClassProc)));
        menuPrint = TMenuPrint::Swallows;
        menuWindowMessages = 0;
    });
    ASSERT_NE(systemMenuProc, nullptr);
    const TPixelImage swallowed = shown("swallows", [](HWND) {
        menuPrint = TMenuPrint::FillsFirst;
    });
    const int seen = menuWindowMessages;
    const TPixelImage filled = shown("fills", [](HWND popup) {
        SetClassLongPtrW(popup, GCLP_WNDPROC, reinterpret_cast<LONG_PTR>(systemMenuProc));
        menuPrint = TMenuPrint::Answers;
    });
    EXPECT_GT(seen, 0) << "the menu windows ran through the replaced procedure";
    ASSERT_GT(answered.Width, 20);
    EXPECT_EQ(swallowed.Width, answered.Width);
    EXPECT_EQ(swallowed.Height, answered.Height);
    EXPECT_TRUE(swallowed.Pixels == answered.Pixels) << "a menu window that does not print";
    EXPECT_TRUE(filled.Pixels == answered.Pixels) << "a menu window that fills its background";
    // And it is the skin's: the selected item's picture, the background at the corner.
    EXPECT_EQ(answered.At(1, 1) & 0xFFFFFF, Colour(kBackgroundStrip, 1));
}

// Windows opens a menu with an animation of the window printed whole: the printed picture is the
// one the screen shows, the skin's frame included, even where the menu window's own printing
// draws a frame of its own.
TEST_F(SkinnedMenus, AMenuPrintedForItsOpeningAnimationShowsTheSkinsFrame) {
    MakeForm();
    const auto openFile = [&](const std::function<void(HWND)>& whileOpen) {
        return RunSteps({{[&] { return OpenAt(kFile); }, [] {}},
                         {[] { return true; },
                          [&] {
                              whileOpen(MenuWindows().front());
                              EndMenu();
                          }}},
                        [&] { ClickAt(OnBarButton(kFile)); });
    };
    // The menu windows made from now on print a frame of their own.
    ASSERT_TRUE(openFile([](HWND popup) {
        systemMenuProc = reinterpret_cast<WNDPROC>(SetClassLongPtrW(
            popup, GCLP_WNDPROC, reinterpret_cast<LONG_PTR>(&MenuClassProc)));
        menuPrint = TMenuPrint::FramesItself;
    }));
    Pump(200ms);
    TPixelImage shown, printed;
    const bool ran = openFile([&](HWND popup) {
        RECT r{};
        GetWindowRect(popup, &r);
        const ui::WindowDC screen(nullptr);
        shown = ReadPixels(screen.dc(), r);
        TDib print(r.right - r.left, r.bottom - r.top);
        SendMessageW(popup, WM_PRINT, reinterpret_cast<WPARAM>(print.Dc()),
                     PRF_NONCLIENT | PRF_CLIENT | PRF_ERASEBKGND);
        printed = print.Pixels();
        SetClassLongPtrW(popup, GCLP_WNDPROC, reinterpret_cast<LONG_PTR>(systemMenuProc));
        menuPrint = TMenuPrint::Answers;
    });
    ASSERT_TRUE(ran);
    ASSERT_GT(shown.Width, 20);
    for (TPixelImage* image : {&printed, &shown})
        for (TPixel& p : image->Pixels)
            p &= 0xFFFFFF;
    EXPECT_TRUE(printed.Pixels == shown.Pixels);
    EXPECT_EQ(printed.At(0, shown.Height / 2), shown.At(0, shown.Height / 2)) << "the frame";
    EXPECT_EQ(printed.At(1, 1), Colour(kBackgroundStrip, 1)) << "the skin's frame";
}

TEST_F(SkinnedMenus, ABarItemWithoutSubmenuOnlySendsItsCommand) {
    MakeForm();
    bool menuSeen = false;
    ClickAt(OnBarButton(kGo));
    EXPECT_TRUE(PumpUntil([&] {
        menuSeen = menuSeen || !MenuWindows().empty();
        return goes_ == 1;
    }));
    Pump(300ms);
    EXPECT_EQ(goes_, 1);
    EXPECT_FALSE(menuSeen);
    EXPECT_EQ(opens_, 0);
}

TEST_F(SkinnedMenus, ItemIdsTheLibraryDoesNotKnowAreDrawnByTheSystem) {
    MakeForm();
    const HMENU edit = menu_->Items[kEdit].Handle();
    ASSERT_NE(edit, nullptr);
    // A native item in the system's range and one above it.
    AppendMenuW(edit, MF_STRING, 4000, L"Native");
    AppendMenuW(edit, MF_STRING, 20000, L"Foreign");
    const auto ownerDrawn = [edit](UINT id) {
        MENUITEMINFOW info{};
        info.cbSize = sizeof(info);
        info.fMask = MIIM_FTYPE;
        GetMenuItemInfoW(edit, id, FALSE, &info);
        return (info.fType & MFT_OWNERDRAW) != 0;
    };
    const UINT copy = menu_->Items[kEdit].Items[0].Command();
    bool copyDrawn = false, nativeDrawn = true, foreignDrawn = false;
    ASSERT_TRUE(RunSteps({{[] { return OpenAt(kEdit); },
                           [&] {
                               copyDrawn = ownerDrawn(copy);
                               nativeDrawn = ownerDrawn(4000);
                               foreignDrawn = ownerDrawn(20000);
                               Sleep(200);
                               testing_desktop::SaveScreenshot(L"skinned_menus_edit_open");
                               EndMenu();
                           }}},
                         [&] { ClickAt(OnBarButton(kEdit)); }));
    EXPECT_TRUE(copyDrawn);
    EXPECT_FALSE(nativeDrawn);
    EXPECT_TRUE(foreignDrawn);
}

TEST_F(SkinnedMenus, AnItemWithASubmenuShowsAnArrowOnTheSkin) {
    MakeForm();
    const HMENU edit = menu_->Items[kEdit].Handle();
    ASSERT_NE(edit, nullptr);
    // More, not selected as the menu opens.
    constexpr UINT kMore = 1;
    RECT more{};
    TPixelImage row;
    ASSERT_TRUE(RunSteps({{[] { return OpenAt(kEdit); },
                           [&] {
                               Sleep(200);
                               GetMenuItemRect(nullptr, edit, kMore, &more);
                               const ui::WindowDC screen(nullptr);
                               row = ReadPixels(screen.dc(), more);
                               testing_desktop::SaveScreenshot(L"skinned_menus_submenu_arrow");
                               EndMenu();
                           }}},
                         [&] { ClickAt(OnBarButton(kEdit)); }));
    ASSERT_GT(row.Width, 40);
    // The far end of the row, past the caption: the item's picture and the arrow in the text
    // colour (black in this skin), no box of another colour around it.
    const TPixel item = Colour(kItemStrip, 1);
    int arrow = 0, other = 0;
    for (int y = 0; y < row.Height; ++y) {
        for (int x = row.Width - 16; x < row.Width; ++x) {
            const TPixel p = row.At(x, y) & 0xFFFFFF;
            if (p == 0)
                ++arrow;
            else if (p != item)
                ++other;
        }
    }
    EXPECT_EQ(other, 0);
    // A small triangle, not a filled box.
    EXPECT_GE(arrow, 7);
    EXPECT_LE(arrow, 20);
}

TEST_F(SkinnedMenus, PopupMenusAreDrawnFromTheSkinButOneTaggedToBeLeftAlone) {
    // As both programs are set up: main menus and popup menus skinned, which leaves no
    // xcMenuItem once the skin data is loaded.
    MakeForm();
    ASSERT_FALSE(InSet(form_->Skin()->SkinControls, xcMenuItem));
    ASSERT_TRUE(InSet(form_->Skin()->SkinControls, xcPopupMenu));
    std::vector<ui::TPopupMenu*> popups;
    for (ui::TComponent* c : form_->Components())
        if (auto* p = dynamic_cast<ui::TPopupMenu*>(c)) popups.push_back(p);
    ASSERT_EQ(popups.size(), 2u);
    const auto skinned = [](const ui::TPopupMenu& p) {
        return p.OwnerDraw && p.Items[0].OnDrawItem && p.Items[1].OnDrawItem;
    };
    EXPECT_TRUE(skinned(*popups[0]));
    EXPECT_EQ(popups[1]->Tag(), 99);
    EXPECT_FALSE(popups[1]->OwnerDraw);
    EXPECT_FALSE(popups[1]->Items[0].OnDrawItem);
    // A new skin keeps them so.
    skinner_->Refresh();
    EXPECT_TRUE(skinned(*popups[0]));
    EXPECT_FALSE(popups[1]->Items[0].OnDrawItem);
    // On the screen, an item not selected shows the skin's item picture; the compositor is
    // asked to leave the menu window's corners square, as the skin draws them.
    TPixel item = 0;
    TCompositorRecorder compositor;
    std::vector<TCompositorRecorder::Call> asked;
    ASSERT_TRUE(RunSteps({{[] { return !MenuWindows().empty(); },
                           [&] {
                               asked = compositor.calls[MenuWindows().front()];
                               Sleep(200);
                               RECT r{};
                               GetMenuItemRect(nullptr, popups[0]->Handle(), 1, &r);
                               item = ScreenPixel(r.right - 3, (r.top + r.bottom) / 2);
                               testing_desktop::SaveScreenshot(L"skinned_menus_popup");
                               EndMenu();
                           }}},
                         [&] { popups[0]->Popup(320, 300); }));
    EXPECT_EQ(item, Colour(kItemStrip, 1));
    EXPECT_EQ(asked, (std::vector<TCompositorRecorder::Call>{
                         {kDwmWindowCornerPreference, kDwmCornerDoNotRound}}));
    // Skinning off gives the popups back to the system.
    form_->Skin()->SetActive(false);
    EXPECT_TRUE(PumpUntil([&] { return !popups[0]->Items[0].OnDrawItem; }));
}

} // namespace

namespace {

// A menu stays open while its skinner goes: the form freed on close (its release message runs
// inside the menu's loop), or skinning switched off from the manager's timer. The menu ends, the
// window stays usable and nothing touches the freed skinner, its popup or its menu bar.
TEST_F(SkinnedMenus, AMenuOutlivesItsSkinner) {
    struct TCase {
        const char* name;
        bool systemMenu;  // else the File menu of the bar
        bool releaseForm; // else skinning off
    };
    const TCase cases[] = {
        {"system menu, form released", true, true},
        {"bar menu, form released", false, true},
        {"system menu, skinning off", true, false},
        {"bar menu, skinning off", false, false},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.name);
        MakeForm();
        const HWND window = window_;
        TSkinData* skin = form_->Skin();
        testing_memory::TFreedMemoryWatch watch;
        const bool ran = RunSteps({{[] { return !MenuWindows().empty(); },
                                    [&] {
                                        if (c.releaseForm) {
                                            form_->Release();
                                        } else {
                                            skin->SetActive(false);
                                        }
                                    }},
                                   // Gone, and the menu with it, without anyone closing it.
                                   {[&] {
                                        return !SkinManage()->FindSkinForm(window) &&
                                               MenuWindows().empty() &&
                                               TWinSkinForm::OpenMenuBarIndex() == std::nullopt;
                                    },
                                    [] {}}},
                                  [&] {
                                      if (c.systemMenu) {
                                          PostMessageW(window, WM_SYSCOMMAND, SC_KEYMENU, ' ');
                                      } else {
                                          ClickAt(OnBarButton(kFile));
                                      }
                                  });
        EXPECT_TRUE(ran) << "stopped at step " << stepAt;
        EXPECT_EQ(watch.Overwritten(), 0u);
        EXPECT_TRUE(errors_.empty());
        if (c.releaseForm) {
            EXPECT_FALSE(IsWindow(window));
        } else {
            // The window has its own menu back and goes on working.
            EXPECT_NE(GetMenu(window), nullptr);
            EXPECT_NE(SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_BLOCK, 1000, nullptr), 0);
            ui::Free(form_);
            // A manager of its own for the next form: this one has skinning off.
            FreeSkinManage();
            UseFormSkinning();
        }
        form_ = nullptr;
        skinner_ = nullptr;
        Pump(200ms);
    }
}

} // namespace
