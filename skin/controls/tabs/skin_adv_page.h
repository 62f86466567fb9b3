// Page controls that draw their tabs from pictures of their own (TabBackGround for a tab,
// TabBackGroundActive for the active one): the skin gives them frames 1 and 2 of its Tabs strip
// as those pictures and takes them back (empty pictures) when skinning stops.
#pragma once

#include "skin/controls/base/skin_control.h"
#include "skin/controls/values/skin_updown.h"

class TSkinAdvPage : public TSkinControl {
public:
    using TSkinControl::TSkinControl;
    static const ui::TClassInfo& StaticClass();
    const ui::TClassInfo& ClassType() const override { return StaticClass(); }

    void AttachControl(TSkinControlHost* form, TSkinData* skin, bool ownsColor,
                       ui::TCanvas* canvas) override;
    void Detach() override;
    void SkinChanged() override;
    // Draws nothing itself: it skins the control's up-down once the control has one.
    void DrawSkin(HDC dc, const RECT& rect) override;

    // The size of the pictures the tabs are given.
    static constexpr int kPictureWidth = 100;
    static constexpr int kPictureHeight = 21;

private:
    // Both pictures from the skin; empty ones when `empty` or the skin has no tabs.
    void AssignPictures(bool empty);
    TSkinUpDown* upDown_ = nullptr; // owned
};
