// The selection's pixels in the skin's colours, and the items a change repaints.
#include "skin/controls/base/selection_rules.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {

int Channel(TPixel p, int shift) {
    return static_cast<int>((p >> shift) & 0xFF);
}

// Below this distance between the system's two colours a channel says too little of the share.
constexpr int kReadableSpread = 48;

} // namespace

TPixel RecolourSelectionPixel(TPixel pixel, const TSelectionColours& c) {
    constexpr int shifts[3] = {0, 8, 16};
    // The share of the whole pixel: its projection on the line from back to text.
    long long along = 0, length = 0;
    for (const int s : shifts) {
        const int spread = Channel(c.SystemText, s) - Channel(c.SystemBack, s);
        along += static_cast<long long>(Channel(pixel, s) - Channel(c.SystemBack, s)) * spread;
        length += static_cast<long long>(spread) * spread;
    }
    const double whole = length > 0 ? std::clamp(static_cast<double>(along) / length, 0.0, 1.0) : 0.0;
    TPixel out = 0;
    for (const int s : shifts) {
        const int spread = Channel(c.SystemText, s) - Channel(c.SystemBack, s);
        const double share =
            std::abs(spread) >= kReadableSpread
                ? std::clamp(static_cast<double>(Channel(pixel, s) - Channel(c.SystemBack, s)) / spread,
                             0.0, 1.0)
                : whole;
        const int back = Channel(c.SkinBack, s);
        const long value = back + std::lround(share * (Channel(c.SkinText, s) - back));
        out |= static_cast<TPixel>(std::clamp(value, 0L, 255L)) << s;
    }
    return out;
}

std::optional<std::vector<int>> ItemsToRepaint(const TListShown& before, const TListShown& after) {
    if (before.Top != after.Top || before.Count != after.Count ||
        before.Selected.size() != after.Selected.size())
        return std::nullopt;
    std::vector<int> items;
    const auto add = [&](int item) {
        const int shown = item - after.Top;
        if (shown >= 0 && shown < static_cast<int>(after.Selected.size()) &&
            std::find(items.begin(), items.end(), item) == items.end())
            items.push_back(item);
    };
    for (std::size_t i = 0; i < after.Selected.size(); ++i)
        if (before.Selected[i] != after.Selected[i]) add(after.Top + static_cast<int>(i));
    if (before.Caret != after.Caret || before.Focused != after.Focused) {
        add(before.Caret);
        add(after.Caret);
    }
    std::sort(items.begin(), items.end());
    return items;
}
