// The rules of skinned edits, group boxes and status bars.
#include "skin/controls/frames/frame_rules.h"

namespace {

// Where a group box's caption starts from its left (or right) edge.
constexpr int kCaptionIndent = 8;
// The gap the status bar leaves between its parts, which the drawn panel covers: the control's
// own, which it does not scale; and the text's inset, a measure.
constexpr int kPanelGap = 2;
constexpr int kPanelInset = 2;

} // namespace

bool EditHasBorder(int windowWidth, int windowHeight, int clientWidth, int clientHeight) {
    return clientWidth != windowWidth && clientHeight != windowHeight;
}

bool EditPrintsBorder(int windowWidth, int windowHeight, int clientWidth, int clientHeight) {
    return windowWidth - clientWidth > 2 && windowHeight - clientHeight > 2;
}

TGroupBoxPlacement PlaceGroupBox(const TPixelRect& r, int textHeight, bool captionRight, int dpi) {
    TGroupBoxPlacement p;
    const int one = ScaleMeasure(1, dpi), indent = ScaleMeasure(kCaptionIndent, dpi);
    const int y = textHeight / 2 - one;
    p.Frame = {r.Left + one, y, r.Right - one, r.Bottom - one};
    p.CaptionRight = captionRight;
    p.Caption = captionRight ? TPixelRect{r.Left, r.Top, r.Right - indent, r.Bottom}
                             : TPixelRect{r.Left + indent, r.Top, r.Right, r.Bottom};
    return p;
}

int PanelEdgeFrame(TPanelBevel bevel) {
    switch (bevel) {
    case TPanelBevel::Lowered:
        return 1;
    case TPanelBevel::Raised:
        return 2;
    case TPanelBevel::None:
        break;
    }
    return 3;
}

TPixelRect PanelRect(const TPixelRect& part, bool last, int barRight) {
    TPixelRect r = part;
    r.Right = last ? barRight : part.Right + kPanelGap;
    return r;
}

TPixelRect PanelTextRect(const TPixelRect& panel, int dpi) {
    const int inset = ScaleMeasure(kPanelInset, dpi);
    return {panel.Left + inset, panel.Top, panel.Right - inset, panel.Bottom};
}

TPixelRect PanelDrawRect(const TPixelRect& panel, int dpi) {
    const int inset = ScaleMeasure(kPanelInset, dpi);
    return {panel.Left + inset, panel.Top + inset, panel.Right - inset, panel.Bottom - inset};
}

std::wstring PanelText(const std::wstring& text) {
    return text.empty() ? std::wstring(L" ") : text;
}

TPanelAlignment PanelTextAlignment(TPanelAlignment alignment, bool rightToLeft) {
    if (!rightToLeft) return alignment;
    switch (alignment) {
    case TPanelAlignment::Left:
        return TPanelAlignment::Right;
    case TPanelAlignment::Right:
        return TPanelAlignment::Left;
    case TPanelAlignment::Center:
        break;
    }
    return alignment;
}

int PanelTextTop(const TPixelRect& panel, int textHeight) {
    return panel.Top + (panel.Bottom - panel.Top - textHeight) / 2;
}

bool SimpleStatusBar(bool simplePanel, int panelCount) {
    return simplePanel || panelCount <= 0;
}

TPixelRect SizeGripRect(const TPixelRect& bar, int gripWidth, int gripHeight, int dpi) {
    const int in = ScaleMeasure(1, dpi);
    return {bar.Right - in - gripWidth, bar.Bottom - in - gripHeight, bar.Right - in,
            bar.Bottom - in};
}
