// Clock, percentiles, memory, paints and copies for the main-window benchmarks.
#include "bench/mainwindow/measure.h"

#include "skin/runtime/skin_messages.h"
#include "tests/e2e/pellico_driver.h"
#include "tests/support/desktop.h"
#include "ui/resource_data.h"

#include <algorithm>
#include <cstdint>
#include <optional>
#include <string_view>

namespace bench {

namespace {

// The skin data's switch as a stored description has it.
constexpr std::string_view kSkinData = "object SkinData1: TSkinData";
constexpr std::string_view kActive = "Active = True";
constexpr std::string_view kInactive = "Active = False";

// The stored description of the program at `exe` (Windows path), or nothing.
std::optional<std::string> StoredDescription(const std::wstring& exe, const wchar_t* name) {
    const HMODULE module = LoadLibraryExW(exe.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    if (!module) return std::nullopt;
    std::optional<std::string> text;
    if (const std::string_view data = ui::RcData(module, name); !data.empty()) text.emplace(data);
    FreeLibrary(module);
    return text;
}

} // namespace

bool WriteUnskinnedCopy(const std::string& exe, const std::string& unskinned,
                        const wchar_t* description) {
    const std::wstring from = testing_desktop::WindowsPath(exe);
    const std::wstring to = testing_desktop::WindowsPath(unskinned);
    std::optional<std::string> text = StoredDescription(from, description);
    if (!text) return false;
    const std::size_t skinData = text->find(kSkinData);
    const std::size_t active = text->find(kActive, skinData);
    if (skinData == std::string::npos || active == std::string::npos) return false;
    text->replace(active, kActive.size(), kInactive);
    if (!CopyFileW(from.c_str(), to.c_str(), FALSE)) return false;
    const HANDLE update = BeginUpdateResourceW(to.c_str(), FALSE);
    if (!update) return false;
    const bool written = UpdateResourceW(update, MAKEINTRESOURCEW(10), description,
                                         MAKELANGID(LANG_NEUTRAL, SUBLANG_NEUTRAL), text->data(),
                                         static_cast<DWORD>(text->size())) != FALSE;
    if (!EndUpdateResourceW(update, !written) || !written) return false;
    // The copy must read as switched off, or the comparison would compare the skin with itself.
    const std::optional<std::string> check = StoredDescription(to, description);
    return check && check->find(kInactive, check->find(kSkinData)) != std::string::npos;
}

double Now() {
    static const double frequency = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return static_cast<double>(f.QuadPart);
    }();
    LARGE_INTEGER t;
    QueryPerformanceCounter(&t);
    return static_cast<double>(t.QuadPart) * 1000.0 / frequency;
}

double Percentile(std::vector<double> values, double p) {
    std::sort(values.begin(), values.end());
    const auto i = static_cast<std::size_t>(p * static_cast<double>(values.size() - 1) + 0.5);
    return values[i];
}

double PrivateMiB(DWORD process_id) {
    HANDLE process = OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, process_id);
    std::uint64_t bytes = 0;
    MEMORY_BASIC_INFORMATION info{};
    for (std::uintptr_t at = 0;
         VirtualQueryEx(process, reinterpret_cast<void*>(at), &info, sizeof(info)) == sizeof(info);
         at += info.RegionSize) {
        if (info.State == MEM_COMMIT && info.Type == MEM_PRIVATE) bytes += info.RegionSize;
        if (at + info.RegionSize < at) break;
    }
    CloseHandle(process);
    return static_cast<double>(bytes) / (1024.0 * 1024.0);
}

namespace {

bool NothingToPaint(HWND window) {
    return !GetUpdateRect(window, nullptr, FALSE);
}

BOOL CALLBACK ChildPainted(HWND child, LPARAM param) {
    if (!IsWindowVisible(child) || NothingToPaint(child)) return TRUE;
    *reinterpret_cast<bool*>(param) = false;
    return FALSE;
}

LRESULT Count(HWND list) {
    return SendMessageW(list, LB_GETCOUNT, 0, 0);
}

} // namespace

bool Painted(HWND main) {
    DWORD_PTR answer = 0;
    if (!SendMessageTimeoutW(main, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 1000, &answer)) return false;
    if (!NothingToPaint(main)) return false;
    bool all = true;
    EnumChildWindows(main, ChildPainted, reinterpret_cast<LPARAM>(&all));
    return all;
}

bool Skinned(HWND main) {
    DWORD_PTR skinned = 0;
    return SendMessageTimeoutW(main, SM_ISSKINNED, 0, 0, SMTO_ABORTIFHUNG, 1000, &skinned) &&
           skinned == 1;
}

bool InSkinFrame(HWND main, int dpi) {
    if (!Skinned(main)) return false;
    const auto at = [dpi](int pixels) { return ScaleMeasure(pixels, dpi); };
    RECT outer{};
    GetWindowRect(main, &outer);
    return outer.right - outer.left == at(263) + 2 * at(4) &&
           outer.bottom - outer.top == at(354) + at(26) + at(4);
}

void PumpFor(double ms) {
    const double end = Now() + ms;
    MSG msg;
    while (Now() < end) {
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
        Sleep(1);
    }
}

double CopyAndWait(e2e::PellicoDriver& pellico, const std::wstring& text) {
    const LRESULT before = Count(pellico.ListBox());
    const double start = Now();
    e2e::CopyText(text);
    while (Count(pellico.ListBox()) == before) {
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
            DispatchMessageW(&msg);
    }
    return Now() - start;
}

} // namespace bench
