// Colours as the library, the descriptions and the skin engine all store them: 32 bits with red
// in bits 0-7, green 8-15 and blue 16-23; a negative value (top bit set) is a system colour whose
// low byte is its GetSysColor index.
#pragma once
#include <cstdint>

namespace ui {

using TColor = std::int32_t;

inline constexpr TColor clSystemColor = static_cast<TColor>(0x80000000u);

inline constexpr TColor SystemColor(int index) {
    return static_cast<TColor>(0x80000000u | static_cast<std::uint32_t>(index & 0xFF));
}
inline constexpr bool IsSystemColor(TColor c) {
    return c < 0;
}
inline constexpr int SystemColorIndex(TColor c) {
    return c & 0xFF;
}

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

// The system colours by name (their indexes are the COLOR_* numbers of GetSysColor).
inline constexpr TColor clScrollBar = SystemColor(0);
inline constexpr TColor clBackground = SystemColor(1);
inline constexpr TColor clActiveCaption = SystemColor(2);
inline constexpr TColor clInactiveCaption = SystemColor(3);
inline constexpr TColor clMenu = SystemColor(4);
inline constexpr TColor clWindow = SystemColor(5);
inline constexpr TColor clWindowFrame = SystemColor(6);
inline constexpr TColor clMenuText = SystemColor(7);
inline constexpr TColor clWindowText = SystemColor(8);
inline constexpr TColor clCaptionText = SystemColor(9);
inline constexpr TColor clActiveBorder = SystemColor(10);
inline constexpr TColor clInactiveBorder = SystemColor(11);
inline constexpr TColor clAppWorkSpace = SystemColor(12);
inline constexpr TColor clHighlight = SystemColor(13);
inline constexpr TColor clHighlightText = SystemColor(14);
inline constexpr TColor clBtnFace = SystemColor(15);
inline constexpr TColor clBtnShadow = SystemColor(16);
inline constexpr TColor clGrayText = SystemColor(17);
inline constexpr TColor clBtnText = SystemColor(18);
inline constexpr TColor clInactiveCaptionText = SystemColor(19);
inline constexpr TColor clBtnHighlight = SystemColor(20);
inline constexpr TColor cl3DDkShadow = SystemColor(21);
inline constexpr TColor cl3DLight = SystemColor(22);
inline constexpr TColor clInfoText = SystemColor(23);
inline constexpr TColor clInfoBk = SystemColor(24);

inline constexpr TColor clWhite = RGBColor(255, 255, 255);
inline constexpr TColor clNone = 0x1FFFFFFF;
inline constexpr TColor clDefault = 0x20000000;

// Where system colours come from: the Windows side of the library installs GetSysColor when it
// starts. Without a source (on the host) every system colour is black.
using SysColorSource = std::uint32_t (*)(int index);
void SetSysColorSource(SysColorSource source);

// `c` with a system colour replaced by its current RGB value; other values unchanged.
TColor ColorToRGB(TColor c);

} // namespace ui
