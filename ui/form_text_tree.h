// The tree a form description is read into: objects with their properties in stored order,
// and the error a malformed description raises. Binding to real components happens elsewhere.
#pragma once

#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <variant>
#include <vector>

namespace form_text {

struct Value;
struct Property;

// An identifier used as a value: True, clWindowText, poDesigned, or an event handler's name
// (OnClick = Button1Click). Dotted names (Form2.Button1) keep their dots.
struct Identifier {
    std::string name;
};

// ( 'a' 'b' ... ): a list of values, most often strings.
struct List {
    std::vector<Value> items;
};

// [a, b]: the member identifiers in stored order; empty for [].
struct Set {
    std::vector<std::string> members;
};

// { 0A1B ... }: binary data.
struct Binary {
    std::vector<std::uint8_t> bytes;
};

// One `item ... end` of a collection.
struct CollectionItem {
    std::size_t line = 0;
    std::vector<Property> properties;
};

// < item ... end ... >
struct Collection {
    std::vector<CollectionItem> items;
};

// Integers (decimal or $hex), floats, identifiers, wide text (UTF-16, ready for the W API),
// lists, sets, binary data and collections.
struct Value {
    std::variant<std::int64_t, double, Identifier, std::u16string, List, Set, Binary, Collection>
        data;
};

// `Name = value`; dotted names (Font.Height) keep their dots.
struct Property {
    std::size_t line = 0;
    std::string name;
    Value value;
};

enum class Header { Object, Inherited, Inline };

// `object Name: TClass` ... `end`, with its properties and nested objects in stored order.
struct Object {
    std::size_t line = 0;
    Header header = Header::Object;
    std::string name;
    std::string class_name;
    std::vector<Property> properties;
    std::vector<Object> children;
};

// A malformed description: what() reads "line 12: expected 'end', found end of text".
class ParseError : public std::runtime_error {
public:
    ParseError(std::size_t line, const std::string& message)
        : std::runtime_error("line " + std::to_string(line) + ": " + message), line_(line) {}
    // 1-based line the error was found on.
    std::size_t Line() const { return line_; }

private:
    std::size_t line_;
};

} // namespace form_text
