// Start-up of the real Pellico.exe measured from outside, from CreateProcess until the main
// window is shown and painted, next to the time Pellico itself spends decoding and building its
// embedded skin (it answers "Pellico.SkinLoadTime" with that).
#include "child_process.h"
#include "measure.h"
#include "ui/win_handles.h"

#include <windows.h>

#include <cstdio>
#include <vector>

namespace {

using bench::Now;
using bench::Percentile;

constexpr int kStarts = 15;
constexpr double kGiveUpMs = 20'000;

struct Search {
    DWORD pid;
    HWND found;
};

BOOL CALLBACK MatchMain(HWND window, LPARAM param) {
    auto& s = *reinterpret_cast<Search*>(param);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    wchar_t name[32] = {};
    GetClassNameW(window, name, 32);
    if (owner != s.pid || !IsWindowVisible(window) || lstrcmpW(name, L"TForm1") != 0) return TRUE;
    s.found = window;
    return FALSE;
}

// The process's visible main window, or null while there is none.
HWND VisibleMain(DWORD pid) {
    Search search{pid, nullptr};
    EnumWindows(MatchMain, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

bool NothingToPaint(HWND window) {
    return !GetUpdateRect(window, nullptr, FALSE);
}

BOOL CALLBACK ChildPainted(HWND child, LPARAM param) {
    if (!IsWindowVisible(child) || NothingToPaint(child)) return TRUE;
    *reinterpret_cast<bool*>(param) = false;
    return FALSE;
}

// Painted: its thread is back in the message loop (it answers a sent WM_NULL, which comes
// only after the paint messages of what it has shown are due) and neither the window nor any
// of its controls has an update region left.
bool Painted(HWND main) {
    DWORD_PTR answer = 0;
    if (!SendMessageTimeoutW(main, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 1000, &answer)) return false;
    if (!NothingToPaint(main)) return false;
    bool all = true;
    EnumChildWindows(main, ChildPainted, reinterpret_cast<LPARAM>(&all));
    return all;
}

// Screen pixels of the form's own client area (a grid of points no control window covers).
std::vector<COLORREF> FormPixels(HWND main) {
    RECT client{};
    GetClientRect(main, &client);
    const ui::WindowDC screen(nullptr);
    std::vector<COLORREF> pixels;
    for (int i = 1; i < 8; ++i) {
        for (int j = 1; j < 8; ++j) {
            POINT at{client.right * i / 8, client.bottom * j / 8};
            if (ChildWindowFromPointEx(main, at, CWP_SKIPINVISIBLE) != main) continue;
            ClientToScreen(main, &at);
            pixels.push_back(GetPixel(screen.dc(), at.x, at.y));
        }
    }
    return pixels;
}

struct Start {
    double visible = 0;  // ms from CreateProcess until the main window is visible
    double painted = 0;  // ms until it has painted
    double skin = 0;     // ms Pellico spent on its skin
    double pixels = 0;   // bytes of pixels the skin's elements hold
    double memory = 0;   // private MiB once painted
    bool settled = true; // the form's pixels were the same a while after "painted"
};

bool StartOnce(Start& out) {
    const UINT query = RegisterWindowMessageW(L"Pellico.SkinLoadTime");
    const double begin = Now();
    testing_desktop::Process pellico(testing_desktop::PellicoExe());
    if (!pellico.Started()) return false;
    HWND main = nullptr;
    while (!main || !Painted(main)) {
        if (Now() - begin > kGiveUpMs) return false;
        if (!main && (main = VisibleMain(pellico.Id())) != nullptr) out.visible = Now() - begin;
        if (!main) Sleep(1);
    }
    out.painted = Now() - begin;
    // A check on the measure rather than part of it: had the window not painted yet, its
    // pixels would still change.
    const std::vector<COLORREF> first = FormPixels(main);
    Sleep(300);
    out.settled = !first.empty() && FormPixels(main) == first;
    DWORD_PTR micros = 0, bytes = 0;
    SendMessageTimeoutW(main, query, 0, 0, SMTO_ABORTIFHUNG, 5000, &micros);
    SendMessageTimeoutW(main, query, 1, 0, SMTO_ABORTIFHUNG, 5000, &bytes);
    out.skin = static_cast<double>(micros) / 1000.0;
    out.pixels = static_cast<double>(bytes);
    out.memory = bench::PrivateMiB(pellico.Id());
    PostMessageW(main, WM_CLOSE, 0, 0);
    return pellico.WaitForExit().has_value();
}

std::vector<double> Column(const std::vector<Start>& starts, double Start::*field) {
    std::vector<double> values;
    for (const Start& s : starts)
        values.push_back(s.*field);
    return values;
}

} // namespace

int main() {
    // One start first that is not counted: Wine loads and maps its libraries for the first one.
    Start warm;
    if (!StartOnce(warm)) {
        std::puts("Pellico did not come up");
        return 1;
    }
    std::vector<Start> starts(kStarts);
    for (Start& s : starts) {
        if (!StartOnce(s)) {
            std::puts("Pellico did not come up or did not close");
            return 1;
        }
    }
    const auto row = [&](const char* what, double Start::*field) {
        const auto values = Column(starts, field);
        std::printf("%-38s %8.1f ms %8.1f ms\n", what, Percentile(values, 0.5),
                    Percentile(values, 0.95));
    };
    std::printf("%d starts of Pellico.exe                   median        p95\n", kStarts);
    row("main window visible", &Start::visible);
    row("main window painted (whole start-up)", &Start::painted);
    row("skin: SkinStream read and LoadSkin", &Start::skin);
    const double share = Percentile(Column(starts, &Start::skin), 0.5) /
                         Percentile(Column(starts, &Start::painted), 0.5) * 100.0;
    std::printf("skin's share of the start-up (medians)  %7.1f %%\n", share);
    std::printf("pixels held by the skin's elements      %7.1f MiB\n",
                starts.front().pixels / (1024.0 * 1024.0));
    std::printf("private memory once painted             %7.1f MiB (median)\n",
                Percentile(Column(starts, &Start::memory), 0.5));
    int unsettled = 0;
    for (const Start& s : starts)
        unsettled += s.settled ? 0 : 1;
    std::printf("starts whose form still changed after   %5d of %d\n", unsettled, kStarts);
    return 0;
}
