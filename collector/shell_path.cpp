#include "collector/shell_path.h"

namespace collector {

std::wstring ShellDirectory(std::wstring_view file) {
    const auto last = file.find_last_of(L"\\:");
    if (last == std::wstring_view::npos) return {};
    return std::wstring(file.substr(0, last + 1));
}

} // namespace collector
