// What the main-window benchmarks share: a millisecond clock, percentiles of samples and the
// private memory of another process.
#pragma once
#include <windows.h>

#include <vector>

namespace bench {

// Milliseconds from the performance counter.
double Now();

// The value at fraction `p` (0 to 1) of the sorted samples, the nearest rank; `values` not empty.
double Percentile(std::vector<double> values, double p);

// Committed private memory of the process: its address space walked region by region (Wine
// reports no private usage for other processes through the memory counters).
double PrivateMiB(DWORD process_id);

} // namespace bench
