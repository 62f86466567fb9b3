// The working folder handed to the shell along with a file or address.
#pragma once

#include <string>
#include <string_view>

namespace collector {

// The path part of `file`: its text up to and including the last "\" or ":" (for a web
// address, the scheme and its colon); empty when it has neither.
std::wstring ShellDirectory(std::wstring_view file);

} // namespace collector
