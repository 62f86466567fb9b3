// Colour math and the gradient ramp cache.
#include "skin/pictures/colors.h"

#include <algorithm>
#include <stdexcept>

TColor Blend(TColor c1, TColor c2, int w) {
    c1 = ColorToRGB(c1);
    c2 = ColorToRGB(c2);
    const std::int64_t scale = w < 100 ? 100 : 1000;
    const auto mix = [&](int a, int b) {
        return static_cast<int>((a * std::int64_t{w} + b * (scale - w) + scale / 2) / scale);
    };
    return RGBColor(mix(ColorRed(c1), ColorRed(c2)), mix(ColorGreen(c1), ColorGreen(c2)),
                    mix(ColorBlue(c1), ColorBlue(c2)));
}

int Saturation(TColor c) {
    const int r = ColorRed(c);
    const int g = ColorGreen(c);
    const int b = ColorBlue(c);
    const int high = std::max({r, g, b});
    const int low = std::min({r, g, b});
    if (high < 160) return 200;
    // (high - low) / high * 255, rounded half to even, in exact integers.
    const int numerator = (high - low) * 255;
    const int quotient = numerator / high;
    const int twiceRest = 2 * (numerator % high);
    if (twiceRest > high || (twiceRest == high && quotient % 2 == 1)) return quotient + 1;
    return quotient;
}

std::vector<TColor> ComputeRamp(int n, TColor a, TColor b) {
    const int ar = ColorRed(a), ag = ColorGreen(a), ab = ColorBlue(a);
    const int dr = ColorRed(b) - ar, dg = ColorGreen(b) - ag, db = ColorBlue(b) - ab;
    if (n == 1) return {RGBColor(ar + dr / 2, ag + dg / 2, ab + db / 2)};
    const std::int64_t c = n - 1;
    const auto step = [c](int from, int d, std::int64_t i) {
        return from + static_cast<int>((c / 2 + i * d) / c);
    };
    std::vector<TColor> ramp(static_cast<std::size_t>(n));
    for (std::int64_t i = 0; i < n; ++i) {
        ramp[static_cast<std::size_t>(i)] =
            RGBColor(step(ar, dr, i), step(ag, dg, i), step(ab, db, i));
    }
    return ramp;
}

const std::vector<TColor>& TColorRampCache::Ramp(int n, TColor a, TColor b) {
    if (n <= 0) throw std::invalid_argument("Assertion failure");
    for (int slot = kSlots - 1; slot >= 0; --slot) {
        const std::vector<TColor>& ramp = slots_[static_cast<std::size_t>(slot)];
        if (static_cast<int>(ramp.size()) == n && ramp.front() == a && ramp.back() == b) {
            return ramp;
        }
    }
    std::vector<TColor>& slot = slots_[static_cast<std::size_t>(next_)];
    slot = ComputeRamp(n, a, b);
    next_ = (next_ + 1) % kSlots;
    return slot;
}

TColorRampCache& GradientRamps() {
    static TColorRampCache cache;
    return cache;
}
