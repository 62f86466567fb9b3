// Skinned push buttons: states from the mouse and the keyboard, clicks, and the face composed
// off screen.
#include "skin/controls/buttons/skin_button.h"

#include "skin/controls/buttons/button_rules.h"
#include "skin/gdi/parent_background.h"
#include "skin/gdi/skin_paint.h"
#include "skin/runtime/skin_platform.h"

#include "ui/application.h"
#include "ui/message_params.h"
#include "ui/properties.h"
#include "ui/win_control.h"
#include "ui/win_handles.h"

#include <array>
#include <cctype>
#include <string>

namespace {

// Button families (variant 1) whose own mouse-down handling the companion leaves alone.
bool PaintsOwnPress(const std::wstring& className) {
    const std::wstring name = ui::LowerCase(className);
    return name.starts_with(L"trz") || name.starts_with(L"tel");
}

} // namespace

TSkinButton::TSkinButton(ui::TComponent* owner) : TSkinControl(owner) {}

const ui::TClassInfo& TSkinButton::StaticClass() {
    static const ui::TClassInfo info(L"TSkinButton", &TSkinControl::StaticClass());
    return info;
}

void TSkinButton::ReadTransparent() {
    transparent_ =
        (control && control->Tag() == kTransparentTag) || (skin && HasOption(*skin, xoTransparent));
}

void TSkinButton::AttachControl(TSkinControlHost* host, TSkinData* skinData, bool takeColour,
                                ui::TCanvas* sharedCanvas) {
    if (attached) return;
    TSkinControl::AttachControl(host, skinData, takeColour, sharedCanvas);
    variant = control && PaintsOwnPress(control->ClassName()) ? 1 : 0;
    ReadTransparent();
}

void TSkinButton::AttachWindow(HWND window, TSkinData* skinData, TSkinControlHost* host,
                               ui::TCanvas* sharedCanvas) {
    if (attached) return;
    TSkinControl::AttachWindow(window, skinData, host, sharedCanvas);
    ReadTransparent();
}

bool TSkinButton::BeforeMessage(ui::TMessage& msg) {
    switch (msg.Msg) {
    case WM_TIMER:
        KillTimer(handle, 1);
        return false;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        if (GetFocus() != handle) SetFocus(handle);
        SetMouseBit(kPressed, true);
        armed_ = true;
        PaintWindow(nullptr);
        if (variant == 0 && control) ForwardMouseDown(msg);
        return false;
    default:
        return TSkinControl::BeforeMessage(msg);
    }
}

void TSkinButton::AfterMessage(ui::TMessage& msg) {
    switch (msg.Msg) {
    case WM_SETTEXT:
        PaintWindow(nullptr);
        break;
    case WM_KEYDOWN:
    case WM_KEYUP:
        if (msg.WParam == VK_SPACE) {
            SetMouseBit(kPressed, msg.Msg == WM_KEYDOWN);
            Refresh();
        }
        break;
    case WM_MOUSEMOVE: {
        bool changed = false;
        if (enabledLook && !Hot()) {
            SetMouseBit(kHot, true);
            changed = true;
        }
        // Without the mouse captured the button hears nothing of a release outside it: a move
        // with the left button up ends the press that began here.
        if (armed_ && !(msg.WParam & MK_LBUTTON)) armed_ = false;
        if (armed_ && !Pressed()) {
            SetMouseBit(kPressed, true);
            changed = true;
        }
        if (changed) Refresh();
        SkinTrackMouseLeave(handle);
        if (form) form->MouseOverControl(this);
        break;
    }
    case WM_LBUTTONUP:
        armed_ = false;
        if (Pressed()) {
            SetMouseBit(kPressed, false);
            Refresh();
            Click();
        }
        break;
    case WM_MOUSELEAVE:
    // The class library's own report: it comes when the system's does not (the system tracks
    // one window at a time, and the form under the cursor asks too), and from the form when
    // it stops being active.
    case ui::CM_MOUSELEAVE:
        SetMouseBit(kHot, false);
        SetMouseBit(kPressed, false);
        Refresh();
        break;
    case ui::CM_FOCUSCHANGED:
        // The control taking the focus hears this inside its own WM_SETFOCUS, whose end
        // repaints it, after the system's own drawing of the focus: the others repaint now.
        if (ui::RecordParam<ui::TControl>(msg) != control) Refresh();
        break;
    case ui::CM_DIALOGKEY:
        Refresh();
        break;
    default:
        TSkinControl::AfterMessage(msg);
        break;
    }
}

void TSkinButton::Click() {
    if (ui::TControl* target = control) {
        // The click runs the program's own handler: what that throws is the program's error,
        // reported as any handler's is, not a failure of the skinner to be dropped.
        try {
            target->Click();
        } catch (...) {
            ui::HandleException(target);
        }
        return;
    }
    std::string className = WindowClassName(handle);
    for (char& c : className)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    const WPARAM id = className == "tbutton" ? 0 : static_cast<WPARAM>(GetDlgCtrlID(handle));
    PostMessageW(GetParent(handle), WM_COMMAND, id, reinterpret_cast<LPARAM>(handle));
}

int TSkinButton::StateFrame() {
    focused = handle && GetFocus() == handle;
    enabledLook = !(Style() & WS_DISABLED);
    caption = control ? StrProp(L"Caption") : WindowText();
    return ButtonFrame({.Pressed = Pressed(),
                        .Hot = Hot(),
                        .Focused = focused,
                        .Default = EnumProp(L"Default") == L"true",
                        .Enabled = enabledLook});
}

void TSkinButton::DrawSkin(HDC dc, const RECT& rect) {
    if (!skin || skin->Elements().Buttons.Image.Pixels.empty()) return;
    PaintFace(dc, rect, StateFrame(), true, true);
}

void TSkinButton::PaintUnder(HDC dc) const {
    if (handle) {
        PaintParentBackground(handle, dc);
    } else if (control && control->Parent()) {
        PaintParentBackground(control->Parent()->Handle(), control->BoundsRect(), dc);
    }
}

void TSkinButton::PaintFace(HDC dc, const RECT& rect, int frame, bool drawFrame, bool focusRect) {
    const TDataSkinButton& buttons = skin->Elements().Buttons;
    const int width = rect.right - rect.left, height = rect.bottom - rect.top;
    if (width <= 0 || height <= 0) return;
    HDC face = offscreen_.Prepare(width, height);
    const RECT all{0, 0, width, height};
    if (transparent_)
        PaintUnder(face);
    else
        FillSkinColour(face, all);
    const int dpi = Dpi();
    if (drawFrame) DrawElement(face, all, skin->Bitmaps(), buttons, frame, {.Dpi = dpi});

    HFONT font = control ? control->Font()->Handle()
                         : reinterpret_cast<HFONT>(SendMessageW(handle, WM_GETFONT, 0, 0));
    const ui::Selection fontSelection = font ? ui::Selection(face, font) : ui::Selection();
    const ui::TColor fontColour = control ? control->Font()->Color() : SkinColour(kButtonText);
    // The disabled caption's shadow colour is the skin's; a font's colour stays the font's.
    const ui::TColor textColour =
        ButtonTextColour(buttons, fontColour, frame, enabledLook, menuButton_);
    const ui::DcColours colours(face, ui::ColorRef(enabledLook ? textColour : InSkin(textColour)),
                                ui::ColorRef(SkinColour(kButtonFace)));
    SetBkMode(face, TRANSPARENT);
    RECT text = DrawContent(face, width, height, frame);
    if (focusRect && focused && !HasOption(*skin, xoNoFocusRect)) {
        InflateRect(&text, ScaleMeasure(2, dpi), ScaleMeasure(2, dpi));
        DrawFocusRect(face, &text);
    }
    SetBkMode(face, OPAQUE);
    offscreen_.CopyTo(dc, rect);
}

RECT TSkinButton::DrawContent(HDC dc, int width, int height, int) {
    const std::wstring text = CaptionLines(caption);
    const int dpi = Dpi(), in = ScaleMeasure(2, dpi);
    RECT measured{in, in, width - in, height - in};
    DrawSkinText(dc, text, measured,
                 DT_CALCRECT | DT_NOCLIP | DT_EXPANDTABS | DT_WORDBREAK | DT_CENTER);
    RECT place = ToRect(CentredText(width, height, measured.right - measured.left,
                                    measured.bottom - measured.top, dpi));
    DrawSkinText(dc, text, place, DT_CENTER | DT_EXPANDTABS | DT_WORDBREAK);
    return place;
}

TSkinMenuButton::TSkinMenuButton(ui::TComponent* owner) : TSkinButton(owner) {
    menuButton_ = true;
}

const ui::TClassInfo& TSkinMenuButton::StaticClass() {
    static const ui::TClassInfo info(L"TSkinMenuButton", &TSkinButton::StaticClass());
    return info;
}

RECT TSkinMenuButton::DrawContent(HDC dc, int width, int height, int) {
    const std::wstring text = CaptionLines(caption);
    const int dpi = Dpi(), in = ScaleMeasure(2, dpi);
    RECT measured{in, in, width - in - MenuArrowSize(dpi).Width - in, height - in};
    if (!text.empty())
        DrawSkinText(dc, text, measured, DT_CALCRECT | DT_NOCLIP | DT_EXPANDTABS | DT_WORDBREAK);
    else
        measured = {};
    const TGlyphPlacement p = PlaceMenuButton(
        {width, height}, {measured.right - measured.left, measured.bottom - measured.top}, dpi);
    RECT place = ToRect(p.Text);
    DrawSkinText(dc, text, place, DT_CENTER | DT_EXPANDTABS | DT_WORDBREAK);

    // A filled triangle pointing down, its tip in the middle of the arrow's bottom row.
    std::array<POINT, 3> corners{};
    const std::array<TArrowPoint, 3> triangle = MenuArrowTriangle(p.Glyph, dpi);
    for (std::size_t i = 0; i < corners.size(); ++i)
        corners[i] = {triangle[i].X, triangle[i].Y};
    const COLORREF colour = ui::ColorRef(InSkin(enabledLook ? ui::clWindowText : ui::clBtnShadow));
    const ui::GdiHandle<HBRUSH> brush(CreateSolidBrush(colour));
    const ui::GdiHandle<HPEN> pen(CreatePen(PS_SOLID, 1, colour));
    const ui::Selection brushSelection(dc, brush.get());
    const ui::Selection penSelection(dc, pen.get());
    Polygon(dc, corners.data(), static_cast<int>(corners.size()));
    return place;
}
