// Containers on the skin colour. TSkinBox gives a class-library container (panel, embedded form,
// tool bar) the skin colour as its own Color and leaves its messages alone: the control paints
// itself in that colour. TSkinBoxH does it for a bare container window (a system dialog, a tool
// bar): its background is erased in the skin colour, and its static children are given the
// skin's brush.
#pragma once

#include "skin/controls/base/skin_control.h"

class TSkinBox : public TSkinControl {
public:
    using TSkinControl::TSkinControl;
    static const ui::TClassInfo& StaticClass();
    const ui::TClassInfo& ClassType() const override { return StaticClass(); }

    void AttachControl(TSkinControlHost* form, TSkinData* skin, bool ownsColor,
                       ui::TCanvas* canvas) override;
    void Detach() override;

    // lifeState after Detach.
    static constexpr int kDetached = 2;
    // A lifeState in which Detach leaves the control's colour alone.
    static constexpr int kKeepsColour = 4;
};

class TSkinBoxH : public TSkinControl {
public:
    using TSkinControl::TSkinControl;
    static const ui::TClassInfo& StaticClass();
    const ui::TClassInfo& ClassType() const override { return StaticClass(); }

    bool BeforeMessage(ui::TMessage& msg) override;
};
