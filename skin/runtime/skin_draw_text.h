// How the skinners draw text: wide text with the wide call where the system is of the NT family,
// else converted to the ANSI code page for the ANSI call. Decided once, at start-up.
#pragma once

#include <windows.h>

#include <string_view>

// The system draws wide text itself (NT family).
bool UnicodeDrawing();

// DrawText of `text` into `rect` with `format`; returns the text height as DrawText does.
int SkinDrawText(HDC dc, std::wstring_view text, RECT& rect, UINT format);
