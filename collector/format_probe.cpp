#include "collector/format_probe.h"

namespace collector {

int ProbeFormats(const std::function<bool(unsigned)>& has_format) {
    for (unsigned f = 0; f <= kLastStandardFormat; ++f) {
        if (has_format(f)) return static_cast<int>(f);
    }
    return 0;
}

} // namespace collector
