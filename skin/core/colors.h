// Colour math of the skin engine: blending, the saturation measure and the cache of gradient
// colour ramps. Colours are 32-bit: red in bits 0-7, green 8-15, blue 16-23; a negative value
// is a system colour whose low byte is its index.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

using TColor = std::int32_t;

inline constexpr int ColorRed(TColor c) {
    return c & 0xFF;
}
inline constexpr int ColorGreen(TColor c) {
    return (c >> 8) & 0xFF;
}
inline constexpr int ColorBlue(TColor c) {
    return (c >> 16) & 0xFF;
}
inline constexpr TColor RGBColor(int r, int g, int b) {
    return (r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16);
}

// Where system colours come from: the Windows side installs GetSysColor at start-up. Until then
// (and on the host) every system colour is black.
using SysColorSource = std::uint32_t (*)(int index);
void SetSysColorSource(SysColorSource source);

// `c` with a system colour replaced by its current RGB value.
TColor ColorToRGB(TColor c);

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
