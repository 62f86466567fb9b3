// The display density a window is drawn at, and the system's measures at a density. A program
// that declares itself per-monitor aware draws each window at its monitor's density; the
// functions that tell it (Windows 10 1607 and later) are looked up at run time, so the program
// still starts on older systems, where every window has the system's density.
#pragma once

#include <windows.h>

namespace ui {

// The system's density: what a window on the primary monitor has.
int SystemDpi();
// The density `window` is drawn at (its monitor's, for a per-monitor aware program); the
// system's for no window or where the system cannot tell.
int WindowDpi(HWND window);
// The density of the monitor nearest `point`, for a window not made yet; the system's where the
// system cannot tell.
int MonitorDpiAt(POINT point);

// GetSystemMetrics at `dpi`: the metric for that density where the system gives it, else the
// system's metric scaled from the system's density.
int MetricAtDpi(int index, int dpi);
// The non-client metrics (frame and scroll-bar sizes, the caption, menu and message fonts) at
// `dpi`, the same way.
NONCLIENTMETRICSW NonClientMetricsAtDpi(int dpi);
// AdjustWindowRectEx for a window drawn at `dpi`.
bool AdjustWindowRectAtDpi(RECT& rect, DWORD style, bool menu, DWORD exStyle, int dpi);

} // namespace ui
