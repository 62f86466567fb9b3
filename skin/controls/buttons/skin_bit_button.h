// Glyph buttons and speed buttons drawn from the skin's `Buttons` strip with the control's glyph
// and caption on top, laid out as the control lays them out itself.
//
// TSkinSpeedButton: the speed button has no window. The companion hooks the control's messages,
// paints into the DC its parent hands it with WM_PAINT and repaints through the control (its
// graphic target).
#pragma once

#include "skin/controls/buttons/skin_button.h"

#include <string>

class TSkinBitButton : public TSkinButton {
public:
    explicit TSkinBitButton(ui::TComponent* owner);
    static const ui::TClassInfo& StaticClass();
    const ui::TClassInfo& ClassType() const override { return StaticClass(); }

    // Where the glyph is read from: the control's property of that name ("PngImage"); empty for
    // its `Glyph`.
    void SetGlyphProperty(std::wstring name) { glyphProperty_ = std::move(name); }
    void DrawSkin(HDC dc, const RECT& rect) override;

protected:
    RECT DrawContent(HDC dc, int width, int height, int frame) override;
    // The picture of the glyph strip that goes with the frame shown.
    virtual int GlyphFor(int frame);

private:
    std::wstring glyphProperty_;
};

class TSkinSpeedButton : public TSkinBitButton {
public:
    explicit TSkinSpeedButton(ui::TComponent* owner);
    static const ui::TClassInfo& StaticClass();
    const ui::TClassInfo& ClassType() const override { return StaticClass(); }

    void AttachControl(TSkinControlHost* form, TSkinData* skin, bool ownsColor,
                       ui::TCanvas* canvas) override;
    bool BeforeMessage(ui::TMessage& msg) override;
    void AfterMessage(ui::TMessage& msg) override;
    void DrawSkin(HDC dc, const RECT& rect) override;

protected:
    int GlyphFor(int frame) override;

private:
    bool Down() const { return EnumProp(L"Down") == L"true"; }
    bool painting_ = false; // a paint started from inside a paint draws nothing
};
