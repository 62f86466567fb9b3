// The rules of a skinned combo box: button frame, hot tracking and the two layouts.
#include "skin/controls/pickers/combo_rules.h"

int ComboButtonFrame(const TComboState& s) {
    if (!s.Enabled) return kComboDisabled;
    if (s.Pressed) return kComboPressed;
    if (s.Focused || s.Hot) return kComboHot;
    return kComboNormal;
}

bool ComboHotAfterMove(bool hot, bool inside, bool enabled) {
    if (!enabled) return hot;
    return inside;
}

TComboLayout FramedComboLayout(int width, int height, int arrow, bool leftButton, int edge) {
    const int e = edge;
    if (leftButton)
        return {{arrow + 2 * e, e, width - e, height - e},
                {0, 0, arrow + e, height},
                {e, 0, arrow + e, height}};
    return {{e, e, width - arrow - 2 * e, height - e},
            {width - arrow - e, 0, width, height},
            {width - arrow - e, 0, width - e, height}};
}

TFlatComboLayout FlatComboLayout(int width, int height, int column, int glyphWidth, int glyphHeight,
                                 bool leftButton) {
    const TPixelRect ring{1, 1, width - 1, height - 1};
    const TPixelRect inner{2, 2, width - 2, height - 2};
    TFlatComboLayout flat{ring, inner, inner};
    if (leftButton) {
        flat.Column.Right = inner.Left + column;
        flat.Button.Right = inner.Left + glyphWidth;
    } else {
        flat.Column.Left = inner.Right - column;
        flat.Button.Left = inner.Right - glyphWidth;
    }
    if (glyphHeight < column) flat.Button.Bottom = inner.Top + glyphHeight;
    return flat;
}
