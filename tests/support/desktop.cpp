#include "tests/support/desktop.h"

#include "ui/win_handles.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

namespace testing_desktop {

void Pump(std::chrono::milliseconds time) {
    PumpUntil([] { return false; }, time);
}

int WaitFactor() {
    static const int factor = [] {
        const wchar_t* text = _wgetenv(L"PELLICO_WAIT_FACTOR");
        const int value = text ? _wtoi(text) : 1;
        return value > 1 ? value : 1;
    }();
    return factor;
}

bool PumpUntil(const std::function<bool()>& done, std::chrono::milliseconds timeout) {
    const DWORD end = GetTickCount() + static_cast<DWORD>(timeout.count() * WaitFactor());
    for (;;) {
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
        if (done()) return true;
        const auto left = static_cast<LONG>(end - GetTickCount());
        if (left <= 0) return false;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, left < 20 ? left : 20, QS_ALLINPUT);
    }
}

HWND WaitForWindow(const wchar_t* class_name, const wchar_t* caption,
                   std::chrono::milliseconds timeout) {
    HWND found = nullptr;
    PumpUntil([&] { return (found = FindWindowW(class_name, caption)) != nullptr; }, timeout);
    return found;
}

std::wstring WindowsPath(const std::string& path) {
    std::wstring out;
    if (!path.empty() && path[0] == '/') out = L"Z:";
    for (char c : path)
        out += c == '/' ? L'\\' : static_cast<wchar_t>(c);
    return out;
}

std::vector<std::uint8_t> ReadFileBytes(const std::string& path) {
    std::ifstream in(std::filesystem::path(WindowsPath(path)), std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::wstring WindowText(HWND wnd) {
    wchar_t buf[512] = {};
    GetWindowTextW(wnd, buf, 512);
    return buf;
}

std::wstring ClassName(HWND wnd) {
    wchar_t buf[256] = {};
    GetClassNameW(wnd, buf, 256);
    return buf;
}

namespace {

// The screen's pixels in `r`, as 0x00RRGGBB-ordered DIB values (blue in the low byte), rows top
// down.
std::vector<std::uint32_t> ScreenPixels(const RECT& r) {
    const int w = r.right - r.left, h = r.bottom - r.top;
    std::vector<std::uint32_t> pixels(static_cast<std::size_t>(std::max(w, 0) * std::max(h, 0)));
    if (pixels.empty()) return pixels;
    const ui::WindowDC screen(nullptr);
    const ui::OwnedDC mem(CreateCompatibleDC(screen.dc()));
    BITMAPINFO bi{};
    bi.bmiHeader.biSize = sizeof(bi.bmiHeader);
    bi.bmiHeader.biWidth = w;
    bi.bmiHeader.biHeight = -h; // top-down
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    const ui::GdiHandle<HBITMAP> dib(
        CreateDIBSection(mem.get(), &bi, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!dib) return pixels;
    const ui::Selection selected(mem.get(), dib.get());
    BitBlt(mem.get(), 0, 0, w, h, screen.dc(), r.left, r.top, SRCCOPY);
    GdiFlush();
    const auto* from = static_cast<const std::uint32_t*>(bits);
    for (std::size_t i = 0; i < pixels.size(); ++i)
        pixels[i] = from[i] & 0xFFFFFF;
    return pixels;
}

} // namespace

std::wstring SaveScreenshot(const std::wstring& name) {
    const wchar_t* folder = _wgetenv(L"PELLICO_SHOTS");
    if (!folder || !*folder) return {};
    CreateDirectoryW(folder, nullptr);
    const int w = GetSystemMetrics(SM_CXSCREEN);
    const int h = GetSystemMetrics(SM_CYSCREEN);
    const std::vector<std::uint32_t> pixels = ScreenPixels({0, 0, w, h});
    if (pixels.empty()) return {};

    // A 24-bit .bmp stores its rows bottom up, each padded to four bytes.
    const DWORD stride = (static_cast<DWORD>(w) * 3 + 3) & ~3u;
    std::vector<char> rows(static_cast<std::size_t>(stride) * static_cast<std::size_t>(h));
    for (int y = 0; y < h; ++y) {
        char* row = rows.data() + static_cast<std::size_t>(h - 1 - y) * stride;
        for (int x = 0; x < w; ++x) {
            const std::uint32_t p = pixels[static_cast<std::size_t>(y) * w + x];
            row[x * 3] = static_cast<char>(p & 0xFF);
            row[x * 3 + 1] = static_cast<char>((p >> 8) & 0xFF);
            row[x * 3 + 2] = static_cast<char>((p >> 16) & 0xFF);
        }
    }
    BITMAPINFOHEADER bi{};
    bi.biSize = sizeof(bi);
    bi.biWidth = w;
    bi.biHeight = h;
    bi.biPlanes = 1;
    bi.biBitCount = 24;
    BITMAPFILEHEADER fh{};
    fh.bfType = 0x4D42;
    fh.bfOffBits = sizeof(fh) + sizeof(bi);
    fh.bfSize = fh.bfOffBits + static_cast<DWORD>(rows.size());
    const std::wstring path = std::wstring(folder) + L"\\" + name + L".bmp";
    std::ofstream out(path.c_str(), std::ios::binary);
    out.write(reinterpret_cast<const char*>(&fh), sizeof(fh));
    out.write(reinterpret_cast<const char*>(&bi), sizeof(bi));
    out.write(rows.data(), static_cast<std::streamsize>(rows.size()));
    return path;
}
namespace {

constexpr wchar_t kThemeManager[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\ThemeManager";

void SetThemeActive(const std::wstring& value) {
    RegSetKeyValueW(HKEY_CURRENT_USER, kThemeManager, L"ThemeActive", REG_SZ, value.c_str(),
                    static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
}

} // namespace

ClassicLook::ClassicLook() {
    wchar_t value[16] = {};
    DWORD size = sizeof(value);
    if (RegGetValueW(HKEY_CURRENT_USER, kThemeManager, L"ThemeActive", RRF_RT_REG_SZ, nullptr,
                     value, &size) == ERROR_SUCCESS)
        before_ = value;
    SetThemeActive(L"0");
}

ClassicLook::~ClassicLook() {
    SetThemeActive(before_.empty() ? L"1" : before_);
}

WindowLook SteadyLook(HWND window) {
    RECT r{};
    GetWindowRect(window, &r);
    WindowLook look{r.right - r.left, r.bottom - r.top, ScreenPixels(r)};
    Pump(std::chrono::milliseconds(700));
    const std::vector<std::uint32_t> again = ScreenPixels(r);
    for (std::size_t i = 0; i < look.pixels.size() && i < again.size(); ++i)
        if (look.pixels[i] != again[i]) look.pixels[i] = WindowLook::kUnsteady;
    return look;
}

void LeaveOut(WindowLook& look, HWND window, HWND part) {
    RECT outer{}, r{};
    GetWindowRect(window, &outer);
    GetWindowRect(part, &r);
    OffsetRect(&r, -outer.left, -outer.top);
    for (int y = std::max(0, static_cast<int>(r.top));
         y < std::min(look.height, static_cast<int>(r.bottom)); ++y)
        for (int x = std::max(0, static_cast<int>(r.left));
             x < std::min(look.width, static_cast<int>(r.right)); ++x)
            look.pixels[static_cast<std::size_t>(y * look.width + x)] = WindowLook::kUnsteady;
}

std::string LookDifference(const WindowLook& a, const WindowLook& b) {
    if (a.width != b.width || a.height != b.height)
        return "size " + std::to_string(a.width) + "x" + std::to_string(a.height) + " against " +
               std::to_string(b.width) + "x" + std::to_string(b.height);
    for (std::size_t i = 0; i < a.pixels.size(); ++i) {
        const std::uint32_t p = a.pixels[i], q = b.pixels[i];
        if (p == q || p == WindowLook::kUnsteady || q == WindowLook::kUnsteady) continue;
        char text[64];
        std::snprintf(text, sizeof(text), "(%d, %d) %06X %06X", static_cast<int>(i) % a.width,
                      static_cast<int>(i) / a.width, p, q);
        return text;
    }
    return {};
}

} // namespace testing_desktop
