// Which skin control class takes over a control, and how it is made and attached: what the
// control discovery decides and the factory (skin_control_factory.h) builds. Plain values, no
// <windows.h>.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// The skin control classes, one row each: the kind's name and its class. The enumeration, the
// class names and the factory are all made from this one list.
#define PELLICO_SKIN_CONTROL_KINDS(KIND)                                                           \
    KIND(Button, TSkinButton)                                                                      \
    KIND(BitButton, TSkinBitButton)                                                                \
    KIND(SpeedButton, TSkinSpeedButton)                                                            \
    KIND(MenuButton, TSkinMenuButton)                                                              \
    KIND(CheckBox, TSkinCheckBox)                                                                  \
    KIND(RadioButton, TSkinRadioButton)                                                            \
    KIND(ComboBox, TSkinComBox)                                                                    \
    KIND(Edit, TSkinEdit)                                                                          \
    /* the scroll bars of a scroll-bearing control */                                              \
    KIND(Scrollbar, TSkinScrollbar)                                                                \
    /* the scroll bars of a bare window */                                                         \
    KIND(ScrollbarH, TSkinScrollbarH)                                                              \
    /* a scroll host with a header */                                                              \
    KIND(ListView, TSkinListView)                                                                  \
    /* a scroll-bar control */                                                                     \
    KIND(ScControl, TSkinScControl)                                                                \
    KIND(Sizer, TSkinSizer)                                                                        \
    KIND(GroupBox, TSkinGroupBox)                                                                  \
    KIND(Box, TSkinBox)                                                                            \
    KIND(BoxH, TSkinBoxH)                                                                          \
    KIND(Tab, TSkinTab)                                                                            \
    KIND(TabBtn, TSkinTabBtn)                                                                      \
    KIND(Tab31, TSkinTab31)                                                                        \
    KIND(TabSheet, TSkinTabSheet)                                                                  \
    KIND(AdvPage, TSkinAdvPage)                                                                    \
    KIND(Progress, TSkinProgress)                                                                  \
    KIND(TrackBar, TSkinTrackBar)                                                                  \
    KIND(UpDown, TSkinUpDown)                                                                      \
    KIND(StatusBar, TSkinStatusBar)                                                                \
    KIND(Header, TSkinHeader)                                                                      \
    KIND(DateTime, TSkinDateTime)                                                                  \
    KIND(MP, TSkinMP)                                                                              \
    KIND(ObjImage, TSkinObjImage)

// One entry per skin control class; None leaves the control as it is.
enum class TSkinControlKind : std::uint8_t {
    None,
#define PELLICO_KIND_ENUM(kind, cls) kind,
    PELLICO_SKIN_CONTROL_KINDS(PELLICO_KIND_ENUM)
#undef PELLICO_KIND_ENUM
};

// The class name of a kind ("TSkinButton"); "" for None.
constexpr std::string_view SkinControlClassName(TSkinControlKind kind) {
    switch (kind) {
    case TSkinControlKind::None:
        return "";
#define PELLICO_KIND_NAME(kind, cls)                                                               \
    case TSkinControlKind::kind:                                                                   \
        return #cls;
        PELLICO_SKIN_CONTROL_KINDS(PELLICO_KIND_NAME)
#undef PELLICO_KIND_NAME
    }
    return "";
}

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
