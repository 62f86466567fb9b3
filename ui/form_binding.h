// Binding a form description to components: the class registry (class name to factory),
// reading a description tree into a root component and its members, events bound to the
// handlers the root registered by name, and Loaded on every component once all are read.
#pragma once
#include "ui/component.h"

#include <functional>
#include <stdexcept>
#include <string>
#include <string_view>

namespace form_text {
struct Object;
}

namespace ui {

// A description that cannot be bound: what() reads "line 12: ..." like the parser's errors.
class EDescriptionError : public std::runtime_error {
public:
    EDescriptionError(std::size_t line, const std::string& message)
        : std::runtime_error("line " + std::to_string(line) + ": " + message), line_(line) {}
    std::size_t Line() const { return line_; }

private:
    std::size_t line_;
};

using TComponentFactory = std::function<TComponent*(TComponent* owner)>;

// Makes a class known to descriptions by its name.
void RegisterComponentClass(const std::wstring& class_name, TComponentFactory factory);
template <class T> void RegisterComponentClass() {
    RegisterComponentClass(T::StaticClass().Name(),
                           [](TComponent* owner) -> TComponent* { return new T(owner); });
}
bool IsComponentClassRegistered(std::wstring_view class_name);

// Reads the tree into `root` (whose class must be the tree's class): the root's properties,
// then every nested object in stored order, created through the registry with `root` as
// owner and placed in its enclosing object. Throws EDescriptionError.
void ReadComponent(TComponent* root, const form_text::Object& tree);
// Parses the text first (form_text::ParseError for malformed text), then reads it.
void ReadDescription(TComponent* root, std::string_view text);

} // namespace ui
