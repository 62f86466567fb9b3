// TSkinData: the skin data component of a form. The rules live in TSkinDataCore; this puts them
// on the class library's component (properties by name, "SkinStream" read from the description,
// Loaded) and adds what only Windows has: the caption font, the application icon, the menu
// glyphs, the face brush and the caption-button hint.
#pragma once

#include "skin/model/skin_data_core.h"

#include "ui/component.h"
#include "ui/graphics.h"
#include "ui/hint_window.h"
#include "ui/string_list.h"

#include <windows.h>

#include <memory>
#include <string>

class TSkinBitmaps;
namespace ui {
class TControl;
}

class TSkinData : public ui::TComponent, public TSkinDataCore {
public:
    explicit TSkinData(ui::TComponent* owner);
    ~TSkinData() override;

    static const ui::TClassInfo& StaticClass();
    const ui::TClassInfo& ClassType() const override { return StaticClass(); }

    // "SkinStream": the compressed skin, a 32-bit length and its bytes.
    bool ReadBinary(std::wstring_view name, std::span<const std::uint8_t> data) override;
    void Loaded() override;

    // Raised by the control discovery before its own choice; a skinner returned in
    // `SkinnedControl` is used for that control.
    std::function<void(ui::TComponent* Sender, TSkinData* SkinData, ui::TControl* Form,
                       ui::TControl* Control, const std::wstring& ControlClass,
                       ui::TComponent*& SkinnedControl)>
        OnSkinControl;

    // The application's small icon on the magenta key colour; empty without an icon.
    TPixelImage AppIcon;
    ui::TFont CaptionFont;
    ui::TImageList MenuGlyphs{16, 16};
    // A solid brush of the ButtonFace slot, made again on every load.
    HBRUSH FaceBrush() const { return faceBrush_.get(); }
    // The GDI bitmaps of the skin's pictures, one set for every painter of this skin (form,
    // controls, menus), so GDI handles do not grow with the number of skinned controls. Made as
    // they are first painted; a load replaces them.
    TSkinBitmaps& Bitmaps() const;
    int MaxWidth = 0;
    int MaxHeight = 0;
    // How long reading "SkinStream" took, its skin decoded and built: for the start-up benchmark.
    std::int64_t StreamLoadMicroseconds = 0;
    // Cleared by the form skinner while it passes one message on.
    std::uint8_t FramePaintingEnabled = 1;

    // How long (ms) the mouse has rested on a caption button: its hint shows after a while.
    int CaptionHintCounter = 0;
    void ShowCaptionHint(const RECT& at, const std::wstring& text);
    void HideCaptionHint();
    bool CaptionHintShowing() const { return hintShowing_; }
    // The hint window, once a hint was shown.
    HWND CaptionHintWindow() const { return hint_ ? hint_->Handle() : nullptr; }

protected:
    bool InDesign() const override;
    bool InReading() const override;
    bool HasScrollBarInfo() const override;
    void BuildCaptionFont() override;
    void BuildAppIcon() override;
    void SkinElementsLoaded() override;
    TWindowHandle OwnerFormWindow() const override;

private:
    std::unique_ptr<ui::TStrings> skin3rdLines_; // Skin3rd as the class library's string list
    ui::GdiHandle<HBRUSH> faceBrush_;
    mutable std::unique_ptr<TSkinBitmaps> bitmaps_; // over Elements(), which outlives it
    ui::THintWindow* hint_ = nullptr; // owned: made on the first hint, freed with this
    bool hintShowing_ = false;
};
