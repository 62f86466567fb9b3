// The skinned control base: attach and detach, the message procedure with its pre/post split,
// the refresh, and the routines every family shares.
#include "skin/controls/base/skin_control.h"

#include "skin/controls/base/control_paint.h"
#include "skin/controls/base/skin_control_rules.h"

#include "skin/gdi/parent_background.h"
#include "skin/runtime/skin_data.h"
#include "skin/runtime/skin_draw_text.h"
#include "skin/runtime/skin_messages.h"
#include "skin/runtime/skin_platform.h"

#include "ui/color.h"
#include "ui/message_params.h"
#include "ui/properties.h"
#include "ui/shift_state.h"
#include "ui/text_codec.h"
#include "ui/win_control.h"
#include "ui/win_handles.h"
#include "ui/window_dpi.h"

#include <algorithm>
#include <optional>

namespace {

// Longest text read from a window of the 9x family.
constexpr int kWindowTextMax = 1000;

} // namespace

TSkinControl::TSkinControl(ui::TComponent* owner)
    : ui::TComponent(owner), hook_([this](ui::TMessage& m) { SkinWindowProc(m); }),
      subclass_([this](ui::TMessage& m) { SkinWindowProc(m); }) {}

TSkinControl::~TSkinControl() {
    Destroying();
    // Freed while its window lives on (the form let go of its skin controls).
    if (lifeState != kWindowDestroyed && IsWindow(handle)) SetVisualStyleTaken(false);
    // Unhooked before the form hears of it, so no message reaches a half-gone object.
    hook_.Release();
    subclass_.Release();
    if (registered_ && form) form->UnregisterSkinControl(*this);
}

const ui::TClassInfo& TSkinControl::StaticClass() {
    static const ui::TClassInfo info(L"TSkinControl", &ui::TComponent::StaticClass());
    return info;
}

void TSkinControl::Register(TSkinControlHost* host) {
    form = host;
    if (!form || registered_) return;
    form->RegisterSkinControl(*this);
    registered_ = true;
}

void TSkinControl::TakeControl(TSkinControlHost* host, TSkinData* skinData,
                               ui::TCanvas* sharedCanvas) {
    skin = skinData;
    canvas = sharedCanvas;
    control = dynamic_cast<ui::TControl*>(Owner());
    if (auto* windowed = dynamic_cast<ui::TWinControl*>(control)) {
        handle = windowed->Handle();
        unicodeWindow = IsWindowUnicode(handle) != FALSE;
    }
    Register(host);
}

void TSkinControl::HookControl(TSkinControlHost* host, TSkinData* skinData,
                               ui::TCanvas* sharedCanvas) {
    TakeControl(host, skinData, sharedCanvas);
    if (!control) return;
    hook_.Install(*control);
    paintsWindow_ = handle != nullptr;
    SetVisualStyleTaken(true);
}

// With a visual style (Common Controls 6, always on since Windows 8) Windows paints a themed
// control outside the messages a skinner follows. A themed edit (and combo box) tracks the mouse
// (TrackMouseEvent: WM_MOUSEHOVER / WM_MOUSELEAVE) and redraws its border in WM_NCPAINT when the
// mouse enters or leaves it, as it does when it gains or loses the focus; themed buttons, check
// boxes, combo boxes and scroll bars fade between states with buffered animations, whose frames
// are painted from WM_TIMER. Wine (8, measured here with its "Light" style) sends a themed edit
// WM_NCPAINT at focus changes only, tracks the hover of buttons but of no edit, list box or
// combo box, and runs no state animation (no WM_TIMER at all), so under Wine a skin can look
// right that Windows paints over. With the style off for the skinned window, Windows draws the
// classic control: no hover border, no animation, and every paint is one the skin follows.
void TSkinControl::SetVisualStyleTaken(bool taken) {
    if (!paintsWindow_ || taken == styleTaken_) return;
    styleTaken_ = taken;
    SkinSetVisualStyle(handle, !taken);
}

void TSkinControl::TakeColour(bool takeColour) {
    ownsColor = takeColour;
    if (!control || !ownsColor) return;
    savedColor = control->Color();
    control->SetColor(SkinColour(kButtonFace));
}

void TSkinControl::SubclassBareWindow(HWND window, TSkinData* skinData, TSkinControlHost* host,
                                      ui::TCanvas* sharedCanvas, bool unicode) {
    skin = skinData;
    canvas = sharedCanvas;
    handle = window;
    Register(host);
    unicodeWindow = unicode;
    subclass_.Install(window, unicode);
    paintsWindow_ = window != nullptr;
    SetVisualStyleTaken(true);
}

void TSkinControl::AttachControl(TSkinControlHost* host, TSkinData* skinData, bool takeColour,
                                 ui::TCanvas* sharedCanvas) {
    if (attached) return;
    HookControl(host, skinData, sharedCanvas);
    TakeColour(takeColour);
    if (control) control->Invalidate();
    attached = true;
    lifeState = kAttached;
}

void TSkinControl::AttachWindow(HWND window, TSkinData* skinData, TSkinControlHost* host,
                                ui::TCanvas* sharedCanvas) {
    if (attached) return;
    enabledLook = true;
    variant = 0;
    SubclassBareWindow(window, skinData, host, sharedCanvas, IsWindowUnicode(window) != FALSE);
    caption = WindowText();
    InvalidateRect(window, nullptr, TRUE);
    attached = true;
    lifeState = kAttached;
}

void TSkinControl::AttachScrollHost(ui::TControl*, TSkinData* skinData, TSkinControlHost* host,
                                    ui::TCanvas* sharedCanvas) {
    AttachControl(host, skinData, false, sharedCanvas);
}

void TSkinControl::Detach() {
    if (!skinActive) return;
    skinActive = false;
    // A destroyed window's control may be on its way out: its colour is left alone.
    if (lifeState == kWindowDestroyed) return;
    if (ownsColor && control) control->SetColor(savedColor);
    SetVisualStyleTaken(false);
}

void TSkinControl::SkinWindowProc(ui::TMessage& msg) {
    if (msg.Msg == SM_SKINACTIVE) {
        skinActive = msg.WParam > 0;
        SetVisualStyleTaken(skinActive);
        if (skinActive) Refresh();
        SkinActivityChanged();
        return;
    }
    if (!skinActive) {
        (void)CallDefault(msg);
        return;
    }
    if (!BeforeMessage(msg)) return;
    if (!CallDefault(msg)) return;
    AfterMessage(msg);
}

bool TSkinControl::CallDefault(ui::TMessage& msg) {
    if (hook_.Installed()) return hook_.CallOld(msg);
    if (subclass_.Installed()) return subclass_.Pass(msg);
    return true;
}

bool TSkinControl::BeforeMessage(ui::TMessage& msg) {
    switch (msg.Msg) {
    case WM_PRINT:
        if (FacePaint() != TFacePaint::kComposedAndPrinted) return true;
        PaintClient(msg);
        return false;
    case WM_PAINT:
        if (FacePaint() == TFacePaint::kControl) return true;
        PaintClient(msg);
        return false;
    case WM_ERASEBKGND: {
        if (FacePaint() == TFacePaint::kControl) return true;
        RECT client{};
        GetClientRect(handle, &client);
        if (!EraseUnderFace(ui::DcParam(msg), client)) return true;
        msg.Result = 1;
        return false;
    }
    case WM_NCDESTROY:
        lifeState = kWindowDestroyed;
        if (CallDefault(msg) && skinActive) Detach();
        return false;
    case SM_ISSKINNED:
        msg.Result = 1;
        return false;
    default:
        return true;
    }
}

void TSkinControl::AfterMessage(ui::TMessage& msg) {
    switch (msg.Msg) {
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_ENABLE:
    case WM_SETTEXT:
    case ui::CM_ENABLEDCHANGED:
        Refresh();
        break;
    case WM_PAINT:
        PaintWindow(ui::DcParam(msg));
        break;
    default:
        break;
    }
}

void TSkinControl::PaintWindow(HDC dc) {
    RECT r{};
    if (!handle || !GetWindowRect(handle, &r)) return;
    windowRect = r;
    OffsetRect(&r, -r.left, -r.top);
    try {
        if (dc) {
            DrawSkin(dc, r);
        } else {
            const ui::WindowDC window(handle, ui::WindowDC::whole_window);
            if (window.dc()) DrawSkin(window.dc(), r);
        }
    } catch (...) {
        // A paint that fails leaves the control as the system drew it.
    }
}

void TSkinControl::DrawSkin(HDC, const RECT&) {}

TSkinControl::TFacePaint TSkinControl::FacePaint() const {
    return TFacePaint::kControl;
}

bool TSkinControl::EraseUnderFace(HDC, const RECT&) {
    return true;
}

void TSkinControl::SkinChanged() {
    if (ownsColor && control) control->SetColor(SkinColour(kButtonFace));
    Refresh();
}

void TSkinControl::SkinActivityChanged() {}

bool TSkinControl::SkinQuery() {
    return true;
}

int TSkinControl::Dpi() const {
    if (form) return form->Dpi();
    return ui::WindowDpi(handle ? GetAncestor(handle, GA_ROOT) : nullptr);
}

void TSkinControl::Refresh() {
    if (graphicTarget) {
        graphicTarget->Invalidate();
        return;
    }
    if (!handle) return;
    InvalidateRect(handle, nullptr, TRUE);
    UpdateWindow(handle);
}

std::wstring TSkinControl::WindowText() const {
    if (UnicodeDrawing()) {
        std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(handle)) + 1, L'\0');
        text.resize(static_cast<std::size_t>(
            GetWindowTextW(handle, text.data(), static_cast<int>(text.size()))));
        return text;
    }
    char buffer[kWindowTextMax]{};
    const auto length =
        SendMessageA(handle, WM_GETTEXT, kWindowTextMax, reinterpret_cast<LPARAM>(buffer));
    return ui::AnsiToWide(std::string_view(
        buffer, static_cast<std::size_t>(std::clamp<LRESULT>(length, 0, kWindowTextMax - 1))));
}

ui::TColor TSkinControl::SkinColour(TSkinColorSlot slot) const {
    if (!skin) return ui::ColorToRGB(ui::clBtnFace);
    return ui::ColorToRGB(skin->Elements().Colors[static_cast<std::size_t>(slot)]);
}

void TSkinControl::FillColour(HDC dc, const RECT& rect, ui::TColor colour) {
    const ui::GdiHandle<HBRUSH> brush(CreateSolidBrush(ui::ColorRef(colour)));
    FillRect(dc, &rect, brush.get());
}

void TSkinControl::FillSkinColour(HDC dc, const RECT& rect) const {
    FillColour(dc, rect, SkinColour(kButtonFace));
}

ui::TColor TSkinControl::InSkin(ui::TColor colour) const {
    return ui::ColorToRGB(skin ? SkinColourFor(skin->Elements(), colour) : colour);
}

ui::TColor TSkinControl::ParentColour(ui::TColor fallback) const {
    ui::TControl* parent = control ? control->Parent() : nullptr;
    if (!parent || !ui::IsPublishedProp(parent, L"Color")) return fallback;
    // A parent left in the button face (a page, a panel) stands on the skin's face.
    return InSkin(ui::GetOrdProp(parent, L"Color"));
}

void TSkinControl::FillParentColour(HDC dc, const RECT& rect) const {
    FillColour(dc, rect, ParentColour(SkinColour(kButtonFace)));
}

std::uint32_t TSkinControl::Style() const {
    return static_cast<std::uint32_t>(unicodeWindow ? GetWindowLongW(handle, GWL_STYLE)
                                                    : GetWindowLongA(handle, GWL_STYLE));
}

std::int32_t TSkinControl::OrdProp(std::wstring_view name) const {
    return ui::GetOrdProp(control, name);
}

std::wstring TSkinControl::EnumProp(std::wstring_view name) const {
    return ui::LowerCase(ui::GetEnumProp(control, name));
}

std::wstring TSkinControl::StrProp(std::wstring_view name) const {
    return ui::GetStrProp(control, name);
}

ui::TPersistent* TSkinControl::ObjectProp(std::wstring_view name, const ui::TClassInfo& cls) const {
    return ui::GetObjectProp(control, name, &cls);
}

bool TSkinControl::SetProp(std::wstring_view name, const std::wstring& text) {
    return ui::SetPropValue(control, name, text);
}

UINT TSkinControl::RtlFormat() const {
    const ui::TControl* reader = graphicTarget ? graphicTarget : control;
    return reader && reader->UseRightToLeftReading() ? DT_RTLREADING : 0;
}

int TSkinControl::DrawSkinText(HDC dc, std::wstring_view text, RECT& rect, UINT format) const {
    return SkinDrawText(dc, text, rect, format | RtlFormat());
}

void TSkinControl::DrawFocusRectAroundText(HDC dc, UINT format, const RECT& rect) const {
    RECT measured = rect;
    DrawSkinText(dc, caption, measured, format | DT_CALCRECT | DT_NOCLIP);
    const TPixelRect f = FocusRectAroundText(ToPixelRect(rect), measured.right - measured.left,
                                             measured.bottom - measured.top, format, Dpi());
    const RECT focus = ToRect(f);
    DrawFocusRect(dc, &focus);
}

void TSkinControl::PaintClient(ui::TMessage& msg) {
    HDC dc = ui::DcParam(msg);
    std::optional<ui::PaintScope> paint;
    if (!dc) {
        paint.emplace(handle);
        dc = paint->dc();
    }
    RECT r{};
    GetWindowRect(handle, &r);
    windowRect = r;
    OffsetRect(&r, -r.left, -r.top);
    DrawSkin(dc, r);
}

void TSkinControl::EraseBackground(ui::TMessage& msg) {
    const HDC dc = ui::DcParam(msg);
    ui::TWinControl* parent = control ? control->Parent() : nullptr;
    if (control && handle) {
        PaintParentBackground(handle, dc);
    } else if (control && parent) {
        PaintParentBackground(parent->Handle(), control->BoundsRect(), dc);
    } else {
        RECT r{};
        GetClientRect(handle, &r);
        FillParentColour(dc, r);
    }
    msg.Result = 1;
}

void TSkinControl::ForwardMouseDown(const ui::TMessage& msg) {
    if (!control) return;
    POINT p = ui::PointParam(msg);
    if (MousePointFromCursor(control->Width(), control->Height())) {
        GetCursorPos(&p);
        ScreenToClient(handle, &p);
    }
    control->MouseDown(ui::TMouseButton::mbLeft, ui::KeysToShiftState(msg.WParam), p.x, p.y);
}
