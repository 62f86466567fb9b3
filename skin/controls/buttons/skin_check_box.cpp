// Skinned check boxes and radio buttons: the cell for the state, the caption beside it.
#include "skin/controls/buttons/skin_check_box.h"

#include "skin/controls/base/skin_control_rules.h"
#include "skin/controls/buttons/check_rules.h"
#include "skin/gdi/parent_background.h"
#include "skin/gdi/skin_paint.h"
#include "skin/runtime/skin_platform.h"

#include "ui/properties.h"

#include <algorithm>
#include <string>

namespace {

// The class library's notification 0xB0D0: the box repaints after it, as after a click.
constexpr std::uint32_t kDataChanged = 0xB0D0;

} // namespace

const ui::TClassInfo& TSkinCheckControl::StaticClass() {
    static const ui::TClassInfo info(L"TSkinCheckControl", &TSkinControl::StaticClass());
    return info;
}

void TSkinCheckControl::AttachControl(TSkinControlHost* host, TSkinData* skinData, bool takeColour,
                                      ui::TCanvas* sharedCanvas) {
    if (attached) return;
    TSkinControl::AttachControl(host, skinData, takeColour, sharedCanvas);
    variant = 0;
    if (!control) return;
    variant = skin && !Strip().Pixels.empty() ? 1 : 0;
    transparent_ = control->Tag() == kTransparentTag || (skin && HasOption(*skin, xoTransparent));
}

TSkinControl::TFacePaint TSkinCheckControl::FacePaint() const {
    return variant == 1 ? TFacePaint::kComposedAndPrinted : TFacePaint::kControl;
}

bool TSkinCheckControl::EraseUnderFace(HDC, const RECT&) {
    // The box's own erase; a transparent one is answered before (with or without the strip).
    return false;
}

bool TSkinCheckControl::BeforeMessage(ui::TMessage& msg) {
    // A transparent box shows its parent under it, whether the skin composes its face or not.
    if (msg.Msg == WM_ERASEBKGND && transparent_) {
        EraseBackground(msg);
        return false;
    }
    return TSkinControl::BeforeMessage(msg);
}

void TSkinCheckControl::AfterMessage(ui::TMessage& msg) {
    switch (msg.Msg) {
    case BM_SETCHECK:
    // The system's button draws its pushed state itself, the moment it changes (Space held):
    // the skinned look goes straight back over it.
    case BM_SETSTATE:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_LBUTTONDBLCLK:
    case ui::CM_EXIT:
    case kDataChanged:
        Refresh();
        break;
    default:
        TSkinControl::AfterMessage(msg);
        break;
    }
}

void TSkinCheckControl::DrawSkin(HDC dc, const RECT& rect) {
    if (!skin || Strip().Pixels.empty()) {
        variant = 0;
        return;
    }
    const int frames = std::max(1, StripFrames());
    const int dpi = Dpi();
    const int frame = StateFrame();
    const std::uint32_t style = Style();
    const int width = rect.right - rect.left, height = rect.bottom - rect.top;
    if (width <= 0 || height <= 0) return;
    // The strip at the control's density (its larger copy where the skin gives one), or at the
    // one whose box fits a control laid out for a lower density.
    const TStripBitmap& strip =
        StripAtDpi(skin->Bitmaps(), Strip(), Strip2x(), frames,
                   FittingPictureDpi(dpi, height, Strip().Height));
    const int frameWidth = strip.Width() / frames, frameHeight = strip.Height();
    const TCheckPlacement place =
        PlaceCheck(width, height, frameWidth, frameHeight, (style & BS_LEFTTEXT) != 0,
                   RtlFormat() != 0, Radio(), dpi);

    // Composed off screen: background, cell and caption reach the window in one copy.
    HDC face = offscreen_.Prepare(width, height);
    const RECT all{0, 0, width, height};
    if (transparent_) {
        PaintParentBackground(handle, face);
    } else {
        FillSkinColour(face, all);
    }
    const RECT box = ToRect(place.Box);
    DrawCell(face, box, strip, true, frames, frame);

    caption = control ? StrProp(L"Caption") : WindowText();
    HFONT font = control ? control->Font()->Handle()
                         : reinterpret_cast<HFONT>(SendMessageW(handle, WM_GETFONT, 0, 0));
    const ui::Selection fontSelection = font ? ui::Selection(face, font) : ui::Selection();
    const bool enabled = control ? control->Enabled() : !(style & WS_DISABLED);
    const ui::TColor textColour = !enabled  ? InSkin(ui::clBtnShadow)
                                  : control ? control->Font()->Color()
                                            : SkinColour(kButtonText);
    const ui::DcColours colours(face, ui::ColorRef(textColour),
                                ui::ColorRef(SkinColour(kButtonFace)));
    SetBkMode(face, TRANSPARENT);
    // The caption's own format; right-to-left reading is added by the text drawer.
    const UINT format = place.TextRight ? DT_RIGHT : 0;
    RECT text = ToRect(place.Text);
    RECT measured = text;
    DrawSkinText(face, caption, measured,
                 format | DT_CALCRECT | DT_NOCLIP | DT_EXPANDTABS | DT_WORDBREAK);
    // Only the height is taken from the measure, so a right-aligned caption stays right.
    text.top += (height - (measured.bottom - measured.top)) / 2;
    text.bottom = text.top + (measured.bottom - measured.top);
    focused = handle && GetFocus() == handle;
    if (focused && !caption.empty() && SystemVersion().dwMajorVersion != 6)
        DrawFocusRectAroundText(face, format | DT_EXPANDTABS | DT_WORDBREAK, text);
    DrawSkinText(face, caption, text, format | DT_EXPANDTABS | DT_WORDBREAK);
    SetBkMode(face, OPAQUE);
    offscreen_.CopyTo(dc, rect);
}

const ui::TClassInfo& TSkinCheckBox::StaticClass() {
    static const ui::TClassInfo info(L"TSkinCheckBox", &TSkinCheckControl::StaticClass());
    return info;
}

void TSkinCheckBox::AttachControl(TSkinControlHost* host, TSkinData* skinData, bool takeColour,
                                  ui::TCanvas* sharedCanvas) {
    if (attached) return;
    lastSetCheck_ = 0;
    TSkinCheckControl::AttachControl(host, skinData, takeColour, sharedCanvas);
}

void TSkinCheckBox::AfterMessage(ui::TMessage& msg) {
    if (msg.Msg == BM_SETCHECK) lastSetCheck_ = static_cast<int>(msg.WParam) + 1;
    TSkinCheckControl::AfterMessage(msg);
}

const TPixelImage& TSkinCheckBox::Strip() const {
    return skin->Elements().Buttons.CheckImage;
}

const TLargePicture& TSkinCheckBox::Strip2x() const {
    return skin->Elements().Buttons.CheckImage2x;
}

int TSkinCheckBox::StripFrames() const {
    return skin->Elements().Buttons.CheckFrames;
}

int TSkinCheckBox::StateFrame() {
    const auto state = static_cast<UINT>(SendMessageW(handle, BM_GETSTATE, 0, 0));
    TCheckInputs in{.Frames = StripFrames(),
                    .Checked = (state & BST_CHECKED) != 0,
                    .Indeterminate = (state & BST_INDETERMINATE) != 0,
                    .Disabled = (Style() & WS_DISABLED) != 0,
                    .LastSetCheck = lastSetCheck_};
    if (control) {
        if (ui::IsPublishedProp(control, L"State")) {
            const std::wstring id = EnumProp(L"State");
            in.PropertyFrame = FrameOfStateName(std::string(id.begin(), id.end()));
        } else if (ui::IsPublishedProp(control, L"Checked")) {
            in.PropertyFrame = EnumProp(L"Checked") == L"true" ? kCheckChecked : kCheckUnchecked;
        }
        in.DataField = ui::IsPublishedProp(control, L"DataField");
        in.DataBinding = ui::IsPublishedProp(control, L"DataBinding");
    }
    return CheckBoxFrame(in);
}

const ui::TClassInfo& TSkinRadioButton::StaticClass() {
    static const ui::TClassInfo info(L"TSkinRadioButton", &TSkinCheckControl::StaticClass());
    return info;
}

const TPixelImage& TSkinRadioButton::Strip() const {
    return skin->Elements().Buttons.RadioImage;
}

const TLargePicture& TSkinRadioButton::Strip2x() const {
    return skin->Elements().Buttons.RadioImage2x;
}

int TSkinRadioButton::StripFrames() const {
    return skin->Elements().Buttons.RadioFrames;
}

int TSkinRadioButton::StateFrame() {
    bool checked = (SendMessageW(handle, BM_GETCHECK, 0, 0) & 1) != 0;
    if (control && ui::IsPublishedProp(control, L"Checked"))
        checked = EnumProp(L"Checked") == L"true";
    return RadioButtonFrame(StripFrames(), checked, (Style() & WS_DISABLED) != 0);
}
