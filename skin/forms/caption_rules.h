// The caption's decisions as plain rules: where the caption text goes in the title, which
// caption buttons a window shows and enables, where each sits, which cell of its strip it draws,
// what a click on it does, when its hint shows, and how the skinned system menu enables its
// items.
#pragma once

#include "skin/forms/skin_form_rules.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

// ---- Caption text

// The window's measures are in its pixels; the skin's numbers are in pixels at kBaseDpi and
// scaled to the window's density `dpi`, and so are the rule's own distances.
struct TCaptionTextInputs {
    TPixelRect title;  // the title strip between the side edges, window coordinates
    int textWidth = 0; // the text as measured (with its blank before and two after)
    int textHeight = 0;
    int titleHeight = 0;
    int dpi = kBaseDpi;
    // The Title element's numbers.
    int alignment = 0; // 0 left, 1 centre, 2 right
    int textShift = 0;
    int textShiftVert = 0;
    int textRightClip = 0;
    int backLeft = 0; // fixed ends of the text background
    int backRight = 0;
    // The largest Xcoord of the right-aligned caption buttons shown.
    int rightClipOffset = 0;
    bool rightToLeft = false;
    bool popup = false;  // WS_POPUP
    bool dialog = false; // frame kind Dialog
};

struct TCaptionTextLayout {
    TPixelRect caption; // where the text and its background go; caption buttons align to it
    TPixelRect back;    // the text background, the full title height
    TPixelRect text;    // where the text itself is drawn, inside the background's ends
};

TCaptionTextLayout LayOutCaptionText(const TCaptionTextInputs& in);

// ---- Caption buttons

// What a caption button's visibility depends on.
struct TCaptionButtonContext {
    TWindowState state = TWindowState::Normal;
    bool active = true;
    std::uint8_t flags = 0; // TCaptionButtonFlag bits
    TFrameKind frame = TFrameKind::Sizeable;
    bool dialogClass = false;
    // An MDI frame whose active child is maximised, with a skinned menu bar.
    bool mdiChildMaximisedInMenuBar = false;
};

// Asks the window (SM_BUTTONVISIBLE with the Visibility and Action): true shows the button.
using TAskButtonVisible = std::function<bool(int visibility, int action)>;

// The first (Visibility) and second (Visibility1) condition on their own.
bool VisibilityHolds(int visibility, int action, const TCaptionButtonContext& c,
                     const TAskButtonVisible& ask);
bool Visibility1Holds(int visibility1, const TCaptionButtonContext& c);

struct TCaptionButtonShow {
    bool visible = false;
    // Set for maximise and minimise buttons, whose window may lack the box; others keep theirs.
    bool setsEnabled = false;
    bool enabled = true;
};
TCaptionButtonShow CaptionButtonShow(const TDataSkinSysButton& button,
                                     const TCaptionButtonContext& c, const TAskButtonVisible& ask);

// What a caption button is placed against: the window's measures in its pixels, the skin's at
// kBaseDpi.
struct TCaptionButtonPlace {
    int windowWidth = 0;
    int captionLeft = 0; // the caption-text rectangle of the same paint
    int captionRight = 0;
    int rightBorder = 0;
    int menuBarLeftWidth = 0; // the MenuBar element's left margin, 0 without one
    int titleHeight = 0;
    int menuBarHeight = 0;
    int dpi = kBaseDpi; // the window's density
};

// The bounds of a button whose picture's cell is `cellWidth` x `height` (at kBaseDpi) by its
// Align, Xcoord and Ycoord, all scaled to the place's density: the cell of the picture at that
// density, where the skin's coordinates put it there.
TPixelRect CaptionButtonBounds(const TDataSkinSysButton& button, int cellWidth, int height,
                               const TCaptionButtonPlace& place);

// The largest Xcoord of the buttons aligned right that are shown and have a picture (at
// kBaseDpi, as the caption text's rightClipOffset takes it).
struct TShownButton {
    int align = 0;
    int xcoord = 0;
    bool visible = false;
    bool hasPicture = false;
};
int RightClipOffset(std::span<const TShownButton> buttons);

// Caption-button states, which are also the cells they draw.
enum TNCState : std::int32_t { ncNormal = 1, ncPressed = 2, ncHot = 3 };
inline constexpr int kDisabledCell = 4;

// The cell a button draws when the whole title is painted: normal while the window is active
// and the button enabled, else the disabled or inactive cell when the strip has one.
int PaintAllCell(bool active, bool enabled, int frames);
// The cell a button draws on its own, in its state.
int PaintOneCell(std::int32_t state, bool enabled, int frames, int visibility);

// The system-menu icon button.
bool IsSystemMenuButton(int action);

enum class TCaptionClick {
    Close,
    MaximiseToggle,
    MinimiseToggle,
    SystemMenu,
    Help,
    MdiMinimise,
    MdiRestore,
    MdiClose,
    Custom, // SM_CAPTIONBUTTON with the Action
};
TCaptionClick CaptionClickOf(int action);
// Whether a click on the close button closes the window. Where the system menu lists SC_CLOSE;
// and always on Windows NT before 5 and the 9x family, whose system menus are not asked (the
// skinned one there is a fixed list that always has its close item).
bool CloseButtonCloses(TPlatformVersion version, bool systemMenuHasClose);

// The hint of a button by its Action; empty for none.
std::wstring_view CaptionButtonHint(int action);

enum class THintStep { Wait, Show, Hide };
// With the counter at `counter` ms: from twice the hint pause the hint shows, and from there on
// for the hide pause; after that it hides.
THintStep CaptionHintStep(int counter, int hintPause, int hintHidePause);

// ---- Skinned system menu

struct TSystemMenuItemRule {
    int image = -1; // index into the menu glyphs, -1 for none
    bool enabled = true;
    bool checked = false;
};
// A native system-menu item by its command id and state (MFS_* bits).
TSystemMenuItemRule SystemMenuItemOf(unsigned id, unsigned nativeState, TWindowState state,
                                     std::uint8_t flags);

// Whether a request opens the system menu: not within the double-click time of the last opening
// (a second click of a double click), unless that time is negative. Tick counts wrap.
bool SystemMenuOpens(std::uint32_t now, bool openedBefore, std::uint32_t lastOpened,
                     int doubleClickTime);

// What an item of the fixed system menu does when chosen.
enum class TFixedMenuClick { None, Restore, MaximiseToggle, MinimiseToggle, Close };

struct TFixedMenuItem {
    std::wstring_view caption; // "-" is a separator
    int tag = 0;
    int image = -1; // index into the menu glyphs, -1 for none
    std::wstring_view shortcut;
    TFixedMenuClick click = TFixedMenuClick::None;
    bool operator==(const TFixedMenuItem&) const = default;
};

// The items of the skinned system menu where it does not read the window's own: Windows NT
// before version 5 gets a fixed list of restore, the boxes the window has, and close. Elsewhere
// none: the window's own system menu gives the items.
std::optional<std::vector<TFixedMenuItem>> FixedSystemMenu(TPlatformVersion version,
                                                           std::uint8_t flags);
