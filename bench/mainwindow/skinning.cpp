// What the skin costs the running program, measured from outside: Pellico.exe as built, and a
// copy whose stored description has the skin data switched off (Active = False), started in
// turn in the same run. For each: the time an outside copy takes to show as a new list item,
// for every copy until the list holds 1,000 entries, and then the repaint of the whole main
// window with that list, frame and controls.
#include "bench/mainwindow/measure.h"
#include "tests/e2e/pellico_driver.h"
#include "tests/support/child_process.h"
#include "tests/support/desktop.h"

#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

using bench::Now;
using bench::Percentile;

constexpr int kRounds = 4;     // each round starts the skinned program, then the unskinned one
constexpr int kEntries = 1000; // copies per start, the list's length for the repaints
constexpr int kRepaints = 50;  // per start
constexpr double kGiveUpMs = 20'000;

constexpr UINT kRepaintFlags =
    RDW_FRAME | RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW;

struct Samples {
    std::vector<double> copies;   // ms from an outside copy to the new list item
    std::vector<double> repaints; // ms for a repaint of the whole window
};

// Waits until the main window is up as it should be: in the skin's frame, or plainly
// unskinned, and painted.
bool Settled(HWND main, bool skinned) {
    const double begin = Now();
    while (Now() - begin < kGiveUpMs) {
        const bool ready = skinned ? bench::InSkinFrame(main) : !bench::Skinned(main);
        if (ready && bench::Painted(main)) return true;
        Sleep(10);
    }
    return false;
}

// One start of the program: its copies, then its repaints with the full list.
bool MeasureOnce(const std::string& exe, bool skinned, Samples& out) {
    e2e::PellicoDriver pellico(exe);
    if (!pellico.WaitUntilUp() || !Settled(pellico.Main(), skinned)) return false;
    for (int i = 0; i < kEntries; ++i)
        out.copies.push_back(bench::CopyAndWait(pellico, L"copy " + std::to_wstring(i)));
    for (int i = 0; i < kRepaints; ++i) {
        const double start = Now();
        RedrawWindow(pellico.Main(), nullptr, nullptr, kRepaintFlags);
        while (!bench::Painted(pellico.Main())) {
        }
        out.repaints.push_back(Now() - start);
    }
    // Still as it was: the skin did not come or go during the run.
    const bool same = bench::Skinned(pellico.Main()) == skinned;
    return pellico.Close().has_value() && same;
}

void Row(const char* what, const std::vector<double>& skinned,
         const std::vector<double>& unskinned) {
    const double m1 = Percentile(skinned, 0.5), m0 = Percentile(unskinned, 0.5);
    const double p1 = Percentile(skinned, 0.95), p0 = Percentile(unskinned, 0.95);
    std::printf("%-30s %9.3f ms %9.3f ms %9.3f ms %9.3f ms %6.2f x %6.2f x\n", what, m1, p1, m0, p0,
                m1 / m0, p1 / p0);
}

} // namespace

int main() {
    const std::string pellico = testing_desktop::PellicoExe();
    if (!bench::WriteUnskinnedCopy(pellico, UNSKINNED_EXE)) {
        std::puts("could not write the unskinned copy of Pellico.exe");
        return 1;
    }
    // Ctrl+V of the paste actions would land in a window that ignores it; none run here, but
    // the foreground stays away from Pellico as it does for a user copying elsewhere.
    const HWND sink = CreateWindowExW(0, L"STATIC", L"sink", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 40,
                                      40, 200, 100, nullptr, nullptr, nullptr, nullptr);
    SetForegroundWindow(sink);
    Samples skinned, unskinned;
    for (int round = 0; round < kRounds; ++round) {
        if (!MeasureOnce(pellico, true, skinned)) {
            std::puts("skinned Pellico did not come up in its skin, or did not close");
            return 1;
        }
        if (!MeasureOnce(UNSKINNED_EXE, false, unskinned)) {
            std::puts("unskinned Pellico did not come up unskinned, or did not close");
            return 1;
        }
    }
    DestroyWindow(sink);
    std::printf("%d starts of each, in turn;      skinned                 unskinned             "
                "skinned / unskinned\n",
                kRounds);
    std::printf("%-30s %12s %12s %12s %12s %8s %8s\n", "", "median", "p95", "median", "p95",
                "median", "p95");
    Row("copy to new list item", skinned.copies, unskinned.copies);
    Row("repaint, 1000 entries", skinned.repaints, unskinned.repaints);
    std::printf("(%zu copies and %zu repaints of each)\n", skinned.copies.size(),
                skinned.repaints.size());
    return 0;
}
