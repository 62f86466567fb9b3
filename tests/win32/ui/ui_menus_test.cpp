// Menus of the class library under Wine: a popup's owner-drawn items measured and drawn by their
// handlers (the others left to the system), the chosen item's click in a submenu and at the top,
// and a main menu as a form's menu bar whose commands reach their items.
#include "tests/win32/ui/ui_test_app.h"
#include "ui/menus.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace {

using namespace std::chrono_literals;

ui::TMenuItem Item(const std::wstring& caption, std::vector<ui::TMenuItem> children = {}) {
    ui::TMenuItem item;
    item.Caption = caption;
    item.Items = std::move(children);
    return item;
}

// Runs `inside` once the popup shows (a menu's loop runs timers).
std::function<void()> inside;
void CALLBACK WhenShown(HWND, UINT, UINT_PTR id, DWORD) {
    const HWND menu = FindWindowW(L"#32768", nullptr);
    if (!menu || !IsWindowVisible(menu) || !inside) return;
    KillTimer(nullptr, id);
    const auto run = std::exchange(inside, nullptr);
    run();
}

class UiMenus : public ui_test::AppTest {
protected:
    // Shows `menu` at (100, 100), runs `whileOpen` inside it, and gives what Popup returned.
    int PopupRunning(ui::TPopupMenu& menu, std::function<void()> whileOpen) {
        inside = std::move(whileOpen);
        SetTimer(nullptr, 0, 50, WhenShown);
        return menu.Popup(100, 100);
    }
    static void Key(WPARAM vk) { PostMessageW(FindWindowW(L"#32768", nullptr), WM_KEYDOWN, vk, 0); }
};

TEST_F(UiMenus, OwnerDrawnItemsGoThroughTheirHandlers) {
    ui::TPopupMenu menu(nullptr);
    menu.OwnerDraw = true;
    menu.Items = {Item(L"Drawn"), Item(L"Plain"), Item(L"-")};
    std::vector<std::wstring> drawn;
    int measuredIn = 0;
    for (ui::TMenuItem* item : {&menu.Items[0], &menu.Items[2]}) {
        item->OnDrawItem = [&](ui::TMenuItem& i, const ui::TMenuItemDraw& d) {
            drawn.push_back(i.Caption);
            EXPECT_NE(d.Dc, nullptr);
            EXPECT_EQ(d.Menu, menu.Handle());
        };
        item->OnMeasureItem = [&](ui::TMenuItem& i, HDC, int& width, int& height) {
            if (!i.IsSeparator()) measuredIn = width;
            width = 150;
            height = i.IsSeparator() ? 6 : 30;
        };
    }
    RECT drawnRect{}, plainRect{};
    UINT plainType = 0;
    PopupRunning(menu, [&] {
        Sleep(100);
        GetMenuItemRect(nullptr, menu.Handle(), 0, &drawnRect);
        GetMenuItemRect(nullptr, menu.Handle(), 1, &plainRect);
        MENUITEMINFOW info{};
        info.cbSize = sizeof(info);
        info.fMask = MIIM_FTYPE;
        GetMenuItemInfoW(menu.Handle(), 1, TRUE, &info);
        plainType = info.fType;
        EndMenu();
    });
    // The library's own measure came in: the caption's width at least.
    EXPECT_GT(measuredIn, 10);
    EXPECT_EQ(drawnRect.bottom - drawnRect.top, 30);
    EXPECT_GE(drawnRect.right - drawnRect.left, 150);
    EXPECT_EQ(plainType & MFT_OWNERDRAW, 0u) << "no handler: the system's";
    EXPECT_NE(std::find(drawn.begin(), drawn.end(), L"Drawn"), drawn.end());
    EXPECT_NE(std::find(drawn.begin(), drawn.end(), L"-"), drawn.end());
    EXPECT_EQ(std::find(drawn.begin(), drawn.end(), L"Plain"), drawn.end());
    EXPECT_EQ(menu.Handle(), nullptr) << "the native menu lives while shown";
}

TEST_F(UiMenus, TheChosenItemClicks) {
    ui::TPopupMenu menu(nullptr);
    menu.Items = {Item(L"Top"), Item(L"Sub", {Item(L"Deep")})};
    std::vector<std::wstring> clicks;
    for (ui::TMenuItem* item : {&menu.Items[0], &menu.Items[1].Items[0]})
        item->OnClick = [&](ui::TMenuItem& i) { clicks.push_back(i.Caption); };
    // The first item from the keyboard: its index comes back.
    EXPECT_EQ(PopupRunning(menu,
                           [] {
                               Key(VK_DOWN);
                               Key(VK_RETURN);
                           }),
              0);
    // The submenu's item: clicked, but it is no top-level item.
    EXPECT_EQ(PopupRunning(menu,
                           [] {
                               Key(VK_DOWN);
                               Key(VK_DOWN);
                               Key(VK_RIGHT);
                               Key(VK_RETURN);
                           }),
              -1);
    EXPECT_EQ(clicks, (std::vector<std::wstring>{L"Top", L"Deep"}));
    // Left without a choice.
    EXPECT_EQ(PopupRunning(menu, [] { EndMenu(); }), -1);
    EXPECT_EQ(clicks.size(), 2u);
}

// A form's window is made where the form stands and at its client size, with a menu bar
// (which takes its height from the frame measured beforehand) as without.
TEST_F(UiMenus, AFormsWindowComesAtItsPlaceAndClientSize) {
    for (const bool with_menu : {false, true}) {
        SCOPED_TRACE(with_menu ? "with a menu bar" : "without");
        auto* form = new ui::TForm(app_.get());
        form->SetBounds(40, 50, 300, 200);
        form->SetClientWidth(240);
        form->SetClientHeight(150);
        if (with_menu) {
            auto* menu = new ui::TMainMenu(form);
            menu->Items = {Item(L"&File"), Item(L"&Go")};
            form->SetMenu(menu);
        }
        const HWND window = form->Handle();
        EXPECT_EQ(GetMenu(window) != nullptr, with_menu);
        RECT client{}, outer{};
        GetClientRect(window, &client);
        GetWindowRect(window, &outer);
        EXPECT_EQ(client.right, 240);
        EXPECT_EQ(client.bottom, 150);
        EXPECT_EQ(outer.left, 40);
        EXPECT_EQ(outer.top, 50);
        EXPECT_EQ(form->Width(), outer.right - outer.left);
        EXPECT_EQ(form->Height(), outer.bottom - outer.top);
        ui::Free(form);
    }
}

TEST_F(UiMenus, AMainMenuIsTheFormsMenuBar) {
    auto* form = new ui::TForm(app_.get());
    auto* menu = new ui::TMainMenu(form);
    menu->Items = {Item(L"&File", {Item(L"&Open"), Item(L"Hidden")}), Item(L"&Go")};
    menu->Items[0].Items[1].Visible = false;
    int opens = 0, goes = 0;
    menu->Items[0].Items[0].OnClick = [&](ui::TMenuItem&) { ++opens; };
    menu->Items[1].OnClick = [&](ui::TMenuItem&) { ++goes; };
    form->SetMenu(menu);
    form->Show();
    const HMENU bar = GetMenu(form->Handle());
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(bar, menu->Handle());
    EXPECT_EQ(GetMenuItemCount(bar), 2);
    const HMENU file = GetSubMenu(bar, 0);
    EXPECT_EQ(GetMenuItemCount(file), 1) << "the hidden item is left out";
    EXPECT_EQ(menu->FindItemByHandle(file), &menu->Items[0]);
    const UINT open = menu->Items[0].Items[0].Command();
    EXPECT_EQ(GetMenuItemID(file, 0), open);
    EXPECT_EQ(menu->FindItem(open), &menu->Items[0].Items[0]);

    SendMessageW(form->Handle(), WM_COMMAND, open, 0);
    SendMessageW(form->Handle(), WM_COMMAND, menu->Items[1].Command(), 0);
    // Not a menu's: a control's notification, or an id the menu does not know.
    SendMessageW(form->Handle(), WM_COMMAND, MAKEWPARAM(open, 1), 0);
    EXPECT_EQ(menu->FindItem(0xEFFF + 1), nullptr);
    EXPECT_EQ(opens, 1);
    EXPECT_EQ(goes, 1);

    // The form lets go of a menu that goes.
    ui::Free(menu);
    EXPECT_EQ(form->Menu(), nullptr);
    EXPECT_EQ(GetMenu(form->Handle()), nullptr);
}

} // namespace
