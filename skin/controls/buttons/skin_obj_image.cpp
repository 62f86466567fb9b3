// The glyph strip handed to check boxes and radio buttons that draw from a picture.
#include "skin/controls/buttons/skin_obj_image.h"

#include "skin/controls/buttons/obj_image_rules.h"

#include "skin/gdi/dib.h"
#include "skin/runtime/skin_data.h"

#include "ui/properties.h"

#include <string>

namespace {

// The key colour of the strip, as the control reads it: the decimal text of 0xFF00FF.
const std::wstring kMagentaText = std::to_wstring(0xFF00FF);

} // namespace

const ui::TClassInfo& TSkinObjImage::StaticClass() {
    static const ui::TClassInfo info(L"TSkinObjImage", &TSkinControl::StaticClass());
    return info;
}

void TSkinObjImage::AttachControl(TSkinControlHost* host, TSkinData* skinData, bool takeColour,
                                  ui::TCanvas* sharedCanvas) {
    if (attached) return;
    ownsColor = takeColour;
    TakeControl(host, skinData, sharedCanvas);
    if (control && ownsColor) {
        savedColor = control->Color();
        control->SetColor(SkinColour(kButtonFace));
    }
    HandOverGlyphs();
    attached = true;
    lifeState = kAttached;
}

void TSkinObjImage::HandOverGlyphs() {
    const TObjImageMode mode = ObjImageModeOf(variant);
    if (!control || !skin || mode == TObjImageMode::None) return;
    const TDataSkinButton& buttons = skin->Elements().Buttons;
    const bool radio = mode == TObjImageMode::Radio;
    const TPixelImage strip =
        ObjImageStrip(radio ? buttons.RadioImage : buttons.CheckImage,
                      radio ? buttons.RadioFrames : buttons.CheckFrames, mode);
    if (strip.Pixels.empty()) return;
    auto* picture = static_cast<ui::TBitmap*>(ui::GetObjectProp(
        control, mode == TObjImageMode::PropertiesGlyph ? L"Properties.Glyph" : L"CustomGlyphs",
        &ui::TBitmap::StaticClass()));
    if (!picture) return;
    const TDib pixels(strip);
    picture->SetSize(strip.Width, strip.Height);
    BitBlt(picture->Canvas().Handle(), 0, 0, strip.Width, strip.Height, pixels.Dc(), 0, 0, SRCCOPY);
    if (mode == TObjImageMode::PropertiesGlyph) return;
    SetProp(L"transparentcolor", kMagentaText);
    // Switched off and on again, so the control reads the new picture.
    SetProp(L"UseCustomGlyphs", L"false");
    SetProp(L"UseCustomGlyphs", L"true");
}
