// The rules of skinned edits, group boxes and status bars.
#include "skin/controls/frames/frame_rules.h"

namespace {

// Where a group box's caption starts from its left (or right) edge.
constexpr int kCaptionIndent = 8;
// The gap between status-bar panels the drawn panel covers, and the text's inset.
constexpr int kPanelGap = 2;

} // namespace

bool EditHasBorder(int windowWidth, int windowHeight, int clientWidth, int clientHeight) {
    return clientWidth != windowWidth && clientHeight != windowHeight;
}

bool EditPrintsBorder(int windowWidth, int windowHeight, int clientWidth, int clientHeight) {
    return windowWidth - clientWidth > 2 && windowHeight - clientHeight > 2;
}

TGroupBoxPlacement PlaceGroupBox(const TPixelRect& r, int textHeight, bool captionRight) {
    TGroupBoxPlacement p;
    const int y = textHeight / 2 - 1;
    p.Frame = {r.Left + 1, y, r.Right - 1, r.Bottom - 1};
    p.CaptionRight = captionRight;
    p.Caption = captionRight ? TPixelRect{r.Left, r.Top, r.Right - kCaptionIndent, r.Bottom}
                             : TPixelRect{r.Left + kCaptionIndent, r.Top, r.Right, r.Bottom};
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

TPixelRect PanelTextRect(const TPixelRect& panel) {
    return {panel.Left + kPanelGap, panel.Top, panel.Right - kPanelGap, panel.Bottom};
}

TPixelRect PanelDrawRect(const TPixelRect& panel) {
    return {panel.Left + kPanelGap, panel.Top + kPanelGap, panel.Right - kPanelGap,
            panel.Bottom - kPanelGap};
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

TPixelRect SizeGripRect(const TPixelRect& bar, int gripWidth, int gripHeight) {
    return {bar.Right - 1 - gripWidth, bar.Bottom - 1 - gripHeight, bar.Right - 1, bar.Bottom - 1};
}
