// Windows inputs and platform look-ups of the skin engine.
#include "skin/runtime/skin_platform.h"

#include "skin/model/bmp_image.h"

#include "ui/win_handles.h"
#include "ui/scale_measure.h"
#include "ui/system_functions.h"
#include "ui/window_dpi.h"

#include <algorithm>

namespace {

// A system library loaded when the module initialises and freed when it finalises; its
// functions are looked up by name, so a system without one still starts.
class TSystemModule {
public:
    explicit TSystemModule(const wchar_t* name) : module_(ui::LoadSystemLibrary(name)) {}
    ~TSystemModule() {
        if (module_) FreeLibrary(module_);
    }
    TSystemModule(const TSystemModule&) = delete;
    TSystemModule& operator=(const TSystemModule&) = delete;

    template <typename F> void Find(F& function, const char* name) const {
        function = nullptr;
        if (module_) ui::ResolveFunction(module_, name, function);
    }

private:
    HMODULE module_;
};

class TUser32Module : TSystemModule {
public:
    TUser32Module() : TSystemModule(L"user32.dll") {
        Find(functions_.GetScrollBarInfo, "GetScrollBarInfo");
        Find(functions_.TrackMouseEvent, "TrackMouseEvent");
        Find(functions_.GetComboBoxInfo, "GetComboBoxInfo");
        Find(functions_.DisableProcessWindowsGhosting, "DisableProcessWindowsGhosting");
    }
    const TUser32Functions& Functions() const { return functions_; }

private:
    TUser32Functions functions_;
};

// Visual styles came with Windows XP, the desktop compositor with Vista.
class TStyleModules {
public:
    TStyleModules() : uxtheme_(L"uxtheme.dll"), dwmapi_(L"dwmapi.dll") {
        uxtheme_.Find(functions_.SetWindowTheme, "SetWindowTheme");
        dwmapi_.Find(functions_.DwmSetWindowAttribute, "DwmSetWindowAttribute");
    }
    const TStyleFunctions& Functions() const { return functions_; }

private:
    TSystemModule uxtheme_;
    TSystemModule dwmapi_;
    TStyleFunctions functions_;
};

const TUser32Module user32;
const TStyleModules styles;

} // namespace

const TUser32Functions& User32Functions() {
    return user32.Functions();
}

const TStyleFunctions& StyleFunctions() {
    return styles.Functions();
}

bool SkinSetVisualStyle(HWND window, bool on) {
    const auto set = styles.Functions().SetWindowTheme;
    if (!set || !window) return false;
    // A name that matches no class of any visual style turns the style off, as Windows
    // documents it: a blank, L" ". Windows takes L"" as well, but Wine keeps these names as
    // atoms and there is no atom of the empty text, so there it would fail and leave the style
    // on. No names put the window back on the system's choice.
    return on ? SUCCEEDED(set(window, nullptr, nullptr)) : SUCCEEDED(set(window, L" ", L" "));
}

OSVERSIONINFOW SystemVersion() {
    OSVERSIONINFOW version{};
    version.dwOSVersionInfoSize = sizeof(version);
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
    GetVersionExW(&version);
#pragma GCC diagnostic pop
    return version;
}

std::string WindowClassName(HWND window) {
    char name[101] = {};
    const int n = GetClassNameA(window, name, 100);
    return std::string(name, static_cast<std::size_t>(std::max(n, 0)));
}

bool SkinGetScrollBarInfo(HWND window, LONG object, SCROLLBARINFO& info) {
    if (!user32.Functions().GetScrollBarInfo) return false;
    info.cbSize = sizeof(info);
    return user32.Functions().GetScrollBarInfo(window, object, &info) != FALSE;
}

void SkinTrackMouseLeave(HWND window) {
    if (!user32.Functions().TrackMouseEvent) return;
    TRACKMOUSEEVENT track{};
    track.cbSize = sizeof(track); // 16 bytes on 32-bit Windows
    track.dwFlags = TME_LEAVE;
    track.hwndTrack = window;
    user32.Functions().TrackMouseEvent(&track);
}

bool SkinTracksMouseLeave(HWND window) {
    if (!user32.Functions().TrackMouseEvent) return false;
    TRACKMOUSEEVENT track{};
    track.cbSize = sizeof(track);
    track.dwFlags = TME_QUERY;
    return user32.Functions().TrackMouseEvent(&track) && (track.dwFlags & TME_LEAVE) &&
           track.hwndTrack == window;
}

TPixelImage BitmapResourcePixels(const wchar_t* name) {
    const HMODULE module = GetModuleHandleW(nullptr);
    const HRSRC found = FindResourceW(module, name, MAKEINTRESOURCEW(2)); // RT_BITMAP
    if (!found) return {};
    const HGLOBAL loaded = LoadResource(module, found);
    const void* bytes = loaded ? LockResource(loaded) : nullptr;
    if (!bytes) return {};
    const std::span<const std::uint8_t> dib(static_cast<const std::uint8_t*>(bytes),
                                            SizeofResource(module, found));
    return DecodeDib(dib).value_or(TPixelImage{});
}

TSkinLoadInputs SkinLoadInputs() {
    TSkinLoadInputs inputs;
    // The pictures the loader composes from it are 96-dpi pictures like the skin's own, scaled
    // for a window's density as they are: so the width at 96 dpi, whatever the system's density.
    inputs.HScrollWidth = ui::MetricAtDpi(SM_CXHSCROLL, kBaseDpi);
    inputs.Track = BitmapResourcePixels(L"TRACK");
    inputs.TrackVert = BitmapResourcePixels(L"TRACKVERT");
    return inputs;
}

namespace {

// The non-client metrics at `dpi`: at the system's density the structure as it was before the
// padded border width was added, which every version of Windows accepts.
NONCLIENTMETRICSW NonClientMetrics(int dpi) {
    if (dpi != ui::SystemDpi()) return ui::NonClientMetricsAtDpi(dpi);
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = offsetof(NONCLIENTMETRICSW, iPaddedBorderWidth);
    SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, metrics.cbSize, &metrics, 0);
    return metrics;
}

} // namespace

LOGFONTW CaptionLogFont(int dpi) {
    return NonClientMetrics(dpi).lfCaptionFont;
}

LOGFONTW MenuLogFont(int dpi) {
    return NonClientMetrics(dpi).lfMenuFont;
}

TPixelImage WindowIconPixels(HWND window, int dpi) {
    auto icon = reinterpret_cast<HICON>(SendMessageW(window, WM_GETICON, ICON_SMALL, 0));
    if (!icon) icon = reinterpret_cast<HICON>(SendMessageW(window, WM_GETICON, ICON_BIG, 0));
    if (!icon) return {};
    const int w = ui::MetricAtDpi(SM_CXSMICON, dpi), h = ui::MetricAtDpi(SM_CYSMICON, dpi);
    const ui::OwnedIcon sized(
        static_cast<HICON>(CopyImage(icon, IMAGE_ICON, w, h, LR_COPYFROMRESOURCE)));
    if (!sized) return {};

    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = w;
    info.bmiHeader.biHeight = -h; // top row first, as TPixelImage keeps them
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    const ui::OwnedDC dc(CreateCompatibleDC(nullptr));
    const ui::GdiHandle<HBITMAP> bitmap(
        CreateDIBSection(dc.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!dc || !bitmap || !bits) return {};
    TPixelImage image(w, h, 0xFF00FF);
    std::copy(image.Pixels.begin(), image.Pixels.end(), static_cast<TPixel*>(bits));
    {
        const ui::Selection selected(dc.get(), bitmap.get());
        DrawIconEx(dc.get(), 0, 0, sized.get(), w, h, 0, nullptr, DI_NORMAL);
        GdiFlush();
    }
    const auto* drawn = static_cast<const TPixel*>(bits);
    for (TPixel& p : image.Pixels)
        p = *drawn++ & 0xFFFFFF;
    return image;
}

void ShowSkinMessageBox(const std::string& text) {
    // Captioned with the program's name, as the class library's own messages are.
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string title = path;
    title.erase(0, title.find_last_of("\\/") + 1);
    title.erase(std::min(title.rfind('.'), title.size()));
    MessageBoxA(GetActiveWindow(), text.c_str(), title.c_str(), MB_OK);
}
