// Collections: the items of one class a control owns (a status bar's panels), kept in order and
// read from a description as `Panels = < item ... end >`, each item's properties by name.
#pragma once
#include "persistent.h"

namespace ui {

class TCollection : public TPersistent {
public:
    static const TClassInfo& StaticClass();
    const TClassInfo& ClassType() const override { return StaticClass(); }

    virtual int Count() const = 0;
    // The item at `index`, or none outside the collection.
    virtual TPersistent* Item(int index) const = 0;
    // A new item at the end, for a description to fill in.
    virtual TPersistent* AddItem() = 0;
    virtual void Clear() = 0;
};

} // namespace ui
