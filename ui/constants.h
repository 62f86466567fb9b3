// Named constants that descriptions write for integer properties: colours, cursors and
// character sets, with the library's colour encoding (system colours have the top byte 0xFF).
#pragma once
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace ui {

using TColor = std::int32_t;
using TCursor = std::int32_t;
using IdentTable = std::vector<std::pair<std::wstring, std::int32_t>>;

inline constexpr TColor clSystemColor = static_cast<TColor>(0xFF000000);
inline constexpr TColor clBtnFace = clSystemColor | 15;
inline constexpr TColor clWindow = clSystemColor | 5;
inline constexpr TColor clWindowText = clSystemColor | 8;
inline constexpr TColor clBtnText = clSystemColor | 18;
inline constexpr TColor clNone = 0x1FFFFFFF;
inline constexpr TColor clDefault = 0x20000000;

inline constexpr TCursor crDefault = 0;
inline constexpr TCursor crHandPoint = -21;

const IdentTable& ColorIdents();
const IdentTable& CursorIdents();
const IdentTable& CharsetIdents();

} // namespace ui
