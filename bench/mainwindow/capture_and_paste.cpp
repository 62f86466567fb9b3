// The running program measured from outside: how soon an outside copy shows in the list and
// how much of that is Pellico's own handler, its private memory, the capture of one large
// text, and "全部粘贴" over growing lists.
#include "bench/mainwindow/measure.h"
#include "tests/e2e/pellico_driver.h"

#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

using bench::CopyAndWait;
using bench::Now;
using bench::Percentile;
using bench::PrivateMiB;

std::wstring KiBEntry(int n) {
    std::wstring text = L"entry " + std::to_wstring(n) + L" ";
    text.resize(1024, L'.');
    return text;
}

} // namespace

int main() {
    e2e::PellicoDriver pellico;
    if (!pellico.WaitUntilUp()) {
        std::puts("Pellico did not come up");
        return 1;
    }
    const UINT query = RegisterWindowMessageW(L"Pellico.CaptureTime");
    // Ctrl+V of the paste actions lands in a window that ignores it.
    HWND sink = CreateWindowExW(0, L"STATIC", L"sink", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 40, 40,
                                200, 100, nullptr, nullptr, nullptr, nullptr);
    SetForegroundWindow(sink);
    Sleep(300);
    const double empty_mib = PrivateMiB(pellico.ProcessId());
    std::printf("private memory, empty list:        %8.1f MiB\n", empty_mib);

    constexpr int kCopies = 500;
    std::vector<double> latencies;
    const auto handler_before = SendMessageW(pellico.Main(), query, 0, 0);
    for (int i = 0; i < kCopies; ++i)
        latencies.push_back(CopyAndWait(pellico, L"copy " + std::to_wstring(i)));
    const auto handler_us = SendMessageW(pellico.Main(), query, 0, 0) - handler_before;
    double total = 0;
    for (double l : latencies)
        total += l;
    std::printf("copy to list item, %d copies:     median %.3f ms, 95th percentile %.3f ms\n",
                kCopies, Percentile(latencies, 0.5), Percentile(latencies, 0.95));
    std::printf("inside WMDrawClipboard:            %.3f ms per copy, %.1f%% of the latency\n",
                static_cast<double>(handler_us) / 1000.0 / kCopies,
                100.0 * static_cast<double>(handler_us) / 1000.0 / total);

    pellico.ClickAndWait(L"清  空");
    int entries = 0;
    double held_mib = 0;
    for (int target : {2500, 5000, 10000}) {
        while (entries < target)
            CopyAndWait(pellico, KiBEntry(entries++));
        // Before the paste of them all: the joined text is held too after it (under Wine the
        // block we gave the clipboard stays in our memory until the clipboard changes again).
        held_mib = PrivateMiB(pellico.ProcessId());
        std::vector<double> times;
        for (int run = 0; run < 5; ++run) {
            SetForegroundWindow(sink);
            Sleep(200);
            const double start = Now();
            pellico.ClickAndWait(L"全部粘贴");
            times.push_back(Now() - start);
        }
        const double ms = Percentile(times, 0.5);
        std::printf("全部粘贴 of %5d entries of 1 KiB:  %8.1f ms median of 5 (%.2f ms per 1000 "
                    "entries)\n",
                    entries, ms, ms * 1000.0 / entries);
    }
    std::printf("private memory, %d entries:     %8.1f MiB (%.2f KiB more per entry of %zu "
                "UTF-16 bytes)\n",
                entries, held_mib, (held_mib - empty_mib) * 1024.0 / entries,
                KiBEntry(0).size() * sizeof(wchar_t));
    std::printf("the same after 全部粘贴 of them:    %8.1f MiB\n", PrivateMiB(pellico.ProcessId()));

    pellico.ClickAndWait(L"清  空");
    const std::wstring large(5 * 1024 * 1024, L'x'); // 10 MiB as UTF-16
    std::printf("capture of one 10 MiB text:        %8.1f ms\n", CopyAndWait(pellico, large));

    DestroyWindow(sink);
    const auto code = pellico.Close();
    return code == 0u ? 0 : 1;
}
