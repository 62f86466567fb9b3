// Skinned up-down controls: the two halves by their states, composed off screen.
#include "skin/controls/values/skin_updown.h"

#include "skin/controls/base/skin_control_rules.h"
#include "skin/controls/values/value_rules.h"

#include "skin/gdi/skin_paint.h"
#include "skin/runtime/skin_platform.h"

#include "ui/color.h"
#include "ui/control.h"
#include "ui/messages.h"
#include "ui/persistent.h"
#include "ui/win_handles.h"

#include <commctrl.h>

#include <algorithm>

namespace {

void FillWhite(HDC dc, HWND window) {
    RECT client{};
    GetClientRect(window, &client);
    FillRect(dc, &client, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
}

} // namespace

const ui::TClassInfo& TSkinUpDown::StaticClass() {
    static const ui::TClassInfo info(L"TSkinUpDown", &TSkinControl::StaticClass());
    return info;
}

bool TSkinUpDown::EraseUnderFace(HDC dc, const RECT&) {
    // A class-library control's background is painted over whole by the skin.
    if (!control) FillWhite(dc, handle);
    return true;
}

bool TSkinUpDown::BeforeMessage(ui::TMessage& msg) {
    switch (msg.Msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        // The control steps (and captures the mouse) first; the press is shown after it.
        if (!CallDefault(msg)) return false;
        SetMouseBit(kPressed, true);
        PaintWindow(nullptr);
        return false;
    case WM_LBUTTONUP:
        SetMouseBit(kPressed, false);
        if (!CallDefault(msg)) return false;
        PaintWindow(nullptr);
        return false;
    default:
        return TSkinControl::BeforeMessage(msg);
    }
}

void TSkinUpDown::AfterMessage(ui::TMessage& msg) {
    switch (msg.Msg) {
    case WM_MOUSEMOVE: {
        const bool wasHot = Hot();
        SetMouseBit(kHot, !(Style() & WS_DISABLED));
        SkinTrackMouseLeave(handle);
        RECT r{};
        GetWindowRect(handle, &r);
        OffsetRect(&r, -r.left, -r.top);
        // Only a change of look repaints, so moving within a half does not flicker.
        if (Hot() != wasHot || HalfUnderCursor(DrawArea(r)) != lastHalf_) PaintWindow(nullptr);
        break;
    }
    case WM_MOUSELEAVE:
    case ui::CM_MOUSELEAVE:
        SetMouseBit(kHot, false);
        PaintWindow(nullptr);
        break;
    case WM_CAPTURECHANGED:
        // The press ended without a release here (another window took the mouse).
        if (Pressed()) {
            SetMouseBit(kPressed, false);
            PaintWindow(nullptr);
        }
        break;
    default:
        TSkinControl::AfterMessage(msg);
        break;
    }
}

bool TSkinUpDown::HorizontalLayout() const {
    return horizontal_ == 1 || (Style() & UDS_HORZ) != 0;
}

int TSkinUpDown::HalfUnderCursor(const RECT& area) const {
    POINT p{};
    GetCursorPos(&p);
    ScreenToClient(handle, &p);
    const int width = area.right - area.left, height = area.bottom - area.top;
    return UpDownHalfAt(UpDownHalves({0, 0, width, height}, HorizontalLayout()), p.x - area.left,
                        p.y - area.top);
}

RECT TSkinUpDown::DrawArea(const RECT& rect) const {
    RECT own{}, parent{};
    if (!embedded_ || !GetWindowRect(handle, &own) || !GetWindowRect(GetParent(handle), &parent))
        return rect;
    return ToRect(EmbeddedUpDownRect(ToPixelRect(rect), ToPixelRect(own), ToPixelRect(parent)));
}

void TSkinUpDown::DrawSkin(HDC dc, const RECT& rect) {
    if (embedded_) FillWhite(dc, handle);
    const RECT area = DrawArea(rect);
    const int width = area.right - area.left, height = area.bottom - area.top;
    if (width <= 0 || height <= 0) return;
    HDC face = offscreen_.Prepare(width, height);
    FillSkinColour(face, {0, 0, width, height});

    enabledLook = !(Style() & WS_DISABLED);
    const bool horizontal = HorizontalLayout();
    lastHalf_ = HalfUnderCursor(area);
    const TUpDownHalves halves = UpDownHalves({0, 0, width, height}, horizontal);
    const TUpDownStates states = UpDownHalfStates(enabledLook, Pressed(), Hot(), lastHalf_);
    const TDataSkinBorder* strip = nullptr;
    if (skin)
        strip = horizontal ? skin->Elements().UpDownHorz.get() : skin->Elements().UpDownVert.get();
    // The pictures at the density whose glyphs fit the halves: the system may size the arrows
    // for a lower density than the window's (a picker's own arrows).
    int dpi = Dpi();
    if (strip && !strip->Image2.Pixels.empty()) {
        const TPixelRect half = halves.First;
        const int frames = std::max(1, strip->Frame);
        dpi = std::min(
            FittingPictureDpi(dpi, half.Right - half.Left, strip->Image2.Width / frames),
            FittingPictureDpi(dpi, half.Bottom - half.Top, strip->Image2.Height));
    }
    struct Part {
        RECT half;
        int state;
        bool second;
    };
    const Part parts[] = {{ToRect(halves.First), states.First, false},
                          {ToRect(halves.Second), states.Second, true}};
    for (const Part& part : parts) {
        if (!strip) {
            DrawPlainHalf(face, part.half, part.state, part.second, horizontal);
            continue;
        }
        const int frame = UpDownFrame(part.state, part.second);
        DrawCell(face, part.half,
                 StripAtDpi(skin->Bitmaps(), strip->Image, strip->Image2x, strip->Frame, dpi),
                 true, strip->Frame, frame);
        // The glyphs have no larger copy: they are scaled from their own.
        if (!strip->Image2.Pixels.empty())
            DrawCentredCell(face, part.half,
                            StripAtDpi(skin->Bitmaps(), strip->Image2, {}, strip->Frame, dpi),
                            true, strip->Frame, frame);
    }
    offscreen_.CopyTo(dc, area);
}

void TSkinUpDown::DrawPlainHalf(HDC dc, const RECT& half, int state, bool second,
                                bool horizontal) const {
    const bool lit = state == 2 || state == 4;
    FillColour(dc, half, SkinColour(lit ? kButtonShadow : kButtonFace));
    const ui::GdiHandle<HBRUSH> frame(CreateSolidBrush(ui::ColorRef(SkinColour(kButtonDkShadow))));
    FrameRect(dc, &half, frame.get());
    const TArrowDirection direction =
        horizontal ? (second ? TArrowDirection::Right : TArrowDirection::Left)
                   : (second ? TArrowDirection::Down : TArrowDirection::Up);
    const ui::GdiHandle<HBRUSH> arrow(
        CreateSolidBrush(ui::ColorRef(SkinColour(state == 3 ? kButtonShadow : kButtonText))));
    for (const TPixelRect& line : UpDownArrowLines(ToPixelRect(half), direction)) {
        const RECT r = ToRect(line);
        FillRect(dc, &r, arrow.get());
    }
}

HWND FindUpDownChild(HWND parent, bool otherSpinners) {
    for (HWND child = GetTopWindow(parent); child; child = GetWindow(child, GW_HWNDNEXT)) {
        const std::wstring name = ui::LowerCase(ui::WindowClassName(child));
        if (name == L"msctls_updown32") return child;
        if (otherSpinners && (name.find(L"spin") != std::wstring::npos ||
                              name.find(L"updown") != std::wstring::npos))
            return child;
    }
    return nullptr;
}

TSkinUpDown* AttachOwnedUpDown(TSkinControl* owner, HWND window, TSkinData* skin,
                               ui::TCanvas* canvas, bool embedded, int horizontal) {
    auto* upDown = new TSkinUpDown(owner);
    upDown->SetEmbedded(embedded);
    upDown->SetHorizontal(horizontal);
    upDown->AttachWindow(window, skin, nullptr, canvas);
    return upDown;
}
