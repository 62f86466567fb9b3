// Which skin control each control gets: the class rules on the class library's controls, the
// class-name table of the skin data component, the children of groups, and the child windows
// of foreign windows.
#include "skin/forms/control_discovery_rules.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

// Readable failures.
void PrintTo(const TSkinControlOrder& s, std::ostream* os) {
    *os << SkinControlClassName(s.kind) << " attach " << int(s.attach) << " owns " << s.ownsColor
        << " variant " << s.variant << (s.extended ? " extended" : "");
}
void PrintTo(const TControlDecision& d, std::ostream* os) {
    *os << "{";
    for (const TDiscoveryStep& s : d.steps) {
        *os << " [action " << int(s.action) << " ";
        PrintTo(s.order, os);
        *os << " child " << int(s.childRule) << "]";
    }
    *os << " }";
}

namespace {

using K = TSkinControlKind;
using A = TDiscoveryAction;

constexpr std::uint32_t kVScroll = 0x00200000;

// Every switch of the main window's skin data component.
constexpr TSkinControls kAll = kDefaultSkinControls;
const TDiscoverySwitches kOn{kAll, true};

TSkinControls Without(std::initializer_list<TSkinControlType> off) {
    TSkinControls set = kAll;
    for (TSkinControlType t : off)
        set &= ~SetOf<TSkinControls>(t);
    return set;
}

TControlFacts Facts(std::vector<std::wstring> ancestry, std::uint32_t style = 0) {
    TControlFacts f;
    f.ancestry = std::move(ancestry);
    f.windowed = true;
    f.style = style;
    return f;
}

// The class library's own controls, with the ancestry they report.
const std::vector<std::wstring> kWin{L"TWinControl", L"TControl", L"TComponent", L"TPersistent"};
std::vector<std::wstring> Classes(std::initializer_list<std::wstring> own) {
    std::vector<std::wstring> all(own);
    all.insert(all.end(), kWin.begin(), kWin.end());
    return all;
}
const auto kButton = Classes({L"TButton", L"TButtonControl"});
const auto kCheckBox = Classes({L"TCheckBox", L"TCustomCheckBox", L"TButtonControl"});
const auto kComboBox = Classes({L"TComboBox", L"TCustomComboBox", L"TCustomListControl"});
const auto kListBox = Classes({L"TListBox", L"TCustomListBox", L"TCustomListControl"});
const auto kMemo = Classes({L"TMemo", L"TCustomMemo", L"TCustomEdit"});
const auto kEdit = Classes({L"TEdit", L"TCustomEdit"});
const auto kBitBtn = Classes({L"TBitBtn", L"TButton", L"TButtonControl"});
const auto kRadioGroup = Classes({L"TRadioGroup", L"TCustomRadioGroup", L"TCustomGroupBox"});

TSkinControlOrder Order(K kind, bool ownsColor = false, int variant = 0,
                        TSkinAttach attach = TSkinAttach::Control) {
    TSkinControlOrder s;
    s.kind = kind;
    s.ownsColor = ownsColor;
    s.variant = variant;
    s.attach = attach;
    return s;
}
TControlDecision Skin(TSkinControlOrder order) {
    return {{{A::Skin, order}}};
}
TDiscoveryStep Step(A action) {
    return {action};
}
TDiscoveryStep SetProp(std::wstring name, std::wstring value) {
    TDiscoveryStep s{A::SetProperty};
    s.property = std::move(name);
    s.value = std::move(value);
    return s;
}
TDiscoveryStep Children(TChildRule rule) {
    TDiscoveryStep s{A::SkinChildren};
    s.childRule = rule;
    return s;
}
const TControlDecision kNothing{};
const TSkinControlOrder kScrollHost = Order(K::Scrollbar, false, 0, TSkinAttach::ScrollHost);

struct ClassCase {
    const char* name;
    TControlFacts control;
    TSkinControls switches;
    TControlDecision expected;
};

TEST(ClassRules, FirstMatchingRuleWithItsSwitchOn) {
    TControlFacts pageButtons = Facts(Classes({L"TPageControl", L"TCustomTabControl"}));
    pageButtons.styleProperty = L"tsbuttons";
    TControlFacts pageTabs = pageButtons;
    pageTabs.styleProperty = L"tstabs";
    TControlFacts upDownPicker = Facts(Classes({L"TDateTimePicker"}));
    upDownPicker.dateModeProperty = L"dmupdown";
    TControlFacts timePicker = Facts(Classes({L"TDateTimePicker"}));
    timePicker.kindProperty = L"dtktime";
    TControlFacts datePicker = Facts(Classes({L"TDateTimePicker"}));
    datePicker.kindProperty = L"dtkdate";
    TControlFacts dcEdit0 = Facts(Classes({L"TDCEdit"}));
    dcEdit0.numButtons = 0;
    TControlFacts dcEdit1 = dcEdit0;
    dcEdit1.numButtons = 1;
    TControlFacts dcEdit2 = dcEdit0;
    dcEdit2.numButtons = 2;
    TControlFacts label = Facts({L"TLabel", L"TGraphicControl", L"TControl"});
    label.windowed = false;

    const ClassCase cases[] = {
        // The main window's controls.
        {"button", Facts(kButton), kAll, Skin(Order(K::Button))},
        {"check box", Facts(kCheckBox), kAll, Skin(Order(K::CheckBox))},
        {"combo box", Facts(kComboBox), kAll, Skin(Order(K::ComboBox))},
        {"list box, scroll-bearing", Facts(kListBox, kVScroll), kAll, Skin(kScrollHost)},
        {"list box without its bar yet", Facts(kListBox), kAll, Skin(kScrollHost)},
        {"memo", Facts(kMemo), kAll, Skin(kScrollHost)},
        {"label", label, kAll, kNothing},
        // A switch that is off lets the later rules try.
        {"list box, scroll bars off", Facts(kListBox, kVScroll), Without({xcScrollbar}), kNothing},
        {"memo, scroll bars off: an edit", Facts(kMemo), Without({xcScrollbar}),
         Skin(Order(K::Edit))},
        {"edit with scroll bars", Facts(kEdit, kVScroll), kAll, Skin(kScrollHost)},
        {"edit", Facts(kEdit), kAll, Skin(Order(K::Edit))},
        {"button, buttons off", Facts(kButton), Without({xcButton}), kNothing},
        // A glyph button never falls to the push-button rule.
        {"bit button", Facts(kBitBtn), kAll, Skin(Order(K::BitButton))},
        {"bit button, its switch off", Facts(kBitBtn), Without({xcBitBtn}), kNothing},
        // The check-box rule comes before the one for that library's check boxes.
        {"other library's check box", Facts(Classes({L"TRzCheckBox", L"TCustomCheckBox"})), kAll,
         Skin(Order(K::CheckBox))},
        {"other library's check box, plain", Facts(Classes({L"TRzCheckBox"})), kAll,
         Skin(Order(K::ObjImage, true, 1))},
        {"radio group",
         Facts(kRadioGroup),
         kAll,
         {{Children(TChildRule::RadioButton), {A::Skin, Order(K::GroupBox, true)}}}},
        {"radio group, radio buttons off: a group box",
         Facts(kRadioGroup),
         Without({xcRadioButton}),
         {{Step(A::AssignChildren), {A::Skin, Order(K::GroupBox)}}}},
        {"tab control", Facts(Classes({L"TTabControl", L"TCustomTabControl"})), kAll,
         Skin(Order(K::Tab, false, 2))},
        {"page control of buttons", pageButtons, kAll, Skin(Order(K::TabBtn))},
        {"page control of tabs", pageTabs, kAll, Skin(Order(K::Tab))},
        {"date picker dropping a calendar", datePicker, kAll, Skin(Order(K::DateTime))},
        {"date picker with up-down", upDownPicker, kAll, Skin(Order(K::Edit))},
        {"time picker", timePicker, kAll, Skin(Order(K::Edit))},
        {"list view", Facts(Classes({L"TListView", L"TCustomListView"})), kAll,
         Skin(Order(K::ListView, false, 0, TSkinAttach::ScrollHost))},
        {"embedded form",
         Facts(Classes({L"TForm", L"TCustomForm"})),
         kAll,
         {{{A::Skin, Order(K::Box, true)}, Step(A::AssignComponents)}}},
        {"frame", Facts(Classes({L"TFrame", L"TCustomFrame"})), kAll,
         TControlDecision{{Step(A::AssignComponents)}}},
        {"edit with buttons, one", dcEdit1, kAll, Skin(Order(K::ComboBox))},
        {"edit with buttons, none: by window", dcEdit0, kAll,
         Skin(Order(K::Edit, false, 0, TSkinAttach::Window))},
        {"edit with buttons, two", dcEdit2, kAll, kNothing},
        // The value controls: track bars and progress bars by ancestry, up-downs by name.
        {"track bar", Facts(Classes({L"TTrackBar"})), kAll, Skin(Order(K::TrackBar))},
        {"track bar's descendant", Facts(Classes({L"TZoomBar", L"TTrackBar"})), kAll,
         Skin(Order(K::TrackBar))},
        {"track bar, its switch off", Facts(Classes({L"TTrackBar"})), Without({xcTrackBar}),
         kNothing},
        {"up-down", Facts(Classes({L"TUpDown"})), kAll, Skin(Order(K::UpDown))},
        {"spin button", Facts(Classes({L"TSpinButton"})), kAll, Skin(Order(K::UpDown))},
        {"up-down's descendant: another name", Facts(Classes({L"TMyUpDown", L"TUpDown"})), kAll,
         kNothing},
        {"up-down, spin off", Facts(Classes({L"TUpDown"})), Without({xcSpin}), kNothing},
        {"progress bar", Facts(Classes({L"TProgressBar"})), kAll, Skin(Order(K::Progress))},
        {"progress bar, its switch off", Facts(Classes({L"TProgressBar"})), Without({xcProgress}),
         kNothing},
    };
    for (const ClassCase& c : cases)
        EXPECT_EQ(DecideControl(c.control, DefaultSkin3rd(), {c.switches, true}), c.expected)
            << c.name;
}

TEST(ClassRules, TabsNeedTheSkinsTabs) {
    const TControlFacts tabs = Facts(Classes({L"TTabControl", L"TCustomTabControl"}));
    EXPECT_EQ(ClassRuleDecision(tabs, {kAll, false}), kNothing);
    EXPECT_EQ(ClassRuleDecision(Facts(Classes({L"TTabSet"})), {kAll, false}), kNothing);
    EXPECT_EQ(ClassRuleDecision(Facts(Classes({L"TTabSet"})), kOn), Skin(Order(K::Tab31)));
}

TEST(Skin3rd, KindOfTheFirstLineNamingTheClass) {
    const std::vector<std::string> lines = {
        "TComboboxEx=combobox",
        "tmygrid=ScrollBar",
        "TMyGrid=panel",
        "TOdd = button",
        "TTwo=a=b",
        std::string("TLong=") + std::string(60, 'x'),
        "TMyGridEx=embedscrollbar",
    };
    EXPECT_EQ(Skin3rdKind(lines, L"TMyGrid"), "scrollbar");
    EXPECT_EQ(Skin3rdKind(lines, L"TMYGRIDEX"), "embedscrollbar");
    // The class name must be followed by "=" at once.
    EXPECT_EQ(Skin3rdKind(lines, L"TCombobox"), std::nullopt);
    EXPECT_EQ(Skin3rdKind(lines, L"TOdd"), std::nullopt);
    EXPECT_EQ(Skin3rdKind(lines, L"TTwo"), "a=b");
    EXPECT_EQ(Skin3rdKind(lines, L"TLong"), std::string(50, 'x'));
    EXPECT_EQ(Skin3rdKind({}, L"TMyGrid"), std::nullopt);
}

TEST(Skin3rd, ListedClassesAreSettledByTheTable) {
    TControlFacts dropDown = Facts(Classes({L"TcxButton"}));
    dropDown.kindProperty = L"cxbkdropdownbutton";
    TControlFacts plainCx = Facts(Classes({L"TcxButton"}));
    plainCx.kindProperty = L"cxbkstandard";
    TControlFacts borderedEdit = Facts(Classes({L"TRzButtonEdit", L"TCustomEdit"}));
    borderedEdit.bordered = true;
    TSkinControlOrder png = Order(K::BitButton);
    png.glyphProperty = L"PngImage";
    TSkinControlOrder extended = Order(K::ComboBox);
    extended.extended = true;

    struct Case {
        const char* name;
        std::string line;
        TControlFacts control;
        TSkinControls switches;
        TControlDecision expected;
    };
    const Case cases[] = {
        // The table wins over the class rules, also when it gives nothing.
        {"unknown kind", "TButton=gadget", Facts(kButton), kAll, kNothing},
        {"nil", "TComboBox=nil", Facts(kComboBox), kAll, kNothing},
        {"switch off", "TButton=button", Facts(kButton), Without({xcButton}), kNothing},
        {"as another kind", "TButton=checkbox", Facts(kButton), kAll, Skin(Order(K::CheckBox))},
        {"drop-down button", "tcxbutton=bitbtn", dropDown, kAll, Skin(Order(K::MenuButton))},
        {"other button of that class", "tcxbutton=bitbtn", plainCx, kAll,
         Skin(Order(K::BitButton))},
        {"picture from PngImage", "TPngBitBtn=pngbitbtn", Facts(Classes({L"TPngBitBtn"})), kAll,
         Skin(png)},
        {"extended combo", "TComboboxex=comboboxex", Facts(Classes({L"TComboboxex"})), kAll,
         Skin(extended)},
        {"edit drawing its own border", "TRzButtonEdit=Edit", borderedEdit, kAll,
         Skin(Order(K::Edit))},
        {"edit without a border", "TRzButtonEdit=Edit", Facts(Classes({L"TRzButtonEdit"})), kAll,
         kNothing},
        {"track bar by the table",
         "TMyTrack=TrackBar",
         Facts(Classes({L"TMyTrack"})),
         kAll,
         {{SetProp(L"Transparent", L"True"), {A::Skin, Order(K::TrackBar)}}}},
        {"track bar by the table goes with the buttons' switch", "TMyTrack=trackbar",
         Facts(Classes({L"TMyTrack"})), Without({xcButton}), kNothing},
        {"progress by the table", "TMyGauge=progress", Facts(Classes({L"TMyGauge"})), kAll,
         Skin(Order(K::Progress))},
        {"panel",
         "TTBDock=Panel",
         Facts(Classes({L"TTBDock"})),
         kAll,
         {{SetProp(L"Transparent", L"True"), {A::Skin, Order(K::Box, true)}}}},
        {"scroll host with children",
         "TAdvMemo=scrollbar",
         Facts(Classes({L"TAdvMemo"})),
         kAll,
         {{{A::Skin, kScrollHost}, Step(A::AssignChildren)}}},
        {"single scroll bar", "TGrid2=singlescrollbar", Facts(Classes({L"TGrid2"})), kAll,
         Skin(Order(K::Scrollbar, false, 1, TSkinAttach::ScrollHost))},
        {"radio group",
         "TRzRadioGroup=Radiogroup",
         Facts(Classes({L"TRzRadioGroup"})),
         kAll,
         {{Children(TChildRule::RadioGroupItem), {A::Skin, Order(K::GroupBox, true)}}}},
        {"check group",
         "TRzCheckGroup=CheckGroup",
         Facts(Classes({L"TRzCheckGroup"})),
         kAll,
         {{Children(TChildRule::CheckGroupItem), {A::Skin, Order(K::GroupBox, true)}}}},
        {"check group without panels", "TRzCheckGroup=CheckGroup",
         Facts(Classes({L"TRzCheckGroup"})), Without({xcPanel}), kNothing},
        // A step with a switch of its own is left out alone.
        {"radio group without radio buttons", "TRzRadioGroup=Radiogroup",
         Facts(Classes({L"TRzRadioGroup"})), Without({xcRadioButton}),
         Skin(Order(K::GroupBox, true))},
        {"check group without group boxes",
         "TRzCheckGroup=CheckGroup",
         Facts(Classes({L"TRzCheckGroup"})),
         Without({xcGroupBox}),
         {{Children(TChildRule::CheckGroupItem)}}},
        {"container whatever the switches",
         "TMyHolder=container",
         Facts(Classes({L"TMyHolder"})),
         0,
         {{Step(A::AssignChildren)}}},
        {"advanced page control", "TAdvPageControl=advpagecontrol",
         Facts(Classes({L"TAdvPageControl"})), kAll, Skin(Order(K::AdvPage, true, 4))},
    };
    for (const Case& c : cases)
        EXPECT_EQ(DecideControl(c.control, {c.line}, {c.switches, true}), c.expected) << c.name;
}

TEST(Skin3rd, ListedTabsNeedTheSkinsTabs) {
    const TControlFacts tabs = Facts(Classes({L"TMyTabs"}));
    EXPECT_EQ(DecideControl(tabs, {"TMyTabs=tab"}, {kAll, true}), Skin(Order(K::Tab)));
    EXPECT_EQ(DecideControl(tabs, {"TMyTabs=tab"}, {kAll, false}), kNothing);
}

TEST(Skin3rd, ControlsThatDrawThemselvesAreLeftAlone) {
    EXPECT_EQ(DecideControl(Facts(Classes({L"TDBComboBoxEh", L"TCustomComboBox"})), {}, kOn),
              kNothing);
}

TEST(ChildRules, WhatEachChildOfAGroupGets) {
    const TControlFacts plain = Facts(Classes({L"TRadioButton"}));
    const TControlFacts rz = Facts(Classes({L"TRzRadioButton"}));
    EXPECT_EQ(ChildOrder(TChildRule::RadioGroupItem, plain), Order(K::RadioButton));
    EXPECT_EQ(ChildOrder(TChildRule::RadioGroupItem, rz), Order(K::ObjImage, true, 2));
    EXPECT_EQ(ChildOrder(TChildRule::CheckGroupItem, plain), Order(K::CheckBox));
    EXPECT_EQ(ChildOrder(TChildRule::CheckGroupItem, rz), Order(K::ObjImage, true, 1));
    EXPECT_EQ(ChildOrder(TChildRule::EmbeddedScroll, Facts(Classes({L"TScrollBar"}))),
              Order(K::ScControl));
    EXPECT_EQ(ChildOrder(TChildRule::EmbeddedScroll, Facts(kListBox)), kScrollHost);
    EXPECT_EQ(ChildOrder(TChildRule::EmbeddedScroll, Facts(kButton)).kind, K::None);

    EXPECT_TRUE(DisableTagReachesChildren(L"TRadioGroup"));
    EXPECT_TRUE(DisableTagReachesChildren(L"TRzCheckGroup"));
    EXPECT_FALSE(DisableTagReachesChildren(L"TGroupBox"));
}

TEST(ForeignWindows, ButtonsByTheirStyle) {
    struct Case {
        std::uint32_t style;
        K kind;
    };
    const Case cases[] = {
        {0x0, K::Button},             // BS_PUSHBUTTON
        {0x1, K::Button},             // BS_DEFPUSHBUTTON
        {0x2, K::CheckBox},           // BS_CHECKBOX
        {0x3, K::CheckBox},           // BS_AUTOCHECKBOX
        {0x4, K::RadioButton},        // BS_RADIOBUTTON
        {0x5, K::CheckBox},           // BS_3STATE
        {0x6, K::CheckBox},           // BS_AUTO3STATE
        {0x7, K::None},               // BS_GROUPBOX
        {0x8, K::Button},             // BS_USERBUTTON
        {0x9, K::RadioButton},        // BS_AUTORADIOBUTTON
        {0xB, K::None},               // BS_OWNERDRAW
        {0xC, K::None},               // BS_SPLITBUTTON
        {0xD, K::None},               // BS_DEFSPLITBUTTON
        {0xE, K::None},               // BS_COMMANDLINK
        {0x80, K::None},              // BS_BITMAP
        {0x23, K::CheckBox},          // BS_LEFTTEXT | BS_AUTOCHECKBOX
        {0x50010009, K::RadioButton}, // WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_AUTORADIOBUTTON
    };
    for (const Case& c : cases) {
        const TControlDecision d = DecideForeignWindow(L"Button", c.style, kOn);
        const K got = d.steps.empty() ? K::None : d.steps.front().order.kind;
        EXPECT_EQ(got, c.kind) << std::hex << c.style;
        if (!d.steps.empty()) {
            EXPECT_EQ(d.steps.front().order.attach, TSkinAttach::Window);
        }
    }
    EXPECT_EQ(DecideForeignWindow(L"button", 0x3, {Without({xcCheckBox}), true}), kNothing);
    EXPECT_EQ(DecideForeignWindow(L"button", 0x9, {Without({xcRadioButton}), true}), kNothing);
    EXPECT_EQ(DecideForeignWindow(L"button", 0x0, {Without({xcButton}), true}), kNothing);
}

TEST(ForeignWindows, OtherClasses) {
    const TSkinControlOrder combo = Order(K::ComboBox, false, 0, TSkinAttach::Window);
    struct Case {
        const wchar_t* cls;
        std::uint32_t style;
        TControlDecision expected;
    };
    const Case cases[] = {
        {L"ComboBox", 0x1, kNothing}, // CBS_SIMPLE
        {L"ComboBox", 0x2, Skin(combo)},
        {L"ComboBox", 0x3, Skin(combo)},
        {L"ComboBoxEx32", 0x2, {{{A::SkinFirstChild, combo}}}},
        {L"ScrollBar", 0x0, Skin(Order(K::Sizer, false, 0, TSkinAttach::Window))},
        {L"ScrollBar", 0x10000, kNothing},
        {L"SysTreeView32", 0x0, kNothing},
        {L"#32770",
         0x0,
         {{Step(A::AssignChildren), {A::Skin, Order(K::BoxH, false, 0, TSkinAttach::Window)}}}},
        {L"#32770", 0x10000, kNothing},
        {L"TPanel", 0x0, {{Step(A::AssignChildren), Step(A::ButtonFaceColour)}}},
        {L"TSilentPaintPanel", 0x0, {{Step(A::ButtonFaceColour)}}},
        {L"SysTabControl32", 0x0, Skin(Order(K::Tab, false, 0, TSkinAttach::Window))},
        {L"SysTabControl32", 0x2000, kNothing},
        {L"Edit", 0x0, Skin(Order(K::Edit, false, 0, TSkinAttach::Window))},
        {L"ToolbarWindow32", 0x0, Skin(Order(K::BoxH, false, 0, TSkinAttach::Window))},
        {L"Static", 0x0, kNothing},
        {L"TProgressBar", 0x0, Skin(Order(K::Progress, false, 0, TSkinAttach::Window))},
        {L"msctls_progress32", 0x0, kNothing},
        {L"ListBox", 0x00200000, Skin(Order(K::ScrollbarH, false, 0, TSkinAttach::Window))},
    };
    for (const Case& c : cases)
        EXPECT_EQ(DecideForeignWindow(c.cls, c.style, kOn), c.expected) << c.cls << " " << c.style;
    EXPECT_EQ(DecideForeignWindow(L"ComboBox", 0x2, {Without({xcCombo}), true}), kNothing);
    EXPECT_EQ(DecideForeignWindow(L"ListBox", 0x00200000, {Without({xcScrollbar}), true}),
              kNothing);
}

} // namespace
