#include "desktop.h"

#include "ui/win_handles.h"

#include <cstdlib>
#include <fstream>
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

std::wstring SaveScreenshot(const std::wstring& name) {
    const wchar_t* folder = _wgetenv(L"PELLICO_SHOTS");
    if (!folder || !*folder) return {};
    CreateDirectoryW(folder, nullptr);
    const int w = GetSystemMetrics(SM_CXSCREEN);
    const int h = GetSystemMetrics(SM_CYSCREEN);

    const ui::WindowDC screen(nullptr);
    const ui::OwnedDC mem(CreateCompatibleDC(screen.dc()));
    BITMAPINFO bi{};
    bi.bmiHeader.biSize = sizeof(bi.bmiHeader);
    bi.bmiHeader.biWidth = w;
    bi.bmiHeader.biHeight = h; // bottom-up, as a .bmp file stores it
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 24;
    void* bits = nullptr;
    const ui::GdiHandle<HBITMAP> dib(
        CreateDIBSection(mem.get(), &bi, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!dib) return {};
    {
        const ui::Selection selected(mem.get(), dib.get());
        BitBlt(mem.get(), 0, 0, w, h, screen.dc(), 0, 0, SRCCOPY);
        GdiFlush();
    }

    const DWORD stride = (static_cast<DWORD>(w) * 3 + 3) & ~3u;
    const DWORD size = stride * static_cast<DWORD>(h);
    BITMAPFILEHEADER fh{};
    fh.bfType = 0x4D42;
    fh.bfOffBits = sizeof(fh) + sizeof(bi.bmiHeader);
    fh.bfSize = fh.bfOffBits + size;
    const std::wstring path = std::wstring(folder) + L"\\" + name + L".bmp";
    std::ofstream out(path.c_str(), std::ios::binary);
    out.write(reinterpret_cast<const char*>(&fh), sizeof(fh));
    out.write(reinterpret_cast<const char*>(&bi.bmiHeader), sizeof(bi.bmiHeader));
    out.write(static_cast<const char*>(bits), size);
    return path;
}

} // namespace testing_desktop
