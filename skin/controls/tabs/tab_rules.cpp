// The geometry and looks of the skinned tabs.
#include "skin/controls/tabs/tab_rules.h"

#include <algorithm>

namespace {

// The tab control's style bits: TCS_BOTTOM is TCS_RIGHT for vertical tabs.
constexpr std::uint32_t kBottomOrRight = 0x0002;
constexpr std::uint32_t kVertical = 0x0080;

TPixelRect Offset(TPixelRect r, int dx, int dy) {
    return {r.Left + dx, r.Top + dy, r.Right + dx, r.Bottom + dy};
}

} // namespace

TTabSide TabSideFromStyle(std::uint32_t style) {
    const bool second = (style & kBottomOrRight) != 0, vertical = (style & kVertical) != 0;
    if (vertical) return second ? TTabSide::Right : TTabSide::Left;
    return second ? TTabSide::Bottom : TTabSide::Top;
}

TPixelRect TabDisplayRect(TPixelRect adjusted, TTabSide side) {
    const TPixelRect grown{adjusted.Left - 4, adjusted.Top - 4, adjusted.Right + 4,
                           adjusted.Bottom + 4};
    switch (side) {
    case TTabSide::Top:
        return Offset(grown, 0, -1);
    case TTabSide::Bottom:
        return Offset(grown, 0, 1);
    case TTabSide::Left:
        return Offset(grown, -1, 0);
    case TTabSide::Right:
        return Offset(grown, 1, 0);
    }
    return grown;
}

TPixelRect TabBand(TPixelRect whole, TPixelRect display, TTabSide side) {
    TPixelRect band = whole;
    switch (side) {
    case TTabSide::Top:
        band.Bottom = std::clamp(display.Top, whole.Top, whole.Bottom);
        break;
    case TTabSide::Bottom:
        band.Top = std::clamp(display.Bottom, whole.Top, whole.Bottom);
        break;
    case TTabSide::Left:
        band.Right = std::clamp(display.Left, whole.Left, whole.Right);
        break;
    case TTabSide::Right:
        band.Left = std::clamp(display.Right, whole.Left, whole.Right);
        break;
    }
    return band;
}

TBandSurface BandSurface(TPixelRect band, TTabSide side) {
    const int width = band.Right - band.Left, height = band.Bottom - band.Top;
    if (side == TTabSide::Left || side == TTabSide::Right) return {height, width};
    return {width, height};
}

TPixelRect TabOnBand(TPixelRect tab, TPixelRect band, TTabSide side) {
    const TPixelRect r = Offset(tab, -band.Left, -band.Top);
    const TBandSurface surface = BandSurface(band, side);
    switch (side) {
    case TTabSide::Top:
        return Offset(r, 0, 1);
    case TTabSide::Bottom:
        return r;
    case TTabSide::Left:
        // The surface is turned counter-clockwise: its left end comes to the bottom.
        return {surface.Width - r.Bottom, r.Left, surface.Width - r.Top, r.Right};
    case TTabSide::Right:
        // Turned clockwise: its top edge comes to the right.
        return {r.Top, surface.Height - r.Right, r.Bottom, surface.Height - r.Left};
    }
    return r;
}

TBandTurn BandTurn(TTabSide side) {
    if (side == TTabSide::Left) return TBandTurn::Left;
    if (side == TTabSide::Right) return TBandTurn::Right;
    return TBandTurn::None;
}

TPixelRect CloseBoxRect(TPixelRect tab, int dpi) {
    const int in = ScaleMeasure(2, dpi), out = ScaleMeasure(8, dpi);
    return {tab.Right - out, tab.Top + in, tab.Right - in, tab.Top + out};
}

TPixelRect TabScrollArrowsRect(TPixelRect system, TPixelRect row, bool bottomTabs) {
    const int height = std::min(system.Bottom - system.Top, row.Bottom - row.Top);
    const int width = std::min((system.Right - system.Left) / 2, height);
    if (height <= 0 || width <= 0) return system;
    const int top = bottomTabs ? std::clamp(system.Top, row.Top, row.Bottom - height)
                               : std::clamp(system.Bottom, row.Top + height, row.Bottom) - height;
    return {system.Right - 2 * width, top, system.Right, top + height};
}

std::optional<int> CloseBoxHit(const std::vector<TPixelRect>& boxes, int x, int y) {
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        const TPixelRect& b = boxes[i];
        if (x >= b.Left && x < b.Right && y >= b.Top && y < b.Bottom) return static_cast<int>(i);
    }
    return std::nullopt;
}

TTabLook TabLook(bool focused, TColor normal, TColor active) {
    return focused ? TTabLook{2, active} : TTabLook{1, normal};
}

TTabLook ButtonTabLook(bool focused, std::optional<TColor> normal, std::optional<TColor> pressed) {
    constexpr TColor kBlack = 0;
    return TabLook(focused, normal.value_or(kBlack), pressed.value_or(kBlack));
}

TPixelRect ButtonTabBand(TPixelRect whole, TPixelRect adjusted) {
    TPixelRect band = whole;
    band.Bottom = std::clamp(adjusted.Top - 4 + 1, whole.Top, whole.Bottom);
    return band;
}

TMargins FlippedMargins(TMargins m) {
    return {m.Left, m.Bottom, m.Right, m.Top};
}

TMargins PaneMargins(int tabsStyle, TMargins tabPane) {
    if (tabsStyle == 1) return tabPane;
    return {4, 5, 4, 4};
}
