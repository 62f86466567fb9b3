// The animation icon list: owned copies, change reports and the stored form.
#include "tray/rxIcoList.h"

#include "tray/icon_list_stream.h"
#include "tray/icon_resource.h"
#include "ui/image_format.h"

#include <algorithm>
#include <stdexcept>
#include <string>

namespace tray {

namespace {

std::span<const std::uint8_t> ResourceBytes(HINSTANCE module, const wchar_t* name,
                                            const wchar_t* type) {
    HRSRC info = FindResourceW(module, name, type);
    if (!info) return {};
    HGLOBAL loaded = LoadResource(module, info);
    const void* data = loaded ? LockResource(loaded) : nullptr;
    if (!data) return {};
    return {static_cast<const std::uint8_t*>(data), SizeofResource(module, info)};
}

} // namespace

std::unique_ptr<ui::TIcon> CopyIcon(const ui::TIcon* source) {
    auto icon = std::make_unique<ui::TIcon>();
    if (source && !source->Data().empty()) icon->LoadFromBytes(source->Data());
    return icon;
}

std::vector<std::uint8_t> IconResourceBytes(HINSTANCE module, const wchar_t* name) {
    const auto group = ResourceBytes(module, name, RT_GROUP_ICON);
    if (group.empty()) throw ui::EInvalidGraphic("Icon resource not found");
    return IcoFromGroup(group, [module](std::uint16_t id) {
        return ResourceBytes(module, MAKEINTRESOURCEW(id), RT_ICON);
    });
}

const ui::TClassInfo& TIconList::StaticClass() {
    static const ui::TClassInfo info(L"TIconList", &ui::TPersistent::StaticClass());
    return info;
}

void TIconList::Check(int index, int limit) const {
    if (index < 0 || index > limit)
        throw std::out_of_range("List index out of bounds (" + std::to_string(index) + ")");
}

ui::TIcon* TIconList::Icons(int index) const {
    Check(index, Count() - 1);
    return icons_[static_cast<std::size_t>(index)].get();
}

TIconList::Slot TIconList::Adopt(Slot icon) {
    if (icon) icon->OnChange = [this] { Changed(); };
    return icon;
}

void TIconList::Put(int index, const ui::TIcon* icon) {
    Check(index, Count());
    Slot copy = Adopt(CopyIcon(icon));
    if (index == Count())
        icons_.push_back(std::move(copy));
    else
        icons_[static_cast<std::size_t>(index)] = std::move(copy);
    Changed();
}

void TIconList::InsertSlot(int index, Slot icon) {
    Check(index, Count());
    icons_.insert(icons_.begin() + index, Adopt(std::move(icon)));
    Changed();
}

int TIconList::Add(const ui::TIcon* icon) {
    const int index = Count();
    InsertSlot(index, CopyIcon(icon));
    return index;
}

int TIconList::AddResource(HINSTANCE module, const wchar_t* name) {
    const int index = Count();
    InsertResource(index, module, name);
    return index;
}

void TIconList::Insert(int index, const ui::TIcon* icon) {
    InsertSlot(index, CopyIcon(icon));
}

void TIconList::InsertResource(int index, HINSTANCE module, const wchar_t* name) {
    Check(index, Count());
    auto icon = std::make_unique<ui::TIcon>();
    icon->LoadFromBytes(IconResourceBytes(module, name));
    InsertSlot(index, std::move(icon));
}

void TIconList::Delete(int index) {
    Check(index, Count() - 1);
    icons_.erase(icons_.begin() + index);
    Changed();
}

void TIconList::Exchange(int a, int b) {
    Check(a, Count() - 1);
    Check(b, Count() - 1);
    std::swap(icons_[static_cast<std::size_t>(a)], icons_[static_cast<std::size_t>(b)]);
    Changed();
}

void TIconList::Move(int from, int to) {
    Check(from, Count() - 1);
    Check(to, Count() - 1);
    if (from == to) return;
    Slot icon = std::move(icons_[static_cast<std::size_t>(from)]);
    icons_.erase(icons_.begin() + from);
    icons_.insert(icons_.begin() + to, std::move(icon));
    Changed();
}

int TIconList::IndexOf(const ui::TIcon* icon) const {
    for (std::size_t i = 0; i < icons_.size(); ++i)
        if (icons_[i].get() == icon) return static_cast<int>(i);
    return -1;
}

void TIconList::Clear() {
    icons_.clear();
    Changed();
}

void TIconList::Batched(const std::function<void()>& change) {
    BeginUpdate();
    try {
        change();
    } catch (...) {
        EndUpdate(); // the list may have changed before the failure
        throw;
    }
    EndUpdate();
}

void TIconList::Assign(const TIconList& other) {
    if (&other == this) return;
    Batched([&] {
        Clear();
        for (const Slot& icon : other.icons_)
            Add(icon.get());
    });
}

void TIconList::Assign(const ui::TIcon& icon) {
    Batched([&] {
        Clear();
        Add(&icon);
    });
}

void TIconList::EndUpdate() {
    if (update_count_ > 0) --update_count_;
    Changed();
}

void TIconList::Changed() {
    if (update_count_ == 0 && OnChange) OnChange();
}

std::vector<std::uint8_t> TIconList::SaveToBytes() const {
    std::vector<IconBytes> stored;
    for (const Slot& icon : icons_) {
        if (icon)
            stored.emplace_back(icon->Data().begin(), icon->Data().end());
        else
            stored.emplace_back();
    }
    return EncodeIconList(stored);
}

void TIconList::LoadFromBytes(std::span<const std::uint8_t> data) {
    std::vector<Slot> loaded;
    for (const IconBytes& bytes : DecodeIconList(data)) {
        Slot icon;
        if (!bytes.empty()) {
            icon = std::make_unique<ui::TIcon>();
            icon->LoadFromBytes(bytes);
        }
        loaded.push_back(Adopt(std::move(icon)));
    }
    icons_ = std::move(loaded);
    Changed();
}

} // namespace tray
