// The companions of controls with scroll bars: TSkinScrollbar for a class-library control with
// window scroll bars (list boxes, memos, grids ...), TSkinScrollbarH for a bare window with
// them (the list of a simple combo box), TSkinScControl for a scroll-bar control. Each lays
// overlays over the bars (scroll_overlay.h) and keeps them placed, shown and painted as the
// control changes; while skinning is off the overlays are hidden and the system's bars show.
#pragma once

#include "skin/controls/base/control_paint.h"
#include "skin/controls/base/list_selection.h"
#include "skin/controls/base/skin_control.h"
#include "skin/controls/scroll/scroll_overlay_pair.h"

#include "skin/runtime/control_hook.h"
#include "skin/runtime/window_subclass.h"

#include <memory>

class TSkinScrollbar : public TSkinControl {
public:
    explicit TSkinScrollbar(ui::TComponent* owner);
    ~TSkinScrollbar() override;
    static const ui::TClassInfo& StaticClass();
    const ui::TClassInfo& ClassType() const override { return StaticClass(); }

    void AttachScrollHost(ui::TControl* control, TSkinData* skin, TSkinControlHost* form,
                          ui::TCanvas* canvas) override;
    void Detach() override;
    bool BeforeMessage(ui::TMessage& msg) override;
    void AfterMessage(ui::TMessage& msg) override;
    void DrawSkin(HDC dc, const RECT& rect) override;
    void SkinChanged() override;
    // The overlays follow: hidden while skinning is off, and the control's own bars and border
    // come back.
    void SkinActivityChanged() override;

    const TScrollOverlayPair& Overlays() const { return overlays_; }

private:
    // The border in place of the control's own: the border colour outside, the skin colour in.
    void DrawBorder(HDC dc) const;

    bool frameBorder_ = false;
    TScrollOverlayPair overlays_;
    // A list box's selection in the skin's colours.
    TListSelection selection_;
};

class TSkinScrollbarH : public TSkinControl {
public:
    explicit TSkinScrollbarH(ui::TComponent* owner);
    ~TSkinScrollbarH() override;
    static const ui::TClassInfo& StaticClass();
    const ui::TClassInfo& ClassType() const override { return StaticClass(); }

    void AttachWindow(HWND handle, TSkinData* skin, TSkinControlHost* form,
                      ui::TCanvas* canvas) override;
    bool BeforeMessage(ui::TMessage& msg) override;
    void AfterMessage(ui::TMessage& msg) override;
    void DrawSkin(HDC dc, const RECT& rect) override;
    void SkinActivityChanged() override;

    const TScrollOverlayPair& Overlays() const { return overlays_; }

private:
    TScrollOverlayPair overlays_;
    TListSelection selection_;
};

class TSkinScControl : public TSkinControl {
public:
    explicit TSkinScControl(ui::TComponent* owner);
    ~TSkinScControl() override;
    static const ui::TClassInfo& StaticClass();
    const ui::TClassInfo& ClassType() const override { return StaticClass(); }

    void AttachControl(TSkinControlHost* form, TSkinData* skin, bool ownsColor,
                       ui::TCanvas* canvas) override;
    void Detach() override;
    void AfterMessage(ui::TMessage& msg) override;
    void DrawSkin(HDC dc, const RECT& rect) override;
    void SkinActivityChanged() override;

    TWScrollbar* Overlay() const { return overlay_.get(); }

private:
    std::unique_ptr<TWScrollbar> overlay_;
};
