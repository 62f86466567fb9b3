// Skinned tab controls and page controls: the band of tabs drawn from the skin's Tabs strip
// (frame 2 for the focused tab, frame 1 for the others) on whichever side the tabs sit, and the
// pane from the Tabs border picture (or Tab.Pane) over the display area. A page control whose Tag
// is 7777 and whose tabs are on top shows a close box on each tab: a press on one asks the form
// window (SM_CLOSETAB) and closes the page when the answer is 0. Without the Tabs element the
// control keeps its standard look.
#pragma once

#include "skin/controls/base/control_paint.h"
#include "skin/controls/base/skin_control.h"
#include "skin/controls/tabs/tab_rules.h"
#include "skin/controls/values/skin_updown.h"

#include <memory>
#include <vector>

class TSkinTab : public TSkinControl {
public:
    using TSkinControl::TSkinControl;
    static const ui::TClassInfo& StaticClass();
    const ui::TClassInfo& ClassType() const override { return StaticClass(); }

    void AttachControl(TSkinControlHost* form, TSkinData* skin, bool ownsColor,
                       ui::TCanvas* canvas) override;
    void AttachWindow(HWND handle, TSkinData* skin, TSkinControlHost* form,
                      ui::TCanvas* canvas) override;
    bool BeforeMessage(ui::TMessage& msg) override;
    TFacePaint FacePaint() const override;
    bool EraseUnderFace(HDC dc, const RECT& client) override;
    void DrawSkin(HDC dc, const RECT& rect) override;
    void Detach() override;

    TTabSide Side() const { return side_; }
    bool CloseBoxes() const { return closeBoxesOn_; }
    // The close box of each tab at the last paint (client coordinates; empty for a tab that was
    // not drawn).
    const std::vector<TPixelRect>& CloseBoxRects() const { return closeBoxes_; }

    // The Tag that asks for close boxes on a page control's tabs.
    static constexpr int kCloseBoxTag = 7777;

private:
    const TDataSkinBorder* Tabs() const;
    // The strip and the pane as the tabs' side needs them.
    // How the Tabs strip is cut into frames, with its margins.
    static TPictureCut StripCut(const TDataSkinBorder& tabs);
    // The strip at the control's density, prepared for its side.
    const TStripBitmap& Strip(const TDataSkinBorder& tabs) const;
    // The pane's picture: Tab.Pane's or the Tabs element's second image, its larger copy (empty
    // for none) and its margins.
    struct TPane {
        const TPixelImage& Picture;
        const TLargePicture& Large;
        TPictureCut Cut;
    };
    TPane PaneOf(const TDataSkinBorder& tabs) const;
    void DrawBand(HDC dc, const TDataSkinBorder& tabs, TPixelRect whole, TPixelRect display);
    // The control's scroll arrows kept to its row of tabs (TabScrollArrowsRect).
    void FitScrollArrows();
    // A press in a close box: asks the form and closes the page. False when the press was
    // elsewhere.
    bool PressCloseBox(const ui::TMessage& msg);
    // The control's scroll arrows, skinned once the control has them (it makes them when its
    // tabs no longer fit).
    void AttachUpDown();

    std::vector<TPixelRect> closeBoxes_;
    TTabSide side_ = TTabSide::Top;
    bool closeBoxesOn_ = false;
    TOffscreen band_;
    TSkinUpDown* upDown_ = nullptr; // owned
    // Gone when this object is: the form's answer may free the control and its companions.
    std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
};
