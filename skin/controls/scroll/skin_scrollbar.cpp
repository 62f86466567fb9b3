// The companions of controls with scroll bars: their overlays placed, shown, hidden and painted
// as the control changes, the border of a control with a frame, the corner between two bars.
#include "skin/controls/scroll/skin_scrollbar.h"

#include "skin/runtime/skin_data.h"
#include "skin/runtime/skin_messages.h"

#include "ui/color.h"
#include "ui/message_params.h"
#include "ui/properties.h"
#include "ui/win_handles.h"

// ---- TSkinScrollbar

TSkinScrollbar::TSkinScrollbar(ui::TComponent* owner) : TSkinControl(owner) {}

TSkinScrollbar::~TSkinScrollbar() {
    overlays_.Free();
}

const ui::TClassInfo& TSkinScrollbar::StaticClass() {
    static const ui::TClassInfo info(L"TSkinScrollbar", &TSkinControl::StaticClass());
    return info;
}

void TSkinScrollbar::AttachScrollHost(ui::TControl*, TSkinData* skinData, TSkinControlHost* host,
                                      ui::TCanvas* sharedCanvas) {
    if (attached) return;
    HookControl(host, skinData, sharedCanvas);
    if (!control || !handle || !skin) return;
    // Controls whose border the form handles itself come as variant 1.
    frameBorder_ = EnumProp(L"BorderStyle") != L"bsnone" && variant != 1 &&
                   control->ClassType().Name() != L"TImageScrollBox";
    const ui::PropInfo* fixed = control->ClassType().FindProp(L"FixedColor");
    if (fixed && fixed->get_ordinal) {
        savedColor = OrdProp(L"FixedColor");
        ownsColor = true;
        ui::SetOrdProp(control, L"FixedColor", SkinColour(kButtonFace));
    }
    overlays_.Create(*this, *skin, handle);
    overlays_.Place();
    overlays_.Enable(control->Enabled());
    if (!control->Visible()) overlays_.Hide();
    attached = true;
    lifeState = kAttached;
}

void TSkinScrollbar::SkinActivityChanged() {
    if (!attached) return;
    if (SkinActive()) {
        overlays_.Place();
    } else {
        overlays_.Hide();
        // The system's own bars and border come back.
        if (handle)
            RedrawWindow(handle, nullptr, nullptr,
                         RDW_FRAME | RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    }
}

void TSkinScrollbar::Detach() {
    if (ownsColor && control && lifeState != kWindowDestroyed)
        ui::SetOrdProp(control, L"FixedColor", savedColor);
    ownsColor = false;
    TSkinControl::Detach();
    if (lifeState != kWindowDestroyed) overlays_.Free();
}

void TSkinScrollbar::SkinChanged() {
    if (!control || !ownsColor) return;
    savedColor = OrdProp(L"FixedColor");
    ui::SetOrdProp(control, L"FixedColor", SkinColour(kButtonFace));
}

void TSkinScrollbar::DrawBorder(HDC dc) const {
    RECT r{};
    GetWindowRect(handle, &r);
    OffsetRect(&r, -r.left, -r.top);
    const ui::GdiHandle<HBRUSH> border(CreateSolidBrush(ui::ColorRef(SkinColour(kButtonShadow))));
    const ui::GdiHandle<HBRUSH> face(CreateSolidBrush(ui::ColorRef(SkinColour(kButtonFace))));
    FrameRect(dc, &r, border.get());
    InflateRect(&r, -1, -1);
    FrameRect(dc, &r, face.get());
}

bool TSkinScrollbar::BeforeMessage(ui::TMessage& msg) {
    if (selection_.Handle(handle, skin, msg, [&] { return CallDefault(msg); },
                          [&] { AfterMessage(msg); }))
        return false;
    if (msg.Msg == WM_NCPAINT && frameBorder_) {
        if (!CallDefault(msg)) return false;
        const ui::WindowDC window(handle, ui::WindowDC::whole_window);
        if (window.dc()) DrawBorder(window.dc());
        return false;
    }
    return TSkinControl::BeforeMessage(msg);
}

void TSkinScrollbar::AfterMessage(ui::TMessage& msg) {
    switch (msg.Msg) {
    case WM_SIZE:
    case WM_WINDOWPOSCHANGED:
        overlays_.Place();
        break;
    case WM_HSCROLL:
    case WM_VSCROLL:
        overlays_.ShowRequest(msg.Msg == WM_VSCROLL, LOWORD(msg.WParam));
        break;
    case WM_MOUSEWHEEL:
        overlays_.InvalidateShown();
        break;
    case ui::CM_VISIBLECHANGED:
        if (control && control->Visible())
            overlays_.Place();
        else
            overlays_.Hide();
        break;
    case ui::CM_ENABLEDCHANGED:
        if (control) overlays_.Enable(control->Enabled());
        TSkinControl::AfterMessage(msg);
        break;
    case ui::CM_RECREATEWND:
        if (form)
            PostMessageW(form->HostWindow(), SM_RECREATED, reinterpret_cast<WPARAM>(handle), 0);
        break;
    case SM_PAINTBORDER:
        if (msg.LParam == kSkinCheck) {
            if (msg.WParam) DrawBorder(ui::DcParam(msg));
            msg.Result = kSkinCheck;
        }
        break;
    default:
        TSkinControl::AfterMessage(msg);
        break;
    }
}

void TSkinScrollbar::DrawSkin(HDC dc, const RECT&) {
    overlays_.FollowHost(handle);
    const RECT corner = overlays_.Corner(handle);
    if (!IsRectEmpty(&corner)) FillSkinColour(dc, corner);
}

// ---- TSkinScrollbarH

TSkinScrollbarH::TSkinScrollbarH(ui::TComponent* owner) : TSkinControl(owner) {}

TSkinScrollbarH::~TSkinScrollbarH() {
    overlays_.Free();
}

const ui::TClassInfo& TSkinScrollbarH::StaticClass() {
    static const ui::TClassInfo info(L"TSkinScrollbarH", &TSkinControl::StaticClass());
    return info;
}

void TSkinScrollbarH::AttachWindow(HWND window, TSkinData* skinData, TSkinControlHost* host,
                                   ui::TCanvas* sharedCanvas) {
    if (attached || !skinData) return;
    // The calls the window was made with: through the ANSI ones a wide list's items outside the
    // code page would come back as "?".
    const bool unicode = IsWindowUnicode(window) != FALSE;
    SubclassBareWindow(window, skinData, host, sharedCanvas, unicode);
    overlays_.Create(*this, *skin, handle);
    overlays_.Place();
    attached = true;
    lifeState = kAttached;
}

bool TSkinScrollbarH::BeforeMessage(ui::TMessage& msg) {
    if (selection_.Handle(handle, skin, msg, [&] { return CallDefault(msg); },
                          [&] { AfterMessage(msg); }))
        return false;
    return TSkinControl::BeforeMessage(msg);
}

void TSkinScrollbarH::AfterMessage(ui::TMessage& msg) {
    if (!IsWindowVisible(handle) && overlays_.Vertical()) overlays_.Vertical()->Hide();
    switch (msg.Msg) {
    case WM_SIZE:
    case WM_NCPAINT:
        overlays_.Place();
        Refresh();
        break;
    case WM_HSCROLL:
    case WM_VSCROLL:
        overlays_.ShowRequest(msg.Msg == WM_VSCROLL, LOWORD(msg.WParam));
        break;
    default:
        TSkinControl::AfterMessage(msg);
        break;
    }
}

void TSkinScrollbarH::SkinActivityChanged() {
    if (SkinActive()) {
        overlays_.Place();
    } else {
        overlays_.Hide();
    }
}

void TSkinScrollbarH::DrawSkin(HDC dc, const RECT&) {
    overlays_.InvalidateShown();
    const RECT corner = overlays_.Corner(handle);
    if (!IsRectEmpty(&corner)) FillSkinColour(dc, corner);
}

// ---- TSkinScControl

TSkinScControl::TSkinScControl(ui::TComponent* owner) : TSkinControl(owner) {}

TSkinScControl::~TSkinScControl() {
    overlay_.reset();
}

const ui::TClassInfo& TSkinScControl::StaticClass() {
    static const ui::TClassInfo info(L"TSkinScControl", &TSkinControl::StaticClass());
    return info;
}

void TSkinScControl::AttachControl(TSkinControlHost* host, TSkinData* skinData, bool,
                                   ui::TCanvas* sharedCanvas) {
    if (attached) return;
    HookControl(host, skinData, sharedCanvas);
    if (!control || !handle || !skin) return;
    overlay_ = std::make_unique<TWScrollbar>(*this, *skin, TWScrollbar::kScrollBarControl, handle,
                                             EnumProp(L"Kind") != L"sbhorizontal");
    overlay_->Place();
    if (!control->Visible()) overlay_->Hide();
    attached = true;
    lifeState = kAttached;
}

void TSkinScControl::Detach() {
    TSkinControl::Detach();
    if (lifeState != kWindowDestroyed) overlay_.reset();
}

void TSkinScControl::AfterMessage(ui::TMessage& msg) {
    if (!overlay_) return TSkinControl::AfterMessage(msg);
    switch (msg.Msg) {
    case WM_WINDOWPOSCHANGED:
    case WM_NCPAINT:
        overlay_->Place();
        break;
    case SBM_SETSCROLLINFO:
    case ui::CN_HSCROLL:
    case ui::CN_VSCROLL:
        overlay_->Invalidate();
        break;
    case ui::CM_VISIBLECHANGED:
        if (control && !control->Visible()) overlay_->Hide();
        break;
    default:
        TSkinControl::AfterMessage(msg);
        break;
    }
}

void TSkinScControl::SkinActivityChanged() {
    if (!overlay_) return;
    if (SkinActive()) {
        overlay_->Place();
    } else {
        overlay_->Hide();
    }
}

void TSkinScControl::DrawSkin(HDC, const RECT&) {
    if (overlay_) overlay_->Invalidate();
}
