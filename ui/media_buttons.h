// The media player's nine buttons: their names as its set properties spell them, those sets read
// back from text, and the strip they share: each visible button an equal part of the width, left
// to right in their own order. The player lays itself out with it, and so does its skinner.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

namespace ui {

enum class TMPBtnType : std::uint8_t {
    btPlay,
    btPause,
    btStop,
    btNext,
    btPrev,
    btStep,
    btBack,
    btRecord,
    btEject
};
inline constexpr int kMPButtonCount = 9;
// A set of buttons: bit i for the button of ordinal i.
using TMPButtonSet = std::uint32_t;
inline constexpr TMPButtonSet kAllMPButtons = (1u << kMPButtonCount) - 1;

inline constexpr TMPButtonSet MPButtonBit(TMPBtnType b) {
    return 1u << static_cast<int>(b);
}

// "btPlay" ... "btEject", in the order of the enumeration.
const std::vector<std::wstring_view>& MPButtonNames();

// The buttons a set property's text names ("[btPlay, btStop]"): its elements compared without
// regard to case; anything else in it is ignored.
TMPButtonSet ParseMPButtonSet(std::wstring_view text);

// One visible button's place along the strip, from Left up to (not including) Right.
struct TMPButtonCell {
    TMPBtnType Button = TMPBtnType::btPlay;
    int Left = 0;
    int Right = 0;
    bool operator==(const TMPButtonCell&) const = default;
};

// The visible buttons laid out over `width`: each gets width div count; what is left over stays
// at the right end. Empty when no button is visible.
std::vector<TMPButtonCell> MPButtonLayout(int width, TMPButtonSet visible);

// The index in `layout` of the cell under x, or -1.
int MPButtonAt(const std::vector<TMPButtonCell>& layout, int x);

} // namespace ui
