// A list box's selection in the skin's colours: printed off screen and recoloured, and its
// drawing held back while a message changes what it selects.
#include "skin/controls/base/list_selection.h"

#include "skin/model/skin_catalogue.h"
#include "skin/runtime/skin_data.h"

#include "ui/color.h"
#include "ui/win_handles.h"

#include <algorithm>

namespace {

RECT ClippedTo(const TDib& surface, const RECT& r) {
    return {std::max<int>(r.left, 0), std::max<int>(r.top, 0),
            std::min<int>(r.right, surface.Width()), std::min<int>(r.bottom, surface.Height())};
}

// The visible items of `list`, from the first: each one's index and rectangle.
template <class Visit> void ForVisibleItems(HWND list, Visit visit) {
    RECT client{};
    GetClientRect(list, &client);
    const auto count = static_cast<int>(SendMessageW(list, LB_GETCOUNT, 0, 0));
    for (auto i = static_cast<int>(SendMessageW(list, LB_GETTOPINDEX, 0, 0)); i >= 0 && i < count;
         ++i) {
        RECT item{};
        if (SendMessageW(list, LB_GETITEMRECT, static_cast<WPARAM>(i),
                         reinterpret_cast<LPARAM>(&item)) == LB_ERR)
            break;
        // Columns run down, then right: past the bottom of the last one nothing more shows.
        if (item.left >= client.right || (item.top >= client.bottom && item.left <= client.left))
            break;
        RECT shown{};
        if (IntersectRect(&shown, &item, &client)) visit(i, item);
    }
}

TListShown Shown(HWND list) {
    TListShown s;
    s.Top = static_cast<int>(SendMessageW(list, LB_GETTOPINDEX, 0, 0));
    s.Count = static_cast<int>(SendMessageW(list, LB_GETCOUNT, 0, 0));
    s.Caret = static_cast<int>(SendMessageW(list, LB_GETCARETINDEX, 0, 0));
    s.Focused = GetFocus() == list;
    ForVisibleItems(list, [&](int i, const RECT&) {
        s.Selected.push_back(SendMessageW(list, LB_GETSEL, static_cast<WPARAM>(i), 0) > 0);
    });
    return s;
}

// The messages after which a list box draws items at once rather than in its next WM_PAINT: the
// mouse and keys that select, focus and capture changes, and the selection messages.
bool DrawsAtOnce(HWND list, UINT msg) {
    switch (msg) {
    case WM_MOUSEMOVE: // selects only while the list holds the mouse (a drag, a dropped list)
        return GetCapture() == list;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_LBUTTONUP:
    case WM_RBUTTONDOWN:
    case WM_KEYDOWN:
    case WM_CHAR:
    case WM_TIMER:
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_CAPTURECHANGED:
    case WM_CANCELMODE:
    case WM_ENABLE:
    case LB_SETCURSEL:
    case LB_SETSEL:
    case LB_SELITEMRANGE:
    case LB_SELITEMRANGEEX:
    case LB_SETCARETINDEX:
    case LB_SELECTSTRING:
        return true;
    default:
        return false;
    }
}

} // namespace

std::optional<TSelectionColours> SkinSelectionColours(const TSkinData* skin) {
    if (!skin) return std::nullopt;
    const auto pixel = [](ui::TColor c) { return PixelFromColor(ui::ColorToRGB(c)); };
    const TSelectionColours colours{
        pixel(ui::clHighlight), pixel(ui::clHighlightText),
        pixel(SkinColourFor(skin->Elements(), ui::clHighlight)),
        pixel(SkinColourFor(skin->Elements(), ui::clHighlightText))};
    if (colours.SkinBack == colours.SystemBack && colours.SkinText == colours.SystemText)
        return std::nullopt;
    return colours;
}

void RecolourSelection(TDib& surface, const RECT& rect, const TSelectionColours& colours) {
    const auto [left, top, right, bottom] = ClippedTo(surface, rect);
    for (int y = top; y < bottom; ++y) {
        TPixel* row = surface.Row(y);
        for (int x = left; x < right; ++x)
            row[x] = RecolourSelectionPixel(row[x] & 0xFFFFFF, colours);
    }
}

RECT SelectionBox(const TDib& surface, const RECT& area, TPixel back) {
    const RECT within = ClippedTo(surface, area);
    RECT box{within.right, within.bottom, within.left, within.top};
    for (int y = within.top; y < within.bottom; ++y) {
        const TPixel* row = surface.Row(y);
        for (int x = within.left; x < within.right; ++x) {
            if ((row[x] & 0xFFFFFF) != back) continue;
            box = {std::min<int>(box.left, x), std::min<int>(box.top, y),
                   std::max<int>(box.right, x + 1), std::max<int>(box.bottom, y + 1)};
        }
    }
    return box;
}


bool TListSelection::Handle(HWND list, const TSkinData* skin, ui::TMessage& msg,
                            const std::function<bool()>& pass, const std::function<void()>& after) {
    const bool paint = msg.Msg == WM_PAINT && !msg.WParam;
    const bool print = msg.Msg == WM_PRINTCLIENT && msg.WParam && !composing_;
    // A message sent while one is held is covered by that one.
    const bool held = !holding_ && DrawsAtOnce(list, msg.Msg);
    if (!paint && !print && msg.Msg != WM_ERASEBKGND && !held) return false;
    const std::optional<TSelectionColours> colours = SkinSelectionColours(skin);
    if (!colours || !SystemDrawn(list)) return false;
    if (msg.Msg == WM_ERASEBKGND) {
        msg.Result = 1;
    } else if (print) {
        RECT client{};
        GetClientRect(list, &client);
        if (const HDC off = Compose(list, *colours))
            BitBlt(reinterpret_cast<HDC>(msg.WParam), 0, 0, client.right, client.bottom, off, 0,
                   0, SRCCOPY);
        msg.Result = 0;
    } else if (paint) {
        Paint(list, *colours);
        after();
    } else if (Hold(list, pass)) {
        after();
    }
    return true;
}

bool TListSelection::SystemDrawn(HWND list) {
    // Only list boxes know this message; they answer it with at least 1.
    if (!listBox_) listBox_ = SendMessageW(list, LB_GETITEMHEIGHT, 0, 0) > 0;
    const auto style = static_cast<DWORD>(GetWindowLongW(list, GWL_STYLE));
    return *listBox_ && !(style & (LBS_OWNERDRAWFIXED | LBS_OWNERDRAWVARIABLE));
}

void TListSelection::Paint(HWND list, const TSelectionColours& colours) {
    const ui::PaintScope paint(list);
    if (!paint.dc()) return;
    // A paint that comes while the drawing is held (a message box opened from a notification)
    // must show the list: its drawing is let go for the rest of the message.
    if (holding_) SendMessageW(list, WM_SETREDRAW, TRUE, 0);
    const HDC off = Compose(list, colours);
    if (!off) return;
    const RECT& r = paint.info().rcPaint;
    BitBlt(paint.dc(), r.left, r.top, r.right - r.left, r.bottom - r.top, off, r.left, r.top,
           SRCCOPY);
}

HDC TListSelection::Compose(HWND list, const TSelectionColours& colours) {
    RECT client{};
    GetClientRect(list, &client);
    const HDC off = surface_.Prepare(client.right, client.bottom);
    if (!off) return nullptr;
    composing_ = true;
    SendMessageW(list, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(off), PRF_CLIENT | PRF_ERASEBKGND);
    composing_ = false;
    TDib& surface = surface_.Surface();
    ForVisibleItems(list, [&](int i, const RECT& item) {
        if (SendMessageW(list, LB_GETSEL, static_cast<WPARAM>(i), 0) > 0)
            RecolourSelection(surface, item, colours);
    });
    return off;
}

bool TListSelection::Hold(HWND list, const std::function<bool()>& pass) {
    const TListShown before = Shown(list);
    holding_ = true;
    if (!WithDrawingHeld(list, pass)) {
        // This object went with its companion: the list paints itself whole.
        if (IsWindow(list)) InvalidateRect(list, nullptr, TRUE);
        return false;
    }
    holding_ = false;
    if (!IsWindow(list)) return true;
    const std::optional<std::vector<int>> items = ItemsToRepaint(before, Shown(list));
    if (!items) {
        InvalidateRect(list, nullptr, FALSE);
    } else {
        for (const int i : *items) {
            RECT r{};
            if (SendMessageW(list, LB_GETITEMRECT, static_cast<WPARAM>(i),
                             reinterpret_cast<LPARAM>(&r)) != LB_ERR)
                InvalidateRect(list, &r, FALSE);
        }
    }
    UpdateWindow(list);
    return true;
}

bool WithDrawingHeld(HWND window, const std::function<bool()>& pass) {
    SendMessageW(window, WM_SETREDRAW, FALSE, 0);
    const bool alive = pass();
    if (IsWindow(window)) SendMessageW(window, WM_SETREDRAW, TRUE, 0);
    return alive;
}
