// Named constants that descriptions write for integer properties: colours, cursors and
// character sets.
#pragma once
#include "ui/color.h"

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace ui {

using TCursor = std::int32_t;
using IdentTable = std::vector<std::pair<std::wstring, std::int32_t>>;

inline constexpr TCursor crDefault = 0;
inline constexpr TCursor crNone = -1;
inline constexpr TCursor crArrow = -2;
inline constexpr TCursor crCross = -3;
inline constexpr TCursor crIBeam = -4;
inline constexpr TCursor crSizeNESW = -6;
inline constexpr TCursor crSizeNS = -7;
inline constexpr TCursor crSizeNWSE = -8;
inline constexpr TCursor crSizeWE = -9;
inline constexpr TCursor crUpArrow = -10;
inline constexpr TCursor crHourGlass = -11;
inline constexpr TCursor crNo = -18;
inline constexpr TCursor crAppStart = -19;
inline constexpr TCursor crHelp = -20;
inline constexpr TCursor crHandPoint = -21;
inline constexpr TCursor crSizeAll = -22;

const IdentTable& ColorIdents();
const IdentTable& CursorIdents();
const IdentTable& CharsetIdents();

} // namespace ui
