// Components: objects with an owner that frees them, a name, a tag, a loading/destroying
// state and removal notification to the components that asked for it.
#pragma once
#include "ui/persistent.h"

#include <any>
#include <map>
#include <string>
#include <vector>

namespace ui {

class TComponent;

enum ComponentStateBits : unsigned { csLoading = 1, csDestroying = 2 };
enum class TOperation { opInsert, opRemove };

// Event signatures shared across the library.
using TNotifyEvent = std::function<void(TPersistent* sender)>;

class TComponent : public TPersistent {
public:
    explicit TComponent(TComponent* owner);
    ~TComponent() override;

    static const TClassInfo& StaticClass();
    const TClassInfo& ClassType() const override { return StaticClass(); }

    TComponent* Owner() const { return owner_; }
    const std::vector<TComponent*>& Components() const { return components_; }
    int ComponentCount() const { return static_cast<int>(components_.size()); }
    // The owned component of that name (ignoring case), or none.
    TComponent* FindComponent(std::wstring_view name) const;

    std::wstring Name() const { return name_; }
    void SetName(const std::wstring& name) { name_ = name; }
    int Tag() const { return tag_; }
    void SetTag(int tag) { tag_ = tag; }
    unsigned ComponentState() const { return state_; }

    // `other` is told (Notification with opRemove) when this component goes away.
    void FreeNotification(TComponent* other);
    void RemoveFreeNotification(TComponent* other);
    virtual void Notification(TComponent* component, TOperation operation);

    // Runs while the whole object still exists, before its destructors: owned components
    // are freed (so this one still hears of each), windows are destroyed and last events
    // fired here. Free() calls it, and so does an owner for the components it frees.
    virtual void BeforeDestruction();

    // Called once everything in a description has been read; clears the loading state.
    virtual void Loaded();
    void SetLoading() { state_ |= csLoading; }
    // The description reader places a nested object under its enclosing one through this
    // (a control becomes the child of the container it is written in).
    virtual void SetParentComponent(TComponent* parent);

    // Handlers a root component (a form) offers by name to the events of a description.
    void RegisterMethod(const std::wstring& name, std::any handler);
    const std::any* FindMethod(std::wstring_view name) const;

protected:
    // Marks the component as going away; derived destructors call it first so that
    // notifications and events see the state.
    void Destroying() { state_ |= csDestroying; }
    // Frees the owned components, the newest first.
    void DestroyComponents();

private:
    void InsertComponent(TComponent* c);
    void RemoveComponent(TComponent* c);

    TComponent* owner_ = nullptr;
    std::vector<TComponent*> components_;
    std::vector<TComponent*> free_notifies_;
    std::wstring name_;
    int tag_ = 0;
    unsigned state_ = 0;
    std::map<std::wstring, std::any> methods_;
};

// Destroys a component the way its owner would: BeforeDestruction, then delete.
void Free(TComponent* component);

} // namespace ui
