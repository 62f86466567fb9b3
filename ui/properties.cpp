// Property access by name over the class descriptions.
#include "ui/properties.h"

#include <charconv>
#include <exception>

namespace ui {

PropRef FindProp(TPersistent* object, std::wstring_view path) {
    while (object) {
        const auto dot = path.find(L'.');
        const PropInfo* info = object->ClassType().FindProp(path.substr(0, dot));
        if (!info) return {};
        if (dot == std::wstring_view::npos) return {object, info};
        if (info->kind != PropKind::Object || !info->get_object) return {};
        object = info->get_object(*object);
        path.remove_prefix(dot + 1);
    }
    return {};
}

bool IsPublishedProp(TPersistent* object, std::wstring_view path) {
    return static_cast<bool>(FindProp(object, path));
}

namespace {

bool IsOrdinal(PropKind k) {
    return k == PropKind::Integer || k == PropKind::Enumeration || k == PropKind::Set;
}

// Runs a setter; a setter that throws (a value the object refuses) counts as a failed write.
template <class F> bool Try(F&& f) {
    try {
        f();
        return true;
    } catch (const std::exception&) {
        return false;
    }
}

} // namespace

std::int32_t GetOrdProp(TPersistent* object, std::wstring_view path) {
    auto p = FindProp(object, path);
    if (!p || !IsOrdinal(p.info->kind)) return -1;
    return p.info->get_ordinal(*p.object);
}

std::wstring GetEnumProp(TPersistent* object, std::wstring_view path) {
    auto p = FindProp(object, path);
    if (!p || p.info->kind != PropKind::Enumeration) return {};
    const auto v = p.info->get_ordinal(*p.object);
    if (v < 0 || static_cast<std::size_t>(v) >= p.info->identifiers.size()) return {};
    return p.info->identifiers[static_cast<std::size_t>(v)];
}

std::wstring GetSetProp(TPersistent* object, std::wstring_view path) {
    auto p = FindProp(object, path);
    if (!p || p.info->kind != PropKind::Set) return {};
    const auto bits = static_cast<std::uint32_t>(p.info->get_ordinal(*p.object));
    std::wstring out = L"[";
    for (std::size_t i = 0; i < p.info->identifiers.size() && i < 32; ++i) {
        if (bits & (1u << i)) {
            if (out.size() > 1) out += L',';
            out += p.info->identifiers[i];
        }
    }
    return out + L"]";
}

std::wstring GetStrProp(TPersistent* object, std::wstring_view path) {
    auto p = FindProp(object, path);
    if (!p || p.info->kind != PropKind::String) return {};
    return p.info->get_string(*p.object);
}

TPersistent* GetObjectProp(TPersistent* object, std::wstring_view path, const TClassInfo* cls) {
    auto p = FindProp(object, path);
    if (!p || p.info->kind != PropKind::Object) return nullptr;
    TPersistent* value = p.info->get_object(*p.object);
    if (value && cls && !value->ClassType().InheritsFrom(*cls)) return nullptr;
    return value;
}

bool SetOrdProp(TPersistent* object, std::wstring_view path, std::int32_t value) {
    auto p = FindProp(object, path);
    if (!p || !IsOrdinal(p.info->kind) || !p.info->set_ordinal) return false;
    if (p.info->kind == PropKind::Enumeration &&
        (value < 0 || static_cast<std::size_t>(value) >= p.info->identifiers.size()))
        return false;
    return Try([&] { p.info->set_ordinal(*p.object, value); });
}

bool IdentToOrdinal(const PropInfo& info, std::wstring_view identifier, std::int32_t& value) {
    const std::wstring wanted = LowerCase(identifier);
    if (info.kind == PropKind::Integer) {
        for (const auto& [name, v] : info.constants)
            if (LowerCase(name) == wanted) {
                value = v;
                return true;
            }
        return false;
    }
    for (std::size_t i = 0; i < info.identifiers.size(); ++i)
        if (LowerCase(info.identifiers[i]) == wanted) {
            value = static_cast<std::int32_t>(i);
            return true;
        }
    return false;
}

bool SetEnumProp(TPersistent* object, std::wstring_view path, std::wstring_view identifier) {
    auto p = FindProp(object, path);
    if (!p || (p.info->kind != PropKind::Enumeration && p.info->kind != PropKind::Integer))
        return false;
    std::int32_t v = 0;
    if (!IdentToOrdinal(*p.info, identifier, v)) return false;
    return Try([&] { p.info->set_ordinal(*p.object, v); });
}

bool SetSetProp(TPersistent* object, std::wstring_view path,
                const std::vector<std::wstring>& elements) {
    auto p = FindProp(object, path);
    if (!p || p.info->kind != PropKind::Set) return false;
    std::uint32_t bits = 0;
    for (const auto& e : elements) {
        std::int32_t i = 0;
        if (!IdentToOrdinal(*p.info, e, i) || i >= 32) return false;
        bits |= 1u << i;
    }
    return Try([&] { p.info->set_ordinal(*p.object, static_cast<std::int32_t>(bits)); });
}

bool SetStrProp(TPersistent* object, std::wstring_view path, const std::wstring& value) {
    auto p = FindProp(object, path);
    if (!p || p.info->kind != PropKind::String) return false;
    return Try([&] { p.info->set_string(*p.object, value); });
}

bool SetObjectProp(TPersistent* object, std::wstring_view path, TPersistent* value) {
    auto p = FindProp(object, path);
    if (!p || p.info->kind != PropKind::Object || !p.info->set_object) return false;
    return Try([&] { p.info->set_object(*p.object, value); });
}

namespace {

bool ParseInt(std::wstring_view text, std::int32_t& value) {
    std::string narrow;
    for (wchar_t c : text) {
        if (c > 0x7F) return false;
        narrow += static_cast<char>(c);
    }
    const char* first = narrow.data();
    const char* last = first + narrow.size();
    if (first != last && *first == '+') ++first;
    auto [ptr, ec] = std::from_chars(first, last, value);
    return ec == std::errc{} && ptr == last && first != last;
}

std::vector<std::wstring> SplitSet(std::wstring_view text) {
    std::vector<std::wstring> out;
    if (text.size() >= 2 && text.front() == L'[' && text.back() == L']')
        text = text.substr(1, text.size() - 2);
    std::wstring item;
    for (wchar_t c : text) {
        if (c == L',') {
            out.push_back(item);
            item.clear();
        } else if (c != L' ') {
            item += c;
        }
    }
    if (!item.empty() || !out.empty()) out.push_back(item);
    return out;
}

} // namespace

bool SetPropValue(TPersistent* object, std::wstring_view path, const std::wstring& text) {
    auto p = FindProp(object, path);
    if (!p) return false;
    switch (p.info->kind) {
    case PropKind::Integer: {
        std::int32_t v = 0;
        if (ParseInt(text, v)) return SetOrdProp(object, path, v);
        return SetEnumProp(object, path, text);
    }
    case PropKind::Enumeration:
        return SetEnumProp(object, path, text);
    case PropKind::Set:
        return SetSetProp(object, path, SplitSet(text));
    case PropKind::String:
        return SetStrProp(object, path, text);
    default:
        return false;
    }
}

} // namespace ui
