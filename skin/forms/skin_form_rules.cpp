// The form skinner's rules.
#include "skin/forms/skin_form_rules.h"

#include <algorithm>

namespace {

// Window styles and messages' values as the Windows headers give them.
constexpr std::uint32_t kWsCaption = 0x00C00000;
constexpr std::uint32_t kWsSysMenu = 0x00080000;
constexpr std::uint32_t kWsThickFrame = 0x00040000;
constexpr std::uint32_t kWsMinimizeBox = 0x00020000;
constexpr std::uint32_t kWsMaximizeBox = 0x00010000;
constexpr std::uint32_t kDsModalFrame = 0x80;
constexpr std::uint32_t kWsExDlgModalFrame = 0x1;
constexpr std::uint32_t kWsExContextHelp = 0x400;
constexpr std::uint32_t kWsExAppWindow = 0x40000;

constexpr unsigned kSizeRestored = 0, kSizeMinimized = 1, kSizeMaximized = 2;
constexpr unsigned kScSize = 0xF000, kScMove = 0xF010, kScMinimize = 0xF020, kScMaximize = 0xF030,
                   kScNextWindow = 0xF040, kScPrevWindow = 0xF050, kScClose = 0xF060,
                   kScRestore = 0xF120;
constexpr int kHtNowhere = 0, kHtCaption = 2, kHtMenu = 5;

// Rows at the top of the caption that stay the system's (a sizing border, or nothing).
constexpr int kCaptionTopRows = 3;

} // namespace

bool IsDialogClass(std::string_view className) {
    return className == "#32770" || className == "TMessageForm";
}

TFrameKind FrameKindOf(std::uint32_t style, std::uint32_t exStyle, std::string_view className) {
    if ((style & kWsCaption) != kWsCaption) return TFrameKind::Captionless;
    if (style & kWsThickFrame) return TFrameKind::Sizeable;
    if ((style & kDsModalFrame) || (exStyle & kWsExDlgModalFrame) || IsDialogClass(className))
        return TFrameKind::Dialog;
    return TFrameKind::Single;
}

bool KeepsStyle(std::uint32_t exStyle, bool hasOwner, bool mdiChild, TPlatformVersion version) {
    const bool minorZeroAfterFour = version.major > 4 && version.minor == 0;
    if ((exStyle & kWsExAppWindow) && version.nt && minorZeroAfterFour) return true;
    return !hasOwner && !mdiChild && minorZeroAfterFour;
}

std::uint8_t CaptionButtonFlags(std::uint32_t style, std::uint32_t exStyle, bool systemMenuKnown,
                                bool keepStyle) {
    std::uint8_t flags = 0;
    if (style & kWsMaximizeBox) flags |= cbHasMaximiseBox;
    if (style & kWsMinimizeBox) flags |= cbHasMinimiseBox;
    if (exStyle & kWsExContextHelp) flags |= cbHasHelp;
    if ((style & kWsSysMenu) || systemMenuKnown) flags |= cbHasSystemMenu;
    if (keepStyle) flags |= cbKeepStyle;
    return flags;
}

TWindowState StateFromShowCommand(unsigned showCommand) {
    switch (showCommand) {
    case 2: // SW_SHOWMINIMIZED
    case 6: // SW_MINIMIZE
    case 7: // SW_SHOWMINNOACTIVE
        return TWindowState::Minimised;
    case 3: // SW_SHOWMAXIMIZED
        return TWindowState::Maximised;
    default:
        return TWindowState::Normal;
    }
}

TWindowState StateAfterSize(unsigned sizeType, TWindowState current) {
    switch (sizeType) {
    case kSizeRestored:
        return TWindowState::Normal;
    case kSizeMinimized:
        return TWindowState::Minimised;
    case kSizeMaximized:
        return TWindowState::Maximised;
    default:
        return current;
    }
}

TWindowState StateAfterSysCommand(unsigned command, TWindowState current) {
    switch (command & 0xFFF0) {
    case kScMinimize:
        return TWindowState::Minimised;
    case kScMaximize:
        return TWindowState::Maximised;
    case kScRestore:
        return TWindowState::Normal;
    default:
        return current;
    }
}

TFrameSizes FrameSizesOf(const TSkinElements& skin, TFrameKind frame, int dpi) {
    if (frame == TFrameKind::Captionless) return {};
    // Frame counts are at least 1 in every loaded element.
    return {ScaleMeasure(skin.BorderLeft.Image.Width / skin.BorderLeft.Frame, dpi),
            ScaleMeasure(skin.BorderTop.Image.Height / skin.BorderTop.Frame, dpi),
            ScaleMeasure(skin.BorderRight.Image.Width / skin.BorderRight.Frame, dpi),
            ScaleMeasure(skin.BorderBottom.Image.Height / skin.BorderBottom.Frame, dpi)};
}

TPixelRect SkinClientRect(TPixelRect window, TFrameSizes frame, int menuBarHeight) {
    return {window.Left + frame.left, window.Top + frame.title + menuBarHeight,
            window.Right - frame.right, window.Bottom - frame.bottom};
}

std::vector<TPixelRect> FrameStrips(TPixelRect window, TPixelRect client) {
    // A client area outside the window (an empty one of a minimised window) leaves it all frame.
    client.Left = std::clamp(client.Left, window.Left, window.Right);
    client.Right = std::clamp(client.Right, client.Left, window.Right);
    client.Top = std::clamp(client.Top, window.Top, window.Bottom);
    client.Bottom = std::clamp(client.Bottom, client.Top, window.Bottom);
    const TPixelRect strips[] = {
        {window.Left, window.Top, window.Right, client.Top},
        {window.Left, client.Bottom, window.Right, window.Bottom},
        {window.Left, client.Top, client.Left, client.Bottom},
        {client.Right, client.Top, window.Right, client.Bottom},
    };
    std::vector<TPixelRect> frame;
    for (const TPixelRect& s : strips)
        if (s.Right > s.Left && s.Bottom > s.Top) frame.push_back(s);
    return frame;
}

bool KeepsSystemClientArea(TFrameKind frame, TFormKind form, TWindowState state) {
    return frame == TFrameKind::Captionless ||
           (form == TFormKind::MdiChild && state != TWindowState::Normal);
}

int SkinHitTest(int systemResult, int frameY, int titleHeight, int menuBarHeight, int dpi) {
    if (systemResult != kHtNowhere && systemResult != kHtCaption) return systemResult;
    if (menuBarHeight > 0 && frameY > titleHeight) return kHtMenu;
    if (frameY > ScaleMeasure(kCaptionTopRows, dpi)) return kHtCaption;
    return systemResult;
}

TFrameSize SkinnedWindowSize(TFrameSize client, TFrameSizes frame, int menuBarHeight) {
    return {client.width + frame.left + frame.right,
            client.height + frame.title + frame.bottom + menuBarHeight};
}

TFrameSize DpiScaledWindowSize(TFrameSize window, TFrameSizes frame, int menuBarHeight, int dpi,
                               TFrameSizes newFrame, int newMenuBarHeight, int newDpi) {
    const TFrameSize client{window.width - frame.left - frame.right,
                            window.height - frame.title - frame.bottom - menuBarHeight};
    return SkinnedWindowSize(
        {ScaleMeasure(client.width, newDpi, dpi), ScaleMeasure(client.height, newDpi, dpi)},
        newFrame, newMenuBarHeight);
}

int DialogCaptionWidening(int windowWidth, int textShift, int captionWidth, int textRightClip) {
    const int needed = textShift + captionWidth + textRightClip;
    return windowWidth < needed ? needed - windowWidth : 0;
}

TFrameSize SystemFrameWindowSize(TFrameSize window, TFrameSize systemExtra, TFrameSizes frame,
                                 int menuBarHeight) {
    return {window.width + systemExtra.width - frame.left - frame.right,
            window.height + systemExtra.height - frame.title - frame.bottom - menuBarHeight};
}

std::optional<unsigned> SystemCommandOfMenuId(unsigned id) {
    switch (id) {
    case kScSize:
    case kScMove:
    case kScMinimize:
    case kScMaximize:
    case kScNextWindow:
    case kScPrevWindow:
    case kScClose:
    case kScRestore:
        return id;
    default:
        return std::nullopt;
    }
}

bool UsesSecondStage(TFormKind form, bool isChild) {
    return form == TFormKind::MdiChild || !isChild;
}

bool UsesThirdStage(TFormKind form, TWindowState state, TFormSkinState skinState) {
    const bool maximisedMdiChild = form == TFormKind::MdiChild && state == TWindowState::Maximised;
    return !maximisedMdiChild && skinState != TFormSkinState::NotStarted;
}

bool ShowOwesFramePaint(std::uint32_t flags, bool visible) {
    constexpr std::uint32_t kShowWindow = 0x0040, kNoRedraw = 0x0008; // SWP_SHOWWINDOW, SWP_NOREDRAW
    return !visible && (flags & kShowWindow) && !(flags & kNoRedraw);
}

TCompositorFrame CompositorFrameOf(bool frameSkinning, bool isChild, TFrameKind frame) {
    const bool own = frameSkinning && !isChild;
    return {own, own && frame != TFrameKind::Captionless};
}
