// Edit fields with a border in the skin's colours: after every paint the border gets one line of
// the border colour and two white lines inside it. An edit without a border keeps its look.
#pragma once

#include "skin/controls/base/skin_control.h"
#include "skin/controls/values/skin_updown.h"

class TSkinEdit : public TSkinControl {
public:
    using TSkinControl::TSkinControl;
    static const ui::TClassInfo& StaticClass();
    const ui::TClassInfo& ClassType() const override { return StaticClass(); }

    bool BeforeMessage(ui::TMessage& msg) override;
    void AfterMessage(ui::TMessage& msg) override;
    void DrawSkin(HDC dc, const RECT& rect) override;
    void Detach() override;

private:
    // The window and client sizes of the edit.
    SIZE WindowSize() const;
    SIZE ClientSize() const;
    // WM_PRINT: the border over what the edit printed into `dc`.
    void PrintBorder(HDC dc);
    // SM_PAINTCLIENT: the edit's own client paint into `dc`.
    void PaintOwnClient(ui::TMessage& msg);
    // The spin buttons some edits carry inside, skinned once the edit has them.
    void AttachUpDown();

    TSkinUpDown* upDown_ = nullptr; // owned
};
