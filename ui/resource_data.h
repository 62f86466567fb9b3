// A module's own data resources (RCDATA), such as the stored description of a form.
#pragma once

#include <windows.h>

#include <string_view>

namespace ui {

// The bytes of the RCDATA resource `name` of `module` (nullptr: the program itself), valid
// while the module stays loaded; empty when there is none.
std::string_view RcData(HMODULE module, const wchar_t* name);

} // namespace ui
