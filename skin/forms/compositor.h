// The desktop compositor and a skinned window's frame. With composition (always on since
// Windows 8) the system draws the frame of a top-level window itself, outside WM_NCPAINT, and
// Windows 11 rounds its corners; the skin asks for neither while it draws the frame, and gives
// both back when it lets go. dwmapi is found at run time, so systems without it still start;
// Wine's accepts the calls and does nothing with them. The calls go through one seam, so tests
// see what each window was asked.
#pragma once

#include "skin/forms/skin_form_rules.h"

#include <windows.h>

// Attribute numbers and values of dwmapi, some newer than the headers we build with.
constexpr DWORD kDwmNcRenderingPolicy = 2;       // DWMWA_NCRENDERING_POLICY
constexpr DWORD kDwmNcRenderingUseStyle = 0;     // DWMNCRP_USEWINDOWSTYLE
constexpr DWORD kDwmNcRenderingDisabled = 1;     // DWMNCRP_DISABLED
constexpr DWORD kDwmWindowCornerPreference = 33; // DWMWA_WINDOW_CORNER_PREFERENCE (Windows 11)
constexpr DWORD kDwmCornerDefault = 0;           // DWMWCP_DEFAULT
constexpr DWORD kDwmCornerDoNotRound = 1;        // DWMWCP_DONOTROUND

class TCompositor {
public:
    virtual ~TCompositor() = default;
    // DwmSetWindowAttribute with a 32-bit value; false where there is no compositor or it
    // refused (systems before Windows 11 refuse the corner preference).
    virtual bool SetAttribute(HWND window, DWORD attribute, DWORD value) = 0;
};

// The compositor the skin talks to: the system's, unless a test put its own in place.
TCompositor& Compositor();
// Puts `compositor` in place (none: the system's again); returns the one it replaced.
TCompositor* UseCompositor(TCompositor* compositor);

// Asks the compositor to leave the frame to the skin (`own` true) or gives it back, as `frame`
// says for this window.
void SetCompositorFrame(HWND window, TCompositorFrame frame, bool own);
