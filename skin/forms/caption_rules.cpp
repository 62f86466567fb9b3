// The caption's rules.
#include "skin/forms/caption_rules.h"

#include <algorithm>
#include <optional>

namespace {

constexpr unsigned kScSize = 0xF000, kScMove = 0xF010, kScMinimize = 0xF020, kScMaximize = 0xF030,
                   kScClose = 0xF060, kScRestore = 0xF120;
constexpr unsigned kMfsGrayed = 0x3, kMfsChecked = 0x8;

// Dialog frames draw no icon, so their left-aligned caption moves into its place.
constexpr int kDialogCaptionShift = 16;
// Room kept between a popup's caption and its caption buttons.
constexpr int kPopupButtonGap = 5;
// Right-to-left captions keep off the window's right edge.
constexpr int kRightToLeftShift = 10;

TPixelRect Offset(TPixelRect r, int dx, int dy) {
    return {r.Left + dx, r.Top + dy, r.Right + dx, r.Bottom + dy};
}

bool Has(std::uint8_t flags, TCaptionButtonFlag flag) {
    return (flags & flag) != 0;
}

bool Maximised(const TCaptionButtonContext& c) {
    return c.state == TWindowState::Maximised;
}

bool DialogNotDialogClass(const TCaptionButtonContext& c) {
    return c.frame == TFrameKind::Dialog && !c.dialogClass;
}

// The conditions that both visibility keys read the same way; none for the others.
std::optional<bool> CommonVisibility(int value, const TCaptionButtonContext& c) {
    switch (value) {
    case 0:
        return true;
    case 1:
        return Maximised(c);
    case 2:
        return !Maximised(c);
    case 3:
        return c.active;
    case 4:
        return !c.active;
    case 7:
        return !Has(c.flags, cbHasMaximiseBox);
    case 9:
        return !Has(c.flags, cbHasMinimiseBox);
    case 100:
        return c.mdiChildMaximisedInMenuBar;
    case 200:
        return DialogNotDialogClass(c);
    default:
        return std::nullopt;
    }
}

bool HasMinOrMax(const TCaptionButtonContext& c) {
    return Has(c.flags, cbHasMaximiseBox) || Has(c.flags, cbHasMinimiseBox);
}

} // namespace

TCaptionTextLayout LayOutCaptionText(const TCaptionTextInputs& skin) {
    // The skin's numbers and the rule's distances at the window's density.
    const auto scaled = [&skin](int pixels) { return ScaleMeasure(pixels, skin.dpi); };
    TCaptionTextInputs in = skin;
    for (int* measure : {&in.textShift, &in.textShiftVert, &in.textRightClip, &in.backLeft,
                         &in.backRight, &in.rightClipOffset})
        *measure = scaled(*measure);
    const int r = in.title.Right;
    TPixelRect t{in.title.Left, in.title.Top, in.title.Left + in.textWidth,
                 in.title.Top + in.textHeight};
    const int a = t.Right + in.backLeft + in.backRight;
    t.Right = a;
    int x = 0;
    if (in.rightToLeft) {
        switch (in.alignment) {
        case 0:
            x = r - in.rightClipOffset - a;
            break;
        case 1:
            x = (r - in.rightClipOffset - a) / 2;
            break;
        case 2:
            x = in.textShift;
            break;
        default:
            break;
        }
    } else {
        switch (in.alignment) {
        case 0:
            x = in.textShift;
            break;
        case 1:
            x = (r - a) / 2;
            break;
        case 2:
            x = r - in.textRightClip - a;
            break;
        default:
            break;
        }
    }
    t = Offset(t, x, (in.titleHeight - in.textHeight) / 2 + in.textShiftVert / 2);
    if (in.rightToLeft && x < 1) t.Left = in.textShift;
    if (in.rightToLeft) {
        t = Offset(t, scaled(kRightToLeftShift), 0);
    } else if (in.popup) {
        const int gap = scaled(kPopupButtonGap);
        if (in.rightClipOffset > gap) t.Right = std::min(t.Right, r - in.rightClipOffset - gap);
    } else {
        t.Right = std::min(t.Right, r - in.textRightClip);
    }
    // Dialogs have no icon before the text, so it moves into the icon's place, but never out of
    // the title: with a small TextShift it would start cut off at the window's left edge.
    if (in.dialog && in.alignment == 0)
        t.Left = std::max(t.Left - scaled(kDialogCaptionShift), in.title.Left);

    TCaptionTextLayout out;
    out.caption = t;
    out.back = {t.Left, in.title.Top, t.Right, in.title.Bottom};
    out.text = {t.Left + in.backLeft, t.Top, t.Right - in.backRight, t.Bottom};
    return out;
}

bool VisibilityHolds(int visibility, int action, const TCaptionButtonContext& c,
                     const TAskButtonVisible& ask) {
    if (const auto common = CommonVisibility(visibility, c)) return *common;
    if (visibility == 6 || visibility == 8) return Has(c.flags, cbHasSystemMenu) && HasMinOrMax(c);
    if (visibility == 10) return Has(c.flags, cbHasHelp) && !HasMinOrMax(c);
    if (visibility >= 201 && visibility <= 999) return true;
    if (visibility >= 1000 && visibility <= 2000) return ask && ask(visibility, action);
    return false;
}

bool Visibility1Holds(int visibility1, const TCaptionButtonContext& c) {
    if (const auto common = CommonVisibility(visibility1, c)) return *common;
    if (visibility1 == 6 || visibility1 == 8) return HasMinOrMax(c);
    if (visibility1 == 10) return Has(c.flags, cbHasHelp);
    return visibility1 >= 201 && visibility1 <= 2000;
}

TCaptionButtonShow CaptionButtonShow(const TDataSkinSysButton& b, const TCaptionButtonContext& c,
                                     const TAskButtonVisible& ask) {
    TCaptionButtonShow show;
    show.visible =
        VisibilityHolds(b.Visibility, b.Action, c, ask) && Visibility1Holds(b.Visibility1, c);
    const bool systemMenu = Has(c.flags, cbHasSystemMenu);
    switch (b.Action) {
    case 0:
        if (!systemMenu) show.visible = false;
        break;
    case 1:
        show.setsEnabled = true;
        show.enabled = Has(c.flags, cbHasMaximiseBox) && systemMenu;
        break;
    case 2:
        show.setsEnabled = true;
        show.enabled = Has(c.flags, cbHasMinimiseBox) && systemMenu;
        break;
    case 3:
    case 11:
    case 12:
        if (c.frame == TFrameKind::Dialog) show.visible = false;
        break;
    default:
        break;
    }
    return show;
}

TPixelRect CaptionButtonBounds(const TDataSkinSysButton& b, int cellWidth, int height,
                               const TCaptionButtonPlace& p) {
    const auto scaled = [&p](int pixels) { return ScaleMeasure(pixels, p.dpi); };
    cellWidth = scaled(cellWidth);
    height = scaled(height);
    const int xcoord = scaled(b.Xcoord);
    int x = 0, y = scaled(b.Ycoord);
    switch (b.Align) {
    case 0:
        x = xcoord;
        break;
    case 1:
        x = p.windowWidth - xcoord;
        break;
    case 2:
    case 8:
        x = p.captionLeft - cellWidth - xcoord;
        break;
    case 3:
    case 9:
        x = p.captionRight + xcoord;
        break;
    case 100:
        x = p.windowWidth - xcoord - p.rightBorder - scaled(p.menuBarLeftWidth);
        y = p.titleHeight + (p.menuBarHeight - height) / 2;
        break;
    default:
        y = 0;
        break;
    }
    return {x, y, x + cellWidth, y + height};
}

int RightClipOffset(std::span<const TShownButton> buttons) {
    int offset = 0;
    for (const TShownButton& b : buttons)
        if (b.align == 1 && b.visible && b.hasPicture) offset = std::max(offset, b.xcoord);
    return offset;
}

int PaintAllCell(bool active, bool enabled, int frames) {
    return (active && enabled) || frames < kDisabledCell ? 1 : kDisabledCell;
}

int PaintOneCell(std::int32_t state, bool enabled, int frames, int visibility) {
    if (!enabled) return frames >= kDisabledCell ? kDisabledCell : 1;
    if (visibility == 100 && state == ncHot) return kDisabledCell;
    return state;
}

bool IsSystemMenuButton(int action) {
    return action == 3 || action == 11;
}

TCaptionClick CaptionClickOf(int action) {
    switch (action) {
    case 0:
        return TCaptionClick::Close;
    case 1:
    case 22:
        return TCaptionClick::MaximiseToggle;
    case 2:
    case 23:
        return TCaptionClick::MinimiseToggle;
    case 3:
    case 11:
    case 12:
        return TCaptionClick::SystemMenu;
    case 4:
        return TCaptionClick::Help;
    case 7:
    case 60:
        return TCaptionClick::MdiMinimise;
    case 8:
    case 61:
        return TCaptionClick::MdiRestore;
    case 9:
    case 62:
        return TCaptionClick::MdiClose;
    default:
        return TCaptionClick::Custom;
    }
}

bool CloseButtonCloses(TPlatformVersion version, bool systemMenuHasClose) {
    return !version.nt || version.major < 5 || systemMenuHasClose;
}

std::wstring_view CaptionButtonHint(int action) {
    switch (action) {
    case 0:
    case 9:
    case 62:
        return L"Close";
    case 1:
    case 22:
        return L"Maximize";
    case 2:
    case 7:
    case 23:
    case 60:
        return L"Minimize";
    case 8:
    case 61:
        return L"Restore";
    default:
        return {};
    }
}

THintStep CaptionHintStep(int counter, int hintPause, int hintHidePause) {
    const int show = 2 * hintPause;
    if (counter < show) return THintStep::Wait;
    return counter < show + hintHidePause ? THintStep::Show : THintStep::Hide;
}

TSystemMenuItemRule SystemMenuItemOf(unsigned id, unsigned nativeState, TWindowState state,
                                     std::uint8_t flags) {
    TSystemMenuItemRule item;
    // A grayed native item stays grayed, checked or not.
    item.enabled = (nativeState & kMfsGrayed) != kMfsGrayed;
    item.checked = (nativeState & kMfsChecked) != 0;
    switch (id) {
    case kScSize:
    case kScMove:
        item.enabled = state != TWindowState::Maximised;
        break;
    case kScMinimize:
        item.image = 2;
        item.enabled = state != TWindowState::Minimised && Has(flags, cbHasMinimiseBox);
        break;
    case kScMaximize:
        item.image = 1;
        item.enabled = state != TWindowState::Maximised && Has(flags, cbHasMaximiseBox);
        break;
    case kScClose:
        item.image = 3;
        break;
    case kScRestore:
        item.image = 0;
        item.enabled = state != TWindowState::Normal;
        break;
    default:
        break;
    }
    return item;
}

bool SystemMenuOpens(std::uint32_t now, bool openedBefore, std::uint32_t lastOpened,
                     int doubleClickTime) {
    if (!openedBefore || doubleClickTime < 0) return true;
    return now - lastOpened >= static_cast<std::uint32_t>(doubleClickTime);
}

std::optional<std::vector<TFixedMenuItem>> FixedSystemMenu(TPlatformVersion version,
                                                           std::uint8_t flags) {
    if (!version.nt || version.major >= 5) return std::nullopt;
    std::vector<TFixedMenuItem> items{{L" Restore ", 0, 0, {}, TFixedMenuClick::Restore}};
    if (Has(flags, cbHasMaximiseBox))
        items.push_back({L" Maximize ", 1, 1, {}, TFixedMenuClick::MaximiseToggle});
    if (Has(flags, cbHasMinimiseBox))
        items.push_back({L" Minimize ", 2, 2, {}, TFixedMenuClick::MinimiseToggle});
    items.push_back({L"-", 100, -1, {}, TFixedMenuClick::None});
    items.push_back({L" Close ", 3, 3, L"ALT+F4", TFixedMenuClick::Close});
    return items;
}
