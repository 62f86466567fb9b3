// The icon list of the tray icon's animation: an ordered list of owned icons that tells its
// owner of every change, once per outermost update when changes are batched.
#pragma once
#include "ui/graphics.h"

#include <windows.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <vector>

namespace tray {

// A new icon holding a copy of `source` (an empty icon for none or an empty one).
std::unique_ptr<ui::TIcon> CopyIcon(const ui::TIcon* source);

// The icon file of an icon resource of a module; throws ui::EInvalidGraphic when the module
// has no such icon.
std::vector<std::uint8_t> IconResourceBytes(HINSTANCE module, const wchar_t* name);

class TIconList : public ui::TPersistent {
public:
    TIconList() = default;
    static const ui::TClassInfo& StaticClass();
    const ui::TClassInfo& ClassType() const override { return StaticClass(); }

    int Count() const { return static_cast<int>(icons_.size()); }
    // The icon in a slot; none for an empty slot. An index out of range throws
    // std::out_of_range, here and in every operation that takes one.
    ui::TIcon* Icons(int index) const;
    // Copies the icon into the slot; an index equal to Count appends a slot.
    void Put(int index, const ui::TIcon* icon);
    // Copies of the icon, at the end or before `index` (0..Count).
    int Add(const ui::TIcon* icon);
    int AddResource(HINSTANCE module, const wchar_t* name);
    void Insert(int index, const ui::TIcon* icon);
    void InsertResource(int index, HINSTANCE module, const wchar_t* name);
    void Delete(int index);
    void Exchange(int a, int b);
    void Move(int from, int to);
    // The slot of this very icon object, or -1.
    int IndexOf(const ui::TIcon* icon) const;
    void Clear();
    void Assign(const TIconList& other);
    // The list becomes that one icon.
    void Assign(const ui::TIcon& icon);

    // Changes between the outermost BeginUpdate and its EndUpdate are told once, at the end.
    void BeginUpdate() { ++update_count_; }
    void EndUpdate();
    std::function<void()> OnChange;

    // The stored form (the binary "Icons" property).
    std::vector<std::uint8_t> SaveToBytes() const;
    // Replaces the list; a malformed stream or icon throws and leaves the list as it was.
    void LoadFromBytes(std::span<const std::uint8_t> data);

private:
    using Slot = std::unique_ptr<ui::TIcon>;
    void Check(int index, int limit) const;
    void InsertSlot(int index, Slot icon);
    // Owned icons report their own changes through the list.
    Slot Adopt(Slot icon);
    void Changed();
    // Runs a change of several steps as one update.
    void Batched(const std::function<void()>& change);

    std::vector<Slot> icons_;
    int update_count_ = 0;
};

} // namespace tray
