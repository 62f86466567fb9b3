// Colour math of the skin engine: blending, the saturation measure and the cache of gradient
// colour ramps, on the class library's colours.
#pragma once

#include "ui/color.h"

#include <array>
#include <cstdint>
#include <vector>

// The class library's colour type and encoding, shared by every painter.
using ui::ColorBlue;
using ui::ColorGreen;
using ui::ColorRed;
using ui::ColorToRGB;
using ui::RGBColor;
using ui::SetSysColorSource;
using ui::SysColorSource;
using ui::TColor;

// Mixes c1 into c2 with weight w: a percentage below 100, per mille from 100 up, so
// Blend(x, y, 150) is 15 % x and 85 % y. Rounds half up.
TColor Blend(TColor c1, TColor c2, int w);

// 0..255 for colours with a channel of 160 or more (their saturation, rounded half to even);
// 200 for darker colours.
int Saturation(TColor c);

// The n colours of a ramp from a to b (n >= 1). Divisions truncate toward zero, so a channel
// that falls ends one step short of b.
std::vector<TColor> ComputeRamp(int n, TColor a, TColor b);

// The last sixteen ramps computed, reused round-robin: the same gradients are painted on every
// repaint. A ramp is found again only when its first and last entries equal a and b, so falling
// ramps are computed each time.
class TColorRampCache {
public:
    static constexpr int kSlots = 16;

    // Raises std::invalid_argument("Assertion failure") for n <= 0.
    const std::vector<TColor>& Ramp(int n, TColor a, TColor b);

    // The slot the next computed ramp goes to.
    int NextSlot() const { return next_; }

private:
    std::array<std::vector<TColor>, kSlots> slots_;
    int next_ = 0;
};

// The process-wide ramp cache used by gradient fills.
TColorRampCache& GradientRamps();
