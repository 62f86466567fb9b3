// Which skin control class takes over a control, and how it is made and attached: what the
// control discovery decides and the factory builds. Plain values, no <windows.h>.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// One entry per skin control class; None leaves the control as it is.
enum class TSkinControlKind : std::uint8_t {
    None,
    Button,      // TSkinButton
    BitButton,   // TSkinBitButton
    SpeedButton, // TSkinSpeedButton
    MenuButton,  // TSkinMenuButton
    CheckBox,    // TSkinCheckBox
    RadioButton, // TSkinRadioButton
    ComboBox,    // TSkinComBox
    Edit,        // TSkinEdit
    Scrollbar,   // TSkinScrollbar: the scroll bars of a scroll-bearing control
    ScrollbarH,  // TSkinScrollbarH: the scroll bars of a bare window
    ListView,    // TSkinListView: a scroll host with a header
    ScControl,   // TSkinScControl: a scroll-bar control
    Sizer,       // TSkinSizer
    GroupBox,    // TSkinGroupBox
    Box,         // TSkinBox
    BoxH,        // TSkinBoxH
    Tab,         // TSkinTab
    TabBtn,      // TSkinTabBtn
    Tab31,       // TSkinTab31
    TabSheet,    // TSkinTabSheet
    AdvPage,     // TSkinAdvPage
    Progress,    // TSkinProgress
    TrackBar,    // TSkinTrackBar
    UpDown,      // TSkinUpDown
    StatusBar,   // TSkinStatusBar
    Header,      // TSkinHeader
    DateTime,    // TSkinDateTime
    MP,          // TSkinMP
    ObjImage,    // TSkinObjImage
};

// The class name of a kind ("TSkinButton"); "" for None.
std::string_view SkinControlClassName(TSkinControlKind kind);

// How the made object takes its control: a class-library control (AttachControl), a bare
// window (AttachWindow), or the scroll bars of a control (AttachScrollHost).
enum class TSkinAttach : std::uint8_t { Control, Window, ScrollHost };

// One skin control to make: its class and what it is told before and at attach.
struct TSkinControlOrder {
    TSkinControlKind kind = TSkinControlKind::None;
    TSkinAttach attach = TSkinAttach::Control;
    // The control's Color is replaced by the skin colour while skinned.
    bool ownsColor = false;
    // The class's own switch (each class says what its values mean).
    int variant = 0;
    // A combo box that is the edit part of an extended combo box.
    bool extended = false;
    // The property a glyph button reads its picture from; empty: its usual one.
    std::wstring glyphProperty;

    bool operator==(const TSkinControlOrder&) const = default;
};
