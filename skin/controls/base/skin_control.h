// TSkinControl: the companion every skinned standard control gets. It does not replace the
// control: it takes over the control's message stream (the class library's WindowProc hook, or
// the window procedure of a bare window), lets the control do its normal work and paints the
// control's look from the skin. Each control family derives from it and overrides the virtual
// operations; the shared drawing, colour and property routines live here.
//
// Life: created (lifeState 0) -> attached (1) -> either Detach (skinning off for good, colour
// restored, messages pass straight through) or the window's WM_NCDESTROY (6, then Detach, which
// leaves the colour alone). SM_SKINACTIVE switches skinning off and on at any time. The object is
// freed by its owner (the wrapped control) or by the form; either way it unhooks and unregisters.
#pragma once

#include "skin/controls/base/skin_control_host.h"

#include "skin/model/skin_catalogue.h"
#include "skin/runtime/control_hook.h"
#include "skin/runtime/window_subclass.h"

#include "ui/component.h"
#include "ui/control.h"
#include "ui/graphics.h"
#include "ui/messages.h"

#include <windows.h>

#include <cstdint>
#include <string>
#include <string_view>

class TSkinData;

class TSkinControl : public ui::TComponent {
public:
    // `owner` is the control this object skins, or none for a bare window.
    explicit TSkinControl(ui::TComponent* owner);
    ~TSkinControl() override;
    static const ui::TClassInfo& StaticClass();
    const ui::TClassInfo& ClassType() const override { return StaticClass(); }

    // ---- The virtual operations.
    // Takes over the owner (a class-library control); a second attach does nothing.
    virtual void AttachControl(TSkinControlHost* form, TSkinData* skin, bool ownsColor,
                               ui::TCanvas* canvas);
    // Takes over a bare window that has no class-library control.
    virtual void AttachWindow(HWND handle, TSkinData* skin, TSkinControlHost* form,
                              ui::TCanvas* canvas);
    // Takes over the scroll bars of the owner. Only scroll-bar skinners do it their own way;
    // for anyone else it is the control attach.
    virtual void AttachScrollHost(ui::TControl* control, TSkinData* skin, TSkinControlHost* form,
                                  ui::TCanvas* canvas);
    // Stops skinning: the control's colour goes back unless its window is already gone.
    virtual void Detach();
    // Runs before the control's own handling: true lets the message through (and AfterMessage
    // runs after it), false means it was answered here. The base answers the paint messages of a
    // composed face (FacePaint) and lets everything else through.
    virtual bool BeforeMessage(ui::TMessage& msg);
    virtual void AfterMessage(ui::TMessage& msg);
    // Paints the whole window, frame included, into `dc` (none: the window's own DC).
    virtual void PaintWindow(HDC dc);
    // The skinned look in `rect` (window coordinates); nothing in the base.
    virtual void DrawSkin(HDC dc, const RECT& rect);
    // Who paints the control's face. Composed: WM_PAINT draws it whole with DrawSkin (into the
    // DC the message brings, or a BeginPaint one) and the control's own paint never runs, and
    // WM_ERASEBKGND asks EraseUnderFace; printed: WM_PRINT draws it the same way.
    enum class TFacePaint { kControl, kComposed, kComposedAndPrinted };
    virtual TFacePaint FacePaint() const;
    // WM_ERASEBKGND under a composed face, `client` being the client area. True when answered
    // here; the base answers with nothing, as the face covers every pixel and erasing first
    // would only flicker. False leaves the erase to the control.
    virtual bool EraseUnderFace(HDC dc, const RECT& client);
    // A new skin was loaded.
    virtual void SkinChanged();
    // Skinning was switched off or on (SM_SKINACTIVE; SkinActive() tells which) and the control
    // repainted: what the companion shows of its own (overlays, a header's companion) follows.
    // Nothing in the base.
    virtual void SkinActivityChanged();
    virtual bool SkinQuery();

    // Every message of the skinned control enters here.
    void SkinWindowProc(ui::TMessage& msg);
    // The control's own handling of the message (or the window's previous procedure). False
    // when this object was freed meanwhile: the caller must not touch it any more.
    [[nodiscard]] bool CallDefault(ui::TMessage& msg);
    // Repaints the control (or its graphic target) now.
    void Refresh();

    // ---- What the form and tests read.
    HWND Handle() const { return handle; }
    ui::TControl* Control() const { return control; }
    TSkinControlHost* Form() const { return form; }
    // The display density the control draws at: its form's, or for a window of no skinned form
    // its top-level window's.
    int Dpi() const;
    int LifeState() const { return lifeState; }
    bool SkinActive() const { return skinActive; }
    bool Attached() const { return attached; }
    bool OwnsColor() const { return ownsColor; }
    int Variant() const { return variant; }
    // Set by the form before it attaches the object.
    void SetVariant(int value) { variant = value; }
    // The mouse is over the control; its left button went down on it and is held.
    bool Hot() const { return (mouseState & kHot) != 0; }
    bool Pressed() const { return (mouseState & kPressed) != 0; }

    // lifeState values.
    static constexpr int kCreated = 0;
    static constexpr int kAttached = 1;
    static constexpr int kWindowDestroyed = 6;
    // mouseState bits.
    static constexpr std::uint8_t kHot = 1;
    static constexpr std::uint8_t kPressed = 2;

protected:
    // ---- Attach steps the families reuse.
    // Stores the form, skin and canvas, takes the owner as the control with its window and
    // registers with the form.
    void TakeControl(TSkinControlHost* form, TSkinData* skin, ui::TCanvas* canvas);
    // TakeControl, and the control's WindowProc hooked.
    void HookControl(TSkinControlHost* form, TSkinData* skin, ui::TCanvas* canvas);
    // With `takeColour`, the control's Color is kept aside and replaced by the skin colour.
    void TakeColour(bool takeColour);
    // Stores the window and subclasses it with the wide or ANSI calls; registers with the form.
    void SubclassBareWindow(HWND handle, TSkinData* skin, TSkinControlHost* form,
                            ui::TCanvas* canvas, bool unicode);

    // ---- Shared routines.
    // The text of a bare window.
    std::wstring WindowText() const;
    // A colour slot of the skin: ButtonFace is the skin colour, ButtonShadow the border colour,
    // ButtonText the text colour, ButtonDkShadow the dark frame colour.
    ui::TColor SkinColour(TSkinColorSlot slot) const;
    void FillSkinColour(HDC dc, const RECT& rect) const;
    static void FillColour(HDC dc, const RECT& rect, ui::TColor colour);
    // A system colour the engine paints in, as the skin gives it (SkinColourFor), as RGB.
    ui::TColor InSkin(ui::TColor colour) const;
    // The Color of the control's parent (as the skin gives it), or `fallback` without a
    // control, parent or property.
    ui::TColor ParentColour(ui::TColor fallback) const;
    void FillParentColour(HDC dc, const RECT& rect) const;
    // GWL_STYLE of the window.
    std::uint32_t Style() const;
    // The wrapped control's published properties by name; never fails: -1, "" or none.
    std::int32_t OrdProp(std::wstring_view name) const;
    // An enumeration's identifier lower-cased ("true", "tacenter"), "" when missing.
    std::wstring EnumProp(std::wstring_view name) const;
    std::wstring StrProp(std::wstring_view name) const;
    ui::TPersistent* ObjectProp(std::wstring_view name, const ui::TClassInfo& cls) const;
    bool SetProp(std::wstring_view name, const std::wstring& text);
    // DT_RTLREADING when the control (or the graphic target) reads right to left, else 0.
    UINT RtlFormat() const;
    // Draws text with the skin text drawer, right-to-left reading added where it applies.
    int DrawSkinText(HDC dc, std::wstring_view text, RECT& rect, UINT format) const;
    // The focus rectangle around `caption` drawn with `format` in `rect`.
    void DrawFocusRectAroundText(HDC dc, UINT format, const RECT& rect) const;
    // WM_PAINT answered before the control's own handling: DrawSkin over the whole window into
    // the DC in wParam, or into a BeginPaint DC when there is none. The composed face does it
    // for WM_PAINT; a companion with a paint of its own may call it too.
    void PaintClient(ui::TMessage& msg);
    // WM_ERASEBKGND of a control that looks transparent: the parent paints under it.
    void EraseBackground(ui::TMessage& msg);
    // A mouse-button-down message the companion swallows, handed to the control's own mouse-down
    // handling for the left button.
    void ForwardMouseDown(const ui::TMessage& msg);

    void SetMouseBit(std::uint8_t bit, bool on) {
        mouseState = on ? mouseState | bit : mouseState & ~bit;
    }

    // ---- State.
    std::uint8_t mouseState = 0;
    ui::TCanvas* canvas = nullptr; // the form's, not owned
    bool enabledLook = false;
    bool focused = false;
    std::wstring caption; // the text last drawn
    bool skinActive = true;
    bool unicodeWindow = true;
    TSkinData* skin = nullptr;
    HWND handle = nullptr;
    ui::TControl* control = nullptr;
    RECT windowRect{}; // screen coordinates, stored before each whole-window paint
    // A control without a window whose invalidation replaces the window's refresh.
    ui::TControl* graphicTarget = nullptr;
    bool ownsColor = false;
    ui::TColor savedColor = 0;
    bool attached = false;
    int lifeState = kCreated;
    TSkinControlHost* form = nullptr;
    int variant = 0;

private:
    void Register(TSkinControlHost* host);
    // The control's visual style goes while the skin paints it and comes back when the skin
    // lets go (detached, or switched off for the moment).
    void SetVisualStyleTaken(bool taken);
    TControlHook hook_;
    TWindowSubclass subclass_;
    bool registered_ = false;
    // The skin paints this window (it was hooked or subclassed), so its visual style is off
    // while skinning is on.
    bool paintsWindow_ = false;
    bool styleTaken_ = false;
};
