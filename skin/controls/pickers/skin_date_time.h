// TSkinDateTime: a date-time picker with a drop-down calendar, its frame drawn in the skin's
// border colour and its drop-down button covered by TArrowButton, a small window of its own
// painted from the skin's combo arrow strip. The picker draws its button itself, where a
// companion cannot paint over it; the arrow button shows the skin's instead and hands every
// press to the picker as a press on its own button, so the picker opens its calendar.
#pragma once

#include "skin/controls/base/control_paint.h"
#include "skin/controls/base/overlay_window.h"
#include "skin/controls/base/skin_control.h"

#include <memory>
#include <optional>

class TSkinDateTime;

class TArrowButton : public TOverlayWindow {
public:
    // A child of the picker `picker`, not a tab stop, hidden until placed.
    TArrowButton(TSkinDateTime& companion, ui::TControl* pickerControl, HWND picker);

    // Over the picker's button for the picker's size and layout now; shown while skinning is on.
    void Place();
    bool Hot() const { return (mouseState_ & kHot) != 0; }
    // Where it sits in the picker's client area, as last placed.
    const RECT& Rect() const { return rect_; }

private:
    static constexpr std::uint8_t kHot = 1;
    bool LeftSide() const;
    // The picker's calendar is shown.
    bool CalendarOpen() const;
    // Where the picker says its own button is, in its client area; none where it does not say.
    std::optional<TPixelRect> PickerButton() const;
    void SetHot(bool hot);
    void Paint(HDC dc) override;
    std::optional<LRESULT> OnMessage(const ui::TMessage& msg) override;
    void Press(WPARAM keys, POINT at);

    TSkinDateTime& companion_;
    ui::TControl* pickerControl_;
    HWND picker_;
    std::uint8_t mouseState_ = 0;
    bool tracking_ = false; // a leave report is asked for
    RECT rect_{};
    TOffscreen surface_;
};

class TSkinDateTime : public TSkinControl {
public:
    explicit TSkinDateTime(ui::TComponent* owner);
    ~TSkinDateTime() override;
    static const ui::TClassInfo& StaticClass();
    const ui::TClassInfo& ClassType() const override { return StaticClass(); }

    void AttachControl(TSkinControlHost* form, TSkinData* skin, bool ownsColor,
                       ui::TCanvas* canvas) override;
    void AfterMessage(ui::TMessage& msg) override;
    void DrawSkin(HDC dc, const RECT& rect) override;
    void Detach() override;
    // The arrow button hides while skinning is off, and the picker's own frame and button show.
    void SkinActivityChanged() override;

    // None when the skin has no arrow strip: the picker keeps its own button.
    TArrowButton* Arrow() const { return arrow_.get(); }

private:
    friend class TArrowButton;
    // The skin's combo arrow strip, or none when it has no picture.
    const TDataSkinObject* ArrowStrip() const;

    std::unique_ptr<TArrowButton> arrow_;
};
