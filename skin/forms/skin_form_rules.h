// The form skinner's decisions as plain rules: the kinds of frame and form a window has, the
// caption-button flags, the window state from the messages that change it, the skin's frame
// sizes, the client area inside the skinned frame, the hit test over the skinned caption, the
// sizes the window takes on and off the skin, and which stages of the window procedure run.
#pragma once

#include "skin/model/skin_catalogue.h"
#include "skin/runtime/skin_manager_rules.h"

#include "ui/scale_measure.h"

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

enum class TFormKind : std::uint8_t { Normal, MdiFrame, MdiChild };
enum class TFrameKind : std::uint8_t { Sizeable, Single, Captionless, Dialog };
enum class TWindowState : std::uint8_t { Normal, Maximised, Minimised };

// Caption-button flags, a byte of these bits.
enum TCaptionButtonFlag : std::uint8_t {
    cbHasMaximiseBox = 1,
    cbHasMinimiseBox = 2,
    cbHasHelp = 4,
    cbHasSystemMenu = 8,
    cbKeepStyle = 16, // the window's WS_SYSMENU bit is never touched
};

// The system's version as the rules need it.
struct TPlatformVersion {
    bool nt = true; // the Windows NT family (not 9x)
    unsigned major = 0;
    unsigned minor = 0;
};

struct TFrameSizes {
    int left = 0;
    int title = 0;
    int right = 0;
    int bottom = 0;
    bool operator==(const TFrameSizes&) const = default;
};

struct TFrameSize {
    int width = 0, height = 0;
    bool operator==(const TFrameSize&) const = default;
};

// "#32770" (system dialogs) and "TMessageForm" (the class library's message boxes).
bool IsDialogClass(std::string_view className);

// Without both caption bits: Captionless; else a sizing border: Sizeable; else a modal frame,
// the dialog-frame extended style or a dialog class: Dialog; else Single.
TFrameKind FrameKindOf(std::uint32_t style, std::uint32_t exStyle, std::string_view className);

// Whether the window keeps its WS_SYSMENU bit: an application window on NT 5.0, or an ownerless
// window that is no MDI child on a system whose minor version is 0 (major above 4).
bool KeepsStyle(std::uint32_t exStyle, bool hasOwner, bool mdiChild, TPlatformVersion version);

// The caption-button flags of a window; `systemMenuKnown` stands for a system menu handle the
// skinner already has.
std::uint8_t CaptionButtonFlags(std::uint32_t style, std::uint32_t exStyle, bool systemMenuKnown,
                                bool keepStyle);

// The state behind a show command of GetWindowPlacement.
TWindowState StateFromShowCommand(unsigned showCommand);
// The state after WM_SIZE of that size type; other types keep `current`.
TWindowState StateAfterSize(unsigned sizeType, TWindowState current);
// The state after a system command (WM_SYSCOMMAND's wParam); other commands keep `current`.
TWindowState StateAfterSysCommand(unsigned command, TWindowState current);

// The skin's frame at the display density `dpi`: the height of one frame of the top picture,
// the widths of one frame of the side pictures, the height of one frame of the bottom picture,
// each scaled as a measure (the size of a cell of the picture at that density); nothing for a
// captionless frame.
TFrameSizes FrameSizesOf(const TSkinElements& skin, TFrameKind frame, int dpi = kBaseDpi);

// The client rectangle inside the skinned frame of a window at `window` (either coordinates).
TPixelRect SkinClientRect(TPixelRect window, TFrameSizes frame, int menuBarHeight);
// The frame of a window at `window` around its client area at `client` (the same coordinates):
// the strips above, below, left and right of the client area, those that are not empty. A
// frame paint the system asks for with an update region that meets none of them has nothing of
// the frame to paint.
std::vector<TPixelRect> FrameStrips(TPixelRect window, TPixelRect client);
// Whether WM_NCCALCSIZE keeps the system's client rectangle: a captionless frame, or an MDI child
// that is maximised or minimised.
bool KeepsSystemClientArea(TFrameKind frame, TFormKind form, TWindowState state);

// The hit test over the skinned frame: what the system found outside its own caption and borders
// (nowhere, or its caption) becomes the caption below the top 3 rows, and the menu bar below the
// title when there is one. `frameY` counts from the window's top edge; the rows are scaled to
// the window's density `dpi`.
int SkinHitTest(int systemResult, int frameY, int titleHeight, int menuBarHeight,
                int dpi = kBaseDpi);

// The window size that puts the skin's frame around a client area of `client`.
TFrameSize SkinnedWindowSize(TFrameSize client, TFrameSizes frame, int menuBarHeight);
// The size of a window of `window` with the skin's frame `frame` (and a menu bar) at the density
// `dpi` once it moves to `newDpi`, where its frame is `newFrame`: the client area scaled as a
// measure, in the frame at the new density. The system would scale the whole window, the skin's
// frame with it, which is not the frame the skin draws there.
TFrameSize DpiScaledWindowSize(TFrameSize window, TFrameSizes frame, int menuBarHeight, int dpi,
                               TFrameSizes newFrame, int newMenuBarHeight, int newDpi);
// How much wider a dialog's window must grow so its caption fits between the title's text shift
// and right clip (0 when it fits).
int DialogCaptionWidening(int windowWidth, int textShift, int captionWidth, int textRightClip);
// The window size back on the system's frame: `window` grown by the system's non-client size
// and shrunk by the skin's frame.
TFrameSize SystemFrameWindowSize(TFrameSize window, TFrameSize systemExtra, TFrameSizes frame,
                                 int menuBarHeight);

// What a skinned window asks of the desktop compositor: to draw no frame of its own, and (on
// Windows 11) not to round the window's corners.
struct TCompositorFrame {
    bool ownFrame = false;
    bool squareCorners = false;
    bool operator==(const TCompositorFrame&) const = default;
};
// Top-level windows whose frame the skin paints keep the compositor's frame away (it would show
// wherever the skin gives no region: before skinning, maximised, captionless); the corners stay
// square where the skin draws them, which a captionless frame leaves to the system.
TCompositorFrame CompositorFrameOf(bool frameSkinning, bool isChild, TFrameKind frame);

// The system command a menu command id stands for (owner-drawn system menus send them as
// WM_COMMAND), or nullopt.
std::optional<unsigned> SystemCommandOfMenuId(unsigned id);

// Which stages of the window procedure a message goes through once the first has let it by.
// The second stage (activation, state, commands) runs for top-level windows and MDI children.
bool UsesSecondStage(TFormKind form, bool isChild);
// The third (the non-client messages) once the skinner started, unless a maximised MDI child
// leaves its frame to the system.
bool UsesThirdStage(TFormKind form, TWindowState state, TFormSkinState skinState);

// Whether a window position change with the SetWindowPos `flags` shows a window that was
// `visible` or not in a way that has the system paint its whole frame afterwards (WM_NCPAINT):
// shown from hidden, and with its drawing not held back (SWP_NOREDRAW). Until that paint comes,
// the frame need not be painted for anything else: the activation that showing brings on the
// way (WM_NCACTIVATE comes before the paint) would paint it for nothing.
bool ShowOwesFramePaint(std::uint32_t flags, bool visible);
