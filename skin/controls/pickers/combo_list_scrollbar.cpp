// The drop-down list's skinned scroll bar and its own thumb drag.
#include "skin/controls/pickers/combo_list_scrollbar.h"

#include "skin/controls/scroll/scroll_paint.h"

#include "skin/runtime/skin_platform.h"

#include "ui/color.h"
#include "ui/message_params.h"
#include "ui/win_handles.h"
#include "ui/window_dpi.h"

namespace {

// What the combo box sends its list when the list starts tracking the mouse.
constexpr UINT kListStartTrack = 0x01AE;

} // namespace

TComboxScrollBar::TComboxScrollBar(ui::TComponent* owner)
    : TSkinControl(owner) {}

TComboxScrollBar::~TComboxScrollBar() {
    *alive_ = false;
}

const ui::TClassInfo& TComboxScrollBar::StaticClass() {
    static const ui::TClassInfo info(L"TComboxScrollBar", &TSkinControl::StaticClass());
    return info;
}

bool TComboxScrollBar::BeforeMessage(ui::TMessage& msg) {
    if (selection_.Handle(handle, skin, msg, [&] { return CallDefault(msg); },
                          [&] { AfterMessage(msg); }))
        return false;
    switch (msg.Msg) {
    case WM_NCMOUSEMOVE:
        // The system's hot tracking of the bar would draw its own look over ours.
        return msg.WParam != HTHSCROLL && msg.WParam != HTVSCROLL;
    case WM_NCLBUTTONDOWN:
        return !DragThumb(msg);
    default:
        return TSkinControl::BeforeMessage(msg);
    }
}

void TComboxScrollBar::AfterMessage(ui::TMessage& msg) {
    switch (msg.Msg) {
    case WM_NCPAINT:
    case WM_HSCROLL:
    case WM_VSCROLL:
    case kListStartTrack:
        PaintWindow(nullptr);
        break;
    default:
        TSkinControl::AfterMessage(msg);
        break;
    }
}

void TComboxScrollBar::DrawSkin(HDC dc, const RECT& rect) {
    if (!skin) return;
    // The list's border is drawn in the system's window-frame colour: the skin's border colour
    // goes over it, as around the skin's other boxes.
    if (Style() & WS_BORDER) {
        const ui::GdiHandle<HBRUSH> border(
            CreateSolidBrush(ui::ColorRef(SkinColour(kButtonShadow))));
        FrameRect(dc, &rect, border.get());
    }
    if (!SkinHasScrollBars(*skin)) return;
    SCROLLBARINFO info{};
    info.cbSize = sizeof(info);
    if (!SkinGetScrollBarInfo(handle, OBJID_VSCROLL, info)) return;
    if (info.rgstate[0] & STATE_SYSTEM_INVISIBLE) return;
    RECT bar = info.rcScrollBar;
    OffsetRect(&bar, -windowRect.left, -windowRect.top);
    if (bar.left < rect.left || bar.top < rect.top || bar.right > rect.right ||
        bar.bottom > rect.bottom || IsRectEmpty(&bar))
        return;
    TScrollLook look;
    look.Vertical = true;
    look.Width = bar.right - bar.left;
    look.Height = bar.bottom - bar.top;
    look.Arrow = ui::MetricAtDpi(SM_CXHSCROLL, Dpi());
    look.ThumbStart = info.xyThumbTop;
    look.ThumbEnd = info.xyThumbBottom;
    look.Enabled = (info.rgstate[0] & STATE_SYSTEM_UNAVAILABLE) == 0;
    look.HitPart = dragging_ ? kScrollThumb : kScrollPartNone;
    look.Pressed = dragging_;
    PaintSkinScrollBar(dc, {bar.left, bar.top}, *skin, surface_, look,
                       ScrollBarPictureDpi(*skin, Dpi(), look.Width));
}

bool TComboxScrollBar::DragThumb(const ui::TMessage& msg) {
    if (msg.WParam != HTVSCROLL) return false;
    SCROLLBARINFO info{};
    info.cbSize = sizeof(info);
    if (!SkinGetScrollBarInfo(handle, OBJID_VSCROLL, info)) return false;
    const int y = ui::PointParam(msg).y;
    const int top = info.rcScrollBar.top;
    if (y < top + info.xyThumbTop || y >= top + info.xyThumbBottom) return false;

    SCROLLINFO si{};
    si.cbSize = sizeof(si);
    si.fMask = SIF_ALL;
    if (!GetScrollInfo(handle, SB_VERT, &si)) return false;
    const int arrow = ui::MetricAtDpi(SM_CXHSCROLL, Dpi());
    const TListThumbDrag drag{info.xyThumbTop - arrow,
                              info.rcScrollBar.bottom - top - 2 * arrow,
                              info.xyThumbBottom - info.xyThumbTop,
                              si.nMin,
                              si.nMax,
                              static_cast<int>(si.nPage)};
    const HWND list = handle;
    const std::shared_ptr<bool> alive = alive_;
    SetCapture(list);
    POINT start{};
    GetCursorPos(&start);
    int position = si.nPos;
    dragging_ = true;
    PaintWindow(nullptr);
    auto scroll = [list](int code, int at) {
        SendMessageW(list, WM_VSCROLL, MAKEWPARAM(code, at), 0);
    };
    for (;;) {
        // The drag ends with the button, and also when someone else takes the mouse away:
        // no button-up would ever reach us then.
        if (GetCapture() != list) break;
        MSG m;
        if (!PeekMessageW(&m, nullptr, 0, 0, PM_REMOVE)) {
            WaitMessage();
            continue;
        }
        if (m.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(m.wParam));
            break;
        }
        if (m.message == WM_LBUTTONUP || m.message == WM_NCLBUTTONUP) break;
        TranslateMessage(&m);
        DispatchMessageW(&m);
        if (m.message != WM_MOUSEMOVE && m.message != WM_NCMOUSEMOVE) continue;
        POINT cursor{};
        GetCursorPos(&cursor);
        const int now = ListThumbPosition(drag, cursor.y - start.y);
        if (now == position) continue;
        position = now;
        scroll(SB_THUMBTRACK, position);
    }
    scroll(SB_THUMBPOSITION, position);
    PostMessageW(list, WM_VSCROLL, SB_ENDSCROLL, 0);
    if (GetCapture() == list) ReleaseCapture();
    if (*alive) dragging_ = false;
    return true;
}
