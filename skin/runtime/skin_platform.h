// What the skin engine takes from Windows itself: the user32 functions older systems lack,
// looked up once, with the two wrappers the skinners share; the inputs of a skin load (system
// metrics and the program's track bitmaps); the caption font; the application icon as a pixel
// image; and the message box the loader's one message goes to.
#pragma once

#include "skin/model/skin_catalogue.h"
#include "skin/pictures/pixel_image.h"

#include <windows.h>

#include <string>

// Functions of user32.dll that may be missing, looked up when the module initialises.
struct TUser32Functions {
    BOOL(WINAPI* GetScrollBarInfo)(HWND, LONG, PSCROLLBARINFO) = nullptr;
    BOOL(WINAPI* TrackMouseEvent)(LPTRACKMOUSEEVENT) = nullptr;
    BOOL(WINAPI* GetComboBoxInfo)(HWND, PCOMBOBOXINFO) = nullptr;
    void(WINAPI* DisableProcessWindowsGhosting)() = nullptr;
};
const TUser32Functions& User32Functions();

// Functions of uxtheme.dll and dwmapi.dll, which systems before visual styles or before the
// desktop compositor lack, looked up when the module initialises.
struct TStyleFunctions {
    HRESULT(WINAPI* SetWindowTheme)(HWND, LPCWSTR, LPCWSTR) = nullptr;
    HRESULT(WINAPI* DwmSetWindowAttribute)(HWND, DWORD, LPCVOID, DWORD) = nullptr;
};
const TStyleFunctions& StyleFunctions();

// Switches the visual style of `window` off (`on` false: the system then draws the classic
// look, which the skin paints over) or gives it back; false where the system has no visual
// styles or refused.
bool SkinSetVisualStyle(HWND window, bool on);

// The system's version, as GetVersionEx reports it.
OSVERSIONINFOW SystemVersion();

// A window's class name as the skin's filters compare it: ANSI, at most 100 characters.
std::string WindowClassName(HWND window);

// GetScrollBarInfo, or false where the system has none.
bool SkinGetScrollBarInfo(HWND window, LONG object, SCROLLBARINFO& info);
// Asks for WM_MOUSELEAVE when the mouse leaves `window`; nothing where the system cannot.
void SkinTrackMouseLeave(HWND window);
// Whether the thread's mouse-leave report is still the window's to get: a thread tracks one
// window at a time, so another window's request takes it over without telling this one.
bool SkinTracksMouseLeave(HWND window);

// SM_CXHSCROLL and the bitmap resources "TRACK" and "TRACKVERT" of this program (empty images
// when it has none).
TSkinLoadInputs SkinLoadInputs();

// A bitmap resource of this program as pixels; empty when there is none or it does not decode.
TPixelImage BitmapResourcePixels(const wchar_t* name);

// The system's caption font at the display density `dpi`: as SPI_GETNONCLIENTMETRICS reports it
// at the system's density, else the caption font the system gives for that density.
LOGFONTW CaptionLogFont(int dpi);
// The system's menu font at the display density `dpi`, the same way.
LOGFONTW MenuLogFont(int dpi);

// The small icon of `window` (its big one scaled when it has none) on the magenta key colour, at
// the system's small icon size for the display density `dpi`; empty when the window has no icon.
TPixelImage WindowIconPixels(HWND window, int dpi);

// Shows the loader's messages in a message box (the skin data component installs it).
void ShowSkinMessageBox(const std::string& text);
