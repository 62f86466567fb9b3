// The up-down control: two arrow buttons that step a position through a range, optionally
// showing it in a companion control (the associate) that they sit beside.
#pragma once
#include "win_control.h"

namespace ui {

enum class TUDOrientation { udVertical, udHorizontal };

class TUpDown : public TWinControl {
public:
    explicit TUpDown(TComponent* owner);
    static const TClassInfo& StaticClass();
    const TClassInfo& ClassType() const override { return StaticClass(); }

    int Min() const { return min_; }
    void SetMin(int v);
    int Max() const { return max_; }
    void SetMax(int v);
    // Kept inside the range; the arrows' steps land here too.
    int Position() const { return position_; }
    void SetPosition(int v);
    TUDOrientation Orientation() const { return orientation_; }
    void SetOrientation(TUDOrientation v);
    // How far one press of an arrow steps.
    int Increment() const { return increment_; }
    void SetIncrement(int v);
    // The control that shows the position as its text, with the arrows at its right edge; none
    // by default.
    TWinControl* Associate() const { return associate_; }
    void SetAssociate(TWinControl* v);

    // The position changed (by the arrows, the keys or SetPosition).
    TNotifyEvent OnChange;

    void Loaded() override;

protected:
    void CreateParams(TCreateParams& params) override;
    void InitializeWnd() override;
    void WndProc(TMessage& msg) override;
    void Notification(TComponent* component, TOperation operation) override;

private:
    int Clamped(int position) const;
    void ApplyToWindow();
    void PositionChanged(int position);

    int min_ = 0;
    int max_ = 100;
    int position_ = 0;
    int increment_ = 1;
    TUDOrientation orientation_ = TUDOrientation::udVertical;
    TWinControl* associate_ = nullptr;
};

} // namespace ui
