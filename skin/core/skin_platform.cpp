// Windows inputs and platform look-ups of the skin engine.
#include "skin_platform.h"

#include "bmp_image.h"

#include <algorithm>
#include <memory>

namespace {

// Loaded when the module initialises and freed when it finalises.
class TUser32Module {
public:
    TUser32Module() : module_(LoadLibraryW(L"user32.dll")) {
        if (!module_) return;
        Find(functions_.GetScrollBarInfo, "GetScrollBarInfo");
        Find(functions_.TrackMouseEvent, "TrackMouseEvent");
        Find(functions_.GetComboBoxInfo, "GetComboBoxInfo");
        Find(functions_.DisableProcessWindowsGhosting, "DisableProcessWindowsGhosting");
    }
    ~TUser32Module() {
        if (module_) FreeLibrary(module_);
    }
    TUser32Module(const TUser32Module&) = delete;
    TUser32Module& operator=(const TUser32Module&) = delete;

    const TUser32Functions& Functions() const { return functions_; }

private:
    template <typename F> void Find(F& function, const char* name) {
        function = reinterpret_cast<F>(reinterpret_cast<void*>(GetProcAddress(module_, name)));
    }

    HMODULE module_;
    TUser32Functions functions_;
};

const TUser32Module user32;

struct DcDeleter {
    void operator()(HDC dc) const { DeleteDC(dc); }
};
struct GdiDeleter {
    void operator()(HGDIOBJ object) const { DeleteObject(object); }
};
struct IconDeleter {
    void operator()(HICON icon) const { DestroyIcon(icon); }
};

} // namespace

const TUser32Functions& User32Functions() {
    return user32.Functions();
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
    inputs.HScrollWidth = GetSystemMetrics(SM_CXHSCROLL);
    inputs.Track = BitmapResourcePixels(L"TRACK");
    inputs.TrackVert = BitmapResourcePixels(L"TRACKVERT");
    return inputs;
}

LOGFONTW CaptionLogFont() {
    // The structure as it was before the padded border width was added, which every version
    // of Windows accepts.
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = offsetof(NONCLIENTMETRICSW, iPaddedBorderWidth);
    SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, metrics.cbSize, &metrics, 0);
    return metrics.lfCaptionFont;
}

TPixelImage WindowIconPixels(HWND window) {
    auto icon = reinterpret_cast<HICON>(SendMessageW(window, WM_GETICON, ICON_SMALL, 0));
    if (!icon) icon = reinterpret_cast<HICON>(SendMessageW(window, WM_GETICON, ICON_BIG, 0));
    if (!icon) return {};
    const int w = GetSystemMetrics(SM_CXSMICON), h = GetSystemMetrics(SM_CYSMICON);
    const std::unique_ptr<std::remove_pointer_t<HICON>, IconDeleter> sized(
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
    const std::unique_ptr<HDC__, DcDeleter> dc(CreateCompatibleDC(nullptr));
    const std::unique_ptr<void, GdiDeleter> bitmap(
        CreateDIBSection(dc.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!dc || !bitmap || !bits) return {};
    TPixelImage image(w, h, 0xFF00FF);
    std::copy(image.Pixels.begin(), image.Pixels.end(), static_cast<TPixel*>(bits));
    const HGDIOBJ old = SelectObject(dc.get(), bitmap.get());
    DrawIconEx(dc.get(), 0, 0, sized.get(), w, h, 0, nullptr, DI_NORMAL);
    GdiFlush();
    const auto* drawn = static_cast<const TPixel*>(bits);
    for (TPixel& p : image.Pixels)
        p = *drawn++ & 0xFFFFFF;
    SelectObject(dc.get(), old);
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
