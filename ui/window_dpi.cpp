// Display densities from the system, with the older systems' fallbacks.
#include "ui/window_dpi.h"

#include "ui/scale_measure.h"
#include "ui/system_functions.h"
#include "ui/win_handles.h"

namespace ui {
namespace {

// The functions of user32.dll only Windows 10 1607 and later have.
struct TDpiFunctions {
    UINT(WINAPI* GetDpiForWindow)(HWND) = nullptr;
    UINT(WINAPI* GetDpiForSystem)() = nullptr;
    int(WINAPI* GetSystemMetricsForDpi)(int, UINT) = nullptr;
    BOOL(WINAPI* SystemParametersInfoForDpi)(UINT, UINT, PVOID, UINT, UINT) = nullptr;
    BOOL(WINAPI* AdjustWindowRectExForDpi)(LPRECT, DWORD, BOOL, DWORD, UINT) = nullptr;
};

const TDpiFunctions& DpiFunctions() {
    static const TDpiFunctions functions = [] {
        TDpiFunctions f;
        if (HMODULE user32 = GetModuleHandleW(L"user32.dll")) {
            ResolveFunction(user32, "GetDpiForWindow", f.GetDpiForWindow);
            ResolveFunction(user32, "GetDpiForSystem", f.GetDpiForSystem);
            ResolveFunction(user32, "GetSystemMetricsForDpi", f.GetSystemMetricsForDpi);
            ResolveFunction(user32, "SystemParametersInfoForDpi", f.SystemParametersInfoForDpi);
            ResolveFunction(user32, "AdjustWindowRectExForDpi", f.AdjustWindowRectExForDpi);
        }
        return f;
    }();
    return functions;
}

// The functions of shcore.dll (Windows 8.1 and later) for a monitor's density.
using TGetDpiForMonitor = HRESULT(WINAPI*)(HMONITOR, int, UINT*, UINT*);
TGetDpiForMonitor GetDpiForMonitorFunction() {
    static const TGetDpiForMonitor function = [] {
        TGetDpiForMonitor f = nullptr;
        if (HMODULE shcore = LoadSystemLibrary(L"shcore.dll"))
            ResolveFunction(shcore, "GetDpiForMonitor", f);
        return f;
    }();
    return function;
}

void ScaleFont(LOGFONTW& font, int dpi, int from) {
    font.lfHeight = ScaleMeasure(font.lfHeight, dpi, from);
}

} // namespace

int SystemDpi() {
    if (const auto f = DpiFunctions().GetDpiForSystem) return static_cast<int>(f());
    const WindowDC screen(nullptr);
    return screen.dc() ? GetDeviceCaps(screen.dc(), LOGPIXELSY) : kBaseDpi;
}

int WindowDpi(HWND window) {
    if (const auto f = DpiFunctions().GetDpiForWindow; f && window) {
        if (const UINT dpi = f(window)) return static_cast<int>(dpi);
    }
    return SystemDpi();
}

int MonitorDpiAt(POINT point) {
    if (const auto f = GetDpiForMonitorFunction()) {
        UINT x = 0, y = 0;
        // MDT_EFFECTIVE_DPI: the density the monitor's windows are drawn at.
        if (SUCCEEDED(f(MonitorFromPoint(point, MONITOR_DEFAULTTONEAREST), 0, &x, &y)) && y)
            return static_cast<int>(y);
    }
    return SystemDpi();
}

int MetricAtDpi(int index, int dpi) {
    if (const auto f = DpiFunctions().GetSystemMetricsForDpi) return f(index, static_cast<UINT>(dpi));
    return ScaleMeasure(GetSystemMetrics(index), dpi, SystemDpi());
}

NONCLIENTMETRICSW NonClientMetricsAtDpi(int dpi) {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    if (const auto f = DpiFunctions().SystemParametersInfoForDpi;
        f && f(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0, static_cast<UINT>(dpi)))
        return metrics;
    SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
    const int from = SystemDpi();
    for (int* measure : {&metrics.iBorderWidth, &metrics.iScrollWidth, &metrics.iScrollHeight,
                         &metrics.iCaptionWidth, &metrics.iCaptionHeight, &metrics.iSmCaptionWidth,
                         &metrics.iSmCaptionHeight, &metrics.iMenuWidth, &metrics.iMenuHeight,
                         &metrics.iPaddedBorderWidth})
        *measure = ScaleMeasure(*measure, dpi, from);
    for (LOGFONTW* font : {&metrics.lfCaptionFont, &metrics.lfSmCaptionFont, &metrics.lfMenuFont,
                           &metrics.lfStatusFont, &metrics.lfMessageFont})
        ScaleFont(*font, dpi, from);
    return metrics;
}

bool AdjustWindowRectAtDpi(RECT& rect, DWORD style, bool menu, DWORD exStyle, int dpi) {
    if (const auto f = DpiFunctions().AdjustWindowRectExForDpi)
        return f(&rect, style, menu, exStyle, static_cast<UINT>(dpi)) != FALSE;
    // Older systems have one density: the frame's sizes at it, scaled.
    RECT frame{0, 0, 0, 0};
    if (!AdjustWindowRectEx(&frame, style, menu, exStyle)) return false;
    const int from = SystemDpi();
    rect.left += ScaleMeasure(frame.left, dpi, from);
    rect.top += ScaleMeasure(frame.top, dpi, from);
    rect.right += ScaleMeasure(frame.right, dpi, from);
    rect.bottom += ScaleMeasure(frame.bottom, dpi, from);
    return true;
}

} // namespace ui
