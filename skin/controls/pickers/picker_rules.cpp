// The skinned drop-down button of a date-time picker.
#include "skin/controls/pickers/picker_rules.h"

#include <algorithm>

namespace {

constexpr int kHotFrame = 4;

} // namespace

TPixelRect ArrowButtonRect(int pickerWidth, int pickerHeight, int arrowWidth, bool leftSide,
                           int edge) {
    const int left = leftSide ? edge : pickerWidth - arrowWidth - 2 * edge;
    return {left, 0, left + arrowWidth, pickerHeight - 2 * edge};
}

int ArrowButtonFrame(bool hot, int frames) {
    return hot && frames >= kHotFrame ? kHotFrame : 1;
}

TPickerPoint PickerPressPoint(int x, int y, TPixelRect button, int pickerClientWidth,
                              bool leftSide, const std::optional<TPixelRect>& pickerButton) {
    if (pickerButton && pickerButton->Right > pickerButton->Left &&
        pickerButton->Bottom > pickerButton->Top) {
        const TPixelRect& own = *pickerButton;
        return {own.Left + std::clamp(x, 0, own.Right - own.Left - 1),
                own.Top + std::clamp(y, 0, own.Bottom - own.Top - 1)};
    }
    TPickerPoint p{x + button.Left, y + button.Top};
    if (leftSide) p.X = pickerClientWidth - 1 - p.X;
    return p;
}
