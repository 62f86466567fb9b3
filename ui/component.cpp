// Ownership, naming and notification of components.
#include "ui/component.h"

#include "ui/prop_builders.h"

#include <algorithm>

namespace ui {

TComponent::TComponent(TComponent* owner) {
    if (owner) owner->InsertComponent(this);
}

TComponent::~TComponent() {
    Destroying();
    // Tell the interested ones first: they may still look at this component's owner.
    while (!free_notifies_.empty()) {
        TComponent* c = free_notifies_.back();
        free_notifies_.pop_back();
        std::erase(c->free_notifies_, this);
        c->Notification(this, TOperation::opRemove);
    }
    DestroyComponents();
    if (owner_) owner_->RemoveComponent(this);
}

const TClassInfo& TComponent::StaticClass() {
    static const TClassInfo info(
        L"TComponent", &TPersistent::StaticClass(),
        {
            props::String(L"Name", &TComponent::Name, &TComponent::SetName),
            props::Integer(L"Tag", &TComponent::Tag, &TComponent::SetTag),
        });
    return info;
}

TComponent* TComponent::FindComponent(std::wstring_view name) const {
    const std::wstring wanted = LowerCase(name);
    for (TComponent* c : components_)
        if (!c->name_.empty() && LowerCase(c->name_) == wanted) return c;
    return nullptr;
}

void TComponent::FreeNotification(TComponent* other) {
    if (!other || other == this) return;
    if (std::find(free_notifies_.begin(), free_notifies_.end(), other) == free_notifies_.end()) {
        free_notifies_.push_back(other);
        other->free_notifies_.push_back(this);
    }
}

void TComponent::RemoveFreeNotification(TComponent* other) {
    std::erase(free_notifies_, other);
    if (other) std::erase(other->free_notifies_, this);
}

void TComponent::Notification(TComponent* component, TOperation operation) {
    if (operation == TOperation::opRemove) RemoveFreeNotification(component);
}

void TComponent::BeforeDestruction() {
    Destroying();
    DestroyComponents();
}

void TComponent::Loaded() {
    state_ &= ~csLoading;
}

void TComponent::SetParentComponent(TComponent*) {}

void TComponent::RegisterMethod(const std::wstring& name, std::any handler) {
    methods_[LowerCase(name)] = std::move(handler);
}

const std::any* TComponent::FindMethod(std::wstring_view name) const {
    auto it = methods_.find(LowerCase(name));
    return it == methods_.end() ? nullptr : &it->second;
}

void TComponent::DestroyComponents() {
    while (!components_.empty())
        Free(components_.back()); // its destructor removes it from the list
}

void TComponent::InsertComponent(TComponent* c) {
    components_.push_back(c);
    c->owner_ = this;
    Notification(c, TOperation::opInsert);
}

void TComponent::RemoveComponent(TComponent* c) {
    std::erase(components_, c);
    c->owner_ = nullptr;
    // The owner and every sibling hear that the component is gone, so none keeps a
    // pointer to it.
    Notification(c, TOperation::opRemove);
    for (TComponent* sibling : components_)
        sibling->Notification(c, TOperation::opRemove);
}

void Free(TComponent* component) {
    if (!component) return;
    component->BeforeDestruction();
    delete component;
}

} // namespace ui
