// Clock, percentiles and memory for the main-window benchmarks.
#include "measure.h"

#include <algorithm>
#include <cstdint>

namespace bench {

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

} // namespace bench
