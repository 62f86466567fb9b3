// Up-down controls drawn from the skin's 8-frame `UpDown.Vert` (`UpDown.Horz` for left and right
// arrows) strip with its glyph strip: frames 1 to 4 for the first half (up or left), 5 to 8 for
// the second, by the state of each half. Without the strip each half is a framed box with a
// small arrow in the skin's colours.
//
// Other companions attach one by window handle to an up-down they find inside their control
// (an edit's, a tab control's scroll arrows): see SetEmbedded and SetHorizontal.
#pragma once

#include "skin/controls/base/control_paint.h"
#include "skin/controls/base/skin_control.h"

class TSkinUpDown : public TSkinControl {
public:
    using TSkinControl::TSkinControl;
    static const ui::TClassInfo& StaticClass();
    const ui::TClassInfo& ClassType() const override { return StaticClass(); }

    // Sits inside an edit: the edit's background shows around it, and it keeps 3 pixels from
    // the edit's top, bottom and right edges. Set before attaching.
    bool Embedded() const { return embedded_; }
    void SetEmbedded(bool value) { embedded_ = value; }
    // 1 lays the arrows out left and right whatever the window's style says.
    int Horizontal() const { return horizontal_; }
    void SetHorizontal(int value) { horizontal_ = value; }

    bool BeforeMessage(ui::TMessage& msg) override;
    TFacePaint FacePaint() const override { return TFacePaint::kComposed; }
    bool EraseUnderFace(HDC dc, const RECT& client) override;
    void AfterMessage(ui::TMessage& msg) override;
    void DrawSkin(HDC dc, const RECT& rect) override;

private:
    bool HorizontalLayout() const;
    // Where the halves go in `rect` (the whole window): inside an edit, clear of its border.
    RECT DrawArea(const RECT& rect) const;
    // Which half the cursor is over (0 first, 1 second, -1 neither) for a control drawn in
    // `area` (window coordinates).
    int HalfUnderCursor(const RECT& area) const;
    // The half of a skin without the up-down strip.
    void DrawPlainHalf(HDC dc, const RECT& half, int state, bool second, bool horizontal) const;

    bool embedded_ = false;
    int horizontal_ = 0;
    int lastHalf_ = -1; // the half under the cursor at the last paint
    TOffscreen offscreen_;
};

// The first child window of `parent` (in z order) that is an up-down: of class
// "msctls_updown32", or with `otherSpinners` any class whose lower-cased name contains "spin"
// or "updown" (the spin buttons some edits carry). None: nullptr.
HWND FindUpDownChild(HWND parent, bool otherSpinners);

// An up-down skinner for `window`, owned by `owner` (freed with it) and drawn with `skin`; the
// form does not list it, so the owner detaches it along with itself.
TSkinUpDown* AttachOwnedUpDown(TSkinControl* owner, HWND window, TSkinData* skin,
                               ui::TCanvas* canvas, bool embedded, int horizontal = 0);
