// An in-memory dialog template (the classic DLGTEMPLATE layout), so the gallery can show a
// standard "#32770" dialog without a resource script. Plain data, no <windows.h>.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace gallery {

// The predefined control classes a template names by number.
enum class TDialogItemClass : std::uint16_t {
    Button = 0x80,
    Edit = 0x81,
    Static = 0x82,
    ListBox = 0x83,
    ScrollBar = 0x84,
    ComboBox = 0x85,
};

struct TDialogItem {
    TDialogItemClass cls;
    std::uint32_t style; // WS_CHILD | WS_VISIBLE are added
    short x, y, cx, cy;  // dialog units
    std::uint16_t id;
    std::wstring text;
};

struct TDialogTemplate {
    std::uint32_t style; // DS_SETFONT is added, with `font` at `pointSize`
    short x, y, cx, cy;
    std::wstring caption;
    std::uint16_t pointSize;
    std::wstring font;
    std::vector<TDialogItem> items;
};

// The template as DialogBoxIndirect / CreateDialogIndirect read it: 16-bit words, each item
// starting on a 32-bit boundary.
std::vector<std::uint16_t> BuildDialogTemplate(const TDialogTemplate& dialog);

} // namespace gallery
