#include "gallery/dialog_template.h"

namespace gallery {

namespace {

constexpr std::uint32_t kSetFont = 0x40;                         // DS_SETFONT
constexpr std::uint32_t kChildVisible = 0x40000000 | 0x10000000; // WS_CHILD | WS_VISIBLE

void PutDword(std::vector<std::uint16_t>& out, std::uint32_t v) {
    out.push_back(static_cast<std::uint16_t>(v & 0xFFFF));
    out.push_back(static_cast<std::uint16_t>(v >> 16));
}

void PutText(std::vector<std::uint16_t>& out, const std::wstring& text) {
    for (const wchar_t c : text)
        out.push_back(static_cast<std::uint16_t>(c));
    out.push_back(0);
}

void PutBox(std::vector<std::uint16_t>& out, short x, short y, short cx, short cy) {
    for (const short v : {x, y, cx, cy})
        out.push_back(static_cast<std::uint16_t>(v));
}

} // namespace

std::vector<std::uint16_t> BuildDialogTemplate(const TDialogTemplate& dialog) {
    std::vector<std::uint16_t> out;
    PutDword(out, dialog.style | kSetFont);
    PutDword(out, 0); // extended style
    out.push_back(static_cast<std::uint16_t>(dialog.items.size()));
    PutBox(out, dialog.x, dialog.y, dialog.cx, dialog.cy);
    out.push_back(0); // no menu
    out.push_back(0); // the dialog class
    PutText(out, dialog.caption);
    out.push_back(dialog.pointSize);
    PutText(out, dialog.font);
    for (const TDialogItem& item : dialog.items) {
        if (out.size() % 2) out.push_back(0); // DWORD alignment
        PutDword(out, item.style | kChildVisible);
        PutDword(out, 0);
        PutBox(out, item.x, item.y, item.cx, item.cy);
        out.push_back(item.id);
        out.push_back(0xFFFF);
        out.push_back(static_cast<std::uint16_t>(item.cls));
        PutText(out, item.text);
        out.push_back(0); // no creation data
    }
    return out;
}

} // namespace gallery
