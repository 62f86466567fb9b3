// The up-down control: two arrow buttons that step a position through a range, optionally
// showing it in a companion control (the associate) that they sit beside.
#pragma once
#include "ui/range_control.h"

namespace ui {

enum class TUDOrientation { udVertical, udHorizontal };

class TUpDown : public TRangeControl {
public:
    explicit TUpDown(TComponent* owner);
    static const TClassInfo& StaticClass();
    const TClassInfo& ClassType() const override { return StaticClass(); }

    TUDOrientation Orientation() const { return orientation_; }
    void SetOrientation(TUDOrientation v);
    // How far one press of an arrow steps.
    int Increment() const { return increment_; }
    void SetIncrement(int v);
    // The control that shows the position as its text, with the arrows at its right edge; none
    // by default.
    TWinControl* Associate() const { return associate_; }
    void SetAssociate(TWinControl* v);

protected:
    void CreateParams(TCreateParams& params) override;
    void InitializeWnd() override;
    void RangeToWindow() override;
    void PositionToWindow() override;
    void WndProc(TMessage& msg) override;
    void Notification(TComponent* component, TOperation operation) override;

private:
    int increment_ = 1;
    TUDOrientation orientation_ = TUDOrientation::udVertical;
    TWinControl* associate_ = nullptr;
};

} // namespace ui
