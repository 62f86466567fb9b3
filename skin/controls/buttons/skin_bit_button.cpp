// Skinned glyph buttons and speed buttons.
#include "skin/controls/buttons/skin_bit_button.h"

#include "skin/controls/buttons/button_rules.h"

#include "ui/extctrls.h"
#include "ui/message_params.h"

namespace {

TButtonLayout LayoutOf(const std::wstring& identifier) {
    if (identifier == L"blglyphright") return TButtonLayout::blGlyphRight;
    if (identifier == L"blglyphtop") return TButtonLayout::blGlyphTop;
    if (identifier == L"blglyphbottom") return TButtonLayout::blGlyphBottom;
    return TButtonLayout::blGlyphLeft;
}

} // namespace

TSkinBitButton::TSkinBitButton(ui::TComponent* owner) : TSkinButton(owner) {}

const ui::TClassInfo& TSkinBitButton::StaticClass() {
    static const ui::TClassInfo info(L"TSkinBitButton", &TSkinButton::StaticClass());
    return info;
}

void TSkinBitButton::DrawSkin(HDC dc, const RECT& rect) {
    if (EnumProp(L"Visible") == L"false") return;
    TSkinButton::DrawSkin(dc, rect);
}

int TSkinBitButton::GlyphFor(int frame) {
    return GlyphIndex(frame, false);
}

RECT TSkinBitButton::DrawContent(HDC dc, int width, int height, int frame) {
    auto* glyph = dynamic_cast<ui::TBitmap*>(
        ObjectProp(glyphProperty_.empty() ? L"Glyph" : glyphProperty_, ui::TBitmap::StaticClass()));
    const int count = std::max(1, OrdProp(L"NumGlyphs"));
    const TButtonLayout layout = LayoutOf(EnumProp(L"Layout"));
    // Without a glyph, the button's image list.
    auto* images = dynamic_cast<ui::TImageListComponent*>(
        ObjectProp(L"Images", ui::TImageListComponent::StaticClass()));
    const int imageIndex = OrdProp(L"ImageIndex");
    const bool hasGlyph = glyph && !glyph->Empty();
    TGlyphSize g;
    if (hasGlyph) {
        g = {glyph->Width() / count, glyph->Height()};
    } else if (images && imageIndex != -1) {
        g = {images->Width(), images->Height()};
    }

    const std::wstring text = CaptionLines(caption);
    TGlyphSize t;
    if (!text.empty()) {
        RECT box = ToRect(GlyphTextBox({width, height}, g, layout));
        DrawSkinText(dc, text, box, DT_CALCRECT | DT_WORDBREAK);
        t = {box.right - box.left, box.bottom - box.top};
    }
    const TGlyphPlacement p = PlaceGlyphAndText({{width, height},
                                                 g,
                                                 t,
                                                 layout,
                                                 OrdProp(L"Margin"),
                                                 OrdProp(L"Spacing"),
                                                 EnumProp(L"Alignment") == L"tacenter"});
    if (hasGlyph) {
        ui::DrawGlyph(dc, *glyph, count, GlyphFor(frame), p.Glyph.Left, p.Glyph.Top);
    } else if (images) {
        ui::DrawListPicture(dc, *images, imageIndex, OrdProp(L"DisabledIndex"),
                            frame == kButtonDisabled, p.Glyph.Left, p.Glyph.Top);
    }
    RECT place = ToRect(p.Text);
    const UINT align = p.Align == TTextAlign::Right    ? DT_RIGHT
                       : p.Align == TTextAlign::Centre ? DT_CENTER
                                                       : 0;
    DrawSkinText(dc, text, place, DT_WORDBREAK | align);
    return place;
}

TSkinSpeedButton::TSkinSpeedButton(ui::TComponent* owner) : TSkinBitButton(owner) {}

const ui::TClassInfo& TSkinSpeedButton::StaticClass() {
    static const ui::TClassInfo info(L"TSkinSpeedButton", &TSkinBitButton::StaticClass());
    return info;
}

void TSkinSpeedButton::AttachControl(TSkinControlHost* host, TSkinData* skinData, bool takeColour,
                                     ui::TCanvas* sharedCanvas) {
    if (attached) return;
    TSkinBitButton::AttachControl(host, skinData, takeColour, sharedCanvas);
    graphicTarget = control;
}

bool TSkinSpeedButton::BeforeMessage(ui::TMessage& msg) {
    switch (msg.Msg) {
    case WM_PAINT:
        if (control) {
            const RECT r{0, 0, control->Width(), control->Height()};
            DrawSkin(ui::DcParam(msg), r);
        }
        msg.Result = 1;
        return false;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        if (!CallDefault(msg)) return false;
        SetMouseBit(kPressed, true);
        Refresh();
        return false;
    case WM_LBUTTONUP:
        // The control's own release comes first: it clicks when released over the button.
        if (!CallDefault(msg)) return false;
        SetMouseBit(kPressed, false);
        Refresh();
        return false;
    case ui::CM_MOUSEENTER:
        SetMouseBit(kHot, true);
        Refresh();
        return true;
    case ui::CM_MOUSELEAVE:
        SetMouseBit(kHot, false);
        SetMouseBit(kPressed, false);
        if (control && control->Visible()) Refresh();
        return true;
    case WM_KEYDOWN:
    case WM_KEYUP:
        if (msg.WParam == VK_SPACE) SetMouseBit(kPressed, msg.Msg == WM_KEYDOWN);
        return true;
    default:
        return TSkinControl::BeforeMessage(msg);
    }
}

void TSkinSpeedButton::AfterMessage(ui::TMessage&) {
    // Enabling and focus need nothing of the companion: the control repaints itself.
}

int TSkinSpeedButton::GlyphFor(int frame) {
    return GlyphIndex(frame, Down());
}

void TSkinSpeedButton::DrawSkin(HDC dc, const RECT& rect) {
    if (painting_ || !skin || skin->Elements().Buttons.Image.Pixels.empty()) return;
    painting_ = true;
    try {
        enabledLook = EnumProp(L"Enabled") != L"false";
        focused = false;
        caption = StrProp(L"Caption");
        const int frame = SpeedButtonFrame(Pressed(), Hot(), enabledLook, Down());
        const bool drawFrame = EnumProp(L"Flat") != L"true" || Pressed() || Hot();
        PaintFace(dc, rect, frame, drawFrame, false);
    } catch (...) {
        painting_ = false;
        throw;
    }
    painting_ = false;
}
