// The skin manager's decisions as plain rules: what the window hook does with a new window,
// which windows are candidates for a form skinner, which window classes the skin accepts, which
// skin data component skins a window, when a popup menu is skinned, and what a deferred action
// does. The manager gathers the inputs from the windows and applies the answers.
#pragma once

#include "skin/model/skin_data_core.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

// Where a form skinner is in its life. The manager frees skinners that reached Destroyed.
enum class TFormSkinState : std::int32_t {
    NotStarted = 0, // attached, waiting for its start message
    Active = 1,
    Refreshing = 3, // taking up a changed skin
    Destroying = 4, // inside the window's last message
    Resizing = 5,   // inside the first resize to the skin's frame
    Destroyed = 6,
};

// What the window hook does when a window is being created.
struct TCbtCreateAction {
    bool sizeGrip = false;  // a size grip: its form skinner is told
    bool popupMenu = false; // a menu window: gets a popup-menu skinner
    bool mdiChild = false;  // an MDI child: skinned at once
};
TCbtCreateAction CbtCreateAction(std::string_view className, std::uint32_t style,
                                 std::uint32_t exStyle);

// A child window whose parent is not an MDI client.
bool IsPlainChildWindow(std::uint32_t style, std::uint32_t exStyle, std::string_view parentClass);

// What SkinWindow knows of a window once it is not skinned yet.
struct TSkinWindowFacts {
    std::string className;
    std::string parentClass;
    std::uint32_t style = 0;
    std::uint32_t exStyle = 0;
    bool sweeping = false;   // the manager walks the forms: plain children are welcome
    bool hasControl = false; // a control object of the class library owns the window
    bool ownModule = false;  // the window belongs to this program's module
    int width = 0;           // of the window rectangle
    int height = 0;
    std::int32_t controlTag = 0; // of the control object, when there is one
};
// Whether the window may get a form skinner, before the skin is asked: not a plain child (unless
// sweeping), ours or a dialog, not empty (unless an MDI child), not tagged 99, not one of the
// classes that must never be skinned.
bool IsSkinCandidate(const TSkinWindowFacts& facts);

// The skin's verdict on a window class; the main skin data component (none: accept) filters out
// previews (unless its options allow them), dialogs with style bit 0x200 and tree-view popups,
// then asks its own form filter.
bool AcceptWindowClass(TSkinDataCore* mainSkinData, TWindowHandle window,
                       const std::string& className, std::uint32_t style);

// A registered skin data component as ChooseSkinData sees it.
struct TSkinDataChoice {
    TSkinFormType formType = sfMainform;
    TWindowHandle ownerWindow = 0; // the window of its owner form, 0 when there is none yet
};
// The index in `registered` of the component that skins `window`: the last one made for that
// very form, else for dialogs the last dialog one, else the last main-form one, else the first;
// nullopt when none is registered.
std::optional<std::size_t> ChooseSkinData(std::span<const TSkinDataChoice> registered,
                                          TWindowHandle window, std::string_view className);

// Whether a popup menu of the given family (0 context menu, 1 menu-bar menu, 2 system menu, other
// values: any) is skinned under these control switches.
bool PopupMenuWanted(int popupKind, TSkinControls controls);

// What a deferred action does, by the kind of the skin data component it concerns.
enum class TActionStep {
    Nothing,
    SkinAllForms,     // skinning on, every visible form skinned
    SkinOwnForm,      // skinning on, the component's own form skinned
    UnskinAllForms,   // skinning off, every form skinner detached and freed
    UnskinOwnForm,    // skinning off, the own form's skinner detached and freed
    RefreshAllForms,  // every form of the component takes up the new skin
    RefreshOwnForm,   // the first form of the component takes up the new skin
    ReleaseDestroyed, // skinners whose windows are gone are freed
    ReskinWindow,     // one window skinned again from scratch
};
TActionStep PlanAction(TSkinAction action, TSkinFormType formType);
// Every completed action tells the component's OnSkinChanged, except a re-skin.
bool ActionFiresSkinChanged(TSkinAction action, TSkinFormType formType);
// Before any window was activated there is no timer: switching on and off only sets the master
// switch (the value returned), other actions wait.
std::optional<bool> SkinningSwitchBeforeStart(TSkinAction action);
