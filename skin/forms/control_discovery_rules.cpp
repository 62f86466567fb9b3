// The decisions of the control discovery.
#include "skin/forms/control_discovery_rules.h"

#include "skin/model/skin_text.h"

#include "ui/persistent.h"
#include "ui/text_codec.h"

#include <algorithm>
#include <initializer_list>

namespace {

using K = TSkinControlKind;
using A = TDiscoveryAction;

// Longest kind a Skin3rd line gives.
constexpr std::size_t kKindMax = 50;

// Window styles the rules read (the values of <windows.h>).
constexpr std::uint32_t kHScroll = 0x00100000;
constexpr std::uint32_t kVScroll = 0x00200000;

bool OneOf(std::wstring_view name, std::initializer_list<std::wstring_view> names) {
    return std::find(names.begin(), names.end(), name) != names.end();
}

TSkinControlOrder Order(K kind, bool ownsColor = false, int variant = 0) {
    TSkinControlOrder order;
    order.kind = kind;
    order.ownsColor = ownsColor;
    order.variant = variant;
    return order;
}

TSkinControlOrder ScrollHost(K kind = K::Scrollbar, int variant = 0) {
    TSkinControlOrder order = Order(kind, false, variant);
    order.attach = TSkinAttach::ScrollHost;
    return order;
}

TSkinControlOrder WindowOrder(K kind) {
    TSkinControlOrder order = Order(kind);
    order.attach = TSkinAttach::Window;
    return order;
}

// Decisions built a step at a time, in the order the rules give them.
struct TSteps {
    TControlDecision decision;
    TSteps& Skin(TSkinControlOrder order) {
        decision.steps.push_back({A::Skin, std::move(order)});
        return *this;
    }
    TSteps& Do(A action) {
        decision.steps.push_back({action});
        return *this;
    }
    TSteps& Children(TChildRule rule) {
        TDiscoveryStep step{A::SkinChildren};
        step.childRule = rule;
        decision.steps.push_back(step);
        return *this;
    }
    TSteps& Set(std::wstring property, std::wstring value) {
        TDiscoveryStep step{A::SetProperty};
        step.property = std::move(property);
        step.value = std::move(value);
        decision.steps.push_back(step);
        return *this;
    }
    TSteps& FirstChild(TSkinControlOrder order) {
        decision.steps.push_back({A::SkinFirstChild, std::move(order)});
        return *this;
    }
    operator TControlDecision() const { return decision; }
};

// One step of a listed kind, taken only while its own switch is on too, where it names one.
struct TListedStep {
    TDiscoveryStep step;
    std::optional<TSkinControlType> alsoNeeds;
};

// What a listed kind reads of the control or the skin besides its switch.
enum class TListedCheck : std::uint8_t {
    None,
    Tabs,           // the skin has the Tabs element
    Bordered,       // the control draws a border of its own
    DropDownIsMenu, // a drop-down button of its library gets a menu button
};

// A kind a Skin3rd line may give and what a control listed with it gets.
struct TListedKind {
    std::string_view kind;
    std::optional<TSkinControlType> needs; // its switch; none: always
    std::vector<TListedStep> steps;
    TListedCheck check = TListedCheck::None;
};

TDiscoveryStep SkinStep(TSkinControlOrder order) {
    return {A::Skin, std::move(order)};
}

TDiscoveryStep ChildrenStep(TChildRule rule) {
    TDiscoveryStep step{A::SkinChildren};
    step.childRule = rule;
    return step;
}

TDiscoveryStep TransparentStep() {
    TDiscoveryStep step{A::SetProperty};
    step.property = L"Transparent";
    step.value = L"True";
    return step;
}

TSkinControlOrder ExtendedCombo() {
    TSkinControlOrder order = Order(K::ComboBox);
    order.extended = true;
    return order;
}

TSkinControlOrder PngGlyph(K kind) {
    TSkinControlOrder order = Order(kind);
    order.glyphProperty = L"PngImage";
    return order;
}

const TListedKind kListedKinds[] = {
    {"combobox", xcCombo, {{SkinStep(Order(K::ComboBox))}}},
    {"comboboxex", xcCombo, {{SkinStep(ExtendedCombo())}}},
    {"edit", xcEdit, {{SkinStep(Order(K::Edit))}}, TListedCheck::Bordered},
    {"radiobutton", xcRadioButton, {{SkinStep(Order(K::RadioButton))}}},
    {"panel", xcPanel, {{TransparentStep()}, {SkinStep(Order(K::Box, true))}}},
    {"trackbar", xcButton, {{TransparentStep()}, {SkinStep(Order(K::TrackBar))}}},
    {"button", xcButton, {{SkinStep(Order(K::Button))}}},
    {"datetimepicker", xcCombo, {{SkinStep(Order(K::DateTime))}}},
    {"mediaplayer", xcButton, {{SkinStep(Order(K::MP))}}},
    {"bitbtn", xcButton, {{SkinStep(Order(K::BitButton))}}, TListedCheck::DropDownIsMenu},
    {"pngbitbtn", xcButton, {{SkinStep(PngGlyph(K::BitButton))}}},
    {"pngspeedbutton", xcButton, {{SkinStep(PngGlyph(K::SpeedButton))}}},
    {"menubtn", xcButton, {{SkinStep(Order(K::MenuButton))}}},
    {"speedbutton", xcSpeedButton, {{SkinStep(Order(K::SpeedButton))}}},
    {"tab", xcTab, {{SkinStep(Order(K::Tab))}}, TListedCheck::Tabs},
    {"progress", xcProgress, {{SkinStep(Order(K::Progress))}}},
    {"scrollbar", xcScrollbar, {{SkinStep(ScrollHost())}, {{A::AssignChildren}}}},
    {"singlescrollbar", xcScrollbar, {{SkinStep(ScrollHost(K::Scrollbar, 1))}}},
    {"embedscrollbar", xcScrollbar, {{ChildrenStep(TChildRule::EmbeddedScroll)}}},
    {"container", std::nullopt, {{{A::AssignChildren}}}},
    {"groupbox", xcGroupBox, {{SkinStep(Order(K::GroupBox, true))}}},
    {"advpagecontrol", xcTab, {{SkinStep(Order(K::AdvPage, true, 4))}}},
    {"radiogroup",
     xcGroupBox,
     {{ChildrenStep(TChildRule::RadioGroupItem), xcRadioButton},
      {SkinStep(Order(K::GroupBox, true))}}},
    {"checkgroup",
     xcPanel,
     {{ChildrenStep(TChildRule::CheckGroupItem), xcRadioButton},
      {SkinStep(Order(K::GroupBox, true)), xcGroupBox}}},
    {"checkbox", xcCheckBox, {{SkinStep(Order(K::CheckBox))}}},
};

// A drop-down button of that library draws an arrow of its own.
bool IsDropDownButton(const TControlFacts& control) {
    return ui::LowerCase(control.ClassName()) == L"tcxbutton" &&
           control.kindProperty == L"cxbkdropdownbutton";
}

bool ListedKindApplies(const TListedKind& row, const TControlFacts& control,
                       TDiscoverySwitches sw) {
    if (row.needs && !sw.On(*row.needs)) return false;
    switch (row.check) {
    case TListedCheck::Tabs:
        return sw.hasTabs;
    case TListedCheck::Bordered:
        return control.bordered;
    case TListedCheck::None:
    case TListedCheck::DropDownIsMenu:
        return true;
    }
    return true;
}

TControlDecision Nothing() {
    return {};
}

} // namespace

std::wstring UpperClassName(std::wstring_view className) {
    std::wstring out(className);
    for (wchar_t& c : out)
        if (c >= L'a' && c <= L'z') c = static_cast<wchar_t>(c - L'a' + L'A');
    return out;
}

const std::wstring& TControlFacts::ClassName() const {
    static const std::wstring none;
    return ancestry.empty() ? none : ancestry.front();
}

bool TControlFacts::Is(std::wstring_view cls) const {
    return std::find(ancestry.begin(), ancestry.end(), cls) != ancestry.end();
}

bool DisableTagReachesChildren(std::wstring_view className) {
    const std::wstring lower = ui::LowerCase(className);
    return lower.find(L"radiogroup") != std::wstring::npos ||
           lower.find(L"checkgroup") != std::wstring::npos;
}

std::optional<std::string> Skin3rdKind(const std::vector<std::string>& lines,
                                       std::wstring_view className) {
    const std::string prefix = AsciiLower(ui::WideToUtf8(className)) + "=";
    for (const std::string& line : lines) {
        const std::string lower = AsciiLower(line);
        if (lower.compare(0, prefix.size(), prefix) != 0) continue;
        const std::size_t equals = lower.find('=');
        return lower.substr(equals + 1, kKindMax);
    }
    return std::nullopt;
}

TControlDecision Skin3rdDecision(std::string_view kind, const TControlFacts& control,
                                 TDiscoverySwitches sw) {
    const auto row = std::find_if(std::begin(kListedKinds), std::end(kListedKinds),
                                  [kind](const TListedKind& k) { return k.kind == kind; });
    // "nil" and kinds not in the table: the class stays as it is.
    if (row == std::end(kListedKinds) || !ListedKindApplies(*row, control, sw)) return Nothing();
    TControlDecision d;
    for (const TListedStep& step : row->steps) {
        if (step.alsoNeeds && !sw.On(*step.alsoNeeds)) continue;
        d.steps.push_back(step.step);
        if (row->check == TListedCheck::DropDownIsMenu && IsDropDownButton(control))
            d.steps.back().order.kind = K::MenuButton;
    }
    return d;
}

bool ScrollBearing(const TControlFacts& c) {
    if (!c.windowed) return false;
    return (c.style & (kHScroll | kVScroll)) != 0 || c.Is(L"TCustomListBox") ||
           c.Is(L"TCustomMemo") || c.Is(L"TCustomTreeView") || c.Is(L"TScrollBox");
}

TControlDecision ClassRuleDecision(const TControlFacts& c, TDiscoverySwitches sw) {
    const std::wstring n = UpperClassName(c.ClassName());
    TSteps d;
    if (c.Is(L"TCustomTabControl") && sw.OnWithTabs(xcTab)) {
        if (!c.Is(L"TPageControl")) return d.Skin(Order(K::Tab, false, 2));
        return d.Skin(Order(c.styleProperty != L"tstabs" ? K::TabBtn : K::Tab));
    }
    if (c.Is(L"TToolButton") && sw.On(xcMainMenu)) return d.Do(A::DropDownMenuHooks);
    if (c.Is(L"TCoolBar") && sw.On(xcToolbar)) return d.Do(A::CoolBarBands);
    if (n == L"TTABSET" && sw.OnWithTabs(xcTab)) return d.Skin(Order(K::Tab31));
    if (c.Is(L"TTabSheet") && sw.OnWithTabs(xcTab)) return d.Skin(Order(K::TabSheet));
    if (n == L"TTABBEDNOTEBOOK" && sw.OnWithTabs(xcTab)) return d.Skin(Order(K::Tab));
    if (n == L"TMVCPANEL") return d.Do(A::AssignChildren);
    if (c.Is(L"THeaderControl") && sw.On(xcPanel)) return d.Skin(Order(K::Header));
    if (c.Is(L"TCustomCheckBox") && sw.On(xcCheckBox)) return d.Skin(Order(K::CheckBox));
    if (c.Is(L"TTrackBar") && sw.On(xcTrackBar)) return d.Skin(Order(K::TrackBar));
    if (OneOf(n, {L"TUPDOWN", L"TSPINBUTTON"}) && sw.On(xcSpin)) return d.Skin(Order(K::UpDown));
    if (n == L"TMEDIAPLAYER" && sw.On(xcButton)) return d.Skin(Order(K::MP));
    if (c.Is(L"TCustomRadioGroup") && sw.On(xcRadioButton))
        return d.Children(TChildRule::RadioButton).Skin(Order(K::GroupBox, true));
    if (n == L"TDBNAVIGATOR" && sw.On(xcPanel))
        return d.Skin(Order(K::Box, true)).Do(A::AssignChildren);
    if (OneOf(n, {L"TRZDBCHECKBOX", L"TRZCHECKBOX"}) && sw.On(xcCheckBox))
        return d.Skin(Order(K::ObjImage, true, 1));
    if (OneOf(n, {L"TRZRADIOBUTTON", L"TRZDBRADIOBUTTON"}) && sw.On(xcRadioButton))
        return d.Skin(Order(K::ObjImage, true, 2));
    if (OneOf(n, {L"TCXDBCHECKBOX", L"TCXCHECKBOX"}) && sw.On(xcCheckBox))
        return d.Skin(Order(K::ObjImage, true, 3));
    if (c.Is(L"TCustomGroupBox") && sw.On(xcPanel))
        return d.Do(A::AssignChildren).Skin(Order(K::GroupBox));
    if (c.Is(L"TRadioButton") && sw.On(xcRadioButton)) return d.Skin(Order(K::RadioButton));
    if (c.Is(L"TToolBar") && sw.On(xcToolbar))
        return d.Set(L"Flat", L"True").Do(A::ToolBarPainters).Skin(Order(K::Box));
    if (c.Is(L"TCustomStatusBar") && sw.On(xcStatusBar)) return d.Skin(Order(K::StatusBar));
    if (c.Is(L"TProgressBar") && sw.On(xcProgress)) return d.Skin(Order(K::Progress));
    if (c.Is(L"TScrollBar") && sw.On(xcScrollbar)) return d.Skin(Order(K::ScControl));
    if (n == L"TTNTCOMBOBOX" && sw.On(xcCombo)) return d.Skin(Order(K::ComboBox));
    if (c.Is(L"TCustomComboBox") && sw.On(xcCombo)) return d.Skin(Order(K::ComboBox));
    if (c.Is(L"TDateTimePicker") && sw.On(xcEdit)) {
        const bool edit = c.dateModeProperty == L"dmupdown" || c.kindProperty == L"dtktime";
        return d.Skin(Order(edit ? K::Edit : K::DateTime));
    }
    if (OneOf(n, {L"TRICHEDIT", L"TWWDBRICHEDIT", L"TDXDBMEMO"}) && sw.On(xcScrollbar))
        return d.Skin(ScrollHost());
    if (c.Is(L"TBitBtn")) {
        // Without its own switch a glyph button stays plain: the push-button rule is not for it.
        if (sw.On(xcBitBtn)) d.Skin(Order(K::BitButton));
        return d;
    }
    if (c.Is(L"TSpeedButton") && sw.On(xcSpeedButton)) return d.Skin(Order(K::SpeedButton));
    if (c.Is(L"TCustomPanel") && sw.On(xcPanel))
        return d.Do(A::AssignChildren).Skin(Order(K::Box, true));
    if (OneOf(n, {L"TDXTREELIST", L"TDXDBTREELIST", L"TDXDBGRID"}) && sw.On(xcScrollbar))
        return d.Skin(ScrollHost());
    if (c.Is(L"TCustomListView") && sw.On(xcScrollbar)) return d.Skin(ScrollHost(K::ListView));
    if ((c.Is(L"TCustomMemo") || c.Is(L"TCustomGrid") || ScrollBearing(c)) && sw.On(xcScrollbar))
        return d.Skin(ScrollHost());
    if (c.Is(L"TButton") && sw.On(xcButton)) return d.Skin(Order(K::Button));
    if (c.Is(L"TCustomEdit") && sw.On(xcEdit)) return d.Skin(Order(K::Edit));
    if (!OneOf(n, {L"TDCEDIT", L"TDCDBEDIT"})) {
        if (c.Is(L"TCustomFrame")) return d.Do(A::AssignComponents);
        if (c.Is(L"TCustomForm")) return d.Skin(Order(K::Box, true)).Do(A::AssignComponents);
        return d;
    }
    if (c.numButtons == 1 && sw.On(xcCombo)) return d.Skin(Order(K::ComboBox));
    if (c.numButtons == 0 && sw.On(xcEdit)) return d.Skin(WindowOrder(K::Edit));
    return d;
}

TControlDecision DecideControl(const TControlFacts& control,
                               const std::vector<std::string>& skin3rd,
                               TDiscoverySwitches switches) {
    if (const auto kind = Skin3rdKind(skin3rd, control.ClassName()))
        return Skin3rdDecision(*kind, control, switches);
    // Controls of other libraries that look after their own looks.
    if (OneOf(UpperClassName(control.ClassName()),
              {L"TDBCOMBOBOXEH", L"TFRDESIGNERPAGE", L"TFRPBOX"}))
        return Nothing();
    return ClassRuleDecision(control, switches);
}

TSkinControlOrder ChildOrder(TChildRule rule, const TControlFacts& child) {
    const bool otherLibrary = UpperClassName(child.ClassName()).find(L"TRZ") != std::wstring::npos;
    switch (rule) {
    case TChildRule::RadioGroupItem:
        return otherLibrary ? Order(K::ObjImage, true, 2) : Order(K::RadioButton);
    case TChildRule::CheckGroupItem:
        return otherLibrary ? Order(K::ObjImage, true, 1) : Order(K::CheckBox);
    case TChildRule::RadioButton:
        return Order(K::RadioButton);
    case TChildRule::EmbeddedScroll:
        if (child.Is(L"TScrollBar")) return Order(K::ScControl);
        if (ScrollBearing(child)) return ScrollHost();
        return {};
    }
    return {};
}

namespace {

// The button styles of a foreign window's button (the type in the low four bits).
TControlDecision ForeignButton(std::uint32_t s, TDiscoverySwitches sw) {
    TSteps d;
    // Owner-drawn buttons, and the split buttons and command links newer systems have, draw
    // themselves in ways a skinned push, check or radio button would lose.
    if ((s & 0xB) == 0xB || (s & 0xF) >= 0xC) return d;
    if ((s & 7) == 7 || (s & 0x80)) return d; // group boxes and bitmap buttons
    if ((s & 3) == 3 || (s & 2) || (s & 5) == 5) {
        if (sw.On(xcCheckBox)) d.Skin(WindowOrder(K::CheckBox));
    } else if ((s & 9) == 9 || (s & 4)) {
        if (sw.On(xcRadioButton)) d.Skin(WindowOrder(K::RadioButton));
    } else if (sw.On(xcButton)) {
        d.Skin(WindowOrder(K::Button));
    }
    return d;
}

} // namespace

TControlDecision DecideForeignWindow(std::wstring_view className, std::uint32_t s,
                                     TDiscoverySwitches sw) {
    const std::wstring c = ui::LowerCase(className);
    TSteps d;
    if (c == L"button") return ForeignButton(s, sw);
    if (c == L"combobox") {
        // A simple combo box has no button to skin.
        if (sw.On(xcCombo) && (s & 3) != 1) d.Skin(WindowOrder(K::ComboBox));
        return d;
    }
    if (c == L"comboboxex32" && sw.On(xcCombo)) return d.FirstChild(WindowOrder(K::ComboBox));
    if (c == L"scrollbar" && !(s & 0x10000)) return d.Skin(WindowOrder(K::Sizer));
    if (c == L"systreeview32") return d;
    if (c == L"#32770" && !(s & 0x10000)) return d.Do(A::AssignChildren).Skin(WindowOrder(K::BoxH));
    if (OneOf(c, {L"tpanel", L"ttntpanel.unicodeclass", L"ttntsilentpaintpanel.unicodeclass"}))
        return d.Do(A::AssignChildren).Do(A::ButtonFaceColour);
    if (c == L"tcheckbox" && sw.On(xcCheckBox)) return d.Skin(WindowOrder(K::CheckBox));
    if (c == L"tcombobox" && sw.On(xcCombo)) return d.Skin(WindowOrder(K::ComboBox));
    if (c == L"tbutton" && sw.On(xcButton)) return d.Skin(WindowOrder(K::Button));
    if (c == L"tprogressbar") return d.Skin(WindowOrder(K::Progress));
    if (c == L"tsilentpaintpanel") return d.Do(A::ButtonFaceColour);
    if (c == L"systabcontrol32" && sw.On(xcTab) && !(s & 0x2000))
        return d.Skin(WindowOrder(K::Tab));
    if (c == L"toolbarwindow32") return d.Skin(WindowOrder(K::BoxH));
    if (c == L"edit" && sw.On(xcEdit)) return d.Skin(WindowOrder(K::Edit));
    // Beyond the classes above: a dialog's list box gets its bars skinned like a list box of
    // our own forms, instead of the system's (themed) bars in an otherwise dressed dialog.
    if (c == L"listbox" && sw.On(xcScrollbar)) return d.Skin(WindowOrder(K::ScrollbarH));
    return d;
}
