// What the main-window benchmarks share: a millisecond clock, percentiles of samples, the
// private memory of another process, whether its window has painted and is in the skin's
// frame, and the time an outside copy takes to show in Pellico's list.
#pragma once
#include "ui/scale_measure.h"

#include <windows.h>

#include <string>
#include <vector>

namespace e2e {
class PellicoDriver;
}

namespace bench {

// Writes `unskinned`: a copy of the program `exe` whose stored description (the RCDATA
// resource `description`) has its skin data ("SkinData1") switched off. The same program
// otherwise, so the two differ by the skin alone. False when that cannot be done.
bool WriteUnskinnedCopy(const std::string& exe, const std::string& unskinned,
                        const wchar_t* description = L"TFORM1");

// Milliseconds from the performance counter.
double Now();

// Handles this thread's messages for `ms` milliseconds.
void PumpFor(double ms);

// The value at fraction `p` (0 to 1) of the sorted samples, the nearest rank; `values` not empty.
double Percentile(std::vector<double> values, double p);

// Committed private memory of the process: its address space walked region by region (Wine
// reports no private usage for other processes through the memory counters).
double PrivateMiB(DWORD process_id);

// Painted: its thread is back in the message loop (it answers a sent WM_NULL, which comes
// only after the paint messages of what it has shown are due) and neither the window nor any
// of its controls has an update region left.
bool Painted(HWND main);

// Whether the window answers SM_ISSKINNED with 1 (an unskinned one answers 0).
bool Skinned(HWND main);

// The skin has taken Pellico's main window over and grown it to its frame (4 pixels at the
// sides and the bottom, a 26-pixel title around the 263 x 354 client area, each a measure at
// the window's display density `dpi`): from here on a paint is a skinned one.
bool InSkinFrame(HWND main, int dpi = kBaseDpi);

// Copies the text from outside and returns the milliseconds until Pellico's list grew by one.
double CopyAndWait(e2e::PellicoDriver& pellico, const std::wstring& text);

} // namespace bench
