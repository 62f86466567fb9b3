// Description binding: the tree from the form-text reader becomes components.
#include "ui/form_binding.h"

#include "ui/collection.h"
#include "ui/form_text_parser.h"
#include "ui/form_text_tree.h"
#include "ui/properties.h"
#include "ui/text_codec.h"

#include <limits>
#include <map>
#include <typeinfo>

namespace ui {

namespace {

std::map<std::wstring, TComponentFactory>& Registry() {
    static std::map<std::wstring, TComponentFactory> registry;
    return registry;
}

// Names in a description are ASCII identifiers, so always UTF-8.
std::wstring WideName(const std::string& s) {
    return Utf8ToWide(s).value_or(std::wstring());
}

const char* KindName(PropKind k) {
    switch (k) {
    case PropKind::Integer:
        return "an integer";
    case PropKind::Enumeration:
        return "an identifier";
    case PropKind::Set:
        return "a set";
    case PropKind::String:
        return "a string";
    case PropKind::Object:
        return "an object";
    case PropKind::StringList:
        return "a list of strings";
    case PropKind::Event:
        return "a handler name";
    }
    return "a value";
}

class Binder {
public:
    explicit Binder(TComponent* root) : root_(root) {}

    void ReadRoot(const form_text::Object& tree) {
        if (LowerCase(WideName(tree.class_name)) != LowerCase(root_->ClassName()))
            throw EDescriptionError(tree.line, "expected an object of class " +
                                                   WideToUtf8(root_->ClassName()) + ", found " +
                                                   tree.class_name);
        root_->SetLoading();
        loaded_.push_back(root_);
        root_->SetName(WideName(tree.name));
        ReadBody(root_, tree);
    }

    void Finish() {
        for (TComponent* c : loaded_)
            c->Loaded();
    }

private:
    void ReadBody(TComponent* object, const form_text::Object& tree) {
        for (const auto& p : tree.properties)
            ReadProperty(object, p);
        for (const auto& child : tree.children)
            ReadChild(object, child);
    }

    void ReadChild(TComponent* parent, const form_text::Object& tree) {
        const std::wstring class_name = WideName(tree.class_name);
        auto it = Registry().find(LowerCase(class_name));
        if (it == Registry().end())
            throw EDescriptionError(tree.line, "class " + tree.class_name + " not found");
        const std::wstring name = WideName(tree.name);
        if (!name.empty() && root_->FindComponent(name))
            throw EDescriptionError(tree.line,
                                    "a component named " + tree.name + " already exists");
        TComponent* c = it->second(root_);
        c->SetLoading();
        loaded_.push_back(c);
        c->SetName(name);
        try {
            c->SetParentComponent(parent);
        } catch (const std::exception& e) {
            throw EDescriptionError(tree.line, e.what());
        }
        ReadBody(c, tree);
    }

    [[noreturn]] void Fail(const form_text::Property& p, const std::string& what) {
        throw EDescriptionError(p.line, "property " + p.name + ": " + what);
    }

    void ReadProperty(TPersistent* object, const form_text::Property& p) {
        const std::wstring path = WideName(p.name);
        const auto& value = p.value.data;
        if (const auto* binary = std::get_if<form_text::Binary>(&value)) {
            ReadBinary(object, p, path, binary->bytes);
            return;
        }
        const PropRef ref = FindProp(object, path);
        if (!ref) Fail(p, "no such property in " + WideToUtf8(object->ClassName()));
        const PropInfo& info = *ref.info;
        bool ok = false;
        try {
            ok = Assign(ref, info, p);
        } catch (const EDescriptionError&) {
            throw;
        } catch (const std::exception& e) {
            Fail(p, e.what());
        }
        if (!ok) Fail(p, std::string("expected ") + KindName(info.kind));
    }

    // The stored value given to the property as its kind reads it; false when the value is of
    // another sort.
    bool Assign(const PropRef& ref, const PropInfo& info, const form_text::Property& p) {
        switch (info.kind) {
        case PropKind::Integer:
        case PropKind::Enumeration:
            return AssignOrdinal(ref, info, p);
        case PropKind::Set:
            return AssignSet(ref, info, p);
        case PropKind::String:
            return AssignString(ref, info, p);
        case PropKind::StringList:
            return AssignLines(ref, info, p);
        case PropKind::Object:
            return AssignObject(ref, info, p);
        case PropKind::Event:
            return AssignEvent(ref, info, p);
        }
        return false;
    }

    // A number in range, or an identifier of the enumeration.
    bool AssignOrdinal(const PropRef& ref, const PropInfo& info, const form_text::Property& p) {
        const auto& value = p.value.data;
        if (const auto* n = std::get_if<std::int64_t>(&value)) {
            if (*n < std::numeric_limits<std::int32_t>::min() ||
                *n > std::numeric_limits<std::uint32_t>::max())
                Fail(p, "value out of range");
            const auto v = static_cast<std::int32_t>(*n);
            if (info.kind == PropKind::Enumeration &&
                (v < 0 || static_cast<std::size_t>(v) >= info.identifiers.size()))
                Fail(p, "value out of range");
            info.set_ordinal(*ref.object, v);
            return true;
        }
        if (const auto* id = std::get_if<form_text::Identifier>(&value)) {
            std::int32_t v = 0;
            if (!IdentToOrdinal(info, WideName(id->name), v)) Fail(p, "invalid value " + id->name);
            info.set_ordinal(*ref.object, v);
            return true;
        }
        return false;
    }

    bool AssignSet(const PropRef& ref, const PropInfo& info, const form_text::Property& p) {
        const auto* s = std::get_if<form_text::Set>(&p.value.data);
        if (!s) return false;
        std::uint32_t bits = 0;
        for (const auto& m : s->members) {
            std::int32_t i = 0;
            if (!IdentToOrdinal(info, WideName(m), i) || i >= 32)
                Fail(p, "invalid set member " + m);
            bits |= 1u << i;
        }
        info.set_ordinal(*ref.object, static_cast<std::int32_t>(bits));
        return true;
    }

    bool AssignString(const PropRef& ref, const PropInfo& info, const form_text::Property& p) {
        const auto* s = std::get_if<std::u16string>(&p.value.data);
        if (!s) return false;
        info.set_string(*ref.object, Utf16ToWide(*s));
        return true;
    }

    bool AssignLines(const PropRef& ref, const PropInfo& info, const form_text::Property& p) {
        const auto* list = std::get_if<form_text::List>(&p.value.data);
        if (!list) return false;
        std::vector<std::wstring> lines;
        for (const auto& item : list->items) {
            const auto* s = std::get_if<std::u16string>(&item.data);
            if (!s) Fail(p, "expected a list of strings");
            lines.push_back(Utf16ToWide(*s));
        }
        info.set_lines(*ref.object, lines);
        return true;
    }

    bool AssignObject(const PropRef& ref, const PropInfo& info, const form_text::Property& p) {
        const auto& value = p.value.data;
        // An owned collection: its stored items replace what it held.
        if (const auto* items = std::get_if<form_text::Collection>(&value)) {
            auto* collection = dynamic_cast<TCollection*>(info.get_object(*ref.object));
            if (!collection) Fail(p, "not a collection");
            collection->Clear();
            for (const form_text::CollectionItem& item : items->items) {
                TPersistent* added = collection->AddItem();
                for (const form_text::Property& property : item.properties)
                    ReadProperty(added, property);
            }
            return true;
        }
        // A reference to another member of the root, by name.
        if (const auto* id = std::get_if<form_text::Identifier>(&value)) {
            if (!info.set_object) Fail(p, "property is read-only");
            TComponent* target = root_->FindComponent(WideName(id->name));
            if (!target) Fail(p, "component " + id->name + " not found");
            info.set_object(*ref.object, target);
            return true;
        }
        return false;
    }

    // A handler the root registered by that name, of the event's type.
    bool AssignEvent(const PropRef& ref, const PropInfo& info, const form_text::Property& p) {
        const auto* id = std::get_if<form_text::Identifier>(&p.value.data);
        if (!id) return false;
        const std::any* handler = root_->FindMethod(WideName(id->name));
        if (!handler) Fail(p, "handler " + id->name + " not found");
        try {
            info.set_event(*ref.object, *handler);
        } catch (const std::bad_any_cast&) {
            Fail(p, "handler " + id->name + " does not fit the event");
        }
        return true;
    }

    // Binary data belongs to the object named by the path before its last step, which reads
    // it itself (Icon.Data: the icon; SkinStream: the component).
    void ReadBinary(TPersistent* object, const form_text::Property& p, const std::wstring& path,
                    const std::vector<std::uint8_t>& bytes) {
        TPersistent* owner = object;
        std::wstring name = path;
        if (const auto dot = path.rfind(L'.'); dot != std::wstring::npos) {
            owner = GetObjectProp(object, std::wstring_view(path).substr(0, dot));
            name = path.substr(dot + 1);
        }
        bool ok = false;
        try {
            ok = owner && owner->ReadBinary(name, bytes);
        } catch (const std::exception& e) {
            Fail(p, e.what());
        }
        if (!ok) Fail(p, "no binary data of this name in " + WideToUtf8(object->ClassName()));
    }

    TComponent* root_;
    std::vector<TComponent*> loaded_;
};

} // namespace

void RegisterComponentClass(const std::wstring& class_name, TComponentFactory factory) {
    Registry()[LowerCase(class_name)] = std::move(factory);
}

bool IsComponentClassRegistered(std::wstring_view class_name) {
    return Registry().count(LowerCase(class_name)) != 0;
}

void ReadComponent(TComponent* root, const form_text::Object& tree) {
    Binder binder(root);
    binder.ReadRoot(tree);
    binder.Finish();
}

void ReadDescription(TComponent* root, std::string_view text) {
    ReadComponent(root, form_text::Parse(text));
}

} // namespace ui
