// Reading and writing published properties by name, as the description reader and the skin
// engine do. A name may be a path through object properties ("Font.Height"). Nothing here
// throws for a missing object or property: reads give -1, the empty text or no object, and
// writes answer false.
#pragma once
#include "ui/persistent.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace ui {

// The property a path names and the object that holds it; {nullptr, nullptr} when the
// object, a step of the path or the property itself is missing.
struct PropRef {
    TPersistent* object = nullptr;
    const PropInfo* info = nullptr;
    explicit operator bool() const { return info != nullptr; }
};
PropRef FindProp(TPersistent* object, std::wstring_view path);

bool IsPublishedProp(TPersistent* object, std::wstring_view path);

// Integers, enumerations (their ordinal) and sets (their bit mask); -1 when missing.
std::int32_t GetOrdProp(TPersistent* object, std::wstring_view path);
// An enumeration's identifier as declared ("True", "taCenter"); empty when missing.
std::wstring GetEnumProp(TPersistent* object, std::wstring_view path);
// A set as its element names in brackets ("[fsBold,fsItalic]"); empty when missing.
std::wstring GetSetProp(TPersistent* object, std::wstring_view path);
std::wstring GetStrProp(TPersistent* object, std::wstring_view path);
// The object only when it is of the given class (or any class when none is given).
TPersistent* GetObjectProp(TPersistent* object, std::wstring_view path,
                           const TClassInfo* cls = nullptr);
template <class T> T* GetObjectProp(TPersistent* object, std::wstring_view path) {
    return dynamic_cast<T*>(GetObjectProp(object, path));
}

bool SetOrdProp(TPersistent* object, std::wstring_view path, std::int32_t value);
// By identifier, compared lower-cased; integers also accept their named constants.
bool SetEnumProp(TPersistent* object, std::wstring_view path, std::wstring_view identifier);
bool SetSetProp(TPersistent* object, std::wstring_view path,
                const std::vector<std::wstring>& elements);
bool SetStrProp(TPersistent* object, std::wstring_view path, const std::wstring& value);
bool SetObjectProp(TPersistent* object, std::wstring_view path, TPersistent* value);
// Write by text: integers as a number (or a named constant), enumerations by identifier,
// sets as "[a,b]", string kinds as the text itself.
bool SetPropValue(TPersistent* object, std::wstring_view path, const std::wstring& text);

// Identifier look-ups shared with the description reader: the ordinal of an identifier in an
// enumeration or set, or the value of an integer's named constant.
bool IdentToOrdinal(const PropInfo& info, std::wstring_view identifier, std::int32_t& value);

} // namespace ui
