// Class descriptions and the property look-up by name.
#include "ui/persistent.h"

#include <algorithm>

namespace ui {

std::wstring LowerCase(std::wstring_view text) {
    std::wstring out(text);
    for (auto& c : out)
        if (c >= L'A' && c <= L'Z') c = static_cast<wchar_t>(c - L'A' + L'a');
    return out;
}

TClassInfo::TClassInfo(std::wstring name, const TClassInfo* parent, std::vector<PropInfo> props)
    : name_(std::move(name)), parent_(parent), props_(std::move(props)) {}

const PropInfo* TClassInfo::FindProp(std::wstring_view name) const {
    const std::wstring wanted = LowerCase(name);
    for (const TClassInfo* c = this; c; c = c->parent_) {
        auto it = std::find_if(c->props_.begin(), c->props_.end(),
                               [&](const PropInfo& p) { return LowerCase(p.name) == wanted; });
        if (it != c->props_.end()) return &*it;
    }
    return nullptr;
}

bool TClassInfo::InheritsFrom(const TClassInfo& other) const {
    for (const TClassInfo* c = this; c; c = c->parent_)
        if (c == &other) return true;
    return false;
}

const TClassInfo& TPersistent::StaticClass() {
    static const TClassInfo info(L"TPersistent", nullptr);
    return info;
}

bool TPersistent::ReadBinary(std::wstring_view, std::span<const std::uint8_t>) {
    return false;
}

} // namespace ui
