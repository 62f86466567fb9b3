// What the skin costs the running program: Pellico.exe as built, and a copy whose stored
// description has the skin data switched off (Active = False), started in turn in the same run.
// For each: the time an outside copy takes to show as a new list item, for every copy until the
// list holds 1,000 entries, and then repaints of the whole main window with that list, frame and
// controls, each timed by the program itself per part (it answers "Pellico.PaintTime").
//
// With `--density DPI` it starts the skinned program alone, in turn at DPI and at 96 dpi, and
// measures the same at both: what drawing the skin at a density costs a copy and a repaint.
#include "bench/mainwindow/measure.h"
#include "tests/e2e/pellico_driver.h"
#include "tests/support/child_process.h"
#include "tests/support/desktop.h"
#include "tests/support/display_density.h"

#include <windows.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace {

using bench::Now;
using bench::Percentile;

constexpr int kRounds = 8;     // each round starts the skinned program, then the unskinned one
constexpr int kDensityRounds = 6; // each starts the program at the density asked for, then at 96
constexpr int kEntries = 1000; // copies per start, the list's length for the repaints
constexpr int kRepaints = 200; // per start
constexpr double kGiveUpMs = 20'000;

const UINT kPaintTime = RegisterWindowMessageW(L"Pellico.PaintTime");

// What the program's paint counters are read for: a window class, its client or frame paints.
struct Part {
    const char* label;
    const wchar_t* windowClass;
    LPARAM side; // 0 client, 1 frame
};
constexpr Part kParts[] = {
    {"form: frame", L"TForm1", 1},
    {"form: client", L"TForm1", 0},
    {"labels (3)", L"TLabel", 0},
    {"list box, 1000 entries", L"TListBox", 0},
    {"list box: frame", L"TListBox", 1},
    {"list box: scroll bar", L"TWScrollbar", 0},
    {"buttons (3)", L"TButton", 0},
    {"check box", L"TCheckBox", 0},
    {"combo box", L"TComboBox", 0},
    {"combo box: frame", L"TComboBox", 1},
    {"combo box: edit field", L"Edit", 0},
};
constexpr std::size_t kPartCount = std::size(kParts);

struct Samples {
    std::vector<double> copies; // ms from an outside copy to the new list item
    // Per repaint of the whole window: ms the program spent in each part's paints, in all.
    std::array<std::vector<double>, kPartCount> parts;
    std::vector<double> total;        // the parts' sum
    std::vector<double> whole;        // the repaint timed around it, from start to end
    std::vector<double> startMedians; // the median of `whole` of each start
    std::array<double, kPartCount> messages{}; // paint messages of each part in all repaints
};

// Each part's paint counter so far: its microseconds (`what` 0) or its paint messages (2).
std::array<double, kPartCount> PaintCounters(HWND main, LPARAM what) {
    std::array<double, kPartCount> counters{};
    for (std::size_t i = 0; i < kPartCount; ++i) {
        const ATOM atom = GlobalAddAtomW(kParts[i].windowClass);
        counters[i] =
            static_cast<double>(SendMessageW(main, kPaintTime, atom, kParts[i].side + what));
        GlobalDeleteAtom(atom);
    }
    return counters;
}

// The milliseconds the program has spent in each part's paints so far.
std::array<double, kPartCount> PaintTimes(HWND main) {
    auto times = PaintCounters(main, 0);
    for (double& t : times) t /= 1000.0;
    return times;
}

// A program to measure: which one, whether it is the skinned one, the display density it
// starts at (0: the prefix's own, taken as kBaseDpi).
struct Program {
    std::string exe;
    bool skinned;
    int dpi = 0;
};

// Waits until the main window is up as it should be: in the skin's frame at its density, or
// plainly unskinned, and painted.
bool Settled(HWND main, const Program& program) {
    const int dpi = program.dpi > 0 ? program.dpi : kBaseDpi;
    const double begin = Now();
    while (Now() - begin < kGiveUpMs) {
        const bool ready =
            program.skinned ? bench::InSkinFrame(main, dpi) : !bench::Skinned(main);
        if (ready && bench::Painted(main)) return true;
        Sleep(10);
    }
    return false;
}

// One start of the program: its copies, then its repaints with the full list.
bool MeasureOnce(const Program& program, Samples& out) {
    // The density is read as the process starts; it is put back once the window is up at it.
    std::optional<testing_desktop::DensityForNewPrograms> density;
    if (program.dpi > 0 && !density.emplace(program.dpi).Set()) return false;
    e2e::PellicoDriver pellico(program.exe);
    if (!pellico.WaitUntilUp() || !Settled(pellico.Main(), program)) return false;
    density.reset();
    for (int i = 0; i < kEntries; ++i)
        out.copies.push_back(bench::CopyAndWait(pellico, L"copy " + std::to_wstring(i)));
    std::vector<double> wholes;
    const auto messagesBefore = PaintCounters(pellico.Main(), 2);
    auto before = PaintTimes(pellico.Main());
    for (int i = 0; i < kRepaints; ++i) {
        // The program repaints itself and times that; the parts' counters run meanwhile.
        wholes.push_back(static_cast<double>(SendMessageW(pellico.Main(), kPaintTime, 0, 0)) /
                         1000.0);
        while (!bench::Painted(pellico.Main())) {
        }
        const auto after = PaintTimes(pellico.Main());
        double total = 0;
        for (std::size_t p = 0; p < kPartCount; ++p) {
            out.parts[p].push_back(after[p] - before[p]);
            total += after[p] - before[p];
        }
        out.total.push_back(total);
        before = after;
    }
    const auto messagesAfter = PaintCounters(pellico.Main(), 2);
    for (std::size_t p = 0; p < kPartCount; ++p)
        out.messages[p] += messagesAfter[p] - messagesBefore[p];
    out.whole.insert(out.whole.end(), wholes.begin(), wholes.end());
    out.startMedians.push_back(Percentile(wholes, 0.5));
    // Still as it was: the skin did not come or go during the run.
    const bool same = bench::Skinned(pellico.Main()) == program.skinned;
    return pellico.Close().has_value() && same;
}

// A figure of both programs, and the first's over the second's.
void Row(const char* what, const std::vector<double>& first, const std::vector<double>& second) {
    const double m1 = Percentile(first, 0.5), m0 = Percentile(second, 0.5);
    const double p1 = Percentile(first, 0.95), p0 = Percentile(second, 0.95);
    std::printf("%-30s %9.3f ms %9.3f ms %9.3f ms %9.3f ms %6.2f x %6.2f x\n", what, m1, p1, m0, p0,
                m0 > 0 ? m1 / m0 : 0.0, p0 > 0 ? p1 / p0 : 0.0);
}

// The lowest and highest of the starts' medians: how far a start's figure wanders.
void Spread(const char* what, const std::vector<double>& medians) {
    const auto [low, high] = std::minmax_element(medians.begin(), medians.end());
    std::printf("  %-28s %9.3f ms to %9.3f ms\n", what, *low, *high);
}

// Measures the two programs in turn, `rounds` starts of each, and prints their figures side by
// side under the names given.
int Compare(const Program& first, const char* first_name, const Program& second,
            const char* second_name, int rounds) {
    // Ctrl+V of the paste actions would land in a window that ignores it; none run here, but
    // the foreground stays away from Pellico as it does for a user copying elsewhere.
    const HWND sink = CreateWindowExW(0, L"STATIC", L"sink", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 40,
                                      40, 200, 100, nullptr, nullptr, nullptr, nullptr);
    SetForegroundWindow(sink);
    Samples a, b;
    const auto measure = [](const Program& program, const char* name, Samples& samples) {
        if (MeasureOnce(program, samples)) return true;
        std::printf("Pellico (%s) did not come up as it should, or did not close\n", name);
        return false;
    };
    for (int round = 0; round < rounds; ++round) {
        if (!measure(first, first_name, a) || !measure(second, second_name, b)) return 1;
    }
    DestroyWindow(sink);
    std::printf("%d starts of each, in turn;      %-23s %-21s %s / %s\n", rounds, first_name,
                second_name, first_name, second_name);
    std::printf("%-30s %12s %12s %12s %12s %8s %8s\n", "", "median", "p95", "median", "p95",
                "median", "p95");
    Row("copy to new list item", a.copies, b.copies);
    std::puts("in-process paint time per repaint of the whole window, by part:");
    for (std::size_t p = 0; p < kPartCount; ++p)
        Row(kParts[p].label, a.parts[p], b.parts[p]);
    Row("the parts' sum", a.total, b.total);
    Row("whole window, start to end", a.whole, b.whole);
    std::printf("paint messages per repaint (%s, %s):\n", first_name, second_name);
    for (std::size_t p = 0; p < kPartCount; ++p)
        std::printf("  %-28s %6.2f %6.2f\n", kParts[p].label,
                    a.messages[p] / static_cast<double>(a.total.size()),
                    b.messages[p] / static_cast<double>(b.total.size()));
    std::puts("the whole window's median, lowest and highest of the starts:");
    Spread(first_name, a.startMedians);
    Spread(second_name, b.startMedians);
    // Each round's two starts ran under nearly the same load: their ratio wanders less than
    // either start's figure.
    std::vector<double> ratios;
    for (std::size_t i = 0; i < a.startMedians.size(); ++i)
        ratios.push_back(a.startMedians[i] / b.startMedians[i]);
    std::sort(ratios.begin(), ratios.end());
    std::printf("the whole window's median, %s / %s in each round, sorted:\n ", first_name,
                second_name);
    for (const double r : ratios)
        std::printf(" %.2f", r);
    std::printf("   median %.2f x\n", Percentile(ratios, 0.5));
    std::printf("(%zu copies and %zu repaints of each)\n", a.copies.size(), a.total.size());
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    const std::string pellico = testing_desktop::PellicoExe();
    if (argc == 3 && std::string_view(argv[1]) == "--density") {
        const int dpi = std::atoi(argv[2]);
        if (dpi <= kBaseDpi) {
            std::printf("--density wants a density above %d dpi\n", kBaseDpi);
            return 2;
        }
        const std::string dense = std::to_string(dpi) + " dpi";
        const std::string base = std::to_string(kBaseDpi) + " dpi";
        return Compare({pellico, true, dpi}, dense.c_str(), {pellico, true, kBaseDpi},
                       base.c_str(), kDensityRounds);
    }
    if (argc != 1) {
        std::puts("usage: bench_skinning [--density DPI]");
        return 2;
    }
    if (!bench::WriteUnskinnedCopy(pellico, UNSKINNED_EXE)) {
        std::puts("could not write the unskinned copy of Pellico.exe");
        return 1;
    }
    return Compare({pellico, true}, "skinned", {UNSKINNED_EXE, false}, "unskinned", kRounds);
}
