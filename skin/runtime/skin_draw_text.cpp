// The skin engine's text drawer.
#include "skin/runtime/skin_draw_text.h"

#include "skin/runtime/skin_platform.h"

#include "ui/text_codec.h"

#include <string>

namespace {

// The code page of the ANSI drawing path.
constexpr UINT kSkinCodePage = CP_ACP;

const bool unicodeDrawing = SystemVersion().dwPlatformId == VER_PLATFORM_WIN32_NT;

} // namespace

bool UnicodeDrawing() {
    return unicodeDrawing;
}

int SkinDrawText(HDC dc, std::wstring_view text, RECT& rect, UINT format) {
    const int length = static_cast<int>(text.size());
    if (unicodeDrawing) return DrawTextW(dc, text.data(), length, &rect, format);
    const std::string ansi = ui::WideToAnsi(text, kSkinCodePage);
    return DrawTextA(dc, ansi.c_str(), -1, &rect, format);
}
