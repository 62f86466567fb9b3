// Which skin control each control of a skinned window gets: the class-name table of the skin
// data component (Skin3rd), the class rules for the class library's controls, and the rules for
// the child windows of a foreign window (a system dialog). Pure functions of what the form walk
// reads off a control; the walk carries the decisions out.
#pragma once

#include "skin/controls/base/skin_control_kind.h"
#include "skin/model/skin_data_core.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// What the walk knows of one class-library control.
struct TControlFacts {
    // Its class and every class it derives from, its own first ("TListBox", "TCustomListBox",
    // ...): the "is" tests look there.
    std::vector<std::wstring> ancestry;
    bool windowed = false;
    // GWL_STYLE of its window.
    std::uint32_t style = 0;
    // Its window and client rectangles differ in size (it draws a border of its own).
    bool bordered = false;
    // Published properties some rules read, lower-cased identifiers ("" when missing).
    std::wstring kindProperty;     // "Kind"
    std::wstring styleProperty;    // "Style"
    std::wstring dateModeProperty; // "DateMode"
    std::int32_t numButtons = -1;  // "NumButtons"

    const std::wstring& ClassName() const;
    // The class or one it derives from is `cls`.
    bool Is(std::wstring_view cls) const;
};

// The switches of the skin data component and whether its skin has the Tabs element.
struct TDiscoverySwitches {
    TSkinControls controls = 0;
    bool hasTabs = false;

    bool On(TSkinControlType type) const { return InSet(controls, type); }
    // A switch that also needs the skin's tabs.
    bool OnWithTabs(TSkinControlType type) const { return On(type) && hasTabs; }
};

// What one child of a group gets, by the group's rule.
enum class TChildRule : std::uint8_t {
    RadioGroupItem, // radio buttons of a listed radio group
    CheckGroupItem, // check boxes of a listed check group
    RadioButton,    // the buttons of the class library's radio group
    EmbeddedScroll, // the scroll bars and scroll-bearing children of a listed container
};

// One thing to do with a control, in order.
enum class TDiscoveryAction : std::uint8_t {
    Skin,             // give the control `order`
    AssignChildren,   // decide for each child control (each child window of a foreign window)
    SkinChildren,     // give each child what `childRule` says
    AssignComponents, // decide for each component the control owns (frames, embedded forms)
    SetProperty,      // the control's `property` := `value`, by name
    ButtonFaceColour, // the control's colour := ButtonFace
    SkinFirstChild,   // give the control's first child window `order`
    // What only tool bars and cool bars of the class library would have.
    DropDownMenuHooks, // the items of the control's drop-down menu are owner-drawn
    CoolBarBands,      // every band's colour := ButtonFace
    ToolBarPainters,   // the form's tool-bar painters draw the tool bar and its buttons
};

struct TDiscoveryStep {
    TDiscoveryAction action = TDiscoveryAction::Skin;
    TSkinControlOrder order;
    TChildRule childRule = TChildRule::RadioButton;
    std::wstring property;
    std::wstring value;

    bool operator==(const TDiscoveryStep&) const = default;
};

struct TControlDecision {
    std::vector<TDiscoveryStep> steps;
    bool operator==(const TControlDecision&) const = default;
};

// A class name as the class rules compare it, and as the skin data component's OnSkinControl
// event is given it: ASCII upper-cased.
std::wstring UpperClassName(std::wstring_view className);

// A control whose Tag disables skinning passes the Tag to its children when it is a radio or
// check group (their buttons would otherwise be skinned one by one).
bool DisableTagReachesChildren(std::wstring_view className);

// The kind (lower-cased, at most 50 characters) of the first Skin3rd line that names the class
// ("class=kind", compared lower-cased); none when no line names it.
std::optional<std::string> Skin3rdKind(const std::vector<std::string>& lines,
                                       std::wstring_view className);

// The class-name table: what a control whose class is listed with `kind` gets. A listed class is
// settled here even when the kind is unknown or its switch is off.
TControlDecision Skin3rdDecision(std::string_view kind, const TControlFacts& control,
                                 TDiscoverySwitches switches);

// The class rules, the first that matches with its switch on.
TControlDecision ClassRuleDecision(const TControlFacts& control, TDiscoverySwitches switches);

// The whole decision for one class-library control: the table, then the class rules.
TControlDecision DecideControl(const TControlFacts& control,
                               const std::vector<std::string>& skin3rd,
                               TDiscoverySwitches switches);

// What one child of a group gets (kind None: nothing).
TSkinControlOrder ChildOrder(TChildRule rule, const TControlFacts& child);

// A windowed control with scroll bars of its own, or a kind that has them.
bool ScrollBearing(const TControlFacts& control);

// A child window of a foreign window, by its class name and style.
TControlDecision DecideForeignWindow(std::wstring_view className, std::uint32_t style,
                                     TDiscoverySwitches switches);
