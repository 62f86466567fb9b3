// The menus' rules.
#include "skin/forms/menu_rules.h"

#include <algorithm>
#include <cwctype>

namespace {

// Virtual-key codes of the arrows (the rules build without <windows.h>).
constexpr unsigned kKeyLeft = 0x25;
constexpr unsigned kKeyRight = 0x27;
// Native ids from here on are the system's (system commands, MDI windows) or unknown to the
// class library; below it the system draws what the library does not know.
constexpr unsigned kFirstForeignId = 4096;

bool Opens(const TBarItem& item) {
    return item.visible && !item.empty;
}

} // namespace

bool MenuBarFromLibraryMenu(TPlatformVersion version) {
    return (version.nt && version.major < 5) || (version.major == 4 && version.minor == 0);
}

TPixelRect MenuBarRect(int windowWidth, TFrameSizes frame, int menuBarHeight) {
    return {frame.left, frame.title, windowWidth - frame.right, frame.title + menuBarHeight};
}

std::vector<TPixelRect> LayOutMenuBar(const TMenuBarLayoutInputs& in,
                                      const std::vector<TBarItem>& items) {
    const auto scaled = [&in](int pixels) { return ScaleMeasure(pixels, in.dpi); };
    const int barWidth = in.bar.Right - in.bar.Left;
    int start = scaled(6);
    if (in.hasMenuBarElement) {
        start = in.rightToLeft ? scaled(in.rightWidth + 8) : scaled(in.leftWidth + 4);
        if (start >= barWidth) start = scaled(12);
    }
    const int captionRoom = scaled(10);
    const int top = in.bar.Top;
    const int bottom = in.bar.Bottom - 1;
    std::vector<TPixelRect> bounds;
    bounds.reserve(items.size());
    int x = in.rightToLeft ? in.bar.Right - start : in.bar.Left + start;
    for (const TBarItem& item : items) {
        if (!item.visible) {
            bounds.push_back({});
            continue;
        }
        const int width = item.empty ? 0 : item.captionWidth + captionRoom;
        if (in.rightToLeft) {
            bounds.push_back({x - width, top, x, bottom});
            x -= width;
        } else {
            bounds.push_back({x, top, x + width, bottom});
            x += width;
        }
    }
    return bounds;
}

std::optional<std::size_t> MenuBarHit(const std::vector<TPixelRect>& bounds,
                                      const std::vector<TBarItem>& items, int x, int y) {
    for (std::size_t i = 0; i < bounds.size() && i < items.size(); ++i) {
        const TPixelRect& b = bounds[i];
        if (!items[i].empty && x >= b.Left && x < b.Right && y >= b.Top && y < b.Bottom) return i;
    }
    return std::nullopt;
}

wchar_t AcceleratorOf(std::wstring_view caption) {
    for (std::size_t i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != L'&') continue;
        if (caption[i + 1] != L'&') return static_cast<wchar_t>(std::towupper(caption[i + 1]));
        ++i;
    }
    return 0;
}

std::optional<std::size_t> MenuBarAccelerator(const std::vector<TBarItem>& items, wchar_t key) {
    if (key == 0) return std::nullopt;
    const auto upper = static_cast<wchar_t>(std::towupper(key));
    for (std::size_t i = 0; i < items.size(); ++i)
        if (items[i].enabled && items[i].visible && items[i].accelerator == upper) return i;
    return std::nullopt;
}

TBarMove BarMoveOf(unsigned key, bool nestedSubmenuOpen, bool selectedHasSubmenu) {
    if (key == kKeyLeft && !nestedSubmenuOpen) return TBarMove::Previous;
    if (key == kKeyRight && !selectedHasSubmenu) return TBarMove::Next;
    return TBarMove::None;
}

std::size_t BarItemAfter(const std::vector<TBarItem>& items, std::size_t open, TBarMove move) {
    const std::size_t n = items.size();
    if (move == TBarMove::None || n == 0 || open >= n) return open;
    std::size_t i = open;
    for (std::size_t step = 1; step < n; ++step) {
        i = move == TBarMove::Next ? (i + 1) % n : (i + n - 1) % n;
        if (Opens(items[i])) return i;
    }
    return open;
}

int PopupItemExtraWidth(bool hasMenuItemElement, int menuItemLeftWidth, bool hasImages,
                        int dpi) {
    return ScaleMeasure((hasMenuItemElement ? menuItemLeftWidth : 0) + 12 + (hasImages ? 0 : 23),
                        dpi);
}

int BarItemExtraWidth(bool hasMenuItemElement, int menuItemLeftWidth, bool hasImages, int dpi) {
    return ScaleMeasure((hasMenuItemElement ? menuItemLeftWidth : 0) + 10 + (hasImages ? 0 : 25),
                        dpi);
}

TNativeItemSize NativeItemSize(int textWidth, int textHeight, bool textEmpty,
                               bool hasMenuItemElement, int menuItemLeftWidth, bool nt, int dpi) {
    TNativeItemSize size;
    size.width = textWidth + ScaleMeasure(26 + (hasMenuItemElement ? menuItemLeftWidth : 0), dpi);
    size.height = textEmpty ? ScaleMeasure(8, dpi) : textHeight + ScaleMeasure(4, dpi);
    if (!nt) size.height += ScaleMeasure(4, dpi);
    return size;
}

bool SystemDrawnItemId(unsigned id) {
    return id >= 1 && id < kFirstForeignId;
}

int MenuItemCell(bool selected) {
    return selected ? 4 : 1;
}

TColor MenuItemTextColor(const std::array<TColor, kColorSlots>& colors, bool selected,
                         bool enabled) {
    if (!enabled)
        return colors[kButtonShadow] == colors[kMenuText] ? clBtnShadow : colors[kButtonShadow];
    return selected ? colors[kHilightText] : colors[kMenuText];
}

TMenuItemLayout LayOutMenuItem(TPixelRect item, int menuItemLeftWidth, int imageWidth, bool checked,
                               bool rightToLeft, int dpi) {
    const auto scaled = [dpi](int pixels) { return ScaleMeasure(pixels, dpi); };
    const int checkBox = scaled(16);
    int box = imageWidth > 0 ? imageWidth : checkBox;
    if (checked) box = std::max(box, checkBox);
    // The item's own edge and the skin's margin, then the glyph, a gap, the text.
    const int inset = scaled(1 + menuItemLeftWidth), gap = scaled(3), end = scaled(1);
    TMenuItemLayout layout;
    if (rightToLeft) {
        const int right = item.Right - inset;
        layout.glyph = {right - box, item.Top, right, item.Bottom};
        layout.text = {item.Left + end, item.Top, layout.glyph.Left - gap, item.Bottom};
    } else {
        const int left = item.Left + inset;
        layout.glyph = {left, item.Top, left + box, item.Bottom};
        layout.text = {layout.glyph.Right + gap, item.Top, item.Right - end, item.Bottom};
    }
    return layout;
}
