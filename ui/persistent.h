// Objects whose properties can be read and written by name: the class description each class
// carries (its name, its parent's description and its property table) and the base class.
#pragma once
#include <any>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace ui {

class TPersistent;

enum class PropKind { Integer, Enumeration, Set, String, Object, StringList, Event };

// One published property. Enumerations (booleans among them) keep their identifiers in
// `identifiers` (ordinal = index); sets keep their element names there (bit = index).
// Integers may accept named constants (colours, cursors, character sets).
struct PropInfo {
    std::wstring name;
    PropKind kind = PropKind::Integer;
    std::vector<std::wstring> identifiers;
    std::vector<std::pair<std::wstring, std::int32_t>> constants;
    std::function<std::int32_t(TPersistent&)> get_ordinal;
    std::function<void(TPersistent&, std::int32_t)> set_ordinal;
    std::function<std::wstring(TPersistent&)> get_string;
    std::function<void(TPersistent&, const std::wstring&)> set_string;
    std::function<TPersistent*(TPersistent&)> get_object;
    std::function<void(TPersistent&, TPersistent*)> set_object;
    std::function<std::vector<std::wstring>(TPersistent&)> get_lines;
    std::function<void(TPersistent&, const std::vector<std::wstring>&)> set_lines;
    // Receives the handler registered under the name the description gives; throws
    // std::bad_any_cast when the handler has another signature.
    std::function<void(TPersistent&, const std::any&)> set_event;
};

// What a class tells about itself: its name (the window class name of a control), its parent
// class and the properties it adds.
class TClassInfo {
public:
    TClassInfo(std::wstring name, const TClassInfo* parent, std::vector<PropInfo> props = {});
    const std::wstring& Name() const { return name_; }
    const TClassInfo* Parent() const { return parent_; }
    // The property of that name (compared ignoring case), looked up through the parents.
    const PropInfo* FindProp(std::wstring_view name) const;
    bool InheritsFrom(const TClassInfo& other) const;

private:
    std::wstring name_;
    const TClassInfo* parent_;
    std::vector<PropInfo> props_;
};

class TPersistent {
public:
    TPersistent() = default;
    TPersistent(const TPersistent&) = delete;
    TPersistent& operator=(const TPersistent&) = delete;
    virtual ~TPersistent() = default;

    static const TClassInfo& StaticClass();
    virtual const TClassInfo& ClassType() const { return StaticClass(); }
    const std::wstring& ClassName() const { return ClassType().Name(); }

    // Binary data stored in a description under `name` (an icon's picture, a skin stream):
    // the object that owns such data reads it here and answers true; false means it knows
    // no data of that name.
    virtual bool ReadBinary(std::wstring_view name, std::span<const std::uint8_t> data);
};

// ASCII lower-casing: identifiers and property names are compared this way.
std::wstring LowerCase(std::wstring_view text);

} // namespace ui
