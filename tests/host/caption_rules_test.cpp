// The caption's rules: the caption text's place (alignment, the dialog shift, right-to-left, the
// right limit that makes long captions end in an ellipsis), which caption buttons show and are
// enabled, where they sit, which cell they draw, what a click does, hints, the system menu's
// enabling table, and the fixed system menu of older systems.
#include "skin/forms/caption_rules.h"

#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <string>
#include <vector>

// Failures name the item by its tag.
void PrintTo(const TFixedMenuItem& item, std::ostream* out) {
    *out << "item tag " << item.tag;
}

namespace {

// The main window's title: 4-pixel sides, 26 rows, 275 pixels wide.
TCaptionTextInputs MainTitle() {
    TCaptionTextInputs in;
    in.title = {4, 0, 271, 26};
    in.textWidth = 80;
    in.textHeight = 16;
    in.titleHeight = 26;
    in.textShift = 24;
    in.textRightClip = 84;
    return in;
}

TEST(CaptionRules, CaptionTextLayout) {
    struct Case {
        const char* what;
        TCaptionTextInputs in;
        TPixelRect caption;
    };
    auto with = [](auto change) {
        TCaptionTextInputs in = MainTitle();
        change(in);
        return in;
    };
    const Case cases[] = {
        {"left after TextShift", MainTitle(), {28, 5, 108, 21}},
        {"a dialog frame starts 16 further left",
         with([](auto& in) { in.dialog = true; }),
         {12, 5, 108, 21}},
        {"... but not out of the title when TextShift is small",
         with([](auto& in) {
             in.dialog = true;
             in.textShift = 6;
         }),
         {4, 5, 90, 21}},
        {"centred", with([](auto& in) { in.alignment = 1; }), {97, 5, 177, 21}},
        {"centred dialogs keep their place",
         with([](auto& in) {
             in.alignment = 1;
             in.dialog = true;
         }),
         {97, 5, 177, 21}},
        {"right, before TextRightClip",
         with([](auto& in) { in.alignment = 2; }),
         {107, 5, 187, 21}},
        {"another alignment: at the title's left",
         with([](auto& in) { in.alignment = 7; }),
         {4, 5, 84, 21}},
        {"too long: cut at TextRightClip (the ellipsis goes there)",
         with([](auto& in) {
             in.textWidth = 400;
             in.dialog = true;
         }),
         {12, 5, 187, 21}},
        {"a popup is cut before its buttons instead",
         with([](auto& in) {
             in.textWidth = 400;
             in.popup = true;
             in.rightClipOffset = 83;
         }),
         {28, 5, 183, 21}},
        {"a popup without buttons is not cut",
         with([](auto& in) {
             in.textWidth = 400;
             in.popup = true;
             in.rightClipOffset = 5;
         }),
         {28, 5, 428, 21}},
        {"right-to-left, left alignment: against the buttons, 10 in",
         with([](auto& in) {
             in.rightToLeft = true;
             in.rightClipOffset = 83;
         }),
         {118, 5, 198, 21}},
        {"right-to-left, right alignment: at TextShift",
         with([](auto& in) {
             in.rightToLeft = true;
             in.alignment = 2;
         }),
         {38, 5, 118, 21}},
        {"right-to-left and too long: starts at TextShift",
         with([](auto& in) {
             in.rightToLeft = true;
             in.textWidth = 400;
             in.rightClipOffset = 83;
         }),
         {34, 5, 198, 21}},
        {"vertical shift: half of TextShiftVert on the centre",
         with([](auto& in) {
             in.textHeight = 15;
             in.textShiftVert = 5;
         }),
         {28, 7, 108, 22}},
    };
    for (const Case& c : cases) {
        const TCaptionTextLayout layout = LayOutCaptionText(c.in);
        EXPECT_EQ(layout.caption, c.caption) << c.what;
        EXPECT_EQ(layout.back, (TPixelRect{c.caption.Left, 0, c.caption.Right, 26})) << c.what;
        EXPECT_EQ(layout.text, c.caption) << c.what;
    }

    // The text background's ends widen the caption; the text sits between them.
    TCaptionTextInputs in = MainTitle();
    in.backLeft = 3;
    in.backRight = 4;
    const TCaptionTextLayout layout = LayOutCaptionText(in);
    EXPECT_EQ(layout.caption, (TPixelRect{28, 5, 115, 21}));
    EXPECT_EQ(layout.back, (TPixelRect{28, 0, 115, 26}));
    EXPECT_EQ(layout.text, (TPixelRect{31, 5, 111, 21}));
}

TEST(CaptionRules, CaptionTextAtADisplayDensity) {
    // The main title at each density: the window's measures are its own, the skin's numbers
    // (TextShift 24, TextRightClip 84, the text back's ends, the buttons' Xcoord) and the rule's
    // own distances (the dialog's 16, the popup's gap of 5, right-to-left's 10) scale.
    struct Case {
        const char* what;
        int dpi;
        TPixelRect title;
        int textWidth, textHeight;
        void (*change)(TCaptionTextInputs&);
        TPixelRect caption;
        TPixelRect text;
    };
    const auto none = [](TCaptionTextInputs&) {};
    const auto dialog = [](TCaptionTextInputs& in) { in.dialog = true; };
    const Case cases[] = {
        {"left", 96, {4, 0, 271, 26}, 80, 16, none, {28, 5, 108, 21}, {28, 5, 108, 21}},
        {"left", 120, {5, 0, 339, 33}, 100, 20, none, {35, 6, 135, 26}, {35, 6, 135, 26}},
        {"left", 144, {6, 0, 406, 39}, 120, 24, none, {42, 7, 162, 31}, {42, 7, 162, 31}},
        {"left", 192, {8, 0, 542, 52}, 160, 32, none, {56, 10, 216, 42}, {56, 10, 216, 42}},
        {"dialog", 120, {5, 0, 339, 33}, 100, 20, dialog, {15, 6, 135, 26}, {15, 6, 135, 26}},
        {"dialog", 144, {6, 0, 406, 39}, 120, 24, dialog, {18, 7, 162, 31}, {18, 7, 162, 31}},
        {"dialog", 192, {8, 0, 542, 52}, 160, 32, dialog, {24, 10, 216, 42}, {24, 10, 216, 42}},
        {"popup, cut before its buttons (Xcoord 83 is 125 there, the gap 8)",
         144,
         {6, 0, 406, 39},
         600,
         24,
         [](TCaptionTextInputs& in) {
             in.popup = true;
             in.rightClipOffset = 83;
         },
         {42, 7, 273, 31},
         {42, 7, 273, 31}},
        {"too long: cut at TextRightClip",
         144,
         {6, 0, 406, 39},
         600,
         24,
         none,
         {42, 7, 280, 31},
         {42, 7, 280, 31}},
        {"right-to-left against the buttons, 15 in",
         144,
         {6, 0, 406, 39},
         120,
         24,
         [](TCaptionTextInputs& in) {
             in.rightToLeft = true;
             in.rightClipOffset = 83;
         },
         {176, 7, 296, 31},
         {176, 7, 296, 31}},
        {"the text back's ends 3 and 4 are 5 and 6",
         144,
         {6, 0, 406, 39},
         120,
         24,
         [](TCaptionTextInputs& in) {
             in.backLeft = 3;
             in.backRight = 4;
         },
         {42, 7, 173, 31},
         {47, 7, 167, 31}},
        {"TextShiftVert 5 is 8: half of it below the centre",
         192,
         {8, 0, 542, 52},
         160,
         30,
         [](TCaptionTextInputs& in) { in.textShiftVert = 5; },
         {56, 16, 216, 46},
         {56, 16, 216, 46}},
    };
    for (const Case& c : cases) {
        TCaptionTextInputs in = MainTitle();
        in.dpi = c.dpi;
        in.title = c.title;
        in.textWidth = c.textWidth;
        in.textHeight = c.textHeight;
        in.titleHeight = c.title.Bottom;
        c.change(in);
        const TCaptionTextLayout layout = LayOutCaptionText(in);
        EXPECT_EQ(layout.caption, c.caption) << c.what << " at " << c.dpi;
        EXPECT_EQ(layout.text, c.text) << c.what << " at " << c.dpi;
        EXPECT_EQ(layout.back, (TPixelRect{c.caption.Left, 0, c.caption.Right, c.title.Bottom}))
            << c.what << " at " << c.dpi;
    }
}

TEST(CaptionRules, VisibilityConditions) {
    TCaptionButtonContext normal;
    normal.flags = cbHasSystemMenu | cbHasMinimiseBox | cbHasMaximiseBox;
    TCaptionButtonContext maxActive = normal;
    maxActive.state = TWindowState::Maximised;
    TCaptionButtonContext dialog; // the main window, inactive
    dialog.flags = cbHasSystemMenu;
    dialog.frame = TFrameKind::Dialog;
    dialog.active = false;
    TCaptionButtonContext help = dialog;
    help.flags |= cbHasHelp;
    TCaptionButtonContext mdi = normal;
    mdi.mdiChildMaximisedInMenuBar = true;

    const struct {
        int value;
        const TCaptionButtonContext& c;
        bool first;
        bool second;
    } cases[] = {
        {0, dialog, true, true},     {1, maxActive, true, true},   {1, normal, false, false},
        {2, normal, true, true},     {2, maxActive, false, false}, {3, normal, true, true},
        {3, dialog, false, false},   {4, dialog, true, true},      {6, normal, true, true},
        {6, dialog, false, false},   {8, normal, true, true},      {7, dialog, true, true},
        {7, normal, false, false},   {9, dialog, true, true},      {9, normal, false, false},
        {10, help, true, true},      {10, dialog, false, false},   {100, mdi, true, true},
        {100, normal, false, false}, {200, dialog, true, true},    {200, normal, false, false},
        {201, dialog, true, true},   {999, dialog, true, true},    {5, normal, false, false},
        {11, normal, false, false},  {150, normal, false, false},  {2001, normal, false, false},
        {-1, normal, false, false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(VisibilityHolds(c.value, 0, c.c, nullptr), c.first) << c.value;
        EXPECT_EQ(Visibility1Holds(c.value, c.c), c.second) << c.value;
    }
    // Help for the second condition needs only the help box; 6 and 8 no system menu.
    TCaptionButtonContext helpWithBoxes = normal;
    helpWithBoxes.flags |= cbHasHelp;
    EXPECT_FALSE(VisibilityHolds(10, 0, helpWithBoxes, nullptr));
    EXPECT_TRUE(Visibility1Holds(10, helpWithBoxes));
    TCaptionButtonContext boxesNoMenu = normal;
    boxesNoMenu.flags = cbHasMinimiseBox;
    EXPECT_FALSE(VisibilityHolds(6, 0, boxesNoMenu, nullptr));
    EXPECT_TRUE(Visibility1Holds(6, boxesNoMenu));

    // 1000 to 2000: the window decides the first condition; the second always holds.
    int asked = 0;
    const TAskButtonVisible ask = [&](int visibility, int action) {
        ++asked;
        return visibility == 1500 && action == 42;
    };
    EXPECT_TRUE(VisibilityHolds(1500, 42, normal, ask));
    EXPECT_FALSE(VisibilityHolds(1500, 41, normal, ask));
    EXPECT_FALSE(VisibilityHolds(1000, 42, normal, ask));
    EXPECT_EQ(asked, 3);
    EXPECT_FALSE(VisibilityHolds(2001, 42, normal, ask));
    EXPECT_EQ(asked, 3);
    EXPECT_TRUE(Visibility1Holds(2000, normal));
}

TDataSkinSysButton Button(int action, int visibility, int visibility1 = 0) {
    TDataSkinSysButton b("Button");
    b.Action = action;
    b.Visibility = visibility;
    b.Visibility1 = visibility1;
    return b;
}

TEST(CaptionRules, ButtonsOfTheMainWindow) {
    // A dialog frame with a system menu, no minimise or maximise box, no help.
    TCaptionButtonContext c;
    c.flags = cbHasSystemMenu;
    c.frame = TFrameKind::Dialog;
    const struct {
        const char* what;
        TDataSkinSysButton button;
        bool visible;
        bool setsEnabled;
        bool enabled;
    } cases[] = {
        {"close", Button(0, 0), true, false, true},
        {"maximise, shown disabled", Button(1, 0, 2), true, true, false},
        {"restore, only when maximised", Button(1, 0, 1), false, true, false},
        {"minimise, shown disabled", Button(2, 0), true, true, false},
        {"help without the help box", Button(4, 10), false, false, true},
        {"system-menu icon on a dialog frame", Button(3, 0), false, false, true},
        {"system-menu icon, action 11", Button(11, 0), false, false, true},
    };
    for (const auto& k : cases) {
        const TCaptionButtonShow show = CaptionButtonShow(k.button, c, nullptr);
        EXPECT_EQ(show.visible, k.visible) << k.what;
        EXPECT_EQ(show.setsEnabled, k.setsEnabled) << k.what;
        if (k.setsEnabled) {
            EXPECT_EQ(show.enabled, k.enabled) << k.what;
        }
    }

    // Without a system menu there is no close button; boxes without a system menu stay off.
    TCaptionButtonContext bare;
    bare.flags = cbHasMaximiseBox | cbHasMinimiseBox;
    EXPECT_FALSE(CaptionButtonShow(Button(0, 0), bare, nullptr).visible);
    EXPECT_FALSE(CaptionButtonShow(Button(1, 0), bare, nullptr).enabled);
    TCaptionButtonContext sizeable;
    sizeable.flags = cbHasSystemMenu | cbHasMaximiseBox | cbHasMinimiseBox;
    EXPECT_TRUE(CaptionButtonShow(Button(1, 0, 2), sizeable, nullptr).enabled);
    EXPECT_TRUE(CaptionButtonShow(Button(2, 0), sizeable, nullptr).enabled);
    EXPECT_TRUE(CaptionButtonShow(Button(3, 0), sizeable, nullptr).visible);
}

TEST(CaptionRules, ButtonPlacesByAlign) {
    TCaptionButtonPlace place;
    place.windowWidth = 275;
    place.captionLeft = 12;
    place.captionRight = 108;
    place.rightBorder = 4;
    place.menuBarLeftWidth = 2;
    place.titleHeight = 26;
    place.menuBarHeight = 20;
    const struct {
        int align;
        TPixelRect bounds;
    } cases[] = {
        {0, {31, 4, 56, 22}},      {1, {244, 4, 269, 22}}, {2, {-44, 4, -19, 22}},
        {8, {-44, 4, -19, 22}},    {3, {139, 4, 164, 22}}, {9, {139, 4, 164, 22}},
        {100, {238, 27, 263, 45}}, {5, {0, 0, 25, 18}},
    };
    for (const auto& c : cases) {
        TDataSkinSysButton b("Button");
        b.Align = c.align;
        b.Xcoord = 31;
        b.Ycoord = 4;
        EXPECT_EQ(CaptionButtonBounds(b, 25, 18, place), c.bounds) << c.align;
    }

    // At a display density the cell and the coordinates scale (25 x 18 at Xcoord 31, Ycoord 4,
    // the menu bar's left margin 2); the window's measures are its own.
    TCaptionButtonPlace dense;
    dense.windowWidth = 412;
    dense.captionLeft = 18;
    dense.captionRight = 162;
    dense.rightBorder = 6;
    dense.menuBarLeftWidth = 2;
    dense.titleHeight = 39;
    dense.menuBarHeight = 30;
    const struct {
        int dpi;
        int align;
        TPixelRect bounds;
    } scaled[] = {
        {120, 1, {412 - 39, 5, 412 - 39 + 31, 28}},
        {144, 0, {47, 6, 85, 33}},
        {144, 1, {365, 6, 403, 33}},
        {144, 2, {-67, 6, -29, 33}},
        {144, 3, {209, 6, 247, 33}},
        {144, 100, {356, 40, 394, 67}},
        {192, 1, {412 - 62, 8, 412 - 62 + 50, 44}},
    };
    for (const auto& c : scaled) {
        TDataSkinSysButton b("Button");
        b.Align = c.align;
        b.Xcoord = 31;
        b.Ycoord = 4;
        dense.dpi = c.dpi;
        EXPECT_EQ(CaptionButtonBounds(b, 25, 18, dense), c.bounds) << c.align << " at " << c.dpi;
    }

    const TShownButton shown[] = {
        {1, 31, true, true},   // close
        {1, 57, true, true},   // maximise, disabled but shown
        {1, 83, true, true},   // minimise
        {1, 109, false, true}, // help, hidden
        {1, 140, true, false}, // no picture
        {0, 200, true, true},  // left-aligned
    };
    EXPECT_EQ(RightClipOffset(shown), 83);
    EXPECT_EQ(RightClipOffset({}), 0);
}

TEST(CaptionRules, Cells) {
    // Painting the whole title: normal while active and enabled, else the disabled cell.
    EXPECT_EQ(PaintAllCell(true, true, 4), 1);
    EXPECT_EQ(PaintAllCell(false, true, 4), 4);
    EXPECT_EQ(PaintAllCell(true, false, 4), 4);
    EXPECT_EQ(PaintAllCell(false, false, 3), 1);
    EXPECT_EQ(PaintAllCell(true, false, 1), 1);
    // One button in its state: a disabled one never looks hot or pressed.
    const struct {
        std::int32_t state;
        bool enabled;
        int frames;
        int visibility;
        int cell;
    } cases[] = {
        {ncNormal, true, 4, 0, 1}, {ncPressed, true, 4, 0, 2},   {ncHot, true, 4, 0, 3},
        {ncHot, false, 4, 0, 4},   {ncPressed, false, 5, 0, 4},  {ncHot, false, 3, 0, 1},
        {ncHot, true, 4, 100, 4},  {ncPressed, true, 4, 100, 2},
    };
    for (const auto& c : cases)
        EXPECT_EQ(PaintOneCell(c.state, c.enabled, c.frames, c.visibility), c.cell)
            << c.state << " " << c.enabled << " " << c.frames;
}

TEST(CaptionRules, ClicksAndHints) {
    const struct {
        int action;
        TCaptionClick click;
        const wchar_t* hint;
    } cases[] = {
        {0, TCaptionClick::Close, L"Close"},
        {1, TCaptionClick::MaximiseToggle, L"Maximize"},
        {22, TCaptionClick::MaximiseToggle, L"Maximize"},
        {2, TCaptionClick::MinimiseToggle, L"Minimize"},
        {23, TCaptionClick::MinimiseToggle, L"Minimize"},
        {3, TCaptionClick::SystemMenu, L""},
        {11, TCaptionClick::SystemMenu, L""},
        {12, TCaptionClick::SystemMenu, L""},
        {4, TCaptionClick::Help, L""},
        {7, TCaptionClick::MdiMinimise, L"Minimize"},
        {60, TCaptionClick::MdiMinimise, L"Minimize"},
        {8, TCaptionClick::MdiRestore, L"Restore"},
        {61, TCaptionClick::MdiRestore, L"Restore"},
        {9, TCaptionClick::MdiClose, L"Close"},
        {62, TCaptionClick::MdiClose, L"Close"},
        {5, TCaptionClick::Custom, L""},
        {-1, TCaptionClick::Custom, L""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(CaptionClickOf(c.action), c.click) << c.action;
        EXPECT_EQ(CaptionButtonHint(c.action), c.hint) << c.action;
    }
    EXPECT_TRUE(IsSystemMenuButton(3));
    EXPECT_TRUE(IsSystemMenuButton(11));
    EXPECT_FALSE(IsSystemMenuButton(12));

    // Hint pause 500, hide pause 2500: shown from 1000 ms until 3500 ms.
    EXPECT_EQ(CaptionHintStep(750, 500, 2500), THintStep::Wait);
    EXPECT_EQ(CaptionHintStep(1000, 500, 2500), THintStep::Show);
    EXPECT_EQ(CaptionHintStep(3499, 500, 2500), THintStep::Show);
    EXPECT_EQ(CaptionHintStep(3500, 500, 2500), THintStep::Hide);
}

// The close button asks the system menu only where that menu is the window's own to read.
TEST(CaptionRules, CloseButtonClosesWithoutCloseItemOnOlderSystems) {
    const struct {
        const char* what;
        TPlatformVersion version;
        bool hasCloseItem;
        bool closes;
    } cases[] = {
        {"NT 6.1, close item", {true, 6, 1}, true, true},
        {"NT 5.0, close item", {true, 5, 0}, true, true},
        {"NT 5.0, no close item", {true, 5, 0}, false, false},
        {"NT 6.1, no close item", {true, 6, 1}, false, false},
        {"NT 4.0, no close item", {true, 4, 0}, false, true},
        {"NT 3.51, no close item", {true, 3, 51}, false, true},
        {"95 (4.0), no close item", {false, 4, 0}, false, true},
        {"98 (4.10), no close item", {false, 4, 10}, false, true},
        {"Me (4.90), no close item", {false, 4, 90}, false, true},
        {"Me (4.90), close item", {false, 4, 90}, true, true},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CloseButtonCloses(c.version, c.hasCloseItem), c.closes) << c.what;
}

TEST(CaptionRules, SystemMenuItems) {
    constexpr unsigned kSize = 0xF000, kMove = 0xF010, kMin = 0xF020, kMax = 0xF030,
                       kClose = 0xF060, kRestore = 0xF120, kOther = 0x10;
    constexpr unsigned kGrayed = 3, kChecked = 8;
    const std::uint8_t boxes = cbHasSystemMenu | cbHasMinimiseBox | cbHasMaximiseBox;
    const std::uint8_t dialog = cbHasSystemMenu;
    using S = TWindowState;
    const struct {
        unsigned id;
        unsigned native;
        S state;
        std::uint8_t flags;
        int image;
        bool enabled;
        bool checked;
    } cases[] = {
        {kSize, 0, S::Normal, boxes, -1, true, false},
        {kMove, 0, S::Maximised, boxes, -1, false, false},
        {kMove, kGrayed, S::Normal, boxes, -1, true, false}, // the window's state decides
        {kMin, 0, S::Normal, boxes, 2, true, false},
        {kMin, 0, S::Minimised, boxes, 2, false, false},
        {kMin, 0, S::Normal, dialog, 2, false, false},
        {kMax, 0, S::Normal, boxes, 1, true, false},
        {kMax, 0, S::Maximised, boxes, 1, false, false},
        {kMax, 0, S::Normal, dialog, 1, false, false},
        {kClose, 0, S::Normal, dialog, 3, true, false},
        {kClose, kGrayed, S::Normal, dialog, 3, false, false},
        {kClose, kGrayed | kChecked, S::Normal, dialog, 3, false, true},
        {kRestore, 0, S::Normal, boxes, 0, false, false},
        {kRestore, 0, S::Minimised, boxes, 0, true, false},
        {kOther, kChecked, S::Normal, dialog, -1, true, true},
        {kOther, kGrayed, S::Normal, dialog, -1, false, false},
        {kOther, 1, S::Normal, dialog, -1, true, false},
    };
    for (const auto& c : cases) {
        const TSystemMenuItemRule item = SystemMenuItemOf(c.id, c.native, c.state, c.flags);
        EXPECT_EQ(item.image, c.image) << std::hex << c.id;
        EXPECT_EQ(item.enabled, c.enabled) << std::hex << c.id << " " << c.native;
        EXPECT_EQ(item.checked, c.checked) << std::hex << c.id;
    }

    // A second request within the double-click time does not open it again.
    EXPECT_TRUE(SystemMenuOpens(100, false, 0, 500));
    EXPECT_FALSE(SystemMenuOpens(1499, true, 1000, 500));
    EXPECT_TRUE(SystemMenuOpens(1500, true, 1000, 500));
    EXPECT_TRUE(SystemMenuOpens(1001, true, 1000, -1));
    EXPECT_FALSE(SystemMenuOpens(10, true, 0xFFFFFF00u, 500)) << "the tick count wrapped";
}

TEST(CaptionRules, FixedSystemMenu) {
    using C = TFixedMenuClick;
    const TFixedMenuItem restore{L" Restore ", 0, 0, {}, C::Restore};
    const TFixedMenuItem maximise{L" Maximize ", 1, 1, {}, C::MaximiseToggle};
    const TFixedMenuItem minimise{L" Minimize ", 2, 2, {}, C::MinimiseToggle};
    const TFixedMenuItem separator{L"-", 100, -1, {}, C::None};
    const TFixedMenuItem close{L" Close ", 3, 3, L"ALT+F4", C::Close};
    const std::uint8_t boxes = cbHasSystemMenu | cbHasMinimiseBox | cbHasMaximiseBox;
    using Items = std::vector<TFixedMenuItem>;
    const struct {
        const char* what;
        TPlatformVersion version;
        std::uint8_t flags;
        std::optional<Items> items;
    } cases[] = {
        {"NT 4.0, both boxes",
         {true, 4, 0},
         boxes,
         Items{restore, maximise, minimise, separator, close}},
        {"NT 4.0, no boxes", {true, 4, 0}, cbHasSystemMenu, Items{restore, separator, close}},
        {"NT 4.0, maximise box only",
         {true, 4, 0},
         cbHasSystemMenu | cbHasMaximiseBox,
         Items{restore, maximise, separator, close}},
        {"NT 3.51, minimise box only",
         {true, 3, 51},
         cbHasSystemMenu | cbHasMinimiseBox,
         Items{restore, minimise, separator, close}},
        {"NT 4.0 without a system menu still lists",
         {true, 4, 90},
         0,
         Items{restore, separator, close}},
        {"NT 5.0 reads the window's own", {true, 5, 0}, boxes, std::nullopt},
        {"NT 10", {true, 10, 0}, boxes, std::nullopt},
        {"the 9x family", {false, 4, 10}, boxes, std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FixedSystemMenu(c.version, c.flags), c.items) << c.what;
}

} // namespace
