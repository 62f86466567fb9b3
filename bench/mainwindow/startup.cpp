// Start-up of the real Pellico.exe measured from outside, from CreateProcess until the main
// window is shown and has painted in the skin's frame, next to the time Pellico itself spends
// decoding and building its embedded skin (it answers "Pellico.SkinLoadTime" with that) and next
// to a bare Win32 window with the same controls, started in turn with it in the same run. The
// time until Pellico's first skinned paint is split at the marks Pellico times itself (it
// answers "Pellico.StartupMarks" with each).
//
// With `--density DPI` it starts Pellico alone, in turn at 96 dpi and at DPI, and sets the two
// side by side: the start-up's cost of laying the form out and drawing the skin at a density.
#include "bench/mainwindow/measure.h"
#include "tests/support/child_process.h"
#include "tests/support/display_density.h"
#include "ui/startup_marks.h"
#include "ui/win_handles.h"

#include <windows.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace {

using bench::InSkinFrame;
using bench::Now;
using bench::Painted;
using bench::Percentile;

constexpr int kStarts = 15;
constexpr double kGiveUpMs = 20'000;

// A program to start: the class of its main window, whether that window is done only once
// the skin has taken it over, and the display density it starts at (0: the prefix's own, taken
// as kBaseDpi).
struct Program {
    std::string exe;
    const wchar_t* main_class;
    bool skinned;
    int dpi = 0;
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
    // The density is read as the process starts; it stays set until the window has painted
    // (the skin's frame at that density shows it was taken), and is put back outside the time.
    std::optional<testing_desktop::DensityForNewPrograms> density;
    if (program.dpi > 0 && !density.emplace(program.dpi).Set()) return false;
    const int dpi = program.dpi > 0 ? program.dpi : kBaseDpi;
    const double begin = Now();
    testing_desktop::Process process(program.exe);
    if (!process.Started()) return false;
    HWND main = nullptr;
    while (!main || (program.skinned && !InSkinFrame(main, dpi)) || !Painted(main)) {
        if (Now() - begin > kGiveUpMs) return false;
        if (!main && (main = VisibleMain(process.Id(), program.main_class)) != nullptr)
            out.visible = Now() - begin;
        // A look a millisecond, not as fast as it can: asking without pause took a core from
        // the program it watches (each ask a message its thread must answer) and made the
        // painting steps two to three times as long.
        Sleep(1);
    }
    out.painted = Now() - begin;
    density.reset();
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

// One start of each first that is not counted: Wine loads and maps its libraries for the first
// one. Then the two in turn, so that changes in the machine's load hit both alike. Returns the
// program that did not come up or did not close, or null when every start was measured.
const Program* StartInTurn(const Program& a, std::vector<Start>& a_starts, const Program& b,
                           std::vector<Start>& b_starts) {
    a_starts.assign(kStarts + 1, Start{});
    b_starts.assign(kStarts + 1, Start{});
    for (int i = 0; i <= kStarts; ++i) {
        if (!StartOnce(a, a_starts[i])) return &a;
        if (!StartOnce(b, b_starts[i])) return &b;
    }
    a_starts.erase(a_starts.begin());
    b_starts.erase(b_starts.begin());
    return nullptr;
}

double Median(const std::vector<Start>& starts, double Start::*field) {
    return Percentile(Column(starts, field), 0.5);
}

double P95(const std::vector<Start>& starts, double Start::*field) {
    return Percentile(Column(starts, field), 0.95);
}

// Pellico's start-up split at its marks: for each mark, then for the last step until the
// window is seen painted from outside, the time from the process's creation and the step.
struct Split {
    std::vector<double> at;
    std::vector<double> step;
};

std::vector<Split> SplitAtMarks(const std::vector<Start>& starts) {
    std::vector<Split> split(std::size(kMarkNames) + 1);
    for (const Start& s : starts) {
        for (std::size_t i = 0; i < std::size(kMarkNames); ++i) {
            split[i].at.push_back(s.marks[i]);
            split[i].step.push_back(s.marks[i] - (i ? s.marks[i - 1] : 0.0));
        }
        split.back().at.push_back(s.painted);
        split.back().step.push_back(s.painted - s.marks.back());
    }
    return split;
}

const char* SplitName(std::size_t i) {
    return i < std::size(kMarkNames) ? kMarkNames[i] : "-> seen painted from outside";
}

int Unsettled(const std::vector<Start>& starts) {
    int count = 0;
    for (const Start& s : starts)
        count += s.settled ? 0 : 1;
    return count;
}

// Pellico at 96 dpi and at `dpi`, in turn.
int CompareDensities(int dpi) {
    const Program base{testing_desktop::PellicoExe(), L"TForm1", true, kBaseDpi};
    const Program dense{testing_desktop::PellicoExe(), L"TForm1", true, dpi};
    std::vector<Start> at_base, at_dense;
    if (const Program* failed = StartInTurn(base, at_base, dense, at_dense)) {
        std::printf("Pellico did not come up in the skin's frame at %d dpi, or did not close\n",
                    failed->dpi);
        return 1;
    }
    const std::string base_name = "at " + std::to_string(kBaseDpi) + " dpi";
    const std::string dense_name = "at " + std::to_string(dpi) + " dpi";
    const std::string ratio = std::to_string(dpi) + " / " + std::to_string(kBaseDpi);
    const std::string starts = std::to_string(kStarts) + " starts at each density, in turn";
    std::printf("%-36s %25s %25s %9s\n", starts.c_str(), base_name.c_str(), dense_name.c_str(),
                ratio.c_str());
    std::printf("%-36s %12s %12s %12s %12s %9s\n", "", "median", "p95", "median", "p95",
                "medians");
    const auto row = [&](const char* what, double Start::*field, double scale, const char* unit) {
        const double m0 = Median(at_base, field), m1 = Median(at_dense, field);
        std::printf("%-36s %8.1f %-3s %8.1f %-3s %8.1f %-3s %8.1f %-3s %7.2f x\n", what,
                    m0 * scale, unit, P95(at_base, field) * scale, unit, m1 * scale, unit,
                    P95(at_dense, field) * scale, unit, m0 > 0 ? m1 / m0 : 0.0);
    };
    row("Pellico: main window visible", &Start::visible, 1, "ms");
    row("Pellico: first skinned paint done", &Start::painted, 1, "ms");
    row("skin: SkinStream read and LoadSkin", &Start::skin, 1, "ms");
    row("pixels held by the skin's elements", &Start::pixels, 1.0 / (1024 * 1024), "MiB");
    row("private memory once painted", &Start::memory, 1, "MiB");
    std::printf("%-38s %23s %23s %9s\n", "Pellico's start-up split at its marks",
                base_name.c_str(), dense_name.c_str(), ratio.c_str());
    std::printf("%-38s %11s %11s %11s %11s %9s\n", "", "at", "step", "at", "step", "steps");
    const std::vector<Split> split0 = SplitAtMarks(at_base), split1 = SplitAtMarks(at_dense);
    for (std::size_t i = 0; i < split0.size(); ++i) {
        const double step0 = Percentile(split0[i].step, 0.5);
        const double step1 = Percentile(split1[i].step, 0.5);
        std::printf("  %-36s %8.1f ms %8.1f ms %8.1f ms %8.1f ms %7.2f x\n", SplitName(i),
                    Percentile(split0[i].at, 0.5), step0, Percentile(split1[i].at, 0.5), step1,
                    step0 > 0 ? step1 / step0 : 0.0);
    }
    std::printf("starts whose form still changed after   %5d and %d of %d (%d dpi, %d dpi)\n",
                Unsettled(at_base), Unsettled(at_dense), kStarts, kBaseDpi, dpi);
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    if (argc == 3 && std::string_view(argv[1]) == "--density") {
        const int dpi = std::atoi(argv[2]);
        if (dpi <= kBaseDpi) {
            std::printf("--density wants a density above %d dpi\n", kBaseDpi);
            return 2;
        }
        return CompareDensities(dpi);
    }
    if (argc != 1) {
        std::puts("usage: bench_startup [--density DPI]");
        return 2;
    }
    const Program pellico{testing_desktop::PellicoExe(), L"TForm1", true};
    const Program bare{BARE_WINDOW_EXE, L"BareForm", false};
    std::vector<Start> pellico_starts, bare_starts;
    if (const Program* failed = StartInTurn(pellico, pellico_starts, bare, bare_starts)) {
        std::puts(failed == &pellico ? "Pellico did not come up or did not close"
                                     : "the bare window did not come up or did not close");
        return 1;
    }
    const auto row = [&](const char* what, const std::vector<Start>& starts, double Start::*field) {
        std::printf("%-38s %8.1f ms %8.1f ms\n", what, Median(starts, field), P95(starts, field));
    };
    std::printf("%d starts of each, in turn                  median        p95\n", kStarts);
    row("Pellico: main window visible", pellico_starts, &Start::visible);
    row("Pellico: first skinned paint done", pellico_starts, &Start::painted);
    row("bare window: visible", bare_starts, &Start::visible);
    row("bare window: painted", bare_starts, &Start::painted);
    std::printf("Pellico / bare window, painted (medians) %6.2f x\n",
                Median(pellico_starts, &Start::painted) / Median(bare_starts, &Start::painted));
    std::printf("Pellico's start-up split at its marks      at (median)   step (median)\n");
    const std::vector<Split> split = SplitAtMarks(pellico_starts);
    for (std::size_t i = 0; i < split.size(); ++i)
        std::printf("  %-38s %8.1f ms %8.1f ms\n", SplitName(i), Percentile(split[i].at, 0.5),
                    Percentile(split[i].step, 0.5));
    row("skin: SkinStream read and LoadSkin", pellico_starts, &Start::skin);
    const double share =
        Median(pellico_starts, &Start::skin) / Median(pellico_starts, &Start::painted) * 100.0;
    std::printf("skin's share of the start-up (medians)  %7.1f %%\n", share);
    std::printf("pixels held by the skin's elements      %7.1f MiB\n",
                pellico_starts.front().pixels / (1024.0 * 1024.0));
    const double pellico_memory = Median(pellico_starts, &Start::memory);
    const double bare_memory = Median(bare_starts, &Start::memory);
    std::printf("private memory once painted, Pellico    %7.1f MiB (median)\n", pellico_memory);
    std::printf("private memory once painted, bare       %7.1f MiB (median)\n", bare_memory);
    std::printf("what Pellico with its skin adds         %7.1f MiB\n",
                pellico_memory - bare_memory);
    std::printf("starts whose form still changed after   %5d and %d of %d (Pellico, bare)\n",
                Unsettled(pellico_starts), Unsettled(bare_starts), kStarts);
    return 0;
}
