#include "ui/resource_data.h"

namespace ui {

std::string_view RcData(HMODULE module, const wchar_t* name) {
    const HRSRC info = FindResourceW(module, name, MAKEINTRESOURCEW(10)); // RT_RCDATA
    const HGLOBAL data = info ? LoadResource(module, info) : nullptr;
    const void* bytes = data ? LockResource(data) : nullptr;
    if (!bytes) return {};
    return {static_cast<const char*>(bytes), SizeofResource(module, info)};
}

} // namespace ui
