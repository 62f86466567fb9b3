// A measure at a display density. Every measure a stored description or a skin gives is in
// pixels of a 96-dpi display; a window on a denser display takes it scaled by its dots per inch.
#pragma once

// The density every stored measure and every 1x picture is drawn for.
inline constexpr int kBaseDpi = 96;

// `pixels` measured at `fromDpi` as pixels at `dpi`: pixels * dpi / fromDpi rounded to the
// nearest whole pixel, halves away from zero (so a shift and its opposite scale to opposites).
// Exact in 64 bits for every int measure. A density of 0 or less leaves the measure as it is.
int ScaleMeasure(int pixels, int dpi, int fromDpi = kBaseDpi);
