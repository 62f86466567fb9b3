// Helpers that build property table entries from a class's getter and setter members, so a
// class declares each published property in one line.
#pragma once
#include "ui/persistent.h"

#include <typeinfo>

namespace ui::props {

template <class T> T& As(TPersistent& p) {
    return static_cast<T&>(p);
}

template <class T, class V>
PropInfo Integer(std::wstring name, V (T::*get)() const, void (T::*set)(V),
                 std::vector<std::pair<std::wstring, std::int32_t>> constants = {}) {
    PropInfo p;
    p.name = std::move(name);
    p.kind = PropKind::Integer;
    p.constants = std::move(constants);
    p.get_ordinal = [get](TPersistent& o) { return static_cast<std::int32_t>((As<T>(o).*get)()); };
    p.set_ordinal = [set](TPersistent& o, std::int32_t v) { (As<T>(o).*set)(static_cast<V>(v)); };
    return p;
}

// An enumeration (or a boolean): stored as its ordinal, written and read by identifier.
template <class T, class E>
PropInfo Enum(std::wstring name, std::vector<std::wstring> identifiers, E (T::*get)() const,
              void (T::*set)(E)) {
    PropInfo p;
    p.name = std::move(name);
    p.kind = PropKind::Enumeration;
    p.identifiers = std::move(identifiers);
    p.get_ordinal = [get](TPersistent& o) { return static_cast<std::int32_t>((As<T>(o).*get)()); };
    p.set_ordinal = [set](TPersistent& o, std::int32_t v) { (As<T>(o).*set)(static_cast<E>(v)); };
    return p;
}

template <class T>
PropInfo Boolean(std::wstring name, bool (T::*get)() const, void (T::*set)(bool)) {
    return Enum<T, bool>(std::move(name), {L"False", L"True"}, get, set);
}

// A set of small enumerations, held as a bit mask (bit i = element i).
template <class T>
PropInfo Set(std::wstring name, std::vector<std::wstring> elements, std::uint32_t (T::*get)() const,
             void (T::*set)(std::uint32_t)) {
    PropInfo p;
    p.name = std::move(name);
    p.kind = PropKind::Set;
    p.identifiers = std::move(elements);
    p.get_ordinal = [get](TPersistent& o) { return static_cast<std::int32_t>((As<T>(o).*get)()); };
    p.set_ordinal = [set](TPersistent& o, std::int32_t v) {
        (As<T>(o).*set)(static_cast<std::uint32_t>(v));
    };
    return p;
}

template <class T>
PropInfo String(std::wstring name, std::wstring (T::*get)() const,
                void (T::*set)(const std::wstring&)) {
    PropInfo p;
    p.name = std::move(name);
    p.kind = PropKind::String;
    p.get_string = [get](TPersistent& o) { return (As<T>(o).*get)(); };
    p.set_string = [set](TPersistent& o, const std::wstring& v) { (As<T>(o).*set)(v); };
    return p;
}

// An owned sub-object (a font, an item list) read through its getter; writing assigns to it.
template <class T, class O> PropInfo Object(std::wstring name, O* (T::*get)() const) {
    PropInfo p;
    p.name = std::move(name);
    p.kind = PropKind::Object;
    p.get_object = [get](TPersistent& o) -> TPersistent* { return (As<T>(o).*get)(); };
    return p;
}

// A reference to another object that may be replaced (a control's parent).
template <class T, class O>
PropInfo Reference(std::wstring name, O* (T::*get)() const, void (T::*set)(O*)) {
    PropInfo p = Object<T, O>(std::move(name), get);
    p.set_object = [set](TPersistent& o, TPersistent* v) {
        O* typed = dynamic_cast<O*>(v);
        if (v && !typed) throw std::bad_cast();
        (As<T>(o).*set)(typed);
    };
    return p;
}

// An event: the handler is a std::function of the event's own signature.
template <class T, class F> PropInfo Event(std::wstring name, F T::*field) {
    PropInfo p;
    p.name = std::move(name);
    p.kind = PropKind::Event;
    p.set_event = [field](TPersistent& o, const std::any& h) {
        As<T>(o).*field = std::any_cast<F>(h);
    };
    return p;
}

} // namespace ui::props
