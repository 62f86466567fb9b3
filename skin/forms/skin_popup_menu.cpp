// The popup menu window's skinner. Its background is composed at the window's size from the
// MenuBackground element (a nine-grid) and kept: the frame is drawn from it, and the item painter
// copies each item's part of it before drawing the item, so items sit on the skin's background.
//
// Systems that draw the whole menu in its paint message (with no frame of their own) get the
// same picture there: the menu is printed over the background into an off-screen bitmap and
// copied in one blit, so it does not flicker.
#include "skin_popup_menu.h"

#include "gdi_scope.h"
#include "kept_surface.h"
#include "skin_bitmaps.h"
#include "skin_data.h"
#include "skin_draw_text.h"
#include "skin_manager.h"
#include "skin_messages.h"
#include "skin_paint.h"

#include "ui/win_handles.h"

#include <memory>

namespace {

// Width of the popup window's frame, which the skin draws.
constexpr int kBorder = 3;
// The system's own: the menu a popup window shows.
constexpr UINT kGetMenu = 0x01E1; // MN_GETHMENU

// Where a menu is printed before it is copied to the screen.
const TDib& PaintSurface(int width, int height) {
    static thread_local TDib surface;
    return KeptSurface(surface, width, height);
}

} // namespace

TWinSkinPopMenu::TWinSkinPopMenu(TSkinData& skin, HWND window)
    : subclass_([this](ui::TMessage& m) { Procedure(m); }), skin_(skin), window_(window) {}

bool TWinSkinPopMenu::Attach() {
    // Menu windows take the ANSI calls: the system's menu class is registered both ways.
    return subclass_.Install(window_, false);
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
    delete this;
}

void TWinSkinPopMenu::Detach() {
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
    if (background_.Width() != w || background_.Height() != h)
        background_ = RenderNineGrid(w, h, skin_.Bitmaps().Of(e.Image),
                                     {e.LeftWidth, e.TopHeight, e.RightWidth, e.BottomHeight},
                                     false, e.Tile == 1, 1, 1);
    return !background_.Empty();
}

void TWinSkinPopMenu::PrintClient(ui::TMessage& m, HDC dc) {
    RECT client{};
    GetClientRect(window_, &client);
    const POINT offset = ClientOffset();
    BitBlt(dc, 0, 0, client.right, client.bottom, background_.Dc(), offset.x, offset.y, SRCCOPY);
    // The items inside the skin's frame; what the system paints around them stays covered.
    const TSavedDc saved(dc);
    RECT outer{};
    GetWindowRect(window_, &outer);
    IntersectClipRect(dc, kBorder - offset.x, kBorder - offset.y,
                      outer.right - outer.left - kBorder - offset.x,
                      outer.bottom - outer.top - kBorder - offset.y);
    SetBkMode(dc, TRANSPARENT);
    ui::TMessage print{WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), m.LParam, 0};
    if (!print.LParam) print.LParam = PRF_CLIENT;
    if (subclass_.Pass(print)) m.Result = print.Result;
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
        const int w = background_.Width(), h = background_.Height();
        const HDC source = background_.Dc();
        const ui::WindowDC dc(window_, ui::WindowDC::whole_window);
        // The frame, then everything (the items draw over it later).
        BitBlt(dc.dc(), 0, 0, w, kBorder, source, 0, 0, SRCCOPY);
        BitBlt(dc.dc(), 0, h - kBorder, w, kBorder, source, 0, h - kBorder, SRCCOPY);
        BitBlt(dc.dc(), 0, 0, kBorder, h, source, 0, 0, SRCCOPY);
        BitBlt(dc.dc(), w - kBorder, 0, kBorder, h, source, w - kBorder, 0, SRCCOPY);
        m.Result = 0;
        return;
    }
    case WM_PRINTCLIENT:
        if (!RenderBackground()) break;
        PrintClient(m, reinterpret_cast<HDC>(m.WParam));
        return;
    case WM_PAINT: {
        if (!RenderBackground()) break;
        const ui::PaintScope paint(window_);
        RECT client{};
        GetClientRect(window_, &client);
        const TDib& work = PaintSurface(client.right, client.bottom);
        if (work.Empty()) return;
        ui::TMessage print{WM_PRINTCLIENT, 0, PRF_CLIENT, 0};
        PrintClient(print, work.Dc());
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
