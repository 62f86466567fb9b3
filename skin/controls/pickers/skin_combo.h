// TSkinComBox: the combo box's frame and drop-down button painted from the skin, the button hot
// while the mouse is over it, and the scroll bar of its list skinned by a companion of its own:
// TComboxScrollBar on the list that drops down, TSkinScrollbarH on the list of a simple combo.
#pragma once

#include "skin/controls/base/control_paint.h"
#include "skin/controls/base/list_selection.h"
#include "skin/controls/base/skin_control.h"
#include "skin/controls/pickers/combo_list_scrollbar.h"
#include "skin/controls/pickers/combo_rules.h"

#include "skin/runtime/window_subclass.h"

#include <optional>

class TSkinComBox : public TSkinControl {
public:
    explicit TSkinComBox(ui::TComponent* owner);
    ~TSkinComBox() override;
    static const ui::TClassInfo& StaticClass();
    const ui::TClassInfo& ClassType() const override { return StaticClass(); }

    // The edit part of an extended combo box: only its frame and arrow are drawn.
    void SetExtended(bool value) { extended_ = value; }

    void AttachControl(TSkinControlHost* form, TSkinData* skin, bool ownsColor,
                       ui::TCanvas* canvas) override;
    void AttachWindow(HWND handle, TSkinData* skin, TSkinControlHost* form,
                      ui::TCanvas* canvas) override;
    void Detach() override;
    bool BeforeMessage(ui::TMessage& msg) override;
    void AfterMessage(ui::TMessage& msg) override;
    void DrawSkin(HDC dc, const RECT& rect) override;

    // What tests look at.
    const RECT& ButtonRect() const { return buttonRect_; }
    TSkinControl* DropDownList() const { return dropList_; }
    TSkinControl* SimpleList() const { return simpleList_; }

private:
    bool ReadComboInfo();
    // The list companions and the hook on the edit field, as the combo's kind needs them.
    void AttachParts(bool control);
    void HookEdit();
    void Unhook();
    void SetHot(bool hot);
    // The left button going down or up on the combo or its edit field: shown pressed while it
    // is held. False for any other message.
    bool TrackPress(UINT msg);
    // The combo's own painting of its client area, printed into `off` (the window's size).
    void PrintOwnLook(HDC off, const RECT& r);
    // The look composed off screen: the frame and button over what the combo drew.
    void DrawFramed(HDC off, const RECT& r, int frame);
    // `brush` is the one the combo left in its DC: the flat look paints with the combo's own.
    void DrawFlat(HDC off, const RECT& r, int frame, HBRUSH brush);
    void DrawExtended(HDC off, const RECT& r, int frame);
    // The skin's selection colours where the combo shows its selected text in its field (a
    // drop-down list the system draws) and the skin gives colours of its own.
    std::optional<TSelectionColours> FieldSelection() const;
    // The field's highlight on `off` (the window's picture) in `colours`, while the box has the
    // focus and its list is up.
    void RecolourField(const TSelectionColours& colours);

    std::uint32_t style_ = 0;
    std::uint32_t exStyle_ = 0;
    HWND listHandle_ = nullptr;
    HWND editChild_ = nullptr;
    TWindowSubclass editSubclass_;
    // Owned by this object alone: the form does not list them (they skin no control of its),
    // so they are made, detached and freed with this one.
    TSkinControl* simpleList_ = nullptr;
    TSkinControl* dropList_ = nullptr;
    COMBOBOXINFO info_{};
    RECT buttonRect_{};
    bool extended_ = false;
    TOffscreen surface_;
};
