// Start-up of the real Pellico.exe measured from outside, from CreateProcess until the main
// window is shown and has painted in the skin's frame, next to the time Pellico itself spends
// decoding and building its embedded skin (it answers "Pellico.SkinLoadTime" with that) and next
// to a bare Win32 window with the same controls, started in turn with it in the same run. The
// time until Pellico's first skinned paint is split at the marks Pellico times itself (it
// answers "Pellico.StartupMarks" with each).
#include "bench/mainwindow/measure.h"
#include "tests/support/child_process.h"
#include "ui/startup_marks.h"
#include "ui/win_handles.h"

#include <windows.h>

#include <array>
#include <cstdio>
#include <string>
#include <vector>

namespace {

using bench::InSkinFrame;
using bench::Now;
using bench::Painted;
using bench::Percentile;

constexpr int kStarts = 15;
constexpr double kGiveUpMs = 20'000;

// A program to start: the class of its main window, and whether that window is done only once
// the skin has taken it over.
struct Program {
    std::string exe;
    const wchar_t* main_class;
    bool skinned;
};

struct Search {
    DWORD pid;
    const wchar_t* main_class;
    HWND found;
};

BOOL CALLBACK MatchMain(HWND window, LPARAM param) {
    auto& s = *reinterpret_cast<Search*>(param);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    wchar_t name[32] = {};
    GetClassNameW(window, name, 32);
    if (owner != s.pid || !IsWindowVisible(window) || lstrcmpW(name, s.main_class) != 0)
        return TRUE;
    s.found = window;
    return FALSE;
}

// The process's visible main window, or null while there is none.
HWND VisibleMain(DWORD pid, const wchar_t* main_class) {
    Search search{pid, main_class, nullptr};
    EnumWindows(MatchMain, reinterpret_cast<LPARAM>(&search));
    return search.found;
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
    double painted = 0;  // ms until it has painted (Pellico: in the skin's frame)
    double skin = 0;     // ms Pellico spent on its skin
    double pixels = 0;   // bytes of pixels the skin's elements hold
    double memory = 0;   // private MiB once painted
    bool settled = true; // the form's pixels were the same a while after "painted"
    // ms from the process's creation to each of Pellico's start-up marks
    std::array<double, static_cast<std::size_t>(ui::TStartupMark::Count)> marks{};
};

constexpr const char* kMarkNames[] = {
    "process created -> entry",
    "-> description read, skin decoded",
    "-> main form made",
    "-> form skinner made",
    "-> skinner started (controls, region)",
    "-> shown, first activation",
    "-> first skinned frame painted",
};
static_assert(std::size(kMarkNames) == static_cast<std::size_t>(ui::TStartupMark::Count));

bool StartOnce(const Program& program, Start& out) {
    const UINT query = RegisterWindowMessageW(L"Pellico.SkinLoadTime");
    const double begin = Now();
    testing_desktop::Process process(program.exe);
    if (!process.Started()) return false;
    HWND main = nullptr;
    while (!main || (program.skinned && !InSkinFrame(main)) || !Painted(main)) {
        if (Now() - begin > kGiveUpMs) return false;
        if (!main && (main = VisibleMain(process.Id(), program.main_class)) != nullptr)
            out.visible = Now() - begin;
        if (!main) Sleep(1);
    }
    out.painted = Now() - begin;
    // A check on the measure rather than part of it: had the window not painted yet, its
    // pixels would still change.
    const std::vector<COLORREF> first = FormPixels(main);
    Sleep(300);
    out.settled = !first.empty() && FormPixels(main) == first;
    if (program.skinned) {
        DWORD_PTR micros = 0, bytes = 0;
        SendMessageTimeoutW(main, query, 0, 0, SMTO_ABORTIFHUNG, 5000, &micros);
        SendMessageTimeoutW(main, query, 1, 0, SMTO_ABORTIFHUNG, 5000, &bytes);
        out.skin = static_cast<double>(micros) / 1000.0;
        out.pixels = static_cast<double>(bytes);
        const UINT marks = RegisterWindowMessageW(L"Pellico.StartupMarks");
        for (std::size_t i = 0; i < out.marks.size(); ++i) {
            DWORD_PTR at = 0;
            SendMessageTimeoutW(main, marks, i, 0, SMTO_ABORTIFHUNG, 5000, &at);
            out.marks[i] = static_cast<double>(static_cast<LONG_PTR>(at)) / 1000.0;
        }
    }
    out.memory = bench::PrivateMiB(process.Id());
    PostMessageW(main, WM_CLOSE, 0, 0);
    return process.WaitForExit().has_value();
}

std::vector<double> Column(const std::vector<Start>& starts, double Start::*field) {
    std::vector<double> values;
    for (const Start& s : starts)
        values.push_back(s.*field);
    return values;
}

} // namespace

int main() {
    const Program pellico{testing_desktop::PellicoExe(), L"TForm1", true};
    const Program bare{BARE_WINDOW_EXE, L"BareForm", false};
    // One start of each first that is not counted: Wine loads and maps its libraries for the
    // first one. Then the two in turn, so that changes in the machine's load hit both alike.
    std::vector<Start> pellico_starts(kStarts + 1), bare_starts(kStarts + 1);
    for (int i = 0; i <= kStarts; ++i) {
        if (!StartOnce(pellico, pellico_starts[i])) {
            std::puts("Pellico did not come up or did not close");
            return 1;
        }
        if (!StartOnce(bare, bare_starts[i])) {
            std::puts("the bare window did not come up or did not close");
            return 1;
        }
    }
    pellico_starts.erase(pellico_starts.begin());
    bare_starts.erase(bare_starts.begin());
    const auto median = [](const std::vector<Start>& starts, double Start::*field) {
        return Percentile(Column(starts, field), 0.5);
    };
    const auto row = [&](const char* what, const std::vector<Start>& starts, double Start::*field) {
        std::printf("%-38s %8.1f ms %8.1f ms\n", what, median(starts, field),
                    Percentile(Column(starts, field), 0.95));
    };
    std::printf("%d starts of each, in turn                  median        p95\n", kStarts);
    row("Pellico: main window visible", pellico_starts, &Start::visible);
    row("Pellico: first skinned paint done", pellico_starts, &Start::painted);
    row("bare window: visible", bare_starts, &Start::visible);
    row("bare window: painted", bare_starts, &Start::painted);
    std::printf("Pellico / bare window, painted (medians) %6.2f x\n",
                median(pellico_starts, &Start::painted) / median(bare_starts, &Start::painted));
    std::printf("Pellico's start-up split at its marks      at (median)   step (median)\n");
    for (std::size_t i = 0; i < std::size(kMarkNames); ++i) {
        std::vector<double> at, step;
        for (const Start& s : pellico_starts) {
            at.push_back(s.marks[i]);
            step.push_back(s.marks[i] - (i ? s.marks[i - 1] : 0.0));
        }
        std::printf("  %-38s %8.1f ms %8.1f ms\n", kMarkNames[i], Percentile(at, 0.5),
                    Percentile(step, 0.5));
    }
    std::vector<double> rest;
    for (const Start& s : pellico_starts)
        rest.push_back(s.painted - s.marks.back());
    std::printf("  %-38s %8.1f ms %8.1f ms\n", "-> seen painted from outside",
                median(pellico_starts, &Start::painted), Percentile(rest, 0.5));
    row("skin: SkinStream read and LoadSkin", pellico_starts, &Start::skin);
    const double share =
        median(pellico_starts, &Start::skin) / median(pellico_starts, &Start::painted) * 100.0;
    std::printf("skin's share of the start-up (medians)  %7.1f %%\n", share);
    std::printf("pixels held by the skin's elements      %7.1f MiB\n",
                pellico_starts.front().pixels / (1024.0 * 1024.0));
    const double pellico_memory = median(pellico_starts, &Start::memory);
    const double bare_memory = median(bare_starts, &Start::memory);
    std::printf("private memory once painted, Pellico    %7.1f MiB (median)\n", pellico_memory);
    std::printf("private memory once painted, bare       %7.1f MiB (median)\n", bare_memory);
    std::printf("what Pellico with its skin adds         %7.1f MiB\n",
                pellico_memory - bare_memory);
    const auto unsettled = [](const std::vector<Start>& starts) {
        int count = 0;
        for (const Start& s : starts)
            count += s.settled ? 0 : 1;
        return count;
    };
    std::printf("starts whose form still changed after   %5d and %d of %d (Pellico, bare)\n",
                unsettled(pellico_starts), unsettled(bare_starts), kStarts);
    return 0;
}
