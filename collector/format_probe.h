// Which kind of data the clipboard holds: the lowest standard format it reports.
#pragma once

#include <functional>

namespace collector {

// The highest standard clipboard format the probe asks about (CF_DIBV5).
inline constexpr unsigned kLastStandardFormat = 17;

// Asks has_format for 0, 1, … 17 in turn and answers the first that is there, or 0.
// 1 (CF_TEXT) means the clipboard holds text, whatever else it holds.
int ProbeFormats(const std::function<bool(unsigned)>& has_format);

} // namespace collector
