// The skinned edit border.
#include "skin/controls/frames/skin_edit.h"

#include "skin/controls/frames/frame_rules.h"
#include "skin/runtime/skin_data.h"
#include "skin/runtime/skin_messages.h"

#include "ui/graphics.h"
#include "ui/message_params.h"
#include "ui/win_handles.h"

namespace {

constexpr COLORREF kWhite = 0xFFFFFF;

void Frame(HDC dc, RECT r, int inset, COLORREF colour) {
    InflateRect(&r, -inset, -inset);
    const ui::GdiHandle<HBRUSH> brush(CreateSolidBrush(colour));
    FrameRect(dc, &r, brush.get());
}

} // namespace

const ui::TClassInfo& TSkinEdit::StaticClass() {
    static const ui::TClassInfo info(L"TSkinEdit", &TSkinControl::StaticClass());
    return info;
}

SIZE TSkinEdit::WindowSize() const {
    RECT r{};
    GetWindowRect(handle, &r);
    return {r.right - r.left, r.bottom - r.top};
}

SIZE TSkinEdit::ClientSize() const {
    RECT r{};
    GetClientRect(handle, &r);
    return {r.right, r.bottom};
}

bool TSkinEdit::BeforeMessage(ui::TMessage& msg) {
    if (msg.Msg != WM_PRINT) return TSkinControl::BeforeMessage(msg);
    const HDC dc = ui::DcParam(msg);
    {
        // The edit's print leaves the DC clipped to its text; the border goes around that.
        const ui::SavedDC saved(dc);
        if (!CallDefault(msg)) return false;
    }
    PrintBorder(dc);
    return false;
}

void TSkinEdit::AfterMessage(ui::TMessage& msg) {
    switch (msg.Msg) {
    case SM_PAINTCLIENT:
        if (msg.LParam == kSkinCheck) PaintOwnClient(msg);
        break;
    case WM_NCPAINT:
        // The edit's border is non-client: it is drawn again here without any client paint
        // (a frame change, and on Windows a themed edit's hover and focus), over the skin's.
        PaintWindow(nullptr);
        break;
    default:
        TSkinControl::AfterMessage(msg);
        break;
    }
}

void TSkinEdit::DrawSkin(HDC dc, const RECT& rect) {
    AttachUpDown();
    const SIZE window = WindowSize(), client = ClientSize();
    if (!EditHasBorder(window.cx, window.cy, client.cx, client.cy)) return;
    Frame(dc, rect, 0, ui::ColorRef(SkinColour(kButtonShadow)));
    Frame(dc, rect, 1, kWhite);
    Frame(dc, rect, 2, kWhite);
}

void TSkinEdit::AttachUpDown() {
    if (upDown_ || !handle || !skin || !InSet(skin->SkinControls, xcSpin)) return;
    if (const HWND spin = FindUpDownChild(handle, true))
        upDown_ = AttachOwnedUpDown(this, spin, skin, canvas, true);
}

void TSkinEdit::Detach() {
    TSkinControl::Detach();
    // Detached, not freed: whoever stops skinning may be walking the skin controls.
    if (upDown_) upDown_->Detach();
}

void TSkinEdit::PrintBorder(HDC dc) {
    if (!dc) return;
    const SIZE window = WindowSize(), client = ClientSize();
    const RECT r{0, 0, window.cx, window.cy};
    if (EditPrintsBorder(window.cx, window.cy, client.cx, client.cy)) {
        RECT inner = r;
        InflateRect(&inner, -1, -1);
        FrameRect(dc, &inner, static_cast<HBRUSH>(GetCurrentObject(dc, OBJ_BRUSH)));
    }
    Frame(dc, r, 0, ui::ColorRef(SkinColour(kButtonShadow)));
}

void TSkinEdit::PaintOwnClient(ui::TMessage& msg) {
    ui::TMessage paint{WM_PAINT, msg.WParam, 0, 0};
    if (!CallDefault(paint)) return;
    msg.Result = kSkinCheck;
}
