// The popup menu window's skinner. Its background is composed at the window's size from the
// MenuBackground element (a nine-grid) and kept: the frame is drawn from it, and the item painter
// copies each item's part of it before drawing the item, so items sit on the skin's background.
//
// The client area is painted here, not by the menu window: the background from the skin and
// each owner-drawn item by a WM_DRAWITEM sent to the menu's owner, as the system does for a
// changed selection. Wine's menu window prints itself over what is in the DC, but Windows' may
// fill its background first, and a menu window need not print at all; only items the system
// draws itself are taken from its printing. The picture is composed in an off-screen bitmap and
// copied in one blit, so it does not flicker.
#include "skin/forms/skin_popup_menu.h"

#include "skin/forms/compositor.h"

#include "skin/forms/kept_surface.h"
#include "skin/gdi/skin_bitmaps.h"
#include "skin/runtime/skin_data.h"
#include "skin/runtime/skin_draw_text.h"
#include "skin/runtime/skin_manager.h"
#include "skin/runtime/skin_messages.h"
#include "skin/gdi/skin_paint.h"
#include "skin/model/skin_geometry.h"

#include "ui/message_params.h"
#include "ui/win_handles.h"
#include "ui/window_dpi.h"

#include <memory>
#include <vector>

namespace {

// Width of the popup window's frame, which the skin draws (at kBaseDpi).
constexpr int kBorder = 3;
// What the compositor is asked for a menu window: its frame is no top-level frame of the
// compositor's, only its corners are rounded on Windows 11.
constexpr TCompositorFrame kMenuCorners{false, true};
// The system's own: the menu a popup window shows.
constexpr UINT kGetMenu = 0x01E1; // MN_GETHMENU

// Where a menu is printed before it is copied to the screen.
const TDib& PaintSurface(int width, int height) {
    static thread_local TDib surface;
    return KeptSurface(surface, width, height);
}

constexpr ATOM kMenuClass = 32768; // "#32768"

bool IsMenuWindow(HWND window) {
    return window && GetClassLongPtrW(window, GCW_ATOM) == kMenuClass;
}

// The window the open menus report to: their WM_DRAWITEM goes there. Windows names it in the
// thread's GUI information; Wine names the top menu window there, and makes the menus' owner
// the owner of every menu window.
HWND MenuOwner(HWND menuWindow) {
    GUITHREADINFO info{};
    info.cbSize = sizeof(info);
    HWND owner = GetGUIThreadInfo(GetWindowThreadProcessId(menuWindow, nullptr), &info)
                     ? info.hwndMenuOwner
                     : nullptr;
    if (!owner || IsMenuWindow(owner)) owner = GetWindow(owner ? owner : menuWindow, GW_OWNER);
    return owner;
}

// One item of a menu as its window shows it.
struct TShownItem {
    MENUITEMINFOW info{};
    RECT rect{}; // in the window's client area
};

std::vector<TShownItem> ShownItems(HWND window, HMENU menu) {
    std::vector<TShownItem> items;
    const int count = menu ? GetMenuItemCount(menu) : 0;
    for (int i = 0; i < count; ++i) {
        TShownItem item;
        item.info.cbSize = sizeof(item.info);
        item.info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID | MIIM_DATA;
        if (!GetMenuItemInfoW(menu, static_cast<UINT>(i), TRUE, &item.info) ||
            !GetMenuItemRect(window, menu, static_cast<UINT>(i), &item.rect))
            continue;
        MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&item.rect), 2);
        items.push_back(item);
    }
    return items;
}

bool OwnerDrawn(const TShownItem& item) {
    return (item.info.fType & MFT_OWNERDRAW) != 0;
}

UINT OwnerDrawState(UINT menuState) {
    UINT state = 0;
    if (menuState & MFS_HILITE) state |= ODS_SELECTED;
    if (menuState & MFS_GRAYED) state |= ODS_GRAYED | ODS_DISABLED;
    if (menuState & MFS_CHECKED) state |= ODS_CHECKED;
    if (menuState & MFS_DEFAULT) state |= ODS_DEFAULT;
    return state;
}

} // namespace

TWinSkinPopMenu::TWinSkinPopMenu(TSkinData& skin, HWND window)
    : subclass_([this](ui::TMessage& m) { Procedure(m); }), skin_(skin), window_(window),
      dpi_(ui::WindowDpi(window)), border_(ScaleMeasure(kBorder, dpi_)) {}

bool TWinSkinPopMenu::Attach() {
    // Menu windows take the ANSI calls: the system's menu class is registered both ways.
    if (!subclass_.Install(window_, false)) return false;
    // Windows 11 rounds menu windows; the skin draws the menu's corners square.
    SetCompositorFrame(window_, kMenuCorners, true);
    return true;
}

HMENU TWinSkinPopMenu::Menu() const {
    if (!menu_ && IsWindow(window_))
        menu_ = reinterpret_cast<HMENU>(SendMessageW(window_, kGetMenu, 0, 0));
    return menu_;
}

POINT TWinSkinPopMenu::ClientOffset() const {
    RECT outer{};
    GetWindowRect(window_, &outer);
    POINT origin{0, 0};
    ClientToScreen(window_, &origin);
    return {origin.x - outer.left, origin.y - outer.top};
}

void TWinSkinPopMenu::FreeSkinner() {
    Detach();
    *alive_ = false;
    delete this;
}

void TWinSkinPopMenu::Detach() {
    if (subclass_.Installed() && IsWindow(window_)) SetCompositorFrame(window_, kMenuCorners, false);
    subclass_.Release();
    background_ = TDib();
}

bool TWinSkinPopMenu::RenderBackground() {
    if (!skin_.SkinLoaded() || !skin_.Elements().MenuBackground) return false;
    const TDataSkinObject& e = *skin_.Elements().MenuBackground;
    RECT r{};
    GetWindowRect(window_, &r);
    const int w = r.right - r.left;
    const int h = r.bottom - r.top;
    if (w <= 0 || h <= 0) return false;
    if (background_.Width() != w || background_.Height() != h) {
        const auto strip = skin_.Bitmaps().CutAtDpi(e.Image, e.Image2x, {1, false, MarginsOf(e)},
                                                     dpi_);
        background_ = RenderNineGrid(w, h, *strip.Strip, strip.Margins, false, e.Tile == 1, 1, 1);
    }
    return !background_.Empty();
}

void TWinSkinPopMenu::PaintFrame(HDC dc) const {
    const int w = background_.Width(), h = background_.Height();
    const HDC source = background_.Dc();
    const int b = border_;
    BitBlt(dc, 0, 0, w, b, source, 0, 0, SRCCOPY);
    BitBlt(dc, 0, h - b, w, b, source, 0, h - b, SRCCOPY);
    BitBlt(dc, 0, 0, b, h, source, 0, 0, SRCCOPY);
    BitBlt(dc, w - b, 0, b, h, source, w - b, 0, SRCCOPY);
}

bool TWinSkinPopMenu::PrintClient(HDC dc, LPARAM printFlags) {
    RECT client{};
    GetClientRect(window_, &client);
    const POINT offset = ClientOffset();
    BitBlt(dc, 0, 0, client.right, client.bottom, background_.Dc(), offset.x, offset.y, SRCCOPY);
    // The items inside the skin's frame; what the system paints around them stays covered.
    const ui::SavedDC saved(dc);
    RECT outer{};
    GetWindowRect(window_, &outer);
    IntersectClipRect(dc, border_ - offset.x, border_ - offset.y,
                      outer.right - outer.left - border_ - offset.x,
                      outer.bottom - outer.top - border_ - offset.y);
    SetBkMode(dc, TRANSPARENT);
    ui::TMessage print{WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc),
                       printFlags ? printFlags : PRF_CLIENT, 0};
    return subclass_.Pass(print);
}

void TWinSkinPopMenu::PaintClient(HDC dc, LPARAM printFlags) {
    const HMENU menu = Menu();
    const std::vector<TShownItem> items = ShownItems(window_, menu);
    // Without an owner to ask, the system's printing is all there is to show the items.
    const HWND owner = MenuOwner(window_);
    const auto ours = [owner](const TShownItem& item) { return owner && OwnerDrawn(item); };
    bool systemItems = false;
    for (const TShownItem& item : items)
        systemItems = systemItems || !ours(item);
    if (systemItems && !PrintClient(dc, printFlags)) return;
    RECT client{};
    GetClientRect(window_, &client);
    const POINT offset = ClientOffset();
    {
        // Whatever the system's printing did elsewhere, the rest is the skin's.
        const ui::SavedDC saved(dc);
        for (const TShownItem& item : items)
            if (!ours(item))
                ExcludeClipRect(dc, item.rect.left, item.rect.top, item.rect.right,
                                item.rect.bottom);
        BitBlt(dc, 0, 0, client.right, client.bottom, background_.Dc(), offset.x, offset.y,
               SRCCOPY);
    }
    const std::shared_ptr<bool> alive = alive_;
    for (const TShownItem& item : items) {
        if (!*alive) return;
        if (!ours(item)) continue;
        DRAWITEMSTRUCT draw{};
        draw.CtlType = ODT_MENU;
        draw.itemID = item.info.wID;
        draw.itemAction = ODA_DRAWENTIRE;
        draw.itemState = OwnerDrawState(item.info.fState);
        draw.hwndItem = reinterpret_cast<HWND>(menu);
        draw.hDC = dc;
        draw.rcItem = item.rect;
        draw.itemData = item.info.dwItemData;
        const ui::SavedDC saved(dc);
        IntersectClipRect(dc, item.rect.left, item.rect.top, item.rect.right, item.rect.bottom);
        SendMessageW(owner, WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&draw));
    }
}

void TWinSkinPopMenu::Procedure(ui::TMessage& m) {
    if (m.Msg == SM_ISSKINNED) {
        m.Result = 1;
        return;
    }
    const TSkinManage* manager = SkinManage();
    if (!manager || !manager->SkinningOn) {
        (void)subclass_.Pass(m);
        return;
    }
    switch (m.Msg) {
    case WM_DESTROY:
        if (!subclass_.Pass(m)) return;
        Detach();
        return;
    case WM_ERASEBKGND:
        // The NT family erases as usual unless the skin asks for its background; the 9x family's
        // erase would show through the skin's.
        if (UnicodeDrawing() && !InSet(skin_.Options, xoMenuBG) && !subclass_.Pass(m)) return;
        m.Result = 1;
        return;
    case WM_NCPAINT: {
        if (!RenderBackground()) break;
        const ui::WindowDC dc(window_, ui::WindowDC::whole_window);
        PaintFrame(dc.dc());
        m.Result = 0;
        return;
    }
    case WM_PRINT: {
        // Windows prints a menu window whole for its opening animation: the frame the system
        // would print is the skin's here, and the client area is the one painted below.
        if (!RenderBackground()) break;
        const HDC dc = ui::DcParam(m);
        if (m.LParam & PRF_NONCLIENT) PaintFrame(dc);
        if (m.LParam & PRF_CLIENT) {
            const ui::SavedDC saved(dc);
            const POINT offset = ClientOffset();
            OffsetViewportOrgEx(dc, offset.x, offset.y, nullptr);
            PaintClient(dc, m.LParam);
        }
        m.Result = 0;
        return;
    }
    case WM_PRINTCLIENT:
        // Windows prints a menu window for its opening animation.
        if (!RenderBackground()) break;
        PaintClient(ui::DcParam(m), m.LParam);
        m.Result = 0;
        return;
    case WM_PAINT: {
        if (!RenderBackground()) break;
        const ui::PaintScope paint(window_);
        RECT client{};
        GetClientRect(window_, &client);
        const TDib& work = PaintSurface(client.right, client.bottom);
        if (work.Empty()) return;
        PaintClient(work.Dc(), PRF_CLIENT);
        BitBlt(paint.dc(), 0, 0, client.right, client.bottom, work.Dc(), 0, 0, SRCCOPY);
        m.Result = 0;
        return;
    }
    default:
        break;
    }
    (void)subclass_.Pass(m);
}

TPopupSkinnerLink* CreateWinSkinPopMenu(TSkinData& skin, HWND window) {
    auto* popup = new TWinSkinPopMenu(skin, window);
    if (popup->Attach()) return popup;
    popup->FreeSkinner();
    return nullptr;
}
