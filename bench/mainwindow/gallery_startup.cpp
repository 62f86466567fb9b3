// Start-up of the real SkinGallery.exe measured from outside: from CreateProcess until its form
// is shown, dressed by the skin (frame and every control) and completely painted, next to a
// copy of the gallery whose stored description switches the skin off, started in turn with it
// in the same run.
#include "bench/mainwindow/measure.h"
#include "tests/support/child_process.h"

#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

using bench::Now;
using bench::Percentile;

constexpr int kStarts = 10;
constexpr double kGiveUpMs = 30'000;

HWND VisibleForm(DWORD pid) {
    for (HWND w = FindWindowExW(nullptr, nullptr, L"TGalleryForm", nullptr); w;
         w = FindWindowExW(nullptr, w, L"TGalleryForm", nullptr)) {
        DWORD owner = 0;
        GetWindowThreadProcessId(w, &owner);
        if (owner == pid && IsWindowVisible(w)) return w;
    }
    return nullptr;
}

// Milliseconds until the form is up as it should be, or a negative number when it never is.
double StartOnce(const std::string& exe, bool skinned) {
    const double begin = Now();
    testing_desktop::Process process(exe);
    if (!process.Started()) return -1;
    HWND form = nullptr;
    while (!form || bench::Skinned(form) != skinned || !bench::Painted(form)) {
        if (Now() - begin > kGiveUpMs) return -1;
        if (!form) form = VisibleForm(process.Id());
        if (!form) Sleep(1);
    }
    const double painted = Now() - begin;
    PostMessageW(form, WM_CLOSE, 0, 0);
    return process.WaitForExit().has_value() ? painted : -1;
}

} // namespace

int main() {
    if (!bench::WriteUnskinnedCopy(GALLERY_EXE, UNSKINNED_GALLERY_EXE, L"TGALLERYFORM")) {
        std::puts("could not write the unskinned copy of SkinGallery.exe");
        return 1;
    }
    // One start of each first that is not counted (Wine maps its libraries for the first one),
    // then the two in turn, so that changes in the machine's load hit both alike.
    std::vector<double> skinned, plain;
    for (int i = 0; i <= kStarts; ++i) {
        const double a = StartOnce(GALLERY_EXE, true);
        const double b = StartOnce(UNSKINNED_GALLERY_EXE, false);
        if (a < 0 || b < 0) {
            std::puts("the gallery did not come up, paint or close");
            return 1;
        }
        if (i == 0) continue;
        skinned.push_back(a);
        plain.push_back(b);
    }
    std::printf("%d starts of each, in turn                     median        p95\n", kStarts);
    std::printf("gallery skinned: first complete paint  %8.1f ms %8.1f ms\n",
                Percentile(skinned, 0.5), Percentile(skinned, 0.95));
    std::printf("gallery unskinned: first complete paint%8.1f ms %8.1f ms\n",
                Percentile(plain, 0.5), Percentile(plain, 0.95));
    std::printf("skinned / unskinned (medians)          %8.2f x\n",
                Percentile(skinned, 0.5) / Percentile(plain, 0.5));
    return 0;
}
