// Collections: lists of items that a description writes as `< item ... end >`, each item an
// object with properties of its own (a header's sections, a list view's columns and items).
// The owner hears of every change, so it can show the items again.
#pragma once
#include "ui/persistent.h"
#include "ui/string_list.h"

#include <functional>
#include <memory>
#include <vector>

namespace ui {

// What the description reader sees of a collection: it empties it, then adds each stored item
// and sets the item's properties by name.
class TCollection : public TPersistent {
public:
    static const TClassInfo& StaticClass();
    const TClassInfo& ClassType() const override { return StaticClass(); }

    virtual int Count() const = 0;
    // The item at `index`, or none outside the collection (for readers by property name).
    virtual TPersistent* Item(int index) const = 0;
    virtual void Clear() = 0;
    // A new item at the end.
    virtual TPersistent* AddItem() = 0;
};

// An item tells its collection's owner when one of its properties changed.
class TCollectionItem : public TPersistent {
public:
    static const TClassInfo& StaticClass();
    const TClassInfo& ClassType() const override { return StaticClass(); }

protected:
    void Changed() const {
        if (changed_ && *changed_) (*changed_)();
    }

private:
    template <class T> friend class TOwnedCollection;
    const std::function<void()>* changed_ = nullptr;
};

// Items of one class, owned; `changed` runs after each change.
template <class T> class TOwnedCollection : public TCollection {
public:
    explicit TOwnedCollection(std::function<void()> changed) : changed_(std::move(changed)) {}

    int Count() const override { return static_cast<int>(items_.size()); }
    T& operator[](int index) const {
        CheckListIndex(index, Count());
        return *items_[static_cast<std::size_t>(index)];
    }
    T& Add() {
        items_.push_back(std::make_unique<T>());
        items_.back()->changed_ = &changed_;
        Changed();
        return *items_.back();
    }
    void Delete(int index) {
        CheckListIndex(index, Count());
        items_.erase(items_.begin() + index);
        Changed();
    }
    void Clear() override {
        items_.clear();
        Changed();
    }
    TPersistent* AddItem() override { return &Add(); }
    T* Item(int index) const override {
        return index >= 0 && index < Count() ? items_[static_cast<std::size_t>(index)].get()
                                             : nullptr;
    }

private:
    void Changed() const {
        if (changed_) changed_();
    }
    std::function<void()> changed_;
    std::vector<std::unique_ptr<T>> items_;
};

} // namespace ui
